// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// calculate on three field texts against the program's rules, with the formula worked out in long double.
// Input: one byte saying how to read the rest, then the three texts separated by '|'.

#include "calc/Calculation.h"
#include "fuzz/FuzzCheck.h"
#include "platform/text/Val.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using quorvel::calc::calculate;
using quorvel::calc::Outcome;
using quorvel::fuzz::numberText;
using quorvel::fuzz::quoted;
using quorvel::fuzz::require;
using quorvel::platform::Val;
using Kind = Outcome::Kind;

namespace {

struct Fields
{
    std::string reliability;
    std::string lengthChange;
    std::string modifiedReliability;
};

// What the user can type: the fields take digits, the point and the slash, five characters at most.
std::string asTyped(std::string_view raw)
{
    constexpr std::string_view typeable = "0123456789./";
    constexpr std::size_t fieldWidth = 5;
    std::string typed;
    for (const char c : raw.substr(0, fieldWidth))
        typed += typeable[static_cast<unsigned char>(c) % typeable.size()];
    return typed;
}

std::string_view nextField(std::string_view& rest)
{
    const auto separator = rest.find('|');
    const auto field = rest.substr(0, separator);
    rest = separator == std::string_view::npos ? std::string_view{} : rest.substr(separator + 1);
    return field;
}

// Most inputs become texts a user could type; those whose first byte is odd stay as they are.
Fields fieldsFrom(const std::uint8_t* data, std::size_t size)
{
    const bool raw = size > 0 && data[0] % 2 == 1;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    rest.remove_prefix(size > 0 ? 1 : 0);
    const auto shape = [raw](std::string_view text) { return raw ? std::string(text) : asTyped(text); };
    const auto reliability = shape(nextField(rest));
    const auto lengthChange = shape(nextField(rest));
    return {reliability, lengthChange, shape(rest)};
}

std::string_view nameOf(Kind kind)
{
    switch (kind) {
    case Kind::SetModifiedReliability:
        return "SetModifiedReliability";
    case Kind::SetLengthChange:
        return "SetLengthChange";
    case Kind::Message:
        return "Message";
    case Kind::BeepThenMessage:
        return "BeepThenMessage";
    }
    return "a kind outside the four";
}

std::string describe(const Fields& fields, const Outcome& outcome)
{
    return "A " + quoted(fields.reliability) + ", B " + quoted(fields.lengthChange) + ", AB " +
           quoted(fields.modifiedReliability) + " gave " + std::string(nameOf(outcome.kind)) + " with text " +
           quoted(outcome.text);
}

// The rules as the program states them, tried from the top.
Outcome expectedOutcome(double a, double b, double ab)
{
    using namespace quorvel::calc;
    if (a > 0 && b > 100)
        return {Kind::Message, std::string(lengthChangeOutOfRange)};
    if (a >= 1 && b > 0 && b <= 100)
        return {Kind::Message, std::string(currentReliabilityOutOfRange)};
    if (a > 0 && a < 1 && b > 0 && b <= 100)
        return {Kind::SetModifiedReliability, {}};
    if (a > 0 && a < 1 && b <= 0 && ab > 0 && ab < 1) {
        // A change too large for a double is reported as out of range, not written.
        if (std::isfinite((ab * (1 - a)) / (a * (1 - ab))))
            return {Kind::SetLengthChange, {}};
        return {Kind::Message, std::string(modifiedReliabilityOutOfRange)};
    }
    if (a > 0 && b <= 0 && ab > 0 && (a >= 1 || ab >= 1))
        return {Kind::Message, std::string(modifiedReliabilityOutOfRange)};
    return {Kind::BeepThenMessage, std::string(missingInput)};
}

void checkModifiedReliability(const Fields& fields, const Outcome& outcome, long double a, long double b)
{
    const long double exact = (b * a) / (1 + (b - 1) * a);
    const double shown = Val(outcome.text);
    const auto describeIt = [&] { return describe(fields, outcome) + ", exact " + numberText(exact); };
    require(shown >= 0 && shown <= 1, "a computed modified reliability reads back within [0, 1]", describeIt);
    // Half of the fourth decimal, and a hair for the double arithmetic and the 15-digit step.
    require(std::fabs(shown - exact) <= 0.00005L + 1e-12L,
            "a computed modified reliability is the formula's value to four decimals", describeIt);
}

void checkLengthChange(const Fields& fields, const Outcome& outcome, long double a, long double ab)
{
    const long double exact = (ab * (1 - a)) / (a * (1 - ab));
    const double shown = Val(outcome.text);
    const auto describeIt = [&] { return describe(fields, outcome) + ", exact " + numberText(exact); };
    require(shown > 0 || (outcome.text == ".00" && exact < 0.005L),
            "a computed length change reads back above 0, or is .00 for a value below .005", describeIt);
    // Half of the second decimal, and the 15-digit step relative to the size of the value.
    require(std::fabs(shown - exact) <= 0.005L + exact * 1e-14L,
            "a computed length change is the formula's value to two decimals", describeIt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Fields fields = fieldsFrom(data, size);
    const Outcome outcome = calculate(fields.reliability, fields.lengthChange, fields.modifiedReliability);
    const auto describeIt = [&] { return describe(fields, outcome); };
    require(calculate(fields.reliability, fields.lengthChange, fields.modifiedReliability) == outcome,
            "the same fields give the same outcome twice", describeIt);

    const double a = Val(fields.reliability);
    const double b = Val(fields.lengthChange);
    const double ab = Val(fields.modifiedReliability);
    const Outcome expected = expectedOutcome(a, b, ab);
    require(outcome.kind == expected.kind, "the outcome is the one the first matching rule gives",
            describeIt);

    switch (outcome.kind) {
    case Kind::SetModifiedReliability:
        checkModifiedReliability(fields, outcome, a, b);
        break;
    case Kind::SetLengthChange:
        checkLengthChange(fields, outcome, a, ab);
        break;
    case Kind::Message:
    case Kind::BeepThenMessage:
        require(outcome.text == expected.text, "a message is the one its rule shows, word for word",
                describeIt);
        break;
    }
    return 0;
}
