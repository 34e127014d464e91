// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// The program as started from a terminal: options, calculations, usage errors, failed writes and a
// missing display, each judged by what it prints and its exit status.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct Run
{
    int status = -1;
    QProcess::ExitStatus exit = QProcess::CrashExit;
    QString out;
    QString err;
};

// The environment of a terminal outside any graphical session.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// Where the program's standard output goes: to the test, to a device that is always full, or nowhere.
enum class Output { Read, Full, Closed };

void direct(QProcess& process, Output output)
{
    if (output == Output::Full)
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
#ifdef Q_OS_UNIX
    if (output == Output::Closed)
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
#endif
}

Run runQuorvel(const QStringList& arguments, const QProcessEnvironment& environment = withoutDisplay(),
               Output output = Output::Read)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    direct(process, output);
    process.start(QStringLiteral(QUORVEL_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.exit = process.exitStatus();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

const QString missingInput = QStringLiteral(
    "Enter reliability of original test and proportion change to get reliability of modified test. "
    "Alternatively, enter reliability of original and modified tests to get proportion change needed.\n");

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Calculations: the window's outcome, printed

    void calculation_printsTheOutcome_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const auto args = [](std::initializer_list<const char*> list) {
            QStringList result;
            for (const char* argument : list)
                result.append(QString::fromLatin1(argument));
            return result;
        };
        QTest::newRow("A .8, B 2: modified reliability")
            << args({"--reliability", ".8", "--length-change", "2"}) << 0 << ".8889\n"
            << "";
        QTest::newRow("A .1, AB .99: length change beyond the length field")
            << args({"--reliability", ".1", "--modified-reliability", ".99"}) << 0 << "891.00\n"
            << "";
        QTest::newRow("B as new items over old items")
            << args({"--reliability=.8", "--length-change=30/40"}) << 0 << ".7500\n"
            << "";
        QTest::newRow("all three: the length change wins")
            << args({"--reliability", ".8", "--length-change", "2", "--modified-reliability", ".5"}) << 0
            << ".8889\n"
            << "";
        QTest::newRow("A 1.5, B 150: the bound on B first")
            << args({"--reliability", "1.5", "--length-change", "150"}) << 1 << ""
            << "Proportional change must range from .01 to 100.\n";
        QTest::newRow("A 1, B 2") << args({"--reliability", "1", "--length-change", "2"}) << 1 << ""
                                  << "Current reliability must range from .01 to .99.\n";
        QTest::newRow("A 1, AB .5") << args({"--reliability", "1", "--modified-reliability", ".5"}) << 1 << ""
                                    << "Modified test reliability must range from .01 to .99.\n";
        QTest::newRow("B alone: missing input") << args({"--length-change", "2"}) << 1 << "" << missingInput;
        QTest::newRow("unreadable A counts as not given")
            << args({"--reliability", "-.8", "--length-change", "2"}) << 1 << "" << missingInput;
    }

    void calculation_printsTheOutcome()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        const Run run = runQuorvel(arguments);
        QCOMPARE(run.exit, QProcess::NormalExit);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, status);
    }

    // A failed write: the answer lost is reported, never taken for success

    void failedWrite_isAnError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Output>("output");
        QTest::addColumn<QString>("err");
        const QStringList calculation{QStringLiteral("--reliability"), QStringLiteral(".8"),
                                      QStringLiteral("--length-change"), QStringLiteral("2")};
        QTest::newRow("a result to a full disk")
            << calculation << Output::Full << "quorvel: cannot write the result: No space left on device\n";
        QTest::newRow("a result to a closed output")
            << calculation << Output::Closed << "quorvel: cannot write the result: Bad file descriptor\n";
        QTest::newRow("the usage to a closed output")
            << QStringList{QStringLiteral("-h")} << Output::Closed
            << "quorvel: cannot write the usage: Bad file descriptor\n";
        QTest::newRow("the version to a closed output")
            << QStringList{QStringLiteral("--version")} << Output::Closed
            << "quorvel: cannot write the version: Bad file descriptor\n";
    }

    void failedWrite_isAnError()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Output, output);
        QFETCH(QString, err);

        const Run run = runQuorvel(arguments, withoutDisplay(), output);
        QCOMPARE(run.exit, QProcess::NormalExit);
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, 1);
    }

    // Help, version and usage errors, all without a display

    void helpAndVersion_printAndSucceed_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-v") << "-v"
                            << "quorvel 1.0.0\n";
        QTest::newRow("--version") << "--version"
                                   << "quorvel 1.0.0\n";
        QTest::newRow("-h") << "-h"
                            << "Usage: ";
        QTest::newRow("--help") << "--help"
                                << "Usage: ";
    }

    void helpAndVersion_printAndSucceed()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);

        const Run run = runQuorvel({option});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(expected), qPrintable(run.out));
        QCOMPARE(run.err, QString());
    }

    void help_namesTheProgramAndEveryOption()
    {
        const Run run = runQuorvel({QStringLiteral("--help")});
        QVERIFY2(run.out.startsWith(QLatin1String("Usage: " QUORVEL_EXECUTABLE " [options]\n")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QLatin1String("Spearman-Brown")));
        for (const char* option : {"--help", "--version", "--reliability <A>", "--length-change <B>",
                                   "--modified-reliability <AB>", "Exit status"})
            QVERIFY2(run.out.contains(QLatin1String(option)), option);
        // Qt's own options are accepted, not advertised. (The usage line names the program by its path,
        // which may hold any word.)
        QVERIFY(!run.out.contains(QLatin1String("-platform")));
    }

    void usageError_namesTheProblemInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate")}
                                        << "quorvel: Unknown option 'frobnicate'. Try 'quorvel --help'.\n";
        QTest::newRow("Qt's help for its own options")
            << QStringList{QStringLiteral("--help-all")}
            << "quorvel: Unknown option 'help-all'. Try 'quorvel --help'.\n";
        QTest::newRow("an argument that is no option")
            << QStringList{QStringLiteral("results.txt")}
            << "quorvel: Unexpected argument 'results.txt'. Try 'quorvel --help'.\n";
        QTest::newRow("a value missing")
            << QStringList{QStringLiteral("--reliability")}
            << "quorvel: Missing value after '--reliability'. Try 'quorvel --help'.\n";
        QTest::newRow("an escape sequence in an option, escaped")
            << QStringList{QStringLiteral("--\x1b[31mred")}
            << "quorvel: Unknown option '\\x1b[31mred'. Try 'quorvel --help'.\n";
        QTest::newRow("a line break in an argument, escaped")
            << QStringList{QStringLiteral("two\nlines")}
            << "quorvel: Unexpected argument 'two\\nlines'. Try 'quorvel --help'.\n";
    }

    void usageError_namesTheProblemInOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);

        const Run run = runQuorvel(arguments);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.status, 2);
    }

    // The window program

    void noDisplay_saysSoInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("err");
        const QString noDisplay = QStringLiteral(
            "quorvel: cannot open a display: Quorvel needs a graphical session (X11 or Wayland)\n");
        const QString noPlugin = QStringLiteral("quorvel: no Qt platform plugin named \"%1\" (available: ");
        QTest::newRow("no session at all") << QStringList() << QString() << QString() << noDisplay;
        QTest::newRow("an X display that cannot be reached") << QStringList() << "DISPLAY"
                                                             << ":9999" << noDisplay;
        QTest::newRow("-display naming one that cannot be reached")
            << QStringList{QStringLiteral("-display=:9999")} << QString() << QString() << noDisplay;
        QTest::newRow("-platform naming no plugin")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("nonsense")} << QString() << QString()
            << noPlugin.arg(QLatin1String("nonsense"));
        QTest::newRow("QT_QPA_PLATFORM naming no plugin, escaped")
            << QStringList() << "QT_QPA_PLATFORM"
            << "\x1b[31mred" << noPlugin.arg(QLatin1String("\\x1b[31mred"));
    }

    void noDisplay_saysSoInOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, err);

        QProcessEnvironment environment = withoutDisplay();
        if (!variable.isEmpty())
            environment.insert(variable, value);
        const Run run = runQuorvel(arguments, environment);
        QCOMPARE(run.exit, QProcess::NormalExit);
        QCOMPARE(run.status, 1);
        // One line, which goes on to list the plugins installed after a missing one.
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
        QVERIFY2(run.err.indexOf(u'\n') == run.err.size() - 1, qPrintable(run.err));
    }

    void qtOptions_reachTheWindowProgram()
    {
        QProcess process;
        process.setProcessEnvironment(withoutDisplay());
        process.start(QStringLiteral(QUORVEL_EXECUTABLE),
                      {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
                       QStringLiteral("fusion"), QStringLiteral("-reverse")});
        QVERIFY(process.waitForStarted());
        // Taken as usage errors they would end the program at once; as Qt's they open the windows, which
        // stay until the program is ended.
        QVERIFY2(!process.waitForFinished(1000), process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
