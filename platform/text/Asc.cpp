// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/text/Asc.h"

namespace quorvel::platform {
namespace {

constexpr int replacementCharacter = 0xFFFD;

struct LeadByte
{
    int length;   // bytes in the sequence
    int payload;  // the code point bits the lead byte carries
    int smallest; // the smallest code point this length may encode (shorter forms are overlong)
};

constexpr LeadByte invalidLead{0, 0, 0};

LeadByte decodeLead(unsigned char byte)
{
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1F, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0F, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07, 0x10000};
    return invalidLead;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

bool isScalarValue(int code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

} // namespace

int Asc(std::string_view text)
{
    if (text.empty())
        return 0;
    const LeadByte lead = decodeLead(static_cast<unsigned char>(text[0]));
    if (lead.length == 0 || text.size() < static_cast<std::size_t>(lead.length))
        return replacementCharacter;
    int code = lead.payload;
    for (int i = 1; i < lead.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if (!isContinuation(byte))
            return replacementCharacter;
        code = (code << 6) | (byte & 0x3F);
    }
    return code >= lead.smallest && isScalarValue(code) ? code : replacementCharacter;
}

} // namespace quorvel::platform
