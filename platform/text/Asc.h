// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace quorvel::platform {

// The Unicode code point of the first character of a UTF-8 text; 0 for the empty text.
// A text that does not start with a well-formed UTF-8 sequence gives U+FFFD, the replacement character.
int Asc(std::string_view text);

} // namespace quorvel::platform
