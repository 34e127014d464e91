// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace quorvel::calc {

// The Spearman-Brown results worked out exactly, in arbitrary-precision integers.
//
// A text that Val reads as a plain decimal (".9856", "2", " 12.5 ") or as a fraction of two plain
// decimals ("30/40") stands for an exact rational number, whatever its length, and so does the formula's
// result for such texts. These functions compute that result and round it half away from zero to the
// decimals the field shows, written as Format writes it: ".8889", ".05", "2.25", "891.00". Double
// arithmetic cannot promise this: a text with more digits than a double holds is read slightly off,
// when AB is near 1, 1 - AB cancels digits, and a length change that is exactly a half in its third
// decimal (.375) can land just below the half and be shown one unit too low.
//
// Each text is trimmed of spaces as Val does. The texts must be ones that Val reads within the formula's
// range, as stated per function; any other text throws std::invalid_argument, a programming error. A text
// that Val reads within the range lies within it exactly too: rounding a decimal to a double never
// carries it across 0 or 1, and neither does rounding a quotient of two.

// The reliability of the modified test, AB = B * A / (1 + (B - 1) * A), with four decimals (".0000").
// For 0 < A < 1 and B > 0.
std::string exactModifiedReliability(std::string_view reliabilityText, std::string_view lengthChangeText);

// The proportional change in length, B = AB * (1 - A) / (A * (1 - AB)), with two decimals ("##.00").
// For 0 < A < 1 and 0 < AB < 1.
std::string exactLengthChange(std::string_view reliabilityText, std::string_view modifiedReliabilityText);

} // namespace quorvel::calc
