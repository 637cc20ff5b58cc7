// The GS1 Digital Link composer: what it composes from its fields, that it opens again on what it made,
// that a wrong check digit is refused, that the domain is remembered, and that the QR panel's button
// changes the item in one undo step.
#include "gs1digitallinkdialog.h"
#include "modalhooks.h"
#include "scanverdictlabel.h"
#include "widgettestaccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QUndoStack>
#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(gs1LinkFields)

namespace
{
template <class T> T *child(QDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

// Types the fields into the form, as an operator would.
void fillIn(gs1DigitalLinkDialog &dialog, const gs1LinkFields &fields)
{
    child<QLineEdit>(dialog, "lineEdit_domain")->setText(fields.domain);
    child<QLineEdit>(dialog, "lineEdit_gtin")->setText(fields.gtin);
    child<QLineEdit>(dialog, "lineEdit_batch")->setText(fields.batch);
    child<QCheckBox>(dialog, "checkBox_production")->setChecked(fields.productionDate);
    child<QCheckBox>(dialog, "checkBox_expiry")->setChecked(fields.expiry.isValid());
    if (fields.expiry.isValid())
        child<QDateEdit>(dialog, "dateEdit_expiry")->setDate(fields.expiry);
    child<QComboBox>(dialog, "comboBox_serial")->setCurrentIndex(fields.serial);
    child<QLineEdit>(dialog, "lineEdit_serial")->setText(fields.serialText);
    child<QSpinBox>(dialog, "spinBox_counterWidth")->setValue(fields.counterWidth);
}

qrCodeRecord recordOf(const gs1DigitalLinkDialog &dialog)
{
    qrCodeRecord record;
    record.content = dialog.content;
    record.insertCnt = dialog.insertCnt;
    record.cntMode = dialog.cntMode;
    record.insertCntPos = dialog.insertCntPos;
    record.insertTime = dialog.insertTime;
    record.timeModeStr = dialog.timeModeStr;
    record.insertTimePos = dialog.insertTimePos;
    return record;
}

gs1LinkFields fieldsOf(const QString &domain, const QString &gtin)
{
    gs1LinkFields fields;
    fields.domain = domain;
    fields.gtin = gtin;
    return fields;
}

} // namespace

class gs1DialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void composesAndOpensAgain_data();
    void composesAndOpensAgain();
    void wrongCheckDigitIsRefused();
    void domainIsRemembered();
    void panelButtonIsOneUndoStep();
};

void gs1DialogTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void gs1DialogTest::composesAndOpensAgain_data()
{
    QTest::addColumn<gs1LinkFields>("fields");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("cntMode");
    QTest::addColumn<bool>("time");

    gs1LinkFields full = fieldsOf("https://id.gs1.org", "09501101020917");
    full.batch = "ABC/123";
    full.productionDate = true;
    full.expiry = QDate(2027, 3, 5);
    full.serial = gs1LinkFields::counterSerial;
    full.counterWidth = 6;
    QTest::newRow("counter serial and production date")
        << full << "https://id.gs1.org/01/09501101020917/10/ABC%2F123/21/000000?11=yyMMdd&17=270305" << 6
        << true;

    gs1LinkFields fixed = fieldsOf("https://example.com/products/", "96385074");
    fixed.serial = gs1LinkFields::fixedSerial;
    fixed.serialText = "S-1";
    fixed.expiry = QDate(2028, 2, 29);
    QTest::newRow("GTIN-8, fixed serial, leap-day expiry")
        << fixed << "https://example.com/products/01/96385074/21/S-1?17=280229" << 0 << false;
    QTest::newRow("GTIN-13 alone") << fieldsOf("https://id.gs1.org", "4006381333931")
                                   << "https://id.gs1.org/01/4006381333931" << 0 << false;
}

