// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "windows/Qwindow.h"

#include "platform/Fonts.h"
#include "platform/StaticText.h"

#include <QStringList>

namespace quorvel {
namespace {

const QString introduction = QStringLiteral(
    "The Spearman-Brown 'Prophecy' formula for the estimated reliability of a test if items are added or "
    "deleted. Calculate the modified test reliability by entering the current test reliability and "
    "proportion of change. Alternatively, calculate the proportion of change needed by entering the "
    "current and modified test reliability.");

const QStringList formulaLines = {
    QStringLiteral("Rest = (k * Rxx) / (1 + (k -1) * Rxx)"),
    QStringLiteral("k = ((Rest) * (1 - Rxx)) / ((Rxx) * (1 - Rest))"),
    QString(),
    QStringLiteral("Where:"),
    QStringLiteral("Rest = Estimated reliability of altered test"),
    QStringLiteral("Rxx  = Reliability of original test"),
    QStringLiteral("k      = Proportional change in test length (i.e., 2.0 is double, .5 is half, etc.)"),
    QString(),
    QStringLiteral(
        "The reasonableness of this reliability estimate depends on several assumptions. Review the "
        "following references to ensure appropriate use."),
    QString(),
    QStringLiteral("     Thompson, B. (2003). Understanding reliability and coefficient alpha, really. In B. "
                   "Thompson (Ed.), Score reliability: Contemporary thinking on reliability issues "
                   "(pp. 3-23). Thousand Oaks, CA: Sage."),
    QStringLiteral("     Thorndike, R. M. (1997). Measurement and evaluation in psychology and education "
                   "(6th ed.). Upper Saddle River, NJ: Merrill."),
};

const QStringList noticeLines = {
    QStringLiteral(
        "    Copyright \u00a9 2026 the Quorvel authors. Quorvel is free software under the MIT License: "
        "anyone may use, copy, modify, merge, publish, distribute, sublicense and sell copies of it, "
        "provided that this copyright notice and the licence text are kept with every copy."),
    QString(),
    QStringLiteral("To cite this program: the Quorvel authors (2026). Quorvel: a calculator for the "
                   "Spearman-Brown prophecy formula (Version 1.0) [Computer software]."),
    QString(),
    QStringLiteral("    Quorvel is provided \"as is\", without warranty of any kind, express or implied, "
                   "including the warranties of merchantability, fitness for a particular purpose and "
                   "noninfringement. In no event shall the authors be liable for any claim, damages or other "
                   "liability arising from the program or its use."),
};

} // namespace

void Qwindow::Layout()
{
    setTitle(QStringLiteral("Quorvel Information"));
    setContentSize(500, 475);
    setFrame(Frame::Document, true, true);
    setBackgroundColor(Qt::white);
}

// Each label ends where the next one begins, so that no text runs under another label. At 12 pixels a
// line is about 14 high: the introduction takes five lines and the formulas sixteen. Each frame holds a
// line more, for desktop fonts that run wider, which also leaves an empty line below the introduction.
void Qwindow::CreateControls()
{
    const auto make = [this](const char* name, const QRect& frame, int pixelSize, const QString& text) {
        auto& label = addControl<platform::StaticText>(QString::fromLatin1(name), frame);
        label.setTextFont(platform::fontNamed(QStringLiteral("System"), pixelSize));
        label.setTextColor(Qt::black);
        label.setMultiLine(true);
        label.setCaption(text);
    };
    make("StaticText2", {9, 8, 482, 84}, 12, introduction);
    make("StaticText3", {9, 92, 482, 244}, 12, formulaLines.join(QLatin1Char('\n')));
    make("StaticText4", {9, 336, 482, 128}, 9, noticeLines.join(QLatin1Char('\n')));
}

void Qwindow::Close()
{
    Qwindow::instance().Hide();
}

bool Qwindow::MouseDown(int, int)
{
    Qwindow::instance().Hide();
    return false;
}

bool Qwindow::KeyDown(const QString&)
{
    Qwindow::instance().Hide();
    return false;
}

} // namespace quorvel
