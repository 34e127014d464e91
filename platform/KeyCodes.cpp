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
QString firstCharacter(QStringView text)
{
    const bool surrogatePair = text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate();
    return text.left(surrogatePair ? 2 : 1).toString();
}

bool typesCharacter(const QString& text)
{
    return !text.isEmpty() && text.at(0).category() != QChar::Other_Control;
}

// A key with Ctrl or Cmd is a shortcut, unless it types a character with Ctrl+Alt: AltGr on Windows.
bool isShortcut(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    const bool altGr = modifiers.testFlags(Qt::ControlModifier | Qt::AltModifier);
    return !(altGr && typesCharacter(event.text()));
}

} // namespace

QString keyDownText(const QKeyEvent& event)
{
    if (isShortcut(event))
        return {};
    if (const auto code = controlCode(event.key()))
        return QString(QChar(*code));
    if (isKeypadDecimal(event))
        return QStringLiteral(".");
    const QString text = event.text();
    if (!typesCharacter(text))
        return {};
    return firstCharacter(text);
}

bool isKeypadDecimal(const QKeyEvent& event)
{
    const QString text = event.text();
    return event.modifiers().testFlag(Qt::KeypadModifier) &&
           (text == QLatin1String(",") || text == QLatin1String("."));
}

QStringList committedKeys(const QString& text)
{
    QStringList keys;
    for (qsizetype at = 0; at < text.size(); at += keys.constLast().size())
        keys.append(firstCharacter(QStringView(text).mid(at)));
    return keys;
}

} // namespace quorvel::platform
