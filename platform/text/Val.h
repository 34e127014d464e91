// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace quorvel::platform {

// Reads a number typed into a field. Spaces around the text are ignored.
// - A plain decimal (digits with at most one point and at least one digit: ".75", "2", "100.") reads
//   as its value.
// - A fraction of two plain decimals ("30/40") reads as their quotient, so a length change can be typed
//   as new items over old items; a divisor of 0 makes the text unusable.
// - Anything else (signs, exponents, letters, "1.2.3", "1//2", the empty text) is unusable and reads 0,
//   as does a number too large for a double or too small to be told from 0.
// The result is always finite and never negative.
double Val(std::string_view text);

} // namespace quorvel::platform
