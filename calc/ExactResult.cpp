// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/ExactResult.h"

#include <cstdint>

namespace quorvel::calc {
namespace {

// Why 16 characters fit, with X = 10^16:
// - A plain decimal of at most 16 characters has at most 16 digits, so its digits read as an integer
//   M < X, and with k digits after the point (a point takes a character, so k <= 15) it is M / 10^k.
// - A fraction "x/y" of at most 16 characters has at most 15 digits in all. It is (Mx * 10^ky) /
//   (10^kx * My), and each of the two products is below 10^15.
//   So every text reads as n / d with 0 <= n < X and 0 < d < X, which an int64 holds (X < 2^63).
// - AB from A = an / ad and B = bn / bd is bn * an / (bd * (ad - an) + bn * an): the numerator is below
//   X^2, the denominator below 2 * X^2. B from A and AB = cn / cd is cn * (ad - an) / (an * (cd - cn)):
//   both below X^2.
// - Rounding p / q to D decimals forms 2 * p * 10^D + q. For D = 4 that is below 2 * 10^4 * X^2 + 2 * X^2,
//   about 2.0002 * 10^36, well below 2^127 - 1 (about 1.7 * 10^38). With 17 characters it could reach
//   2 * 10^38 and overflow: so longer texts take the double arithmetic instead.
static_assert(longestExactText == 16, "the overflow bound above holds for 16 characters");

__extension__ using Wide = __int128;

// A non-negative rational number; the denominator is above 0.
struct Ratio
{
    std::int64_t numerator;
    std::int64_t denominator;
};

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Digits with at most one point and at least one digit, the same texts Val reads as a plain decimal.
std::optional<Ratio> readPlainDecimal(std::string_view text)
{
    Ratio value{0, 1};
    bool seenPoint = false;
    bool seenDigit = false;
    for (const char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            seenDigit = true;
            value.numerator = value.numerator * 10 + (c - '0');
            if (seenPoint)
                value.denominator *= 10;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return value;
}

// A plain decimal or a fraction of two with a divisor other than 0, as Val reads them.
std::optional<Ratio> readExactly(std::string_view text)
{
    text = trimSpaces(text);
    if (text.size() > longestExactText)
        return std::nullopt;
    const auto slash = text.find('/');
    if (slash == std::string_view::npos)
        return readPlainDecimal(text);
    const auto dividend = readPlainDecimal(text.substr(0, slash));
    const auto divisor = readPlainDecimal(text.substr(slash + 1));
    if (!dividend || !divisor || divisor->numerator == 0)
        return std::nullopt;
    return Ratio{dividend->numerator * divisor->denominator, dividend->denominator * divisor->numerator};
}

bool isAboveZero(const Ratio& value)
{
    return value.numerator > 0;
}

bool isBelowOne(const Ratio& value)
{
    return value.numerator < value.denominator;
}

// Writes the digits of `value` so that they end at `end`, padded with zeros to at least `width`; returns
// where they start.
char* writeDigits(std::uint64_t value, char* end, int width)
{
    char* start = end;
    while (value != 0 || width > 0) {
        *--start = static_cast<char>('0' + value % 10);
        value /= 10;
        --width;
    }
    return start;
}

// `units` hundredths (for 2 decimals) or ten-thousandths (for 4) as Format writes them: no leading zero
// before the point, so 5 hundredths is ".05" and 225 is "2.25".
std::string fixedPointText(Wide units, int decimals)
{
    // 10^19, the largest power of ten an uint64 holds. units is below 10^37 (see the bound above), so
    // what lies above its lowest 19 digits fits an uint64 too. Typed inputs never reach 10^19.
    constexpr int chunkDigits = 19;
    constexpr std::uint64_t chunk = 10'000'000'000'000'000'000u;
    const bool oneChunk = units < Wide{chunk};
    const auto high = oneChunk ? 0 : static_cast<std::uint64_t>(units / chunk);
    const auto low = static_cast<std::uint64_t>(oneChunk ? units : units % chunk);
    char buffer[2 * chunkDigits];
    char* const end = buffer + sizeof buffer;
    const char* const pointAt = end - decimals;
    const char* const start =
        oneChunk ? writeDigits(low, end, decimals) : writeDigits(high, writeDigits(low, end, chunkDigits), 0);
    std::string text(start, pointAt);
    text += '.';
    text.append(pointAt, static_cast<std::size_t>(decimals));
    return text;
}

// p / q (p >= 0, q > 0) rounded half away from zero to `decimals` decimals.
std::string roundedText(Wide p, Wide q, int decimals)
{
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return fixedPointText((2 * p * scale + q) / (2 * q), decimals);
}

} // namespace

std::optional<std::string> exactModifiedReliability(std::string_view reliabilityText,
                                                    std::string_view lengthChangeText)
{
    const auto a = readExactly(reliabilityText);
    const auto b = readExactly(lengthChangeText);
    if (!a || !b || !isAboveZero(*a) || !isBelowOne(*a) || !isAboveZero(*b))
        return std::nullopt;
    const Wide p = Wide{b->numerator} * a->numerator;
    const Wide q = Wide{b->denominator} * (a->denominator - a->numerator) + p;
    return roundedText(p, q, 4);
}

std::optional<std::string> exactLengthChange(std::string_view reliabilityText,
                                             std::string_view modifiedReliabilityText)
{
    const auto a = readExactly(reliabilityText);
    const auto ab = readExactly(modifiedReliabilityText);
    if (!a || !ab || !isAboveZero(*a) || !isBelowOne(*a) || !isAboveZero(*ab) || !isBelowOne(*ab))
        return std::nullopt;
    const Wide p = Wide{ab->numerator} * (a->denominator - a->numerator);
    const Wide q = Wide{a->numerator} * (ab->denominator - ab->numerator);
    return roundedText(p, q, 2);
}

} // namespace quorvel::calc
