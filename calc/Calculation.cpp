// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/Calculation.h"

#include "calc/ExactResult.h"
#include "platform/text/Val.h"

#include <cmath>

namespace quorvel::calc {
namespace {

using platform::Val;

Outcome message(std::string_view text)
{
    return {Outcome::Kind::Message, std::string(text)};
}

// The change in doubles, which decides only whether there is a change to show. Each step rounds on its
// own, in this order, as the formula is written.
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
// digits of a result. The Val values it is called with are in its range, and so are the texts' exact
// values (see ExactResult.h).
Outcome fromLengthChange(const Fields& fields)
{
    // The bound on the length change is tested before the bound on the reliability.
    if (fields.b > 100.0)
        return message(lengthChangeOutOfRange);
    if (fields.a >= 1.0)
        return message(currentReliabilityOutOfRange);
    return {Outcome::Kind::SetModifiedReliability,
            exactModifiedReliability(fields.reliabilityText, fields.lengthChangeText)};
}

Outcome fromModifiedReliability(const Fields& fields)
{
    // A reliability within a rounding step of 0 (far below anything that can be typed) would need a
    // change beyond any double; that is out of range, not a number to show.
    if (fields.ab < 1.0 && fields.a < 1.0 && std::isfinite(lengthChange(fields.a, fields.ab)))
        return {Outcome::Kind::SetLengthChange,
                exactLengthChange(fields.reliabilityText, fields.modifiedReliabilityText)};
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
