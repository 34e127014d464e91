// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/Calculation.h"
#include "platform/Alerts.h"
#include "platform/EditField.h"
#include "platform/PushButton.h"
#include "support/GuiTest.h"
#include "windows/ControlWnd.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <array>

using namespace quorvel;
using platform::EditField;

namespace {

constexpr quint32 seed = 20260107;
constexpr int eventCount = 10000;

struct Key
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool accepted;
};

// The keys the monkey types; digits and points come often, so that the fields fill with numbers.
constexpr std::array keys{
    Key{"0", Qt::Key_0, {}, true},
    Key{"1", Qt::Key_1, {}, true},
    Key{"2", Qt::Key_2, {}, true},
    Key{"3", Qt::Key_3, {}, true},
    Key{"4", Qt::Key_4, {}, true},
    Key{"5", Qt::Key_5, {}, true},
    Key{"6", Qt::Key_6, {}, true},
    Key{"7", Qt::Key_7, {}, true},
    Key{"8", Qt::Key_8, {}, true},
    Key{"9", Qt::Key_9, {}, true},
    Key{".", Qt::Key_Period, {}, true},
    Key{".", Qt::Key_Period, {}, true},
    Key{".", Qt::Key_Period, {}, true},
    Key{".", Qt::Key_Period, {}, true},
    Key{".", Qt::Key_Period, {}, true},
    Key{".", Qt::Key_Period, {}, true},
    Key{"/", Qt::Key_Slash, {}, true},
    Key{"Backspace", Qt::Key_Backspace, {}, true},
    Key{"Backspace", Qt::Key_Backspace, {}, true},
    Key{"Tab", Qt::Key_Tab, {}, true},
    Key{"a", Qt::Key_A, {}, false},
    Key{"e", Qt::Key_E, {}, false},
    Key{"x", Qt::Key_X, {}, false},
    Key{"space", Qt::Key_Space, {}, false},
    Key{"-", Qt::Key_Minus, {}, false},
    Key{"+", Qt::Key_Plus, {}, false},
    Key{",", Qt::Key_Comma, {}, false},
    Key{"Return", Qt::Key_Return, {}, false},
    Key{"Enter", Qt::Key_Enter, Qt::KeypadModifier, false},
    Key{"Escape", Qt::Key_Escape, {}, false},
    Key{"Left", Qt::Key_Left, {}, false},
    Key{"Right", Qt::Key_Right, {}, false},
    Key{"Up", Qt::Key_Up, {}, false},
    Key{"Down", Qt::Key_Down, {}, false},
    Key{"Delete", Qt::Key_Delete, {}, false},
    Key{"Home", Qt::Key_Home, {}, false},
    Key{"End", Qt::Key_End, {}, false},
};

// What the monkey types over a whole field: numbers in and out of range, fractions, and 1.
const std::array numbers{".5",  ".85", ".01", ".99", "0.3",  "2",    "100",
                         "3/4", "1",   "150", "1.5", ".005", ".995", ".7"};

const std::array<const char*, 3> fieldNames{"AFld", "BFld", "ABFld"};
constexpr int aField = 0;
constexpr int bField = 1;
constexpr int abField = 2;

