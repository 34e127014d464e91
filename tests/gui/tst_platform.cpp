// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/DesktopTextSize.h"
#include "platform/EditField.h"
#include "platform/Fonts.h"
#include "platform/KeyCodes.h"
#include "platform/MenuDispatch.h"
#include "platform/MenuItem.h"
#include "platform/NilObjectException.h"
#include "platform/PushButton.h"
#include "platform/RoundRectangle.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "support/GuiTest.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>
#include <map>
#include <memory>

using namespace quorvel;
using platform::Window;

namespace {

// A window with one control of each class, each named after its class.
class ControlsWnd final : public platform::ImplicitWindow<ControlsWnd>
{
protected:
    void Layout() override
    {
        setContentSize(200, 200);
        setVisibleWhenCreated(false);
    }

    void CreateControls() override
    {
        addControl<platform::Canvas>(QStringLiteral("Canvas1"), {0, 0, 20, 20});
        addControl<platform::RoundRectangle>(QStringLiteral("RoundRectangle1"), {20, 0, 20, 20});
        addControl<platform::StaticText>(QStringLiteral("StaticText1"), {40, 0, 20, 20});
        addControl<platform::PushButton>(QStringLiteral("PushButton1"), {60, 0, 20, 20});
        addControl<platform::EditField>(QStringLiteral("EditField1"), {80, 0, 20, 20});
        addComponent<platform::Timer>(QStringLiteral("Timer1"));
    }
};

// A window with a menu bar of its own, showing it, with a handler for its one command.
class BarWnd final : public platform::ImplicitWindow<BarWnd>
{
public:
    static inline platform::MenuBar* bar = nullptr;
    static inline int chosen = 0;

protected:
    void Layout() override
    {
        setContentSize(200, 100);
        setMenuBar(bar);
        setMenuBarVisible(true);
    }

    void AddMenuHandlers() override
    {
        AddMenuHandler(QStringLiteral("Spare"), [] {
            ++chosen;
            return true;
        });
    }
};

// A menu bar with one menu holding the command "Spare", Cmd+K.
std::unique_ptr<platform::MenuBar> spareMenuBar()
{
    auto command = std::make_unique<platform::MenuItem>();
    command->setName(QStringLiteral("Spare"));
    command->setText(QStringLiteral("Spare"));
    command->setKeyboardShortcut(QStringLiteral("Cmd+K"));
    auto menu = std::make_unique<platform::MenuItem>();
    menu->setName(QStringLiteral("SpareMenu"));
    menu->setText(QStringLiteral("Spares"));
    menu->Append(std::move(command));
    auto bar = std::make_unique<platform::MenuBar>();
    bar->Append(std::move(menu));
    return bar;
}

// A control looked up as one class, by the name of the class as the program spells it.
using Lookup = QObject* (*)(const Window& window, const QString& name);

template <class Control> QObject* lookUp(const Window& window, const QString& name)
{
    return &window.control<Control>(name);
}

const std::map<QString, Lookup>& lookUpAs()
{
    static const std::map<QString, Lookup> lookups{
        {QStringLiteral("Canvas"), &lookUp<platform::Canvas>},
        {QStringLiteral("RoundRectangle"), &lookUp<platform::RoundRectangle>},
        {QStringLiteral("StaticText"), &lookUp<platform::StaticText>},
        {QStringLiteral("PushButton"), &lookUp<platform::PushButton>},
        {QStringLiteral("EditField"), &lookUp<platform::EditField>},
        {QStringLiteral("Timer"), &lookUp<platform::Timer>},
    };
    return lookups;
}

QString qualified(const QString& className)
{
    return QStringLiteral("quorvel::platform::") + className;
}

// The calculator's three number fields, which take five typed characters each.
enum FieldIndex { A, B, AB };
constexpr std::array fieldNames{"AFld", "BFld", "ABFld"};

platform::EditField& field(int index)
{
    return ControlWnd::instance().control<platform::EditField>(QString::fromLatin1(fieldNames.at(index)));
}

QStringList fieldTexts()
{
    return {field(A).text(), field(B).text(), field(AB).text()};
}

// Types a reliability into A and a change in length into B.
void fillAAndB()
{
    QTest::keyClicks(&field(A), QStringLiteral(".5"));
    QTest::keyClicks(&field(B), QStringLiteral("2"));
}

// What an input method sends when the user has composed `text`: a dead key and a letter, a compose
// sequence, a choice in IBus or fcitx.
void commit(platform::EditField& field, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&field, &event);
}

