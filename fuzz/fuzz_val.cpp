// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// Val against a reading of its own: strtod on the texts the program accepts, 0 for every other text.

#include "fuzz/FuzzCheck.h"
#include "platform/text/Val.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

using quorvel::fuzz::fail;
using quorvel::fuzz::numberText;
using quorvel::fuzz::quoted;
using quorvel::fuzz::require;

namespace {

std::string_view trimmedOfSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isPlainDecimal(std::string_view text)
{
    const auto points = std::count(text.begin(), text.end(), '.');
    return std::any_of(text.begin(), text.end(), isDigit) && points <= 1 &&
           std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '.'; });
}

// strtod rounds correctly as well; a value beyond a double reads 0 in the program.
std::optional<double> decimalValue(std::string_view text)
{
    if (!isPlainDecimal(text))
        return std::nullopt;
    const std::string terminated(text);
    const double value = std::strtod(terminated.c_str(), nullptr);
    return std::isinf(value) ? 0.0 : value;
}

double expectedReading(std::string_view text)
{
    text = trimmedOfSpaces(text);
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return decimalValue(text).value_or(0.0);
    const auto numerator = decimalValue(text.substr(0, slash));
    const auto denominator = decimalValue(text.substr(slash + 1));
    if (!numerator || !denominator || *denominator == 0.0)
        return 0.0;
    const double quotient = *numerator / *denominator;
    return std::isfinite(quotient) ? quotient : 0.0;
}

double readOrStop(std::string_view text)
{
    try {
        return quorvel::platform::Val(text);
    } catch (...) {
        fail("Val never throws", "text " + quoted(text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = readOrStop(text);
    const auto detail = [&] { return "text " + quoted(text) + " read as " + numberText(value); };

    require(std::isfinite(value) && value >= 0.0, "Val gives a finite, non-negative number", detail);
    const double expected = expectedReading(text);
    require(value == expected, "Val reads plain decimals and their fractions, and 0 for anything else",
            [&] { return detail() + ", expected " + numberText(expected); });
    return 0;
}
