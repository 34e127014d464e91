// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/Calculation.h"
#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/EditField.h"
#include "platform/MenuDispatch.h"
#include "platform/MenuItem.h"
#include "platform/PushButton.h"
#include "platform/StaticText.h"
#include "support/GuiTest.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"
#include "windows/Qwindow.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QSignalSpy>
#include <QWindow>
#include <array>
#include <functional>
#include <map>
#include <utility>

using namespace quorvel;
using platform::EditField;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The three number fields, in tab order.
enum FieldIndex { A, B, AB };
constexpr std::array fieldNames{"AFld", "BFld", "ABFld"};

// The calculator window that init() made.
ControlWnd& calculator()
{
    return test::liveWindow<ControlWnd>("ControlWnd");
}

EditField& field(int index)
{
    return calculator().control<EditField>(QString::fromLatin1(fieldNames.at(index)));
}

platform::PushButton& button(const char* name)
{
    return calculator().control<platform::PushButton>(QString::fromLatin1(name));
}

void click(QWidget& widget)
{
    QTest::mouseClick(&widget, Qt::LeftButton);
}

// A, B and AB, as the fields show them.
QStringList fieldTexts()
{
    return {field(A).text(), field(B).text(), field(AB).text()};
}

// Types into the three fields, AB before B: a key in AB empties B.
void fill(const QString& a, const QString& b, const QString& ab)
{
    QTest::keyClicks(&field(A), a);
    QTest::keyClicks(&field(AB), ab);
    QTest::keyClicks(&field(B), b);
}

// The message boxes seen since the last look, each as "title: text [buttons]".
QStringList boxesSeen()
{
    QStringList seen;
    for (const test::SeenBox& box : test::ModalWatch::instance().take())
        seen.append(
            QStringLiteral("%1: %2 [%3]").arg(box.title, box.text, box.buttons.join(QLatin1Char('/'))));
    return seen;
}

QStringList oneBox(const QString& text)
{
    return {QStringLiteral("Quorvel: %1 [OK]").arg(text)};
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

// Keys typed on the keyboard go to the widget with the focus.
void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void typeOnKeyboard(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

QString accessible(QWidget& widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    return face ? face->text(what) : QString();
}

// Writes down what screen readers are told by a notification as it appears: Qt tells them when the
// notification is shown, which the offscreen platform, without a reader, does not pass on.
class NotificationWatch : public QObject
{
public:
    QStringList told;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(watched);
            if (shown && shown->role() == QAccessible::Notification)
                told.append(shown->text(QAccessible::Name));
        }
        return false;
    }
};

NotificationWatch& notifications()
{
    static NotificationWatch watch;
    return watch;
}

QStringList noticesSeen()
{
    return std::exchange(notifications().told, {});
}

// The roles a screen reader takes for a window. Qt shows a Border to readers as a frame.
bool looksLikeAWindow(QAccessible::Role role)
{
    return role == QAccessible::Window || role == QAccessible::Dialog || role == QAccessible::AlertMessage ||
           role == QAccessible::Border;
}

// Fails the test at the first object between `part` and `window` that a screen reader would take for a
// window of its own.
void checkBelongsTo(QAccessibleInterface* part, QAccessibleInterface* window)
{
    for (int index = 0; index < part->childCount(); ++index) {
        QAccessibleInterface* child = part->child(index);
        QVERIFY(child);
        QAccessibleInterface* above = child->parent();
        for (; above && above != window; above = above->parent())
            QVERIFY2(!looksLikeAWindow(above->role()),
                     qPrintable(QStringLiteral("\"%1\" lies in a %2 \"%3\"")
                                    .arg(child->text(QAccessible::Name),
                                         above->object()->metaObject()->className(),
                                         above->text(QAccessible::Name))));
        QCOMPARE(above, window);
        checkBelongsTo(child, window);
        if (QTest::currentTestFailed())
            return;
    }
}

QWidget& windowCalled(const QString& name)
{
    if (name == QLatin1String("Qwindow"))
        return Qwindow::instance();
    if (name == QLatin1String("AboutWnd"))
        return AboutWnd::instance();
    return ControlWnd::instance();
}

} // namespace

