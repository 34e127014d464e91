// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/PushButton.h"

#include "platform/Runtime.h"

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

} // namespace quorvel::platform
