// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/InvisibleWnd.h"
#include "app/Startup.h"
#include "platform/MenuDispatch.h"
#include "platform/Timer.h"
#include "support/GuiTest.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"

#include <QAction>

using namespace quorvel;

namespace {

// Long enough for the splash timer to have fired.
constexpr int afterSplash = InvisibleWnd::splashMilliseconds + 1000;

platform::Timer& timer1()
{
    return InvisibleWnd::instance().control<platform::Timer>(QStringLiteral("Timer1"));
}

void chooseAbout()
{
    platform::updateMenuItems(Menu::instance());
    AboutMenuItem().action()->trigger();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::registerApplication();
        _MakeDefaultView();
    }

    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // The splash

    void startUp_showsTheSplashWhileTheHostStaysHidden()
    {
        QVERIFY(AboutWnd::instance().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&AboutWnd::instance()));
        QVERIFY(!InvisibleWnd::instance().isVisible());
        QVERIFY(!ControlWnd::exists());
        QCOMPARE(timer1().mode(), int(platform::Timer::Single));
        QCOMPARE(timer1().period(), 1500);
        QVERIFY(timer1().isCounting());
        QCOMPARE(&InvisibleWnd::instance().control<platform::Timer>(QStringLiteral("Timer1")), &timer1());
    }

    void afterTheSplashTime_theCalculatorTakesOver()
    {
        QTRY_VERIFY_WITH_TIMEOUT(ControlWnd::exists(), afterSplash);
        QTRY_VERIFY(ControlWnd::instance().isActiveWindow());
        QVERIFY(ControlWnd::instance().isVisible());
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(!InvisibleWnd::instance().isVisible());
        QVERIFY(!timer1().isCounting());
    }

    void aKeyInTheSplash_bringsTheCalculatorAtOnceAndTheTimerLaterChangesNothing()
    {
        QVERIFY(QTest::qWaitForWindowActive(&AboutWnd::instance()));
        QTest::keyClick(&AboutWnd::instance(), Qt::Key_Space);
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(ControlWnd::instance().isVisible());
        ControlWnd* calculator = &ControlWnd::instance();
        QTRY_VERIFY_WITH_TIMEOUT(!timer1().isCounting(), afterSplash);
        QCOMPARE(&ControlWnd::instance(), calculator);
        QVERIFY(calculator->isVisible());
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(!InvisibleWnd::instance().isVisible());
    }

    void aboutWindowShownAgainDuringTheSplash_isHiddenWhenTheTimerFires()
    {
        QTest::keyClick(&AboutWnd::instance(), Qt::Key_A);
        QVERIFY(QTest::qWaitForWindowActive(&ControlWnd::instance()));
        chooseAbout();
        QVERIFY(AboutWnd::instance().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!AboutWnd::instance().isVisible(), afterSplash);
    }

    void theTimerFiresOnce_anAboutWindowOpenedLaterStays()
    {
        QTRY_VERIFY_WITH_TIMEOUT(ControlWnd::exists(), afterSplash);
        QVERIFY(QTest::qWaitForWindowActive(&ControlWnd::instance()));
        chooseAbout();
        QTest::qWait(afterSplash);
        QVERIFY(AboutWnd::instance().isVisible());
    }

    void aboutWindowGoneWhenTheTimerFires_isMadeAgainAndStaysHidden()
    {
        AboutWnd::instance().close();
        QTRY_VERIFY_WITH_TIMEOUT(ControlWnd::exists(), afterSplash);
        QVERIFY(AboutWnd::exists());
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(ControlWnd::instance().isVisible());
    }

    // Ending

    void quittingDuringTheSplash_neverMakesTheCalculator()
    {
        QCOMPARE(test::runEventLoop(
                     [] { Menu::instance().Lookup(QStringLiteral("FileQuit"))->action()->trigger(); }),
                 0);
        QVERIFY(!ControlWnd::exists());
        QVERIFY(timer1().isCounting());
    }

    void closingTheCalculator_endsTheProgramWithStatusZero()
    {
        QTRY_VERIFY_WITH_TIMEOUT(ControlWnd::exists(), afterSplash);
        QCOMPARE(test::runEventLoop([] { ControlWnd::instance().close(); }), 0);
        QVERIFY(!InvisibleWnd::instance().isVisible());
    }
};

QUORVEL_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
