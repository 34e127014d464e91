// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Canvas.h"
#include "platform/EditField.h"
#include "platform/NilObjectException.h"
#include "platform/PushButton.h"
#include "platform/RoundRectangle.h"
#include "platform/StaticText.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "support/GuiTest.h"

#include <map>

using namespace quorvel;
using platform::Window;

namespace {

// A window with one control of each class, each named after its class.
class ControlsWnd final : public platform::ImplicitWindow<ControlsWnd>
{
protected:
    void Layout() override
    {
        setContentSize(200, 200);
        setVisibleWhenCreated(false);
    }

    void CreateControls() override
    {
        addControl<platform::Canvas>(QStringLiteral("Canvas1"), {0, 0, 20, 20});
        addControl<platform::RoundRectangle>(QStringLiteral("RoundRectangle1"), {20, 0, 20, 20});
        addControl<platform::StaticText>(QStringLiteral("StaticText1"), {40, 0, 20, 20});
        addControl<platform::PushButton>(QStringLiteral("PushButton1"), {60, 0, 20, 20});
        addControl<platform::EditField>(QStringLiteral("EditField1"), {80, 0, 20, 20});
        addComponent<platform::Timer>(QStringLiteral("Timer1"));
    }
};

// A control looked up as one class, by the name of the class as the program spells it.
using Lookup = QObject* (*)(const Window& window, const QString& name);

template <class Control> QObject* lookUp(const Window& window, const QString& name)
{
    return &window.control<Control>(name);
}

const std::map<QString, Lookup>& lookUpAs()
{
    static const std::map<QString, Lookup> lookups{
        {QStringLiteral("Canvas"), &lookUp<platform::Canvas>},
        {QStringLiteral("RoundRectangle"), &lookUp<platform::RoundRectangle>},
        {QStringLiteral("StaticText"), &lookUp<platform::StaticText>},
        {QStringLiteral("PushButton"), &lookUp<platform::PushButton>},
        {QStringLiteral("EditField"), &lookUp<platform::EditField>},
        {QStringLiteral("Timer"), &lookUp<platform::Timer>},
    };
    return lookups;
}

QString qualified(const QString& className)
{
    return QStringLiteral("quorvel::platform::") + className;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(test::resetWindows().isEmpty()); }

    // Controls by name and class

    void control_isFoundOnlyAsItsOwnClass_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("askedClass");
        QTest::addColumn<bool>("found");
        for (const auto& [controlClass, unused] : lookUpAs()) {
            const QString name = controlClass + QLatin1Char('1');
            for (const auto& [askedClass, alsoUnused] : lookUpAs())
                QTest::addRow("%s as %s", qPrintable(name), qPrintable(askedClass))
                    << name << askedClass << (askedClass == controlClass);
        }
    }

    void control_isFoundOnlyAsItsOwnClass()
    {
        QFETCH(QString, name);
        QFETCH(QString, askedClass);
        QFETCH(bool, found);
        const Window& window = ControlsWnd::instance();
        QObject* control = nullptr;
        QString error;
        try {
            control = lookUpAs().at(askedClass)(window, name);
        } catch (const platform::NilObjectException& exception) {
            error = QString::fromUtf8(exception.what());
        }
        if (found) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(control->objectName(), name);
            QCOMPARE(QString::fromLatin1(control->metaObject()->className()), qualified(askedClass));
        } else {
            QVERIFY(!control);
            QVERIFY2(error.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(error));
            QVERIFY2(error.contains(qualified(askedClass)), qPrintable(error));
        }
    }
};

QUORVEL_GUI_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
