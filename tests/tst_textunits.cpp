// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/TextUnits.h"

#include <QTest>

using quorvel::platform::TextUnits;

namespace {

TextUnits cut(const QString& kind, const QString& text)
{
    if (kind == u"characters")
        return TextUnits::characters(text);
    if (kind == u"words")
        return TextUnits::words(text);
    if (kind == u"paragraphs")
        return TextUnits::paragraphs(text);
    if (kind == u"lines at 5 and 9")
        return TextUnits::spans(text, {{0, 5}, {5, 9}, {9, static_cast<int>(text.size())}});
    return TextUnits::whole(text);
}

} // namespace

// What a screen reader hears when it asks for the character, word, line or paragraph at, before or after
// an offset of a field's or a label's text.
class TextUnitsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachQuestionGetsTheUnitThere_data();
    void eachQuestionGetsTheUnitThere();
};

void TextUnitsTest::eachQuestionGetsTheUnitThere_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    const QString accented = QStringLiteral("ae\u0301b");
    const QString sentence = QStringLiteral("one two  three");
    const QString leading = QStringLiteral("  lead word");
    const QString paragraphs = QStringLiteral("first\nsecond\n\nlast");
    const QString wrapped = QStringLiteral("Copy righted");
    // clang-format off
    QTest::newRow("a character")                  << "characters" << accented << "at" << 0 << "a" << 0 << 1;
    QTest::newRow("a letter with its accent")     << "characters" << accented << "at" << 2 << "e\u0301" << 1 << 3;
    QTest::newRow("no character at the end")      << "characters" << accented << "at" << 4 << "" << 4 << 4;
    QTest::newRow("the last character")           << "characters" << accented << "before" << -1 << "b" << 3 << 4;
    QTest::newRow("none after the end")           << "characters" << accented << "after" << 4 << "" << -1 << -1;
    QTest::newRow("a word with its spaces")       << "words" << sentence << "at" << 3 << "one " << 0 << 4;
    QTest::newRow("a word after two spaces")      << "words" << sentence << "at" << 9 << "three" << 9 << 14;
    QTest::newRow("the last word at the end")     << "words" << sentence << "at" << 14 << "three" << 9 << 14;
    QTest::newRow("the word before")              << "words" << sentence << "before" << 4 << "one " << 0 << 4;
    QTest::newRow("no word before the first")     << "words" << sentence << "before" << 2 << "" << -1 << -1;
    QTest::newRow("the word after")               << "words" << sentence << "after" << 3 << "two  " << 4 << 9;
    QTest::newRow("no word after the last")       << "words" << sentence << "after" << 10 << "" << -1 << -1;
    QTest::newRow("past the end")                 << "words" << sentence << "at" << 15 << "" << -1 << -1;
    QTest::newRow("before the start")             << "words" << sentence << "at" << -3 << "" << -1 << -1;
    QTest::newRow("leading spaces, first word")   << "words" << leading << "at" << 0 << "  lead " << 0 << 7;
    QTest::newRow("leading spaces, next word")    << "words" << leading << "after" << 1 << "word" << 7 << 11;
    QTest::newRow("a paragraph with its break")   << "paragraphs" << paragraphs << "at" << 5 << "first\n" << 0 << 6;
    QTest::newRow("an empty paragraph")           << "paragraphs" << paragraphs << "at" << 13 << "\n" << 13 << 14;
    QTest::newRow("the last paragraph at the end") << "paragraphs" << paragraphs << "at" << 18 << "last" << 14 << 18;
    QTest::newRow("a line as drawn")              << "lines at 5 and 9" << wrapped << "at" << 6 << "righ" << 5 << 9;
    QTest::newRow("the last line at the end")     << "lines at 5 and 9" << wrapped << "at" << -1 << "ted" << 9 << 12;
    QTest::newRow("a whole field")                << "whole" << ".8" << "at" << 0 << ".8" << 0 << 2;
    QTest::newRow("a whole field at its end")     << "whole" << ".8" << "at" << 2 << ".8" << 0 << 2;
    QTest::newRow("nothing after the whole")      << "whole" << ".8" << "after" << 0 << "" << -1 << -1;
    QTest::newRow("an empty field")               << "whole" << "" << "at" << 0 << "" << 0 << 0;
    // clang-format on
}

void TextUnitsTest::eachQuestionGetsTheUnitThere()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, question);
    QFETCH(int, offset);
    const TextUnits units = cut(kind, text);
    const TextUnits::Answer answer = question == u"at"       ? units.at(offset)
                                     : question == u"before" ? units.before(offset)
                                                             : units.after(offset);
    QTEST(answer.text, "answer");
    QTEST(answer.start, "start");
    QTEST(answer.end, "end");
}

QTEST_APPLESS_MAIN(TextUnitsTest)
#include "tst_textunits.moc"
