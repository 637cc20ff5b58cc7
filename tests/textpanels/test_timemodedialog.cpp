// The date/time format dialog: its form, the quick formats and the composition from the six rows.
#include "settimemodedialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace
{

const char *const rowNames[] = {"year", "month", "day", "hour", "minute", "second"};

QComboBox *combo(setTimeModeDialog &d, const QString &name)
{
    auto *c = d.findChild<QComboBox *>(name);
    if (!c)
        qFatal("no combo %s", qPrintable(name));
    return c;
}

QComboBox *formatCombo(setTimeModeDialog &d, int row)
{
    return combo(d, QString(rowNames[row]) + "FormatCombox");
}

QComboBox *suffixCombo(setTimeModeDialog &d, int row)
{
    return combo(d, QString(rowNames[row]) + "SuffixCombox");
}

QSpinBox *orderSpin(setTimeModeDialog &d, int row)
{
    return d.findChild<QSpinBox *>(QString(rowNames[row]) + "Spin");
}

QStringList items(QComboBox *c)
{
    QStringList list;
    for (int i = 0; i < c->count(); ++i)
        list << c->itemText(i);
    return list;
}

void click(setTimeModeDialog &d, const char *button)
{
    QTest::mouseClick(d.findChild<QPushButton *>(button), Qt::LeftButton);
}

QString previewLine(setTimeModeDialog &d)
{
    return d.findChild<QLineEdit *>("preViewLineEdit")->text();
}

const QString defaultFormat = "yyyy/MM/dd  hh:mm:ss";

} // namespace

class TimeModeDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initialForm()
    {
        setTimeModeDialog d;
        QCOMPARE(d.size(), QSize(480, 272));
        QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(d.findChild<QLabel *>("titleLabel")->text(), QString("格式设置"));
        QCOMPARE(d.timeMode, defaultFormat);
        QCOMPARE(d.previewText, QString("2016/07/01  08:30:00"));
        QCOMPARE(previewLine(d), d.previewText);
        QCOMPARE(d.findChild<QPushButton *>("preViewPushButton")->text(), QString("预览"));
        QCOMPARE(d.findChild<QPushButton *>("OKButton")->text(), QString("确定"));
        QCOMPARE(d.findChild<QPushButton *>("cancelButton")->text(), QString("取消"));
        const int orders[] = {1, 2, 3, 4, 5, 6};
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(orderSpin(d, row)->value(), orders[row]);
            QCOMPARE(orderSpin(d, row)->minimum(), 1);
            QCOMPARE(orderSpin(d, row)->maximum(), 6);
        }
    }

    void rowLists()
    {
        setTimeModeDialog d;
        QCOMPARE(items(formatCombo(d, 0)), QStringList({"yyyy", "yy", "取消"}));
        QCOMPARE(items(formatCombo(d, 5)), QStringList({"ss", "取消"}));
        QCOMPARE(items(suffixCombo(d, 0)), QStringList({"/", "-", ".", "年", "空格", "取消"}));
        QCOMPARE(items(suffixCombo(d, 2)), QStringList({"/", "-", ".", "日", "空格", "双空格", "取消"}));
        QCOMPARE(items(suffixCombo(d, 3)), QStringList({":", "时", "空格"}));
        QCOMPARE(items(suffixCombo(d, 5)), QStringList({"取消", "秒", "空格", "双空格"}));
        QCOMPARE(suffixCombo(d, 2)->currentText(), QString("双空格"));
        QCOMPARE(suffixCombo(d, 5)->currentText(), QString("取消"));
    }

    void quickFormatList()
    {
        setTimeModeDialog d;
        const QStringList expected = {"yyyy年",
                                      "yy年",
                                      "yyyy",
                                      "yyyy/MM",
                                      "yy/MM",
                                      "yyyy.MM",
                                      "yyyy年MM月",
                                      "yyyy/MM/dd",
                                      "yy/MM/dd",
                                      "yyyy-MM-dd",
                                      "yy-MM-dd",
                                      "yyyy年MM月dd日",
                                      "yyyyMMdd",
                                      "yyyy/MM/dd hh时",
                                      "yy/MM/dd  hh时",
                                      "yyyy/MM/dd  hh:mm",
                                      "yy/MM/dd  hh:mm",
                                      "yyyy/MM/dd hh:mm:ss",
                                      "yy/MM/dd hh:mm:ss",
                                      "yyyy-MM-dd hh:mm:ss",
                                      "yy-MM-dd hh:mm:ss",
                                      "yyyy年MM月dd日 hh时mm分ss秒",
                                      "hh:mm:ss",
                                      "dd.MM.yyyy",
                                      "hh:mm"};
        QCOMPARE(items(combo(d, "timeModeCombo")), expected);
        QCOMPARE(combo(d, "timeModeCombo")->currentIndex(), 0);
        // The first entry is shown but not chosen: the dialog still offers its default.
        QCOMPARE(d.timeMode, defaultFormat);
    }

    void quickFormatChosen()
    {
        setTimeModeDialog d;
        combo(d, "timeModeCombo")->setCurrentIndex(21);
        QCOMPARE(d.timeMode, QString("yyyy年MM月dd日 hh时mm分ss秒"));
        QCOMPARE(previewLine(d), QString("2016年07月01日 08时30分00秒"));
        combo(d, "timeModeCombo")->setCurrentIndex(23);
        QCOMPARE(previewLine(d), QString("01.07.2016"));
        // The rows are not touched by a quick format.
        QCOMPARE(formatCombo(d, 0)->currentText(), QString("yyyy"));
    }

    void compose_data()
    {
        QTest::addColumn<QList<int>>("formats");  // format combo index per row
        QTest::addColumn<QList<int>>("suffixes"); // suffix combo index per row
        QTest::addColumn<QList<int>>("orders");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("preview");

        const QList<int> f0 = {0, 0, 0, 0, 0, 0}, s0 = {0, 0, 5, 0, 0, 0}, o0 = {1, 2, 3, 4, 5, 6};
        QTest::newRow("initial rows") << f0 << s0 << o0 << defaultFormat << "2016/07/01  08:30:00";
        QTest::newRow("all cancelled") << QList<int>{2, 1, 1, 1, 1, 1} << s0 << o0 << ""
                                       << "";
        QTest::newRow("reversed order") << f0 << s0 << QList<int>{6, 5, 4, 3, 2, 1} << "ssmm:hh:dd  MM/yyyy/"
                                        << "0030:08:01  07/2016/";
        QTest::newRow("equal orders")
            << f0 << s0 << QList<int>{1, 1, 1, 1, 1, 1} << defaultFormat << "2016/07/01  08:30:00";
        QTest::newRow("day cancelled, year last but one")
            << QList<int>{0, 0, 1, 0, 0, 0} << s0 << QList<int>{6, 2, 3, 4, 5, 6} << "MM/hh:mm:yyyy/ss"
            << "07/08:30:2016/00";
        QTest::newRow("hour blank, minute cancelled")
            << QList<int>{0, 0, 0, 0, 1, 0} << QList<int>{0, 0, 5, 2, 0, 0} << o0 << "yyyy/MM/dd  hh ss"
            << "2016/07/01  08 00";
        QTest::newRow("chinese units") << QList<int>{1, 0, 0, 0, 0, 0} << QList<int>{3, 3, 3, 1, 1, 1} << o0
                                       << "yy年MM月dd日hh时mm分ss秒"
                                       << "16年07月01日08时30分00秒";
        QTest::newRow("separators and blanks")
            << f0 << QList<int>{1, 2, 4, 2, 1, 3} << o0 << "yyyy-MM.dd hh mm分ss  "
            << "2016-07.01 08 30分00  ";
        QTest::newRow("suffixes cancelled") << f0 << QList<int>{5, 5, 6, 0, 0, 2} << o0 << "yyyyMMddhh:mm:ss "
                                            << "20160701"
                                               "08:30:00 ";
    }

    void compose()
    {
        QFETCH(QList<int>, formats);
        QFETCH(QList<int>, suffixes);
        QFETCH(QList<int>, orders);
        QFETCH(QString, format);
        QFETCH(QString, preview);
        setTimeModeDialog d;
        for (int row = 0; row < 6; ++row) {
            formatCombo(d, row)->setCurrentIndex(formats[row]);
            suffixCombo(d, row)->setCurrentIndex(suffixes[row]);
            orderSpin(d, row)->setValue(orders[row]);
        }
        click(d, "preViewPushButton");
        QCOMPARE(d.timeMode, format);
        QCOMPARE(d.previewText, preview);
        QCOMPARE(previewLine(d), preview);
        click(d, "OKButton");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.timeMode, format);
    }

    // OK gives what the controls show at that moment, 预览 or not: the last control changed wins.
    void okGivesWhatTheControlsShow()
    {
        setTimeModeDialog d;
        formatCombo(d, 0)->setCurrentIndex(1);
        orderSpin(d, 0)->setValue(6);
        click(d, "OKButton");
        QCOMPARE(d.timeMode, QString("MM/dd  hh:mm:yy/ss"));
        QCOMPARE(previewLine(d), QString("07/01  08:30:16/00"));

        setTimeModeDialog chosen;
        formatCombo(chosen, 2)->setCurrentIndex(1);
        combo(chosen, "timeModeCombo")->setCurrentIndex(4);
        click(chosen, "OKButton");
        QCOMPARE(chosen.timeMode, QString("yy/MM"));
    }

    // Opened on a format, the dialog shows it, sets the rows where they can express it, and gives it back
    // unchanged when nothing is touched.
    void opensOnTheFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("quick");   // the quick list's text, empty when none is chosen
        QTest::addColumn<QString>("yearRow"); // year format and suffix texts, empty when unchanged
        QTest::newRow("quick and rows") << "yy/MM/dd"
                                        << "yy/MM/dd"
                                        << "yy /";
        QTest::newRow("rows only") << "dd.MM.yy年"
                                   << ""
                                   << "yy 年";
        QTest::newRow("quick only") << "hh:mm"
                                    << "hh:mm"
                                    << "";
        QTest::newRow("neither") << "'day' d"
                                 << ""
                                 << "";
    }

    void opensOnTheFormat()
    {
        QFETCH(QString, format);
        QFETCH(QString, quick);
        QFETCH(QString, yearRow);
        setTimeModeDialog d;
        d.showFormat(format);
        QCOMPARE(previewLine(d), QDateTime(QDate(2016, 7, 1), QTime(8, 30)).toString(format));
        QCOMPARE(combo(d, "timeModeCombo")->currentText(), quick);
        if (!yearRow.isEmpty())
            QCOMPARE(formatCombo(d, 0)->currentText() + ' ' + suffixCombo(d, 0)->currentText(), yearRow);
        click(d, "OKButton");
        QCOMPARE(d.timeMode, format);
        if (yearRow.isEmpty())
            return;
        // The rows compose the same format again.
        click(d, "preViewPushButton");
        QCOMPARE(d.timeMode, format);
        // A year changed without 预览 is what OK gives.
        formatCombo(d, 0)->setCurrentIndex(formatCombo(d, 0)->currentIndex() == 0 ? 1 : 0);
        QVERIFY(d.timeMode != format);
        QCOMPARE(previewLine(d), QDateTime(QDate(2016, 7, 1), QTime(8, 30)).toString(d.timeMode));
    }

    void cancelRejects()
    {
        setTimeModeDialog d;
        click(d, "cancelButton");
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TimeModeDialogTest)
#include "test_timemodedialog.moc"
