// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/PushButton.h"

#include "platform/FocusFrame.h"
#include "platform/Runtime.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvel::platform {

PushButton::PushButton(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::TabFocus);
}

void PushButton::setCaption(const QString& caption)
{
    setText(caption);
    setAccessibleName(caption);
}

void PushButton::onAction(std::function<void()> handler)
{
    connect(this, &QPushButton::clicked, this, [handler = std::move(handler)] { runHandler(handler); });
}

void PushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);
    if (hasFocus())
        drawFocusFrame(painter, rect());
}

} // namespace quorvel::platform
