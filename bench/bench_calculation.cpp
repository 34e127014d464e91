// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// How long the calculation, the number formatting and a Calculate click on the real calculator window
// take. QTest prints its own result per function (milliseconds per iteration, to two digits); the table
// at the end gives the same runs in nanoseconds per call, from the longest pass that QTest made (the
// loop's own cost, a few nanoseconds, included).
//
//   BUILD/bench/bench_calculation [QTest options, such as -median 5]      (offscreen unless
//   QT_QPA_PLATFORM says otherwise)

#include "app/Startup.h"
#include "calc/Calculation.h"
#include "platform/Application.h"
#include "platform/EditField.h"
#include "platform/PushButton.h"
#include "platform/Window.h"
#include "platform/text/Format.h"
#include "windows/ControlWnd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace quorvel;

namespace {

struct Measurement
{
    std::string what;
    qint64 calls = 0;
    double nsPerCall = 0;
};

// In the order the benchmarks ran.
std::vector<Measurement>& measurements()
{
    static std::vector<Measurement> table;
    return table;
}

// Runs `call` under QBENCHMARK and keeps, for the table, the mean time of one call over the whole of
// this pass. QTest calls the function again with more iterations until its total is long enough to
// measure, so the pass with the most calls is the one kept.
template <class Call> void measure(const std::string& what, Call&& call)
{
    qint64 calls = 0;
    QElapsedTimer timer;
    timer.start();
    QBENCHMARK
    {
        call();
        ++calls;
    }
    const qint64 elapsed = timer.nsecsElapsed();
    auto& table = measurements();
    auto kept =
        std::find_if(table.begin(), table.end(), [&what](const Measurement& m) { return m.what == what; });
    if (kept == table.end())
        kept = table.insert(table.end(), {what, 0, 0});
    if (calls >= kept->calls)
        *kept = {what, calls, double(elapsed) / double(calls)};
}

void printTable()
{
    std::printf("\n%-52s %12s %12s\n", "benchmark", "ns per call", "calls");
    for (const Measurement& m : measurements())
        std::printf("%-52s %12.1f %12lld\n", m.what.c_str(), m.nsPerCall, static_cast<long long>(m.calls));
    std::fflush(stdout);
}

// A message box would hold the benchmark in its own event loop: close any that opens and remember it,
// so that the benchmark fails instead of hanging.
class ModalGuard : public QObject
{
public:
    ModalGuard()
    {
        m_timer.setInterval(200);
        connect(&m_timer, &QTimer::timeout, this, &ModalGuard::closeBox);
        m_timer.start();
    }
    QString seen() const { return m_seen; }

private:
    void closeBox()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_seen = box->text();
            box->reject();
        }
    }

    QTimer m_timer;
    QString m_seen;
};

} // namespace

class BenchCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The calculator window as start-up leaves it, with .5 typed into AFld and 2 into BFld: made once, as
    // QTest runs each benchmark function several times.
    void initTestCase()
    {
        if (!platform::Application::registered())
            NewAppInstance();
        // As the start-up timer brings it up.
        ControlWnd& window = ControlWnd::instance();
        window.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClicks(&field(QStringLiteral("AFld")), QStringLiteral(".5"));
        QTest::keyClicks(&field(QStringLiteral("BFld")), QStringLiteral("2"));
        QCOMPARE(field(QStringLiteral("AFld")).text(), QStringLiteral(".5"));
        QCOMPARE(field(QStringLiteral("BFld")).text(), QStringLiteral("2"));
    }

    // The calculation alone

    void calculate_modifiedReliability()
    {
        calc::Outcome outcome;
        measure("calculate(\".8\", \"2\", \"\")", [&outcome] { outcome = calc::calculate(".8", "2", ""); });
        QCOMPARE(outcome.kind, calc::Outcome::Kind::SetModifiedReliability);
        QCOMPARE(outcome.text, ".8889");
    }

    void calculate_lengthChange()
    {
        calc::Outcome outcome;
        measure("calculate(\".8\", \"\", \".9\")", [&outcome] { outcome = calc::calculate(".8", "", ".9"); });
        QCOMPARE(outcome.kind, calc::Outcome::Kind::SetLengthChange);
        QCOMPARE(outcome.text, "2.25");
    }

    // Number formatting

    void format_fourDecimals()
    {
        const double value = 16.0 / 18.0;
        std::string text;
        measure("Format(0.888..., \".0000\")", [&] { text = platform::Format(value, ".0000"); });
        QCOMPARE(text, ".8889");
    }

    void format_twoDecimals()
    {
        const double value = 891.0;
        std::string text;
        measure("Format(891, \"##.00\")", [&] { text = platform::Format(value, "##.00"); });
        QCOMPARE(text, "891.00");
    }

    // Calculate on the calculator window

    void calculateClick_showsResult()
    {
        auto& button = ControlWnd::instance().control<platform::PushButton>(QStringLiteral("CalcBtn"));
        auto& result = field(QStringLiteral("ABFld"));
        ModalGuard guard;
        measure("Calculate click to result text (.5, 2)",
                [&button] { QTest::mouseClick(&button, Qt::LeftButton); });
        QCOMPARE(guard.seen(), QString());
        QCOMPARE(result.text(), QStringLiteral(".6667"));
    }

    void calculateClick_untilPainted()
    {
        auto& button = ControlWnd::instance().control<platform::PushButton>(QStringLiteral("CalcBtn"));
        auto& result = field(QStringLiteral("ABFld"));
        PaintCounter paints(result);
        ModalGuard guard;
        qint64 clicks = 0;
        measure("Calculate click to result painted (.5, 2)", [&] {
            QTest::mouseClick(&button, Qt::LeftButton);
            QCoreApplication::processEvents();
            ++clicks;
        });
        QCOMPARE(guard.seen(), QString());
        QCOMPARE(result.text(), QStringLiteral(".6667"));
        // Every click repainted the result field: the paint was part of what was measured.
        QVERIFY2(paints.count() >= clicks,
                 qPrintable(QStringLiteral("%1 paints for %2 clicks").arg(paints.count()).arg(clicks)));
    }

    void cleanupTestCase() { platform::Window::destroyAll(); }

private:
    static platform::EditField& field(const QString& name)
    {
        return ControlWnd::instance().control<platform::EditField>(name);
    }

    class PaintCounter : public QObject
    {
    public:
        explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
        qint64 count() const { return m_count; }

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++m_count;
            return false;
        }

    private:
        qint64 m_count = 0;
    };
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    BenchCalculation bench;
    const int status = QTest::qExec(&bench, argc, argv);
    printTable();
    return status;
}

#include "bench_calculation.moc"
