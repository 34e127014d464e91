// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QFrame>

namespace quorvel::platform {

// The content area of a window, which holds its controls. A screen reader sees it as a plain part of
// the window (see AccessibleInterfaces.h): Qt would show a QFrame as a frame, which readers take for
// a window of its own, and then speak no focus change inside it.
class ContentArea final : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

} // namespace quorvel::platform
