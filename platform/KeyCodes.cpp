// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <optional>

namespace quorvel::platform {
namespace {

std::optional<char16_t> controlCode(int key)
{
    switch (key) {
    case Qt::Key_Home:
        return 1;
    case Qt::Key_Enter:
        return 3;
    case Qt::Key_End:
        return 4;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_PageUp:
        return 11;
    case Qt::Key_PageDown:
        return 12;
    case Qt::Key_Return:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Left:
        return 28;
    case Qt::Key_Right:
        return 29;
    case Qt::Key_Up:
        return 30;
    case Qt::Key_Down:
        return 31;
    case Qt::Key_Delete:
        return 127;
    default:
        return std::nullopt;
    }
}

// The first character of a typed text, kept whole when it lies outside the Basic Multilingual Plane.
QString firstCharacter(const QString& text)
{
    const bool surrogatePair = text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate();
    return text.left(surrogatePair ? 2 : 1);
}

} // namespace

QString keyDownText(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    if (const auto code = controlCode(event.key()))
        return QString(QChar(*code));
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control)
        return {};
    return firstCharacter(text);
}

} // namespace quorvel::platform
