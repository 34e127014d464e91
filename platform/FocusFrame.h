// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QRect;

namespace quorvel::platform {

// Draws the keyboard focus of a control, the same in every style: a navy line two pixels wide along
// the inside of the control's edge, with a white line inside it. The navy line stands 16:1 against the
// white page and 4:1 against a field's grey outline; where a dark control or picture meets the edge,
// the white line stands out from it. The styles' own focus looks were too faint for a low-vision user
// (a pale fill, a one-pixel line barely darker than the frame) or dotted.
void drawFocusFrame(QPainter& painter, const QRect& area);

} // namespace quorvel::platform
