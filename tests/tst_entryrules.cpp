// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/EntryForm.h"
#include "calc/KeyRule.h"

#include <QStringList>
#include <QTest>

using quorvel::calc::acceptsKey;
using quorvel::calc::clearFields;
using quorvel::calc::EntryForm;
using quorvel::calc::Field;
using quorvel::calc::filterKey;

namespace {

QString nameOf(Field field)
{
    switch (field) {
    case Field::Reliability:
        return QStringLiteral("Reliability");
    case Field::LengthChange:
        return QStringLiteral("LengthChange");
    case Field::ModifiedReliability:
        return QStringLiteral("ModifiedReliability");
    }
    return QStringLiteral("unknown field");
}

// Writes down, in order, everything the entry rules ask of the window.
class RecordingForm : public EntryForm
{
public:
    QStringList calls;

    void setFieldText(Field field, std::string_view text) override
    {
        calls << QStringLiteral("set %1 to \"%2\"")
                     .arg(nameOf(field), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void focusField(Field field) override { calls << QStringLiteral("focus %1").arg(nameOf(field)); }
    void beep() override { calls << QStringLiteral("beep"); }
};

const QString emptyLengthChange = QStringLiteral("set LengthChange to \"\"");
const QString beep = QStringLiteral("beep");

std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

class EntryRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acceptsEditingKeysPointSlashAndDigits_data();
    void acceptsEditingKeysPointSlashAndDigits();
    void refusesEveryOtherKey_data();
    void refusesEveryOtherKey();
    void refusesTheCodesNextToTheAcceptedRanges_data();
    void refusesTheCodesNextToTheAcceptedRanges();
    void keyInReliabilityOrLengthChangeFieldOnlyBeepsWhenRefused_data();
    void keyInReliabilityOrLengthChangeFieldOnlyBeepsWhenRefused();
    void keyInModifiedReliabilityFieldButTabFirstEmptiesLengthChange_data();
    void keyInModifiedReliabilityFieldButTabFirstEmptiesLengthChange();
    void clearingEmptiesTheFieldsInOrderThenFocusesReliability();
};

void EntryRules::acceptsEditingKeysPointSlashAndDigits_data()
{
    QTest::addColumn<int>("code");

    QTest::newRow("Backspace 8") << 8;
    QTest::newRow("Tab 9") << 9;
    QTest::newRow("point 46") << 46;
    QTest::newRow("slash 47") << 47;
    QTest::newRow("digit 0 (48)") << 48;
    QTest::newRow("digit 5 (53)") << 53;
    QTest::newRow("digit 9 (57)") << 57;
}

void EntryRules::acceptsEditingKeysPointSlashAndDigits()
{
    QFETCH(int, code);

    QVERIFY(acceptsKey(code));
}

void EntryRules::refusesEveryOtherKey_data()
{
    QTest::addColumn<int>("code");

    QTest::newRow("code 0") << 0;
    QTest::newRow("Enter 3") << 3;
    QTest::newRow("Return 13") << 13;
    QTest::newRow("Escape 27") << 27;
    QTest::newRow("arrow 28") << 28;
    QTest::newRow("arrow 29") << 29;
    QTest::newRow("arrow 30") << 30;
    QTest::newRow("arrow 31") << 31;
    QTest::newRow("space 32") << 32;
    QTest::newRow("plus 43") << 43;
    QTest::newRow("comma 44") << 44;
    QTest::newRow("letter e 101") << 101;
    QTest::newRow("Delete 127") << 127;
    QTest::newRow("e acute 233") << 233;
    QTest::newRow("euro sign 0x20AC") << 0x20AC;
}

void EntryRules::refusesEveryOtherKey()
{
    QFETCH(int, code);

    QVERIFY(!acceptsKey(code));
}

void EntryRules::refusesTheCodesNextToTheAcceptedRanges_data()
{
    QTest::addColumn<int>("code");

    QTest::newRow("code 7, just below Backspace") << 7;
    QTest::newRow("line feed 10, just above Tab") << 10;
    QTest::newRow("minus 45, just below the point") << 45;
    QTest::newRow("colon 58, just above digit 9") << 58;
}

void EntryRules::refusesTheCodesNextToTheAcceptedRanges()
{
    QFETCH(int, code);

    QVERIFY(!acceptsKey(code));
}

void EntryRules::keyInReliabilityOrLengthChangeFieldOnlyBeepsWhenRefused_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("refused");

    QTest::newRow("digit 7 in reliability: taken silently") << Field::Reliability << QByteArray("7") << false;
    QTest::newRow("slash in reliability: taken silently") << Field::Reliability << QByteArray("/") << false;
    QTest::newRow("letter x in reliability: beep, swallowed")
        << Field::Reliability << QByteArray("x") << true;
    QTest::newRow("point in length change: taken silently")
        << Field::LengthChange << QByteArray(".") << false;
    QTest::newRow("Backspace in length change: taken silently")
        << Field::LengthChange << QByteArray("\b") << false;
    QTest::newRow("minus in length change: beep, swallowed")
        << Field::LengthChange << QByteArray("-") << true;
    QTest::newRow("e acute in length change: beep, swallowed")
        << Field::LengthChange << QByteArray("\xC3\xA9") << true;
}

void EntryRules::keyInReliabilityOrLengthChangeFieldOnlyBeepsWhenRefused()
{
    QFETCH(Field, field);
    QFETCH(QByteArray, key);
    QFETCH(bool, refused);

    RecordingForm form;
    QCOMPARE(filterKey(form, field, view(key)), refused);
    QCOMPARE(form.calls, refused ? QStringList{beep} : QStringList{});
}

void EntryRules::keyInModifiedReliabilityFieldButTabFirstEmptiesLengthChange_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("empties");
    QTest::addColumn<bool>("refused");

    QTest::newRow("digit 9: empties length change, taken") << QByteArray("9") << true << false;
    QTest::newRow("point: empties length change, taken") << QByteArray(".") << true << false;
    QTest::newRow("Tab: moves on, keeps length change") << QByteArray("\t") << false << false;
    QTest::newRow("Backspace: empties length change, taken") << QByteArray("\b") << true << false;
    QTest::newRow("letter a: empties length change, then beep") << QByteArray("a") << true << true;
    QTest::newRow("space: empties length change, then beep") << QByteArray(" ") << true << true;
}

void EntryRules::keyInModifiedReliabilityFieldButTabFirstEmptiesLengthChange()
{
    QFETCH(QByteArray, key);
    QFETCH(bool, empties);
    QFETCH(bool, refused);

    QStringList expected;
    if (empties)
        expected << emptyLengthChange;
    if (refused)
        expected << beep;

    RecordingForm form;
    QCOMPARE(filterKey(form, Field::ModifiedReliability, view(key)), refused);
    QCOMPARE(form.calls, expected);
}

void EntryRules::clearingEmptiesTheFieldsInOrderThenFocusesReliability()
{
    RecordingForm form;
    clearFields(form);

    const QStringList expected{QStringLiteral("set Reliability to \"\""), emptyLengthChange,
                               QStringLiteral("set ModifiedReliability to \"\""),
                               QStringLiteral("focus Reliability")};
    QCOMPARE(form.calls, expected);
}

QTEST_GUILESS_MAIN(EntryRules)
#include "tst_entryrules.moc"
