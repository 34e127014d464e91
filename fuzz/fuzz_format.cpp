// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// Format on doubles made from the fuzzer's bytes: the shape of the text, how far it is from the value,
// that it reads back to itself, the sign, the words for infinity and NaN, and which patterns it refuses.
// Input: 8 bytes of value, 1 byte saying how to build the value, then an optional pattern to try.

#include "fuzz/FuzzCheck.h"
#include "platform/text/Format.h"
#include "platform/text/Val.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

using quorvel::fuzz::numberText;
using quorvel::fuzz::quoted;
using quorvel::fuzz::require;
using quorvel::platform::Format;
using quorvel::platform::Val;

namespace {

constexpr std::string_view fieldPatterns[] = {".0000", "##.00"};

// Raw bits reach every double but seldom the short decimals the program writes, so half of the inputs
// build such a decimal instead: up to 15 digits over a power of ten, halves like 2.675 included.
double valueFrom(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));
    const std::uint8_t mode = size > sizeof bits ? data[sizeof bits] : 0;
    if (mode % 2 == 0)
        return std::bit_cast<double>(bits);
    const double digits = static_cast<double>(bits % 1'000'000'000'000'000);
    const double decimal = digits / std::pow(10.0, (mode / 2) % 19);
    return mode >= 0x80 ? -decimal : decimal;
}

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The form Format promises: '#'s, a point and at least one '0'.
bool isKnownPattern(std::string_view pattern)
{
    const auto point = pattern.find('.');
    if (point == std::string_view::npos || point + 1 == pattern.size())
        return false;
    const auto hashes = pattern.substr(0, point);
    const auto zeros = pattern.substr(point + 1);
    return std::all_of(hashes.begin(), hashes.end(), [](char c) { return c == '#'; }) &&
           std::all_of(zeros.begin(), zeros.end(), [](char c) { return c == '0'; });
}

std::size_t decimalsOf(std::string_view pattern)
{
    return pattern.size() - pattern.find('.') - 1;
}

void checkShape(double value, std::string_view pattern, const std::string& text)
{
    const auto describe = [&] {
        return "Format(" + numberText(value) + ", " + quoted(pattern) + ") = " + quoted(text);
    };
    const auto point = text.find('.');
    require(point != std::string::npos && text.find('.', point + 1) == std::string::npos,
            "a formatted number has exactly one point", describe);
    const std::string_view integerPart = std::string_view(text).substr(0, point);
    const std::string_view decimalPart = std::string_view(text).substr(point + 1);
    require(allDigits(decimalPart) && decimalPart.size() == decimalsOf(pattern),
            "a formatted number has the pattern's count of decimals", describe);
    require(allDigits(integerPart) && !integerPart.starts_with('0'),
            "the integer part is digits without a leading zero", describe);
}

// Both steps of rounding together move the value by at most half the last decimal place, plus the
// part of the 15th significant digit that the first step drops.
void checkCloseness(double value, std::string_view pattern, const std::string& text, double reading)
{
    const long double halfPlace = 0.5L * std::pow(10.0L, -static_cast<long double>(decimalsOf(pattern)));
    const long double allowed = halfPlace + std::fabs(static_cast<long double>(value)) * 1e-14L;
    require(std::fabs(static_cast<long double>(reading) - value) <= allowed,
            "the text is the value rounded to the pattern's decimals", [&] {
                return "Format(" + numberText(value) + ") = " + quoted(text) + ", off by more than " +
                       numberText(allowed);
            });
}

void checkReadsBackToItself(std::string_view pattern, const std::string& text, double reading)
{
    const std::string again = Format(reading, pattern);
    require(again == text, "formatting the reading of a formatted text gives the same text", [&] {
        return quoted(text) + " read as " + numberText(reading) + " formats as " + quoted(again);
    });
}

void checkNonNegative(double value, std::string_view pattern)
{
    const std::string text = Format(value, pattern);
    checkShape(value, pattern, text);
    // Rounding to 15 digits can carry just past the largest double: such a text has no reading.
    if (std::isinf(std::strtod(text.c_str(), nullptr)))
        return;
    const double reading = Val(text);
    checkCloseness(value, pattern, text, reading);
    checkReadsBackToItself(pattern, text, reading);
}

void checkNegative(double value, std::string_view pattern)
{
    const std::string text = Format(value, pattern);
    const std::string magnitude = Format(-value, pattern);
    const bool roundsToZero = magnitude.find_first_not_of("0.") == std::string::npos;
    require(text == (roundsToZero ? magnitude : '-' + magnitude),
            "a negative value keeps its sign unless it rounds to zero", [&] {
                return "Format(" + numberText(value) + ") = " + quoted(text) + ", of its magnitude " +
                       quoted(magnitude);
            });
}

void checkNonFinite(double value, std::string_view pattern)
{
    const std::string text = Format(value, pattern);
    const std::string expected = std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    require(text == expected, "infinity and NaN are written as words",
            [&] { return "Format(" + numberText(value) + ") = " + quoted(text); });
}

void checkValue(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        checkNonFinite(value, pattern);
    else if (std::signbit(value))
        checkNegative(value, pattern);
    else
        checkNonNegative(value, pattern);
}

void checkPattern(double value, std::string_view pattern)
{
    if (isKnownPattern(pattern)) {
        if (std::isfinite(value))
            checkShape(value, pattern, Format(std::fabs(value), pattern));
        return;
    }
    bool refused = false;
    try {
        Format(value, pattern);
    } catch (const std::invalid_argument&) {
        refused = true;
    }
    require(refused, "a pattern of another form is refused with std::invalid_argument",
            [&] { return "pattern " + quoted(pattern); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double value = valueFrom(data, size);
    for (const auto pattern : fieldPatterns)
        checkValue(value, pattern);

    constexpr std::size_t patternStart = sizeof(std::uint64_t) + 1;
    if (size > patternStart)
        checkPattern(value, {reinterpret_cast<const char*>(data) + patternStart, size - patternStart});
    return 0;
}
