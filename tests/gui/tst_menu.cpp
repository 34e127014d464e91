// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditField.h"
#include "platform/MenuDispatch.h"
#include "platform/Runtime.h"
#include "support/GuiTest.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"
#include "windows/Qwindow.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

using namespace quorvel;
using platform::MenuItem;

namespace {

// A window that answers Print, and has the last word on Undo.
class PrintingWnd final : public platform::ImplicitWindow<PrintingWnd>
{
public:
    static inline int printed = 0;
    static inline bool undoAllowed = true;

protected:
    void Layout() override { setContentSize(200, 100); }

    void CreateControls() override
    {
        addControl<platform::EditField>(QStringLiteral("Field"), {10, 10, 80, 22}).setLimitText(5);
    }

    void AddMenuHandlers() override
    {
        AddMenuHandler(QStringLiteral("FilePrint"), [] {
            ++printed;
            return true;
        });
    }

    void EnableMenuItems() override
    {
        Menu::instance().Lookup(QStringLiteral("EditUndo"))->setEnabled(undoAllowed);
    }
};

MenuItem& item(const char* name)
{
    MenuItem* found = Menu::instance().Lookup(QString::fromLatin1(name));
    if (!found)
        qFatal("no menu item %s", name);
    return *found;
}

QString kindOf(const MenuItem& item)
{
    if (dynamic_cast<const platform::QuitMenuItem*>(&item))
        return QStringLiteral("Quit");
    if (dynamic_cast<const platform::AppleMenuItem*>(&item))
        return QStringLiteral("Apple");
    return QStringLiteral("Item");
}

// Chooses the item as a user would: the menu shows, its items are enabled, the item is chosen.
void choose(const char* name)
{
    platform::updateMenuItems(Menu::instance());
    item(name).action()->trigger();
}

void activate(platform::Window& window)
{
    window.Show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::registerApplication(); }

    void init()
    {
        PrintingWnd::printed = 0;
        PrintingWnd::undoAllowed = true;
    }

    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // The bar as built

    void bar_hasFileEditAndWindowInThisOrder()
    {
        QStringList menus;
        for (const auto& menu : Menu::instance().items())
            menus << menu->name() + QLatin1Char('=') + menu->text();
        QCOMPARE(menus, QStringList({"UntitledMenu2=File", "UntitledMenu0=Edit", "WindowMenu=Window"}));
    }

