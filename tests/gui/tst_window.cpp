// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/EditField.h"
#include "platform/KeyCodes.h"
#include "platform/OperatingSystem.h"
#include "platform/PushButton.h"
#include "platform/Runtime.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "support/GuiTest.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <stdexcept>

using namespace quorvel;
using platform::Canvas;
using platform::EditField;
using platform::PushButton;

namespace {

// A window that records the events it receives, with one control of each kind.
class RecordingWnd final : public platform::ImplicitWindow<RecordingWnd>
{
public:
    static inline QStringList events;
    static inline QStringList keys;
    static inline QList<QPoint> clicks;
    static inline int actions = 0;
    static inline QStringList fieldKeys;
    static inline bool swallowFieldKeys = false;

protected:
    void Layout() override
    {
        events << QStringLiteral("Layout");
        setTitle(QStringLiteral("Recording"));
        setContentSize(300, 200);
        setBackgroundColor(Qt::white);
    }

    void CreateControls() override
    {
        events << QStringLiteral("CreateControls");
        auto& field = addControl<EditField>(QStringLiteral("Field"), {10, 10, 60, 22});
        field.setLimitText(5);
        field.onKeyDown([](const QString& key) {
            fieldKeys << key;
            return swallowFieldKeys;
        });
        addControl<EditField>(QStringLiteral("Other"), {10, 40, 60, 22});
        auto& button = addControl<PushButton>(QStringLiteral("Button"), {10, 70, 80, 32});
        button.setCaption(QStringLiteral("Press"));
        button.onAction([] { ++actions; });
        auto& canvas = addControl<Canvas>(QStringLiteral("Handled"), {100, 10, 40, 40});
        canvas.onMouseDown([](int x, int y) {
            clicks << QPoint(-x, -y);
            return false;
        });
        addControl<Canvas>(QStringLiteral("Plain"), {150, 10, 40, 40});
        auto& label = addControl<platform::StaticText>(QStringLiteral("Label"), {10, 120, 120, 20});
        label.setCaption(QStringLiteral("A label"));
    }

    void AddMenuHandlers() override { events << QStringLiteral("AddMenuHandlers"); }
    void Open() override { events << QStringLiteral("Open"); }
    void Close() override { events << QStringLiteral("Close"); }
    void Activate() override { events << QStringLiteral("Activate"); }

    void showEvent(QShowEvent* event) override
    {
        events << QStringLiteral("Shown");
        Window::showEvent(event);
    }

    bool KeyDown(const QString& key) override
    {
        keys << key;
        return false;
    }

    bool MouseDown(int x, int y) override
    {
        clicks << QPoint(x, y);
        return false;
    }
};

// A window without controls that can take the focus, so that keys reach the window itself.
class PlainWnd final : public platform::ImplicitWindow<PlainWnd>
{
public:
    static inline QStringList keys;

protected:
    void Layout() override { setContentSize(120, 80); }

    bool KeyDown(const QString& key) override
    {
        keys << key;
        return true;
    }
};

// A window whose controls cannot be made while `failing` holds.
class FailingWnd final : public platform::ImplicitWindow<FailingWnd>
{
public:
    static inline bool failing = true;
    static inline int attempts = 0;

protected:
    void Layout() override { setContentSize(120, 80); }

