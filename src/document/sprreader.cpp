#include "busycursor.h"
#include "emptypicture.h"
#include "placement.h"
#include "printstrip.h"
#include "safewrite.h"
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

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QLoggingCategory>
#include <algorithm>
#include <cmath>
#include <limits>
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
// CR CR LF read alike; past the end every line is empty. A NUL byte stays in the line, so that
// "[TextItemInfo]\0junk" is no header; whether the line was valid UTF-8 and held a NUL is kept for the
// caller.
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
        lastInvalidUtf8 = lastHadNul = false;
        if (atEnd())
            return QString();
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        QByteArray line = data.mid(pos, end - pos);
        pos = end + 1;
        line.replace('\r', QByteArray());
        lastHadNul = line.contains('\0');
        QString text = QString::fromUtf8(line.constData(), line.size());
        // Only a line with bytes beyond ASCII can be invalid; it is invalid when its text does not give
        // back its bytes (the decoder put U+FFFD in place of what it could not read).
        lastInvalidUtf8 =
            std::any_of(line.cbegin(), line.cend(), [](char c) { return c & 0x80; }) && text.toUtf8() != line;
        return text;
    }
    bool hadByteOrderMark = false;
    bool lastInvalidUtf8 = false;
    bool lastHadNul = false;

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

// A value as the checker shows it: shortened, with control characters (a NUL above all, which would
// end the report's line) written as escapes.
QString quoted(const QString &text)
{
    const int shown = 60;
    QString out;
    for (const QChar c : QStringView(text).left(shown))
        out += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                  : QString(c);
    return QLatin1Char('"') + out + (text.size() > shown ? QStringLiteral("...") : QString()) +
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

// Bounds the reader keeps values within, so that no value of a file can make a picture, a font or a
// position unmanageable; every value taken in at a bound is named by the checker. Matched by the end of
// the key.
struct safetyBound {
    const char *keyEnd;
    double low;
    double high;
};
const safetyBound safetyBounds[] = {
    {"AtX", -maxCoordinate, maxCoordinate},
    {"AtY", -maxCoordinate, maxCoordinate},
    {"FontSize", -std::numeric_limits<double>::infinity(), maxPixelSize},
    {"Space", -maxLetterSpacing, maxLetterSpacing},
    {"ImageWidth", 0, maxPictureSide},
    {"ImageHeight", 0, maxPictureSide},
};

const safetyBound *safetyBoundOf(const char *key)
{
    const QLatin1String name(key);
    for (const safetyBound &bound : safetyBounds)
        if (name.endsWith(QLatin1String(bound.keyEnd)))
            return &bound;
    return nullptr;
}

// Texts longer than any panel makes: the designer uses only their beginning. The finding is kept
// untranslated here and looked up when it is made, after the locale's translation is installed.
struct lengthLimit {
    const char *key;
    int length;
    const char *finding; // %1 key, %2 length found, %3 length allowed
};
const char *const contentTooLong =
    QT_TRANSLATE_NOOP("sprReader", "%1：%2 个字符，超过内容编辑器可容纳的 %3 个；设计软件只使用前 %3 个");
const char *const formatTooLong =
    QT_TRANSLATE_NOOP("sprReader", "%1：%2 个字符，超过日期时间格式允许的 %3 个；设计软件只使用前 %3 个");
const lengthLimit lengthLimits[] = {
    {"TextContent", diagramTextItem::maxShownLength, contentTooLong},
    {"TimeMode", diagramTimeItem::maxFormatLength, formatTooLong},
    {"QRcodeTimeModeStr", diagramTimeItem::maxFormatLength, formatTooLong},
};

// Integers are written as integers, never as "4.29497e+09".
QString numberText(valueForm form, double number)
{
    return form == valueForm::real ? realText(number) : QString::number(qint64(number));
}

// A picture too large to draw is not needed to read, show or save the design: the item is kept with
// every field and shows the dashed placeholder, so whatever the designer saves it can open again.
QString pictureLimitText(const sprReadLimits &limits)
{
    return QCoreApplication::translate(
               "sprReader", "图片将超过读取器对单张图片 %1 MiB 的限额：设计软件显示一个占位框而不绘制它")
        .arg(limits.maxPictureBytes >> 20);
}

QString tooManyItemsText(const sprReadLimits &limits)
{
    return QCoreApplication::translate("sprReader", "项目超过 %1 个；不读取任何内容").arg(limits.maxItems);
}

// Made when it is used, never at start-up, so that it is in the locale's language.
QString placeholderNote()
{
    return QCoreApplication::translate("sprReader", "设计软件显示一个占位框，打印机什么也不打印");
}

// The item section headers of a file, counted line by line in place (splitting a file of many short
// lines into pieces would cost far more memory than the file); counting stops once it passes stopAbove.
int countSectionHeaders(const QByteArray &data, int stopAbove)
{
    int sections = 0;
    for (int pos = 0; pos < data.size() && sections <= stopAbove;) {
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        if (data.at(pos) == '[' && end - pos < 32) {
            QByteArray line = data.mid(pos, end - pos);
            line.replace('\r', QByteArray());
            if (sectionForHeader(QString::fromLatin1(line.constData(), line.size())))
                ++sections;
        }
        pos = end + 1;
    }
    return sections;
}

// A line that looks like a section header of any name, known or not: "[FooItemInfo]".
bool looksLikeSection(const QString &line)
{
    return line.size() >= 2 && line.size() <= 64 && line.startsWith(QLatin1Char('[')) &&
           line.endsWith(QLatin1Char(']'));
}

class sprReader
{
public:
    sprReader(QGraphicsScene &scene, const sprReadOptions &options, sprReadResult &result)
        : scene(scene), options(options), result(result), pictures(options.limits)
    {
    }
    ~sprReader() { qDeleteAll(built); }
    void read(const QByteArray &data);

private:
    void note(int line, const QString &message)
    {
        if (options.collectFindings)
            result.findings.push_back({line, message});
    }
    void refuse(int line, const QString &why)
    {
        result.limitExceeded = why;
        note(line, why);
    }
    QString nextLine();
    // Only for the checker: decoding every symbol costs more than reading it.
    void noteScanFindings(const QGraphicsItem &item)
    {
        if (!options.collectFindings)
            return;
        const std::optional<symbolVerdict> verdict = itemVerdict(item);
        if (!verdict)
            return;
        if (verdict->readable)
            result.readAlone.insert(&item);
        for (const QString &finding : scanFindings(item, *verdict))
            note(sectionLine, finding);
    }
    QString keyValue(const char *key, valueForm form, double low, double high);
    void noteValue(int at, const char *key, valueForm form, double low, double high, const QString &value);
    bool readHeader();
    void setSceneLength();
    void readSections();
    void readSection(const sectionSpec &section);
    void readRows(const sectionSpec &section, QGraphicsItem &item, sectionPlacement &place);
    int lineOf(const sectionSpec &section, const char *key) const;
    void place(QGraphicsItem *item, const sectionPlacement &where);
    void noteFontBounds(const sectionSpec &section, const sectionPlacement &where);
    void noteBelowStrip(const sectionSpec &section);
    void honourPictureHeight(const sectionSpec &section, diagramBarItem &item, double saved);
    void buildText(const sectionSpec &section);
    void buildCounter(const sectionSpec &section);
    void buildTime(const sectionSpec &section);
    void buildBarcode(const sectionSpec &section);
    void buildQRCode(const sectionSpec &section);
    void buildImage(const sectionSpec &section);
    void noteSectionCount(const QByteArray &data, int totalLine);
    void notePastStripEnd();
    void noteUnreadSection(const QString &header);

    QGraphicsScene &scene;
    const sprReadOptions &options;
    sprReadResult &result;
    lineCursor *lines = nullptr;
    int sectionLine = 0;
    int sectionsInFile = -1;   // counted only for the checker
    std::vector<int> rowLines; // the line of each key of the section being read
    pictureMaker pictures;
    std::vector<QGraphicsItem *> built;
    std::vector<int> builtLines; // the section line of each built item
};

void sprReader::read(const QByteArray &data)
{
    lineCursor cursor(data);
    lines = &cursor;
    if (cursor.hadByteOrderMark)
        note(1, QCoreApplication::translate(
                    "sprReader", "“[FileInfo]”之前有 UTF-8 字节顺序标记；打印机可能无法读取该文件"));
    const bool header = readHeader();
    const int totalLine = cursor.lineNumber();
    qCDebug(sprDocumentLog).nospace() << "totalNum = " << result.totalItemNum;
    if (header) {
        setSceneLength();
        if (options.collectFindings)
            noteSectionCount(data, totalLine);
        readSections();
    }
    lines = nullptr;
    if (options.collectFindings)
        notePastStripEnd();
    // A design beyond a limit is refused whole: none of its items reach the scene.
    if (!result.limitExceeded.isEmpty()) {
        result.itemsBuilt = 0;
        return;
    }
    // The first section is the top-most item, as the writer wrote it: adding the items in reverse file
    // order keeps the stacking, so a design saved again after opening gives the same file.
    for (auto item = built.rbegin(); item != built.rend(); ++item)
        scene.addItem(*item);
    built.clear();
    scene.update();
}

// The next line, with what the checker and the window should know about its bytes.
QString sprReader::nextLine()
{
    const QString line = lines->next();
    const int at = lines->lineNumber();
    if (lines->lastInvalidUtf8) {
        result.invalidUtf8Lines.push_back(at);
        note(at, QCoreApplication::translate("sprReader",
                                             "这一行不是有效的 UTF-8（是 GBK 等其他编码？）；设计软件以 "
                                             "U+FFFD 显示这些字节，保存时会替换它们"));
    }
    if (lines->lastHadNul)
        note(at, QCoreApplication::translate("sprReader", "这一行含有 NUL 字节，打印机可能把它当作行尾"));
    return line;
}

// The value of the next line, which should be the key given; the checker's findings about it.
QString sprReader::keyValue(const char *key, valueForm form, double low, double high)
{
    const bool pastEnd = lines->atEnd();
    const QString line = nextLine();
    const QString value = valueOfLine(line);
    if (!options.collectFindings || pastEnd)
        return value;
    const int at = lines->lineNumber();
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.left(equals).trimmed() != QLatin1String(key)) {
        note(at, QCoreApplication::translate("sprReader",
                                             "应为“%1 =”，实为 %2；缺少或多出一行会使后面的每一行错位")
                     .arg(QLatin1String(key), quoted(line)));
        return value;
    }
    noteValue(at, key, form, low, high, value);
    return value;
}

