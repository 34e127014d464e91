// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// Every pair of numbers a user can type, in both directions, through calculate: each shown text must be
// the true value rounded half away from zero, worked out here in integers from the closed form, and each
// outcome must be the one the double arithmetic decides. About 200 million calls: run on two threads, in
// a release build, and kept out of sanitizer runs by its CTest label "exhaustive".

#include "calc/Calculation.h"

#include <QTest>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using quorvel::calc::calculate;
using quorvel::calc::Outcome;
using Kind = Outcome::Kind;

namespace {

// A reliability is typed with up to four decimals (.0001 to .9999), a length change with up to two
// (.01 to 100): as whole ten-thousandths and hundredths.
constexpr std::int64_t reliabilityScale = 10'000;
constexpr std::int64_t lengthChangeScale = 100;
constexpr std::int64_t largestLengthChange = 100 * lengthChangeScale;

// A number as a user types it: no trailing zeros and no leading zero (".5", ".0001", "12.5", "100").
// Kept in a fixed buffer, since the sweep reads each one millions of times.
class TypedText
{
public:
    TypedText(std::int64_t units, std::int64_t scale)
    {
        std::string text = std::to_string(units / scale);
        if (text == "0")
            text.clear();
        std::string decimals = std::to_string(scale + units % scale).substr(1);
        decimals.erase(decimals.find_last_not_of('0') + 1);
        if (!decimals.empty())
            text += '.' + decimals;
        m_size = text.copy(m_chars.data(), m_chars.size());
        m_value = std::strtod(text.c_str(), nullptr);
    }

    std::string_view text() const { return {m_chars.data(), m_size}; }
    // The value as a double, as the program's arithmetic starts from it.
    double value() const { return m_value; }

private:
    std::array<char, 8> m_chars{};
    std::size_t m_size = 0;
    double m_value = 0;
};

std::vector<TypedText> typedTexts(std::int64_t largest, std::int64_t scale)
{
    std::vector<TypedText> texts;
    for (std::int64_t units = 1; units <= largest; ++units)
        texts.emplace_back(units, scale);
    return texts;
}

// numerator / denominator (both positive) rounded half away from zero to `decimals` decimals and written
// as the fields show it (".8889", ".05", "2.25", "891.00"), into the end of `buffer`.
std::string_view roundedText(std::int64_t numerator, std::int64_t denominator, int decimals,
                             std::array<char, 24>& buffer)
{
    for (int i = 0; i < decimals; ++i)
        numerator *= 10;
    std::int64_t units = numerator / denominator;
    if (2 * (numerator % denominator) >= denominator)
        ++units;
    char* const end = buffer.data() + buffer.size();
    char* start = end;
    int digits = 0;
    do {
        *--start = static_cast<char>('0' + units % 10);
        units /= 10;
        if (++digits == decimals)
            *--start = '.';
    } while (units != 0 || digits < decimals);
    return {start, static_cast<std::size_t>(end - start)};
}

// The outcome that the rules give on the double values, as the program has always decided it.
Kind referenceKind(double a, double b, double ab)
{
    if (a > 0 && b > 0)
        return b > 100 || a >= 1 ? Kind::Message : Kind::SetModifiedReliability;
    if (ab > 0 && a > 0) {
        const bool inRange = ab < 1 && a < 1 && std::isfinite((ab * (1 - a)) / (a * (1 - ab)));
        return inRange ? Kind::SetLengthChange : Kind::Message;
    }
    return Kind::BeepThenMessage;
}

const char* nameOf(Kind kind)
{
    static constexpr const char* names[] = {"SetModifiedReliability", "SetLengthChange", "Message",
                                            "BeepThenMessage"};
    return names[static_cast<int>(kind)];
}

// What a sweep found, counted across threads, with the first few cases spelled out.
class Findings
{
public:
    void compare(std::string_view a, std::string_view b, std::string_view ab, const Outcome& outcome,
                 Kind expectedKind, std::string_view expectedText)
    {
        if (outcome.kind != expectedKind)
            ++m_otherOutcomes;
        else if (outcome.text != expectedText)
            ++m_misrounded;
        else
            return;
        const std::lock_guard lock(m_mutex);
        if (m_examples.size() < 10)
            m_examples.push_back("A \"" + std::string(a) + "\", B \"" + std::string(b) + "\", AB \"" +
                                 std::string(ab) + "\" gave " + nameOf(outcome.kind) + " \"" + outcome.text +
                                 "\", expected " + nameOf(expectedKind) + " \"" + std::string(expectedText) +
                                 '"');
    }

