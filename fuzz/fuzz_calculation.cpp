// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// calculate on three field texts against the program's rules. Every computed result, from texts of any
// length, must be the exact value rounded half away from zero, worked out here in rational numbers from
// the formula as written.
// Input: one byte saying how to read the rest, then the three texts separated by '|'.

#include "calc/Calculation.h"
#include "fuzz/FuzzCheck.h"
#include "platform/text/Val.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;
using quorvel::calc::calculate;
using quorvel::calc::Outcome;
using quorvel::fuzz::require;
using quorvel::platform::Val;
using Kind = Outcome::Kind;
namespace fuzz = quorvel::fuzz;

namespace {

struct Fields
{
    std::string reliability;
    std::string lengthChange;
    std::string modifiedReliability;
};

// Each byte becomes one of `alphabet`, repeated `longestRun` times at most.
std::string spelledWith(std::string_view raw, std::string_view alphabet, std::size_t longestRun = 1)
{
    std::string text;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte / alphabet.size() % longestRun + 1, alphabet[byte % alphabet.size()]);
    }
    return text;
}

std::string_view nextField(std::string_view& rest)
{
    const auto separator = rest.find('|');
    const auto field = rest.substr(0, separator);
    rest = separator == std::string_view::npos ? std::string_view{} : rest.substr(separator + 1);
    return field;
}

// The first byte modulo 4 says how to read the texts: 0, as a user types them (digits, the point and the
// slash, five characters at most); 1, as they are; 2, as decimals with spaces around, of any length; 3,
// the same with each byte a run of up to 19 equal characters, so that texts of hundreds of characters
// and long runs of 9s and 0s, which sit next to a rounding half, turn up often.
Fields fieldsFrom(const std::uint8_t* data, std::size_t size)
{
    const int mode = size > 0 ? data[0] % 4 : 0;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    rest.remove_prefix(size > 0 ? 1 : 0);
    const auto shape = [mode](std::string_view text) {
        switch (mode) {
        case 0:
            return spelledWith(text.substr(0, 5), "0123456789./");
        case 1:
            return std::string(text);
        case 2:
            return spelledWith(text, "0123456789./ ");
        default:
            return spelledWith(text, "0123456789./ ", 19);
        }
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
    return "A " + fuzz::quoted(fields.reliability) + ", B " + fuzz::quoted(fields.lengthChange) + ", AB " +
           fuzz::quoted(fields.modifiedReliability) + " gave " + std::string(nameOf(outcome.kind)) +
           " with text " + fuzz::quoted(outcome.text);
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

// A plain decimal as its digits over ten to the count of its decimals, read one digit at a time.
std::optional<cpp_rational> decimalValue(std::string_view text)
{
    const auto point = text.find('.');
    std::string digits(text);
    if (point != std::string_view::npos)
        digits.erase(point, 1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    cpp_int numerator = 0;
    for (const char c : digits)
        numerator = numerator * 10 + (c - '0');
    cpp_int denominator = 1;
    for (auto decimals = point == std::string_view::npos ? 0 : text.size() - point - 1; decimals > 0;
         --decimals)
        denominator *= 10;
    return cpp_rational(numerator, denominator);
}

// A text, spaces around it left out, as the exact number it stands for.
std::optional<cpp_rational> exactValue(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    text = first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return decimalValue(text);
    const auto dividend = decimalValue(text.substr(0, slash));
    const auto divisor = decimalValue(text.substr(slash + 1));
    if (!dividend || !divisor || *divisor == 0)
        return std::nullopt;
    return *dividend / *divisor;
}

// A value above 0 rounded half away from zero to `decimals` decimals, written as the fields show it.
// The remainder of the division decides the last digit: up from half of the divisor.
std::string roundedText(const cpp_rational& value, int decimals)
{
    cpp_rational scaled = value;
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;
    const cpp_int p = numerator(scaled);
    const cpp_int q = denominator(scaled);
    cpp_int units = p / q;
    if (2 * (p % q) >= q)
        ++units;
    std::string digits;
    for (; units != 0 || static_cast<int>(digits.size()) < decimals; units /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(units % 10)));
    return digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
}

// The exact values of the texts that the rules took as numbers. Val reads a text that is no number as 0,
// which the rules never compute with.
cpp_rational exactValueOf(std::string_view text, const Fields& fields, const Outcome& outcome)
{
    const auto value = exactValue(text);
    require(value.has_value(), "a text that a result is computed from is a number",
            [&] { return describe(fields, outcome) + ": " + fuzz::quoted(text) + " is none"; });
    return *value;
}

void checkModifiedReliability(const Fields& fields, const Outcome& outcome)
{
    const auto a = exactValueOf(fields.reliability, fields, outcome);
    const auto b = exactValueOf(fields.lengthChange, fields, outcome);
    const cpp_rational divisor = 1 + (b - 1) * a;
    require(divisor > 0, "the divisor of a computed modified reliability is above 0",
            [&] { return describe(fields, outcome); });
    const auto expected = roundedText(b * a / divisor, 4);
    require(outcome.text == expected, "a modified reliability is the exact value rounded half away from zero",
            [&] { return describe(fields, outcome) + ", expected " + fuzz::quoted(expected); });
}

void checkLengthChange(const Fields& fields, const Outcome& outcome)
{
    const auto a = exactValueOf(fields.reliability, fields, outcome);
    const auto ab = exactValueOf(fields.modifiedReliability, fields, outcome);
    const cpp_rational divisor = a * (1 - ab);
    require(divisor > 0, "the divisor of a computed length change is above 0",
            [&] { return describe(fields, outcome); });
    const auto expected = roundedText(ab * (1 - a) / divisor, 2);
    require(outcome.text == expected, "a length change is the exact value rounded half away from zero",
            [&] { return describe(fields, outcome) + ", expected " + fuzz::quoted(expected); });
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
        checkModifiedReliability(fields, outcome);
        break;
    case Kind::SetLengthChange:
        checkLengthChange(fields, outcome);
        break;
    case Kind::Message:
    case Kind::BeepThenMessage:
        require(outcome.text == expected.text, "a message is the one its rule shows, word for word",
                describeIt);
        break;
    }
    return 0;
}
