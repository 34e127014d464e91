// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>
#include <QSet>
#include <functional>

namespace quorvel::platform {

// A one-line text field. Its KeyDown handler sees each typed key (see KeyCodes.h), Tab and Backspace
// included, before the field takes it, and may swallow it; each character that an input method
// composes (a dead key, a compose sequence, IBus) comes to it as a typed key too. Nothing typed enters
// the text without passing it.
//
// LimitText limits what the user types, never the text the program sets, whichever call sets it: a
// computed text longer than the limit is shown whole. A paste or a drop goes in whole, as if typed, or
// not at all (see PasteGuard.h). A text the program sets that is wider than the field shows its
// beginning, and the whole text is offered as the field's tooltip.
//
// Its frame and the margins inside it are its own, the same in every style: styles give a field
// frames from 1 to 4 pixels wide and margins of their own, and under some of them the 60-pixel fields
// would cut a six-character result.
class EditField : public QLineEdit
{
    Q_OBJECT

public:
    using KeyDownHandler = std::function<bool(const QString& key)>;

    explicit EditField(QWidget* parent = nullptr);

    void setLimitText(int limit);
    int limitText() const { return m_limit; }

    // The handler returns true to swallow the key.
    void onKeyDown(KeyDownHandler handler);

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TypingLimit;
    friend class PasteGuard;
    bool swallowsKey(const QKeyEvent& event);
    bool takeInputMethodEvent(QInputMethodEvent& event);
    bool typeDecimalPoint(QKeyEvent& event);
    bool runKeyDown(const QString& key);
    bool isUsersEdit() const;
    void noteTextChanged(const QString& text);
    void updateToolTip();

    int m_limit = 0;
    bool m_edited = false;          // the change being reported is an edit by the user
    QString m_shownText;            // the text before the edit being checked
    QSet<QString> m_longTextsShown; // texts over the limit shown since the program set one
    KeyDownHandler m_keyDown;
};

} // namespace quorvel::platform
