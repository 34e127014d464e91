// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/FileTypes.h"
#include "platform/Canvas.h"
#include "platform/FileType.h"
#include "support/GuiTest.h"
#include "windows/AboutWnd.h"
#include "windows/Pictures.h"

using namespace quorvel;
using platform::FileTypeRecord;
using platform::Picture;

namespace {

constexpr int missingId = 999;

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::registerApplication(); }
    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // Pictures

    void pictures_existSizedForTheirCanvases_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("LogoSm") << 168 << QSize(150, 22);
        QTest::newRow("hat128") << 169 << QSize(124, 134);
        QTest::newRow("Q") << 170 << QSize(36, 31);
        QTest::newRow("Prop1") << 171 << QSize(83, 34);
        QTest::newRow("r") << 172 << QSize(23, 32);
        QTest::newRow("SBtitle") << 173 << QSize(437, 42);
        QTest::newRow("hat64") << 174 << QSize(63, 71);
    }

    void pictures_existSizedForTheirCanvases()
    {
        QFETCH(int, id);
        QFETCH(QSize, size);
        const Picture picture = platform::GetPicture(id);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.naturalSize(), size);
    }

    void accessors_fetchEachPictureOnceAndKeepIt()
    {
        using Accessor = Picture (*)();
        const std::pair<Accessor, int> accessors[] = {
            {LogoSm, 168}, {hat128, 169}, {Q, 170}, {Prop1, 171}, {r, 172}, {SBtitle, 173}, {hat64, 174}};
        for (const auto& [accessor, id] : accessors) {
            QVERIFY(!accessor().isNull());
            const int fetched = platform::pictureFetchCount(id);
            accessor();
            accessor();
            QCOMPARE(platform::pictureFetchCount(id), fetched);
        }
    }

    void aboutWindowMadeAgain_takesItsPicturesFromTheCache()
    {
        AboutWnd::instance().Show();
        const int fetched = platform::pictureFetchCount(169);
        AboutWnd::instance().close();
        QVERIFY(!AboutWnd::exists());
        AboutWnd& again = AboutWnd::instance();
        QCOMPARE(platform::pictureFetchCount(169), fetched);
        QVERIFY(!again.control<platform::Canvas>(QStringLiteral("Canvas1")).backdrop().isNull());
    }

    void missingPicture_isEmptyAndAskedForAgain()
    {
        platform::PictureSlot slot(missingId);
        const int before = platform::pictureFetchCount(missingId);
        QVERIFY(slot.get().isNull());
        QVERIFY(slot.get().isNull());
        QCOMPARE(platform::pictureFetchCount(missingId), before + 2);
    }

    // Document types

    void startUp_registersTheTwoDocumentTypesWithTheirValues()
    {
        const auto before = platform::registeredFileTypes().size();
        FileTypes::Initialize();
        const auto& registered = platform::registeredFileTypes();
        QCOMPARE(registered.size(), before + 2);
        QCOMPARE(registered[before], (FileTypeRecord{QStringLiteral("text"), QStringLiteral("R*ch"),
                                                     QStringLiteral("TEXT"), QString()}));
        QCOMPARE(registered[before + 1], (FileTypeRecord{}));
    }

    void fileType_isWithdrawnWhenAValueChangesAndRegisteredAgainAsText()
    {
        platform::FileType type;
        type.setName(QStringLiteral("notes"));
        type.setMacType(QStringLiteral("TEXT"));
        QCOMPARE(type.toText(), QStringLiteral("notes"));
        const auto isRegistered = [](const QString& name) {
            const auto& all = platform::registeredFileTypes();
            return std::any_of(all.begin(), all.end(),
                               [&](const FileTypeRecord& r) { return r.name == name; });
        };
        QVERIFY(isRegistered(QStringLiteral("notes")));
        type.setName(QStringLiteral("memo"));
        QVERIFY(!isRegistered(QStringLiteral("notes")));
        QVERIFY(!isRegistered(QStringLiteral("memo")));
        type.toText();
        type.toText();
        QCOMPARE(std::count_if(platform::registeredFileTypes().begin(), platform::registeredFileTypes().end(),
                               [](const FileTypeRecord& r) { return r.name == QLatin1String("memo"); }),
                 1);
    }
};

QUORVEL_GUI_TEST_MAIN(TestResources)
#include "tst_resources.moc"
