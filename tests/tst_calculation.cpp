// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "calc/Calculation.h"

#include <QTest>

using quorvel::calc::calculate;
using quorvel::calc::Outcome;
using Kind = quorvel::calc::Outcome::Kind;

namespace quorvel::calc {

// Lets QCOMPARE show both outcomes when they differ.
char* toString(const Outcome& outcome)
{
    static constexpr const char* kindNames[] = {"SetModifiedReliability", "SetLengthChange", "Message",
                                                "BeepThenMessage"};
    const auto kind = kindNames[static_cast<int>(outcome.kind)];
    return qstrdup(QByteArray(kind).append(": \"").append(outcome.text.c_str()).append('"').constData());
}

} // namespace quorvel::calc

namespace {

// The messages as the user reads them, written out here so that a changed wording fails a test.
const char* const lengthChangeMessage = "Proportional change must range from .01 to 100.";
const char* const reliabilityMessage = "Current reliability must range from .01 to .99.";
const char* const modifiedReliabilityMessage = "Modified test reliability must range from .01 to .99.";
const char* const missingInputMessage =
    "Enter reliability of original test and proportion change to get reliability of modified test. "
    "Alternatively, enter reliability of original and modified tests to get proportion change needed.";

Outcome writesModifiedReliability(const char* text)
{
    return {Kind::SetModifiedReliability, text};
}

Outcome writesLengthChange(const char* text)
{
    return {Kind::SetLengthChange, text};
}

Outcome shows(const char* message)
{
    return {Kind::Message, message};
}

Outcome beepsAndAsksForInput()
{
    return {Kind::BeepThenMessage, missingInputMessage};
}

Outcome calculateFrom(const QString& a, const QString& b, const QString& ab)
{
    return calculate(a.toStdString(), b.toStdString(), ab.toStdString());
}

void addFieldColumns()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("ab");
}

} // namespace

class Calculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesModifiedReliabilityFromReliabilityAndLengthChange_data();
    void writesModifiedReliabilityFromReliabilityAndLengthChange();
    void writesLengthChangeFromBothReliabilities_data();
    void writesLengthChangeFromBothReliabilities();
    void writesTheTrueValueRoundedHalfAwayFromZero_data();
    void writesTheTrueValueRoundedHalfAwayFromZero();
    void showsTheMessageOfTheValueOutOfRange_data();
    void showsTheMessageOfTheValueOutOfRange();
    void beepsAndAsksForInputWhenTooFewFieldsAreUsable_data();
    void beepsAndAsksForInputWhenTooFewFieldsAreUsable();
    void treatsValuesAtTheRangeBoundsAsStated_data();
    void treatsValuesAtTheRangeBoundsAsStated();
    void triesTheRulesInOrderWhenSeveralApply_data();
    void triesTheRulesInOrderWhenSeveralApply();
};

void Calculation::writesModifiedReliabilityFromReliabilityAndLengthChange_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");

    QTest::newRow("A .5, B 2: doubled test") << ".5"
                                             << "2"
                                             << ".6667";
    QTest::newRow("A .6, B 3: tripled test") << ".6"
                                             << "3"
                                             << ".8182";
    QTest::newRow("A .8, B .5: shortened test") << ".8"
                                                << ".5"
                                                << ".6667";
    QTest::newRow("A .005, B 2: very low reliability") << ".005"
                                                       << "2"
                                                       << ".0100";
    QTest::newRow("A .995, B .5: very high reliability") << ".995"
                                                         << ".5"
                                                         << ".9900";
    QTest::newRow("A .8, B 100: hundredfold test") << ".8"
                                                   << "100"
                                                   << ".9975";
    QTest::newRow("A .7, B 1: unchanged length keeps the reliability") << ".7"
                                                                       << "1"
                                                                       << ".7000";
    QTest::newRow("A 30/40 as a fraction, B 2") << "30/40"
                                                << "2"
                                                << ".8571";
    QTest::newRow("A .8, B 60/40: new over old item count") << ".8"
                                                            << "60/40"
                                                            << ".8571";
    QTest::newRow("A .9999, B 100: 1.0000 not cut to five characters") << ".9999"
                                                                       << "100"
                                                                       << "1.0000";
}