void sprReader::noteValue(int at, const char *key, valueForm form, double low, double high,
                          const QString &value)
{
    const QLatin1String name(key);
    for (const lengthLimit &limit : lengthLimits)
        if (name == QLatin1String(limit.key) && value.size() > limit.length)
            note(at, QCoreApplication::translate("sprReader", limit.finding)
                         .arg(name)
                         .arg(value.size())
                         .arg(limit.length));
    double number = 0;
    if (!valueParses(form, value, &number)) {
        const QString finding = form == valueForm::real
                                    ? QCoreApplication::translate("sprReader", "%1：%2 不是数字；读作 0")
                                    : QCoreApplication::translate("sprReader", "%1：%2 不是整数；读作 0");
        note(at, finding.arg(name, quoted(value)));
        return;
    }
    if (!std::isfinite(number)) {
        note(at, QCoreApplication::translate("sprReader", "%1：%2 不是有限的数字；读作 0")
                     .arg(name, quoted(value)));
        return;
    }
    if (!(low <= high) || (number >= low && number <= high))
        return;
    const QString found = numberText(form, number), lowText = numberText(form, low),
                  highText = numberText(form, high);
    const safetyBound *bound = safetyBoundOf(key);
    if (bound && (number < bound->low || number > bound->high))
        note(at,
             QCoreApplication::translate("sprReader", "%1：%2 超出设计软件允许的范围 %3 到 %4；读取器取 %5")
                 .arg(name, found, lowText, highText,
                      numberText(form, number < bound->low ? bound->low : bound->high)));
    else
        note(at, QCoreApplication::translate("sprReader", "%1：%2 超出设计软件允许的范围 %3 到 %4")
                     .arg(name, found, lowText, highText));
}

