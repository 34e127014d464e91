// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace quorvel::platform {

// Writes a number with a fixed count of decimals, as the fields show it.
//
// A pattern is any number of '#' (digits shown only where significant), a point and one or more '0'
// (one per decimal shown): ".0000" gives 4 decimals, "##.00" gives 2. The integer part is written in
// full and without a leading zero: .8500, 2.00, 891.00, 39601.00.
//
// Rounding takes two steps, as a person reading the number would round it: first to 15 significant
// digits (all that a double holds reliably, so 0.09374999999999999 counts as 0.09375), then to the
// pattern's decimals with halves away from zero. A negative value keeps its sign unless it rounds to
// zero. Infinity and NaN, which the program never formats, give "inf", "-inf" and "nan".
//
// Throws std::invalid_argument for a pattern of any other form: that is a programming error.
std::string Format(double value, std::string_view pattern);

} // namespace quorvel::platform
