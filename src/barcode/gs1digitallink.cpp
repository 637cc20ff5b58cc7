#include "gs1digitallink.h"

#include "eanupc.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace
{
enum class aiRole { primaryKey, qualifier, attribute };
enum class aiChars { digits, cset82 };

// What the designer knows of an AI: the GS1 General Specifications' format, and where a Digital Link
// carries it. Qualifiers name their primary key, the sequence they belong to (the key's alternative
// paths) and their place in it.
struct aiSpec {
    const char *ai;
    int minLength;
    int maxLength;
    aiChars chars;
    bool checkDigit;
    bool date;
    aiRole role;
    const char *key;
    int sequence;
    int order;
};

// GTIN-8, -12 and -13 stand in a Digital Link path as written; the element string pads them to 14.
const aiSpec aiTable[] = {
    {"00", 18, 18, aiChars::digits, true, false, aiRole::primaryKey, nullptr, 0, 0},
    {"01", 8, 14, aiChars::digits, true, false, aiRole::primaryKey, nullptr, 0, 0},
    {"414", 13, 13, aiChars::digits, true, false, aiRole::primaryKey, nullptr, 0, 0},
    {"22", 1, 20, aiChars::cset82, false, false, aiRole::qualifier, "01", 0, 1},
    {"10", 1, 20, aiChars::cset82, false, false, aiRole::qualifier, "01", 0, 2},
    {"21", 1, 20, aiChars::cset82, false, false, aiRole::qualifier, "01", 0, 3},
    {"235", 1, 28, aiChars::cset82, false, false, aiRole::qualifier, "01", 1, 1},
    {"254", 1, 20, aiChars::cset82, false, false, aiRole::qualifier, "414", 0, 1},
    {"11", 6, 6, aiChars::digits, false, true, aiRole::attribute, nullptr, 0, 0},
    {"13", 6, 6, aiChars::digits, false, true, aiRole::attribute, nullptr, 0, 0},
    {"15", 6, 6, aiChars::digits, false, true, aiRole::attribute, nullptr, 0, 0},
    {"16", 6, 6, aiChars::digits, false, true, aiRole::attribute, nullptr, 0, 0},
    {"17", 6, 6, aiChars::digits, false, true, aiRole::attribute, nullptr, 0, 0},
    {"30", 1, 8, aiChars::digits, false, false, aiRole::attribute, nullptr, 0, 0},
    {"8200", 1, 70, aiChars::cset82, false, false, aiRole::attribute, nullptr, 0, 0},
};

const aiSpec *findAi(const QString &ai)
{
    for (const aiSpec &spec : aiTable)
        if (ai == QLatin1String(spec.ai))
            return &spec;
    return nullptr;
}

// GS1 AI encodable character set 82.
bool isCset82(QChar c)
{
    static const QString others = QStringLiteral("!\"%&'()*+,-./:;<=>?_");
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || others.contains(c);
}

bool isHex(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// Characters a URI carries unescaped in a path segment or query value (the delimiters that split them
// never reach here).
bool isUriChar(QChar c)
{
    static const QString others = QStringLiteral("-._~!$&'()*+,;=:@/?");
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || others.contains(c);
}

// Escapes decoded as UTF-8 bytes; a "%" that starts no escape stays as it is (and is reported).
QString percentDecoded(const QString &raw)
{
    QByteArray bytes;
    const QByteArray utf8 = raw.toUtf8();
    for (int i = 0; i < utf8.size(); ++i) {
        const QByteArray hex = utf8.mid(i + 1, 2);
        bool ok = false;
        const int value = utf8.at(i) == '%' && hex.size() == 2 && isHex(QLatin1Char(hex.at(0))) &&
                                  isHex(QLatin1Char(hex.at(1)))
                              ? hex.toInt(&ok, 16)
                              : -1;
        if (ok) {
            bytes += char(value);
            i += 2;
        } else {
            bytes += utf8.at(i);
        }
    }
    return QString::fromUtf8(bytes);
}

bool isAiCode(const QString &text)
{
    return text.size() >= 2 && text.size() <= 4 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c.unicode() >= '0' && c.unicode() <= '9';
           });
}

