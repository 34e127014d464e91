// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "windows/Pictures.h"

namespace quorvel {
namespace {

using platform::Picture;
using platform::PictureSlot;

} // namespace

Picture LogoSm()
{
    static PictureSlot slot(168);
    return slot.get();
}

Picture hat128()
{
    static PictureSlot slot(169);
    return slot.get();
}

Picture Q()
{
    static PictureSlot slot(170);
    return slot.get();
}

Picture Prop1()
{
    static PictureSlot slot(171);
    return slot.get();
}

Picture r()
{
    static PictureSlot slot(172);
    return slot.get();
}

Picture SBtitle()
{
    static PictureSlot slot(173);
    return slot.get();
}

Picture hat64()
{
    static PictureSlot slot(174);
    return slot.get();
}

} // namespace quorvel
