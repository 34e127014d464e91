// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/text/Format.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace quorvel::platform {
namespace {

constexpr int significantDigits = 15;

std::size_t decimalsOf(std::string_view pattern)
{
    const auto point = pattern.find('.');
    const auto integerPart = pattern.substr(0, point);
    const auto decimalPart = point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const bool valid = !decimalPart.empty() && integerPart.find_first_not_of('#') == std::string_view::npos &&
                       decimalPart.find_first_not_of('0') == std::string_view::npos;
    if (!valid)
        throw std::invalid_argument("Format: unsupported pattern \"" + std::string(pattern) + '"');
    return decimalPart.size();
}

// The value's digits rounded to 15 significant ones, with the position of the decimal point among them.
struct Decimal
{
    std::string digits;
    long pointAt = 0; // count of digits before the point; may be negative or exceed digits.size()
};

Decimal toSignificantDigits(double magnitude)
{
    // printf's %e is correctly rounded in every C library the program is built with (glibc, MinGW-w64's
    // own, Emscripten's musl), where std::to_chars with a precision is missing from some (libc++ 13).
    // Only the digits are read, so the locale's decimal point does not matter.
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", significantDigits - 1, magnitude);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(length));
    const auto exponentAt = text.find('e');
    Decimal decimal;
    for (char c : text.substr(0, exponentAt))
        if (c >= '0' && c <= '9')
            decimal.digits += c;
    decimal.pointAt = std::strtol(text.data() + exponentAt + 1, nullptr, 10) + 1;
    return decimal;
}

// Lines the digits up so that exactly `decimals` + 1 digits follow the point and the point is inside.
void alignDigits(Decimal& decimal, std::size_t decimals)
{
    if (decimal.pointAt < 0) {
        decimal.digits.insert(0, static_cast<std::size_t>(-decimal.pointAt), '0');
        decimal.pointAt = 0;
    }
    const auto wanted = static_cast<std::size_t>(decimal.pointAt) + decimals + 1;
    decimal.digits.resize(wanted, '0');
}

// Drops the last digit, rounding half away from zero into the rest.
void roundOffLastDigit(Decimal& decimal)
{
    const bool roundUp = decimal.digits.back() >= '5';
    decimal.digits.pop_back();
    if (!roundUp)
        return;
    for (auto it = decimal.digits.rbegin(); it != decimal.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    decimal.digits.insert(decimal.digits.begin(), '1');
    ++decimal.pointAt;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "nan";
    return value < 0 ? "-inf" : "inf";
}

} // namespace

std::string Format(double value, std::string_view pattern)
{
    const auto decimals = decimalsOf(pattern);
    if (!std::isfinite(value))
        return nonFiniteText(value);

    Decimal decimal = toSignificantDigits(std::fabs(value));
    alignDigits(decimal, decimals);
    roundOffLastDigit(decimal);

    const auto pointAt = static_cast<std::size_t>(decimal.pointAt);
    std::string integerPart = decimal.digits.substr(0, pointAt);
    integerPart.erase(0, integerPart.find_first_not_of('0'));
    const std::string decimalPart = decimal.digits.substr(pointAt);

    const bool isZero = integerPart.empty() && decimalPart.find_first_not_of('0') == std::string::npos;
    const std::string sign = value < 0 && !isZero ? "-" : "";
    return sign + integerPart + '.' + decimalPart;
}

} // namespace quorvel::platform
