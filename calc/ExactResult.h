// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::calc {

// The Spearman-Brown results worked out exactly, in integers.
//
// A text that Val reads as a plain decimal (".9856", "2", " 12.5 ") or as a fraction of two plain
// decimals ("30/40") stands for an exact rational number, and so does the formula's result for such
// texts. These functions compute that result and round it half away from zero to the decimals the field
// shows, written as Format writes it: ".8889", ".05", "2.25", "891.00". Double arithmetic cannot promise
// this: when AB is near 1, 1 - AB cancels digits, and a length change that is exactly a half in its
// third decimal (.375) can land just below the half and be shown one unit too low.
//
// Each text is trimmed of spaces as Val does. A text of up to `longestExactText` characters after
// trimming is read exactly: that covers every text a user can type or paste (five characters) and every
// text the program writes (at most eleven, "99980001.00"). For a longer text, a text Val does not read,
// or inputs outside the formula's range, they give no text; the caller then uses double arithmetic.
inline constexpr std::size_t longestExactText = 16;

// The reliability of the modified test, AB = B * A / (1 + (B - 1) * A), with four decimals (".0000").
// Gives a text only for 0 < A < 1 and B > 0.
std::optional<std::string> exactModifiedReliability(std::string_view reliabilityText,
                                                    std::string_view lengthChangeText);

// The proportional change in length, B = AB * (1 - A) / (A * (1 - AB)), with two decimals ("##.00").
// Gives a text only for 0 < A < 1 and 0 < AB < 1.
std::optional<std::string> exactLengthChange(std::string_view reliabilityText,
                                             std::string_view modifiedReliabilityText);

} // namespace quorvel::calc
