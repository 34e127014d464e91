// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// calculate on three field texts against the program's rules. A result from texts of up to 16 characters
// must be the exact value rounded half away from zero, worked out here in 128-bit integers; one from
// longer texts must be the formula in long double to within half a unit of its last decimal.
// Input: one byte saying how to read the rest, then the three texts separated by '|'.

#include "calc/Calculation.h"
#include "calc/ExactResult.h"
#include "fuzz/FuzzCheck.h"
#include "platform/text/Val.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

using quorvel::calc::calculate;
using quorvel::calc::longestExactText;
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

// Each byte becomes one of `alphabet`, up to `width` characters.
std::string spelledWith(std::string_view raw, std::string_view alphabet, std::size_t width)
{
    std::string text;
    for (const char c : raw.substr(0, width))
        text += alphabet[static_cast<unsigned char>(c) % alphabet.size()];
    return text;
}

std::string_view nextField(std::string_view& rest)
{
    const auto separator = rest.find('|');
    const auto field = rest.substr(0, separator);
    rest = separator == std::string_view::npos ? std::string_view{} : rest.substr(separator + 1);
    return field;
}

// The first byte modulo 3 says how to read the texts: 0, as a user types them (digits, the point and the
// slash, five characters at most); 1, as they are; 2, as longer decimals with spaces around, up to 20
// characters, so that texts on both sides of the 16 characters read exactly turn up often.
Fields fieldsFrom(const std::uint8_t* data, std::size_t size)
{
    const int mode = size > 0 ? data[0] % 3 : 0;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    rest.remove_prefix(size > 0 ? 1 : 0);
    const auto shape = [mode](std::string_view text) {
        if (mode == 1)
            return std::string(text);
        return mode == 0 ? spelledWith(text, "0123456789./", 5) : spelledWith(text, "0123456789./ ", 20);
    };
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

__extension__ using Wide = __int128;

// An exact rational number; the denominator is above 0.
struct Rational
{
    Wide numerator;
    Wide denominator;
};

// A plain decimal as its digits over ten to the count of its decimals.
std::optional<Rational> decimalValue(std::string_view text)
{
    const auto point = text.find('.');
    std::string digits(text);
    if (point != std::string_view::npos)
        digits.erase(point, 1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    Rational value{0, 1};
    for (const char c : digits)
        value.numerator = value.numerator * 10 + (c - '0');
    for (auto decimals = point == std::string_view::npos ? 0 : text.size() - point - 1; decimals > 0;
         --decimals)
        value.denominator *= 10;
    return value;
}

// A text of up to 16 characters, spaces around it left out, as the exact number it stands for.
std::optional<Rational> exactValue(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    text = first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.size() > longestExactText)
        return std::nullopt;
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return decimalValue(text);
    const auto dividend = decimalValue(text.substr(0, slash));
    const auto divisor = decimalValue(text.substr(slash + 1));
    if (!dividend || !divisor || divisor->numerator == 0)
        return std::nullopt;
    return Rational{dividend->numerator * divisor->denominator, dividend->denominator * divisor->numerator};
}

// p / q rounded half away from zero to `decimals` decimals, written as the fields show it. The remainder
// of the division decides the last digit: up from half of q.
std::string roundedText(Wide p, Wide q, int decimals)
{
    for (int i = 0; i < decimals; ++i)
        p *= 10;
    Wide units = p / q;
    if (2 * (p % q) >= q)
        ++units;
    std::string digits;
    for (; units != 0 || static_cast<int>(digits.size()) < decimals; units /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(units % 10)));
    return digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
}

void checkModifiedReliability(const Fields& fields, const Outcome& outcome, long double a, long double b)
{
    const long double exact = (b * a) / (1 + (b - 1) * a);
    const auto describeIt = [&] {
        return describe(fields, outcome) + ", in long double " + numberText(exact);
    };
    const auto exactA = exactValue(fields.reliability);
    const auto exactB = exactValue(fields.lengthChange);
    if (exactA && exactB) {
        // AB = B * A / (1 + (B - 1) * A), over the common denominator of A and B.
        const Wide p = exactB->numerator * exactA->numerator;
        const Wide q = exactB->denominator * exactA->denominator +
                       (exactB->numerator - exactB->denominator) * exactA->numerator;
        require(q > 0, "the exact divisor of a computed modified reliability is above 0", describeIt);
        const auto expected = roundedText(p, q, 4);
        require(outcome.text == expected,
                "a modified reliability from short texts is the exact value rounded half away from zero",
                [&] { return describeIt() + ", expected " + quoted(expected); });
        return;
    }
    const double shown = Val(outcome.text);
    require(shown >= 0 && shown <= 1, "a computed modified reliability reads back within [0, 1]", describeIt);
    // Half of the fourth decimal, the 15-digit step, and the double arithmetic: 1 + (B - 1) * A loses
    // digits when it is small against (B - 1) * A, as with A and B both a hair from 1 and 0.
    const long double roundoff = std::numeric_limits<double>::epsilon();
    const long double cancellation = std::fabs(b - 1) * a / (1 + (b - 1) * a);
    require(std::fabs(shown - exact) <= 0.00005L + 1e-12L + exact * 2 * roundoff * (cancellation + 1),
            "a computed modified reliability is the formula's value to four decimals", describeIt);
}

void checkLengthChange(const Fields& fields, const Outcome& outcome, long double a, long double ab)
{
    const long double exact = (ab * (1 - a)) / (a * (1 - ab));
    const auto describeIt = [&] {
        return describe(fields, outcome) + ", in long double " + numberText(exact);
    };
    const auto exactA = exactValue(fields.reliability);
    const auto exactAB = exactValue(fields.modifiedReliability);
    if (exactA && exactAB) {
        // B = AB * (1 - A) / (A * (1 - AB)), over the common denominator of A and AB.
        const Wide p = exactAB->numerator * (exactA->denominator - exactA->numerator);
        const Wide q = exactA->numerator * (exactAB->denominator - exactAB->numerator);
        require(q > 0, "the exact divisor of a computed length change is above 0", describeIt);
        const auto expected = roundedText(p, q, 2);
        require(outcome.text == expected,
                "a length change from short texts is the exact value rounded half away from zero",
                [&] { return describeIt() + ", expected " + quoted(expected); });
        return;
    }
    const double shown = Val(outcome.text);
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
