#include "busycursor.h"
#include "printstrip.h"
#include "scanfindings.h"
#include "sprdocument.h"
#include "sprpictures.h"
#include "sprsections.h"

#include "barcodeerror.h"
#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"

#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLoggingCategory>
#include <cmath>
#include <vector>

Q_LOGGING_CATEGORY(sprDocumentLog, "spr.document")

namespace
{

const QByteArray byteOrderMark("\xEF\xBB\xBF");
const QLatin1String fileHeader("[FileInfo]");

// Harmless bounds for values no panel can produce; anything within the panels' ranges is untouched.
constexpr double maxCoordinate = 1e6;
constexpr int maxPixelSize = 1000;
constexpr double maxPointSize = 750;
constexpr int maxLetterSpacing = 1000;
constexpr double maxPictureSide = 20000;

// Lines of the file one after the other. Every CR is dropped and lines end at LF, so LF, CR LF and
// CR CR LF read alike; past the end every line is empty.
class lineCursor
{
public:
    explicit lineCursor(const QByteArray &data) : data(data)
    {
        if (data.startsWith(byteOrderMark)) {
            pos = byteOrderMark.size();
            hadByteOrderMark = true;
        }
    }
    bool atEnd() const { return pos >= data.size(); }
    int lineNumber() const { return number; }
    QString next()
    {
        ++number;
        if (atEnd())
            return QString();
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        QByteArray line = data.mid(pos, end - pos);
        pos = end + 1;
        line.replace('\r', QByteArray());
        return QString::fromUtf8(line);
    }
    bool hadByteOrderMark = false;

private:
    const QByteArray &data;
    int pos = 0;
    int number = 0;
};

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}
double coordinate(double value)
{
    return qBound(-maxCoordinate, finiteOrZero(value), maxCoordinate);
}
int truncated(double value, double low, double high)
{
    return int(qBound(low, finiteOrZero(value), high));
}

QString quoted(const QString &text)
{
    const int shown = 60;
    return QLatin1Char('"') + (text.size() > shown ? text.left(shown) + QStringLiteral("...") : text) +
           QLatin1Char('"');
}

// The font of a text-family section: the stored description, then the pixel size and the absolute
// letter spacing read.
QFont sectionFont(QFont font, const sectionPlacement &place)
{
    if (!place.font.isEmpty())
        font.fromString(place.font);
    const int size = truncated(place.fontSize, 0, maxPixelSize);
    if (size > 0)
        font.setPixelSize(size);
    else if (font.pixelSize() > maxPixelSize)
        font.setPixelSize(maxPixelSize);
    else if (font.pixelSize() <= 0 && font.pointSizeF() > maxPointSize)
        font.setPointSizeF(maxPointSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, qBound(-maxLetterSpacing, place.spacing, maxLetterSpacing));
    return font;
}

class sprReader
{
public:
    sprReader(QGraphicsScene &scene, const sprReadOptions &options, sprReadResult &result)
        : scene(scene), options(options), result(result), pictures(options.limits)
    {
    }
    void read(const QByteArray &data);

private:
    void note(int line, const QString &message)
    {
        if (options.collectFindings)
            result.findings.push_back({line, message});
    }
    // Only for the checker: decoding every symbol costs more than reading it.
    void noteScanFindings(const QGraphicsItem &item)
    {
        if (options.collectFindings)
            for (const QString &finding : scanFindings(item))
                note(sectionLine, finding);
    }
    QString keyValue(const char *key, valueForm form, double low, double high);
    bool readHeader();
    void setSceneLength();
    void readSections();
    void readSection(const sectionSpec &section);
    void readRows(const sectionSpec &section, QGraphicsItem &item, sectionPlacement &place);
    void place(QGraphicsItem *item, const sectionPlacement &where);
    void buildText(const sectionSpec &section);
    void buildCounter(const sectionSpec &section);
    void buildTime(const sectionSpec &section);
    void buildBarcode(const sectionSpec &section);
    void buildQRCode(const sectionSpec &section);
    void buildImage(const sectionSpec &section);
    void noteSectionCount(const QByteArray &data, int totalLine);

    QGraphicsScene &scene;
    const sprReadOptions &options;
    sprReadResult &result;
    lineCursor *lines = nullptr;
    int sectionLine = 0;
    pictureMaker pictures;
    std::vector<QGraphicsItem *> built;
};

