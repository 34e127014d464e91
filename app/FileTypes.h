// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::FileTypes {

// Declares the program's two document types, plain text and an untitled one, for the whole run.
void Initialize();

} // namespace quorvel::FileTypes