void gs1DialogTest::composesAndOpensAgain()
{
    QFETCH(gs1LinkFields, fields);
    QFETCH(QString, content);
    QFETCH(int, cntMode);
    QFETCH(bool, time);
    gs1DigitalLinkDialog dialog;
    fillIn(dialog, fields);
    child<QPushButton>(dialog, "pushButton_OK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.content, content);
    QCOMPARE(dialog.cntMode, cntMode);
    QCOMPARE(dialog.insertCnt, cntMode != 0);
    QCOMPARE(dialog.insertTime, time);
    // The placeholders lie where the record says, as the printer will look for them.
    if (cntMode)
        QCOMPARE(content.mid(dialog.insertCntPos, cntMode), QString(cntMode, '0'));
    if (time)
        QCOMPARE(content.mid(dialog.insertTimePos, 6), QStringLiteral("yyMMdd"));

    // Opened on what it made, it shows fields that make the same again.
    gs1DigitalLinkDialog again;
    again.loadFromRecord(recordOf(dialog));
    QCOMPARE(composeGs1Link(again.fields()).content, content);
    QCOMPARE(again.fields().serial, fields.serial);
}

void gs1DialogTest::wrongCheckDigitIsRefused()
{
    gs1DigitalLinkDialog dialog;
    fillIn(dialog, fieldsOf("https://id.gs1.org", "09501101020918"));
    const QString label = child<QLabel>(dialog, "label_checkDigit")->text();
    QVERIFY2(label.contains('7') && label.contains('8'), qPrintable(label));
    QVERIFY(!child<QPushButton>(dialog, "pushButton_OK")->isEnabled());
    child<QLineEdit>(dialog, "lineEdit_gtin")->setText("09501101020917");
    QVERIFY(child<QPushButton>(dialog, "pushButton_OK")->isEnabled());
    child<QLineEdit>(dialog, "lineEdit_batch")->setText("A B"); // a space is outside set 82
    QVERIFY(!child<QPushButton>(dialog, "pushButton_OK")->isEnabled());
}

void gs1DialogTest::domainIsRemembered()
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, "spr-designer", "spr-designer").clear();
    {
        gs1DigitalLinkDialog first;
        QCOMPARE(child<QLineEdit>(first, "lineEdit_domain")->text(), QStringLiteral("https://id.gs1.org"));
        fillIn(first, fieldsOf("https://example.com/gs1", "4006381333931"));
        child<QPushButton>(first, "pushButton_OK")->click();
    }
    gs1DigitalLinkDialog next;
    QCOMPARE(child<QLineEdit>(next, "lineEdit_domain")->text(), QStringLiteral("https://example.com/gs1"));
}

void gs1DialogTest::panelButtonIsOneUndoStep()
{
    Widget w;
    WidgetTestAccess a(w);
    w.buttonItemsClicked(6);
    diagramQRCodeItem *item = a.qr();
    gs1LinkFields seen;
    modalHooks::setDialogRunner([&seen](QDialog &dialog) -> int {
        auto *composer = qobject_cast<gs1DigitalLinkDialog *>(&dialog);
        if (!composer)
            return QDialog::Rejected;
        seen = composer->fields();
        gs1LinkFields fields = fieldsOf("https://id.gs1.org", "09501101020917");
        fields.productionDate = true;
        fields.serial = gs1LinkFields::counterSerial;
        fields.counterWidth = 4;
        fillIn(*composer, fields);
        child<QPushButton>(*composer, "pushButton_OK")->click();
        return composer->result();
    });
    QPushButton *button = a.qrPanel()->findChild<QPushButton *>("pushButton_QRCodeItemGs1");
    const int steps = w.undoStack()->count();
    button->click();
    const QString composed = "https://id.gs1.org/01/09501101020917/21/0000?11=yyMMdd";
    QCOMPARE(item->content, composed);
    QCOMPARE(a.editor()->text(), composed);
    QVERIFY(item->insertCnt && item->insertTime);
    QCOMPARE(item->cntMode, 4);
    QCOMPARE(item->timeModeStr, QStringLiteral("yyMMdd"));
    QCOMPARE(w.undoStack()->count(), steps + 1);
    // The panel names the AIs the symbol carries as it prints now.
    auto *verdict = a.qrPanel()->findChild<scanVerdictLabel *>();
    QTRY_VERIFY2(verdict->text().contains("(01) 09501101020917"), qPrintable(verdict->text()));

    // Opened again, the composer shows what it made.
    button->click();
    QCOMPARE(seen.gtin, QStringLiteral("09501101020917"));
    QCOMPARE(seen.serial, gs1LinkFields::counterSerial);
    QCOMPARE(seen.counterWidth, 4);
    QVERIFY(seen.productionDate);
    QCOMPARE(w.undoStack()->count(), steps + 1); // accepted unchanged: no step

    w.undoStack()->undo();
    QCOMPARE(item->content, QStringLiteral("TALMOR_K3"));
    QVERIFY(!item->insertCnt && !item->insertTime);
    modalHooks::setDialogRunner({});
}

QTEST_MAIN(gs1DialogTest)
#include "test_gs1dialog.moc"