void sprReader::read(const QByteArray &data)
{
    lineCursor cursor(data);
    lines = &cursor;
    if (cursor.hadByteOrderMark)
        note(1, QStringLiteral(
                    "a UTF-8 byte-order mark stands before \"[FileInfo]\"; the printer may not read the "
                    "file"));
    const bool header = readHeader();
    const int totalLine = cursor.lineNumber();
    qCDebug(sprDocumentLog).nospace() << "totalNum = " << result.totalItemNum;
    if (header) {
        setSceneLength();
        if (options.collectFindings)
            noteSectionCount(data, totalLine);
        readSections();
    }
    // The first section is the top-most item, as the writer wrote it: adding the items in reverse file
    // order keeps the stacking, so a design saved again after opening gives the same file.
    for (auto item = built.rbegin(); item != built.rend(); ++item)
        scene.addItem(*item);
    scene.update();
    lines = nullptr;
}

// The value of the next line, which should be the key given; the checker's findings about it.
QString sprReader::keyValue(const char *key, valueForm form, double low, double high)
{
    const bool pastEnd = lines->atEnd();
    const QString line = lines->next();
    const QString value = valueOfLine(line);
    if (!options.collectFindings || pastEnd)
        return value;
    const int at = lines->lineNumber();
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.left(equals).trimmed() != QLatin1String(key)) {
        note(at,
             QStringLiteral("expected \"%1 =\", found %2; a missing or extra line shifts every later line")
                 .arg(QLatin1String(key), quoted(line)));
        return value;
    }
    double number = 0;
    if (!valueParses(form, value, &number)) {
        const char *what = form == valueForm::real ? "a number" : "a whole number";
        note(at, QStringLiteral("%1: %2 is not %3; it reads as 0")
                     .arg(QLatin1String(key), quoted(value), QLatin1String(what)));
    } else if (!std::isfinite(number)) {
        note(at, QStringLiteral("%1: %2 is not a finite number; it reads as 0")
                     .arg(QLatin1String(key), quoted(value)));
    } else if (low <= high && (number < low || number > high)) {
        note(at, QStringLiteral("%1: %2 is outside %3 to %4, the range the designer allows")
                     .arg(QLatin1String(key), realText(number), realText(low), realText(high)));
    }
    return value;
}

bool sprReader::readHeader()
{
    const QString first = lines->next();
    if (first != fileHeader) {
        note(1, QStringLiteral("missing header: the first line is %1, not \"[FileInfo]\"; nothing is read")
                    .arg(quoted(first)));
        return false;
    }
    result.headerFound = true;
    result.sceneWidth = readLineNumber(keyValue("SceneWidth", valueForm::lineNumber, 0, stripLastX));
    result.sceneHeightText = keyValue("SceneHeight", valueForm::real, stripHeight, stripHeight);
    result.dynamicItemNum = readInt(keyValue("DynamicItemNum", valueForm::integer, 0, 0));
    result.totalItemNum = readInt(keyValue("TotalItemNum", valueForm::integer, 0, options.limits.maxItems));
    return true;
}

// The strip's length from SceneWidth: the smallest of the printer's lengths that holds it, for widths
// between 5000 and the strip's length (a width equal to a length gets that length).
void sprReader::setSceneLength()
{
    static const int lengths[] = {8000, 20000, 35000, 50000, 65000, stripLength};
    const quint32 width = result.sceneWidth;
    if (width <= 5000 || width >= quint32(stripLength))
        return;
    for (int length : lengths)
        if (width <= quint32(length)) {
            scene.setSceneRect(0, 0, length, stripHeight);
            return;
        }
}

void sprReader::noteSectionCount(const QByteArray &data, int totalLine)
{
    int sections = 0;
    for (const QByteArray &raw : data.split('\n')) {
        QByteArray line = raw;
        line.replace('\r', QByteArray());
        if (line.startsWith('[') && sectionForHeader(QString::fromUtf8(line)))
            ++sections;
    }
    if (sections != result.totalItemNum)
        note(totalLine, QStringLiteral("TotalItemNum is %1 but the file holds %2 item sections")
                            .arg(result.totalItemNum)
                            .arg(sections));
}