    void CreateControls() override
    {
        ++attempts;
        if (failing)
            throw std::runtime_error("no controls");
        addControl<PushButton>(QStringLiteral("Button"), {10, 10, 80, 32});
    }
};

// An untitled dialog, as the About window is.
class UntitledWnd final : public platform::ImplicitWindow<UntitledWnd>
{
protected:
    void Layout() override
    {
        setTitle(QString());
        setContentSize(120, 80);
        setFrame(Frame::Dialog);
    }
};

// The recording window, made on first use. Once the test has closed it, the helpers make no new one.
RecordingWnd& recordingWindow()
{
    if (RecordingWnd::events.contains(QStringLiteral("Close")))
        test::windowGone("RecordingWnd");
    return RecordingWnd::instance();
}

template <class Control> Control& control(const QString& name)
{
    return recordingWindow().control<Control>(name);
}

QString delivered(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    return platform::keyDownText(event);
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        RecordingWnd::events.clear();
        RecordingWnd::keys.clear();
        RecordingWnd::clicks.clear();
        RecordingWnd::actions = 0;
        RecordingWnd::fieldKeys.clear();
        RecordingWnd::swallowFieldKeys = false;
        PlainWnd::keys.clear();
        FailingWnd::failing = true;
        FailingWnd::attempts = 0;
    }

    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // Implicit instances

