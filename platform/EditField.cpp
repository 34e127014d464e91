// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditField.h"

#include "platform/FocusFrame.h"
#include "platform/KeyCodes.h"
#include "platform/PasteGuard.h"
#include "platform/Runtime.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace quorvel::platform {
namespace {

// Whether QLineEdit inserts the text of a key it gets, as it decides in QInputControl::isAcceptableInput:
// a formatting character always; else a printable or private-use character or a surrogate pair, unless
// typed with Ctrl alone or with Ctrl+Shift.
bool insertsText(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.at(0);
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const bool surrogatePair = text.size() > 1 && first.isHighSurrogate() && text.at(1).isLowSurrogate();
    return first.isPrint() || first.category() == QChar::Other_PrivateUse || surrogatePair;
}

// Styles leave a flat field's text more or less room; Adwaita, for one, cuts "891.00" in a 60-pixel
// field. Every field takes its text room from Qt's own Fusion style, whatever the program's style is.
QStyle* textRoomStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

// The frame is one pixel wide: the text keeps one pixel more between it and the frame than QLineEdit's
// own margins give.
constexpr int frameWidth = 1;
// 3.9:1 against the white page, where a field's outline should reach 3:1 to be seen.
const QColor frameColor(0x80, 0x80, 0x80);
// A faint line under the top edge, which makes the field look sunk into the page.
const QColor innerShadow(0, 0, 0, 18);

void drawFrame(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    // Lines one pixel wide fall on whole pixels.
    painter.translate(0.5, 0.5);
    painter.setPen(frameColor);
    painter.drawRoundedRect(area.adjusted(0, 0, -1, -1), 2, 2);
    painter.setPen(innerShadow);
    painter.drawLine(QPoint(area.left() + 2, area.top() + 1), QPoint(area.right() - 2, area.top() + 1));
}

} // namespace

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
    setStyle(textRoomStyle());
    setFrame(false);
    setTextMargins(frameWidth, frameWidth, frameWidth, frameWidth);
    setValidator(new TypingLimit(*this));
    new PasteGuard(*this);
    // Qt reports an edit by the user with textEdited just before textChanged, and a text set by the
    // program with textChanged alone.
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(this, &QLineEdit::textChanged, this, &EditField::noteTextChanged);
    // Qt reports the caret's first placing as a move: see focusOutEvent.
    setCursorPosition(0);
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
    if (m_keyDown) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (swallowsKey(dynamic_cast<QKeyEvent&>(*event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::InputMethod:
            return takeInputMethodEvent(dynamic_cast<QInputMethodEvent&>(*event));
        default:
            break;
        }
    }
    if (event->type() == QEvent::KeyPress && isKeypadDecimal(dynamic_cast<QKeyEvent&>(*event)))
        return typeDecimalPoint(dynamic_cast<QKeyEvent&>(*event));
    return QLineEdit::event(event);
}

// The keypad's decimal key types the point, whichever character the keyboard layout gives it.
bool EditField::typeDecimalPoint(QKeyEvent& event)
{
    QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, event.modifiers(), QStringLiteral("."),
                    event.isAutoRepeat(), event.count());
    const bool taken = QLineEdit::event(&point);
    event.setAccepted(point.isAccepted());
    return taken;
}

// A shortcut that QLineEdit would still insert as text (Meta with a character; Ctrl with a formatting
// character, such as the zero-width non-joiner) is swallowed: it is no key for KeyDown, and nothing
// typed may enter the text without passing KeyDown.
bool EditField::swallowsKey(const QKeyEvent& event)
{
    const QString key = keyDownText(event);
    if (key.isEmpty())
        return insertsText(event);
    return runKeyDown(key);
}

// An input method (a dead key or a compose sequence on X11, IBus, fcitx, Wayland's text input) sends
// what the user composed without key presses. Each character it commits passes KeyDown as a typed key
// and only those let through are inserted; what it shows while composing is no text of the field.
bool EditField::takeInputMethodEvent(QInputMethodEvent& event)
{
    const QString committed = event.commitString();
    QString passed;
    for (const QString& key : committedKeys(committed))
        if (!runKeyDown(key))
            passed += key;
    if (passed == committed)
        return QLineEdit::event(&event);
    QInputMethodEvent filtered(event.preeditString(), event.attributes());
    if (!passed.isEmpty())
        filtered.setCommitString(passed, event.replacementStart(), event.replacementLength());
    QLineEdit::event(&filtered);
    event.accept();
    return true;
}

bool EditField::runKeyDown(const QString& key)
{
    return runHandler([&] { return m_keyDown(key); });
}

// Orca takes a field whose caret moves while, or just before, it gets the focus for the focus already,
// and then says nothing of it. An unfocused field keeps its caret at the start, where setting its text
// leaves it, so that neither Tab nor Clear moves it on the way in. It keeps its selection, and with it
// its caret, when only the window lost the focus or a menu took it; the menu bar that takes the keyboard
// for Alt, F10 or an access key counts as a menu, so the Edit commands find the selection. That is a
// workaround for Qt 6.4 (no Qt bug report known), whose QLineEdit keeps the selection for a popup but
// not for the menu bar; tst_menu's editMenuFromTheKeyboard_cutsTheSelectionOfTheFieldItCameFrom fails
// without it.
void EditField::focusOutEvent(QFocusEvent* event)
{
    const bool forAMenu =
        event->reason() == Qt::MenuBarFocusReason || event->reason() == Qt::PopupFocusReason;
    QFocusEvent seen(QEvent::FocusOut, forAMenu ? Qt::PopupFocusReason : event->reason());
    QLineEdit::focusOutEvent(&seen);
    if (!forAMenu && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
}

void EditField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (hasFocus())
        drawFocusFrame(painter, rect());
    else
        drawFrame(painter, rect());
}

void EditField::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void EditField::updateToolTip()
{
    // QLineEdit keeps two pixels free on either side of the text, inside the text margins.
    const int room = contentsRect().marginsRemoved(textMargins()).width() - 2 * 2;
    const bool fits = fontMetrics().horizontalAdvance(text()) <= room;
    setToolTip(fits ? QString() : text());
}

} // namespace quorvel::platform
