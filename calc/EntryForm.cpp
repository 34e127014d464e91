// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/EntryForm.h"

#include "calc/KeyRule.h"
#include "platform/text/Asc.h"

namespace quorvel::calc {

bool filterKey(EntryForm& form, Field field, std::string_view key)
{
    constexpr int tab = 9;
    const int code = platform::Asc(key);
    // Tab and Shift+Tab only move on, as they must on the keyboard's one way to Calculate: they type
    // nothing, so they keep the length change.
    if (field == Field::ModifiedReliability && code != tab)
        form.setFieldText(Field::LengthChange, {});
    if (acceptsKey(code))
        return false;
    form.beep();
    return true;
}

void clearFields(EntryForm& form)
{
    form.setFieldText(Field::Reliability, {});
    form.setFieldText(Field::LengthChange, {});
    form.setFieldText(Field::ModifiedReliability, {});
    form.focusField(Field::Reliability);
}

} // namespace quorvel::calc
