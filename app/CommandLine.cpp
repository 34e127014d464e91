// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "calc/Calculation.h"
#include "platform/TerminalText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorvel {
namespace {

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Qt's own options, which the application object takes for the windows: accepted here, never shown.
void acceptQtOptions(QCommandLineParser& parser)
{
    const auto hidden = [&parser](const char* name, const QString& valueName = {}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "name", "visual",
                             "geometry", "style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine"})
        hidden(name, QStringLiteral("value"));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        hidden(name);
}

struct CalculationOptions
{
    QCommandLineOption reliability{QStringLiteral("reliability"),
                                   QStringLiteral("Reliability of the original test, such as .8."),
                                   QStringLiteral("A")};
    QCommandLineOption lengthChange{
        QStringLiteral("length-change"),
        QStringLiteral("Proportional change in test length: 2 doubles the test, .5 halves it; new items over "
                       "old items, such as 30/40, also serve."),
        QStringLiteral("B")};
    QCommandLineOption modifiedReliability{QStringLiteral("modified-reliability"),
                                           QStringLiteral("Reliability of the modified test, such as .9."),
                                           QStringLiteral("AB")};

    bool anyGiven(const QCommandLineParser& parser) const
    {
        return parser.isSet(reliability) || parser.isSet(lengthChange) || parser.isSet(modifiedReliability);
    }
};

const char* const description =
    "Quorvel: the Spearman-Brown formula for the reliability of a test whose length changes.\n"
    "\n"
    "Without options it opens the calculator window. Given values, it prints the missing one and exits:\n"
    "with A and B the reliability of the modified test, with A and AB (and no B) the change in length\n"
    "that is needed. Values are read as the calculator reads its fields.\n"
    "\n"
    "Exit status: 0 on success, 1 when the values are out of range or missing or the answer cannot be\n"
    "written, 2 on a usage error.";

// The problem names the argument as typed, which may hold any character: escaped, it cannot act on the
// terminal.
int usageError(const QString& problem)
{
    const QString command = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s Try '%s --help'.\n", qPrintable(command),
                 qPrintable(platform::escapeControlCharacters(problem)), qPrintable(command));
    return ExitUsageError;
}

// The answer on standard output, which often feeds a script: a write that fails, to a full disk or a
// closed output, is an error, never a silent success.
int printAnswer(const QString& text, const char* what)
{
    if (std::fputs(text.toLocal8Bit().constData(), stdout) >= 0 && std::fflush(stdout) == 0)
        return ExitSuccess;
    std::fprintf(stderr, "%s: cannot write %s: %s\n", qPrintable(QCoreApplication::applicationName()), what,
                 std::strerror(errno));
    return ExitFailure;
}

// Without an application object, which would open files of its own and might take the place of a closed
// standard output, the parser names the program "<executable_name>": given its path here instead.
int printHelp(const QCommandLineParser& parser, const char* programPath)
{
    return printAnswer(
        parser.helpText().replace(QLatin1String("<executable_name>"), QString::fromLocal8Bit(programPath)),
        "the usage");
}

int printVersion()
{
    const QString version =
        QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion();
    return printAnswer(version + u'\n', "the version");
}

// The same outcome as pressing Calculate with these field texts: a result on standard output, or the
// calculator's message on standard error.
int printCalculation(const QCommandLineParser& parser, const CalculationOptions& options)
{
    const calc::Outcome outcome = calc::calculate(parser.value(options.reliability).toStdString(),
                                                  parser.value(options.lengthChange).toStdString(),
                                                  parser.value(options.modifiedReliability).toStdString());
    switch (outcome.kind) {
    case calc::Outcome::Kind::SetModifiedReliability:
    case calc::Outcome::Kind::SetLengthChange:
        return printAnswer(QString::fromStdString(outcome.text + '\n'), "the result");
    case calc::Outcome::Kind::Message:
    case calc::Outcome::Kind::BeepThenMessage:
        break;
    }
    std::fprintf(stderr, "%s\n", outcome.text.c_str());
    return ExitFailure;
}

} // namespace

std::optional<int> runCommandLine(int argc, char* argv[])
{
    QCommandLineParser parser;
    // Qt's options take one dash and whole words (-platform): they must not read as -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromUtf8(description));
    // Not Qt's help option, which adds --help-all for a list of Qt's options that only an application
    // object with a display could print.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    parser.addOptions({help, version});
    const CalculationOptions calculation;
    parser.addOptions({calculation.reliability, calculation.lengthChange, calculation.modifiedReliability});
    acceptQtOptions(parser);

    if (!parser.parse(argumentList(argc, argv)))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return printHelp(parser, argv[0]);
    if (parser.isSet(version))
        return printVersion();
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(extra.constFirst()));
    if (calculation.anyGiven(parser))
        return printCalculation(parser, calculation);
    return std::nullopt;
}

} // namespace quorvel
