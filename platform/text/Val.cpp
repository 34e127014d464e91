// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/text/Val.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace quorvel::platform {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// std::from_chars also takes signs, exponents, "inf" and "nan"; a typed number has none of them.
bool isPlainDecimal(std::string_view text)
{
    const auto digits = std::count_if(text.begin(), text.end(), isDigit);
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits > 0 && points <= 1 && digits + points == static_cast<std::ptrdiff_t>(text.size());
}

// The value of a plain decimal, correctly rounded. std::from_chars is exact and ignores the locale, but
// libc++ 13 (the browser build's, Emscripten 3.1.6) has it for integers only. There the C library is
// musl, whose strtod is exact too and reads "." in every locale; glibc's and the Windows runtime's strtod
// would read the user's decimal point, which Qt makes the program's.
std::optional<double> decimalValue(std::string_view text)
{
    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
#else
    const std::string terminated(text);
    char* end = nullptr;
    value = std::strtod(terminated.c_str(), &end);
    const bool underflowed = value == 0.0 && text.find_first_of("123456789") != std::string_view::npos;
    if (end != terminated.c_str() + terminated.size() || !std::isfinite(value) || underflowed)
        return std::nullopt;
#endif
    return value;
}

std::optional<double> parsePlainDecimal(std::string_view text)
{
    if (!isPlainDecimal(text))
        return std::nullopt;
    return decimalValue(text);
}

std::optional<double> parseFraction(std::string_view text)
{
    const auto slash = text.find('/');
    const auto numerator = parsePlainDecimal(text.substr(0, slash));
    const auto denominator = parsePlainDecimal(text.substr(slash + 1));
    if (!numerator || !denominator || *denominator == 0.0)
        return std::nullopt;
    return *numerator / *denominator;
}

} // namespace

double Val(std::string_view text)
{
    text = trimSpaces(text);
    const auto value =
        text.find('/') == std::string_view::npos ? parsePlainDecimal(text) : parseFraction(text);
    return value && std::isfinite(*value) ? *value : 0.0;
}

} // namespace quorvel::platform
