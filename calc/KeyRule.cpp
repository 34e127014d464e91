// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/KeyRule.h"

namespace quorvel::calc {

bool acceptsKey(int code)
{
    constexpr int backspace = 8;
    constexpr int tab = 9;
    // One pair of bounds around the point, the slash and the digits; the minus sign (45) is just below.
    return (code > 45 && code < 58) || code == backspace || code == tab;
}

} // namespace quorvel::calc
