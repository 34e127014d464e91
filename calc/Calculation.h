// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace quorvel::calc {

// What pressing Calculate does: exactly one of these.
struct Outcome
{
    enum class Kind {
        SetModifiedReliability, // write `text` into the modified-reliability field
        SetLengthChange,        // write `text` into the length-change field
        Message,                // show `text` in a message box
        BeepThenMessage,        // sound the alert, then show `text` in a message box
    };

    Kind kind;
    std::string text;

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

inline constexpr std::string_view lengthChangeOutOfRange = "Proportional change must range from .01 to 100.";
inline constexpr std::string_view currentReliabilityOutOfRange =
    "Current reliability must range from .01 to .99.";
inline constexpr std::string_view modifiedReliabilityOutOfRange =
    "Modified test reliability must range from .01 to .99.";
inline constexpr std::string_view missingInput =
    "Enter reliability of original test and proportion change to get reliability of modified test. "
    "Alternatively, enter reliability of original and modified tests to get proportion change needed.";

// The Spearman-Brown formula in whichever direction the filled-in fields ask for.
//
// Takes the texts of the three fields: the reliability of the original test (A), the proportional change
// in its length (B) and the reliability of the modified test (AB). Each is read with Val, so an empty or
// unusable text counts as not filled in. With A and B above 0 it computes AB (".0000"); else with A and
// AB above 0 it computes B ("##.00"); out-of-range and missing inputs give one of the four messages.
//
// Which of these a press gives is decided on the Val values. A computed text is the true value of the
// formula on the texts as written, of any length, rounded half away from zero (see ExactResult.h).
Outcome calculate(std::string_view reliabilityText, std::string_view lengthChangeText,
                  std::string_view modifiedReliabilityText);

} // namespace quorvel::calc
