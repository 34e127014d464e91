// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditField.h"

#include "platform/KeyCodes.h"
#include "platform/Runtime.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace quorvel::platform {

// Holds what the user types, pastes or drops to the field's limit, as a maximum length would, but
// leaves alone a longer text that the program set: the user may shorten it or replace it, and whatever
// an edit inserts is cut so that the text ends up no longer than the limit, or refused when the text
// is already longer. Undo and redo may bring back any text the field showed since the program set it.
// QLineEdit's own maximum length would cut the program's text too.
class TypingLimit : public QValidator
{
public:
    explicit TypingLimit(EditField& field) : QValidator(&field), m_field(field) {}

    State validate(QString& input, int& position) const override
    {
        if (!m_field.isUsersEdit() || m_field.m_limit <= 0 || input.size() <= m_field.m_limit ||
            m_field.m_longTextsShown.contains(input))
            return Acceptable;
        // An edit leaves the cursor after what it inserted, and the old text after the cursor as it was.
        const QString& before = m_field.m_shownText;
        qsizetype suffix = 0;
        while (suffix < input.size() - position && suffix < before.size() &&
               before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        qsizetype prefix = 0;
        while (prefix < position && prefix < before.size() - suffix && before[prefix] == input[prefix])
            ++prefix;
        const qsizetype inserted = input.size() - prefix - suffix;
        const qsizetype room = std::max<qsizetype>(0, m_field.m_limit - (prefix + suffix));
        if (inserted > room) {
            input.remove(prefix + room, inserted - room);
            position = static_cast<int>(prefix + room);
        }
        return Acceptable;
    }

private:
    EditField& m_field;
};

EditField::EditField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TypingLimit(*this));
    // Qt reports an edit by the user with textEdited just before textChanged, and a text set by the
    // program with textChanged alone.
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(this, &QLineEdit::textChanged, this, &EditField::noteTextChanged);
}

// The field records each edit by the user for undo before it checks the edit, and setting the text,
// by whichever call, clears that record. So the limit holds for every edit, and for nothing else.
bool EditField::isUsersEdit() const
{
    return isUndoAvailable() || isRedoAvailable();
}

void EditField::noteTextChanged(const QString& text)
{
    if (!std::exchange(m_edited, false)) {
        m_longTextsShown.clear();
        // A text wider than the field shows its beginning.
        setCursorPosition(0);
    }
    m_shownText = text;
    if (m_limit > 0 && text.size() > m_limit)
        m_longTextsShown.insert(text);
    updateToolTip();
}

void EditField::setLimitText(int limit)
{
    m_limit = limit;
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