QString lengthsText(const aiSpec &spec)
{
    if (QLatin1String(spec.ai) == QLatin1String("01"))
        return QStringLiteral("8, 12, 13, 14");
    if (spec.minLength == spec.maxLength)
        return QString::number(spec.maxLength);
    return QStringLiteral("%1–%2").arg(spec.minLength).arg(spec.maxLength);
}

bool lengthAllowed(const aiSpec &spec, int length)
{
    if (QLatin1String(spec.ai) == QLatin1String("01"))
        return length == 8 || length == 12 || length == 13 || length == 14;
    return length >= spec.minLength && length <= spec.maxLength;
}

class linkParser
{
public:
    explicit linkParser(const QDate &today) : today(today.isValid() ? today : QDate::currentDate()) {}
    gs1DigitalLink parse(const QString &uri);

private:
    void readPath(const QStringList &segments, int key);
    void readQuery(const QString &query);
    void addElement(const QString &ai, const QString &raw);
    void checkValue(const aiSpec &spec, const gs1Element &element);
    void checkDates();
    void problem(gs1ProblemKind kind, const QString &ai, const QString &value = QString(),
                 const QString &expected = QString(), const QString &found = QString())
    {
        out.problems.append({kind, ai, value, expected, found});
    }

    QDate today;
    gs1DigitalLink out;
};

gs1DigitalLink linkParser::parse(const QString &uri)
{
    const QString withoutFragment = uri.section(QLatin1Char('#'), 0, 0);
    const int schemeEnd = withoutFragment.indexOf(QLatin1String("://"));
    const QString scheme = withoutFragment.left(schemeEnd).toLower();
    if (schemeEnd < 0 || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return out;
    const int queryStart = withoutFragment.indexOf(QLatin1Char('?'));
    const QString beforeQuery = withoutFragment.left(queryStart);
    const int pathStart = beforeQuery.indexOf(QLatin1Char('/'), schemeEnd + 3);
    if (pathStart < 0)
        return out;
    const QStringList segments = beforeQuery.mid(pathStart + 1).split(QLatin1Char('/'));
    // The first primary key with a value after it starts the identifiers; what lies before is the stem.
    for (int i = 0; i + 1 < segments.size(); ++i) {
        const aiSpec *spec = findAi(segments.at(i));
        if (spec && spec->role == aiRole::primaryKey) {
            out.recognised = true;
            const QString prefix = QStringList(segments.mid(0, i)).join(QLatin1Char('/'));
            out.stem = beforeQuery.left(pathStart) + (i ? QLatin1Char('/') + prefix : QString());
            readPath(segments, i);
            break;
        }
    }
    if (!out.recognised)
        return out;
    if (queryStart >= 0)
        readQuery(withoutFragment.mid(queryStart + 1));
    checkDates();
    return out;
}

// The key, then its qualifiers in one of the key's sequences, each later in it than the one before.
void linkParser::readPath(const QStringList &segments, int key)
{
    const QString keyAi = segments.at(key);
    addElement(keyAi, segments.at(key + 1));
    const aiSpec *previous = nullptr;
    for (int i = key + 2; i < segments.size(); i += 2) {
        const QString ai = segments.at(i);
        if (i + 1 >= segments.size()) {
            // A trailing slash ends the path; anything else wants its value.
            if (!ai.isEmpty())
                problem(gs1ProblemKind::missingValue, ai);
            return;
        }
        const aiSpec *spec = findAi(ai);
        if (spec && spec->role == aiRole::attribute)
            problem(gs1ProblemKind::pathOrder, ai);
        else if (!spec || spec->role != aiRole::qualifier || keyAi != QLatin1String(spec->key))
            problem(gs1ProblemKind::notQualifier, ai, segments.at(i + 1), keyAi);
        else if (previous && (previous->sequence != spec->sequence || previous->order >= spec->order))
            problem(gs1ProblemKind::pathOrder, ai, segments.at(i + 1), QString(),
                    QLatin1String(previous->ai));
        if (spec && spec->role == aiRole::qualifier)
            previous = spec;
        addElement(ai, segments.at(i + 1));
    }
}

// Numeric keys are AIs; other parameters (linkType and the like) are the resolver's and are left alone.
void linkParser::readQuery(const QString &query)
{
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const int equals = pair.indexOf(QLatin1Char('='));
        if (equals > 0 && isAiCode(pair.left(equals)))
            addElement(pair.left(equals), pair.mid(equals + 1));
    }
}

