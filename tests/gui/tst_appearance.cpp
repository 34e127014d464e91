// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditField.h"
#include "platform/Fonts.h"
#include "support/GuiTest.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>

using namespace quorvel;

namespace {

// The styles Qt offers on Linux, besides its own: Debian's adwaita-qt6 (scripts/install-deps.sh --tests).
const QStringList styles{QStringLiteral("Fusion"), QStringLiteral("Windows"), QStringLiteral("Adwaita"),
                         QStringLiteral("Adwaita-Dark"), QStringLiteral("Adwaita-HighContrastInverse")};

void oneRowPerStyle()
{
    QTest::addColumn<QString>("styleName");
    for (const QString& style : styles)
        QTest::newRow(qPrintable(style)) << style;
}

// The first and last column of the image, inside `margin` pixels on either side, that hold dark ink.
std::pair<int, int> inkColumns(const QImage& image, int margin)
{
    int first = -1;
    int last = -1;
    for (int x = margin; x < image.width() - margin; ++x)
        for (int y = margin; y < image.height() - margin; ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    return {first, last};
}

// How wide the text's ink is, drawn where nothing can cut it.
int inkWidth(const QString& text, const QFont& font)
{
    QImage image(300, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    const auto [first, last] = inkColumns(image, 0);
    return last - first + 1;
}

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

double contrast(QRgb one, QRgb other)
{
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Along the control's edge, corners left out: at each place, how far the focus changes the most changed
// of the three outermost pixels; the least of these over the whole edge.
double leastFocusChangeAlongTheEdge(const QImage& unfocused, const QImage& focused)
{
    const int corner = 4;
    const int right = focused.width() - 1;
    const int bottom = focused.height() - 1;
    double least = 1e9;
    const auto place = [&](QPoint at, QPoint inward) {
        double most = 1;
        for (int depth = 0; depth < 3; ++depth) {
            const QPoint pixel = at + depth * inward;
            most = std::max(most, contrast(unfocused.pixel(pixel), focused.pixel(pixel)));
        }
        least = std::min(least, most);
    };
    for (int x = corner; x <= right - corner; ++x) {
        place({x, 0}, {0, 1});
        place({x, bottom}, {0, -1});
    }
    for (int y = corner; y <= bottom - corner; ++y) {
        place({0, y}, {1, 0});
        place({right, y}, {-1, 0});
    }
    return least;
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::registerApplication(); }

    void cleanup()
    {
        QVERIFY(test::resetWindows().isEmpty());
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    // The keyboard focus

    void theFocus_standsOutAroundEachTabStopInEveryStyle_data()
    {
        QTest::addColumn<QString>("styleName");
        QTest::addColumn<QString>("control");
        for (const QString& style : styles)
            for (const char* control : {"Canvas1", "CalcBtn", "ABFld"})
                QTest::addRow("%s, %s", qPrintable(style), control) << style << QString::fromLatin1(control);
    }

    void theFocus_standsOutAroundEachTabStopInEveryStyle()
    {
        QFETCH(QString, styleName);
        QFETCH(QString, control);
        QApplication::setStyle(styleName);
        QCOMPARE(QApplication::style()->name(), styleName.toLower());
        ControlWnd& window = ControlWnd::instance();
        QVERIFY(test::cameUpActive(&window));
        auto& tabStop = window.control<QWidget>(control);
        const QImage unfocused = tabStop.grab().toImage();
        tabStop.setFocus(Qt::TabFocusReason);
        QVERIFY(tabStop.hasFocus());
        const QImage focused = tabStop.grab().toImage();

        QCOMPARE_GE(leastFocusChangeAlongTheEdge(unfocused, focused), 3.0);
        // The outermost line against the white page around the control.
        for (const QPoint edge : {QPoint(focused.width() / 2, 0), QPoint(0, focused.height() / 2)})
            QCOMPARE_GE(contrast(focused.pixel(edge), qRgb(255, 255, 255)), 3.0);
    }

    // The About window, which has no frame of the desktop's

    void theAboutWindowsEdge_standsOutAgainstWhiteInEveryStyle_data() { oneRowPerStyle(); }

    void theAboutWindowsEdge_standsOutAgainstWhiteInEveryStyle()
    {
        QFETCH(QString, styleName);
        QApplication::setStyle(styleName);
        AboutWnd& about = AboutWnd::instance();
        QVERIFY(test::cameUpActive(&about));
        const QImage window = about.grab().toImage();
        const QPoint right(window.width() - 1, window.height() / 2);
        const QPoint bottom(window.width() / 2, window.height() - 1);
        for (const QPoint edge :
             {QPoint(0, window.height() / 2), QPoint(window.width() / 2, 0), right, bottom})
            QCOMPARE_GE(contrast(window.pixel(edge), qRgb(255, 255, 255)), 3.0);
    }

    // Results in the calculator's fields

    // 891.00 is as wide as a result gets: the fields' face has one width for every character.
    void aResult_showsWholeInTheFieldInEveryStyle_data() { oneRowPerStyle(); }

    void aResult_showsWholeInTheFieldInEveryStyle()
    {
        QFETCH(QString, styleName);
        const QString result = QStringLiteral("891.00");
        QStyle* style = QStyleFactory::create(styleName);
        QVERIFY2(style, qPrintable(styleName + QStringLiteral(" is not installed")));
        QApplication::setStyle(style);
        platform::EditField field;
        field.setFont(platform::fontNamed(QStringLiteral("Courier"), 14));
        field.setAlignment(Qt::AlignCenter);
        QPalette palette = field.palette();
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Base, Qt::white);
        field.setPalette(palette);
        field.setGeometry(0, 0, 60, 22);
        field.setText(result);

        const auto [first, last] = inkColumns(field.grab().toImage(), 2);
        QCOMPARE(last - first + 1, inkWidth(result, field.font()));
    }
};

QUORVEL_GUI_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
