// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Runtime.h"

#include "platform/OperatingSystem.h"
#include "platform/Style.h"
#include "platform/Window.h"

#include <QApplication>
#include <QList>
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
    std::fprintf(stderr, "%s: cannot open a display: %s needs a graphical session (X11 or Wayland)\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(programName()));
    std::fflush(stderr);
    std::_Exit(1);
}

bool platformChosen(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" || argument.startsWith("-platform=") ||
            argument.startsWith("--platform="))
            return true;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && *platform;
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
                reportNoDisplay();
            s_passOn(type, context, text);
            return;
        }
        s_held.append({type, text});
    }

    static inline QtMessageHandler s_passOn = nullptr;
    static inline QList<HeldMessage> s_held;
};

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    // With no platform chosen, Qt looks for the system's window session; with none named, say so at once.
    if (!platformChosen(argc, argv) && !os::windowSessionNamed())
        reportNoDisplay();
    const DisplayConnection connection;
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

Runtime::Runtime(int& argc, char** argv) : m_application(connectToDisplay(argc, argv))
{
    QApplication::setQuitOnLastWindowClosed(false);
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
    QCoreApplication::exit(status);
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
    QCoreApplication::exit(1);
}

} // namespace quorvel::platform
