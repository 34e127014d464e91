// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Runtime.h"

#include "platform/Style.h"
#include "platform/Window.h"

#include <QApplication>
#include <cstdio>
#include <exception>

namespace quorvel::platform {
namespace {

QString& programNameSlot()
{
    static QString name;
    return name;
}

} // namespace

Runtime::Runtime(int& argc, char** argv) : m_application(std::make_unique<QApplication>(argc, argv))
{
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new Style);
}

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
