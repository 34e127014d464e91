// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Alerts.h"
#include "platform/StaticText.h"
#include "support/GuiTest.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"

using namespace quorvel;

namespace {

// The name of the control a click at `point` (window coordinates) lands on.
QString controlAt(const AboutWnd& about, const QPoint& point)
{
    const QWidget* hit = about.childAt(point);
    return hit ? hit->objectName() : QString();
}

// A click at `point` (window coordinates), received by whatever lies on top there.
void clickAt(AboutWnd& about, const QPoint& point)
{
    QWidget* hit = about.childAt(point);
    QWidget* target = hit ? hit : &about;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&about, point));
}

enum class Calculator { NotMade, Behind };

} // namespace

class TestAboutWnd : public QObject
{
    Q_OBJECT

    int m_beeps = 0;
    QPointer<ControlWnd> m_calculatorBefore;

    // Shows the About window over the calculator in the given state; the About window has the focus.
    bool openAbout(Calculator calculator)
    {
        if (calculator == Calculator::Behind) {
            m_calculatorBefore = &ControlWnd::instance();
            if (!test::cameUpActive(m_calculatorBefore))
                return false;
        }
        AboutWnd::instance().Show();
        return test::cameUpActive(&AboutWnd::instance()) &&
               ControlWnd::exists() == (calculator == Calculator::Behind);
    }

    // What is wrong with the hand-over: the About window hidden, and the calculator window in front,
    // the same one as before when there was one. The empty text when nothing is.
    QString handOverProblem() const
    {
        if (AboutWnd::instance().isVisible())
            return QStringLiteral("the About window is still visible");
        if (!ControlWnd::exists())
            return QStringLiteral("no calculator window");
        if (!test::cameUpActive(&ControlWnd::instance()))
            return QStringLiteral("the calculator window did not come up active");
        if (m_calculatorBefore && m_calculatorBefore != &ControlWnd::instance())
            return QStringLiteral("another calculator window came up");
        return {};
    }

    static void addCalculatorRows(const char* what, const std::function<void(QTestData&)>& columns)
    {
        for (const auto& [state, name] : {std::pair{Calculator::NotMade, "no calculator"},
                                          std::pair{Calculator::Behind, "calculator behind"}})
            columns(QTest::addRow("%s, %s", what, name) << int(state));
    }

private Q_SLOTS:
    void initTestCase() { test::registerApplication(); }

    void init() { m_beeps = platform::beepCount(); }

    void cleanup()
    {
        QVERIFY(test::resetWindows().isEmpty());
        m_calculatorBefore.clear();
    }

    // What it shows

    void isAnUntitledDialogWithTheCopyrightLine()
    {
        AboutWnd& about = AboutWnd::instance();
        QVERIFY(test::cameUpActive(&about));
        QCOMPARE(about.size(), QSize(391, 250));
        QCOMPARE(about.windowTitle(), QString());
        QCOMPARE(about.windowType(), Qt::Dialog);
        QCOMPARE(about.control<platform::StaticText>(QStringLiteral("StaticText5")).text(),
                 QStringLiteral("\u00a9 2026 the Quorvel authors. All rights reserved."));
    }

    void stacksItsPicturesInOrder()
    {
        const QWidget* content =
            AboutWnd::instance().control<platform::StaticText>(QStringLiteral("StaticText5")).parentWidget();
        QStringList order;
        for (const QObject* child : content->children())
            if (child->isWidgetType())
                order.append(child->objectName());
        QCOMPARE(order, QStringList({QStringLiteral("Canvas2"), QStringLiteral("StaticText5"),
                                     QStringLiteral("Canvas1"), QStringLiteral("Canvas4"),
                                     QStringLiteral("Canvas3")}));
    }

    void overlappingPictures_showTheLaterOnTop_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("the r over the hat") << QPoint(160, 140) << QStringLiteral("Canvas4");
        QTest::newRow("the prophecy mark over the r") << QPoint(170, 150) << QStringLiteral("Canvas3");
        QTest::newRow("the copyright line over the wordmark")
            << QPoint(200, 223) << QStringLiteral("StaticText5");
    }

    void overlappingPictures_showTheLaterOnTop()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, onTop);
        QCOMPARE(controlAt(AboutWnd::instance(), point), onTop);
    }

    // How it goes away

    void anyKey_hidesItAndShowsTheCalculator_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<Qt::Key>("key");
        const auto keyRows = [](const char* what, Qt::Key key) {
            addCalculatorRows(what, [key](QTestData& row) { row << key; });
        };
        keyRows("letter", Qt::Key_Q);
        keyRows("digit", Qt::Key_5);
        keyRows("space", Qt::Key_Space);
        keyRows("Escape", Qt::Key_Escape);
        keyRows("Return", Qt::Key_Return);
        keyRows("Tab", Qt::Key_Tab);
        keyRows("Left", Qt::Key_Left);
    }

    void anyKey_hidesItAndShowsTheCalculator()
    {
        QFETCH(int, calculator);
        QFETCH(Qt::Key, key);
        QVERIFY(openAbout(Calculator(calculator)));
        QTest::keyClick(&AboutWnd::instance(), key);
        const QString problem = handOverProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(platform::beepCount() - m_beeps, 0);
    }

    void click_hidesItAndShowsTheCalculator_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("target");
        const auto clickRows = [](const char* what, const QPoint& point, const char* target) {
            addCalculatorRows(what, [&](QTestData& row) { row << point << QString::fromLatin1(target); });
        };
        clickRows("on the hat", {195, 40}, "Canvas1");
        clickRows("on the prophecy mark", {230, 160}, "Canvas3");
        clickRows("on the wordmark", {200, 210}, "Canvas2");
        clickRows("on the copyright line", {30, 230}, "StaticText5");
        clickRows("on the background", {20, 20}, "");
    }

    void click_hidesItAndShowsTheCalculator()
    {
        QFETCH(int, calculator);
        QFETCH(QPoint, point);
        QFETCH(QString, target);
        QVERIFY(openAbout(Calculator(calculator)));
        AboutWnd& about = AboutWnd::instance();
        QCOMPARE(controlAt(about, point), target);
        clickAt(about, point);
        const QString problem = handOverProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(platform::beepCount() - m_beeps, 0);
    }
};

QUORVEL_GUI_TEST_MAIN(TestAboutWnd)
#include "tst_aboutwnd.moc"
