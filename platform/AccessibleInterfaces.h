// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::platform {

// Has screen readers see the program's own widgets through accessible interfaces of the program's own
// where Qt's fall short of what a reader needs. Safe to call more than once.
void installAccessibleInterfaces();

} // namespace quorvel::platform
