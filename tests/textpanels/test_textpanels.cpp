// The text, time and counter panels inside the main window: their forms, loading an item (which
// normalises it), the routing of every edit to the current item, and the time panel's format button.
#include "cnt2setting.h"
#include "cntsetting.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "fonttables.h"
#include "modalhooks.h"
#include "settimemodedialog.h"
#include "textsetting.h"
#include "timesetting.h"
#include "ui_widget.h"
#include "widget.h"

#include "widgettestaccess.h"
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace
{

template <typename T> T *child(QWidget *panel, const QString &name)
{
    T *found = panel->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QSpinBox *spin(QWidget *panel, const QString &name)
{
    return child<QSpinBox>(panel, name);
}

QComboBox *combo(QWidget *panel, const QString &name)
{
    return child<QComboBox>(panel, name);
}

QStringList items(QComboBox *c)
{
    QStringList list;
    for (int i = 0; i < c->count(); ++i)
        list << c->itemText(i);
    return list;
}

// Row and column of a control in its group's grid.
QPoint gridCell(QWidget *control)
{
    auto *grid = qobject_cast<QGridLayout *>(control->parentWidget()->layout());
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(control), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

// The label sharing a control's grid row.
QString rowLabel(QWidget *control)
{
    auto *grid = qobject_cast<QGridLayout *>(control->parentWidget()->layout());
    const QPoint cell = gridCell(control);
    auto *label = qobject_cast<QLabel *>(grid->itemAtPosition(cell.y(), 0)->widget());
    return label ? label->text() : QString();
}

// Put an item into the scene without selecting it, as a file would.
template <typename Item> Item *sceneItem(Widget &w, QPointF pos, qreal rotation = 0)
{
    auto *item = new Item;
    item->setFont(item->itemFont);
    item->setPos(pos);
    item->setRotation(rotation);
    w.designScene()->addItem(item);
    return item;
}

} // namespace

class TextPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        modalHooks::setMessageBoxRunner([](QMessageBox &) { return int(QMessageBox::Yes); });
    }

    void cleanup() { modalHooks::setDialogRunner({}); }

    void panelsSitInTheirScrollAreas()
    {
        Widget w;
        WidgetTestAccess a(w);
        QCOMPARE(a.ui()->textScrollArea->widget(), static_cast<QWidget *>(a.textPanel()));
        QCOMPARE(a.ui()->timeScrollArea->widget(), static_cast<QWidget *>(a.timePanel()));
        QCOMPARE(a.ui()->cntScrollArea->widget(), static_cast<QWidget *>(a.cntPanel()));
        QCOMPARE(a.ui()->cnt2ScrollArea->widget(), static_cast<QWidget *>(a.cnt2Panel()));
    }

    void commonControls_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<int>("initialSize");
        QTest::addColumn<QPoint>("fontCell");
        QTest::addColumn<QPoint>("sizeCell");
        QTest::addColumn<QPoint>("spacingCell");
        QTest::newRow("text") << "text"
                              << "textIntervalSpin" << 6 << QPoint(1, 1) << QPoint(1, 2) << QPoint(1, 3);
        QTest::newRow("time") << "time"
                              << "timeSpacingSpin" << 30 << QPoint(1, 0) << QPoint(1, 1) << QPoint(1, 2);
        QTest::newRow("cnt") << "cnt"
                             << "cntIntervalSpin" << 30 << QPoint(1, 0) << QPoint(1, 3) << QPoint(1, 4);
        QTest::newRow("cnt2") << "cnt2"
                              << "cnt2IntervalSpin" << 30 << QPoint(1, 0) << QPoint(1, 3) << QPoint(1, 4);
    }

    void commonControls()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, spacing);
        QFETCH(int, initialSize);
        QFETCH(QPoint, fontCell);
        QFETCH(QPoint, sizeCell);
        QFETCH(QPoint, spacingCell);
        Widget w;
        WidgetTestAccess a(w);
        QWidget *panels[] = {a.textPanel(), a.timePanel(), a.cntPanel(), a.cnt2Panel()};
        QWidget *panel = panels[QStringList({"text", "time", "cnt", "cnt2"}).indexOf(prefix)];
        QCOMPARE(child<QWidget>(panel, "widget")->geometry(), QRect(0, 0, 320, 310));
        QCOMPARE(child<QWidget>(panel, "widget_2")->geometry(), QRect(420, 0, 320, 310));

        struct expectedSpin {
            QString name;
            int min, max, step, value;
            QPoint cell;
            QString label;
        };
        const expectedSpin spins[] = {
            {prefix + "XSpin", 0, 79999, 1, 0, QPoint(1, 0), "X"},
            {prefix + "YSpin", 0, 299, 1, 0, QPoint(1, 1), "Y"},
            {prefix + "RotateSpin", 0, 180, 1, 0, QPoint(1, 2), "旋转"},
            {prefix + "SizeSpin", 6, 400, 3, initialSize, sizeCell, "字号"},
            {spacing, -100, 200, 1, 0, spacingCell, "间距"},
        };
        for (const expectedSpin &e : spins) {
            QSpinBox *box = spin(panel, e.name);
            QCOMPARE(box->minimum(), e.min);
            QCOMPARE(box->maximum(), e.max);
            QCOMPARE(box->singleStep(), e.step);
            QCOMPARE(box->value(), e.value);
            QCOMPARE(gridCell(box), e.cell);
            QCOMPARE(rowLabel(box), e.label);
            QCOMPARE(box->minimumHeight(), 30);
            QCOMPARE(box->alignment(), Qt::AlignCenter);
        }
        for (const char *group : {"widget", "widget_2"}) {
            auto *grid = qobject_cast<QGridLayout *>(child<QWidget>(panel, group)->layout());
            QCOMPARE(grid->horizontalSpacing(), 3);
            QCOMPARE(grid->contentsMargins().left(), 6);
        }
        for (QLabel *label : panel->findChildren<QLabel *>()) {
            if (label->objectName() == "label_background")
                continue;
            QCOMPARE(label->font().pointSize(), 11);
            // Absolute, so that right-to-left (Arabic) label texts stay next to their boxes.
            QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
        }
        QComboBox *font = combo(panel, prefix + "FontCombo");
        QCOMPARE(gridCell(font), fontCell);
        QCOMPARE(rowLabel(font), QString("字体"));
        QCOMPARE(font->currentIndex(), 0);
    }

    // The forms' own size; in the window the resizable scroll areas fit them to their viewports.
    void formSizes()
    {
        textSetting text;
        timeSetting time;
        cntSetting cnt;
        cnt2Setting cnt2;
        // The text panel is taller by its data-file group, which the scroll area scrolls to.
        for (QWidget *panel : std::initializer_list<QWidget *>{&text, &time, &cnt, &cnt2}) {
            QCOMPARE(panel->size(), QSize(740, panel == &text ? 470 : 310));
            QCOMPARE(child<QLabel>(panel, "label_background")->geometry(), QRect(0, 0, 740, 310));
        }
    }

    void panelOwnControls()
    {
        Widget w;
        WidgetTestAccess a(w);
        const QStringList digits = {"1位", "2位", "3位", "4位", "5位", "6位", "7位", "8位"};
        for (QWidget *panel : {static_cast<QWidget *>(a.cntPanel()), static_cast<QWidget *>(a.cnt2Panel())}) {
            QComboBox *mode =
                panel->findChild<QComboBox *>(panel == a.cntPanel() ? "cntModeCombo" : "cnt2ModeCombo");
            QVERIFY(mode);
            QCOMPARE(items(mode), digits);
            QCOMPARE(gridCell(mode), QPoint(1, 1));
            QCOMPARE(rowLabel(mode), QString("类型"));
        }
        QComboBox *name = combo(a.cntPanel(), "cntNameCombo");
        QCOMPARE(items(name), QStringList({"计数器1", "计数器2"}));
        QCOMPARE(gridCell(name), QPoint(1, 3));
        QCOMPARE(rowLabel(name), QString("类别"));
        QVERIFY(!a.cnt2Panel()->findChild<QComboBox *>("cntNameCombo"));
        auto *change = child<QPushButton>(a.timePanel(), "changePushButton");
        QCOMPARE(change->text(), QString("更改"));
        QCOMPARE(gridCell(change), QPoint(1, 4));
        auto *valid = a.timePanel()->findChild<QSpinBox *>("timeValidSpin");
        QCOMPARE(gridCell(valid), QPoint(1, 3));
        QCOMPARE(rowLabel(valid), QString("有效期(月)"));
    }

    void fontListsAndTables()
    {
        Widget w;
        WidgetTestAccess a(w);
        QCOMPARE(textFontTable.count, 16);
        QCOMPARE(cntFontTable.count, 15);
        QCOMPARE(cnt2FontTable.count, 16);
        QCOMPARE(items(combo(a.textPanel(), "textFontCombo")), textFontTable.displayTexts("textSetting"));
        QCOMPARE(items(combo(a.timePanel(), "timeFontCombo")), cntFontTable.displayTexts("timeSetting"));
        QCOMPARE(items(combo(a.cntPanel(), "cntFontCombo")), cntFontTable.displayTexts("cntSetting"));
        QCOMPARE(items(combo(a.cnt2Panel(), "cnt2FontCombo")), cnt2FontTable.displayTexts("cnt2Setting"));
        QCOMPARE(combo(a.textPanel(), "textFontCombo")->itemText(15), QString("Arabic"));
        QCOMPARE(combo(a.cntPanel(), "cntFontCombo")->itemText(14), QString("常用点阵"));
        QCOMPARE(combo(a.cnt2Panel(), "cnt2FontCombo")->itemText(12), QString("7点阵双点"));
        QCOMPARE(textFontTable.families().mid(0, 15), cntFontTable.families());
        QCOMPARE(textFontTable.familyAt(14), QString("??????01"));
        QCOMPARE(cnt2FontTable.familyAt(14), QString("??????2fzr"));
        QCOMPARE(cnt2FontTable.familyAt(12), QString("Arcade"));
        QCOMPARE(cntFontTable.familyAt(15), QString("simsun"));
        QCOMPARE(textFontTable.familyAt(-1), QString("simsun"));
    }

    // Loading is not blocked: changed boxes write the truncated, clamped value back to the item.
    void loadingNormalisesTheItem()
    {
        Widget w;
        WidgetTestAccess a(w);
        auto *item = sceneItem<diagramTextItem>(w, QPointF(12.7, 40.2), 90.5);
        w.itemSelected(item);
        QCOMPARE(item->pos(), QPointF(12, 40));
        QCOMPARE(item->rotation(), 90.0);
        QCOMPARE(spin(a.textPanel(), "textXSpin")->value(), 12);
        QCOMPARE(spin(a.textPanel(), "textYSpin")->value(), 40);
        QCOMPARE(spin(a.textPanel(), "textRotateSpin")->value(), 90);

        // The boxes already show 12, 40 and 90: nothing is emitted, the fractions stay.
        auto *again = sceneItem<diagramTextItem>(w, QPointF(12.7, 40.2), 90.5);
        w.itemSelected(again);
        QCOMPARE(again->pos(), QPointF(12.7, 40.2));
        QCOMPARE(again->rotation(), 90.5);
    }

    // Selecting never moves an item down the strip: an item lower than the Y rule allows (from a file)
    // stays where it is, and its Y box reaches it.
    void loadingClampsOutOfRange()
    {
        Widget w;
        WidgetTestAccess a(w);
        auto *low = sceneItem<diagramCntItem>(w, QPointF(30, 250), 270);
        w.itemSelected(low);
        QCOMPARE(low->pos(), QPointF(30, 250));
        QCOMPARE(low->rotation(), 180.0);
        QCOMPARE(spin(a.cntPanel(), "cntYSpin")->value(), 250);
        QVERIFY(spin(a.cntPanel(), "cntYSpin")->maximum() >= 250);

        // The rotation box already shows 180: the item keeps its turn.
        auto *second = sceneItem<diagramCntItem>(w, QPointF(31, 150), 200);
        w.itemSelected(second);
        QCOMPARE(second->pos(), QPointF(31, 150));
        QCOMPARE(second->rotation(), 200.0);

        // Far beyond any int, as a file could hold; x is put back to 0 by the selection itself, y to the
        // strip's last row.
        auto *far = sceneItem<diagramTimeItem>(w, QPointF(-5, 1e300));
        w.itemSelected(far);
        QCOMPARE(far->pos(), QPointF(0, 299));
        QCOMPARE(spin(a.timePanel(), "timeXSpin")->value(), 0);
    }

    void loadingFontSizeAndSpacing()
    {
        Widget w;
        WidgetTestAccess a(w);
        auto *item = sceneItem<diagramTextItem>(w, QPointF(0, 0));
        item->itemFont.setFamily("DejaVu Sans");
        item->itemFont.setPixelSize(41);
        item->itemFont.setLetterSpacing(QFont::AbsoluteSpacing, 7.9);
        item->setFont(item->itemFont);
        w.itemSelected(item);
        QCOMPARE(combo(a.textPanel(), "textFontCombo")->currentIndex(), 15);
        QCOMPARE(spin(a.textPanel(), "textSizeSpin")->value(), 41);
        QCOMPARE(spin(a.textPanel(), "textIntervalSpin")->value(), 7);
        // Written back: the spacing is now whole.
        QCOMPARE(item->font().letterSpacing(), 7.0);
        QCOMPARE(item->itemFont.letterSpacing(), 7.0);

        // A family the time list does not offer leaves the time combo where it was.
        auto *time = sceneItem<diagramTimeItem>(w, QPointF(0, 0));
        combo(a.timePanel(), "timeFontCombo")->setCurrentIndex(3);
        time->itemFont.setFamily("DejaVu Sans");
        time->setFont(time->itemFont);
        w.itemSelected(time);
        QCOMPARE(combo(a.timePanel(), "timeFontCombo")->currentIndex(), 3);
        QCOMPARE(time->itemFont.family(), QString("DejaVu Sans"));
    }

    // Sizes and spacings a file may carry are brought into the boxes' ranges and written back.
    void loadingExtremeFontValues()
    {
        Widget w;
        WidgetTestAccess a(w);
        auto *item = sceneItem<diagramCnt2Item>(w, QPointF(0, 0));
        item->itemFont.setPixelSize(100000);
        item->itemFont.setLetterSpacing(QFont::AbsoluteSpacing, -1e6);
        item->setFont(item->itemFont);
        w.itemSelected(item);
        QCOMPARE(spin(a.cnt2Panel(), "cnt2SizeSpin")->value(), 400);
        QCOMPARE(spin(a.cnt2Panel(), "cnt2IntervalSpin")->value(), -100);
        QCOMPARE(item->font().pixelSize(), 400);
        QCOMPARE(item->font().letterSpacing(), -100.0);
    }

    void loadingCounterDigits()
    {
        Widget w;
        WidgetTestAccess a(w);
        QComboBox *mode = combo(a.cntPanel(), "cntModeCombo");
        auto *six = sceneItem<diagramCntItem>(w, QPointF(0, 0));
        w.itemSelected(six);
        QCOMPARE(mode->currentText(), QString("6位"));

        QSignalSpy spy(a.cntPanel(), &cntSetting::cntModeChange);
        mode->setCurrentIndex(7);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 7);
        QCOMPARE(six->mode, 8);
        QCOMPARE(six->toPlainText(), QString("00000000"));

        // A digit count outside 1 to 8 leaves the list alone (and so the item too).
        auto *odd = sceneItem<diagramCntItem>(w, QPointF(0, 0));
        odd->mode = INT_MIN;
        w.itemSelected(odd);
        QCOMPARE(mode->currentIndex(), 7);
        QCOMPARE(odd->mode, INT_MIN);

        // The counter choice is not loaded.
        combo(a.cntPanel(), "cntNameCombo")->setCurrentIndex(1);
        auto *named = sceneItem<diagramCntItem>(w, QPointF(0, 0));
        w.itemSelected(named);
        QCOMPARE(combo(a.cntPanel(), "cntNameCombo")->currentIndex(), 1);
        QCOMPARE(named->name, 0);
    }

    void sizeBoxStepsAndRefuses()
    {
        Widget w;
        WidgetTestAccess a(w);
        QSpinBox *size = spin(a.textPanel(), "textSizeSpin");
        size->stepUp();
        QCOMPARE(size->value(), 9);
        QCOMPARE(a.text()->itemFont.pixelSize(), 9);
        size->selectAll();
        QTest::keyClicks(size, "401");
        // The last digit is refused: the box stops at 40.
        QCOMPARE(size->value(), 40);
        QCOMPARE(a.text()->itemFont.pixelSize(), 40);
    }

    void fontRouting()
    {
        Widget w;
        WidgetTestAccess a(w);
        combo(a.textPanel(), "textFontCombo")->setCurrentIndex(15);
        QCOMPARE(a.text()->itemFont.family(), QString("DejaVu Sans"));
        QCOMPARE(a.text()->font().family(), QString("DejaVu Sans"));

        WidgetTestAccess(w).kind<cntRouting>().cntFontChange(15);
        QCOMPARE(a.cnt()->font().family(), QString("simsun"));
        WidgetTestAccess(w).kind<cntRouting>().cntFontChange(2);
        QCOMPARE(a.cnt()->font().family(), QString("Microsoft Yahei"));
        WidgetTestAccess(w).kind<cntRouting>().cntFontChange(-1);
        QCOMPARE(a.cnt()->font().family(), QString("simsun"));
        WidgetTestAccess(w).kind<timeRouting>().timeFontChange(15);
        QCOMPARE(a.time()->font().family(), QString("simsun"));
        WidgetTestAccess(w).kind<timeRouting>().timeFontChange(14);
        QCOMPARE(a.time()->font().family(), QString("??????01"));
        combo(a.cnt2Panel(), "cnt2FontCombo")->setCurrentIndex(12);
        QCOMPARE(a.cnt2()->font().family(), QString("Arcade"));
        WidgetTestAccess(w).kind<cnt2Routing>().cnt2FontChange(16);
        QCOMPARE(a.cnt2()->font().family(), QString("simsun"));
        WidgetTestAccess(w).kind<textRouting>().textFontChange(16);
        QCOMPARE(a.text()->font().family(), QString("simsun"));
    }

    void sizeAndSpacingRouting()
    {
        Widget w;
        WidgetTestAccess a(w);
        spin(a.cntPanel(), "cntSizeSpin")->setValue(60);
        QCOMPARE(a.cnt()->font().pixelSize(), 60);
        spin(a.cntPanel(), "cntIntervalSpin")->setValue(-12);
        QCOMPARE(a.cnt()->font().letterSpacing(), -12.0);
        QCOMPARE(a.cnt()->font().letterSpacingType(), QFont::AbsoluteSpacing);
        spin(a.timePanel(), "timeSpacingSpin")->setValue(20);
        QCOMPARE(a.time()->font().letterSpacing(), 20.0);
        spin(a.timePanel(), "timeSizeSpin")->setValue(33);
        QCOMPARE(a.time()->font().pixelSize(), 33);
        spin(a.cnt2Panel(), "cnt2IntervalSpin")->setValue(5);
        QCOMPARE(a.cnt2()->itemFont.letterSpacing(), 5.0);
        // Values come as they are: the routing itself sets no limits.
        WidgetTestAccess(w).kind<textRouting>().textSizeChange(1000);
        QCOMPARE(a.text()->font().pixelSize(), 1000);
        WidgetTestAccess(w).kind<textRouting>().textIntervalChange(-500);
        QCOMPARE(a.text()->font().letterSpacing(), -500.0);
        // The family stays whatever was chosen before.
        QCOMPARE(a.text()->font().family(), QString("simsun"));
    }

    void positionRouting()
    {
        Widget w;
        WidgetTestAccess a(w);
        spin(a.timePanel(), "timeXSpin")->setValue(300);
        spin(a.timePanel(), "timeYSpin")->setValue(20);
        spin(a.timePanel(), "timeRotateSpin")->setValue(45);
        QCOMPARE(a.time()->pos(), QPointF(300, 20));
        QCOMPARE(a.time()->rotation(), 45.0);
        spin(a.cnt2Panel(), "cnt2YSpin")->setValue(7);
        QCOMPARE(a.cnt2()->pos(), QPointF(0, 7));
    }

    void digitRouting()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(2);
        diagramCntItem *cnt = a.cnt();
        QCOMPARE(cnt->mode, 6);
        WidgetTestAccess(w).kind<cntRouting>().cntModeChange(2);
        QCOMPARE(cnt->mode, 3);
        QCOMPARE(cnt->toPlainText(), QString("000"));
        WidgetTestAccess(w).kind<cntRouting>().cntModeChange(5);
        cnt->setPlainText("changed");
        WidgetTestAccess(w).kind<cntRouting>().cntModeChange(9);
        QCOMPARE(cnt->mode, 6);
        QCOMPARE(cnt->toPlainText(), QString("000000"));
        WidgetTestAccess(w).kind<cntRouting>().cntModeChange(-1);
        QCOMPARE(cnt->mode, 6);

        WidgetTestAccess(w).kind<cnt2Routing>().cnt2ModeChange(0);
        QCOMPARE(a.cnt2()->mode, 1);
        QCOMPARE(a.cnt2()->toPlainText(), QString("0"));
        WidgetTestAccess(w).kind<cnt2Routing>().cnt2ModeChange(8);
        QCOMPARE(a.cnt2()->mode, 1);
    }

    void counterChoiceRouting()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(2);
        const QString shown = a.cnt()->toPlainText();
        combo(a.cntPanel(), "cntNameCombo")->setCurrentIndex(1);
        QCOMPARE(a.cnt()->name, 1);
        QCOMPARE(a.cnt()->toPlainText(), shown);
    }

    void timeModeRerenders()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(4);
        diagramTimeItem *time = a.time();
        time->dateTime = QDateTime(QDate(2018, 11, 1), QTime(6, 5, 4));
        time->valid = 12;
        WidgetTestAccess(w).kind<timeRouting>().timeModeChange("yyyy/MM/dd");
        QCOMPARE(time->mode, QString("yyyy/MM/dd"));
        QCOMPARE(time->toPlainText(), QString("2019/10/31"));
        time->valid = 0;
        WidgetTestAccess(w).kind<timeRouting>().timeModeChange("hh:mm:ss");
        QCOMPARE(time->toPlainText(), QString("06:05:04"));
    }

    // Before any selection every edit lands on the off-scene items only.
    void editsBeforeSelectionStayOffScene()
    {
        Widget w;
        WidgetTestAccess a(w);
        auto *onScene = sceneItem<diagramTextItem>(w, QPointF(5, 5));
        auto *cntOnScene = sceneItem<diagramCntItem>(w, QPointF(6, 6));
        spin(a.textPanel(), "textXSpin")->setValue(123);
        combo(a.textPanel(), "textFontCombo")->setCurrentIndex(4);
        spin(a.cntPanel(), "cntYSpin")->setValue(50);
        combo(a.cntPanel(), "cntModeCombo")->setCurrentIndex(1);
        QVERIFY(!a.text()->scene());
        QVERIFY(!a.cnt()->scene());
        QCOMPARE(a.text()->x(), 123.0);
        QCOMPARE(a.text()->font().family(), QString("Arial"));
        QCOMPARE(a.cnt()->y(), 50.0);
        QCOMPARE(a.cnt()->toPlainText(), QString("00"));
        QCOMPARE(onScene->pos(), QPointF(5, 5));
        QCOMPARE(onScene->font().family(), QString("simsun"));
        QCOMPARE(cntOnScene->pos(), QPointF(6, 6));
        QCOMPARE(cntOnScene->mode, 6);
        QCOMPARE(w.designScene()->items().size(), 2);
    }

    void changeButtonAccepted()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(4);
        diagramTimeItem *time = a.time();
        time->dateTime = QDateTime(QDate(2016, 7, 1), QTime(8, 30, 0));
        int runs = 0;
        modalHooks::setDialogRunner([&runs, time](QDialog &dialog) {
            auto *d = qobject_cast<setTimeModeDialog *>(&dialog);
            if (!d)
                return int(QDialog::Rejected);
            ++runs;
            // Every click gets a fresh dialog, opened on the item's format.
            if (d->timeMode != time->mode || d->parent())
                return int(QDialog::Rejected);
            d->findChild<QComboBox *>("timeModeCombo")->setCurrentIndex(21);
            QTest::mouseClick(d->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
            return d->result();
        });
        QSignalSpy spy(a.timePanel(), &timeSetting::timeModeChange);
        QTest::mouseClick(child<QPushButton>(a.timePanel(), "changePushButton"), Qt::LeftButton);
        QCOMPARE(runs, 1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(time->mode, QString("yyyy年MM月dd日 hh时mm分ss秒"));
        QCOMPARE(time->toPlainText(), QString("2016年07月01日 08时30分00秒"));

        QTest::mouseClick(child<QPushButton>(a.timePanel(), "changePushButton"), Qt::LeftButton);
        QCOMPARE(runs, 2);
        QCOMPARE(spy.count(), 2);
    }

    void changeButtonCancelled()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(4);
        diagramTimeItem *time = a.time();
        const QString shown = time->toPlainText();
        modalHooks::setDialogRunner([](QDialog &dialog) {
            auto *d = qobject_cast<setTimeModeDialog *>(&dialog);
            if (!d)
                return int(QDialog::Accepted);
            d->findChild<QComboBox *>("timeModeCombo")->setCurrentIndex(2);
            QTest::mouseClick(d->findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
            return d->result();
        });
        QSignalSpy spy(a.timePanel(), &timeSetting::timeModeChange);
        QTest::mouseClick(child<QPushButton>(a.timePanel(), "changePushButton"), Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(time->mode, QString("yyyy/MM/dd hh:mm:ss"));
        QCOMPARE(time->toPlainText(), shown);
    }

    // Accepted untouched, the dialog changes nothing: not the format, not the history.
    void changeButtonUntouchedKeepsTheFormat()
    {
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(4);
        auto *change = child<QPushButton>(a.timePanel(), "changePushButton");
        QString shown;
        modalHooks::setDialogRunner([&shown](QDialog &dialog) {
            shown = dialog.findChild<QLineEdit *>("preViewLineEdit")->text();
            QTest::mouseClick(dialog.findChild<QPushButton *>("OKButton"), Qt::LeftButton);
            return dialog.result();
        });
        QTest::mouseClick(change, Qt::LeftButton);
        QCOMPARE(a.time()->mode, QString("yyyy/MM/dd hh:mm:ss"));
        WidgetTestAccess(w).kind<timeRouting>().timeModeChange("yy/MM/dd");
        QTest::mouseClick(change, Qt::LeftButton);
        QCOMPARE(a.time()->mode, QString("yy/MM/dd"));
        QCOMPARE(shown, QString("16/07/01"));
    }
};

QTEST_MAIN(TextPanelsTest)
#include "test_textpanels.moc"