void linkParser::addElement(const QString &ai, const QString &raw)
{
    QString badEscapes;
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('%')) {
            if (i + 2 < raw.size() && isHex(raw.at(i + 1)) && isHex(raw.at(i + 2)))
                continue;
            badEscapes += raw.mid(i, 3);
        } else if (!isUriChar(c)) {
            badEscapes += c;
        }
    }
    if (!badEscapes.isEmpty())
        problem(gs1ProblemKind::encoding, ai, raw, QString(), badEscapes);
    const gs1Element element{ai, percentDecoded(raw)};
    for (const gs1Element &earlier : std::as_const(out.elements))
        if (earlier.ai == ai)
            problem(gs1ProblemKind::duplicate, ai, element.value);
    out.elements.append(element);
    if (const aiSpec *spec = findAi(ai))
        checkValue(*spec, element);
}

void linkParser::checkValue(const aiSpec &spec, const gs1Element &element)
{
    const QString &value = element.value;
    if (!lengthAllowed(spec, value.size()))
        problem(gs1ProblemKind::length, element.ai, value, lengthsText(spec), QString::number(value.size()));
    QString outside;
    for (QChar c : value) {
        const bool allowed =
            spec.chars == aiChars::digits ? c.unicode() >= '0' && c.unicode() <= '9' : isCset82(c);
        if (!allowed && !outside.contains(c))
            outside += c;
    }
    if (!outside.isEmpty()) {
        problem(gs1ProblemKind::characters, element.ai, value, QString(), outside);
        return;
    }
    if (spec.checkDigit && lengthAllowed(spec, value.size())) {
        const QChar computed = gs1CheckDigit(value.chopped(1));
        if (computed != value.back())
            problem(gs1ProblemKind::checkDigit, element.ai, value, computed, value.back());
    }
    if (spec.date && value.size() == 6 && !gs1Date(value, today).isValid())
        problem(gs1ProblemKind::date, element.ai, value);
}

// A production date and an expiry that cannot both be true. A day 00 stands for the whole month: the
// expiry counts as its last day, the production as its first.
void linkParser::checkDates()
{
    const QString made = out.value(QStringLiteral("11"));
    const QString expiry = out.value(QStringLiteral("17"));
    QDate madeDate = gs1Date(made, today);
    const QDate expiryDate = gs1Date(expiry, today);
    if (!madeDate.isValid() || !expiryDate.isValid())
        return;
    if (made.endsWith(QLatin1String("00")))
        madeDate.setDate(madeDate.year(), madeDate.month(), 1);
    if (expiryDate < madeDate)
        problem(gs1ProblemKind::expiryBeforeMade, QStringLiteral("17"), expiry, made);
}
} // namespace

QString gs1DigitalLink::elementsText() const
{
    QStringList parts;
    for (const gs1Element &element : elements)
        parts << QStringLiteral("(%1) %2").arg(element.ai, element.value);
    return parts.join(QLatin1Char(' '));
}

QString gs1DigitalLink::value(const QString &ai) const
{
    for (const gs1Element &element : elements)
        if (element.ai == ai)
            return element.value;
    return QString();
}

bool gs1DigitalLink::sameElements(const gs1DigitalLink &other) const
{
    const auto normalised = [](QVector<gs1Element> list) {
        for (gs1Element &element : list)
            if (element.ai == QLatin1String("01"))
                element.value = element.value.rightJustified(14, QLatin1Char('0'));
        std::sort(list.begin(), list.end(), [](const gs1Element &a, const gs1Element &b) {
            return a.ai != b.ai ? a.ai < b.ai : a.value < b.value;
        });
        return list;
    };
    return recognised == other.recognised && normalised(elements) == normalised(other.elements);
}

gs1DigitalLink parseGs1DigitalLink(const QString &uri, const QDate &today)
{
    return linkParser(today).parse(uri);
}

