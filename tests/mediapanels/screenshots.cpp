// Saves pictures of the designer for the README: the main window with each property panel shown and the
// two dialogs, rendered by the real widgets on Qt's offscreen platform. Run by scripts/screenshots.sh.
//   spr-screenshots <output folder> <file prefix> [translation .qm path]
#include "canvasedit.h"
#include "diagramscene.h"
#include "diagramtimeitem.h"
#include "modalhooks.h"
#include "widget.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif

namespace
{

QString outputDir, prefix;
bool allSaved = true;

void save(QWidget &widget, const QString &name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = QDir(outputDir).filePath(prefix + "-" + name + ".png");
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        allSaved = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// A small monochrome sample picture for the image item, at a fixed path so that the pictures of the
// image panel do not change from run to run.
QString writeSamplePicture()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 6));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(60, 60), 40, 40);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(120, 20, 60, 80);
    painter.end();
    const QString folder = QDir::temp().filePath("spr-designer-sample");
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath("logo.bmp");
    if (!image.save(path, "BMP"))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Adds an item with the tool button of that id and returns it.
QGraphicsItem *addItem(Widget &window, int toolId)
{
    const QList<QGraphicsItem *> before = window.designScene()->items();
    window.buttonItemsClicked(toolId);
    for (QGraphicsItem *item : window.designScene()->items())
        if (!before.contains(item))
            return item;
    return nullptr;
}

void select(Widget &window, QGraphicsItem *item)
{
    window.designScene()->clearSelection();
    item->setSelected(true);
    window.itemSelected(item);
    // Show the item from its left edge, as much of it as the view holds.
    auto *view = window.findChild<QGraphicsView *>("graphicsView");
    const QRectF box = item->sceneBoundingRect();
    const qreal shownWidth = view->mapToScene(view->viewport()->rect()).boundingRect().width();
    view->centerOn(box.left() - 20 + std::min(box.width() + 40, shownWidth) / 2, 150);
}

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(translations);
    QApplication app(argc, argv);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 takes local 8-bit text as UTF-8 on Unix already.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("utf8"));
#endif
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <file prefix> [translation .qm]\n", argv[0]);
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);
    prefix = QString::fromLocal8Bit(argv[2]);
    QTranslator translator;
    if (argc > 3 && !translator.load(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot load translation %s\n", argv[3]);
        return 2;
    }
    app.installTranslator(&translator);
    QDir().mkpath(outputDir);

    const QString picture = writeSamplePicture();
    modalHooks::setFileDialogRunner([&picture](QFileDialog &) { return QStringList{picture}; });

    Widget window;
    window.show();
    // The sample design: one item of each kind, in the tool column's order.
    QGraphicsItem *text = addItem(window, 1);
    QGraphicsItem *time = addItem(window, 4);
    // A fixed moment instead of the time of the run, as for the picture.
    auto *stamp = static_cast<diagramTimeItem *>(time);
    stamp->dateTime = QDateTime(QDate(2024, 5, 17), QTime(8, 30, 0));
    stamp->setPlainText(stamp->timeText(stamp->dateTime, stamp->valid));
    QGraphicsItem *counter = addItem(window, 2);
    QGraphicsItem *image = addItem(window, 5);
    child<QPushButton>(window, "imageSelectPush")->click();
    QGraphicsItem *barcode = addItem(window, 7);
    QGraphicsItem *qrcode = addItem(window, 6);

    const std::pair<QGraphicsItem *, const char *> shots[] = {
        {text, "text"},       {time, "time"},   {counter, "counter"},
        {barcode, "barcode"}, {image, "image"}, {qrcode, "qrcode"},
    };
    for (const auto &shot : shots) {
        select(window, shot.first);
        save(window, shot.second);
    }

    // The window made larger: the canvas takes the room, the whole design fitted into it.
    window.resize(1400, 760);
    QApplication::processEvents();
    select(window, barcode);
    window.findChild<canvasEdit *>()->zoomToFit();
    save(window, "resized");

    // The canvas's context menu, pictured over the window while it is open; then it is closed.
    auto *view = child<QGraphicsView>(window, "graphicsView");
    const QPoint at = view->viewport()->rect().center();
    QTimer::singleShot(100, [&window] {
        QWidget *menu = QApplication::activePopupWidget();
        if (!menu) {
            allSaved = false;
            return;
        }
        QPixmap picture = window.grab();
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(menu->mapToGlobal(QPoint())), menu->grab());
        painter.end();
        const QString path = QDir(outputDir).filePath(prefix + "-context-menu.png");
        if (!picture.save(path))
            allSaved = false;
        else
            std::printf("%s\n", qPrintable(path));
        menu->close();
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &menuEvent);
    window.resize(870, 590);
    window.findChild<canvasEdit *>()->zoomToStart();
    QApplication::processEvents();

    // The two dialogs, each pictured while it runs; then they are dismissed.
    modalHooks::setDialogRunner([](QDialog &dialog) {
        if (QLatin1String(dialog.metaObject()->className()) == QLatin1String("setTimeModeDialog")) {
            save(dialog, "time-dialog");
            return int(QDialog::Rejected);
        }
        child<QLineEdit>(dialog, "lineEdit")->setText("LOT");
        child<QComboBox>(dialog, "comboBox_type")->setCurrentIndex(2);
        save(dialog, "qrcode-dialog");
        child<QPushButton>(dialog, "pushButton_timeMode")->click();
        return int(QDialog::Rejected);
    });
    select(window, qrcode);
    child<QPushButton>(window, "pushButton_QRCodeItemDyna")->click();
    return allSaved ? 0 : 1;
}
