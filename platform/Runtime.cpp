// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Runtime.h"

#include "platform/DesktopTextSize.h"
#include "platform/OperatingSystem.h"
#include "platform/Style.h"
#include "platform/TerminalText.h"
#include "platform/Window.h"
#include "platform/a11y/AccessibleInterfaces.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace quorvel::platform {
namespace {

QString& programNameSlot()
{
    static QString name;
    return name;
}

[[noreturn]] void reportNoDisplay()
{
    std::fprintf(stderr, "%s: cannot open a display: %s needs %s\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(programName()),
                 os::windowSessionNeeded());
    std::fflush(stderr);
    std::_Exit(1);
}

[[noreturn]] void reportNoSuchPlatform(const QString& name, QStringList available)
{
    available.sort();
    const QString list =
        available.isEmpty() ? QString() : QStringLiteral(" (available: %1)").arg(available.join(u", "));
    std::fprintf(stderr, "%s: no Qt platform plugin named \"%s\"%s\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(escapeControlCharacters(name)),
                 qPrintable(list));
    std::fflush(stderr);
    std::_Exit(1);
}

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// The value of one of Qt's options in any form the command line accepts: -name value, --name value,
// -name=value or --name=value; the last one given counts, as in Qt.
QByteArray qtOption(int argc, char** argv, const char* name)
{
    const QByteArray single = QByteArray("-") + name;
    QByteArray value;
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if (argument == single && i + 1 < argc)
            value = argv[++i];
        else if (argument.startsWith(single + '='))
            value = argument.mid(single.size() + 1);
    }
    return value;
}

// Qt reads -platform and -display only as two arguments, and -display only in its X11 plugin: set as
// variables, the platform and the display that the user names serve in every form, and a display named
// on a Wayland desktop is still the X display used.
void takeDisplayOptions(int argc, char** argv)
{
    if (const QByteArray platform = qtOption(argc, argv, "platform"); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    if (const QByteArray display = qtOption(argc, argv, "display"); !display.isEmpty()) {
        qputenv("DISPLAY", display);
        if (!isSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

// Qt ends a program whose display cannot be opened with an abort and a core dump, after lines that speak
// of plugins. While the application object connects, Qt's messages are held: a fatal one ends the program
// with one line that says what is missing; otherwise they are passed on once the connection stands.
class DisplayConnection
{
public:
    DisplayConnection() { s_passOn = qInstallMessageHandler(hold); }
    ~DisplayConnection()
    {
        qInstallMessageHandler(s_passOn);
        for (const HeldMessage& message : std::as_const(s_held))
            s_passOn(message.type, QMessageLogContext(), message.text);
        s_held.clear();
    }
    Q_DISABLE_COPY_MOVE(DisplayConnection)

private:
    struct HeldMessage
    {
        QtMsgType type;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg) {
            if (text.contains(QLatin1String("platform plugin")))
                reportNoPlatform(text);
            s_passOn(type, context, text);
            return;
        }
        s_held.append({type, text});
    }

    // "Available platform plugins are: xcb, offscreen, ...": the list that ends Qt's fatal message.
    static QStringList listedPlugins(const QString& fatal)
    {
        const QLatin1String listed("Available platform plugins are: ");
        const qsizetype start = fatal.indexOf(listed);
        if (start < 0)
            return {};
        QString list = fatal.mid(start + listed.size()).section(u'\n', 0, 0);
        if (list.endsWith(u'.'))
            list.chop(1);
        return list.split(QStringLiteral(", "));
    }

    // Qt's fatal message is the same whether the plugin is missing or could not connect; the warning
    // before it tells them apart, and the fatal message lists the plugins there are.
    [[noreturn]] static void reportNoPlatform(const QString& fatal)
    {
        const QLatin1String notFound("Could not find the Qt platform plugin \"");
        for (const HeldMessage& message : std::as_const(s_held)) {
            if (!message.text.startsWith(notFound))
                continue;
            const qsizetype nameEnd = message.text.lastIndexOf(QLatin1String("\" in "));
            reportNoSuchPlatform(message.text.mid(notFound.size(), nameEnd - notFound.size()),
                                 listedPlugins(fatal));
        }
        reportNoDisplay();
    }

    static inline QtMessageHandler s_passOn = nullptr;
    static inline QList<HeldMessage> s_held;
};

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    takeDisplayOptions(argc, argv);
    // With no platform chosen, Qt looks for the system's window session; with none named, say so at once.
    if (!isSet("QT_QPA_PLATFORM") && !os::windowSessionNamed())
        reportNoDisplay();
    const DisplayConnection connection;
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

Runtime::Runtime(int& argc, char** argv)
    : m_textScale(scaleWithDesktopText()), m_application(connectToDisplay(argc, argv))
{
    keepDesktopFontAtUsersSize(m_textScale);
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibleInterfaces();
    QApplication::setStyle(new Style);
} // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): the application owns the style it is given

Runtime::~Runtime()
{
    Window::destroyAll();
}

int Runtime::Run()
{
    return QApplication::exec();
}

void setProgramName(const QString& name)
{
    programNameSlot() = name;
}

QString programName()
{
    const QString& name = programNameSlot();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

void Quit(int status)
{
    os::endEventLoop(status);
}

void reportUnhandledException() noexcept
{
    const auto program = programName().toStdString();
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: unhandled exception: %s\n", program.c_str(), error.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unhandled exception of unknown type\n", program.c_str());
    }
    os::endEventLoop(1);
}

} // namespace quorvel::platform
