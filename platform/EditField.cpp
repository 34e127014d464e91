// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditField.h"

#include "platform/KeyCodes.h"
#include "platform/Runtime.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace quorvel::platform {
namespace {

// QLineEdit's own limit for "no limit".
constexpr int unlimited = 32767;

} // namespace

EditField::EditField(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &EditField::keepUserWithinLimit);
    connect(this, &QLineEdit::textChanged, this, &EditField::updateToolTip);
}

// QLineEdit's maximum length cuts every text, the program's too. So the maximum follows the text: it
// is the limit, or the length of a longer text the program set, and shrinks as the user shortens it.
void EditField::setText(const QString& text)
{
    const int limit = m_limit > 0 ? m_limit : unlimited;
    setMaxLength(std::max(limit, static_cast<int>(text.size())));
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void EditField::setLimitText(int limit)
{
    m_limit = limit;
    setMaxLength(std::max(limit > 0 ? limit : unlimited, static_cast<int>(text().size())));
}

void EditField::keepUserWithinLimit()
{
    const int wanted = std::max(m_limit > 0 ? m_limit : unlimited, static_cast<int>(text().size()));
    if (maxLength() == wanted)
        return;
    const int cursor = cursorPosition();
    setMaxLength(wanted);
    setCursorPosition(cursor);
}

void EditField::onKeyDown(KeyDownHandler handler)
{
    m_keyDown = std::move(handler);
}

// Keys are taken here rather than in keyPressEvent so that Tab is seen before it moves the focus.
bool EditField::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_keyDown) {
        const QString key = keyDownText(*static_cast<QKeyEvent*>(event));
        if (!key.isEmpty() && runHandler([&] { return m_keyDown(key); })) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void EditField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void EditField::updateToolTip()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const bool fits = fontMetrics().horizontalAdvance(text()) <= area.width() - 4;
    setToolTip(fits ? QString() : text());
}

} // namespace quorvel::platform
