// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "windows/ControlWnd.h"

#include "calc/Calculation.h"
#include "platform/Alerts.h"
#include "platform/Canvas.h"
#include "platform/EditField.h"
#include "platform/Fonts.h"
#include "platform/PushButton.h"
#include "platform/RoundRectangle.h"
#include "platform/Runtime.h"
#include "platform/StaticText.h"
#include "platform/a11y/AccessibleNotice.h"
#include "windows/AboutWnd.h"
#include "windows/Menu.h"
#include "windows/Pictures.h"
#include "windows/Qwindow.h"

namespace quorvel {
namespace {

using calc::Field;
using platform::fontNamed;

const QColor navy(0, 0, 128);
const QColor grey(76, 76, 76);
const QColor royalBlue(11, 11, 177);

QString fieldName(Field which)
{
    switch (which) {
    case Field::Reliability:
        return QStringLiteral("AFld");
    case Field::LengthChange:
        return QStringLiteral("BFld");
    case Field::ModifiedReliability:
        break;
    }
    return QStringLiteral("ABFld");
}

std::string textOf(const platform::EditField& field)
{
    return field.text().toStdString();
}

} // namespace

void ControlWnd::Layout()
{
    setTitle(QStringLiteral("Quorvel"));
    setContentSize(500, 400);
    setFrame(Frame::Document, true, true);
    setBackgroundColor(Qt::white);
    setMenuBarVisible(true);
}

// Controls are created in this order, which is also their stacking order.
void ControlWnd::CreateControls()
{
    createButtons();
    createFields();
    createLabels();
    createTitleAndBadge();
    // Tab goes through the three fields in order, then to the buttons and the information badge.
    setTabOrder(&field(Field::Reliability), &field(Field::LengthChange));
    setTabOrder(&field(Field::LengthChange), &field(Field::ModifiedReliability));
    setTabOrder(&field(Field::ModifiedReliability),
                &control<platform::PushButton>(QStringLiteral("CalcBtn")));
    setTabOrder(&control<platform::PushButton>(QStringLiteral("CalcBtn")),
                &control<platform::PushButton>(QStringLiteral("ClearBtn")));
    setTabOrder(&control<platform::PushButton>(QStringLiteral("ClearBtn")),
                &control<platform::Canvas>(QStringLiteral("Canvas1")));
}

void ControlWnd::createButtons()
{
    auto& calcBtn = addControl<platform::PushButton>(QStringLiteral("CalcBtn"), {21, 360, 80, 32});
    calcBtn.setCaption(QStringLiteral("Calculate"));
    calcBtn.setFont(fontNamed(QStringLiteral("System"), 12));
    calcBtn.onAction([this] { CalcBtn_Action(); });

    auto& clearBtn = addControl<platform::PushButton>(QStringLiteral("ClearBtn"), {401, 360, 80, 32});
    clearBtn.setCaption(QStringLiteral("Clear"));
    clearBtn.setFont(fontNamed(QStringLiteral("System"), 12));
    clearBtn.onAction([this] { ClearBtn_Action(); });
}

void ControlWnd::createFields()
{
    const auto make = [this](Field which, int top, bool (ControlWnd::*keyDown)(const QString&)) {
        auto& edit = addControl<platform::EditField>(fieldName(which), {397, top, 60, 22});
        edit.setFont(fontNamed(QStringLiteral("Courier"), 14));
        edit.setAlignment(Qt::AlignCenter);
        edit.setLimitText(5);
        QPalette palette = edit.palette();
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Base, Qt::white);
        edit.setPalette(palette);
        edit.onKeyDown([this, keyDown](const QString& key) { return (this->*keyDown)(key); });
    };
    make(Field::Reliability, 185, &ControlWnd::AFld_KeyDown);
    make(Field::LengthChange, 227, &ControlWnd::BFld_KeyDown);
    make(Field::ModifiedReliability, 269, &ControlWnd::ABFld_KeyDown);
}

void ControlWnd::createLabels()
{
    const auto make = [this](const char* name, const QRect& frame, const QString& text, Field names) {
        auto& label = addControl<platform::StaticText>(QString::fromLatin1(name), frame);
        label.setTextFont(fontNamed(QStringLiteral("System"), 14, true));
        label.setTextColor(navy);
        label.setCaption(text);
        label.setBuddy(&field(names));
        field(names).setAccessibleName(text);
    };
    make("StaticText1", {38, 187, 230, 20}, QStringLiteral("Reliability of original test"),
         Field::Reliability);
    make("StaticText2", {38, 223, 334, 29}, QStringLiteral("Proportional change in test length (.01 - 100)"),
         Field::LengthChange);
    make("StaticText3", {38, 271, 285, 20}, QStringLiteral("Reliability of modified test"),
         Field::ModifiedReliability);
}

