// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace quorvel::calc {

// The three number fields of the calculator.
enum class Field {
    Reliability,         // reliability of the original test
    LengthChange,        // proportional change in test length
    ModifiedReliability, // reliability of the modified test
};

// What the entry rules need of the window that holds the fields.
class EntryForm
{
public:
    virtual ~EntryForm() = default;
    virtual void setFieldText(Field field, std::string_view text) = 0;
    virtual void focusField(Field field) = 0;
    virtual void beep() = 0;
};

// A key typed into `field`, as its one-character UTF-8 text, before the field takes it. Refused keys
// sound the alert. Any key in the modified-reliability field but Tab (9, also Shift+Tab) first empties the
// length-change field, so that the next Calculate works out the length change. Returns true when the key
// is to be swallowed.
bool filterKey(EntryForm& form, Field field, std::string_view key);

// Empties the three fields, in order, and puts the focus into the reliability field.
void clearFields(EntryForm& form);

} // namespace quorvel::calc
