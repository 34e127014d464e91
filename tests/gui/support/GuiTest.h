// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/a11y/AccessibleInterfaces.h"
#include "support/ModalWatch.h"

#include <QApplication>
#include <QTest>
#include <functional>

namespace quorvel::test {

// Points HOME and the XDG folders at a fresh temporary folder and selects the offscreen platform,
// before the application exists; names the program as start-up does.
void prepareEnvironment();
void nameProgram();

// Registers the application object with the program's menu bar, as start-up does, once per process.
void registerApplication();

// Destroys every window and answers pending events: what a test's cleanup() calls. Returns the
// message boxes that were seen and not taken by the test.
QList<SeenBox> resetWindows();

// Waits until the window has appeared, which happens once the handler that made it has returned, and
// has taken the focus.
bool cameUpActive(QWidget* window);

// Runs the event loop until the program quits, after `action` ran inside it; returns the exit status,
// or -1 when nothing quit within `timeoutMs`.
int runEventLoop(const std::function<void()>& action, int timeoutMs = 5000);

// Ends the test run with a failure that names the window class: a window that a test helper looked up
// no longer exists.
[[noreturn]] void windowGone(const char* windowClass);

// The live instance of a window class, for test helpers. Where the class's instance() would make a
// fresh window, this fails: a window closed by mistake must not hide behind a new one.
template <class W> W& liveWindow(const char* windowClass)
{
    if (!W::exists())
        windowGone(windowClass);
    return W::instance();
}

} // namespace quorvel::test

// A main() for window tests: isolated environment, application with the program's accessible interfaces
// (as Runtime sets it up), modal watch, then the test object.
#define QUORVEL_GUI_TEST_MAIN(TestObject)                                                                    \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        quorvel::test::prepareEnvironment();                                                                 \
        QApplication application(argc, argv);                                                                \
        QApplication::setQuitOnLastWindowClosed(false);                                                      \
        quorvel::platform::installAccessibleInterfaces();                                                    \
        quorvel::test::nameProgram();                                                                        \
        quorvel::test::ModalWatch::instance().start();                                                       \
        TestObject test;                                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