EditField& field(int index)
{
    return ControlWnd::instance().control<EditField>(QString::fromLatin1(fieldNames.at(index)));
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Uses the calculator window at random and checks after every event what the user sees.
class Monkey
{
public:
    explicit Monkey(ControlWnd& window) : m_window(window)
    {
        for (int i = 0; i < int(fieldNames.size()); ++i)
            m_fields[i] = &field(i);
    }

    // One random action of one or more events; returns what went wrong, or the empty text.
    QString step(QRandomGenerator& random)
    {
        const int choice = random.bounded(100);
        if (choice < 8)
            return pressCalculate();
        if (choice < 11)
            return pressClear();
        const int target = random.bounded(int(fieldNames.size()));
        if (choice < 41)
            return retypeNumber(target, numbers[random.bounded(int(numbers.size()))]);
        return typeKey(target, keys[random.bounded(int(keys.size()))]);
    }

    // Keys typed and buttons clicked so far.
    int events() const { return m_events; }

    // How many Calculates wrote a result, and how many showed a message.
    int results() const { return m_results; }
    int messages() const { return m_messages; }

    // The latest events, oldest first.
    QString history() const { return m_history.join(QStringLiteral("\n  ")); }

private:
    QStringList texts() const
    {
        return {m_fields[aField]->text(), m_fields[bField]->text(), m_fields[abField]->text()};
    }

    void record(const QString& event)
    {
        m_history.append(event + QStringLiteral(" -> ") + texts().join(QStringLiteral(" | ")));
        if (m_history.size() > 12)
            m_history.removeFirst();
    }

    // Selects the whole field with Ctrl+A, which no filter sees, and types the number over it.
    QString retypeNumber(int target, const char* number)
    {
        const QStringList before = texts();
        const int beeps = platform::beepCount();
        QTest::keyClick(m_fields[target], Qt::Key_A, Qt::ControlModifier);
        ++m_events;
        record(QStringLiteral("Ctrl+A into %1").arg(QLatin1String(fieldNames[target])));
        if (texts() != before || platform::beepCount() != beeps)
            return QStringLiteral("Ctrl+A changed a field or beeped");
        for (const char* character = number; *character; ++character) {
            const auto key = std::find_if(keys.begin(), keys.end(), [character](const Key& candidate) {
                return candidate.key == Qt::Key(*character);
            });
            if (QString problem = typeKey(target, *key); !problem.isEmpty())
                return problem;
        }
        return {};
    }

    // Types one key into the field: a refused key beeps and changes nothing, an accepted one changes
    // only that field, and a key into AB but Tab, which moves on, empties B.
    QString typeKey(int target, const Key& key)
    {
        const QStringList before = texts();
        const int beeps = platform::beepCount();
        QTest::keyClick(m_fields[target], key.key, key.modifiers);
        ++m_events;
        record(QStringLiteral("%1 into %2").arg(QLatin1String(key.name), QLatin1String(fieldNames[target])));
        const QStringList after = texts();
        if (platform::beepCount() - beeps != (key.accepted ? 0 : 1))
            return QStringLiteral("wrong number of beeps");
        for (int other = 0; other < after.size(); ++other) {
            if (other == target)
                continue;
            const bool emptied = target == abField && other == bField && key.key != Qt::Key_Tab;
            const QString expected = emptied ? QString() : before[other];
            if (after[other] != expected)
                return QStringLiteral("%1 changed").arg(QLatin1String(fieldNames[other]));
        }
        if (!key.accepted && after[target] != before[target])
            return QStringLiteral("a refused key changed the field");
        return checkLimitsAndNoBox();
    }

    QString pressCalculate()
    {
        const QStringList before = texts();
        const calc::Outcome outcome = calc::calculate(
            before[aField].toStdString(), before[bField].toStdString(), before[abField].toStdString());
        const int beeps = platform::beepCount();
        QTest::mouseClick(&m_window.control<platform::PushButton>(QStringLiteral("CalcBtn")), Qt::LeftButton);
        ++m_events;
        record(QStringLiteral("Calculate"));
        QStringList expected = before;
        QStringList boxes;
        int expectedBeeps = 0;
        switch (outcome.kind) {
        case calc::Outcome::Kind::SetModifiedReliability:
            expected[abField] = m_computed[abField] = qs(outcome.text);
            ++m_results;
            break;
        case calc::Outcome::Kind::SetLengthChange:
            expected[bField] = m_computed[bField] = qs(outcome.text);
            ++m_results;
            break;
        case calc::Outcome::Kind::BeepThenMessage:
            expectedBeeps = 1;
            [[fallthrough]];
        case calc::Outcome::Kind::Message:
            boxes.append(qs(outcome.text));
            ++m_messages;
            break;
        }
        if (texts() != expected)
            return QStringLiteral("Calculate did not write %1").arg(expected.join(QStringLiteral(" | ")));
        if (platform::beepCount() - beeps != expectedBeeps)
            return QStringLiteral("Calculate beeped wrongly");
        return checkBoxes(boxes);
    }

    QString pressClear()
    {
        const int beeps = platform::beepCount();
        QTest::mouseClick(&m_window.control<platform::PushButton>(QStringLiteral("ClearBtn")),
                          Qt::LeftButton);
        ++m_events;
        record(QStringLiteral("Clear"));
        if (texts() != QStringList({QString(), QString(), QString()}))
            return QStringLiteral("Clear left text");
        if (m_window.focusWidget() != m_fields[aField])
            return QStringLiteral("Clear did not focus AFld");
        if (platform::beepCount() != beeps)
            return QStringLiteral("Clear beeped");
        return checkBoxes({});
    }

    // Every field holds at most 5 typed characters, or the text a calculation wrote; no box came up.
    QString checkLimitsAndNoBox() const
    {
        for (int i = 0; i < int(fieldNames.size()); ++i) {
            const QString text = m_fields[i]->text();
            if (text.size() > 5 && text != m_computed[i])
                return QStringLiteral("%1 holds %2 typed characters")
                    .arg(QLatin1String(fieldNames[i]))
                    .arg(text.size());
        }
        return checkBoxes({});
    }

    static QString checkBoxes(const QStringList& expected)
    {
        QStringList seen;
        for (const test::SeenBox& box : test::ModalWatch::instance().take()) {
            if (box.title != QLatin1String("Quorvel") || box.buttons != QStringList(QStringLiteral("OK")))
                return QStringLiteral("a box titled '%1' with buttons %2")
                    .arg(box.title, box.buttons.join(u'/'));
            seen.append(box.text);
        }
        return seen == expected
                   ? QString()
                   : QStringLiteral("boxes seen: [%1], expected: [%2]")
                         .arg(seen.join(QStringLiteral("; ")), expected.join(QStringLiteral("; ")));
    }

    ControlWnd& m_window;
    std::array<EditField*, 3> m_fields{};
    std::array<QString, 3> m_computed;
    QStringList m_history;
    int m_events = 0;
    int m_results = 0;
    int m_messages = 0;
};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

    static void click(const char* button)
    {
        QTest::mouseClick(&ControlWnd::instance().control<platform::PushButton>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { test::registerApplication(); }

    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // Random use

    void randomEvents_keepTheFieldsWithinTheRulesAndTheWindowWorking()
    {
        ControlWnd& window = ControlWnd::instance();
        QVERIFY(QTest::qWaitFor([&window] { return window.isVisible(); }));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        qInfo("monkey seed: %u, events: %d", seed, eventCount);
        QRandomGenerator random(seed);
        Monkey monkey(window);
        QElapsedTimer clock;
        clock.start();
        for (int action = 0; monkey.events() < eventCount; ++action) {
            const QString problem = monkey.step(random);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("event %1 (seed %2): %3\n  %4")
                                                       .arg(monkey.events())
                                                       .arg(seed)
                                                       .arg(problem, monkey.history())));
            if (action % 100 == 0)
                QCoreApplication::processEvents();
        }
        qInfo("%d events in %lld ms: %d results, %d messages", monkey.events(), clock.elapsed(),
              monkey.results(), monkey.messages());
        QVERIFY(monkey.results() > 0);
        QVERIFY(monkey.messages() > 0);

        click("ClearBtn");
        QTest::keyClicks(&field(aField), QStringLiteral(".5"));
        QTest::keyClicks(&field(bField), QStringLiteral("2"));
        click("CalcBtn");
        QCOMPARE(field(abField).text(), QStringLiteral(".6667"));
        click("ClearBtn");
        QTest::keyClicks(&field(aField), QStringLiteral(".8"));
        QTest::keyClicks(&field(abField), QStringLiteral(".9"));
        click("CalcBtn");
        QCOMPARE(field(bField).text(), QStringLiteral("2.25"));
        QVERIFY(test::ModalWatch::instance().take().isEmpty());
    }
};

QUORVEL_GUI_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