    void instance_isMadeOnceAndRunsItsEventsInOrder()
    {
        RecordingWnd& first = RecordingWnd::instance();
        RecordingWnd& second = RecordingWnd::instance();
        QCOMPARE(&first, &second);
        QCOMPARE(RecordingWnd::events, QStringList({"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
        QTRY_VERIFY(first.isVisible());
        QCOMPARE(RecordingWnd::events.count(QStringLiteral("Shown")), 1);
        QCOMPARE(first.windowTitle(), QStringLiteral("Recording"));
        QCOMPARE(first.size(), QSize(300, 200));
    }

    void aWindowMadeAndHiddenByOneHandler_neverAppears()
    {
        RecordingWnd::instance().Hide();
        // What the handler left for later, the showing of the window included.
        QCoreApplication::sendPostedEvents();
        QVERIFY(!RecordingWnd::instance().isVisible());
        QVERIFY(!RecordingWnd::events.contains(QStringLiteral("Shown")));
    }

    void hide_keepsTheInstance()
    {
        RecordingWnd& window = RecordingWnd::instance();
        window.Hide();
        QVERIFY(!window.isVisible());
        QVERIFY(RecordingWnd::exists());
        QCOMPARE(&RecordingWnd::instance(), &window);
        QCOMPARE(RecordingWnd::events.count(QStringLiteral("Open")), 1);
    }

    void shownAgainAfterHiding_comesBackActiveWithWhatItShowed()
    {
        RecordingWnd& window = RecordingWnd::instance();
        QVERIFY(test::cameUpActive(&window));
        QTest::keyClicks(&control<EditField>(QStringLiteral("Field")), QStringLiteral("12"));
        window.Hide();
        QTRY_VERIFY(!window.testAttribute(Qt::WA_WState_Created)); // its native window given back
        window.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(control<EditField>(QStringLiteral("Field")).text(), QStringLiteral("12"));
        QCOMPARE(window.size(), QSize(300, 200));
    }

    void close_runsCloseAndTheNextUseMakesAFreshWindow()
    {
        QPointer<RecordingWnd> first = &RecordingWnd::instance();
        first->close();
        QVERIFY(RecordingWnd::events.contains(QStringLiteral("Close")));
        QVERIFY(!RecordingWnd::exists());
        RecordingWnd& second = RecordingWnd::instance();
        QVERIFY(&second != first.data());
        QCOMPARE(RecordingWnd::events.count(QStringLiteral("Open")), 2);
        QTRY_VERIFY(first.isNull());
    }

    void instance_whoseCreateControlsThrows_passesItOnAndTriesAgainNextTime()
    {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, FailingWnd::instance());
        QVERIFY(!FailingWnd::exists());
        for (const QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!dynamic_cast<const FailingWnd*>(window));
        FailingWnd::failing = false;
        FailingWnd& window = FailingWnd::instance();
        QCOMPARE(FailingWnd::attempts, 2);
        QVERIFY(FailingWnd::exists());
        QCOMPARE(window.control<PushButton>(QStringLiteral("Button")).geometry(), QRect(10, 10, 80, 32));
        QVERIFY(test::cameUpActive(&window));
    }

    void show_bringsTheWindowToTheFrontWithFocus()
    {
        RecordingWnd::instance().Hide();
        PlainWnd::instance().Show();
        QVERIFY(QTest::qWaitForWindowActive(&PlainWnd::instance()));
        RecordingWnd::events.clear();
        RecordingWnd::instance().Show();
        QVERIFY(QTest::qWaitForWindowActive(&RecordingWnd::instance()));
        QVERIFY(RecordingWnd::events.contains(QStringLiteral("Activate")));
    }

    // The title that task bars and window switchers read from the window system; the platform keeps one
    // on X11 (CTest runs this on a private Xvfb as tst_window_x11) and Windows only.
    void shownTitle_isTheWindowsOwn_data()
    {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<QString>("shown");
        QTest::newRow("titled") << true << QStringLiteral("Recording");
        QTest::newRow("untitled dialog, as the About window: none, not the program's name")
            << false << QString();
    }

    void shownTitle_isTheWindowsOwn()
    {
        QFETCH(bool, titled);
        QFETCH(QString, shown);
        platform::Window& window =
            titled ? static_cast<platform::Window&>(RecordingWnd::instance()) : UntitledWnd::instance();
        QTRY_VERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const std::optional<QString> title = platform::os::shownTitle(*window.windowHandle());
        if (!title)
            QSKIP("this platform keeps no title");
        QCOMPARE(*title, shown);
    }

    // Controls by name

    void control_isFoundByItsName()
    {
        QCOMPARE(control<PushButton>(QStringLiteral("Button")).text(), QStringLiteral("Press"));
        QCOMPARE(control<EditField>(QStringLiteral("Field")).geometry(), QRect(10, 10, 60, 22));
    }

    void control_underAnUnknownNameIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(platform::NilObjectException,
                                 control<EditField>(QStringLiteral("NoSuchField")));
        QVERIFY_THROWS_EXCEPTION(platform::NilObjectException, control<EditField>(QStringLiteral("Button")));
    }

    // Keys as handlers see them

    void keyDownText_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto code = [](int value) { return QString(QChar(value)); };
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << QStringLiteral("a") << QStringLiteral("a");
        QTest::newRow("shifted plus")
            << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << QStringLiteral("+") << QStringLiteral("+");
        QTest::newRow("accented letter")
            << int(Qt::Key_Eacute) << 0 << QStringLiteral("\u00e9") << QStringLiteral("\u00e9");
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << QStringLiteral(" ") << QStringLiteral(" ");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << QStringLiteral("\b") << code(8);
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << QStringLiteral("\t") << code(9);
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << QString() << code(9);
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << QStringLiteral("\r") << code(13);
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QStringLiteral("\r") << code(3);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << QStringLiteral("\x1b") << code(27);
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << QString() << code(28);
        QTest::newRow("Right") << int(Qt::Key_Right) << 0 << QString() << code(29);
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << QString() << code(30);
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << QString() << code(31);
        QTest::newRow("forward Delete") << int(Qt::Key_Delete) << 0 << QStringLiteral("\x7f") << code(127);
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << QString() << code(1);
        QTest::newRow("End") << int(Qt::Key_End) << 0 << QString() << code(4);
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << QString() << code(11);
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << QString() << code(12);
        QTest::newRow("keypad digit")
            << int(Qt::Key_5) << int(Qt::KeypadModifier) << QStringLiteral("5") << QStringLiteral("5");
        QTest::newRow("Ctrl+C is a shortcut")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << QStringLiteral("\x03") << QString();
        QTest::newRow("Meta+Q is a shortcut")
            << int(Qt::Key_Q) << int(Qt::MetaModifier) << QStringLiteral("q") << QString();
        QTest::newRow("lone Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << QString() << QString();
        QTest::newRow("lone Control")
            << int(Qt::Key_Control) << int(Qt::ControlModifier) << QString() << QString();
        QTest::newRow("F1 has no character") << int(Qt::Key_F1) << 0 << QString() << QString();
    }

    void keyDownText()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(delivered(key, Qt::KeyboardModifiers(modifiers), text), expected);
    }

