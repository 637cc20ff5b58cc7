#include "sprsections.h"

#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "placement.h"

#include <QFont>
#include <QLocale>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace
{

// --- value text of item fields ---

QString fieldText(const QString &value)
{
    return value;
}
QString fieldText(int value)
{
    return QString::number(value);
}
QString fieldText(quint32 value)
{
    return QString::number(value);
}
QString fieldText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

void parseField(const QString &value, QString &field)
{
    field = value;
}
void parseField(const QString &value, int &field)
{
    field = readInt(value);
}
void parseField(const QString &value, quint32 &field)
{
    field = readLineNumber(value);
}
void parseField(const QString &value, bool &field)
{
    field = readInt(value) != 0;
}

QJsonValue fieldJson(const QString &value)
{
    return value;
}
QJsonValue fieldJson(int value)
{
    return value;
}
QJsonValue fieldJson(quint32 value)
{
    return double(value);
}
QJsonValue fieldJson(bool value)
{
    return value;
}

constexpr valueForm formOf(const QString *)
{
    return valueForm::text;
}
constexpr valueForm formOf(const int *)
{
    return valueForm::integer;
}
constexpr valueForm formOf(const quint32 *)
{
    return valueForm::lineNumber;
}
constexpr valueForm formOf(const bool *)
{
    return valueForm::boolean;
}

template <typename Item, auto Member> QString writeMember(const QGraphicsItem &item)
{
    return fieldText(static_cast<const Item &>(item).*Member);
}
template <typename Item, auto Member>
void readMember(QGraphicsItem &item, sectionPlacement &, const QString &v)
{
    parseField(v, static_cast<Item &>(item).*Member);
}
template <typename Item, auto Member> QJsonValue jsonMember(const QGraphicsItem &item)
{
    return fieldJson(static_cast<const Item &>(item).*Member);
}

constexpr double noLow = 1;
constexpr double noHigh = 0;

// A key that carries an item field as it is.
template <typename Item, auto Member>
constexpr keyRow field(const char *key, double low = noLow, double high = noHigh,
                       const char *control = nullptr)
{
    using value = std::remove_reference_t<decltype(std::declval<Item &>().*Member)>;
    return {key,
            formOf(static_cast<const value *>(nullptr)),
            &writeMember<Item, Member>,
            &readMember<Item, Member>,
            &jsonMember<Item, Member>,
            low,
            high,
            control};
}

// --- keys that are not item fields ---

QFont fontOf(const QGraphicsItem &item)
{
    return static_cast<const textFamilyItem &>(item).font();
}
// Barcode and image pictures: their size is known without drawing them.
QSize pictureOf(const QGraphicsItem &item)
{
    return static_cast<const deferredPixmapItem &>(item).pictureSize();
}

QString writeX(const QGraphicsItem &item)
{
    return realText(item.x());
}
QString writeY(const QGraphicsItem &item)
{
    return realText(item.y());
}
QString writeRotation(const QGraphicsItem &item)
{
    return realText(item.rotation());
}
QString writeFont(const QGraphicsItem &item)
{
    return fontDescription(fontOf(item));
}
QString writePixelSize(const QGraphicsItem &item)
{
    return QString::number(fontOf(item).pixelSize());
}
QString writeSpacing(const QGraphicsItem &item)
{
    return realText(fontOf(item).letterSpacing());
}
QString writePictureWidth(const QGraphicsItem &item)
{
    return QString::number(pictureOf(item).width());
}
QString writePictureHeight(const QGraphicsItem &item)
{
    return QString::number(pictureOf(item).height());
}
QString writePixPath(const QGraphicsItem &item)
{
    return printerPicturePath(static_cast<const diagramImageItem &>(item).pixPath);
}

void readX(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.x = readReal(v);
}
void readY(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.y = readReal(v);
}
void readRotation(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.rotation = readReal(v);
}
void readFont(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.font = v;
}
void readPixelSize(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.fontSize = readInt(v);
}
void readPixelSizeReal(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.fontSize = readReal(v);
}
void readSpacing(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.spacing = readInt(v);
}
void readWidth(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.width = readReal(v);
}
void readHeight(QGraphicsItem &, sectionPlacement &p, const QString &v)
{
    p.height = readReal(v);
}
void readPixPath(QGraphicsItem &item, sectionPlacement &, const QString &v)
{
    static_cast<diagramImageItem &>(item).pixPath = v;
}
QJsonValue jsonPixPath(const QGraphicsItem &item)
{
    return static_cast<const diagramImageItem &>(item).pixPath;
}

// The panels' ranges.
constexpr double xLow = 0, xHigh = placementMaxX;
constexpr double yLow = 0, yHigh = placementYLimit;
constexpr double turnLow = 0, turnHigh = 180;
constexpr double sizeLow = 6, sizeHigh = 400;
constexpr double spaceLow = -100, spaceHigh = 200;

constexpr keyRow atX(const char *key, const char *control)
{
    return {key, valueForm::real, writeX, readX, nullptr, xLow, xHigh, control};
}
constexpr keyRow atY(const char *key, const char *control)
{
    return {key, valueForm::real, writeY, readY, nullptr, yLow, yHigh, control};
}
constexpr keyRow rotate(const char *key, const char *control)
{
    return {key, valueForm::real, writeRotation, readRotation, nullptr, turnLow, turnHigh, control};
}
constexpr keyRow font(const char *key)
{
    return {key, valueForm::font, writeFont, readFont, nullptr, noLow, noHigh};
}
constexpr keyRow fontSize(const char *key, const char *control)
{
    return {key, valueForm::integer, writePixelSize, readPixelSize, nullptr, sizeLow, sizeHigh, control};
}
constexpr keyRow space(const char *key, const char *control)
{
    return {key, valueForm::integer, writeSpacing, readSpacing, nullptr, spaceLow, spaceHigh, control};
}

// Every range tied to a control is the range of that control (the panel tests hold the two together);
// BarLineHeight gets plausible bounds beyond the height box's, for files of taller bars.
using T = diagramTextItem;
const keyRow textRows[] = {
    atX("TextAtX", "textXSpin"),
    atY("TextAtY", "textYSpin"),
    rotate("TextRotate", "textRotateSpin"),
    font("TextFont"),
    fontSize("TextFontSize", "textSizeSpin"),
    space("TextSpace", "textIntervalSpin"),
    field<T, &T::content>("TextContent"),
    field<T, &T::isExtVariable>("TextIsExtVariable"),
    field<T, &T::isAllPrinted>("TextIsAllPrinted"),
    field<T, &T::extDataStartLine>("TextExtDataStartLine"),
    field<T, &T::extDataEndLine>("TextExtDataEndLine"),
    field<T, &T::extDataFilePath>("TextExtDataFilePath"),
    field<T, &T::extDataCurLine>("TextExtDataCurLine"),
};

using C = diagramCntItem;
const keyRow cntRows[] = {
    atX("CntAtX", "cntXSpin"),
    atY("CntAtY", "cntYSpin"),
    rotate("CntRotate", "cntRotateSpin"),
    font("CntFont"),
    {"CntFontSize", valueForm::real, writePixelSize, readPixelSizeReal, nullptr, sizeLow, sizeHigh,
     "cntSizeSpin"},
    space("CntSpace", "cntIntervalSpin"),
    field<C, &C::mode>("CntMode", 1, 8, "cntModeCombo"),
    field<C, &C::name>("CntName", 0, 1, "cntNameCombo"),
};

using B = diagramBarItem;
const keyRow barRows[] = {
    atX("BarAtX", "barXSpin"),
    atY("BarAtY", "barYSpin"),
    {"BarHeight", valueForm::ignored, writePictureHeight, readHeight, nullptr, noLow, noHigh},
    rotate("BarRotate", "barRotateSpin"),
    field<B, &B::content>("BarContent"),
    field<B, &B::mode>("BarMode", 0, barcodeModeCount - 1, "barModeCombo"),
    field<B, &B::isTextOn>("BarIsTextOn"),
    field<B, &B::lineWidth>("BarLineWidth", 1, 20, "barWidthSpin"),
    field<B, &B::isExtVariable>("BarIsExtVariable"),
    field<B, &B::isAllPrinted>("BarIsAllPrinted"),
    field<B, &B::extDataStartLine>("BarExtDataStartLine"),
    field<B, &B::extDataEndLine>("BarExtDataEndLine"),
    field<B, &B::extDataFilePath>("BarExtDataFilePath"),
    field<B, &B::extDataCurLine>("BarExtDataCurLine"),
    field<B, &B::lineHeight>("BarLineHeight", 1, 2000),
};

const keyRow imageRows[] = {
    atX("ImageAtX", "imageXSpin"),
    atY("ImageAtY", "imageYSpin"),
    {"ImageWidth", valueForm::real, writePictureWidth, readWidth, nullptr, 0, 20000, "imageWidthSpin"},
    {"ImageHeight", valueForm::real, writePictureHeight, readHeight, nullptr, 0, 400, "imageHeightSpin"},
    rotate("ImageRotate", "imageRotateSpin"),
    {"ImagePixPath", valueForm::text, writePixPath, readPixPath, jsonPixPath, noLow, noHigh},
    field<diagramImageItem, &diagramImageItem::isColorConverse>("ImageIsColorConverse"),
};

using M = diagramTimeItem;
const keyRow timeRows[] = {
    atX("TimeAtX", "timeXSpin"),
    atY("TimeAtY", "timeYSpin"),
    rotate("TimeRotate", "timeRotateSpin"),
    font("TimeFont"),
    fontSize("TimeFontSize", "timeSizeSpin"),
    space("TimeSpace", "timeSpacingSpin"),
    field<M, &M::mode>("TimeMode"),
    field<M, &M::valid>("TimeValid", 0, 120, "timeValidSpin"),
    field<M, &M::modeIndex>("TimeModeIndex"),
    field<M, &M::userDefined>("TimeUserDefined"),
};

// The level and size lists may show no row at all, which the panel reports as -1 (size: version 0).
using Q = diagramQRCodeItem;
const keyRow qrRows[] = {
    atX("QRcodeAtX", "QRCodeXSpin"),
    atY("QRcodeAtY", "QRCodeYSpin"),
    rotate("QRcodeRotate", "QRCodeRotateSpin"),
    field<Q, &Q::content>("QRcodeContent"),
    field<Q, &Q::level>("QRcodeLevel", -1, 3, "comboBox_QRCodeItemLevel"),
    field<Q, &Q::scale>("QRcodeScale", 0, 77, "spinBox_QRCodeItemScale"),
    field<Q, &Q::version>("QRcodeVersion", 0, 5, "comboBox_QRCodeItemVersion"),
    field<Q, &Q::converse>("QRcodeConverse"),
    field<Q, &Q::insertCnt>("QRcodeInsertCnt"),
    field<Q, &Q::cntMode>("QRcodeCntMode", 0, 8, "comboBox_type"),
    field<Q, &Q::insertCntPos>("QRcodeInsertCntPos"),
    field<Q, &Q::insertTime>("QRcodeInsertTime"),
    field<Q, &Q::timeModeStr>("QRcodeTimeModeStr"),
    field<Q, &Q::insertTimePos>("QRcodeInsertTimePos"),
    field<Q, &Q::isInsVariable>("QRcodeIsInsVariable"),
    field<Q, &Q::isExtVariable>("QRcodeIsExtVariable"),
    field<Q, &Q::extStartLine>("QRcodeExtStartLine"),
    field<Q, &Q::extEndLine>("QRcodeExtEndLine"),
    field<Q, &Q::extFilePath>("QRcodeExtFilePath"),
    field<Q, &Q::isAllPrinted>("QRcodeIsAllPrinted"),
    field<Q, &Q::extCurLine>("QRcodeExtCurLine"),
    field<Q, &Q::isUartVariable>("QRcodeIsUartVariable"),
};

template <size_t N> constexpr int count(const keyRow (&)[N])
{
    return int(N);
}

const sectionSpec sections[] = {
    {textItemType, "[TextItemInfo]", "text", 4, textRows, count(textRows)},
    {barItemType, "[BarItemInfo]", "barcode", 3, barRows, count(barRows)},
    {qrItemType, "[QRcodeItemInfo]", "qrcode", 6, qrRows, count(qrRows)},
    {imageItemType, "[ImageItemInfo]", "image", 5, imageRows, count(imageRows)},
    {cntItemType, "[CntItemInfo]", "counter", 3, cntRows, count(cntRows)},
    {timeItemType, "[TimeItemInfo]", "time", 4, timeRows, count(timeRows)},
};

} // namespace