class TestControlWnd : public QObject
{
    Q_OBJECT

    int m_beeps = 0;

    int beeps() const { return platform::beepCount() - m_beeps; }

private Q_SLOTS:
    void initTestCase()
    {
        test::registerApplication();
        QApplication::instance()->installEventFilter(&notifications());
    }

    void init()
    {
        QVERIFY(test::cameUpActive(&ControlWnd::instance()));
        m_beeps = platform::beepCount();
        notifications().told.clear();
    }

    void cleanup()
    {
        QVERIFY(test::resetWindows().isEmpty());
        QApplication::clipboard()->clear();
    }

    // What it shows

    void showsItsTitleLabelsAndButtons()
    {
        ControlWnd& window = ControlWnd::instance();
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvel"));
        QCOMPARE(field(A).parentWidget()->size(), QSize(500, 400));
        const auto label = [&window](const char* name) {
            return window.control<platform::StaticText>(QString::fromLatin1(name)).text();
        };
        QCOMPARE(label("StaticText1"), QStringLiteral("Reliability of original test"));
        QCOMPARE(label("StaticText2"), QStringLiteral("Proportional change in test length (.01 - 100)"));
        QCOMPARE(label("StaticText3"), QStringLiteral("Reliability of modified test"));
        QCOMPARE(label("copyright"), QStringLiteral("\u00a9 2026 the Quorvel authors"));
        QCOMPARE(button("CalcBtn").text(), QStringLiteral("Calculate"));
        QCOMPARE(button("ClearBtn").text(), QStringLiteral("Clear"));
        QCOMPARE(fieldTexts(), QStringList({QString(), QString(), QString()}));
    }

    // Calculate