void Calculation::writesModifiedReliabilityFromReliabilityAndLengthChange()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, expected);

    QCOMPARE(calculateFrom(a, b, ""), writesModifiedReliability(qPrintable(expected)));
}

void Calculation::writesLengthChangeFromBothReliabilities_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("ab");
    QTest::addColumn<QString>("expected");

    QTest::newRow("A .8, AB .9: longer test needed") << ".8"
                                                     << ".9"
                                                     << "2.25";
    QTest::newRow("A .8, AB .5: shorter test will do") << ".8"
                                                       << ".5"
                                                       << ".25";
    QTest::newRow("A .7, AB .7: same length") << ".7"
                                              << ".7"
                                              << "1.00";
    QTest::newRow("A .1, AB .99: 891.00 not cut to five characters") << ".1"
                                                                     << ".99"
                                                                     << "891.00";
    QTest::newRow("A .005, AB .995: 39601.00 not cut to five characters") << ".005"
                                                                          << ".995"
                                                                          << "39601.00";
    QTest::newRow("A .9, AB .3: small fraction of the length") << ".9"
                                                               << ".3"
                                                               << ".05";
}

void Calculation::writesLengthChangeFromBothReliabilities()
{
    QFETCH(QString, a);
    QFETCH(QString, ab);
    QFETCH(QString, expected);

    QCOMPARE(calculateFrom(a, "", ab), writesLengthChange(qPrintable(expected)));
}

// The true value rounded half away from zero, also when it lies exactly halfway between two texts:
// double arithmetic lands a hair below such a half when AB is near 1, as 1 - AB then cancels digits.
void Calculation::writesTheTrueValueRoundedHalfAwayFromZero_data()
{
    addFieldColumns();
    QTest::addColumn<Outcome>("expected");

    QTest::newRow("A .9856, AB .9625: exactly .375") << ".9856"
                                                     << ""
                                                     << ".9625" << writesLengthChange(".38");
    QTest::newRow("A .5, AB .9872: exactly 77.125") << ".5"
                                                    << ""
                                                    << ".9872" << writesLengthChange("77.13");
    QTest::newRow("A .625, AB .9872: exactly 46.275") << ".625"
                                                      << ""
                                                      << ".9872" << writesLengthChange("46.28");
    QTest::newRow("A .617, AB .9872: exactly 47.875") << ".617"
                                                      << ""
                                                      << ".9872" << writesLengthChange("47.88");
    QTest::newRow("A .48, AB .984: exactly 66.625") << ".48"
                                                    << ""
                                                    << ".984" << writesLengthChange("66.63");
    QTest::newRow("A .32, AB .966: exactly 60.375") << ".32"
                                                    << ""
                                                    << ".966" << writesLengthChange("60.38");
    QTest::newRow("A .16, AB .9328: exactly 72.875") << ".16"
                                                     << ""
                                                     << ".9328" << writesLengthChange("72.88");
    QTest::newRow("A .1, B 23: exactly .71875") << ".1"
                                                << "23"
                                                << "" << writesModifiedReliability(".7188");

    QTest::newRow("A 1/2 as a fraction, AB .9872: exactly 77.125") << "1/2"
                                                                   << ""
                                                                   << ".9872" << writesLengthChange("77.13");
    QTest::newRow("A .384, AB 6/7 as a fraction: exactly 9.625") << ".384"
                                                                 << ""
                                                                 << "6/7" << writesLengthChange("9.63");
    QTest::newRow("A .85, B 1/5 as a fraction: exactly .53125") << ".85"
                                                                << "1/5"
                                                                << "" << writesModifiedReliability(".5313");

    QTest::newRow("A and AB with spaces around: exactly .375") << " .9856 "
                                                               << ""
                                                               << " .9625 " << writesLengthChange(".38");
    QTest::newRow("A padded with zeros to 16 characters: exactly .375")
        << ".985600000000000"
        << ""
        << ".9625" << writesLengthChange(".38");
    QTest::newRow("A and B of 16 characters: 1 - A taken exactly")
        << ".999999999999999"
        << ".00000000000001"
        << "" << writesModifiedReliability(".9091");
    QTest::newRow("A and AB of 16 characters: a change of 28 exact digits")
        << "1/99999999999999"
        << ""
        << ".99999999999999" << writesLengthChange("9999999999999700000000000002.00");
    QTest::newRow("A of 18 characters") << ".80000000000000000"
                                        << "2"
                                        << "" << writesModifiedReliability(".8889");
    QTest::newRow("A and B of over 20 digits") << ".333333333333333333333"
                                               << "99.999999999999999999"
                                               << "" << writesModifiedReliability(".9804");

    // Texts longer than a double holds, as scripts pass them on the command line.
    QTest::newRow("A of 17 characters a hair below .88885, B 1") << ".8888499999999999"
                                                                 << "1"
                                                                 << "" << writesModifiedReliability(".8888");
    QTest::newRow("A .3396, AB a fraction of 17 characters: exactly 184.085")
        << ".3396"
        << ""
        << "31257633/31587833" << writesLengthChange("184.09");
    QTest::newRow("A of 1006 characters a hair below .88885, B 1")
        << QStringLiteral(".88884") + QString(1000, QLatin1Char('9')) << "1"
        << "" << writesModifiedReliability(".8888");
    QTest::newRow("A padded with zeros to 100 000 characters: exactly .375")
        << QStringLiteral(".9856") + QString(99'995, QLatin1Char('0')) << ""
        << ".9625" << writesLengthChange(".38");
    QTest::newRow("A 1/10^40, AB .99: a change of 42 exact digits")
        << QStringLiteral("1/1") + QString(40, QLatin1Char('0')) << ""
        << ".99" << writesLengthChange("989999999999999999999999999999999999999901.00");
}

void Calculation::writesTheTrueValueRoundedHalfAwayFromZero()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, ab);
    QFETCH(Outcome, expected);

    QCOMPARE(calculateFrom(a, b, ab), expected);
}

