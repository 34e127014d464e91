// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::calc {

// Whether a number field takes a typed key, by the key's character code: Backspace (8), Tab (9), the
// point (46), the slash (47) and the digits (48 to 57) pass; every other code is refused.
bool acceptsKey(int code);

} // namespace quorvel::calc
