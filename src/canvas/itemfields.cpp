#include "itemfields.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "placement.h"

#include <QDateTime>
#include <array>
#include <limits>

namespace
{

// --- one overload per field type: text, parse, JSON ---

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
QString fieldText(const QDateTime &value)
{
    return value.toString(Qt::ISODate);
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
void parseField(const QString &value, QDateTime &field)
{
    field = QDateTime::fromString(value, Qt::ISODate);
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
QJsonValue fieldJson(const QDateTime &value)
{
    return fieldText(value);
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
constexpr valueForm formOf(const QDateTime *)
{
    return valueForm::text;
}

template <typename Item, auto Member> auto &member(const QGraphicsItem &item)
{
    return static_cast<const Item &>(item).*Member;
}
template <typename Item, auto Member> auto &member(QGraphicsItem &item)
{
    return static_cast<Item &>(item).*Member;
}

template <typename Item, auto Member> QString textOf(const QGraphicsItem &item)
{
    return fieldText(member<Item, Member>(item));
}
template <typename Item, auto Member> void parseInto(QGraphicsItem &item, const QString &value)
{
    parseField(value, member<Item, Member>(item));
}
template <typename Item, auto Member> QJsonValue jsonOf(const QGraphicsItem &item)
{
    return fieldJson(member<Item, Member>(item));
}
template <typename Item, auto Member> QVariant getOf(const QGraphicsItem &item)
{
    return QVariant::fromValue(member<Item, Member>(item));
}
template <typename Item, auto Member> void setOf(QGraphicsItem &item, const QVariant &value)
{
    auto &field = member<Item, Member>(item);
    field = value.value<std::remove_reference_t<decltype(field)>>();
}

constexpr double noLow = 1;
constexpr double noHigh = 0;
// A ranged field its panel does not load.
constexpr panelControl notLoaded{""};
// A control whose edits a slot of the kind's routing applies.
constexpr panelControl bySlot(panelControl shown)
{
    shown.ownSlot = true;
    return shown;
}

// An item field as it is. Ranged fields name the control the range is tied to; a panel that shows the
// field without such a tie names its control in `shown`.
template <typename Item, auto Member>
constexpr itemField field(const char *key, double low = noLow, double high = noHigh,
                          const char *control = nullptr, panelControl shown = {})
{
    using value = std::remove_reference_t<decltype(std::declval<Item &>().*Member)>;
    if (control && !shown.name)
        shown.name = control;
    return {key,
            formOf(static_cast<const value *>(nullptr)),
            rowValue::field,
            low,
            high,
            control,
            shown,
            nullptr,
            &textOf<Item, Member>,
            &parseInto<Item, Member>,
            &jsonOf<Item, Member>,
            &getOf<Item, Member>,
            &setOf<Item, Member>};
}

// A field no file carries, under its own name.
template <typename Item, auto Member> constexpr itemField unkeyed(const char *name, panelControl shown = {})
{
    itemField row = field<Item, Member>(nullptr, noLow, noHigh, nullptr, shown);
    row.name = name;
    return row;
}

// A value the reader applies when it builds the item.
constexpr itemField placed(const char *key, valueForm form, rowValue value, double low = noLow,
                           double high = noHigh, const char *control = nullptr)
{
    return {key,     form,    value,   low,     high,    control, {control},
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
}

// The panels' ranges.
constexpr double xLow = 0, xHigh = placementMaxX;
constexpr double yLow = 0, yHigh = placementYLimit;
constexpr double turnLow = 0, turnHigh = 180;
constexpr double sizeLow = 6, sizeHigh = 400;
constexpr double spaceLow = -100, spaceHigh = 200;

constexpr itemField atX(const char *key, const char *control)
{
    return placed(key, valueForm::real, rowValue::x, xLow, xHigh, control);
}
constexpr itemField atY(const char *key, const char *control)
{
    return placed(key, valueForm::real, rowValue::y, yLow, yHigh, control);
}
constexpr itemField rotate(const char *key, const char *control)
{
    return placed(key, valueForm::real, rowValue::rotation, turnLow, turnHigh, control);
}
// The font combo loads after the size and spacing boxes.
constexpr itemField font(const char *key, const char *combo)
{
    itemField row = placed(key, valueForm::font, rowValue::font);
    row.panel = {combo, 0, false, 1};
    return row;
}
constexpr itemField fontSize(const char *key, const char *control, valueForm form = valueForm::integer)
{
    return placed(key, form, rowValue::fontSize, sizeLow, sizeHigh, control);
}
constexpr itemField space(const char *key, const char *control)
{
    return placed(key, valueForm::integer, rowValue::spacing, spaceLow, spaceHigh, control);
}
// Counter 2 has no section: its panel's controls, without keys or ranges.
constexpr itemField shownOnly(rowValue value, const char *control, int step = 0)
{
    itemField row = placed(nullptr, valueForm::real, value);
    row.panel = {control, 0, false, step};
    return row;
}

// Every range tied to a control is the range of that control (the panel tests hold the two together);
// BarLineHeight gets plausible bounds beyond the height box's, for files of taller bars.
using T = diagramTextItem;
const itemField textFields[] = {
    atX("TextAtX", "textXSpin"),
    atY("TextAtY", "textYSpin"),
    rotate("TextRotate", "textRotateSpin"),
    font("TextFont", "textFontCombo"),
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

// The digits list's rows count from one digit; the panel leaves the counter's name unloaded. The digits
// lists go by slots, which keep the count for a row outside one to eight.
using C = diagramCntItem;
const itemField cntFields[] = {
    atX("CntAtX", "cntXSpin"),
    atY("CntAtY", "cntYSpin"),
    rotate("CntRotate", "cntRotateSpin"),
    font("CntFont", "cntFontCombo"),
    fontSize("CntFontSize", "cntSizeSpin", valueForm::real),
    space("CntSpace", "cntIntervalSpin"),
    field<C, &C::mode>("CntMode", 1, 8, "cntModeCombo", bySlot({"cntModeCombo", 1, false, 2})),
    field<C, &C::name>("CntName", 0, 1, "cntNameCombo", notLoaded),
    unkeyed<C, &C::value>("value"),
};

using D = diagramCnt2Item;
const itemField cnt2Fields[] = {
    shownOnly(rowValue::x, "cnt2XSpin"),
    shownOnly(rowValue::y, "cnt2YSpin"),
    shownOnly(rowValue::rotation, "cnt2RotateSpin"),
    shownOnly(rowValue::fontSize, "cnt2SizeSpin"),
    shownOnly(rowValue::spacing, "cnt2IntervalSpin"),
    shownOnly(rowValue::font, "cnt2FontCombo", 1),
    unkeyed<D, &D::value>("value"),
    unkeyed<D, &D::mode>("mode", bySlot({"cnt2ModeCombo", 1, false, 2})),
};

// The panel loads the height and width boxes before the turn, then the text switch, then the symbology.
// The symbology and the text switch go by slots that tell a refusal; the height box keeps the slot the
// window's callers name.
using B = diagramBarItem;
constexpr itemField barRotate()
{
    itemField row = rotate("BarRotate", "barRotateSpin");
    row.panel.step = 3;
    return row;
}
const itemField barFields[] = {
    atX("BarAtX", "barXSpin"),
    atY("BarAtY", "barYSpin"),
    placed("BarHeight", valueForm::ignored, rowValue::pictureHeight),
    barRotate(),
    field<B, &B::content>("BarContent"),
    field<B, &B::mode>("BarMode", 0, barcodeModeCount - 1, "barModeCombo",
                       bySlot({"barModeCombo", 0, false, 5})),
    field<B, &B::isTextOn>("BarIsTextOn", noLow, noHigh, nullptr, bySlot({"checkBox_showText", 0, false, 4})),
    field<B, &B::lineWidth>("BarLineWidth", 1, 20, "barWidthSpin", {"barWidthSpin", 0, false, 2}),
    field<B, &B::isExtVariable>("BarIsExtVariable"),
    field<B, &B::isAllPrinted>("BarIsAllPrinted"),
    field<B, &B::extDataStartLine>("BarExtDataStartLine"),
    field<B, &B::extDataEndLine>("BarExtDataEndLine"),
    field<B, &B::extDataFilePath>("BarExtDataFilePath"),
    field<B, &B::extDataCurLine>("BarExtDataCurLine"),
    field<B, &B::lineHeight>("BarLineHeight", 1, 2000, nullptr, bySlot({"barHeightSpin", 0, false, 1})),
};

using I = diagramImageItem;
constexpr itemField picturePath()
{
    itemField row = field<I, &I::pixPath>("ImagePixPath", noLow, noHigh, nullptr, {"imagePathLineEdit"});
    row.value = rowValue::picturePath;
    return row;
}
const itemField imageFields[] = {
    atX("ImageAtX", "imageXSpin"),
    atY("ImageAtY", "imageYSpin"),
    placed("ImageWidth", valueForm::real, rowValue::pictureWidth, 0, 20000, "imageWidthSpin"),
    placed("ImageHeight", valueForm::real, rowValue::pictureHeight, 0, 400, "imageHeightSpin"),
    rotate("ImageRotate", "imageRotateSpin"),
    picturePath(),
    field<I, &I::isColorConverse>("ImageIsColorConverse"),
};

// The time format is shown by the format dialog, not a control of the panel.
using M = diagramTimeItem;
const itemField timeFields[] = {
    atX("TimeAtX", "timeXSpin"),
    atY("TimeAtY", "timeYSpin"),
    rotate("TimeRotate", "timeRotateSpin"),
    font("TimeFont", "timeFontCombo"),
    fontSize("TimeFontSize", "timeSizeSpin"),
    space("TimeSpace", "timeSpacingSpin"),
    field<M, &M::mode>("TimeMode"),
    field<M, &M::valid>("TimeValid", 0, 120, "timeValidSpin", {"timeValidSpin", 0, false, 2}),
    field<M, &M::modeIndex>("TimeModeIndex"),
    field<M, &M::userDefined>("TimeUserDefined"),
    unkeyed<M, &M::dateTime>("dateTime"),
};

// The level and size lists may show no row at all, which the panel reports as -1 (size: version 0); the
// level list and the module size box keep the slots the window's callers name. The
// panel loads the size list before the module size box.
// The counter's digits are chosen in the dynamic content dialog, which loads itself.
using Q = diagramQRCodeItem;
const itemField qrFields[] = {
    atX("QRcodeAtX", "QRCodeXSpin"),
    atY("QRcodeAtY", "QRCodeYSpin"),
    rotate("QRcodeRotate", "QRCodeRotateSpin"),
    field<Q, &Q::content>("QRcodeContent"),
    field<Q, &Q::level>("QRcodeLevel", -1, 3, "comboBox_QRCodeItemLevel",
                        bySlot({"comboBox_QRCodeItemLevel", 0, true})),
    field<Q, &Q::scale>("QRcodeScale", 0, 77, "spinBox_QRCodeItemScale",
                        bySlot({"spinBox_QRCodeItemScale", 0, false, 2})),
    field<Q, &Q::version>("QRcodeVersion", 0, 5, "comboBox_QRCodeItemVersion",
                          {"comboBox_QRCodeItemVersion", 1, true, 1}),
    field<Q, &Q::converse>("QRcodeConverse"),
    field<Q, &Q::insertCnt>("QRcodeInsertCnt"),
    field<Q, &Q::cntMode>("QRcodeCntMode", 0, 8, "comboBox_type", notLoaded),
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

template <size_t N> itemFieldList listOf(const itemField (&rows)[N], int prefixLength)
{
    int keyed = 0;
    while (keyed < int(N) && rows[keyed].key)
        ++keyed;
    for (size_t i = size_t(keyed); i < N; ++i)
        Q_ASSERT_X(!rows[i].key, "itemFieldsOf", "keyed rows come first");
    return {rows, int(N), keyed, prefixLength};
}

struct kindFields {
    int typeId;
    itemFieldList list;
};

const std::array<kindFields, 7> &allFields()
{
    static const std::array<kindFields, 7> lists{{
        {textItemType, listOf(textFields, 4)},
        {cntItemType, listOf(cntFields, 3)},
        {cnt2ItemType, listOf(cnt2Fields, 0)},
        {timeItemType, listOf(timeFields, 4)},
        {barItemType, listOf(barFields, 3)},
        {imageItemType, listOf(imageFields, 5)},
        {qrItemType, listOf(qrFields, 6)},
    }};
    return lists;
}

} // namespace

QString itemField::fieldName(int prefixLength) const
{
    if (name || !key)
        return QString::fromLatin1(name);
    QString fieldName = QString::fromLatin1(key).mid(prefixLength);
    if (!fieldName.isEmpty())
        fieldName[0] = fieldName[0].toLower();
    return fieldName;
}

const itemFieldList *itemFieldsOf(int typeId)
{
    for (const kindFields &kind : allFields())
        if (kind.typeId == typeId)
            return &kind.list;
    return nullptr;
}

double panelValue(const itemField &row, const QGraphicsItem &item)
{
    switch (row.value) {
    case rowValue::x:
        return item.x();
    case rowValue::y:
        return item.y();
    case rowValue::rotation:
        return item.rotation();
    case rowValue::fontSize:
        return static_cast<const textFamilyItem &>(item).itemFont.pixelSize();
    case rowValue::spacing:
        return static_cast<const textFamilyItem &>(item).itemFont.letterSpacing();
    case rowValue::pictureWidth:
        return static_cast<const deferredPixmapItem &>(item).pixmap().width();
    case rowValue::pictureHeight:
        return static_cast<const deferredPixmapItem &>(item).pixmap().height();
    case rowValue::field:
    case rowValue::picturePath:
        return row.get(item).toDouble();
    case rowValue::font:
        break;
    }
    return 0;
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
