#include "busycursor.h"
#include "emptypicture.h"
#include "printstrip.h"
#include "safewrite.h"
#include "sprdocument.h"
#include "sprsections.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>

namespace
{

const QLatin1String lineEnd("\r\n");

// A value never carries a line break: one would shift every later line of the file.
QString singleLine(QString value)
{
    for (QChar &c : value)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return value;
}

void writeKey(QString &out, const char *key, const QString &value)
{
    out += QLatin1String(key);
    out += QLatin1String(" =");
    out += singleLine(value);
    out += lineEnd;
}

void writeSection(QString &out, const sectionSpec &section, const QGraphicsItem &item)
{
    out += QLatin1String(section.header);
    out += lineEnd;
    for (int i = 0; i < section.rowCount; ++i)
        writeKey(out, section.rows[i].key, writeValue(section.rows[i], item));
}

} // namespace

quint32 designRightEdge(const QGraphicsScene &scene, pastStripEnd past)
{
    quint32 right = 0;
    for (const QGraphicsItem *item : scene.items()) {
        const QRectF box = emptyPicture::printedSceneRect(*item);
        double edge = box.left() + box.width();
        // An item that starts on the strip and reaches past its end is printed up to the end.
        if (past == pastStripEnd::clamped && edge >= stripLength && box.left() < stripLength)
            edge = stripLastX;
        // Truncated toward zero; an edge left of the origin or at the strip's end or beyond never counts.
        if (!(edge > -1.0 && edge < stripLength))
            continue;
        right = qMax(right, static_cast<quint32>(edge));
    }
    return right;
}

void setUpDesignScene(QGraphicsScene &scene)
{
    scene.setSceneRect(0, 0, stripLength, stripHeight);
    scene.setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));
}

QByteArray sprFileBytes(const QGraphicsScene &scene)
{
    const QList<QGraphicsItem *> items = scene.items(Qt::DescendingOrder);
    QString out;
    out.reserve(64 + items.size() * 400);
    out += QLatin1String("[FileInfo]");
    out += lineEnd;
    writeKey(out, "SceneWidth", QString::number(designRightEdge(scene, pastStripEnd::clamped)));
    writeKey(out, "SceneHeight", realText(scene.sceneRect().height()));
    writeKey(out, "DynamicItemNum", QStringLiteral("0"));
    writeKey(out, "TotalItemNum", QString::number(items.size()));
    for (const QGraphicsItem *item : items) {
        // Counter 2 items have no section.
        if (const sectionSpec *section = sectionForType(item->type()))
            writeSection(out, *section, *item);
    }
    return out.toUtf8();
}

QByteArray sprItemSections(const QList<QGraphicsItem *> &items)
{
    QString out;
    for (const QGraphicsItem *item : items)
        if (const sectionSpec *section = sectionForType(item->type()))
            writeSection(out, *section, *item);
    return out.toUtf8();
}

QString sprWriteRefusal(const QGraphicsScene &scene, const QByteArray &bytes, const sprReadLimits &limits)
{
    int sections = 0;
    for (const QGraphicsItem *item : scene.items())
        sections += sectionForType(item->type()) != nullptr;
    if (sections > limits.maxItems)
        return QCoreApplication::translate("sprWriter",
                                           "设计有 %1 个项目，超过读取器接受的 %2 个；未写入文件")
            .arg(sections)
            .arg(limits.maxItems);
    if (bytes.size() > limits.maxFileBytes)
        return QCoreApplication::translate("sprWriter",
                                           "文件将有 %1 字节，超过读取器接受的 %2 MiB；未写入文件")
            .arg(bytes.size())
            .arg(limits.maxFileBytes >> 20);
    return QString();
}

bool saveSprFile(const QString &path, const QGraphicsScene &scene, QString *errorText)
{
    const busyCursor busy;
    const QByteArray bytes = sprFileBytes(scene);
    const QString refusal = sprWriteRefusal(scene, bytes);
    if (refusal.isEmpty())
        return writeFileSafely(path, bytes, errorText);
    if (errorText)
        *errorText = refusal;
    return false;
}
