// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "support/ModalWatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace quorvel::test {

ModalWatch& ModalWatch::instance()
{
    static ModalWatch watch;
    return watch;
}

void ModalWatch::start()
{
    m_poll.setInterval(10);
    connect(&m_poll, &QTimer::timeout, this, &ModalWatch::dismissModal);
    m_poll.start();
}

QList<SeenBox> ModalWatch::take()
{
    return std::exchange(m_seen, {});
}

void ModalWatch::dismissModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        m_seen.append({modal->windowTitle(), QStringLiteral("<unexpected modal window>"), {}});
        modal->close();
        return;
    }
    SeenBox seen{box->windowTitle(), box->text(), {}};
    for (QAbstractButton* button : box->buttons())
        seen.buttons.append(button->text());
    m_seen.append(seen);
    box->buttons().constFirst()->click();
}

} // namespace quorvel::test