bool sprReader::readHeader()
{
    const QString first = nextLine();
    if (first != fileHeader) {
        note(1, QCoreApplication::translate("sprReader",
                                            "缺少文件头：第一行是 %1，不是“[FileInfo]”；不读取任何内容")
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
    const int sections = countSectionHeaders(data, std::numeric_limits<int>::max());
    sectionsInFile = sections;
    if (sections != result.totalItemNum)
        note(totalLine, QCoreApplication::translate("sprReader", "TotalItemNum 为 %1，但文件中有 %2 个项目段")
                            .arg(result.totalItemNum)
                            .arg(sections));
}

// Items that start on the strip and reach past its end: the printer prints only the part on the strip.
// Items that start beyond it are named by the range of their X key.
void sprReader::notePastStripEnd()
{
    for (size_t i = 0; i < built.size(); ++i) {
        const QRectF box = emptyPicture::printedSceneRect(*built[i]);
        if (box.right() > stripLength && box.left() < stripLength)
            note(builtLines[i],
                 QCoreApplication::translate(
                     "sprReader", "项目从 x %1 伸到 %2，越过纸带在 %3 的末端；打印机只打印纸带上的部分")
                     .arg(realText(box.left()), realText(box.right()))
                     .arg(stripLength));
    }
}

void sprReader::readSections()
{
    // Where TotalItemNum and the sections disagree, that one finding says why the end is not where the
    // sections are; it is not repeated at the end.
    const bool countAgrees = sectionsInFile == result.totalItemNum;
    for (int pass = 0; pass < result.totalItemNum; ++pass) {
        // Past the end every pass would read an empty line that builds nothing: stop instead.
        if (lines->atEnd()) {
            if (countAgrees)
                note(lines->lineNumber(),
                     QCoreApplication::translate("sprReader",
                                                 "文件在读完 TotalItemNum 所列 %2 个项目中的 %1 个后结束")
                         .arg(pass)
                         .arg(result.totalItemNum));
            return;
        }
        const QString line = nextLine();
        const sectionSpec *section = sectionForHeader(line);
        if (!section && looksLikeSection(line))
            noteUnreadSection(line);
        if (!section) {
            note(lines->lineNumber(),
                 QCoreApplication::translate(
                     "sprReader", "应为项目段的标题，实为 %1；这一行占去一个项目，并使后面的每一段错位")
                     .arg(quoted(line)));
            continue;
        }
        if (result.itemsBuilt >= options.limits.maxItems) {
            refuse(lines->lineNumber(), tooManyItemsText(options.limits));
            return;
        }
        sectionLine = lines->lineNumber();
        readSection(*section);
        if (!result.limitExceeded.isEmpty())
            return;
        ++result.itemsBuilt;
    }
    if (lines->atEnd())
        return;
    const int restLine = lines->lineNumber() + 1;
    if (countAgrees)
        note(restLine,
             QCoreApplication::translate("sprReader", "从这里起的行不会被读取：已读完 TotalItemNum 个项目"));
    // The sections left are not read; at the item limit, a further section means the design is larger
    // than the reader takes.
    const bool atLimit = result.itemsBuilt >= options.limits.maxItems;
    while (!lines->atEnd()) {
        const QString line = lines->next();
        if (!looksLikeSection(line))
            continue;
        if (atLimit && sectionForHeader(line)) {
            refuse(restLine, tooManyItemsText(options.limits));
            return;
        }
        noteUnreadSection(line);
    }
}

void sprReader::noteUnreadSection(const QString &header)
{
    if (result.unreadSections.size() < sprReadResult::maxUnreadSections)
        result.unreadSections.push_back({lines->lineNumber(), header});
    ++result.unreadSectionCount;
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
    noteBelowStrip(section);
}

// An item whose lowest row lies below the strip's last row: nothing in the window puts it there, and the
// printer cannot print it whole.
void sprReader::noteBelowStrip(const sectionSpec &section)
{
    if (!options.collectFindings || built.empty() || !result.limitExceeded.isEmpty())
        return;
    const QGraphicsItem &item = *built.back();
    if (item.y() <= 0)
        return;
    const int lowest = placementMaxY(item);
    if (item.y() <= lowest)
        return;
    const QByteArray key = QByteArray(section.rows[0].key).left(section.prefixLength) + "AtY";
    note(lineOf(section, key.constData()),
         QCoreApplication::translate("sprReader",
                                     "%1 %2：项目的最下一行在打印条的最后一行之下；它的 Y 最多为 %3")
             .arg(QLatin1String(key), realText(item.y()))
             .arg(lowest));
}

void sprReader::readRows(const sectionSpec &section, QGraphicsItem &item, sectionPlacement &where)
{
    rowLines.assign(size_t(section.rowCount), 0);
    int missing = 0;
    for (int i = 0; i < section.rowCount; ++i) {
        const keyRow &row = section.rows[i];
        missing += lines->atEnd();
        readValue(row, item, where, keyValue(row.key, row.form, row.low, row.high));
        rowLines[size_t(i)] = lines->lineNumber();
    }
    if (missing > 0)
        note(sectionLine, QCoreApplication::translate(
                              "sprReader", "文件在这一段中结束：它的 %2 个键行中缺少最后 %1 个，读作 0 或空")
                              .arg(missing)
                              .arg(section.rowCount));
}

int sprReader::lineOf(const sectionSpec &section, const char *key) const
{
    for (int i = 0; i < section.rowCount && size_t(i) < rowLines.size(); ++i)
        if (qstrcmp(section.rows[i].key, key) == 0)
            return rowLines[size_t(i)];
    return sectionLine;
}

// Positioned and turned; the scene takes it when the reading ends.
void sprReader::place(QGraphicsItem *item, const sectionPlacement &where)
{
    built.push_back(item);
    builtLines.push_back(sectionLine);
    item->setPos(coordinate(where.x), coordinate(where.y));
    item->setRotation(finiteOrZero(where.rotation));
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setFlag(QGraphicsItem::ItemIsMovable);
}

// A pixel or point size inside the stored font description that the reader takes in at its bound
// (only when no size of its own is given, which would replace it).
void sprReader::noteFontBounds(const sectionSpec &section, const sectionPlacement &where)
{
    if (!options.collectFindings || where.font.isEmpty() || truncated(where.fontSize, 0, maxPixelSize) > 0)
        return;
    QFont stored;
    stored.fromString(where.font);
    const bool pixel = stored.pixelSize() > 0;
    const double size = pixel ? stored.pixelSize() : stored.pointSizeF();
    const double bound = pixel ? double(maxPixelSize) : maxPointSize;
    if (size <= bound)
        return;
    const QString finding =
        pixel ? QCoreApplication::translate("sprReader", "%1：字体描述中的像素大小 %2 超过 %3；读取器取 %3")
              : QCoreApplication::translate("sprReader", "%1：字体描述中的磅值 %2 超过 %3；读取器取 %3");
    for (int i = 0; i < section.rowCount; ++i)
        if (section.rows[i].form == valueForm::font)
            note(rowLines[size_t(i)],
                 finding.arg(QLatin1String(section.rows[i].key), realText(size), realText(bound)));
}

void sprReader::buildText(const sectionSpec &section)
{
    auto *item = new diagramTextItem;
    sectionPlacement where;
    readRows(section, *item, where);
    noteFontBounds(section, where);
    item->itemFont = sectionFont(item->itemFont, where);
    item->showFields();
    place(item, where);
    if (item->content.isEmpty())
        note(lineOf(section, "TextContent"),
             QCoreApplication::translate("sprReader",
                                         "TextContent 为空：设计软件显示“空文本”框，打印机不打印任何内容"));
}

void sprReader::buildCounter(const sectionSpec &section)
{
    auto *item = new diagramCntItem;
    const int defaultDigits = item->mode;
    sectionPlacement where;
    readRows(section, *item, where);
    if (item->mode < 1 || item->mode > 8)
        item->mode = defaultDigits;
    noteFontBounds(section, where);
    item->itemFont = sectionFont(item->itemFont, where);
    item->showFields();
    place(item, where);
}

void sprReader::buildTime(const sectionSpec &section)
{
    auto *item = new diagramTimeItem;
    sectionPlacement where;
    readRows(section, *item, where);
    noteFontBounds(section, where);
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
    place(item, where);
    const int contentLine = lineOf(section, "BarContent");
    if (item->content.isEmpty()) {
        item->content = diagramBarItem::defaultContent();
        note(contentLine,
             QCoreApplication::translate("sprReader", "BarContent 为空：设计软件显示 %1，打印机得不到内容")
                 .arg(item->content));
    }
    if (!isBarcodeMode(item->mode))
        item->mode = defaultMode;
    honourPictureHeight(section, *item, where.height);

    std::optional<quint8> refusal;
    if (!pictures.makeBarcode(*item, refusal)) {
        note(sectionLine, pictureLimitText(options.limits));
        return;
    }
    // A module width or bar height of no pixels draws nothing whatever the content; the range finding of
    // that key says so.
    const bool drawable = item->lineWidth >= 1 && item->lineHeight >= 1;
    if (refusal) {
        result.barcodeRefusals.push_back({*refusal, item->refusedCharacter()});
        if (drawable)
            // In one pass, so that a "%2" in the content stays as it is.
            note(contentLine,
                 QCoreApplication::translate("sprReader", "BarContent %1 不被该码制接受（代码 %2：%3）；%4")
                     .arg(quoted(item->content), QString::number(*refusal),
                          (barcodeErrorMessage(*refusal) + QLatin1Char(' ') + item->refusedCharacter())
                              .trimmed(),
                          placeholderNote()));
    }
    noteScanFindings(*item);
}

// The picture's height as saved is what the operator saw. A bar height that draws another height (a
// file written when the height box only stretched the picture) gives way to it.
void sprReader::honourPictureHeight(const sectionSpec &section, diagramBarItem &item, double saved)
{
    const bool drawable = item.lineHeight >= 1 && item.lineHeight <= stripLength;
    if (!drawable || !(saved >= 1 && saved <= stripLength))
        return;
    const int drawn = barcodePictureHeight(item.lineHeight, item.isTextOn);
    if (int(saved) == drawn)
        return;
    const int lineHeight = barcodeLineHeightFor(int(saved), item.isTextOn);
    note(lineOf(section, "BarHeight"),
         QCoreApplication::translate("sprReader",
                                     "BarHeight %1 与 BarLineHeight %2 画出的高度 %3 不同；条码按 "
                                     "BarHeight 画出，条高 %4")
             .arg(realText(saved))
             .arg(item.lineHeight)
             .arg(drawn)
             .arg(lineHeight));
    item.lineHeight = lineHeight;
}

void sprReader::buildQRCode(const sectionSpec &section)
{
    auto *item = new diagramQRCodeItem;
    sectionPlacement where;
    readRows(section, *item, where);
    place(item, where);
    const int length = item->content.size();
    if (item->insertCnt && (item->insertCntPos < 0 || item->insertCntPos > length))
        note(lineOf(section, "QRcodeInsertCntPos"),
             QCoreApplication::translate(
                 "sprReader", "QRcodeInsertCntPos %1 超出内容的 %2 个字符；打印机无法在那里插入序号")
                 .arg(item->insertCntPos)
                 .arg(length));
    if (item->insertTime && (item->insertTimePos < 0 || item->insertTimePos > length))
        note(lineOf(section, "QRcodeInsertTimePos"),
             QCoreApplication::translate(
                 "sprReader", "QRcodeInsertTimePos %1 超出内容的 %2 个字符；打印机无法在那里插入日期时间")
                 .arg(item->insertTimePos)
                 .arg(length));
    if (item->content.isEmpty()) {
        note(lineOf(section, "QRcodeContent"),
             QCoreApplication::translate("sprReader",
                                         "QRcodeContent 为空：设计软件显示“empty!”，打印机得不到内容"));
        item->content = QStringLiteral("empty!");
    }
    switch (pictures.makeQRCode(*item)) {
    case pictureMaker::made:
        if (item->pictureSize().isEmpty() && item->scale == 0)
            note(lineOf(section, "QRcodeScale"),
                 QCoreApplication::translate("sprReader", "QRcodeScale 为 0：二维码没有图像；%1")
                     .arg(placeholderNote()));
        break;
    case pictureMaker::noSymbol:
        note(sectionLine, QCoreApplication::translate(
                              "sprReader", "QRcodeContent %1 在此纠错等级下对任何二维码版本都太长，"
                                           "或 QRcodeVersion 大于 40；不显示符号（%2）")
                              .arg(quoted(item->content), placeholderNote()));
        break;
    case pictureMaker::tooLarge:
        note(sectionLine, pictureLimitText(options.limits));
        break;
    }
    if (!item->pictureSize().isEmpty())
        noteScanFindings(*item);
}

void sprReader::buildImage(const sectionSpec &section)
{
    auto *item = new diagramImageItem;
    sectionPlacement where;
    readRows(section, *item, where);
    place(item, where);
    const int width = truncated(where.width, 0, maxPictureSide);
    const int height = truncated(where.height, 0, maxPictureSide);
    const bool found = pictures.makeImage(*item, options.documentDir, width, height);
    if (!found && QFileInfo(item->pixPath).isFile())
        note(sectionLine, QCoreApplication::translate(
                              "sprReader", "图片 %1 无法作为图片读取（或太大）；以“NO IMG”代替显示")
                              .arg(quoted(item->pixPath)));
    else if (!found)
        note(sectionLine,
             QCoreApplication::translate(
                 "sprReader", "找不到图片 %1（也在文档旁及其“bmp”文件夹中找过）；以“NO IMG”代替显示")
                 .arg(quoted(item->pixPath)));
    if (!item->pictureSize().isEmpty())
        return;
    if (width > 0 && height > 0)
        note(sectionLine, pictureLimitText(options.limits));
    else if (where.width >= 0 && where.height >= 0)
        note(sectionLine,
             QCoreApplication::translate(
                 "sprReader", "图像显示为 %1 x %2 像素（ImageWidth、ImageHeight），因此没有图像；%3")
                 .arg(width)
                 .arg(height)
                 .arg(placeholderNote()));
}

} // namespace

sprReadResult readSprData(const QByteArray &data, QGraphicsScene &scene, const sprReadOptions &options)
{
    const busyCursor busy;
    sprReadResult result;
    sprReader(scene, options, result).read(data);
    return result;
}

QString fileSizeLimitText(qint64 maxBytes)
{
    return QCoreApplication::translate("sprReader", "文件大于读取器最多接受的 %1 MiB（%2 字节）")
        .arg(maxBytes >> 20)
        .arg(maxBytes);
}

bool readSprFileBytes(const QString &path, QByteArray *data, QString *errorText)
{
    const qint64 maxBytes = sprReadLimits().maxFileBytes;
    bool tooLarge = false;
    if (readFileChecked(path, maxBytes, data, errorText, &tooLarge))
        return true;
    if (tooLarge && errorText)
        *errorText = fileSizeLimitText(maxBytes);
    return false;
}

bool loadSprFile(const QString &path, QGraphicsScene &scene, sprReadResult *result, QString *errorText,
                 bool collectFindings)
{
    sprReadOptions options;
    options.documentDir = QFileInfo(path).absolutePath();
    options.collectFindings = collectFindings;
    QByteArray data;
    if (!readSprFileBytes(path, &data, errorText))
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

sprFileStatus probeSprData(const QByteArray &data)
{
    lineCursor lines(data);
    if (lines.next() != fileHeader)
        return sprFileStatus::notSpr;
    const int maxItems = sprReadLimits().maxItems;
    return countSectionHeaders(data, maxItems) > maxItems ? sprFileStatus::tooManyItems : sprFileStatus::ok;
}

QString sprFileStatusText(sprFileStatus status)
{
    switch (status) {
    case sprFileStatus::notSpr:
        return QCoreApplication::translate("sprReader", "文件第一行不是 [FileInfo]，不是设计文件");
    case sprFileStatus::tooManyItems:
        return QCoreApplication::translate("sprReader", "文件中的项目超过 %1 个，无法完整打开")
            .arg(sprReadLimits().maxItems);
    case sprFileStatus::ok:
        break;
    }
    return QString();
}

void forEachFileLine(const QByteArray &data,
                     const std::function<bool(int number, const QString &line)> &visit)
{
    int number = 0;
    for (int pos = 0; pos < data.size();) {
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        const QString line = QString::fromUtf8(data.constData() + pos, end - pos).trimmed();
        pos = end + 1;
        if (!visit(++number, line))
            return;
    }
}