    bool empty() const { return m_misrounded == 0 && m_otherOutcomes == 0; }

    std::string report(std::int64_t pairs) const
    {
        std::string text = std::to_string(pairs) + " pairs: " + std::to_string(m_misrounded) +
                           " misrounded, " + std::to_string(m_otherOutcomes) + " with another outcome";
        for (const auto& example : m_examples)
            text += "\n  " + example;
        return text;
    }

private:
    std::atomic<std::int64_t> m_misrounded = 0;
    std::atomic<std::int64_t> m_otherOutcomes = 0;
    std::mutex m_mutex;
    std::vector<std::string> m_examples;
};

// Runs `check(first)` for each first value on two threads, taking the values in turn.
template <class Check> void onTwoThreads(std::size_t firstCount, Check check)
{
    const auto part = [&](std::size_t offset) {
        for (std::size_t first = offset; first < firstCount; first += 2)
            check(first);
    };
    std::thread other(part, 1);
    part(0);
    other.join();
}

} // namespace

class ExactRounding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTypedReliabilityAndLengthChange_showsTheTrueModifiedReliability();
    void everyTwoTypedReliabilities_showTheTrueLengthChange();

private:
    const std::vector<TypedText> m_reliabilities = typedTexts(reliabilityScale - 1, reliabilityScale);
    const std::vector<TypedText> m_lengthChanges = typedTexts(largestLengthChange, lengthChangeScale);
};

// A = i / 10^4 and B = j / 10^2 give AB = B * A / (1 + (B - 1) * A) = i * j / (10^2 * (10^4 - i) + i * j).
void ExactRounding::everyTypedReliabilityAndLengthChange_showsTheTrueModifiedReliability()
{
    Findings findings;
    onTwoThreads(m_reliabilities.size(), [&](std::size_t aIndex) {
        const TypedText& a = m_reliabilities[aIndex];
        const auto i = static_cast<std::int64_t>(aIndex) + 1;
        std::array<char, 24> buffer;
        for (std::size_t bIndex = 0; bIndex < m_lengthChanges.size(); ++bIndex) {
            const TypedText& b = m_lengthChanges[bIndex];
            const auto j = static_cast<std::int64_t>(bIndex) + 1;
            const auto outcome = calculate(a.text(), b.text(), "");
            const auto expected =
                roundedText(i * j, lengthChangeScale * (reliabilityScale - i) + i * j, 4, buffer);
            findings.compare(a.text(), b.text(), "", outcome, referenceKind(a.value(), b.value(), 0),
                             expected);
        }
    });
    const auto pairs = static_cast<std::int64_t>(m_reliabilities.size() * m_lengthChanges.size());
    QCOMPARE(pairs, 99'990'000);
    qInfo("%s", findings.report(pairs).c_str());
    QVERIFY2(findings.empty(), findings.report(pairs).c_str());
}

// A = i / 10^4 and AB = k / 10^4 give B = AB * (1 - A) / (A * (1 - AB)) = k * (10^4 - i) / (i * (10^4 - k)).
void ExactRounding::everyTwoTypedReliabilities_showTheTrueLengthChange()
{
    Findings findings;
    onTwoThreads(m_reliabilities.size(), [&](std::size_t aIndex) {
        const TypedText& a = m_reliabilities[aIndex];
        const auto i = static_cast<std::int64_t>(aIndex) + 1;
        std::array<char, 24> buffer;
        for (std::size_t abIndex = 0; abIndex < m_reliabilities.size(); ++abIndex) {
            const TypedText& ab = m_reliabilities[abIndex];
            const auto k = static_cast<std::int64_t>(abIndex) + 1;
            const auto outcome = calculate(a.text(), "", ab.text());
            const auto expected =
                roundedText(k * (reliabilityScale - i), i * (reliabilityScale - k), 2, buffer);
            findings.compare(a.text(), "", ab.text(), outcome, referenceKind(a.value(), 0, ab.value()),
                             expected);
        }
    });
    const auto pairs = static_cast<std::int64_t>(m_reliabilities.size() * m_reliabilities.size());
    QCOMPARE(pairs, 99'980'001);
    qInfo("%s", findings.report(pairs).c_str());
    QVERIFY2(findings.empty(), findings.report(pairs).c_str());
}

QTEST_GUILESS_MAIN(ExactRounding)
#include "tst_exactrounding.moc"