    void calculate_fillsTheMissingValue_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("ab");
        QTest::addColumn<int>("computed");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, const char* a, const char* b, const char* ab,
                            FieldIndex computed, const char* result) {
            QTest::newRow(name) << QString::fromLatin1(a) << QString::fromLatin1(b) << QString::fromLatin1(ab)
                                << int(computed) << QString::fromLatin1(result);
        };
        row("AB: doubled length", ".5", "2", "", AB, ".6667");
        row("AB: tripled length", ".6", "3", "", AB, ".8182");
        row("AB: halved length", ".8", ".5", "", AB, ".6667");
        row("AB: smallest reliability", ".005", "2", "", AB, ".0100");
        row("AB: largest reliability", ".995", ".5", "", AB, ".9900");
        row("AB: largest change", ".8", "100", "", AB, ".9975");
        row("AB: recomputed when all three are filled", ".5", "2", ".9", AB, ".6667");
        row("B: longer test", ".8", "", ".9", B, "2.25");
        row("B: shorter test", ".8", "", ".5", B, ".25");
        row("B: same reliability", ".7", "", ".7", B, "1.00");
        row("B: large change", ".1", "", ".99", B, "891.00");
        row("B: largest change", ".005", "", ".995", B, "39601.00");
        row("B: small change", ".9", "", ".3", B, ".05");
    }

    void calculate_fillsTheMissingValue()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, ab);
        QFETCH(int, computed);
        QFETCH(QString, result);
        fill(a, b, ab);
        click(button("CalcBtn"));
        QStringList expected{a, b, ab};
        expected[computed] = result;
        QCOMPARE(fieldTexts(), expected);
        QCOMPARE(boxesSeen(), QStringList());
        QCOMPARE(beeps(), 0);
        // A screen reader hears the result that appears away from the focus, as it would read the field.
        QCOMPARE(noticesSeen(),
                 QStringList{accessible(field(computed), QAccessible::Name) + QLatin1Char(' ') + result});
    }

    void longResult_isShownWholeFromItsBeginning_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("ab");
        QTest::addColumn<QString>("result");
        QTest::newRow("6 characters")
            << QStringLiteral(".1") << QStringLiteral(".99") << QStringLiteral("891.00");
        QTest::newRow("8 characters")
            << QStringLiteral(".005") << QStringLiteral(".995") << QStringLiteral("39601.00");
    }

    void longResult_isShownWholeFromItsBeginning()
    {
        QFETCH(QString, a);
        QFETCH(QString, ab);
        QFETCH(QString, result);
        fill(a, {}, ab);
        click(button("CalcBtn"));
        QCOMPARE(field(B).text(), result);
        QCOMPARE(field(B).cursorPosition(), 0);
    }

    void resultWiderThanTheField_isItsTooltip_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("ab");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("wider: whole text") << QStringLiteral(".005") << QStringLiteral(".995")
                                           << QStringLiteral("39601.00") << QStringLiteral("39601.00");
        QTest::newRow("fits: no tooltip")
            << QStringLiteral(".8") << QStringLiteral(".9") << QStringLiteral("2.25") << QString();
    }

    void resultWiderThanTheField_isItsTooltip()
    {
        QFETCH(QString, a);
        QFETCH(QString, ab);
        QFETCH(QString, b);
        QFETCH(QString, tooltip);
        fill(a, {}, ab);
        click(button("CalcBtn"));
        QCOMPARE(field(B).text(), b);
        QCOMPARE(field(B).toolTip(), tooltip);
    }

    void calculateAgainAfterALargeChange_refusesTheChange()
    {
        fill(QStringLiteral(".1"), {}, QStringLiteral(".99"));
        click(button("CalcBtn"));
        QCOMPARE(field(B).text(), QStringLiteral("891.00"));
        click(button("CalcBtn"));
        QCOMPARE(boxesSeen(), oneBox(qs(calc::lengthChangeOutOfRange)));
        QCOMPARE(fieldTexts(),
                 QStringList({QStringLiteral(".1"), QStringLiteral("891.00"), QStringLiteral(".99")}));
    }

    void newModifiedReliabilityAfterAResult_nextCalculateComputesTheChange()
    {
        fill(QStringLiteral(".5"), QStringLiteral("2"), {});
        click(button("CalcBtn"));
        QCOMPARE(field(AB).text(), QStringLiteral(".6667"));
        QTest::keyClick(&field(AB), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&field(AB), QStringLiteral(".8"));
        QCOMPARE(fieldTexts(), QStringList({QStringLiteral(".5"), QString(), QStringLiteral(".8")}));
        click(button("CalcBtn"));
        QCOMPARE(fieldTexts(),
                 QStringList({QStringLiteral(".5"), QStringLiteral("4.00"), QStringLiteral(".8")}));
        QCOMPARE(boxesSeen(), QStringList());
    }

    // Messages

    void unusableInput_showsOneMessageAndKeepsTheFields_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("ab");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("expectedBeeps");
        const auto row = [](const char* name, const char* a, const char* b, const char* ab,
                            std::string_view text, int beeps) {
            QTest::newRow(name) << QString::fromLatin1(a) << QString::fromLatin1(b) << QString::fromLatin1(ab)
                                << qs(text) << beeps;
        };
        row("change above 100", ".5", "150", "", calc::lengthChangeOutOfRange, 0);
        row("reliability 1 with a change", "1", "2", "", calc::currentReliabilityOutOfRange, 0);
        row("reliability 1 with a modified reliability", "1", "", ".5", calc::modifiedReliabilityOutOfRange,
            0);
        row("both out of range: the change is named", "1.5", "150", "", calc::lengthChangeOutOfRange, 0);
        row("all empty", "", "", "", calc::missingInput, 1);
        row("only the reliability", ".5", "", "", calc::missingInput, 1);
        row("no reliability", "", "2", ".5", calc::missingInput, 1);
    }

    void unusableInput_showsOneMessageAndKeepsTheFields()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, ab);
        QFETCH(QString, message);
        QFETCH(int, expectedBeeps);
        fill(a, b, ab);
        click(button("CalcBtn"));
        QCOMPARE(boxesSeen(), oneBox(message));
        QCOMPARE(fieldTexts(), QStringList({a, b, ab}));
        QCOMPARE(beeps(), expectedBeeps);
        QCOMPARE(noticesSeen(), QStringList());
    }

    // The key filter

    void acceptedKeys_goInSilently_data()
    {
        QTest::addColumn<int>("typedInto");
        QTest::addColumn<QString>("keys");
        for (const int index : {A, B, AB}) {
            const auto row = [index](const char* what, const char* keys) {
                QTest::addRow("%s: %s", fieldNames[index], what) << index << QString::fromLatin1(keys);
            };
            row("digits 0-4", "01234");
            row("digits 5-9", "56789");
            row("point and slash", "3/4.");
            row("several points", "1.2.3");
        }
    }

    void acceptedKeys_goInSilently()
    {
        QFETCH(int, typedInto);
        QFETCH(QString, keys);
        QTest::keyClicks(&field(typedInto), keys);
        QCOMPARE(field(typedInto).text(), keys);
        QCOMPARE(beeps(), 0);
    }

    void backspace_deletesSilently()
    {
        QTest::keyClicks(&field(A), QStringLiteral(".75"));
        QTest::keyClick(&field(A), Qt::Key_Backspace);
        QCOMPARE(field(A).text(), QStringLiteral(".7"));
        QCOMPARE(beeps(), 0);
    }

    void refusedKey_beepsAndKeepsText_data()
    {
        QTest::addColumn<int>("typedInto");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        for (const int index : {A, B, AB}) {
            const auto row = [index](const char* what, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
                QTest::addRow("%s: %s", fieldNames[index], what) << index << key << modifiers;
            };
            row("minus", Qt::Key_Minus);
            row("plus", Qt::Key_Plus);
            row("comma", Qt::Key_Comma);
            row("letter e", Qt::Key_E);
            row("space", Qt::Key_Space);
            row("Return", Qt::Key_Return);
            row("keypad Enter", Qt::Key_Enter, Qt::KeypadModifier);
            row("Escape", Qt::Key_Escape);
            row("Left", Qt::Key_Left);
            row("Right", Qt::Key_Right);
            row("Up", Qt::Key_Up);
            row("Down", Qt::Key_Down);
            row("forward Delete", Qt::Key_Delete);
        }
    }

    void refusedKey_beepsAndKeepsText()
    {
        QFETCH(int, typedInto);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QTest::keyClicks(&field(typedInto), QStringLiteral("12"));
        QTest::keyClick(&field(typedInto), key, modifiers);
        QCOMPARE(field(typedInto).text(), QStringLiteral("12"));
        QCOMPARE(field(typedInto).cursorPosition(), 2);
        QCOMPARE(beeps(), 1);
    }

    void shiftedKey_beepsOnceNotForShift()
    {
        QTest::keyClick(&field(A), Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(field(A).text(), QString());
        QCOMPARE(beeps(), 1);
    }

    void keyWithCtrl_isNotFiltered_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Ctrl+A") << Qt::Key_A;
        QTest::newRow("Ctrl+C") << Qt::Key_C;
        QTest::newRow("Ctrl+Left") << Qt::Key_Left;
    }

    void keyWithCtrl_isNotFiltered()
    {
        QFETCH(Qt::Key, key);
        QTest::keyClicks(&field(A), QStringLiteral(".5"));
        QTest::keyClick(&field(A), key, Qt::ControlModifier);
        QCOMPARE(field(A).text(), QStringLiteral(".5"));
        QCOMPARE(beeps(), 0);
    }

    void typingIntoAOrB_emptiesNoOtherField_data()
    {
        QTest::addColumn<int>("typedInto");
        for (const int index : {A, B})
            QTest::newRow(fieldNames[index]) << index;
    }

    void typingIntoAOrB_emptiesNoOtherField()
    {
        QFETCH(int, typedInto);
        fill(QStringLiteral(".5"), QStringLiteral("2"), QStringLiteral(".9"));
        QTest::keyClick(&field(typedInto), Qt::Key_1);
        QStringList expected{QStringLiteral(".5"), QStringLiteral("2"), QStringLiteral(".9")};
        expected[typedInto] += QLatin1Char('1');
        QCOMPARE(fieldTexts(), expected);
    }

    void keyIntoAB_emptiesBUnlessItMovesOn_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("ab");
        QTest::addColumn<int>("expectedBeeps");
        QTest::newRow("digit") << Qt::Key_7 << QString() << QStringLiteral("7") << 0;
        QTest::newRow("point") << Qt::Key_Period << QString() << QStringLiteral(".") << 0;
        QTest::newRow("Backspace") << Qt::Key_Backspace << QString() << QString() << 0;
        QTest::newRow("Tab: keeps B") << Qt::Key_Tab << QStringLiteral("2") << QString() << 0;
        QTest::newRow("Shift+Tab: keeps B") << Qt::Key_Backtab << QStringLiteral("2") << QString() << 0;
        QTest::newRow("refused letter") << Qt::Key_X << QString() << QString() << 1;
        QTest::newRow("refused Escape") << Qt::Key_Escape << QString() << QString() << 1;
    }

    void keyIntoAB_emptiesBUnlessItMovesOn()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, b);
        QFETCH(QString, ab);
        QFETCH(int, expectedBeeps);
        fill(QStringLiteral(".5"), QStringLiteral("2"), {});
        QTest::keyClick(&field(AB), key);
        QCOMPARE(fieldTexts(), QStringList({QStringLiteral(".5"), b, ab}));
        QCOMPARE(beeps(), expectedBeeps);
    }

    // How much goes in

    void typing_stopsAtFiveCharacters_data()
    {
        QTest::addColumn<int>("typedInto");
        for (const int index : {A, B, AB})
            QTest::newRow(fieldNames[index]) << index;
    }

    void typing_stopsAtFiveCharacters()
    {
        QFETCH(int, typedInto);
        QTest::keyClicks(&field(typedInto), QStringLiteral("1234567"));
        QCOMPARE(field(typedInto).text(), QStringLiteral("12345"));
    }

    void undoAfterReplacingALongerResult_bringsItBackWhole()
    {
        fill(QStringLiteral(".005"), {}, QStringLiteral(".995"));
        click(button("CalcBtn"));
        click(field(B));
        QTest::keyClick(&field(B), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&field(B), Qt::Key_1);
        QCOMPARE(field(B).text(), QStringLiteral("1"));
        QTest::keyClick(&field(B), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field(B).text(), QStringLiteral("39601.00"));
    }

    // Clear

    void clear_emptiesTheFieldsAndFocusesA_data()
    {
        QTest::addColumn<bool>("filled");
        QTest::newRow("filled") << true;
        QTest::newRow("already empty") << false;
    }

    void clear_emptiesTheFieldsAndFocusesA()
    {
        QFETCH(bool, filled);
        if (filled)
            fill(QStringLiteral(".5"), QStringLiteral("2"), QStringLiteral(".9"));
        click(field(AB));
        QCOMPARE(focusName(), QStringLiteral("ABFld"));
        click(button("ClearBtn"));
        QCOMPARE(fieldTexts(), QStringList({QString(), QString(), QString()}));
        QCOMPARE(focusName(), QStringLiteral("AFld"));
        QCOMPARE(boxesSeen(), QStringList());
        QCOMPARE(beeps(), 0);
    }

    // The keyboard alone

    void typingAsTheWindowFirstShows_goesIntoA()
    {
        typeOnKeyboard(QStringLiteral(".8"));
        QCOMPARE(fieldTexts(), QStringList({QStringLiteral(".8"), QString(), QString()}));
        QCOMPARE(beeps(), 0);
    }

    void tab_movesThroughTheFieldsToCalculate()
    {
        click(field(A));
        QStringList visited{focusName()};
        for (int i = 0; i < 3; ++i) {
            press(Qt::Key_Tab);
            visited.append(focusName());
        }
        QCOMPARE(visited, QStringList({QStringLiteral("AFld"), QStringLiteral("BFld"),
                                       QStringLiteral("ABFld"), QStringLiteral("CalcBtn")}));
        QCOMPARE(beeps(), 0);
    }

    // The keyboard's one way to Calculate: Tab on through the fields.
    void spaceOnCalculate_calculates_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("ab");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("A and AB: the change")
            << QStringLiteral(".8") << QString() << QStringLiteral(".9") << QStringList{".8", "2.25", ".9"};
        QTest::newRow("A and B: the new reliability, B kept")
            << QStringLiteral(".8") << QStringLiteral("2") << QString() << QStringList{".8", "2", ".8889"};
    }

    void spaceOnCalculate_calculates()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, ab);
        QFETCH(QStringList, texts);
        click(field(A));
        for (const QString& typed : {a, b, ab}) {
            typeOnKeyboard(typed);
            press(Qt::Key_Tab);
        }
        QCOMPARE(focusName(), QStringLiteral("CalcBtn"));
        press(Qt::Key_Space);
        QCOMPARE(fieldTexts(), texts);
        QCOMPARE(boxesSeen(), QStringList());
    }

    // A screen reader says nothing of a field whose caret moves as it gets the focus. What the reader
    // is told cannot be watched here: Qt passes accessibility events on through its platform plugin,
    // and the offscreen one passes none. Qt 6.4's line edit sends its caret-moved event exactly where
    // it emits cursorPositionChanged, so a field entered without that signal is one the reader speaks.
    void enteringAField_movesNoCaret_data()
    {
        QTest::addColumn<bool>("byClear");
        QTest::newRow("Tab into B, the first time") << false;
        QTest::newRow("Clear, into A that was typed in") << true;
    }

    void enteringAField_movesNoCaret()
    {
        QFETCH(bool, byClear);
        click(field(A));
        typeOnKeyboard(QStringLiteral(".8"));
        if (byClear) {
            for (int i = 0; i < 4; ++i)
                press(Qt::Key_Tab);
            QCOMPARE(focusName(), QStringLiteral("ClearBtn"));
        }
        EditField& entered = field(byClear ? A : B);
        const QSignalSpy caretMoves(&entered, &QLineEdit::cursorPositionChanged);
        press(byClear ? Qt::Key_Space : Qt::Key_Tab);
        QCOMPARE(focusName(), entered.objectName());
        QCOMPARE(caretMoves.count(), 0);
    }

    void returnOrEscape_beepsAndDoesNotCalculate_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter") << Qt::Key_Enter;
        QTest::newRow("Escape") << Qt::Key_Escape;
    }

    void returnOrEscape_beepsAndDoesNotCalculate()
    {
        QFETCH(Qt::Key, key);
        QTest::keyClicks(&field(A), QStringLiteral(".5"));
        click(field(B));
        typeOnKeyboard(QStringLiteral("2"));
        press(key);
        QCOMPARE(fieldTexts(), QStringList({QStringLiteral(".5"), QStringLiteral("2"), QString()}));
        QCOMPARE(boxesSeen(), QStringList());
        QCOMPARE(beeps(), 1);
    }

    void returnOrEscapeOnTheFocusedButton_doesNotCalculate_data()
    {
        returnOrEscape_beepsAndDoesNotCalculate_data();
    }

    void returnOrEscapeOnTheFocusedButton_doesNotCalculate()
    {
        QFETCH(Qt::Key, key);
        QTest::keyClicks(&field(A), QStringLiteral(".8"));
        QTest::keyClicks(&field(AB), QStringLiteral(".9"));
        click(field(AB));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("CalcBtn"));
        press(key);
        QCOMPARE(fieldTexts(), QStringList({QStringLiteral(".8"), QString(), QStringLiteral(".9")}));
        QCOMPARE(boxesSeen(), QStringList());
    }

    void clickOnCalculate_leavesTheFocusInTheField()
    {
        QTest::keyClicks(&field(A), QStringLiteral(".5"));
        click(field(B));
        typeOnKeyboard(QStringLiteral("2"));
        click(button("CalcBtn"));
        QCOMPARE(field(AB).text(), QStringLiteral(".6667"));
        QCOMPARE(focusName(), QStringLiteral("BFld"));
    }

    // Accessibility

    void fields_areNamedByTheirLabels_data()
    {
        QTest::addColumn<int>("named");
        QTest::addColumn<QString>("labelName");
        QTest::newRow(fieldNames[A]) << int(A) << QStringLiteral("StaticText1");
        QTest::newRow(fieldNames[B]) << int(B) << QStringLiteral("StaticText2");
        QTest::newRow(fieldNames[AB]) << int(AB) << QStringLiteral("StaticText3");
    }

    void fields_areNamedByTheirLabels()
    {
        QFETCH(int, named);
        QFETCH(QString, labelName);
        const QString label = ControlWnd::instance().control<platform::StaticText>(labelName).text();
        QVERIFY(!label.isEmpty());
        QCOMPARE(accessible(field(named), QAccessible::Name), label);
    }

    void buttons_areNamedByTheirCaptions()
    {
        QCOMPARE(accessible(button("CalcBtn"), QAccessible::Name), QStringLiteral("Calculate"));
        QCOMPARE(accessible(button("ClearBtn"), QAccessible::Name), QStringLiteral("Clear"));
    }

    void informationBadge_isANamedAndDescribedButton()
    {
        auto& badge = ControlWnd::instance().control<platform::Canvas>(QStringLiteral("Canvas1"));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&badge);
        QCOMPARE(face->role(), QAccessible::Button);
        QVERIFY(!accessible(badge, QAccessible::Name).isEmpty());
        const QString description = accessible(badge, QAccessible::Description);
        QVERIFY2(description.contains(QStringLiteral("information"), Qt::CaseInsensitive),
                 qPrintable(description));
        QVERIFY2(description.contains(QStringLiteral("formula"), Qt::CaseInsensitive),
                 qPrintable(description));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(Qwindow::exists());
    }

    // A screen reader finds each window's contents in that window, and a name for it.
    void everyPart_liesInItsNamedWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("calculator") << QStringLiteral("ControlWnd") << QStringLiteral("Quorvel");
        QTest::newRow("information") << QStringLiteral("Qwindow") << QStringLiteral("Quorvel Information");
        QTest::newRow("About, untitled") << QStringLiteral("AboutWnd") << QStringLiteral("About Quorvel");
    }

    void everyPart_liesInItsNamedWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&windowCalled(window));
        QCOMPARE(shown->text(QAccessible::Name), name);
        checkBelongsTo(shown, shown);
    }

    // The information window

    void badgeClick_showsTheInformationWindow()
    {
        QVERIFY(!Qwindow::exists());
        click(ControlWnd::instance().control<platform::Canvas>(QStringLiteral("Canvas1")));
        QVERIFY(Qwindow::exists());
        QVERIFY(test::cameUpActive(&Qwindow::instance()));
    }

    void badgeFromTheKeyboard_showsTheInformationWindow_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space") << Qt::Key_Space;
        QTest::newRow("Return") << Qt::Key_Return;
    }

    // Tab goes on from Clear to the badge, which shows that it has the keyboard.
    void badgeFromTheKeyboard_showsTheInformationWindow()
    {
        QFETCH(Qt::Key, key);
        auto& badge = calculator().control<platform::Canvas>(QStringLiteral("Canvas1"));
        const QImage unfocused = badge.grab().toImage();
        click(field(A));
        for (const char* next : {"BFld", "ABFld", "CalcBtn", "ClearBtn", "Canvas1"}) {
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), QString::fromLatin1(next));
        }
        QVERIFY(badge.grab().toImage() != unfocused);
        press(key);
        QVERIFY(Qwindow::exists());
        QVERIFY(test::cameUpActive(&Qwindow::instance()));
        QCOMPARE(beeps(), 0);
    }

    void badgeClickAgain_showsTheSameInformationWindow()
    {
        auto& badge = ControlWnd::instance().control<platform::Canvas>(QStringLiteral("Canvas1"));
        click(badge);
        Qwindow* first = &Qwindow::instance();
        QVERIFY(test::cameUpActive(first));
        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!first->isVisible());
        click(badge);
        QCOMPARE(&Qwindow::instance(), first);
        QVERIFY(first->isVisible());
    }

    // Its close button: the window system's request, which QWindow::close() sends as the title bar does.
    void closingTheInformationWindow_leavesTheCalculatorActiveWithTheKeyboard()
    {
        click(field(B));
        click(calculator().control<platform::Canvas>(QStringLiteral("Canvas1")));
        QVERIFY(test::cameUpActive(&Qwindow::instance()));
        QVERIFY(Qwindow::instance().windowHandle()->close());
        QVERIFY(!Qwindow::exists());
        QTRY_VERIFY(calculator().isActiveWindow());
        QCOMPARE(focusName(), QStringLiteral("BFld"));
        typeOnKeyboard(QStringLiteral("2"));
        QCOMPARE(field(B).text(), QStringLiteral("2"));
    }

    // The About window and the menu

    void activatingTheCalculator_hidesTheAboutWindow()
    {
        AboutWnd& about = AboutWnd::instance();
        about.Show();
        QVERIFY(test::cameUpActive(&about));
        ControlWnd::instance().Show();
        QVERIFY(test::cameUpActive(&ControlWnd::instance()));
        QVERIFY(!about.isVisible());
    }

    void menuForTheCalculator_disablesControlAndEnablesAbout()
    {
        platform::updateMenuItems(Menu::instance());
        QVERIFY(!ControlMenuItem().isEnabled());
        QVERIFY(AboutMenuItem().isEnabled());
        QVERIFY(AboutMentavo().isEnabled());
    }

    // The About commands show the About window from the calculator; over the About window only the
    // Window menu's item is on, and it keeps the one window; over the information window neither is.
    void aboutCommand_showsTheAboutWindowFromTheCalculatorOnly_data()
    {
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("activeAfter");
        const auto row = [](const char* active, const char* item, bool enabled, const char* activeAfter) {
            QTest::addRow("%s active: %s", active, item)
                << QString::fromLatin1(active) << QString::fromLatin1(item) << enabled
                << QString::fromLatin1(activeAfter);
        };
        for (const char* item : {"AboutMenuItem", "AboutMentavo"}) {
            row("calculator", item, true, "About");
            row("information", item, false, "information");
        }
        row("About", "AboutMenuItem", true, "About");
        row("About", "AboutMentavo", false, "About");
    }

    void aboutCommand_showsTheAboutWindowFromTheCalculatorOnly()
    {
        QFETCH(QString, active);
        QFETCH(QString, item);
        QFETCH(bool, enabled);
        QFETCH(QString, activeAfter);
        const std::map<QString, std::function<QWidget*()>> windows{
            {QStringLiteral("calculator"), [] { return &ControlWnd::instance(); }},
            {QStringLiteral("About"), [] { return &AboutWnd::instance(); }},
            {QStringLiteral("information"), [] { return &Qwindow::instance(); }},
        };
        if (active == QLatin1String("About"))
            AboutWnd::instance().Show();
        else if (active == QLatin1String("information"))
            click(ControlWnd::instance().control<platform::Canvas>(QStringLiteral("Canvas1")));
        QWidget* shown = windows.at(active)();
        QVERIFY(test::cameUpActive(shown));
        platform::updateMenuItems(Menu::instance());
        platform::MenuItem& chosen = *Menu::instance().Lookup(item);
        QCOMPARE(chosen.isEnabled(), enabled);
        chosen.action()->trigger();
        QWidget* expected = windows.at(activeAfter)();
        QVERIFY(test::cameUpActive(expected));
        QCOMPARE(AboutWnd::exists() && AboutWnd::instance().isVisible(),
                 activeAfter == QLatin1String("About"));
        if (active == activeAfter)
            QCOMPARE(windows.at(activeAfter)(), shown);
    }

    // Closing

    void closingTheCalculator_quitsWithStatusZero_data()
    {
        QTest::addColumn<bool>("informationOpen");
        QTest::newRow("information window closed") << false;
        QTest::newRow("information window open") << true;
    }

    void closingTheCalculator_quitsWithStatusZero()
    {
        QFETCH(bool, informationOpen);
        if (informationOpen)
            click(ControlWnd::instance().control<platform::Canvas>(QStringLiteral("Canvas1")));
        QCOMPARE(Qwindow::exists(), informationOpen);
        QCOMPARE(test::runEventLoop([] { ControlWnd::instance().close(); }), 0);
        QVERIFY(!ControlWnd::exists());
    }
};

QUORVEL_GUI_TEST_MAIN(TestControlWnd)
#include "tst_controlwnd.moc"
