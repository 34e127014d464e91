// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/qglobal.h>
#include <memory>

class QString;

class QApplication;

namespace quorvel::platform {

// The application runtime: made once at program entry, it sets up the application object, its style
// and the program's accessible interfaces, and runs the event loop until Quit. The display named with
// Qt's -display option is the X display used. Where no display can be opened, or the platform plugin
// asked for does not exist, it says so in one line on standard error and ends the process with status 1.
// The windows grow with the desktop's text size (see DesktopTextSize.h).
class Runtime
{
public:
    Runtime(int& argc, char** argv);
    ~Runtime();
    Q_DISABLE_COPY_MOVE(Runtime)

    // Runs the event loop until Quit, or until a handler lets an exception escape; returns the exit
    // status: the one given to Quit, or 1 after an unhandled exception.
    int Run();

private:
    double m_textScale; // the scale factor that follows the desktop's text size
    std::unique_ptr<QApplication> m_application;
};

// The program's name as its user knows it: the title of message boxes and the prefix of error reports.
void setProgramName(const QString& name);
QString programName();

// Ends the event loop with the given exit status. Closing the last window does not end it: only this.
void Quit(int status = 0);

// Reports the exception being handled on standard error and ends the event loop with status 1.
// Call from within a catch block.
void reportUnhandledException() noexcept;

// Runs a handler of the program on behalf of the window system, where no exception may pass.
// An escaping exception is reported and ends the program; the handler then counts as returning a
// default value (false for a key or mouse handler: the event was not consumed).
template <class Handler> auto runHandler(Handler&& handler) noexcept -> decltype(handler())
{
    try {
        return handler();
    } catch (...) {
        reportUnhandledException();
        return decltype(handler())();
    }
}

} // namespace quorvel::platform
