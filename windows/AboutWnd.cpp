// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "windows/AboutWnd.h"

#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "platform/StaticText.h"
#include "windows/ControlWnd.h"
#include "windows/Pictures.h"

namespace quorvel {
namespace {

void describe(platform::Canvas& canvas, const QString& name, const QString& description)
{
    canvas.setAccessibleName(name);
    canvas.setAccessibleDescription(description);
}

} // namespace

void AboutWnd::Layout()
{
    setTitle(QString());
    // Untitled on screen; a screen reader still says what opened.
    setAccessibleName(QStringLiteral("About Quorvel"));
    setContentSize(391, 250);
    setFrame(Frame::Dialog);
    setBackgroundColor(Qt::white);
}

// Created in this order, which is also the stacking order: the r lies over the hat, the prophecy mark
// over the r, the copyright line over the wordmark.
void AboutWnd::CreateControls()
{
    auto& logo = addControl<platform::Canvas>(QStringLiteral("Canvas2"), {125, 203, 150, 22});
    logo.setBackdrop(LogoSm());
    describe(logo, QStringLiteral("Quorvel"), QStringLiteral("The program's name"));

    auto& copyright = addControl<platform::StaticText>(QStringLiteral("StaticText5"), {3, 221, 385, 20});
    copyright.setTextFont(platform::fontNamed(QStringLiteral("Times"), 10, true));
    copyright.setTextColor(QColor(0, 0, 128));
    copyright.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    copyright.setCaption(QStringLiteral("\u00a9 2026 the Quorvel authors. All rights reserved."));

    auto& hat = addControl<platform::Canvas>(QStringLiteral("Canvas1"), {133, 8, 124, 134});
    hat.setBackdrop(hat128());
    describe(hat, QStringLiteral("Quorvel emblem"), QStringLiteral("A mortar-board hat"));

    auto& r = addControl<platform::Canvas>(QStringLiteral("Canvas4"), {150, 139, 23, 32});
    r.setBackdrop(quorvel::r());
    describe(r, QStringLiteral("r"), QStringLiteral("The symbol of reliability"));

    auto& prophecy = addControl<platform::Canvas>(QStringLiteral("Canvas3"), {167, 144, 83, 34});
    prophecy.setBackdrop(Prop1());
    describe(prophecy, QStringLiteral("prophecy"), QStringLiteral("The prophesied reliability"));
}

void AboutWnd::AddMenuHandlers()
{
    AddMenuHandler(QStringLiteral("AboutMenuItem"), [this] { return AboutMenuItem_Action(); });
}

bool AboutWnd::KeyDown(const QString&)
{
    AboutWnd::instance().Hide();
    ControlWnd::instance().Show();
    return false;
}

bool AboutWnd::MouseDown(int, int)
{
    AboutWnd::instance().Hide();
    ControlWnd::instance().Show();
    return false;
}

bool AboutWnd::AboutMenuItem_Action()
{
    AboutWnd::instance().Show();
    return false;
}

} // namespace quorvel