    void windowKeyDown_seesKeysTypedIntoTheWindow()
    {
        PlainWnd& window = PlainWnd::instance();
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClicks(&window, QStringLiteral("x7"));
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_Shift);
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(PlainWnd::keys, QStringList({"x", "7", QString(QChar(27))}));
    }

    // Edit fields

    void editFieldKeyDown_seesEachKeyBeforeTheField()
    {
        auto& field = control<EditField>(QStringLiteral("Field"));
        QTest::keyClicks(&field, QStringLiteral("1.5"));
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(RecordingWnd::fieldKeys, QStringList({"1", ".", "5", QString(QChar(8))}));
        QCOMPARE(field.text(), QStringLiteral("1."));
    }

    void editFieldKeyDown_canSwallowKeysTabIncluded()
    {
        RecordingWnd& window = RecordingWnd::instance();
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto& field = control<EditField>(QStringLiteral("Field"));
        field.setFocus();
        RecordingWnd::swallowFieldKeys = true;
        QTest::keyClicks(&field, QStringLiteral("12"));
        QTest::keyClick(&field, Qt::Key_Tab);
        QCOMPARE(field.text(), QString());
        QCOMPARE(QApplication::focusWidget(), &field);
        RecordingWnd::swallowFieldKeys = false;
        QTest::keyClick(&field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &control<EditField>(QStringLiteral("Other")));
    }

    void limitText_limitsTyping()
    {
        auto& field = control<EditField>(QStringLiteral("Field"));
        QTest::keyClicks(&field, QStringLiteral("1234567"));
        QCOMPARE(field.text(), QStringLiteral("12345"));
    }

    void limitText_limitsPasting()
    {
        RecordingWnd::instance().Show();
        auto& field = control<EditField>(QStringLiteral("Field"));
        QGuiApplication::clipboard()->setText(QStringLiteral("98765432"));
        field.paste();
        QCOMPARE(field.text(), QStringLiteral("98765"));
    }

    void limitText_neverCutsWhatTheProgramSets()
    {
        auto& field = control<EditField>(QStringLiteral("Field"));
        field.setText(QStringLiteral("39601.00"));
        QCOMPARE(field.text(), QStringLiteral("39601.00"));
        QCOMPARE(field.cursorPosition(), 0);
        QCOMPARE(field.toolTip(), QStringLiteral("39601.00"));
    }

    void limitText_stillHoldsWhenTheUserEditsALongText()
    {
        auto& field = control<EditField>(QStringLiteral("Field"));
        field.setText(QStringLiteral("39601.00"));
        field.end(false);
        QTest::keyClick(&field, Qt::Key_9);
        QCOMPARE(field.text(), QStringLiteral("39601.00"));
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClick(&field, Qt::Key_9);
        QCOMPARE(field.text(), QStringLiteral("39601.0"));
        field.selectAll();
        QTest::keyClicks(&field, QStringLiteral("1234567"));
        QCOMPARE(field.text(), QStringLiteral("12345"));
    }

    void toolTip_isEmptyWhenTheTextFits()
    {
        auto& field = control<EditField>(QStringLiteral("Field"));
        field.setText(QStringLiteral(".25"));
        QCOMPARE(field.toolTip(), QString());
    }

    // Buttons, canvases, labels

    void pushButton_isPressedByAClickButNeverByReturnOrEscape()
    {
        RecordingWnd& window = RecordingWnd::instance();
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto& button = control<PushButton>(QStringLiteral("Button"));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(RecordingWnd::actions, 1);
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Escape);
        QTest::keyClick(&button, Qt::Key_Enter);
        QCOMPARE(RecordingWnd::actions, 1);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(RecordingWnd::actions, 2);
    }

    void pushButton_clickLeavesTheFocusInTheField()
    {
        RecordingWnd& window = RecordingWnd::instance();
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto& field = control<EditField>(QStringLiteral("Field"));
        field.setFocus();
        QTest::mouseClick(&control<PushButton>(QStringLiteral("Button")), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), &field);
    }

    void canvas_withAHandlerTakesTheClick()
    {
        QTest::mouseClick(&control<Canvas>(QStringLiteral("Handled")), Qt::LeftButton, {}, QPoint(3, 4));
        QCOMPARE(RecordingWnd::clicks, QList<QPoint>({QPoint(-3, -4)}));
    }

    void canvasAndLabel_withoutHandlerPassTheClickToTheWindow()
    {
        QTest::mouseClick(&control<Canvas>(QStringLiteral("Plain")), Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mouseClick(&control<platform::StaticText>(QStringLiteral("Label")), Qt::LeftButton, {},
                          QPoint(2, 3));
        QTest::mouseClick(&RecordingWnd::instance(), Qt::LeftButton, {}, QPoint(250, 150));
        QCOMPARE(RecordingWnd::clicks, QList<QPoint>({QPoint(155, 16), QPoint(12, 123), QPoint(250, 150)}));
    }

    void staticText_drawsALongTextSmallerRatherThanCutIt()
    {
        auto& label = control<platform::StaticText>(QStringLiteral("Label"));
        QFont font = label.font();
        font.setPixelSize(14);
        label.setTextFont(font);
        QCOMPARE(label.drawnPixelSize(), 14);
        label.setCaption(QStringLiteral("A label a bit too wide"));
        QVERIFY(label.drawnPixelSize() < 14);
        QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= label.contentsRect().width());
    }

    // Timer, alerts, the event loop

    void timerInModeOne_firesOnceAfterItsPeriod()
    {
        platform::Timer timer;
        int fired = 0;
        timer.onAction([&fired] { ++fired; });
        timer.setMode(platform::Timer::Single);
        timer.setPeriod(30);
        QVERIFY(timer.isCounting());
        QTRY_COMPARE(fired, 1);
        QVERIFY(!timer.isCounting());
        // Three more of its periods pass, counted by a timer in mode 2: it has fired once.
        platform::Timer periods;
        int elapsed = 0;
        periods.onAction([&elapsed] { ++elapsed; });
        periods.setMode(platform::Timer::Multiple);
        periods.setPeriod(30);
        QTRY_VERIFY(elapsed >= 3);
        QCOMPARE(fired, 1);
    }

    void msgBox_showsTheTextWithOneOkButtonTitledWithTheProgram()
    {
        platform::MsgBox(QStringLiteral("Something to read."));
        const QList<test::SeenBox> seen = test::ModalWatch::instance().take();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("Something to read."));
        QCOMPARE(seen[0].title, QStringLiteral("Quorvel"));
        QCOMPARE(seen[0].buttons, QStringList({"OK"}));
    }

    void beep_isCounted()
    {
        const int before = platform::beepCount();
        platform::Beep();
        platform::Beep();
        QCOMPARE(platform::beepCount(), before + 2);
    }

    void quit_endsTheEventLoopWithItsStatus()
    {
        QCOMPARE(test::runEventLoop([] { platform::Quit(0); }), 0);
    }

    void closingTheLastWindow_doesNotEndTheEventLoop()
    {
        RecordingWnd& window = RecordingWnd::instance();
        QCOMPARE(test::runEventLoop([&window] { window.close(); }, 300), -1);
    }

    void anExceptionEscapingAHandler_endsTheLoopWithStatusOne()
    {
        auto& button = control<PushButton>(QStringLiteral("Button"));
        button.onAction([] { throw std::runtime_error("handler failed"); });
        QCOMPARE(test::runEventLoop([&button] { button.click(); }), 1);
    }
};

QUORVEL_GUI_TEST_MAIN(TestWindow)
#include "tst_window.moc"
