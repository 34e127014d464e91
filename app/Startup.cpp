// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/Startup.h"

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/FileTypes.h"
#include "app/InvisibleWnd.h"
#include "platform/OperatingSystem.h"
#include "platform/Runtime.h"
#include "windows/Menu.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quorvel {
namespace {

// The program's icon as the desktop's icon theme has it, else the embedded one. The embedded SVG is
// drawn once at the sizes window systems show, rather than again for every new window.
QIcon windowIcon()
{
    QSvgRenderer picture(QStringLiteral(":/icons/quorvel.svg"));
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return QIcon::fromTheme(QStringLiteral(QUORVEL_APP_ID), icon);
}

// Gives the program's windows their icon once the first window has been drawn. Drawing the icon and
// looking it up in the icon theme takes about 8 ms, which the splash, an untitled dialog that shows no
// icon, need not wait for; the calculator window, made 1500 ms later, has the icon when it appears.
class WindowIconOnceDrawn final : public QObject
{
public:
    explicit WindowIconOnceDrawn(QCoreApplication& application) : QObject(&application)
    {
        application.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Posted, to be handled once the drawing has been handed to the window system.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    void customEvent(QEvent*) override
    {
        QApplication::setWindowIcon(windowIcon());
        // The icon theme lookup reads the theme's whole index into short-lived memory (0.7 MB).
        platform::os::releaseFreedMemory();
        deleteLater();
    }
};

// The names are set before the application object exists: the command line and the report of a missing
// display use them.
void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // Not the display name, which Qt would append to every window title.
    platform::setProgramName(QStringLiteral("Quorvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
}

} // namespace

void setWindowIconOnceDrawn()
{
    new WindowIconOnceDrawn(*QCoreApplication::instance());
}

int runProgram(int argc, char* argv[])
{
    nameTheProgram();
    if (const auto status = runCommandLine(argc, argv))
        return *status;
    platform::Runtime runtime(argc, argv);
    setWindowIconOnceDrawn();
    return Main(runtime);
}

int Main(platform::Runtime& runtime)
{
    try {
        InitFileTypes();
        NewAppInstance();
        // The application object answers no menu command of its own: no handlers to add.
        MakeDefaultView();
        return runtime.Run();
    } catch (...) {
        platform::reportUnhandledException();
        return 1;
    }
}

void InitFileTypes()
{
    FileTypes::Initialize();
}

void NewAppInstance()
{
    auto application = std::make_unique<App>();
    application->setMenuBar(&Menu::instance());
    platform::Application::Register(std::move(application));
}

void MakeDefaultView()
{
    InvisibleWnd::instance();
}

} // namespace quorvel