    void items_standInTableOrderWithTheirProperties_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("File") << QStringLiteral("UntitledMenu2")
                              << QStringList({"FilePrint|Item|Print||off", "FileQuit|Quit|Quit|Cmd+Q|on"});
        QTest::newRow("Edit") << QStringLiteral("UntitledMenu0")
                              << QStringList({"EditUndo|Item|Undo|Cmd+Z|off", "UntitledMenu1|Item|-||off",
                                              "EditCut|Item|Cut|Cmd+X|off", "EditCopy|Item|Copy|Cmd+C|off",
                                              "EditPaste|Item|Paste|Cmd+V|off", "EditClear|Item|||off"});
        QTest::newRow("Window") << QStringLiteral("WindowMenu")
                                << QStringList({"ControlMenuItem|Item|Control||off",
                                                "AboutMenuItem|Item|About Quorvel||off",
                                                "AboutMentavo|Apple|About Quorvel||off"});
    }

    void items_standInTableOrderWithTheirProperties()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        QStringList actual;
        for (const auto& entry : Menu::instance().Child(menu)->items())
            actual << QStringList({entry->name(), kindOf(*entry), entry->text(), entry->keyboardShortcut(),
                                   entry->autoEnable() ? "on" : "off"})
                          .join(QLatin1Char('|'));
        QCOMPARE(actual, items);
    }

    void lookup_findsNestedItemsAndChildOnlyDirectOnes()
    {
        Menu& bar = Menu::instance();
        QCOMPARE(bar.Lookup(QStringLiteral("EditPaste"))->text(), QStringLiteral("Paste"));
        QCOMPARE(bar.Child(QStringLiteral("EditPaste")), nullptr);
        QCOMPARE(bar.Child(QStringLiteral("UntitledMenu0"))->Child(QStringLiteral("EditPaste")),
                 bar.Lookup(QStringLiteral("EditPaste")));
        QCOMPARE(bar.Lookup(QStringLiteral("UntitledMenu3")), nullptr);
    }

    void programWideAccessors_findTheirItems()
    {
        QCOMPARE(&AboutMentavo(), &item("AboutMentavo"));
        QCOMPARE(&AboutMenuItem(), &item("AboutMenuItem"));
        QCOMPARE(&ControlMenuItem(), &item("ControlMenuItem"));
        QCOMPARE(&Menu::instance(), &Menu::instance());
    }

    // On screen

    void calculatorWindow_showsTheBarWithItsMenus()
    {
        const QMenuBar* bar = ControlWnd::instance().findChild<QMenuBar*>();
        QVERIFY(bar);
        QStringList titles;
        for (const QAction* menu : bar->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"&File", "&Edit", "&Window"}));
        const QMenu* edit = bar->actions().at(1)->menu();
        QStringList shown;
        for (const QAction* action : edit->actions())
            if (action->isVisible())
                shown << (action->isSeparator() ? QStringLiteral("(line)") + action->text() : action->text());
        QCOMPARE(shown, QStringList({"Undo", "(line)", "Cut", "Copy", "Paste"}));
        QCOMPARE(item("FileQuit").action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(item("FileQuit").action()->menuRole(), QAction::QuitRole);
        QCOMPARE(item("AboutMentavo").action()->menuRole(), QAction::AboutRole);
        QCOMPARE(item("AboutMenuItem").action()->menuRole(), QAction::NoRole);
    }

    void informationWindow_showsNoBar() { QVERIFY(!Qwindow::instance().findChild<QMenuBar*>()); }

    // Enabling before a menu shows

    void enabling_followsAutoEnableHandlersAndTheFocusedField()
    {
        PrintingWnd& window = PrintingWnd::instance();
        activate(window);
        window.setFocus();
        platform::updateMenuItems(Menu::instance());
        QVERIFY(item("FileQuit").isEnabled());
        QVERIFY(item("FilePrint").isEnabled());
        QVERIFY(!item("EditCut").isEnabled());
        QVERIFY(!item("ControlMenuItem").isEnabled());
        QVERIFY(!item("AboutMenuItem").isEnabled());
        window.control<platform::EditField>(QStringLiteral("Field")).setFocus();
        platform::updateMenuItems(Menu::instance());
        QVERIFY(item("EditCut").isEnabled());
        QVERIFY(item("EditPaste").isEnabled());
        QVERIFY(item("FilePrint").action()->isEnabled());
    }

    void enabling_letsTheActiveWindowHaveTheLastWord()
    {
        PrintingWnd& window = PrintingWnd::instance();
        activate(window);
        window.control<platform::EditField>(QStringLiteral("Field")).setFocus();
        PrintingWnd::undoAllowed = false;
        platform::updateMenuItems(Menu::instance());
        QVERIFY(!item("EditUndo").isEnabled());
        QVERIFY(!item("EditUndo").action()->isEnabled());
        QVERIFY(item("EditCopy").isEnabled());
    }

    void openingAMenuOfTheCalculatorsBar_enablesItsItemsByTheRule_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("File: Print, which the calculator does not answer")
            << QStringLiteral("File") << QStringLiteral("FilePrint") << false;
        QTest::newRow("Edit: Cut, a field has the focus")
            << QStringLiteral("Edit") << QStringLiteral("EditCut") << true;
        QTest::newRow("Window: Control, turned off by the calculator")
            << QStringLiteral("Window") << QStringLiteral("ControlMenuItem") << false;
        QTest::newRow("Window: About, answered by the calculator")
            << QStringLiteral("Window") << QStringLiteral("AboutMenuItem") << true;
    }

    // Qt announces a menu with aboutToShow just before it opens, whether by a click, a key or a screen
    // reader; the item starts in the wrong state, so only the rule can set it right.
    void openingAMenuOfTheCalculatorsBar_enablesItsItemsByTheRule()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        ControlWnd& calculator = ControlWnd::instance();
        activate(calculator);
        calculator.control<platform::EditField>(QStringLiteral("AFld")).setFocus();
        MenuItem& shown = item(name.toLatin1().constData());
        shown.setEnabled(!enabled);
        const QMenuBar* bar = calculator.findChild<QMenuBar*>();
        QVERIFY(bar);
        QMenu* opened = nullptr;
        for (const QAction* title : bar->actions())
            if (title->iconText() == menu)
                opened = title->menu();
        QVERIFY(opened);
        Q_EMIT opened->aboutToShow();
        QCOMPARE(shown.isEnabled(), enabled);
        QCOMPARE(shown.action()->isEnabled(), enabled);
    }

    // Alt or F10 gives the bar the keyboard, and an access key opens its menu (Alt+E: Edit).
    void editMenuFromTheKeyboard_cutsTheSelectionOfTheFieldItCameFrom_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::newRow("Alt, Down, Right")
            << QList<QKeyCombination>{Qt::ALT | Qt::Key_Alt, Qt::Key_Down, Qt::Key_Right};
        QTest::newRow("Alt+E") << QList<QKeyCombination>{Qt::ALT | Qt::Key_E};
        QTest::newRow("F10, Right") << QList<QKeyCombination>{Qt::Key_F10, Qt::Key_Right};
    }

    void editMenuFromTheKeyboard_cutsTheSelectionOfTheFieldItCameFrom()
    {
        QFETCH(QList<QKeyCombination>, keys);
        ControlWnd& calculator = ControlWnd::instance();
        activate(calculator);
        auto& field = calculator.control<platform::EditField>(QStringLiteral("AFld"));
        QTest::keyClicks(&field, QStringLiteral(".5"));
        field.selectAll();
        for (const QKeyCombination key : keys) {
            QWidget* receiver = QApplication::activePopupWidget();
            QTest::keyClick(receiver ? receiver : QApplication::focusWidget(), key.key(),
                            key.keyboardModifiers());
        }
        const QWidget* opened = QApplication::activePopupWidget();
        QVERIFY(opened);
        QCOMPARE(opened->objectName(), QStringLiteral("UntitledMenu0"));
        for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste"})
            QVERIFY2(item(name).action()->isEnabled(), name);
        QCOMPARE(field.selectedText(), QStringLiteral(".5"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QCOMPARE(field.text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(".5"));
    }

    // Choosing a command

    void choosing_goesToTheActiveWindowsHandler()
    {
        activate(PrintingWnd::instance());
        choose("FilePrint");
        QCOMPARE(PrintingWnd::printed, 1);
    }

    void choosing_withoutAHandlerInTheActiveWindowDoesNothing()
    {
        activate(PrintingWnd::instance());
        activate(Qwindow::instance());
        choose("FilePrint");
        choose("ControlMenuItem");
        QCOMPARE(PrintingWnd::printed, 0);
        QVERIFY(Qwindow::instance().isVisible());
    }

    void editCommands_actOnTheFocusedField()
    {
        PrintingWnd& window = PrintingWnd::instance();
        activate(window);
        auto& field = window.control<platform::EditField>(QStringLiteral("Field"));
        field.setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral(".8125"));
        choose("EditPaste");
        QCOMPARE(field.text(), QStringLiteral(".8125"));
        field.selectAll();
        choose("EditCut");
        QCOMPARE(field.text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(".8125"));
        choose("EditUndo");
        QCOMPARE(field.text(), QStringLiteral(".8125"));
    }

    void quit_quitsFromTheMenuAndByItsShortcutInAnyWindow_data()
    {
        QTest::addColumn<bool>("byShortcut");
        QTest::addColumn<bool>("inInformationWindow");
        QTest::newRow("menu, calculator window") << false << false;
        QTest::newRow("Ctrl+Q, calculator window") << true << false;
        QTest::newRow("Ctrl+Q, information window") << true << true;
    }

    void quit_quitsFromTheMenuAndByItsShortcutInAnyWindow()
    {
        QFETCH(bool, byShortcut);
        QFETCH(bool, inInformationWindow);
        activate(ControlWnd::instance());
        platform::Window& window = inInformationWindow ? static_cast<platform::Window&>(Qwindow::instance())
                                                       : ControlWnd::instance();
        activate(window);
        const int status = test::runEventLoop([&] {
            if (byShortcut)
                QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
            else
                choose("FileQuit");
        });
        QCOMPARE(status, 0);
    }
};

QUORVEL_GUI_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
