// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace quorvel::platform {

// The text with each control character written as an escape (\n, \t, \r, else \x1b and the like), so
// that a message echoing what the user typed can neither move the cursor nor colour the terminal.
QString escapeControlCharacters(QStringView text);

} // namespace quorvel::platform
