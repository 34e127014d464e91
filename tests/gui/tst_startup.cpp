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
#include <QElapsedTimer>
#include <QProcess>

using namespace quorvel;

namespace {

platform::Timer& timer1()
{
    return test::liveWindow<InvisibleWnd>("InvisibleWnd").control<platform::Timer>(QStringLiteral("Timer1"));
}

// Keeps the splash up until the test fires Timer1, so that a busy machine cannot fire it mid-test.
void holdTimer1()
{
    timer1().setMode(platform::Timer::Off);
}

// Fires Timer1 at the next turn of the event loop, through its own action, as its period running out
// would.
void fireTimer1()
{
    timer1().setPeriod(0);
    timer1().setMode(platform::Timer::Single);
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

    QElapsedTimer m_sinceStartUp;

private Q_SLOTS:
    void init()
    {
        test::registerApplication();
        m_sinceStartUp.start();
        MakeDefaultView();
    }

    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // The splash

    void startUp_showsTheSplashWhileTheHostStaysHidden()
    {
        QVERIFY(!ControlWnd::exists());
        QCOMPARE(timer1().mode(), int(platform::Timer::Single));
        QCOMPARE(timer1().period(), 1500);
        QVERIFY(timer1().isCounting());
        holdTimer1();
        QVERIFY(AboutWnd::instance().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&AboutWnd::instance()));
        QVERIFY(!InvisibleWnd::instance().isVisible());
        QVERIFY(!ControlWnd::exists());
    }

    // The one test that lets the splash time run out by itself.
    void afterTheSplashTime_theCalculatorTakesOver()
    {
        QTRY_VERIFY_WITH_TIMEOUT(ControlWnd::exists(), InvisibleWnd::splashMilliseconds + 10000);
        QVERIFY(m_sinceStartUp.elapsed() >= InvisibleWnd::splashMilliseconds);
        QTRY_VERIFY(ControlWnd::instance().isActiveWindow());
        QVERIFY(ControlWnd::instance().isVisible());
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(!InvisibleWnd::instance().isVisible());
        QVERIFY(!timer1().isCounting());
    }

    void aKeyInTheSplash_bringsTheCalculatorAtOnceAndTheTimerLaterChangesNothing()
    {
        holdTimer1();
        QVERIFY(QTest::qWaitForWindowActive(&AboutWnd::instance()));
        QTest::keyClick(&AboutWnd::instance(), Qt::Key_Space);
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(ControlWnd::instance().isVisible());
        ControlWnd* calculator = &ControlWnd::instance();
        fireTimer1();
        QTRY_VERIFY(!timer1().isCounting());
        QCOMPARE(&ControlWnd::instance(), calculator);
        QVERIFY(calculator->isVisible());
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(!InvisibleWnd::instance().isVisible());
    }

    void aboutWindowShownAgainDuringTheSplash_isHiddenWhenTheTimerFires()
    {
        holdTimer1();
        QTest::keyClick(&AboutWnd::instance(), Qt::Key_A);
        QVERIFY(QTest::qWaitForWindowActive(&ControlWnd::instance()));
        chooseAbout();
        QVERIFY(AboutWnd::instance().isVisible());
        fireTimer1();
        QTRY_VERIFY(!AboutWnd::instance().isVisible());
    }

    void theTimerFiresOnce_anAboutWindowOpenedLaterStays()
    {
        fireTimer1();
        QTRY_VERIFY(ControlWnd::exists());
        QVERIFY(QTest::qWaitForWindowActive(&ControlWnd::instance()));
        chooseAbout();
        QVERIFY(!timer1().isCounting());
        QCoreApplication::processEvents();
        QVERIFY(AboutWnd::instance().isVisible());
    }

    void aboutWindowGoneWhenTheTimerFires_isMadeAgainAndStaysHidden()
    {
        AboutWnd::instance().close();
        fireTimer1();
        QTRY_VERIFY(ControlWnd::exists());
        QVERIFY(AboutWnd::exists());
        QVERIFY(!AboutWnd::instance().isVisible());
        QVERIFY(ControlWnd::instance().isVisible());
    }

    void theCalculator_hasTheProgramIconWhenItAppears()
    {
        holdTimer1();
        setWindowIconOnceDrawn();
        QVERIFY(QTest::qWaitForWindowExposed(&AboutWnd::instance()));
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        fireTimer1();
        QTRY_VERIFY(ControlWnd::exists());
        QCOMPARE(ControlWnd::instance().windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
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
        fireTimer1();
        QTRY_VERIFY(ControlWnd::exists());
        QCOMPARE(test::runEventLoop([] { ControlWnd::instance().close(); }), 0);
        QVERIFY(!InvisibleWnd::instance().isVisible());
    }

    // The program itself, with its first start-up step failing: the document types cannot be declared
    // (see support/FailingStartup.cpp).
    void aFailedStartUp_endsWithStatusOneAndSaysWhy()
    {
        QProcess program;
        program.start(QStringLiteral(QUORVEL_FAILING_STARTUP), {});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
                 QStringLiteral("Quorvel: unhandled exception: the document types cannot be declared\n"));
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

QUORVEL_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
