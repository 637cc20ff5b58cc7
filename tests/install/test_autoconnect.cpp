// Every slot named on_<object>_<signal> must find its signal: Qt only warns when one does not (Qt 6
// dropped several QString overloads that Qt 5 had), and the control then silently does nothing.
#include "barsetting.h"
#include "cnt2setting.h"
#include "cntsetting.h"
#include "imagesetting.h"
#include "qrcodedynamicstyledialog.h"
#include "qrcodesetting.h"
#include "settimemodedialog.h"
#include "textsetting.h"
#include "timesetting.h"
#include "widget.h"

#include <QMetaMethod>
#include <QtTest>
#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<QWidget *()>)

namespace
{
QStringList unmatched;
QtMessageHandler previousHandler = nullptr;

void collectUnmatched(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("No matching signal")))
        unmatched << message;
    previousHandler(type, context, message);
}

// The auto-connected slots of object that no child's signal matches, found by reading the meta-objects
// the same way connectSlotsByName does.
QStringList slotsWithoutSignal(const QObject &object)
{
    QStringList missing;
    const QMetaObject *meta = object.metaObject();
    for (int m = meta->methodOffset(); m < meta->methodCount(); ++m) {
        const QByteArray slot = meta->method(m).methodSignature();
        if (!slot.startsWith("on_"))
            continue;
        bool found = false;
        for (const QObject *child : object.findChildren<QObject *>()) {
            const QByteArray prefix = "on_" + child->objectName().toLatin1() + '_';
            if (child->objectName().isEmpty() || !slot.startsWith(prefix))
                continue;
            const QByteArray signal = slot.mid(prefix.size());
            const int index = child->metaObject()->indexOfSignal(signal.constData());
            found = found || index >= 0;
        }
        if (!found)
            missing << QString::fromLatin1(meta->className()) + "::" + QString::fromLatin1(slot);
    }
    return missing;
}
} // namespace

class autoConnectTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(collectUnmatched); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void everySlotHasItsSignal_data();
    void everySlotHasItsSignal();
};

void autoConnectTest::everySlotHasItsSignal_data()
{
    using maker = std::function<QWidget *()>;
    QTest::addColumn<maker>("make");
    QTest::newRow("Widget") << maker([] { return new Widget; });
    QTest::newRow("textSetting") << maker([] { return new textSetting; });
    QTest::newRow("timeSetting") << maker([] { return new timeSetting; });
    QTest::newRow("cntSetting") << maker([] { return new cntSetting; });
    QTest::newRow("cnt2Setting") << maker([] { return new cnt2Setting; });
    QTest::newRow("barSetting") << maker([] { return new barSetting; });
    QTest::newRow("imageSetting") << maker([] { return new imageSetting; });
    QTest::newRow("QRCodeSetting") << maker([] { return new QRCodeSetting; });
    QTest::newRow("setTimeModeDialog") << maker([] { return new setTimeModeDialog; });
    QTest::newRow("QRCodeDynamicStyleDialog") << maker([] { return new QRCodeDynamicStyleDialog; });
}

void autoConnectTest::everySlotHasItsSignal()
{
    QFETCH(std::function<QWidget *()>, make);
    unmatched.clear();
    const std::unique_ptr<QWidget> widget(make());
    QCOMPARE(unmatched, QStringList());
    QCOMPARE(slotsWithoutSignal(*widget), QStringList());
    // The window holds the panels: check theirs as built there too.
    for (const QObject *child : widget->findChildren<QObject *>())
        QCOMPARE(slotsWithoutSignal(*child), QStringList());
}

QTEST_MAIN(autoConnectTest)
#include "test_autoconnect.moc"
