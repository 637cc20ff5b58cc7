#pragma once
// The .spr document: a writer and a reader that work on any graphics scene, shared by the window,
// sprtool, the tests and the fuzzer.
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

class QGraphicsItem;

class QGraphicsScene;

// One thing found while reading: the file line it concerns (1-based) and what is wrong there.
struct sprFinding {
    int line = 0;
    QString message;
};

// Limits that keep a hostile or broken file from exhausting memory or time. The defaults leave every
// design the panels can make untouched.
struct sprReadLimits {
    qint64 maxFileBytes = 64ll * 1024 * 1024;
    int maxItems = 50000;
    qint64 maxPictureBytes = 256ll * 1024 * 1024; // one item's picture
};

struct sprReadOptions {
    // Folder of the document; pictures that are not where the file says are looked for here and in
    // its "bmp" folder. Empty: no such search.
    QString documentDir;
    bool collectFindings = false;
    sprReadLimits limits;
};

// What the reader saw besides the items it built.
struct sprReadResult {
    bool headerFound = false;
    quint32 sceneWidth = 0;
    QString sceneHeightText;
    int dynamicItemNum = 0;
    int totalItemNum = 0;
    int itemsBuilt = 0;
    QVector<sprFinding> findings; // only with collectFindings
    // The barcode and QR items whose own pictures read (only with collectFindings): they were read for
    // the findings, and the checker asks again of every symbol that fails where it is printed.
    QSet<const QGraphicsItem *> readAlone;
    // The refusals of the barcodes built, in file order, with the character refused where one is: the
    // reader never shows anything itself, the window tells the operator once the file is open.
    struct barcodeRefusal {
        quint8 code = 0;
        QString character;
    };
    QVector<barcodeRefusal> barcodeRefusals;
    // Set when the file goes beyond a reader limit: no item is built then, as a save of a partial design
    // would silently shorten the file.
    QString limitExceeded;
    // Lines whose bytes are not valid UTF-8 (a file written in another encoding): the designer shows
    // U+FFFD for them, and a save would replace the bytes, so the window warns.
    QVector<int> invalidUtf8Lines;
    // Section headers in the file that built no item (sections past TotalItemNum, unknown sections): the
    // window names them before a save would drop them. At most maxUnreadSections are kept;
    // unreadSectionCount counts them all.
    static constexpr int maxUnreadSections = 100;
    QVector<sprFinding> unreadSections; // line and header
    int unreadSectionCount = 0;
};

// The scene as the text of a .spr file (UTF-8, CR LF).
QByteArray sprFileBytes(const QGraphicsScene &scene);
// The sections of these items alone, as a file would hold them (no header); for the clipboard.
QByteArray sprItemSections(const QList<QGraphicsItem *> &items);
// Why the reader would refuse the file bytes of scene (more items or bytes than it takes), naming the
// limit; empty when it reads them. The designer never writes what it cannot open again.
QString sprWriteRefusal(const QGraphicsScene &scene, const QByteArray &bytes,
                        const sprReadLimits &limits = {});
// Writes the scene to path through a temporary file, so a failed save never leaves a half-written
// file; a design the reader would refuse is not written at all. On failure errorText (when given) says
// why.
bool saveSprFile(const QString &path, const QGraphicsScene &scene, QString *errorText = nullptr);

// Adds the items described by data to scene (items already there stay) and may change the length of
// the scene rectangle.
sprReadResult readSprData(const QByteArray &data, QGraphicsScene &scene, const sprReadOptions &options = {});
// Reads the file at path; false (and errorText) when it cannot be read or goes beyond a reader limit
// (result still tells what was read). Pictures are also looked for beside the file.
bool loadSprFile(const QString &path, QGraphicsScene &scene, sprReadResult *result = nullptr,
                 QString *errorText = nullptr, bool collectFindings = false);

// What a refusal of a file beyond maxBytes says.
QString fileSizeLimitText(qint64 maxBytes);

// The whole file, at most the reader's file limit. Any read error fails with the system's reason in
// errorText: a failing device is never taken for the end of the file.
bool readSprFileBytes(const QString &path, QByteArray *data, QString *errorText);

// What the window and sprtool take as a design, so that the two never disagree: the first line is
// "[FileInfo]" (a UTF-8 byte-order mark before it is allowed, CR dropped, as the reader reads lines),
// and there are no more item sections than the reader takes.
enum class sprFileStatus { ok, notSpr, tooManyItems };
sprFileStatus probeSprData(const QByteArray &data);
// Why bytes of that status are refused; empty for ok.
QString sprFileStatusText(sprFileStatus status);

// Each line of a file's bytes with its 1-based number, decoded as UTF-8 and trimmed, until visit returns
// false: for the checks that point a finding at the line that causes it.
void forEachFileLine(const QByteArray &data,
                     const std::function<bool(int number, const QString &line)> &visit);

// A fresh design scene as the window makes it: the whole strip (printstrip.h) on white.
void setUpDesignScene(QGraphicsScene &scene);

// How an item that starts on the strip and reaches past its end counts: not at all (where the window
// places a new item), or as the strip's last column (SceneWidth and exports: the printer prints the part
// on the strip, so a resave never shrinks SceneWidth below it).
enum class pastStripEnd { ignored, clamped };
// The right edge of the right-most item that lies within the strip (0 for an empty scene): each item's
// left + width truncated toward zero, counted only from 0 to the strip's last column. It is the value
// written as SceneWidth and the x where the window places a new item.
quint32 designRightEdge(const QGraphicsScene &scene, pastStripEnd past = pastStripEnd::ignored);
