// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/AccessibleNotice.h"

namespace quorvel::platform {

// No size: nothing to draw and nothing to click.
AccessibleNotice::AccessibleNotice(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

// Appearing is what readers announce; hidden again at once, it stays out of the reader's way until the
// next message.
void AccessibleNotice::announce(const QString& message)
{
    setAccessibleName(message);
    show();
    hide();
}

} // namespace quorvel::platform
