// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/ExactResult.h"

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <charconv>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quorvel::calc {
namespace {

// The computation runs first on Boost's 128-bit integer, which reports an overflow instead of wrapping;
// only then again on cpp_int, which grows as far as the texts need. Either way the result is the exact
// one. The values of every text a user types or the program writes fit in 128 bits, where the fixed
// width makes the whole calculation twice as fast as on cpp_int alone, whose arithmetic is written for
// any length (though it too keeps values of up to 128 bits inside the object, off the heap).
using Narrow = boost::multiprecision::checked_int128_t;
using Wide = boost::multiprecision::cpp_int;

// A non-negative rational number; the denominator is above 0.
template <class Integer> struct Ratio
{
    Integer numerator;
    Integer denominator;
};

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isDigits(std::string_view text)
{
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// 10^0 to 10^19: the powers of ten an uint64 holds.
constexpr auto powersOfTen = [] {
    std::array<std::uint64_t, 20> powers{1};
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();
constexpr std::size_t chunkDigits = powersOfTen.size() - 1;

// 10^exponent. Not Boost's pow(): on cpp_int it returns an expression that still refers to a temporary
// of its own, destroyed by then.
template <class Integer> Integer powerOfTen(std::size_t exponent)
{
    Integer power = 1;
    for (; exponent > chunkDigits; exponent -= chunkDigits)
        power *= powersOfTen[chunkDigits];
    power *= powersOfTen[exponent];
    return power;
}

// Appends the decimal digits of `digits` to `value`, 19 at a time, so that a long text costs one
// multiplication per 19 digits.
template <class Integer> void appendDigits(Integer& value, std::string_view digits)
{
    for (std::size_t at = 0; at < digits.size(); at += chunkDigits) {
        const auto chunk = digits.substr(at, chunkDigits);
        std::uint64_t chunkValue = 0;
        std::from_chars(chunk.data(), chunk.data() + chunk.size(), chunkValue);
        value = value * powersOfTen[chunk.size()] + chunkValue;
    }
}

// The decimal digits of `value` (>= 0), 19 at a time from the lowest. Boost's str() would write a value
// of one limb through lexical_cast, which takes as long as the rest of the calculation together.
template <class Integer> std::string digitsOf(Integer value)
{
    const Integer chunk = powersOfTen[chunkDigits];
    std::vector<std::uint64_t> lowerChunks;
    while (value >= chunk) {
        Integer quotient;
        Integer remainder;
        boost::multiprecision::divide_qr(value, chunk, quotient, remainder);
        lowerChunks.push_back(static_cast<std::uint64_t>(remainder));
        value = std::move(quotient);
    }
    std::string text = std::to_string(static_cast<std::uint64_t>(value));
    for (auto lower = lowerChunks.rbegin(); lower != lowerChunks.rend(); ++lower) {
        const std::string digits = std::to_string(*lower);
        text.append(chunkDigits - digits.size(), '0').append(digits);
    }
    return text;
}

// Digits with at most one point and at least one digit, the same texts Val reads as a plain decimal.
template <class Integer> std::optional<Ratio<Integer>> readPlainDecimal(std::string_view text)
{
    const auto point = text.find('.');
    const auto whole = text.substr(0, point);
    const auto decimals = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && decimals.empty())
        return std::nullopt;
    if (!isDigits(whole) || !isDigits(decimals))
        return std::nullopt;
    Ratio<Integer> value{0, powerOfTen<Integer>(decimals.size())};
    appendDigits(value.numerator, whole);
    appendDigits(value.numerator, decimals);
    return value;
}

// A plain decimal or a fraction of two with a divisor other than 0, as Val reads them.
template <class Integer> Ratio<Integer> readExactly(std::string_view text)
{
    text = trimSpaces(text);
    const auto slash = text.find('/');
    std::optional<Ratio<Integer>> value;
    if (slash == std::string_view::npos) {
        value = readPlainDecimal<Integer>(text);
    } else {
        const auto dividend = readPlainDecimal<Integer>(text.substr(0, slash));
        const auto divisor = readPlainDecimal<Integer>(text.substr(slash + 1));
        if (dividend && divisor && divisor->numerator != 0)
            value = Ratio<Integer>{dividend->numerator * divisor->denominator,
                                   dividend->denominator * divisor->numerator};
    }
    if (!value)
        throw std::invalid_argument("not a number: \"" + std::string(text) + '"');
    return std::move(*value);
}

template <class Integer> bool isAboveZero(const Ratio<Integer>& value)
{
    return value.numerator > 0;
}

template <class Integer> bool isBelowOne(const Ratio<Integer>& value)
{
    return value.numerator < value.denominator;
}

void requireRange(bool inRange)
{
    if (!inRange)
        throw std::invalid_argument("outside the formula's range");
}

// p / q (p >= 0, q > 0) rounded half away from zero to `decimals` decimals, written as Format writes it:
// no leading zero before the point, so 5 hundredths is ".05" and 225 is "2.25".
template <class Integer> std::string roundedText(const Integer& p, const Integer& q, int decimals)
{
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const Integer units = (2 * p * scale + q) / (2 * q);
    std::string digits = digitsOf(units);
    const auto decimalCount = static_cast<std::size_t>(decimals);
    if (digits.size() < decimalCount)
        digits = std::string(decimalCount - digits.size(), '0') + digits;
    const auto pointAt = digits.size() - decimalCount;
    return digits.substr(0, pointAt) + '.' + digits.substr(pointAt);
}

template <class Integer>
std::string modifiedReliability(std::string_view reliabilityText, std::string_view lengthChangeText)
{
    const auto a = readExactly<Integer>(reliabilityText);
    const auto b = readExactly<Integer>(lengthChangeText);
    requireRange(isAboveZero(a) && isBelowOne(a) && isAboveZero(b));
    const Integer p = b.numerator * a.numerator;
    const Integer q = b.denominator * (a.denominator - a.numerator) + p;
    return roundedText(p, q, 4);
}

template <class Integer>
std::string lengthChange(std::string_view reliabilityText, std::string_view modifiedReliabilityText)
{
    const auto a = readExactly<Integer>(reliabilityText);
    const auto ab = readExactly<Integer>(modifiedReliabilityText);
    requireRange(isAboveZero(a) && isBelowOne(a) && isAboveZero(ab) && isBelowOne(ab));
    const Integer p = ab.numerator * (a.denominator - a.numerator);
    const Integer q = a.numerator * (ab.denominator - ab.numerator);
    return roundedText(p, q, 2);
}

} // namespace

std::string exactModifiedReliability(std::string_view reliabilityText, std::string_view lengthChangeText)
{
    try {
        return modifiedReliability<Narrow>(reliabilityText, lengthChangeText);
    } catch (const std::overflow_error&) {
        return modifiedReliability<Wide>(reliabilityText, lengthChangeText);
    }
}

std::string exactLengthChange(std::string_view reliabilityText, std::string_view modifiedReliabilityText)
{
    try {
        return lengthChange<Narrow>(reliabilityText, modifiedReliabilityText);
    } catch (const std::overflow_error&) {
        return lengthChange<Wide>(reliabilityText, modifiedReliabilityText);
    }
}

} // namespace quorvel::calc