void ControlWnd::createTitleAndBadge()
{
    auto& canvas1 = addControl<platform::Canvas>(QStringLiteral("Canvas1"), {239, 360, 36, 31});
    canvas1.setBackdrop(Q());
    // The information page opens from the keyboard too.
    canvas1.setAcceptFocus(true);
    canvas1.setAccessibleName(QStringLiteral("Information"));
    canvas1.setAccessibleDescription(
        QStringLiteral("Opens the information about the Spearman-Brown formula"));
    canvas1.setToolTip(QStringLiteral("About the Spearman-Brown formula"));
    canvas1.onMouseDown([this](int x, int y) { return Canvas1_MouseDown(x, y); });

    auto& logo = addControl<platform::Canvas>(QStringLiteral("logo"), {5, 2, 63, 71});
    logo.setBackdrop(hat64());
    logo.setAccessibleName(QStringLiteral("Quorvel emblem"));
    logo.setAccessibleDescription(QStringLiteral("A mortar-board hat"));
    logo.onMouseEnter([this] { logo_MouseEnter(); });

    auto& canvas2 = addControl<platform::Canvas>(QStringLiteral("Canvas2"), {58, 12, 437, 42});
    canvas2.setBackdrop(SBtitle());
    canvas2.setAccessibleName(QStringLiteral("Spearman-Brown Prophecy Formula"));
    canvas2.setAccessibleDescription(QStringLiteral("The title of the calculator"));

    auto& copyright = addControl<platform::StaticText>(QStringLiteral("copyright"), {170, 66, 184, 15});
    copyright.setTextFont(fontNamed(QStringLiteral("system"), 10));
    copyright.setTextColor(grey);
    copyright.setMultiLine(true);
    copyright.setCaption(QStringLiteral("\u00a9 2026 the Quorvel authors"));

    auto& bar = addControl<platform::RoundRectangle>(QStringLiteral("RoundRectangle1"), {67, 57, 418, 5});
    bar.setFillColor(royalBlue);
    bar.setBorder(Qt::black, 1);
    bar.setCornerOval(16, 16);
}

void ControlWnd::AddMenuHandlers()
{
    AddMenuHandler(QStringLiteral("AboutMenuItem"), [this] { return AboutMenuItem_Action(); });
    AddMenuHandler(QStringLiteral("AboutMentavo"), [this] { return AboutMentavo_Action(); });
}

void ControlWnd::CalcBtn_Action()
{
    const std::string reliability = textOf(field(Field::Reliability));
    const std::string lengthChange = textOf(field(Field::LengthChange));
    const std::string modifiedReliability = textOf(field(Field::ModifiedReliability));
    const calc::Outcome outcome = calc::calculate(reliability, lengthChange, modifiedReliability);
    switch (outcome.kind) {
    case calc::Outcome::Kind::SetModifiedReliability:
        setFieldText(Field::ModifiedReliability, outcome.text);
        tellResult(Field::ModifiedReliability);
        break;
    case calc::Outcome::Kind::SetLengthChange:
        setFieldText(Field::LengthChange, outcome.text);
        tellResult(Field::LengthChange);
        break;
    case calc::Outcome::Kind::BeepThenMessage:
        platform::Beep();
        [[fallthrough]];
    case calc::Outcome::Kind::Message:
        platform::MsgBox(QString::fromStdString(outcome.text));
        break;
    }
}

void ControlWnd::ClearBtn_Action()
{
    calc::clearFields(*this);
}

bool ControlWnd::AFld_KeyDown(const QString& key)
{
    return calc::filterKey(*this, Field::Reliability, key.toStdString());
}

bool ControlWnd::BFld_KeyDown(const QString& key)
{
    return calc::filterKey(*this, Field::LengthChange, key.toStdString());
}

bool ControlWnd::ABFld_KeyDown(const QString& key)
{
    return calc::filterKey(*this, Field::ModifiedReliability, key.toStdString());
}

bool ControlWnd::Canvas1_MouseDown(int, int)
{
    Qwindow::instance().Show();
    return false;
}

void ControlWnd::logo_MouseEnter()
{
    // Pointing at the emblem changes nothing.
}

void ControlWnd::Close()
{
    platform::Quit(0);
}

void ControlWnd::Activate()
{
    AboutWnd::instance().Hide();
}

void ControlWnd::EnableMenuItems()
{
    ControlMenuItem().setEnabled(false);
    AboutMenuItem().setEnabled(true);
    AboutMentavo().setEnabled(true);
}

bool ControlWnd::AboutMenuItem_Action()
{
    AboutWnd::instance().Show();
    return false;
}

bool ControlWnd::AboutMentavo_Action()
{
    AboutWnd::instance().Show();
    return false;
}

platform::EditField& ControlWnd::field(Field which) const
{
    return control<platform::EditField>(fieldName(which));
}

// The result appears away from the keyboard focus, which stays on Calculate or in the field typed in:
// a screen reader is told it, with the name of its field, as it would read the field.
void ControlWnd::tellResult(Field which)
{
    if (!m_resultNotice)
        m_resultNotice = new platform::AccessibleNotice(this);
    const platform::EditField& result = field(which);
    m_resultNotice->announce(result.accessibleName() + QLatin1Char(' ') + result.text());
}

void ControlWnd::setFieldText(Field which, std::string_view text)
{
    field(which).setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void ControlWnd::focusField(Field which)
{
    field(which).setFocus();
}

void ControlWnd::beep()
{
    platform::Beep();
}

} // namespace quorvel
