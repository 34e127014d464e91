// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/PasteGuard.h"

#include "platform/Alerts.h"
#include "platform/EditField.h"
#include "platform/KeyCodes.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

namespace quorvel::platform {
namespace {

// Tab and Backspace pass the key rule as keys, but are no characters of a number.
bool isControlCharacter(QChar character)
{
    return character.category() == QChar::Other_Control;
}

} // namespace

PasteGuard::PasteGuard(EditField& field) : QObject(&field), m_field(field)
{
    field.installEventFilter(this);
}

void PasteGuard::paste(QClipboard::Mode mode)
{
    const QString text = QGuiApplication::clipboard()->text(mode).trimmed();
    if (admits(text, m_field.text().size() - m_field.selectedText().size()))
        m_field.insert(text);
}

// Whether the field takes the text beside `keptLength` characters of its own. A refusal sounds the alert
// once: here, or in KeyDown for the first character it refuses, where the characters before it went as
// typed keys do (a key in one field may empty another).
bool PasteGuard::admits(const QString& text, qsizetype keptLength)
{
    const int limit = m_field.limitText();
    const bool fits = limit <= 0 || keptLength + text.size() <= limit;
    if (text.isEmpty() || !fits || std::any_of(text.begin(), text.end(), isControlCharacter)) {
        Beep();
        return false;
    }
    if (!m_field.m_keyDown)
        return true;
    const QStringList keys = committedKeys(text);
    return std::none_of(keys.begin(), keys.end(),
                        [this](const QString& key) { return m_field.runKeyDown(key); });
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event)
{
    // A field being destroyed still gets events, as a plain widget by then: it takes no paste.
    if (qobject_cast<EditField*>(watched) != &m_field || m_field.isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!dynamic_cast<QKeyEvent&>(*event).matches(QKeySequence::Paste))
            return false;
        paste();
        return true;
    case QEvent::MouseButtonRelease:
        return pasteSelectionOnMiddleClick(dynamic_cast<QMouseEvent&>(*event));
    case QEvent::ContextMenu:
        showContextMenu(dynamic_cast<QContextMenuEvent&>(*event));
        return true;
    case QEvent::Drop:
        return takeDrop(dynamic_cast<QDropEvent&>(*event));
    default:
        return false;
    }
}

// Where the system keeps a selection apart from the clipboard (X11), the middle button pastes it.
bool PasteGuard::pasteSelectionOnMiddleClick(const QMouseEvent& event)
{
    if (event.button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    m_field.deselect();
    paste(QClipboard::Selection);
    return true;
}

// The field's own menu, with its Paste item pasting by the rule. Qt 6.4's QLineEdit connects that item
// to its paste() slot by name: the connection, rather than the item's text or place, tells which item
// it is. A Qt that connects it otherwise leaves the item pasting past the rule, which the warning tells.
void PasteGuard::showContextMenu(const QContextMenuEvent& event)
{
    QMenu* menu = m_field.createStandardContextMenu();
    bool pasteFound = false;
    for (QAction* item : menu->actions()) {
        if (QObject::disconnect(item, SIGNAL(triggered()), &m_field, SLOT(paste()))) {
            connect(item, &QAction::triggered, this, [this] { paste(); });
            pasteFound = true;
        }
    }
    if (!pasteFound)
        qWarning("PasteGuard: the context menu's Paste is not connected to QLineEdit::paste() by name in Qt "
                 "%s: it pastes past the paste rule",
                 qVersion());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

// A text dropped from elsewhere is pasted where it is dropped, replacing nothing. Text dragged within
// the field is only moved, as QLineEdit does it.
bool PasteGuard::takeDrop(QDropEvent& event)
{
    if (event.source() == &m_field || !event.mimeData()->hasText())
        return false;
    const QString text = event.mimeData()->text().trimmed();
    hideDropCursor();
    if (!admits(text, m_field.text().size())) {
        event.ignore();
        return true;
    }
    m_field.setCursorPosition(m_field.cursorPositionAt(event.position().toPoint()));
    m_field.insert(text);
    event.acceptProposedAction();
    return true;
}

// QLineEdit shows a cursor where the text would drop while a drag moves over it, until the drag leaves.
void PasteGuard::hideDropCursor()
{
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&m_field, &leave);
}

void pasteInto(QLineEdit& field)
{
    if (auto* guard = field.findChild<PasteGuard*>(QString(), Qt::FindDirectChildrenOnly))
        guard->paste();
    else
        field.paste();
}

} // namespace quorvel::platform