QChar gs1CheckDigit(const QString &digitsWithoutCheck)
{
    const QByteArray latin = digitsWithoutCheck.toLatin1();
    if (latin.isEmpty() ||
        !std::all_of(latin.begin(), latin.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return QChar();
    return QLatin1Char(eanUpcCheckDigit(latin));
}

// The century puts the year from 49 years before to 50 years after the reference year.
QDate gs1Date(const QString &yymmdd, const QDate &today)
{
    bool ok = false;
    const int number = yymmdd.toInt(&ok);
    if (yymmdd.size() != 6 || !ok || number < 0)
        return QDate();
    const int reference = (today.isValid() ? today : QDate::currentDate()).year();
    const int yy = number / 10000;
    const int month = number / 100 % 100;
    const int day = number % 100;
    int year = reference - reference % 100 + yy;
    const int difference = yy - reference % 100;
    if (difference >= 51)
        year -= 100;
    else if (difference <= -50)
        year += 100;
    if (month < 1 || month > 12)
        return QDate();
    const QDate first(year, month, 1);
    if (day == 0)
        return first.addDays(first.daysInMonth() - 1);
    return QDate(year, month, day);
}

QString gs1PercentEncoded(const QString &value)
{
    // Characters of set 82 that delimit or escape in a URI; the Digital Link standard escapes them all.
    return QString::fromLatin1(value.toUtf8().toPercentEncoding(QByteArray(), "!\"%&'()*+,/:;<=>?"));
}

const char *gs1ProblemName(gs1ProblemKind kind)
{
    static const char *const names[] = {"checkDigit", "length",          "characters",   "date",
                                        "encoding",   "pathOrder",       "notQualifier", "missingValue",
                                        "duplicate",  "expiryBeforeMade"};
    return names[int(kind)];
}

QString gs1ProblemText(const gs1Problem &p)
{
    switch (p.kind) {
    case gs1ProblemKind::checkDigit:
        return QCoreApplication::translate("gs1DigitalLink", "(%1) %2：输入的校验位是 %3，计算出的是 %4")
            .arg(p.ai, p.value, p.found, p.expected);
    case gs1ProblemKind::length:
        return QCoreApplication::translate("gs1DigitalLink", "(%1) %2：长度为 %3，应为 %4")
            .arg(p.ai, p.value, p.found, p.expected);
    case gs1ProblemKind::characters:
        return QCoreApplication::translate("gs1DigitalLink", "(%1) %2：不允许的字符“%3”")
            .arg(p.ai, p.value, p.found);
    case gs1ProblemKind::date:
        return QCoreApplication::translate("gs1DigitalLink", "(%1) %2：不是有效的日期 YYMMDD")
            .arg(p.ai, p.value);
    case gs1ProblemKind::encoding:
        return QCoreApplication::translate("gs1DigitalLink", "(%1) %2：“%3”须写成有效的百分号编码")
            .arg(p.ai, p.value, p.found);
    case gs1ProblemKind::pathOrder:
        return p.found.isEmpty()
                   ? QCoreApplication::translate("gs1DigitalLink",
                                                 "(%1) 不能写在路径中，应写在查询部分（?%1=…）")
                         .arg(p.ai)
                   : QCoreApplication::translate("gs1DigitalLink", "路径中 (%1) 不能跟在 (%2) 之后")
                         .arg(p.ai, p.found);
    case gs1ProblemKind::notQualifier:
        return QCoreApplication::translate("gs1DigitalLink", "路径中的 (%1) 不是 (%2) 的限定符")
            .arg(p.ai, p.expected);
    case gs1ProblemKind::missingValue:
        return QCoreApplication::translate("gs1DigitalLink", "路径在 (%1) 之后缺少值").arg(p.ai);
    case gs1ProblemKind::duplicate:
        return QCoreApplication::translate("gs1DigitalLink", "(%1) 出现了不止一次").arg(p.ai);
    case gs1ProblemKind::expiryBeforeMade:
        return QCoreApplication::translate("gs1DigitalLink", "有效期 (17) %1 早于生产日期 (11) %2")
            .arg(p.value, p.expected);
    }
    return QString();
}
