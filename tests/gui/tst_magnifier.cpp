// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// Run at scale factor 2 (QT_SCALE_FACTOR, set by CTest): what a screen magnifier is told of where things
// are, against where they are drawn.

#include "platform/EditField.h"
#include "support/GuiTest.h"
#include "windows/ControlWnd.h"

#include <QAccessible>

using namespace quorvel;

namespace {

constexpr int scale = 2;

// Where a control of the calculator, placed at `geometry` in its content area, is drawn on the screen.
QRect drawnAt(const QRect& geometry)
{
    const auto& window = ControlWnd::instance();
    const QWidget& content = *window.control<QWidget>(QStringLiteral("CalcBtn")).parentWidget();
    const QPoint contentOrigin = content.mapToGlobal(QPoint(0, 0)) * scale;
    return {contentOrigin + geometry.topLeft() * scale, geometry.size() * scale};
}

QAccessibleInterface* accessibleControl(const char* name)
{
    return QAccessible::queryAccessibleInterface(
        &ControlWnd::instance().control<QWidget>(QString::fromLatin1(name)));
}

platform::EditField& fieldB()
{
    return ControlWnd::instance().control<platform::EditField>(QStringLiteral("BFld"));
}

int fontHeight()
{
    return fieldB().fontMetrics().height();
}

QAccessibleTextInterface* fieldText(const QString& text)
{
    platform::EditField& b = fieldB();
    b.setFocus();
    b.setText(text);
    b.end(false);
    // QLineEdit places its text, and its caret with it, as it draws it.
    b.repaint();
    return QAccessible::queryAccessibleInterface(&b)->textInterface();
}

} // namespace

class TestMagnifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        test::registerApplication();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    }

    void init() { QVERIFY(test::cameUpActive(&ControlWnd::instance())); }

    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    void eachControl_isReportedWhereItIsDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Calculate") << "CalcBtn" << QRect(21, 360, 80, 32);
        QTest::newRow("field B") << "BFld" << QRect(397, 227, 60, 22);
        QTest::newRow("a label") << "StaticText2" << QRect(38, 223, 334, 29);
        QTest::newRow("the information badge") << "Canvas1" << QRect(239, 360, 36, 31);
        QTest::newRow("the bar under the title") << "RoundRectangle1" << QRect(67, 57, 418, 5);
    }

    void eachControl_isReportedWhereItIsDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QAccessibleInterface* control = accessibleControl(qPrintable(name));
        QCOMPARE(control->rect(), drawnAt(geometry));
        // A point asked about in the same pixels finds the control.
        const QAccessibleInterface* content = control->parent();
        const QPoint middle = drawnAt(geometry).center();
        QCOMPARE(content->childAt(middle.x(), middle.y()), control);
    }

    // Text

    void theCaret_afterTheLastCharacter_hasABoxWhereItIsDrawn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("an empty field") << "";
        QTest::newRow("a result") << "891.00";
    }

    void theCaret_afterTheLastCharacter_hasABoxWhereItIsDrawn()
    {
        QFETCH(QString, text);
        QAccessibleTextInterface* reader = fieldText(text);
        const int end = static_cast<int>(text.size());
        QCOMPARE(reader->cursorPosition(), end);
        const QRect caret = reader->characterRect(end);
        QCOMPARE(caret.width(), 0);
        QCOMPARE(caret.height(), fontHeight() * scale);
        QVERIFY(drawnAt({397, 227, 60, 22}).contains(caret.center()));
        if (end > 0) {
            const QRect last = reader->characterRect(end - 1);
            QCOMPARE(caret.topLeft(), last.topRight() + QPoint(1, 0));
        }
    }

    void theCharacters_areReportedAndFoundAtTheirDrawnSize()
    {
        QAccessibleTextInterface* reader = fieldText(QStringLiteral("2.5"));
        const QRect first = reader->characterRect(0);
        QCOMPARE(first.width(), fieldB().fontMetrics().horizontalAdvance(QLatin1Char('2')) * scale);
        QCOMPARE(first.height(), fontHeight() * scale);
        QVERIFY(drawnAt({397, 227, 60, 22}).contains(first));
        for (int offset = 0; offset < 3; ++offset)
            QCOMPARE(reader->offsetAtPoint(reader->characterRect(offset).center()), offset);
    }
};

QUORVEL_GUI_TEST_MAIN(TestMagnifier)
#include "tst_magnifier.moc"
