// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/Calculation.h"

#include "platform/text/Format.h"
#include "platform/text/Val.h"

#include <cmath>

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

Outcome fromLengthChange(double a, double b)
{
    // The bound on the length change is tested before the bound on the reliability.
    if (b > 100.0)
        return message(lengthChangeOutOfRange);
    if (a >= 1.0)
        return message(currentReliabilityOutOfRange);
    return {Outcome::Kind::SetModifiedReliability, Format(modifiedReliability(a, b), ".0000")};
}

Outcome fromModifiedReliability(double a, double ab)
{
    if (ab < 1.0 && a < 1.0) {
        // A reliability within a rounding step of 0 (far below anything that can be typed) would need
        // an infinite change; that is out of range, not a number to show.
        const double b = lengthChange(a, ab);
        if (std::isfinite(b))
            return {Outcome::Kind::SetLengthChange, Format(b, "##.00")};
    }
    return message(modifiedReliabilityOutOfRange);
}

} // namespace

Outcome calculate(std::string_view reliabilityText, std::string_view lengthChangeText,
                  std::string_view modifiedReliabilityText)
{
    const double a = Val(reliabilityText);
    const double b = Val(lengthChangeText);
    const double ab = Val(modifiedReliabilityText);

    if (a > 0.0 && b > 0.0)
        return fromLengthChange(a, b);
    if (ab > 0.0 && a > 0.0)
        return fromModifiedReliability(a, ab);
    return {Outcome::Kind::BeepThenMessage, std::string(missingInput)};
}

} // namespace quorvel::calc
