// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QPushButton>
#include <functional>

namespace quorvel::platform {

// A push button that is never a default button: Return and Escape do not press it. A click does not
// take the keyboard focus from the field being typed in; Tab still reaches it, and the program's focus
// frame (see FocusFrame.h) shows it there in place of the style's.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButton(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void onAction(std::function<void()> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvel::platform
