#pragma once
#include "datafile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QButtonGroup;
class QGraphicsItem;
class QLabel;
class QMenu;
class QPointF;
class QUndoStack;
class diagramScene;
class previewBar;
class recentFiles;
class recoveryKeeper;
class layoutAids;
class scenePreview;
class kindPanels;
class kindRouting;
class canvasEdit;

namespace Ui
{
class Widget;
}

// The main window: canvas, content editor, tool column, property panels and file menu.
class Widget : public QWidget
{
    Q_OBJECT
    friend class WidgetTestAccess;
    friend class kindPanels;
    friend class kindRouting;
    friend class canvasEdit;

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    diagramScene *designScene() const { return scene; }
    int shownPanel() const;
    QUndoStack *undoStack() const { return undo; }

    // Records one panel edit of an item as an undoable step: the item's values before the edit are taken
    // when the scope opens, the values after when it closes. Edits of items outside the design, nested
    // edits and the write-back of a panel being loaded are not recorded.
    class editScope
    {
    public:
        // Runs of one spin box merge into one step; control names the routing slot, and a slot fed by a
        // spin box is known by the end of its name.
        editScope(Widget *window, QGraphicsItem *item, const char *control);
        // An edit routed by a kind of the window.
        editScope(const kindRouting *routing, QGraphicsItem *item, const char *control);
        // An edit that says itself whether a run of it is one step; control names the control.
        editScope(const kindRouting *routing, QGraphicsItem *item, const char *control, bool mergesRuns);
        ~editScope();
        editScope(const editScope &) = delete;
        editScope &operator=(const editScope &) = delete;

    private:
        editScope(Widget *window, QGraphicsItem *item, int mergeId);
        Widget *window;
        QGraphicsItem *item;
        int mergeId;
        bool recording;
        struct state;
        std::unique_ptr<state> before;
    };

    // The design named on the command line, opened as File > Open opens a chosen file.
    bool openDocumentFile(const QString &path) { return openDocument(path); }

    // Offers the recovery copies that designers which ended abruptly left behind.
    void offerRecovery();

    // Whether the canvas shows the print preview (preview.cpp).
    bool isPreviewShown() const;

signals:
    void requireBeep();

public slots:
    void on_editPushButton_clicked();
    void itemSelected(QGraphicsItem *item);
    void newActionSlot();
    void openActionSlot();
    void saveActionSlot();
    void saveAsActionSlot();
    void exitActionSlot();
    void deleteActionSlot();
    void packActionSlot(); // the design with its pictures and data files onto the printer's disk

    void on_deletePushButton_clicked();
    void buttonGroupMenu();
    void buttonItemsClicked(int id);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupCanvasAids();
    void createEditActions();
    void nudgeSelection(const QPointF &step);
    void undoableDelete(const QList<QGraphicsItem *> &items, const QString &text);
    void createFileMenu();
    void createPackAction();
    int insertionX() const;
    void addCreatedItem(QGraphicsItem *item, int x);
    void setupDataFileRouting(); // the data-file controls of the text, barcode and QR panels
    // File commands: true when the document was written.
    bool saveDocumentTo(const QString &path);
    void warnAboutEncoding(const QString &shown, const QVector<int> &lines);
    bool openDocument(const QString &path, const QString &documentDir = QString());
    // Opens a recovery copy as the design of original (empty: untitled), with its changes unsaved.
    bool openRecovered(const QString &copy, const QString &original);
    // Whether path may be written: when it is the document's file and changed on disk since it was
    // opened or saved (another window, another program), the operator is asked first.
    bool mayOverwrite(const QString &path);
    // Places each picture the design uses at bmp/<name> beside path; false when the operator cancels
    // replacing a different file there, or a write fails.
    bool placePictures(const QString &path);
    // Whether a save to path may leave out the sections the reader did not read from it (sections past
    // TotalItemNum, unknown sections); the operator is asked, with their names.
    bool mayDropUnreadSections(const QString &path);
    // Print preview, export and scan verification (preview.cpp).
    void setupPreview();
    void applyPreview();
    void setEditingEnabled(bool enabled);
    void exportDesign();
    void refreshScanVerdict();

    // Per item kind: its panel, the item the panel edits and the routing between them.
    std::unique_ptr<kindPanels> kinds;
    canvasEdit *canvas = nullptr; // clipboard, zoom and the canvas's context menu
    Ui::Widget *ui;
    diagramScene *scene;
    QMenu *fileMenu = nullptr;
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *deleteAction = nullptr;
    QButtonGroup *buttonGroup = nullptr;
    bool maySetDesignAside();
    void updateTitle();
    bool isUntitled = true;
    QUndoStack *undo = nullptr;
    int editDepth = 0;
    QString currentFilePath;
    // The digest of the document's file as it was opened or last saved; none when there was no file.
    std::optional<QByteArray> fileDigest;
    // The sections of the document's file that built no item, named for the operator; empty when none.
    QString unreadSections;
    previewBar *m_previewBar = nullptr;
    QHash<QString, dataFileContents> previewDataFiles; // by stored path, while a preview is shown
    recentFiles *recent = nullptr;
    recoveryKeeper *recovery = nullptr;
    layoutAids *layout = nullptr;
    std::unique_ptr<scenePreview> preview;
    QList<QAction *> actionsOffForPreview;
    // The picture last verified, so that repaints that change nothing decode nothing.
    const QGraphicsItem *verifiedItem = nullptr;
    size_t verifiedKey = 0;
    bool verifyScheduled = false;
};
