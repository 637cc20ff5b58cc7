// Every slot that a form connects by its name (on_<object>_<signal>) finds that object and a signal it can
// take, in the window, every panel and both dialogs: a renamed control or a signal that changed its
// arguments would otherwise leave the control silently unconnected.
#include "barsetting.h"
#include "cnt2setting.h"
#include "cntsetting.h"
#include "datafilegroup.h"
#include "gs1digitallinkdialog.h"
#include "imagesetting.h"
#include "qrcodedynamicstyledialog.h"
#include "qrcodesetting.h"
#include "settimemodedialog.h"
#include "textsetting.h"
#include "timesetting.h"
#include "widget.h"

#include <QMetaMethod>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(std::shared_ptr<QObject>)

namespace
{
// What the toolkit says when connectSlotsByName finds no signal for a slot.
QStringList noSignalWarnings;
QtMessageHandler previousHandler = nullptr;

void collectNoSignalWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("No matching signal")))
        noSignalWarnings << message;
    previousHandler(type, context, message);
}

// Whether object has a signal called name whose arguments begin with those of slot (a slot may take
// fewer arguments than its signal).
bool hasSignalFor(const QObject &object, const QByteArray &name, const QMetaMethod &slot)
{
    const QMetaObject *meta = object.metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod signal = meta->method(i);
        if (signal.methodType() != QMetaMethod::Signal || signal.name() != name)
            continue;
        const QList<QByteArray> given = signal.parameterTypes();
        const QList<QByteArray> taken = slot.parameterTypes();
        if (taken.size() <= given.size() && given.mid(0, taken.size()) == taken)
            return true;
    }
    return false;
}

// The name-connected slots of owner that no child object and signal match. Object names may hold '_'
// themselves, so every split of the name is tried.
QStringList unmatchedSlots(const QObject &owner)
{
    QStringList unmatched;
    const QMetaObject *meta = owner.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QByteArray name = slot.name();
        if (slot.methodType() != QMetaMethod::Slot || !name.startsWith("on_"))
            continue;
        bool matched = false;
        for (int cut = name.indexOf('_', 3); cut > 0 && !matched; cut = name.indexOf('_', cut + 1)) {
            const QObject *child = owner.findChild<QObject *>(QString::fromLatin1(name.mid(3, cut - 3)));
            matched = child && hasSignalFor(*child, name.mid(cut + 1), slot);
        }
        if (!matched)
            unmatched << QString::fromLatin1(slot.methodSignature());
    }
    return unmatched;
}

// How many name-connected slots owner has, so the check cannot pass by finding none.
int nameConnectedSlots(const QObject &owner)
{
    int count = 0;
    const QMetaObject *meta = owner.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        count +=
            meta->method(i).methodType() == QMetaMethod::Slot && meta->method(i).name().startsWith("on_");
    return count;
}
} // namespace

class autoConnectTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(collectNoSignalWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void everyNamedSlotHasItsSignal_data()
    {
        QTest::addColumn<std::shared_ptr<QObject>>("owner");
        QTest::addColumn<int>("count");
        QTest::newRow("Widget") << std::shared_ptr<QObject>(new Widget) << 2;
        QTest::newRow("textSetting") << std::shared_ptr<QObject>(new textSetting) << 6;
        QTest::newRow("cntSetting") << std::shared_ptr<QObject>(new cntSetting) << 8;
        QTest::newRow("cnt2Setting") << std::shared_ptr<QObject>(new cnt2Setting) << 7;
        QTest::newRow("timeSetting") << std::shared_ptr<QObject>(new timeSetting) << 8;
        QTest::newRow("barSetting") << std::shared_ptr<QObject>(new barSetting) << 7;
        QTest::newRow("imageSetting") << std::shared_ptr<QObject>(new imageSetting) << 8;
        QTest::newRow("dataFileGroup") << std::shared_ptr<QObject>(new dataFileGroup) << 6;
        QTest::newRow("QRCodeSetting") << std::shared_ptr<QObject>(new QRCodeSetting) << 8;
        QTest::newRow("gs1DigitalLinkDialog") << std::shared_ptr<QObject>(new gs1DigitalLinkDialog) << 2;
        QTest::newRow("setTimeModeDialog") << std::shared_ptr<QObject>(new setTimeModeDialog) << 4;
        QTest::newRow("QRCodeDynamicStyleDialog")
            << std::shared_ptr<QObject>(new QRCodeDynamicStyleDialog) << 5;
    }

    void everyNamedSlotHasItsSignal()
    {
        QFETCH(std::shared_ptr<QObject>, owner);
        QFETCH(int, count);
        QCOMPARE(nameConnectedSlots(*owner), count);
        const QStringList unmatched = unmatchedSlots(*owner);
        QVERIFY2(unmatched.isEmpty(), qPrintable(unmatched.join(QStringLiteral(", "))));
        QVERIFY2(noSignalWarnings.isEmpty(), qPrintable(noSignalWarnings.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(autoConnectTest)
#include "test_autoconnect.moc"
