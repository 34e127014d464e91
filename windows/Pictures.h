// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Picture.h"

namespace quorvel {

// The program's pictures, each fetched from the resources by its id on first use and then kept.
platform::Picture LogoSm();  // the wordmark, About window
platform::Picture hat128();  // the mortar-board, About window
platform::Picture Q();       // the information badge, calculator window
platform::Picture Prop1();   // the prophecy mark beside r, About window
platform::Picture r();       // the italic r, About window
platform::Picture SBtitle(); // the title banner, calculator window
platform::Picture hat64();   // the small mortar-board, calculator window

} // namespace quorvel
