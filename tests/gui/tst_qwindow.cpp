// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/StaticText.h"
#include "support/GuiTest.h"
#include "windows/Qwindow.h"

#include <QAccessible>
#include <QLabel>
#include <climits>

using namespace quorvel;

namespace {

QStringList labelTexts(const Qwindow& window)
{
    QStringList texts;
    for (const char* name : {"StaticText2", "StaticText3", "StaticText4"})
        texts.append(window.control<platform::StaticText>(QString::fromLatin1(name)).text());
    return texts;
}

// The rectangle the label's text takes on screen, in window coordinates.
QRect inkRect(const platform::StaticText& label)
{
    const QRect frame = label.contentsRect();
    const QRect text =
        label.fontMetrics().boundingRect(QRect(frame.topLeft(), QSize(frame.width(), 100000)),
                                         int(label.alignment()) | Qt::TextWordWrap, label.text());
    return text.translated(label.pos());
}

// Shows the information window as a click on the calculator's badge does.
Qwindow& shownQwindow()
{
    Qwindow& window = Qwindow::instance();
    window.Show();
    return window;
}

} // namespace

class TestQwindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // What it shows

    void opensWithItsTitleAndTexts()
    {
        Qwindow& window = shownQwindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvel Information"));
        QCOMPARE(window.size(), QSize(500, 475));
        const QStringList texts = labelTexts(window);
        QVERIFY(texts[0].startsWith(QStringLiteral("The Spearman-Brown 'Prophecy' formula")));
        const QStringList formula = texts[1].split(QLatin1Char('\n'));
        QCOMPARE(formula.size(), 12);
        QCOMPARE(formula[0], QStringLiteral("Rest = (k * Rxx) / (1 + (k -1) * Rxx)"));
        QCOMPARE(formula[1], QStringLiteral("k = ((Rest) * (1 - Rxx)) / ((Rxx) * (1 - Rest))"));
        QCOMPARE(formula[5], QStringLiteral("Rxx  = Reliability of original test"));
        QVERIFY(formula[6].startsWith(QStringLiteral("k      = Proportional change in test length")));
        QVERIFY(formula[10].startsWith(QStringLiteral("     Thompson, B. (2003).")));
        QVERIFY(formula[11].startsWith(QStringLiteral("     Thorndike, R. M. (1997).")));
        const QStringList notice = texts[2].split(QLatin1Char('\n'));
        QCOMPARE(notice.size(), 5);
        QVERIFY(notice[0].startsWith(QStringLiteral("    Copyright \u00a9 2026 the Quorvel authors")));
        QVERIFY(notice[2].startsWith(QStringLiteral("To cite this program")));
        QVERIFY(notice[4].contains(QStringLiteral("without warranty")));
    }

    void noLabelRunsIntoAnother()
    {
        Qwindow& window = shownQwindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto& intro = window.control<platform::StaticText>(QStringLiteral("StaticText2"));
        const auto& formula = window.control<platform::StaticText>(QStringLiteral("StaticText3"));
        const auto& notice = window.control<platform::StaticText>(QStringLiteral("StaticText4"));
        QVERIFY(!inkRect(intro).intersects(inkRect(formula)));
        QVERIFY(!inkRect(formula).intersects(inkRect(notice)));
        for (const platform::StaticText* label : {&intro, &formula, &notice})
            QVERIFY2(label->contentsRect().contains(inkRect(*label).translated(-label->pos())),
                     qPrintable(label->objectName()));
    }

    void eachLabelIsDrawnAtItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("introduction") << QStringLiteral("StaticText2") << 12;
        QTest::newRow("formulas and references") << QStringLiteral("StaticText3") << 12;
        QTest::newRow("notice") << QStringLiteral("StaticText4") << 9;
    }

    void eachLabelIsDrawnAtItsSize()
    {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        Qwindow& window = shownQwindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto& label = window.control<platform::StaticText>(name);
        QCOMPARE(label.fontInfo().pixelSize(), pixelSize);
    }

    // What a screen reader reads

    // Its review goes through the labels line by line, as they are drawn.
    void eachLabelIsReadLineByLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("introduction, one paragraph")
            << QStringLiteral("StaticText2") << QStringLiteral("The Spearman-Brown 'Prophecy' formula");
        QTest::newRow("formulas and references")
            << QStringLiteral("StaticText3") << QStringLiteral("Rest = (k * Rxx) / (1 + (k -1) * Rxx)\n");
        QTest::newRow("notice") << QStringLiteral("StaticText4") << QStringLiteral("    Copyright");
    }

    void eachLabelIsReadLineByLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, firstLine);
        Qwindow& window = shownQwindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& label = window.control<platform::StaticText>(name);
        QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(&label)->textInterface();
        QVERIFY(reader);
        const QRect onScreen(label.mapToGlobal(QPoint(0, 0)), label.size());
        QStringList lines;
        int lineTop = INT_MIN;
        for (int offset = 0; offset < reader->characterCount();) {
            int start = 0;
            int end = 0;
            const QString line = reader->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
            QCOMPARE(start, offset);
            QVERIFY(end > start);
            // Each line lies within the label, on a row of its own below the one before.
            const QRect first = reader->characterRect(start);
            const int lastShown = line.endsWith(QLatin1Char('\n')) ? end - 2 : end - 1;
            const QRect last = reader->characterRect(qMax(start, lastShown));
            QVERIFY2(onScreen.contains(first.topLeft()), qPrintable(line));
            QVERIFY2(lastShown < start || onScreen.contains(last.bottomRight()), qPrintable(line));
            QCOMPARE(last.top(), first.top());
            QVERIFY2(first.top() > lineTop, qPrintable(line));
            lineTop = first.top();
            lines.append(line);
            offset = end;
        }
        QCOMPARE(lines.join(QString()), label.text());
        QVERIFY(lines[0].startsWith(firstLine));
        // The label wraps its longer paragraphs.
        QVERIFY(lines.size() > label.text().count(QLatin1Char('\n')) + 1);
    }

    // How it goes away

    void anyKeyHidesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << int(Qt::Key_A) << QStringLiteral("a");
        QTest::newRow("digit") << int(Qt::Key_7) << QStringLiteral("7");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << QString();
        QTest::newRow("Return") << int(Qt::Key_Return) << QStringLiteral("\r");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << QStringLiteral("\t");
    }

    void anyKeyHidesIt()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        Qwindow& window = Qwindow::instance();
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::sendKeyEvent(QTest::Click, &window, Qt::Key(key), text, Qt::NoModifier);
        QVERIFY(!window.isVisible());
        QVERIFY(Qwindow::exists());
    }

    void aClickOnTheTextHidesIt()
    {
        Qwindow& window = shownQwindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& formula = window.control<platform::StaticText>(QStringLiteral("StaticText3"));
        QTest::mouseClick(&formula, Qt::LeftButton, {}, QPoint(40, 10));
        QVERIFY(!window.isVisible());
    }

    void showsTheSameTextsAfterHiding()
    {
        Qwindow& window = Qwindow::instance();
        const QStringList before = labelTexts(window);
        window.Hide();
        window.Show();
        QCOMPARE(&Qwindow::instance(), &window);
        QVERIFY(window.isVisible());
        QCOMPARE(labelTexts(window), before);
    }

    void closingItMakesAFreshOneNextTime()
    {
        QPointer<Qwindow> first = &shownQwindow();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->close();
        QVERIFY(!Qwindow::exists());
        QTRY_VERIFY(first.isNull());
        Qwindow& second = Qwindow::instance();
        QTRY_VERIFY(second.isVisible());
        QCOMPARE(labelTexts(second).size(), 3);
    }
};

QUORVEL_GUI_TEST_MAIN(TestQwindow)
#include "tst_qwindow.moc"
