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
class diagramTextItem;
class diagramCntItem;
class diagramCnt2Item;
class diagramTimeItem;
class diagramBarItem;
class diagramImageItem;
class diagramQRCodeItem;
class textSetting;
class cntSetting;
class cnt2Setting;
class timeSetting;
class barSetting;
class imageSetting;
class QRCodeSetting;
class previewBar;
class recentFiles;
class recoveryKeeper;
class layoutAids;
class scenePreview;

namespace Ui
{
class Widget;
}

// The main window: canvas, content editor, tool column, property panels and file menu.
class Widget : public QWidget
{
    Q_OBJECT
    friend class WidgetTestAccess;

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    diagramScene *designScene() const { return scene; }
    int shownPanel() const { return currentPanel; }
    QUndoStack *undoStack() const { return undo; }

    // Records one panel edit of an item as an undoable step: the item's values before the edit are taken
    // when the scope opens, the values after when it closes. Edits of items outside the design, nested
    // edits and the write-back of a panel being loaded are not recorded.
    class editScope
    {
    public:
        editScope(Widget *window, QGraphicsItem *item, const char *control);
        ~editScope();
        editScope(const editScope &) = delete;
        editScope &operator=(const editScope &) = delete;

    private:
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

    // Text-family routing.
    void textXChange(int x);
    void textYChange(int y);
    void textRotateChange(int angle);
    void textFontChange(int index);
    void textSizeChange(int size);
    void textIntervalChange(int interval);
    // Barcode routing.
    void barXChange(int x);
    void barYChange(int y);
    void barWidthChange(int width);
    void barHeightChange(int height);
    void barRotateChange(int angle);
    void barModeChange(int index);
    void barTextStateChange(bool checked);
    // Counter 1 routing.
    void cntXChange(int x);
    void cntYChange(int y);
    void cntRotateChange(int angle);
    void cntFontChange(int index);
    void cntSizeChange(int size);
    void cntIntervalChange(int interval);
    void cntModeChange(int index);
    void cntNameChange(int index);
    // Counter 2 routing.
    void cnt2XChange(int x);
    void cnt2YChange(int y);
    void cnt2RotateChange(int angle);
    void cnt2FontChange(int index);
    void cnt2SizeChange(int size);
    void cnt2IntervalChange(int interval);
    void cnt2ModeChange(int index);
    // Image routing.
    void imageXChange(int x);
    void imageYChange(int y);
    void imageWidthChange(int width);
    void imageHeightChange(int height);
    void imageRotateChange(int angle);
    void imageSelectChange();
    void imageConverseChange();
    void
    imageLocateChange(); // a picture missing on opening, and the others in its folder (picturelocate.cpp)
    // QR code routing.
    void QRCodeXChange(int x);
    void QRCodeYChange(int y);
    void QRCodeRotateChange(int angle);
    void QRCodeLevelChange(int index);
    void QRCodeScaleChange(int index);
    void QRCodeVersionChange(int index);
    void QRCodeConverseChange(int index);
    void QRCodeSetDynamicStyle();
    void QRCodeComposeGs1();
    // Time routing.
    void timeXChange(int x);
    void timeYChange(int y);
    void timeRotateChange(int angle);
    void timeFontChange(int index);
    void timeSizeChange(int size);
    void timeModeChange(QString timeModeStr);
    void timeSpacingChange(int value);
    void timeValidChange(int months);

    void on_deletePushButton_clicked();
    void copySelection();
    void cutSelection();
    void pasteSections();
    void duplicateSelection();
    void selectAllItems();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomToStart();
    void buttonGroupMenu();
    void buttonItemsClicked(int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createCanvasActions();
    void setupCanvasAids();
    void pasteText(const QByteArray &sections);
    void setViewScale(double factor);
    void showZoom();
    void showPanel(int kind);
    void selectItem(QGraphicsItem *item);
    // Loads the shown panel again from its item, after anything changed the item's values.
    void refreshPanel();
    // The content editor shows the content of the item the shown panel edits; nothing when that item is
    // not in the design.
    void showCurrentContent();
    void createEditActions();
    void nudgeSelection(const QPointF &step);
    void undoableDelete(const QList<QGraphicsItem *> &items, const QString &text);
    void disablePanels();
    void setZoom(const QString &text);
    void createFileMenu();
    void createPackAction();
    void createInitialItems();
    int insertionX() const;
    void addCreatedItem(QGraphicsItem *item, int x);
    // Each group of panels is built, placed in its scroll area and connected by its own routing file.
    void setupTextPanels();
    void setupMediaPanels();
    void setupDataFileRouting(); // the data-file controls of the text, barcode and QR panels
    // Load the panel of a kind from the current item of that kind (the item has just been made current).
    void loadTextPanel(int kind);
    void loadMediaPanel(int kind);
    // Points every current-item field that refers to a scene item back at the off-scene initial items,
    // before the scene's items are destroyed (New and Open).
    void resetCurrentItems();
    // Points every current-item field that refers to this item (every field, for nullptr) back at the
    // off-scene initial item of its kind.
    void forgetItem(const QGraphicsItem *gone);
    // A new text-family item, made the current one of its kind and showing its default text.
    template <typename TextItem> QGraphicsItem *createdItem(TextItem *&current);
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

    int currentPanel = 0;
    diagramTextItem *currentTextItem = nullptr;
    diagramCntItem *currentCntItem = nullptr;
    diagramCnt2Item *currentCnt2Item = nullptr;
    diagramTimeItem *currentTimeItem = nullptr;
    diagramBarItem *currentBarItem = nullptr;
    diagramImageItem *currentImageItem = nullptr;
    diagramQRCodeItem *currentQRCodeItem = nullptr;
    textSetting *m_textSetting = nullptr;
    cntSetting *m_cntSetting = nullptr;
    cnt2Setting *m_cnt2Setting = nullptr;
    timeSetting *m_timeSetting = nullptr;
    barSetting *m_barSetting = nullptr;
    imageSetting *m_imageSetting = nullptr;
    QRCodeSetting *m_QRCodeSetting = nullptr;
    QString languageFile;
    QString themeName;
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
    // The off-scene items created at start; current-item fields fall back to them.
    diagramTextItem *initialTextItem = nullptr;
    diagramCntItem *initialCntItem = nullptr;
    diagramCnt2Item *initialCnt2Item = nullptr;
    diagramTimeItem *initialTimeItem = nullptr;
    diagramBarItem *initialBarItem = nullptr;
    diagramImageItem *initialImageItem = nullptr;
    diagramQRCodeItem *initialQRCodeItem = nullptr;
    bool maySetDesignAside();
    void updateTitle();
    bool isUntitled = true;
    QUndoStack *undo = nullptr;
    QList<QAction *> canvasActions;
    QLabel *zoomLabel = nullptr;
    bool loadingPanel = false;
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