void sprReader::readSections()
{
    for (int pass = 0; pass < result.totalItemNum; ++pass) {
        // Past the end every pass would read an empty line that builds nothing: stop instead.
        if (lines->atEnd()) {
            note(lines->lineNumber(),
                 QStringLiteral("the file ends after %1 of the %2 items TotalItemNum names")
                     .arg(pass)
                     .arg(result.totalItemNum));
            return;
        }
        const QString line = lines->next();
        const sectionSpec *section = sectionForHeader(line);
        if (!section) {
            note(lines->lineNumber(),
                 QStringLiteral("expected an item section header, found %1; the line uses "
                                "up one item and shifts every later section")
                     .arg(quoted(line)));
            continue;
        }
        if (result.itemsBuilt >= options.limits.maxItems) {
            result.limitExceeded =
                QStringLiteral("more than %1 items; the rest are not read").arg(options.limits.maxItems);
            note(lines->lineNumber(), result.limitExceeded);
            return;
        }
        sectionLine = lines->lineNumber();
        readSection(*section);
        ++result.itemsBuilt;
    }
    if (lines->atEnd())
        return;
    const int restLine = lines->lineNumber() + 1;
    note(restLine, QStringLiteral("lines from here on are not read: TotalItemNum items were "
                                  "read already"));
    // At the item limit, a further section means the design is larger than the reader takes.
    if (result.itemsBuilt < options.limits.maxItems)
        return;
    while (!lines->atEnd())
        if (sectionForHeader(lines->next())) {
            result.limitExceeded =
                QStringLiteral("more than %1 items; the rest are not read").arg(options.limits.maxItems);
            note(restLine, result.limitExceeded);
            return;
        }
}

void sprReader::readSection(const sectionSpec &section)
{
    switch (section.typeId) {
    case textItemType:
        buildText(section);
        break;
    case cntItemType:
        buildCounter(section);
        break;
    case timeItemType:
        buildTime(section);
        break;
    case barItemType:
        buildBarcode(section);
        break;
    case qrItemType:
        buildQRCode(section);
        break;
    case imageItemType:
        buildImage(section);
        break;
    default:
        break;
    }
}

void sprReader::readRows(const sectionSpec &section, QGraphicsItem &item, sectionPlacement &where)
{
    if (options.collectFindings && lines->atEnd())
        note(sectionLine, QStringLiteral("the file ends inside this section"));
    for (int i = 0; i < section.rowCount; ++i) {
        const keyRow &row = section.rows[i];
        row.read(item, where, keyValue(row.key, row.form, row.low, row.high));
    }
}

// Positioned and turned; the scene takes it when the reading ends.
void sprReader::place(QGraphicsItem *item, const sectionPlacement &where)
{
    built.push_back(item);
    item->setPos(coordinate(where.x), coordinate(where.y));
    item->setRotation(finiteOrZero(where.rotation));
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setFlag(QGraphicsItem::ItemIsMovable);
}

void sprReader::buildText(const sectionSpec &section)
{
    auto *item = new diagramTextItem;
    sectionPlacement where;
    readRows(section, *item, where);
    item->itemFont = sectionFont(item->itemFont, where);
    item->showFields();
    place(item, where);
}

void sprReader::buildCounter(const sectionSpec &section)
{
    auto *item = new diagramCntItem;
    const int defaultDigits = item->mode;
    sectionPlacement where;
    readRows(section, *item, where);
    if (item->mode < 1 || item->mode > 8)
        item->mode = defaultDigits;
    item->itemFont = sectionFont(item->itemFont, where);
    item->showFields();
    place(item, where);
}

void sprReader::buildTime(const sectionSpec &section)
{
    auto *item = new diagramTimeItem;
    sectionPlacement where;
    readRows(section, *item, where);
    item->itemFont = sectionFont(item->itemFont, where);
    item->dateTime = QDateTime::currentDateTime();
    item->showFields();
    place(item, where);
}

