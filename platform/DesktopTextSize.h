// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::platform {

// The program's layout is fixed in pixels, so a larger desktop text size (see os::desktopTextScale)
// grows every window as a whole, layout, pictures and text together, as display scaling does: the
// factor is Qt's scale factor. The windows never shrink below their drawn size, and a scale factor
// that the user sets with QT_SCALE_FACTOR wins: then the desktop's text size adds nothing.
double desktopTextScaleFactor();

// Sets Qt's scale factor to the desktop's text scale; call before the application object exists.
// Returns the factor set, 1 for none.
double scaleWithDesktopText();

// Qt reads the desktop's font, for the menu bar and message boxes, at the user's size already; scaled
// once more it would come out too large. It goes back to the desktop's default size, which the scale
// factor then brings to the user's.
void keepDesktopFontAtUsersSize(double factor);

} // namespace quorvel::platform