void Calculation::showsTheMessageOfTheValueOutOfRange_data()
{
    addFieldColumns();
    QTest::addColumn<QString>("expected");

    QTest::newRow("A .5, B 150: length change too large") << ".5"
                                                          << "150"
                                                          << "" << lengthChangeMessage;
    QTest::newRow("A 1.5, B 2: reliability too high") << "1.5"
                                                      << "2"
                                                      << "" << reliabilityMessage;
    QTest::newRow("A 30/20 as a fraction, B 2: reliability too high") << "30/20"
                                                                      << "2"
                                                                      << "" << reliabilityMessage;
    QTest::newRow("A .5, AB 1.5: modified reliability too high") << ".5"
                                                                 << ""
                                                                 << "1.5" << modifiedReliabilityMessage;
    QTest::newRow("A 2, AB .5: reliability too high while seeking B") << "2"
                                                                      << ""
                                                                      << ".5" << modifiedReliabilityMessage;
    QTest::newRow("A 1.5, AB 1.5: both reliabilities too high") << "1.5"
                                                                << ""
                                                                << "1.5" << modifiedReliabilityMessage;
    QTest::newRow("A a rounding step above 0, AB just below 1: change beyond any number")
        << QStringLiteral("1/17") + QString(307, QLatin1Char('0')) << ""
        << ".9999999999999999" << modifiedReliabilityMessage;
}

void Calculation::showsTheMessageOfTheValueOutOfRange()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, ab);
    QFETCH(QString, expected);

    QCOMPARE(calculateFrom(a, b, ab), shows(qPrintable(expected)));
}

void Calculation::beepsAndAsksForInputWhenTooFewFieldsAreUsable_data()
{
    addFieldColumns();

    QTest::newRow("all fields empty") << ""
                                      << ""
                                      << "";
    QTest::newRow("only A") << ".5"
                            << ""
                            << "";
    QTest::newRow("only B") << ""
                            << "2"
                            << "";
    QTest::newRow("only AB") << ""
                             << ""
                             << ".9";
    QTest::newRow("B and AB without A") << ""
                                        << "2"
                                        << ".9";
    QTest::newRow("A .5, B unreadable letters") << ".5"
                                                << "abc"
                                                << "";
    QTest::newRow("A with a minus sign, B 2") << "-.5"
                                              << "2"
                                              << "";
    QTest::newRow("A .5, B 1/0") << ".5"
                                 << "1/0"
                                 << "";
    QTest::newRow("A .5, AB 1.2.3") << ".5"
                                    << ""
                                    << "1.2.3";
    QTest::newRow("A empty, B 150: no length-change message without A") << ""
                                                                        << "150"
                                                                        << "";
}

