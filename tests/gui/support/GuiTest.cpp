// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "support/GuiTest.h"

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace quorvel::test {

void prepareEnvironment()
{
    static QTemporaryDir home;
    const QString root = home.path();
    const auto point = [&root](const char* variable, const QString& folder) {
        const QString path = root + QLatin1Char('/') + folder;
        QDir().mkpath(path);
        qputenv(variable, path.toLocal8Bit());
    };
    point("HOME", QStringLiteral("home"));
    point("XDG_CONFIG_HOME", QStringLiteral("home/.config"));
    point("XDG_CACHE_HOME", QStringLiteral("home/.cache"));
    point("XDG_DATA_HOME", QStringLiteral("home/.local/share"));
    point("XDG_RUNTIME_DIR", QStringLiteral("runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    platform::setProgramName(QStringLiteral("Quorvel"));
}

void registerApplication()
{
    if (!platform::Application::registered())
        NewAppInstance();
}

QList<SeenBox> resetWindows()
{
    platform::Window::destroyAll();
    QCoreApplication::processEvents();
    return ModalWatch::instance().take();
}

bool cameUpActive(QWidget* window)
{
    return QTest::qWaitFor([window] { return window->isVisible(); }) && QTest::qWaitForWindowActive(window);
}

int runEventLoop(const std::function<void()>& action, int timeoutMs)
{
    QTimer::singleShot(0, QCoreApplication::instance(), action);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, QCoreApplication::instance(),
                     [] { QCoreApplication::exit(-1); });
    timeout.start(timeoutMs);
    return QApplication::exec();
}

void windowGone(const char* windowClass)
{
    qFatal("%s is gone: a test helper looked it up, and makes no new window", windowClass);
}

} // namespace quorvel::test
