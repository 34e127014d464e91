// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Alerts.h"

#include "platform/OperatingSystem.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvel::platform {
namespace {

int g_beeps = 0;

} // namespace

void MsgBox(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, programName(), text, QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    os::runModal(box);
}

void Beep()
{
    ++g_beeps;
    os::soundAlert();
}

int beepCount()
{
    return g_beeps;
}

} // namespace quorvel::platform