void Calculation::beepsAndAsksForInputWhenTooFewFieldsAreUsable()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, ab);

    QCOMPARE(calculateFrom(a, b, ab), beepsAndAsksForInput());
}

void Calculation::treatsValuesAtTheRangeBoundsAsStated_data()
{
    addFieldColumns();
    QTest::addColumn<Outcome>("expected");

    QTest::newRow("A .5, B 100: largest length change computes") << ".5"
                                                                 << "100"
                                                                 << "" << writesModifiedReliability(".9901");
    QTest::newRow("A .5, B 100.: trailing point, still 100") << ".5"
                                                             << "100."
                                                             << "" << writesModifiedReliability(".9901");
    QTest::newRow("A .5, B 100.5: just above 100") << ".5"
                                                   << "100.5"
                                                   << "" << shows(lengthChangeMessage);
    QTest::newRow("A .8, B .001: below .01 still computes") << ".8"
                                                            << ".001"
                                                            << "" << writesModifiedReliability(".0040");
    QTest::newRow("A 1, B 2: reliability of exactly 1") << "1"
                                                        << "2"
                                                        << "" << shows(reliabilityMessage);
    QTest::newRow("A 0, B 2: zero reliability counts as missing") << "0"
                                                                  << "2"
                                                                  << "" << beepsAndAsksForInput();
    QTest::newRow("A .5, B 0: zero length change counts as missing") << ".5"
                                                                     << "0"
                                                                     << "" << beepsAndAsksForInput();
    QTest::newRow("A .8, B 0, AB .9: zero length change lets B be computed")
        << ".8"
        << "0"
        << ".9" << writesLengthChange("2.25");
    QTest::newRow("A 1, AB .5: reliability of exactly 1 while seeking B")
        << "1"
        << ""
        << ".5" << shows(modifiedReliabilityMessage);
    QTest::newRow("A .5, AB 1: modified reliability of exactly 1")
        << ".5"
        << ""
        << "1" << shows(modifiedReliabilityMessage);
    QTest::newRow("A .5, AB 0: zero modified reliability counts as missing") << ".5"
                                                                             << ""
                                                                             << "0" << beepsAndAsksForInput();
    QTest::newRow("A .995, AB .005: above .99 and below .01 still compute")
        << ".995"
        << ""
        << ".005" << writesLengthChange(".00");
}

void Calculation::treatsValuesAtTheRangeBoundsAsStated()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, ab);
    QFETCH(Outcome, expected);

    QCOMPARE(calculateFrom(a, b, ab), expected);
}

void Calculation::triesTheRulesInOrderWhenSeveralApply_data()
{
    addFieldColumns();
    QTest::addColumn<Outcome>("expected");

    QTest::newRow("A 1.5, B 150: only the length-change message") << "1.5"
                                                                  << "150"
                                                                  << "" << shows(lengthChangeMessage);
    QTest::newRow("A .5, B 150, AB .9: B out of range beats computing B")
        << ".5"
        << "150"
        << ".9" << shows(lengthChangeMessage);
    QTest::newRow("A 1, B 2, AB .9: reliability message before modified-reliability one")
        << "1"
        << "2"
        << ".9" << shows(reliabilityMessage);
    QTest::newRow("A .5, B 2, AB .9: all three filled computes AB")
        << ".5"
        << "2"
        << ".9" << writesModifiedReliability(".6667");
    QTest::newRow("A .5, B 2, AB 1.5: AB text ignored when A and B are usable")
        << ".5"
        << "2"
        << "1.5" << writesModifiedReliability(".6667");
}

void Calculation::triesTheRulesInOrderWhenSeveralApply()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, ab);
    QFETCH(Outcome, expected);

    QCOMPARE(calculateFrom(a, b, ab), expected);
}

QTEST_GUILESS_MAIN(Calculation)
#include "tst_calculation.moc"
