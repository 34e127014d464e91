// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Alerts.h"

#include "platform/Runtime.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvel::platform {
namespace {

int g_beeps = 0;

} // namespace

void MsgBox(const QString& text)
{
    QMessageBox box(QMessageBox::Information, programName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Beep()
{
    ++g_beeps;
    QApplication::beep();
}

int beepCount()
{
    return g_beeps;
}

} // namespace quorvel::platform