void sprReader::buildBarcode(const sectionSpec &section)
{
    auto *item = new diagramBarItem;
    const int defaultMode = item->mode;
    sectionPlacement where;
    readRows(section, *item, where);
    if (item->content.isEmpty())
        item->content = QStringLiteral("6901234567892");
    if (item->mode < 0 || item->mode > 6)
        item->mode = defaultMode;

    std::optional<quint8> refusal;
    if (!pictures.makeBarcode(*item, refusal))
        note(sectionLine, QStringLiteral("the barcode is too large to draw (content length, BarLineWidth or "
                                         "BarLineHeight); it is shown empty"));
    if (refusal) {
        result.barcodeRefusals.push_back(*refusal);
        note(sectionLine, QStringLiteral("BarContent %1 is refused by the symbology: (code %2: %3)")
                              .arg(quoted(item->content))
                              .arg(*refusal)
                              .arg(barcodeErrorMessage(*refusal)));
    }
    noteScanFindings(*item);
    place(item, where);
}

void sprReader::buildQRCode(const sectionSpec &section)
{
    auto *item = new diagramQRCodeItem;
    sectionPlacement where;
    readRows(section, *item, where);
    if (item->content.isEmpty())
        item->content = QStringLiteral("empty!");
    switch (pictures.makeQRCode(*item)) {
    case pictureMaker::made:
        break;
    case pictureMaker::noSymbol:
        note(sectionLine,
             QStringLiteral("QRcodeContent %1 is too long for any QR code version at this level, or "
                            "QRcodeVersion is above 40; no symbol is shown")
                 .arg(quoted(item->content)));
        break;
    case pictureMaker::tooLarge:
        note(sectionLine,
             QStringLiteral("the QR code is too large to draw (QRcodeScale); it is shown empty"));
        break;
    }
    if (!item->pictureSize().isEmpty())
        noteScanFindings(*item);
    place(item, where);
}

void sprReader::buildImage(const sectionSpec &section)
{
    auto *item = new diagramImageItem;
    sectionPlacement where;
    readRows(section, *item, where);
    const int width = truncated(where.width, 0, maxPictureSide);
    const int height = truncated(where.height, 0, maxPictureSide);
    if (!pictures.makeImage(*item, options.documentDir, width, height))
        note(sectionLine, QStringLiteral("picture %1 not found (also looked beside the document and in its "
                                         "\"bmp\" folder); \"NO IMG\" is shown in its place")
                              .arg(quoted(item->pixPath)));
    place(item, where);
}

} // namespace

sprReadResult readSprData(const QByteArray &data, QGraphicsScene &scene, const sprReadOptions &options)
{
    const busyCursor busy;
    sprReadResult result;
    sprReader(scene, options, result).read(data);
    return result;
}

static bool readWholeFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    if (file.size() > maxBytes) {
        if (errorText)
            *errorText = QStringLiteral("the file is larger than %1 bytes").arg(maxBytes);
        return false;
    }
    *data = file.read(maxBytes + 1);
    if (data->size() > maxBytes) {
        if (errorText)
            *errorText = QStringLiteral("the file is larger than %1 bytes").arg(maxBytes);
        return false;
    }
    return true;
}

bool loadSprFile(const QString &path, QGraphicsScene &scene, sprReadResult *result, QString *errorText,
                 bool collectFindings)
{
    sprReadOptions options;
    options.documentDir = QFileInfo(path).absolutePath();
    options.collectFindings = collectFindings;
    QByteArray data;
    if (!readWholeFile(path, options.limits.maxFileBytes, &data, errorText))
        return false;
    const sprReadResult read = readSprData(data, scene, options);
    if (result)
        *result = read;
    if (!read.limitExceeded.isEmpty()) {
        if (errorText)
            *errorText = read.limitExceeded;
        return false;
    }
    return true;
}

sprFileStatus probeSprFile(const QString &path, QString *systemError)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (systemError)
            *systemError = file.errorString();
        return sprFileStatus::cannotOpen;
    }
    if (file.size() > sprReadLimits().maxFileBytes)
        return sprFileStatus::tooLarge;
    QByteArray first = file.readLine(64);
    if (first.startsWith(byteOrderMark))
        first.remove(0, byteOrderMark.size());
    first.replace('\r', QByteArray());
    first.replace('\n', QByteArray());
    if (first != "[FileInfo]")
        return sprFileStatus::notSpr;
    // Counted before anything is read, so that the window can keep the current design.
    int sections = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(256).trimmed();
        if (line.startsWith('[') && sectionForHeader(QString::fromLatin1(line)) &&
            ++sections > sprReadLimits().maxItems)
            return sprFileStatus::tooManyItems;
    }
    return sprFileStatus::ok;
}