// A text dragged in from elsewhere and dropped into the field.
void drop(platform::EditField& field, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPoint at = field.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &drop);
}

// Pastes `text` into the field the way `route` names, as a user would, over the field's selection (a
// drop replaces nothing).
void pasteBy(const QString& route, platform::EditField& field, const QString& text)
{
    if (route == QLatin1String("drop")) {
        drop(field, text);
        return;
    }
    QApplication::clipboard()->setText(text);
    if (route == QLatin1String("Ctrl+V")) {
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    } else if (route == QLatin1String("Edit menu")) {
        platform::updateMenuItems(Menu::instance());
        Menu::instance().Lookup(QStringLiteral("EditPaste"))->action()->trigger();
    } else {
        // The menu's Paste is found by how Qt 6.4 connects it; another Qt may connect it otherwise.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("context menu's Paste is not connected")));
        QContextMenuEvent request(QContextMenuEvent::Keyboard, field.rect().center(),
                                  field.mapToGlobal(field.rect().center()));
        QApplication::sendEvent(&field, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* item : menu->actions())
            if (item->text().startsWith(QLatin1String("&Paste")))
                item->trigger();
        menu->close();
    }
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

    int m_beeps = 0;

    int beeps() const { return platform::beepCount() - m_beeps; }

private Q_SLOTS:
    void initTestCase() { test::registerApplication(); }

    void init()
    {
        BarWnd::chosen = 0;
        m_beeps = platform::beepCount();
    }

    void cleanup()
    {
        QVERIFY(test::resetWindows().isEmpty());
        BarWnd::bar = nullptr;
        QApplication::clipboard()->clear();
        for (const char* variable :
             {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP", "QT_SCALE_FACTOR"})
            qunsetenv(variable);
    }

    // Controls by name and class

    void control_isFoundOnlyAsItsOwnClass_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("askedClass");
        QTest::addColumn<bool>("found");
        for (const auto& [controlClass, unused] : lookUpAs()) {
            const QString name = controlClass + QLatin1Char('1');
            for (const auto& [askedClass, alsoUnused] : lookUpAs())
                QTest::addRow("%s as %s", qPrintable(name), qPrintable(askedClass))
                    << name << askedClass << (askedClass == controlClass);
        }
    }

    void control_isFoundOnlyAsItsOwnClass()
    {
        QFETCH(QString, name);
        QFETCH(QString, askedClass);
        QFETCH(bool, found);
        const Window& window = ControlsWnd::instance();
        QObject* control = nullptr;
        QString error;
        try {
            control = lookUpAs().at(askedClass)(window, name);
        } catch (const platform::NilObjectException& exception) {
            error = QString::fromUtf8(exception.what());
        }
        if (found) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(control->objectName(), name);
            QCOMPARE(QString::fromLatin1(control->metaObject()->className()), qualified(askedClass));
        } else {
            QVERIFY(!control);
            QVERIFY2(error.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(error));
            QVERIFY2(error.contains(qualified(askedClass)), qPrintable(error));
        }
    }

    // The typing limit

    void theProgramsText_isNeverCut_data()
    {
        QTest::addColumn<QString>("setBy");
        QTest::newRow("EditField") << QStringLiteral("EditField");
        QTest::newRow("QLineEdit") << QStringLiteral("QLineEdit");
        QTest::newRow("a connection to QLineEdit::setText") << QStringLiteral("connection");
    }

    void theProgramsText_isNeverCut()
    {
        QFETCH(QString, setBy);
        platform::EditField& b = field(B);
        const QString result = QStringLiteral("39601.00");
        if (setBy == QLatin1String("EditField")) {
            b.setText(result);
        } else if (setBy == QLatin1String("QLineEdit")) {
            static_cast<QLineEdit&>(b).setText(result);
        } else {
            QLineEdit source;
            QObject::connect(&source, &QLineEdit::textChanged, &b, &QLineEdit::setText);
            source.setText(result);
        }
        QCOMPARE(b.text(), result);
        QCOMPARE(b.cursorPosition(), 0);
        QCOMPARE(b.toolTip(), result);

        b.selectAll();
        QTest::keyClick(&b, Qt::Key_1);
        QCOMPARE(b.text(), QStringLiteral("1"));
        QTest::keyClick(&b, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(b.text(), result);
        b.selectAll();
        QTest::keyClicks(&b, QStringLiteral("1234567"));
        QCOMPARE(b.text(), QStringLiteral("12345"));
    }

    // Pastes

    // Whole or not at all, and as if typed: the limit counts what the paste replaces, and each of its
    // characters passes the key rule. The result 39601.00 is longer than what can be typed; selected
    // whole, it is replaced by the paste.
    void aPaste_goesInAsTypedOrNotAtAllWhicheverWayItComes_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("replacing");
        QTest::addColumn<int>("into");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("expectedBeeps");
        for (const char* route : {"Ctrl+V", "Edit menu", "context menu", "drop"}) {
            QTest::addRow("%s: a trimmed value into AB empties B", route)
                << QString::fromLatin1(route) << QString() << int(AB) << QStringLiteral("\t.75\n")
                << QStringList{".5", "", ".75"} << 0;
            QTest::addRow("%s: too long and a letter, refused whole", route)
                << QString::fromLatin1(route) << QString() << int(A) << QStringLiteral("x.5/\u00e9789")
                << QStringList{".5", "2", ""} << 1;
        }
        const auto row = [](const char* what, const char* replacing, int into, const QString& pasted,
                            const QStringList& texts, int beeps) {
            QTest::addRow("Ctrl+V over %s: %s", replacing, what)
                << QStringLiteral("Ctrl+V") << QString::fromLatin1(replacing) << into << pasted << texts
                << beeps;
        };
        const QStringList typed{".5", "2", ""};
        const QStringList computed{".005", "39601.00", ".995"};
        row("nine digits: too long", "its text", B, QStringLiteral("123456789"), typed, 1);
        row("100.00: too long", "its text", B, QStringLiteral("100.00"), typed, 1);
        row("0.12345678: not cut to 0.123", "its text", A, QStringLiteral("0.12345678"), typed, 1);
        row("100/40: not cut to 100/4", "its text", B, QStringLiteral("100/40"), typed, 1);
        row("letters", "its text", A, QStringLiteral("abc"), typed, 1);
        row("a tab between digits", "its text", B, QStringLiteral("1\t2"), typed, 1);
        row("a spreadsheet cell: spaces and line end trimmed", "its text", B, QStringLiteral(" 30/40\r\n"),
            {".5", "30/40", ""}, 0);
        row("nine digits", "a longer result", B, QStringLiteral("123456789"), computed, 1);
        row("100.00, ending in .00 as it does", "a longer result", B, QStringLiteral("100.00"), computed, 1);
        row("a value that fits", "a longer result", B, QStringLiteral("2"), {".005", "2", ".995"}, 0);
    }

    void aPaste_goesInAsTypedOrNotAtAllWhicheverWayItComes()
    {
        QFETCH(QString, route);
        QFETCH(QString, replacing);
        QFETCH(int, into);
        QFETCH(QString, pasted);
        QFETCH(QStringList, texts);
        QFETCH(int, expectedBeeps);
        ControlWnd& calculator = ControlWnd::instance();
        QVERIFY(test::cameUpActive(&calculator));
        if (replacing == QLatin1String("a longer result")) {
            QTest::keyClicks(&field(A), QStringLiteral(".005"));
            QTest::keyClicks(&field(AB), QStringLiteral(".995"));
            QTest::mouseClick(&calculator.control<platform::PushButton>(QStringLiteral("CalcBtn")),
                              Qt::LeftButton);
            QCOMPARE(field(B).text(), QStringLiteral("39601.00"));
            m_beeps = platform::beepCount();
        } else {
            fillAAndB();
        }
        if (route != QLatin1String("drop"))
            QTest::mouseClick(&field(into), Qt::LeftButton);
        if (!replacing.isEmpty())
            field(into).selectAll();
        pasteBy(route, field(into), pasted);
        QCOMPARE(fieldTexts(), texts);
        QCOMPARE(beeps(), expectedBeeps);
    }

    // Every typed character passes the key rule

    // A character passes the key rule however it comes: composed in an input method (a dead key and a
    // letter, IBus, fcitx), character by character; typed with AltGr, which Windows sends as Ctrl+Alt;
    // from the keypad's decimal key, which German keyboards, and others where a comma is the decimal
    // sign, give a comma.
    void aCharacter_passesTheKeyRuleHoweverItIsTyped_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("into");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("expectedBeeps");
        const auto row = [](const char* way, const char* what, int into, Qt::Key key, const QString& text,
                            const QStringList& texts, int beeps) {
            QTest::addRow("%s: %s", way, what)
                << QString::fromLatin1(way) << into << key << text << texts << beeps;
        };
        const Qt::Key none = Qt::Key_unknown;
        row("composed", "\u00e9 into A", A, none, QStringLiteral("\u00e9"), {".5", "2", ""}, 1);
        row("composed", "5 into A", A, none, QStringLiteral("5"), {".55", "2", ""}, 0);
        row("composed", "5, \u00e9 and a point into A", A, none, QStringLiteral("5\u00e9."),
            {".55.", "2", ""}, 1);
        row("composed", "a character beyond 16 bits into A, one key", A, none, QStringLiteral("\U0001F600"),
            {".5", "2", ""}, 1);
        row("composed", "digits into A, to the limit", A, none, QStringLiteral("12345"), {".5123", "2", ""},
            0);
        row("composed", "\u00e9 into AB empties B", AB, none, QStringLiteral("\u00e9"), {".5", "", ""}, 1);
        row("composed", "7 into AB empties B", AB, none, QStringLiteral("7"), {".5", "", "7"}, 0);
        row("Ctrl+Alt", "@ into A", A, Qt::Key_At, QStringLiteral("@"), {".5", "2", ""}, 1);
        row("Ctrl+Alt", "\u20ac into A", A, Qt::Key_E, QStringLiteral("\u20ac"), {".5", "2", ""}, 1);
        row("Ctrl+Alt", "5 into A", A, Qt::Key_5, QStringLiteral("5"), {".55", "2", ""}, 0);
        row("Ctrl+Alt", "@ into AB empties B", AB, Qt::Key_At, QStringLiteral("@"), {".5", "", ""}, 1);
        row("keypad", "comma into A", A, Qt::Key_Comma, QStringLiteral(","), {".5.", "2", ""}, 0);
        row("keypad", "comma into B", B, Qt::Key_Comma, QStringLiteral(","), {".5", "2.", ""}, 0);
        row("keypad", "comma into AB empties B", AB, Qt::Key_Comma, QStringLiteral(","), {".5", "", "."}, 0);
        row("keypad", "point into A", A, Qt::Key_Period, QStringLiteral("."), {".5.", "2", ""}, 0);
        row("main keyboard", "comma into A, refused", A, Qt::Key_Comma, QStringLiteral(","), {".5", "2", ""},
            1);
    }

    void aCharacter_passesTheKeyRuleHoweverItIsTyped()
    {
        QFETCH(QString, way);
        QFETCH(int, into);
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);
        QFETCH(QStringList, texts);
        QFETCH(int, expectedBeeps);
        const std::map<QString, Qt::KeyboardModifiers> modifiers{
            {QStringLiteral("Ctrl+Alt"), Qt::ControlModifier | Qt::AltModifier},
            {QStringLiteral("keypad"), Qt::KeypadModifier},
            {QStringLiteral("main keyboard"), Qt::NoModifier},
        };
        fillAAndB();
        if (way == QLatin1String("composed"))
            commit(field(into), text);
        else
            QTest::sendKeyEvent(QTest::Click, &field(into), key, text, modifiers.at(way));
        QCOMPARE(fieldTexts(), texts);
        QCOMPARE(beeps(), expectedBeeps);
    }

    void whatAnInputMethodShowsWhileComposing_isNoTypedText()
    {
        fillAAndB();
        QInputMethodEvent composing(QStringLiteral("\u00b4"), {});
        QApplication::sendEvent(&field(AB), &composing);
        QCOMPARE(fieldTexts(), QStringList({".5", "2", ""}));
        QCOMPARE(beeps(), 0);
    }

    // Meta is the Super key, or Control on macOS: a shortcut, no key for the rule.
    void aCharacterTypedWithMeta_isNotTyped()
    {
        fillAAndB();
        QTest::sendKeyEvent(QTest::Click, &field(AB), Qt::Key_5, QStringLiteral("5"), Qt::MetaModifier);
        QCOMPARE(fieldTexts(), QStringList({".5", "2", ""}));
        QCOMPARE(beeps(), 0);
    }

    void keyDownText_takesCtrlAltWithACharacterAsTyping_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("AltGr+Q, @") << Qt::Key_At << QStringLiteral("@") << QStringLiteral("@");
        QTest::newRow("AltGr+E, \u20ac") << Qt::Key_E << QStringLiteral("\u20ac") << QStringLiteral("\u20ac");
        QTest::newRow("Ctrl+Alt+Left") << Qt::Key_Left << QString() << QString();
        QTest::newRow("Ctrl+Alt+Backspace") << Qt::Key_Backspace << QStringLiteral("\b") << QString();
        QTest::newRow("Ctrl+Alt+Delete") << Qt::Key_Delete << QStringLiteral("\x7f") << QString();
    }

    void keyDownText_takesCtrlAltWithACharacterAsTyping()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier | Qt::AltModifier, text);
        QCOMPARE(platform::keyDownText(event), expected);
    }

    // What a screen reader asks of a field

    // Qt 6.4's own interface never answers some of these: its loop spins for good.
    void fieldText_answersEveryQueryAtEveryOffset_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {".8", "2", "/", "0.75", ""})
            QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text);
    }

    void fieldText_answersEveryQueryAtEveryOffset()
    {
        QFETCH(QString, text);
        auto& edit = ControlsWnd::instance().control<platform::EditField>(QStringLiteral("EditField1"));
        edit.setText(text);
        QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(&edit)->textInterface();
        QVERIFY(reader);
        using Query =
            QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;
        const int length = static_cast<int>(text.size());
        for (const Query query :
             {&QAccessibleTextInterface::textBeforeOffset, &QAccessibleTextInterface::textAtOffset,
              &QAccessibleTextInterface::textAfterOffset}) {
            for (const auto boundary :
                 {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
                  QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                // -2 stands for the caret, -1 for the end.
                for (int offset = -2; offset <= length; ++offset) {
                    int start = 0;
                    int end = 0;
                    const QString answer = (reader->*query)(offset, boundary, &start, &end);
                    const bool none = start == -1 && end == -1;
                    QVERIFY2(none || (0 <= start && start <= end && end <= length), qPrintable(answer));
                    QCOMPARE(answer, none ? QString() : text.mid(start, end - start));
                }
            }
        }
        // The whole text is a word, from its start and from its end.
        int start = 0;
        int end = 0;
        QCOMPARE(reader->textAtOffset(0, QAccessible::WordBoundary, &start, &end), text);
        QCOMPARE(reader->textAtOffset(length, QAccessible::WordBoundary, &start, &end), text);
    }

    // Fonts

    // The faces of the system it runs on: on Linux those the desktop's theme names. The Windows faces
    // (Segoe UI, Courier New) are seen only in check-windows.sh's screenshots, under Wine.
    void fontNamed_drawsInAFaceOfItsKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("fixedWidth");
        QTest::newRow("System, a label") << QStringLiteral("System") << 14 << true << false;
        QTest::newRow("system in any case, a button") << QStringLiteral("system") << 12 << false << false;
        QTest::newRow("Courier, a field") << QStringLiteral("Courier") << 14 << false << true;
    }

    void fontNamed_drawsInAFaceOfItsKind()
    {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(bool, fixedWidth);
        const QFontInfo face(platform::fontNamed(name, pixelSize, bold));
        QCOMPARE(face.pixelSize(), pixelSize);
        QCOMPARE(face.bold(), bold);
        QCOMPARE(face.fixedPitch(), fixedWidth);
    }

    // The desktop's text size

    void theWindowsGrow_byTheDesktopsTextSize_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("kdeFont");
        QTest::addColumn<QByteArray>("usersScale");
        QTest::addColumn<double>("factor");
        const QString font16 = QStringLiteral("Noto Sans,16,-1,5,50,0,0,0,0,0");
        QTest::newRow("KDE, 16 pt") << "KDE" << font16 << QByteArray() << 1.6;
        QTest::newRow("KDE, 12.5 pt") << "KDE"
                                      << "Noto Sans,12.5,-1,5,50,0,0,0,0,0" << QByteArray() << 1.25;
        QTest::newRow("KDE, its default 10 pt") << "KDE"
                                                << "Noto Sans,10,-1,5,50,0,0,0,0,0" << QByteArray() << 1.0;
        QTest::newRow("KDE, 8 pt: never smaller") << "KDE"
                                                  << "Noto Sans,8,-1,5,50,0,0,0,0,0" << QByteArray() << 1.0;
        QTest::newRow("KDE, a size in pixels") << "KDE"
                                               << "Noto Sans,-1,21,5,50,0,0,0,0,0" << QByteArray() << 1.0;
        QTest::newRow("KDE, no font set") << "KDE" << QString() << QByteArray() << 1.0;
        QTest::newRow("KDE among others") << "Neon:KDE" << font16 << QByteArray() << 1.6;
        QTest::newRow("GNOME, with KDE's file left behind") << "GNOME" << font16 << QByteArray() << 1.0;
        QTest::newRow("KDE, 16 pt, QT_SCALE_FACTOR set") << "KDE" << font16 << QByteArray("1") << 1.0;
    }

    void theWindowsGrow_byTheDesktopsTextSize()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, kdeFont);
        QFETCH(QByteArray, usersScale);
        QFETCH(double, factor);
        // Configuration folders of the test's own: the user's settings are neither read nor touched.
        const QTemporaryDir userConfig;
        const QTemporaryDir systemConfig;
        qputenv("XDG_CONFIG_HOME", userConfig.path().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", systemConfig.path().toLocal8Bit());
        qputenv("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());
        if (!usersScale.isEmpty())
            qputenv("QT_SCALE_FACTOR", usersScale);
        if (!kdeFont.isEmpty()) {
            QFile globals(userConfig.path() + QStringLiteral("/kdeglobals"));
            QVERIFY(globals.open(QIODevice::WriteOnly));
            globals.write("[General]\nfont=" + kdeFont.toUtf8() + "\n");
        }

        QCOMPARE(platform::desktopTextScaleFactor(), factor);
    }

    // Menu bars

    // Runs under AddressSanitizer in the test command: a command of a destroyed bar must not fire.
    void aDestroyedMenuBar_leavesNoCommandInTheWindow()
    {
        auto bar = spareMenuBar();
        BarWnd::bar = bar.get();
        BarWnd& window = BarWnd::instance();
        QVERIFY(test::cameUpActive(&window));
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(BarWnd::chosen, 1);
        const auto* shownBar = window.findChild<QMenuBar*>();
        QVERIFY(shownBar);
        QPointer<QMenu> shownMenu = shownBar->findChild<QMenu*>();
        QVERIFY(shownMenu);

        bar.reset();
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
        if (shownMenu)
            Q_EMIT shownMenu->aboutToShow();
        QCOMPARE(BarWnd::chosen, 1);
        QCOMPARE(window.actions(), QList<QAction*>());
        QTRY_VERIFY(!window.findChild<QMenuBar*>());
    }
};

QUORVEL_GUI_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
