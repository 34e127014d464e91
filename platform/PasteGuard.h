// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QClipboard>
#include <QObject>

class QContextMenuEvent;
class QDropEvent;
class QLineEdit;
class QMouseEvent;

namespace quorvel::platform {

class EditField;

// Keeps a paste from turning into another number. Text pasted into an EditField, whichever way it comes
// (Ctrl+V or Shift+Insert, the Edit menu, the field's context menu, the middle button's selection, a
// drop from elsewhere), goes in as if its characters were typed, or not at all. The spaces, tabs and line
// ends around it are trimmed (a spreadsheet copies a cell with a line end); if the rest fits within the
// field's limit and KeyDown lets each of its characters through, it is inserted; otherwise nothing is,
// and the alert sounds once.
class PasteGuard : public QObject
{
    Q_OBJECT

public:
    explicit PasteGuard(EditField& field);

    // Pastes the clipboard, or with Selection the text selected elsewhere, over the field's selection.
    void paste(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool admits(const QString& text, qsizetype keptLength);
    bool pasteSelectionOnMiddleClick(const QMouseEvent& event);
    void showContextMenu(const QContextMenuEvent& event);
    bool takeDrop(QDropEvent& event);
    void hideDropCursor();

    EditField& m_field;
};

// What the Edit menu's Paste does: pastes into an EditField by the rule above, into any other text field
// as QLineEdit does.
void pasteInto(QLineEdit& field);

} // namespace quorvel::platform
