// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditField.h"
#include "platform/Fonts.h"
#include "support/GuiTest.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

using namespace quorvel;

namespace {

// The styles Qt offers on Linux, besides its own: Debian's adwaita-qt6 (scripts/install-deps.sh --tests).
const QStringList styles{QStringLiteral("Fusion"), QStringLiteral("Windows"), QStringLiteral("Adwaita"),
                         QStringLiteral("Adwaita-Dark"), QStringLiteral("Adwaita-HighContrastInverse")};

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

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::setStyle(QStringLiteral("Fusion")); }

    // Results in the calculator's fields

    void aResult_showsWholeInTheFieldInEveryStyle_data()
    {
        QTest::addColumn<QString>("styleName");
        QTest::addColumn<QString>("result");
        for (const QString& style : styles)
            for (const char* result : {"891.00", "100.00", ".8889"})
                QTest::addRow("%s, %s", qPrintable(style), result) << style << QString::fromLatin1(result);
    }

    void aResult_showsWholeInTheFieldInEveryStyle()
    {
        QFETCH(QString, styleName);
        QFETCH(QString, result);
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
