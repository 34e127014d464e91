// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quorvel::fuzz {

// Stops the run on a broken property. libFuzzer takes the abort as a crash and saves the input, and the
// message says which property broke for which input.
[[noreturn]] inline void fail(std::string_view property, const std::string& detail)
{
    std::fprintf(stderr, "\n*** property broken: %.*s\n*** %s\n", static_cast<int>(property.size()),
                 property.data(), detail.c_str());
    std::abort();
}

// `describe` builds the detail only when the property breaks, so passing runs stay fast.
template <typename Describe> void require(bool holds, std::string_view property, Describe describe)
{
    if (!holds)
        fail(property, describe());
}

// A text in double quotes with its unprintable bytes as \xNN, so a report shows exactly what was read.
inline std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            result += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        result += escaped;
    }
    return result + '"';
}

// A number with all the digits that tell it apart from its neighbours.
inline std::string numberText(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return text;
}

} // namespace quorvel::fuzz
