// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

namespace quorvel::platform {

// A font by the program's name for it, with its size in pixels (the layout was drawn where a point was
// a pixel): "System" (in any case) is the system's UI font, "Courier" its fixed-width font, "Times" a
// serif font; any other name is asked of the font system as it stands.
QFont fontNamed(const QString& name, int pixelSize, bool bold = false);

} // namespace quorvel::platform
