// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/Startup.h"

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/FileTypes.h"
#include "app/InvisibleWnd.h"
#include "platform/Runtime.h"
#include "windows/Menu.h"

#include <QApplication>
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

int runProgram(int argc, char* argv[])
{
    nameTheProgram();
    if (const auto status = runCommandLine(argc, argv))
        return *status;
    platform::Runtime runtime(argc, argv);
    QApplication::setWindowIcon(windowIcon());
    return _Main(runtime);
}

int _Main(platform::Runtime& runtime)
{
    try {
        _InitFileTypes();
        _NewAppInstance();
        // The application object answers no menu command of its own: no handlers to add.
        _MakeDefaultView();
        return runtime.Run();
    } catch (...) {
        platform::reportUnhandledException();
        return 1;
    }
}

void _InitFileTypes()
{
    FileTypes::_Initialize();
}

void _NewAppInstance()
{
    auto application = std::make_unique<App>();
    application->setMenuBar(&Menu::instance());
    platform::Application::Register(std::move(application));
}

void _MakeDefaultView()
{
    InvisibleWnd::instance();
}

} // namespace quorvel
