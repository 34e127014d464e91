// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/Calculation.h"

#include "calc/ExactResult.h"
#include "platform/text/Format.h"
#include "platform/text/Val.h"

#include <cmath>
#include <utility>

namespace quorvel::calc {
namespace {

using platform::Format;
using platform::Val;

Outcome message(std::string_view text)
{
    return {Outcome::Kind::Message, std::string(text)};
}

// Each step rounds on its own, in this order, so that results match the formula as written.
double modifiedReliability(double a, double b)
{
    const double p = b * a;
    double q = b - 1.0;
    q = q * a;
    q = 1.0 + q;
    return p / q;
}

double lengthChange(double a, double ab)
{
    double u = 1.0 - a;
    u = ab * u;
    double v = 1.0 - ab;
    v = a * v;
    return u / v;
}

// The texts and their Val values, read once.
struct Fields
{
    std::string_view reliabilityText;
    std::string_view lengthChangeText;
    std::string_view modifiedReliabilityText;
    double a;
    double b;
    double ab;
};

// Which outcome a press gives is decided on the Val values alone; the exact arithmetic only writes the
// digits of a result, so that no decision depends on which of the two arithmetics ran.
Outcome fromLengthChange(const Fields& fields)
{
    // The bound on the length change is tested before the bound on the reliability.
    if (fields.b > 100.0)
        return message(lengthChangeOutOfRange);
    if (fields.a >= 1.0)
        return message(currentReliabilityOutOfRange);
    auto text = exactModifiedReliability(fields.reliabilityText, fields.lengthChangeText);
    return {Outcome::Kind::SetModifiedReliability,
            text ? std::move(*text) : Format(modifiedReliability(fields.a, fields.b), ".0000")};
}

Outcome fromModifiedReliability(const Fields& fields)
{
    if (fields.ab < 1.0 && fields.a < 1.0) {
        // A reliability within a rounding step of 0 (far below anything that can be typed) would need
        // an infinite change; that is out of range, not a number to show. Texts short enough to be read
        // exactly are never that small, so the exact text is only ever asked for a finite change.
        const double b = lengthChange(fields.a, fields.ab);
        if (std::isfinite(b)) {
            auto text = exactLengthChange(fields.reliabilityText, fields.modifiedReliabilityText);
            return {Outcome::Kind::SetLengthChange, text ? std::move(*text) : Format(b, "##.00")};
        }
    }
    return message(modifiedReliabilityOutOfRange);
}

} // namespace

Outcome calculate(std::string_view reliabilityText, std::string_view lengthChangeText,
                  std::string_view modifiedReliabilityText)
{
    const Fields fields{reliabilityText,      lengthChangeText,      modifiedReliabilityText,
                        Val(reliabilityText), Val(lengthChangeText), Val(modifiedReliabilityText)};

    if (fields.a > 0.0 && fields.b > 0.0)
        return fromLengthChange(fields);
    if (fields.ab > 0.0 && fields.a > 0.0)
        return fromModifiedReliability(fields);
    return {Outcome::Kind::BeepThenMessage, std::string(missingInput)};
}

} // namespace quorvel::calc
