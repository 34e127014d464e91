// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::platform {

// Has screen readers see the program's own widgets through accessible interfaces of the program's own
// where Qt's fall short of what a reader needs. Called once, by Runtime, as soon as the application
// object exists: before any widget, so that every widget a reader asks for gets the same interface.
void installAccessibleInterfaces();

} // namespace quorvel::platform
