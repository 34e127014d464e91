// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// Prints what Calculate gives for a large sample of the numbers a user types, in both directions, with
// fractions and numbers too long for machine integers, and how the text services read and write them: a
// count and a digest of every outcome. Another build of the calculation (the browser's, with another C++
// library) must print the same lines (scripts/check-web.sh).

#include "calc/Calculation.h"
#include "platform/text/Format.h"
#include "platform/text/Val.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// The typed form of units / scale: no leading zero, no trailing zeros (".5", "12.25", "100").
std::string typed(int units, int scale)
{
    std::string text = units >= scale ? std::to_string(units / scale) : std::string();
    std::string decimals = std::to_string(scale + units % scale).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    return decimals.empty() ? text : text + '.' + decimals;
}

// FNV-1a over every outcome, in order.
class Digest
{
public:
    void add(std::string_view text)
    {
        for (const char c : text)
            m_hash = (m_hash ^ static_cast<unsigned char>(c)) * 0x100000001b3U;
        m_hash = (m_hash ^ 0xffU) * 0x100000001b3U;
        ++m_count;
    }
    void add(const quorvel::calc::Outcome& outcome)
    {
        add(std::to_string(static_cast<int>(outcome.kind)) + ' ' + outcome.text);
    }
    void print(const char* what) const
    {
        std::printf("%s: %llu results, digest %016llx\n", what, static_cast<unsigned long long>(m_count),
                    static_cast<unsigned long long>(m_hash));
    }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325U;
    std::uint64_t m_count = 0;
};

} // namespace

int main()
{
    using quorvel::calc::calculate;
    Digest forward;
    Digest backward;
    Digest text;
    // Every 7th reliability with four decimals against every 13th length change with two, and every 7th
    // pair of reliabilities: some three million presses.
    for (int a = 1; a < 10'000; a += 7) {
        const std::string reliability = typed(a, 10'000);
        for (int b = 1; b <= 10'000; b += 13)
            forward.add(calculate(reliability, typed(b, 100), ""));
        for (int ab = 3; ab < 10'000; ab += 7)
            backward.add(calculate(reliability, "", typed(ab, 10'000)));
    }
    // Fractions, and digits beyond what a double or a 64-bit integer holds.
    for (int items = 1; items <= 400; ++items)
        for (const char* original : {"40", "7", "13.5"})
            forward.add(calculate(".8", std::to_string(items) + '/' + original, ""));
    for (int digits = 1; digits <= 60; ++digits) {
        const std::string longReliability = '.' + std::string(static_cast<std::size_t>(digits), '7');
        forward.add(
            calculate(longReliability, "2." + std::string(static_cast<std::size_t>(digits), '5'), ""));
        backward.add(
            calculate(longReliability, "", ".9" + std::string(static_cast<std::size_t>(digits), '3')));
    }
    // Val and Format on their own, on values of every size.
    for (int n = 1; n <= 200'000; ++n) {
        const std::string written = typed(n * 37, 1000);
        text.add(quorvel::platform::Format(quorvel::platform::Val(written) / 7.0, ".0000"));
        text.add(quorvel::platform::Format(n * 1.0e-3 / 3.0, "##.00"));
    }
    forward.print("reliability of the modified test");
    backward.print("length change needed");
    text.print("text services");
    return 0;
}
