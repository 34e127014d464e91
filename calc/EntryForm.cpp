// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/EntryForm.h"

#include "calc/KeyRule.h"
#include "platform/text/Asc.h"

namespace quorvel::calc {

bool filterKey(EntryForm& form, Field field, std::string_view key)
{
    if (field == Field::ModifiedReliability)
        form.setFieldText(Field::LengthChange, {});
    if (acceptsKey(platform::Asc(key)))
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
