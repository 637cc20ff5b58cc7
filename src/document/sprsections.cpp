#include "sprsections.h"

#include "deferredpixmapitem.h"
#include "itemtypes.h"
#include "textfamilyitem.h"

#include <QFont>
#include <QLocale>
#include <array>
#include <cstdlib>
#include <iterator>

namespace
{

QFont fontOf(const QGraphicsItem &item)
{
    return static_cast<const textFamilyItem &>(item).font();
}
// Barcode and image pictures: their size is known without drawing them.
QSize pictureOf(const QGraphicsItem &item)
{
    return static_cast<const deferredPixmapItem &>(item).pictureSize();
}

// The header and the name sprtool info gives each kind, in the order the reader tries them; the key
// lines are the kind's field list.
struct sectionName {
    int typeId;
    const char *header;
    const char *kind;
};
constexpr sectionName sectionNames[] = {
    {textItemType, "[TextItemInfo]", "text"},   {barItemType, "[BarItemInfo]", "barcode"},
    {qrItemType, "[QRcodeItemInfo]", "qrcode"}, {imageItemType, "[ImageItemInfo]", "image"},
    {cntItemType, "[CntItemInfo]", "counter"},  {timeItemType, "[TimeItemInfo]", "time"},
};
constexpr int sectionCount = int(std::size(sectionNames));

const std::array<sectionSpec, sectionCount> &sections()
{
    static const std::array<sectionSpec, sectionCount> specs = [] {
        std::array<sectionSpec, sectionCount> made{};
        for (int i = 0; i < sectionCount; ++i) {
            const sectionName &name = sectionNames[i];
            const itemFieldList &fields = *itemFieldsOf(name.typeId);
            made[size_t(i)] = {name.typeId,         name.header, name.kind,
                               fields.prefixLength, fields.rows, fields.keyed};
        }
        return made;
    }();
    return specs;
}

} // namespace

QString writeValue(const keyRow &row, const QGraphicsItem &item)
{
    switch (row.value) {
    case rowValue::field:
        return row.text(item);
    case rowValue::picturePath:
        return printerPicturePath(row.text(item));
    case rowValue::x:
        return realText(item.x());
    case rowValue::y:
        return realText(item.y());
    case rowValue::rotation:
        return realText(item.rotation());
    case rowValue::font:
        return fontDescription(fontOf(item));
    case rowValue::fontSize:
        return QString::number(fontOf(item).pixelSize());
    case rowValue::spacing:
        return realText(fontOf(item).letterSpacing());
    case rowValue::pictureWidth:
        return QString::number(pictureOf(item).width());
    case rowValue::pictureHeight:
        return QString::number(pictureOf(item).height());
    }
    return QString();
}

void readValue(const keyRow &row, QGraphicsItem &item, sectionPlacement &place, const QString &value)
{
    switch (row.value) {
    case rowValue::field:
    case rowValue::picturePath:
        row.parse(item, value);
        break;
    case rowValue::x:
        place.x = readReal(value);
        break;
    case rowValue::y:
        place.y = readReal(value);
        break;
    case rowValue::rotation:
        place.rotation = readReal(value);
        break;
    case rowValue::font:
        place.font = value;
        break;
    case rowValue::fontSize:
        // Taken as written where the form is real, truncated later.
        place.fontSize = row.form == valueForm::real ? readReal(value) : readInt(value);
        break;
    case rowValue::spacing:
        place.spacing = readInt(value);
        break;
    case rowValue::pictureWidth:
        place.width = readReal(value);
        break;
    case rowValue::pictureHeight:
        place.height = readReal(value);
        break;
    }
}

const sectionSpec *sectionSpecs()
{
    return sections().data();
}
int sectionSpecCount()
{
    return sectionCount;
}

const sectionSpec *sectionForType(int typeId)
{
    for (const sectionSpec &s : sections())
        if (s.typeId == typeId)
            return &s;
    return nullptr;
}

const sectionSpec *sectionForHeader(const QString &line)
{
    for (const sectionSpec &s : sections())
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
