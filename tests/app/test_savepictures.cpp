// Pictures beside a saved design: Save places each at bmp/<name>, asks before replacing a different file
// there, and a design whose pictures are gone shows them as missing and finds them again.
#include "diagramscene.h"
#include "imagesetting.h"
#include "modalhooks.h"
#include "sprdocument.h"
#include "widgettestaccess.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace
{
QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString picture(const QString &path, int width)
{
    QDir().mkpath(QFileInfo(path).path());
    return QImage(width, 10, QImage::Format_Mono).save(path, "BMP") ? path : QString();
}
} // namespace

class SavePicturesTest : public QObject
{
    Q_OBJECT

    QStringList asked;
    int answer = QMessageBox::Cancel;
    QString chosen;

private slots:
    void initTestCase()
    {
        modalHooks::setMessageBoxRunner([this](QMessageBox &box) {
            asked << box.text();
            return box.icon() == QMessageBox::Question && box.text().contains("bmp")
                       ? answer
                       : int(QMessageBox::Discard);
        });
        modalHooks::setFileDialogRunner([this](QFileDialog &) { return QStringList{chosen}; });
    }

    // A picture from elsewhere is placed beside the saved design; a different file of its name there is
    // replaced only when the operator agrees, and 取消 keeps everything as it was.
    void saveBesideTheDesign_data()
    {
        QTest::addColumn<bool>("different"); // bmp/logo.bmp already there with other bytes
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("placed") << false << int(QMessageBox::Cancel) << true;
        QTest::newRow("different file, 取消") << true << int(QMessageBox::Cancel) << false;
        QTest::newRow("different file, 替换") << true << int(QMessageBox::Yes) << true;
    }

    void saveBesideTheDesign()
    {
        QFETCH(bool, different);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        this->answer = answer;
        QTemporaryDir dir;
        const QString logo = picture(dir.filePath("elsewhere/logo.bmp"), 16);
        const QString there = dir.filePath("design/bmp/logo.bmp");
        if (different)
            picture(there, 40);
        const QByteArray before = bytesOf(there);
        Widget w;
        WidgetTestAccess a(w);
        w.buttonItemsClicked(5);
        a.image()->setPictureFile(logo);
        chosen = dir.filePath("design/label.spr");
        asked.clear();
        w.saveAsActionSlot();
        QCOMPARE(QFileInfo::exists(chosen), saved);
        QCOMPARE(asked.size(), different ? 1 : 0);
        QCOMPARE(bytesOf(there), saved ? bytesOf(logo) : before);
        if (!saved)
            return;
        Widget reopened;
        QVERIFY(reopened.openDocumentFile(chosen));
        WidgetTestAccess b(reopened);
        const auto *image = static_cast<diagramImageItem *>(reopened.designScene()->items().first());
        QCOMPARE(image->missingFile, QString());
        QCOMPARE(image->pictureSize(), QSize(16, 10));
    }

    // Opened without its pictures: each shows the frame naming the file; locating one finds the other in
    // the same folder, each an undo step.
    void missingPicturesAreFoundAgain()
    {
        QTemporaryDir dir;
        const QString spr = dir.filePath("label.spr");
        {
            Widget w;
            WidgetTestAccess a(w);
            for (const char *name : {"a.bmp", "b.bmp"}) {
                w.buttonItemsClicked(5);
                a.image()->setPictureFile(picture(dir.filePath(QString("old/") + name), 12));
            }
            QVERIFY(saveSprFile(spr, *w.designScene()));
        }
        QVERIFY(QDir(dir.filePath("old")).removeRecursively());
        picture(dir.filePath("new/a.bmp"), 12);
        picture(dir.filePath("new/b.bmp"), 12);
        Widget w;
        WidgetTestAccess a(w);
        QVERIFY(w.openDocumentFile(spr));
        const QByteArray opened = sprFileBytes(*w.designScene());
        QList<diagramImageItem *> images;
        for (QGraphicsItem *item : w.designScene()->items())
            images << static_cast<diagramImageItem *>(item);
        for (diagramImageItem *image : images) {
            QVERIFY(image->missingFile.startsWith("/udisk/bmp/"));
            QVERIFY(image->emptyReason().contains(image->missingFile.mid(11)));
        }
        w.itemSelected(images.first());
        auto *locate = a.imagePanel()->findChild<QPushButton *>("imageLocatePush");
        QVERIFY(locate->isVisibleTo(a.imagePanel()));
        QVERIFY(!locate->toolTip().isEmpty() && !locate->accessibleName().isEmpty());
        chosen = dir.filePath("new/") + images.first()->missingFile.mid(11);
        const int steps = w.undoStack()->count();
        locate->click();
        QCOMPARE(w.undoStack()->count(), steps + 2);
        for (diagramImageItem *image : images) {
            QCOMPARE(image->missingFile, QString());
            QCOMPARE(image->pictureSize(), QSize(12, 10));
        }
        QVERIFY(!locate->isVisibleTo(a.imagePanel()));
        w.undoStack()->undo();
        w.undoStack()->undo();
        QCOMPARE(sprFileBytes(*w.designScene()), opened);
        QVERIFY(!images.first()->missingFile.isEmpty());
    }
};

QTEST_MAIN(SavePicturesTest)
#include "test_savepictures.moc"