QString keyRow::fieldName(int prefixLength) const
{
    QString name = QString::fromLatin1(key).mid(prefixLength);
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

const sectionSpec *sectionSpecs()
{
    return sections;
}
int sectionSpecCount()
{
    return int(std::size(sections));
}

const sectionSpec *sectionForType(int typeId)
{
    for (const sectionSpec &s : sections)
        if (s.typeId == typeId)
            return &s;
    return nullptr;
}

const sectionSpec *sectionForHeader(const QString &line)
{
    for (const sectionSpec &s : sections)
        if (line == QLatin1String(s.header))
            return &s;
    return nullptr;
}

// The shortest text that reads back as the same number: a position dragged to 12345.6789 is kept
// whole, so reading and saving again never moves an item or changes SceneWidth.
QString realText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString valueOfLine(const QString &line)
{
    const int equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.mid(equals + 1);
}

double readReal(const QString &value, bool *ok)
{
    bool good = false;
    const double number = value.trimmed().toDouble(&good);
    if (ok)
        *ok = good;
    return good ? number : 0.0;
}

int readInt(const QString &value, bool *ok)
{
    bool good = false;
    const int number = value.trimmed().toInt(&good);
    if (ok)
        *ok = good;
    return good ? number : 0;
}

quint32 readLineNumber(const QString &value, bool *ok)
{
    bool good = false;
    const qlonglong number = value.trimmed().toLongLong(&good);
    good = good && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<quint32>::max();
    if (ok)
        *ok = good;
    // A negative int is kept as the unsigned field would take it.
    return good ? static_cast<quint32>(number) : 0u;
}

bool valueParses(valueForm form, const QString &value, double *number)
{
    bool ok = true;
    double read = 0;
    switch (form) {
    case valueForm::real:
        read = readReal(value, &ok);
        break;
    case valueForm::integer:
    case valueForm::boolean:
        read = readInt(value, &ok);
        break;
    case valueForm::lineNumber:
        read = readLineNumber(value, &ok);
        break;
    case valueForm::text:
    case valueForm::font:
    case valueForm::ignored:
        break;
    }
    if (number)
        *number = read;
    return ok;
}

QString pictureFileName(const QString &path)
{
    const int separator = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(separator + 1);
}

QString printerPicturePath(const QString &pixPath)
{
    return QStringLiteral("/udisk/bmp/") + pictureFileName(pixPath);
}

namespace
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
// Qt 5's weight scale and the OpenType weights Qt 6 uses, lightest first.
struct weightStep {
    int legacy;
    int openType;
};
constexpr weightStep weightSteps[] = {{0, 100},  {12, 200}, {25, 300}, {50, 400}, {57, 500},
                                      {63, 600}, {75, 700}, {81, 800}, {87, 900}};

// The nearest step, the lighter one on a tie, as Qt 6 maps weights back itself.
int legacyWeight(int weight)
{
    const weightStep *nearest = std::begin(weightSteps);
    for (const weightStep &step : weightSteps) {
        if (std::abs(step.openType - weight) < std::abs(nearest->openType - weight))
            nearest = &step;
    }
    return nearest->legacy;
}
#else
int legacyWeight(int weight)
{
    return weight;
}
#endif
} // namespace

QString fontDescription(const QFont &font)
{
    const QStringList fields = {font.family(),
                                QString::number(font.pointSizeF()),
                                QString::number(font.pixelSize()),
                                QString::number(int(font.styleHint())),
                                QString::number(legacyWeight(int(font.weight()))),
                                QString::number(int(font.style())),
                                QString::number(int(font.underline())),
                                QString::number(int(font.strikeOut())),
                                QString::number(int(font.fixedPitch())),
                                QStringLiteral("0")};
    QString description = fields.join(QLatin1Char(','));
    if (!font.styleName().isEmpty())
        description += QLatin1Char(',') + font.styleName();
    return description;
}
