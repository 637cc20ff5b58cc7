#include "designexport.h"

#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "printstrip.h"
#include "safewrite.h"
#include "sprdocument.h"

#include "barcoderender.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QStyleOptionGraphicsItem>
#include <QSvgGenerator>
#include <cmath>
#include <utility>

namespace
{
// Larger PNG pages are refused rather than attempted.
constexpr double maxPixels = 256.0 * 1024 * 1024;

// The bars at the size the item shows them: the panel may have stretched the picture's height.
void paintBarVectors(QPainter &painter, const diagramBarItem &item)
{
    const barcodeSymbol symbol = item.symbol(item.content);
    const QSize shown = item.pixmap().size();
    if (symbol.size.isEmpty() || shown.isEmpty())
        return;
    painter.scale(double(shown.width()) / symbol.size.width(), double(shown.height()) / symbol.size.height());
    paintBarcode(painter, symbol);
}

// The modules of the picture the item shows, one rectangle per run of painted modules in a row. An
// inverted symbol is a one-bit picture whose set bits (light modules and the border) are painted.
void paintQrVectors(QPainter &painter, const diagramQRCodeItem &item,
                    const std::optional<previewValues> &preview)
{
    qrCodeRecord record = item.record();
    if (preview && (record.insertCnt || record.insertTime)) {
        const qrPreviewText filled = previewQrText(record, *preview);
        if (!filled.stale)
            record.content = filled.text;
    }
    const qrModules modules = diagramQRCodeItem::modules(record);
    const int s = record.scale;
    if (modules.side == 0 || s <= 0)
        return;
    const int border = record.converse ? s : 0;
    const double side = double(modules.side) * s + 2 * border;
    if (record.converse) {
        painter.fillRect(QRectF(0, 0, side, border), Qt::black);
        painter.fillRect(QRectF(0, side - border, side, border), Qt::black);
        painter.fillRect(QRectF(0, border, border, side - 2 * border), Qt::black);
        painter.fillRect(QRectF(side - border, border, border, side - 2 * border), Qt::black);
    } else {
        painter.fillRect(QRectF(0, 0, side, side), Qt::white);
    }
    for (int y = 0; y < modules.side; ++y) {
        int x = 0;
        while (x < modules.side) {
            if (modules.isDark(x, y) == record.converse) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < modules.side && modules.isDark(x, y) != record.converse)
                ++x;
            painter.fillRect(QRectF(border + start * s, border + y * s, (x - start) * s, s), Qt::black);
        }
    }
}

QByteArray pngPage(const QGraphicsScene &scene, const exportOptions &options, QString *errorText)
{
    const QRectF page = exportPageRect(scene);
    const double width = std::ceil(page.width() * options.scale);
    const double height = std::ceil(page.height() * options.scale);
    if (!(options.scale > 0) || width * height > maxPixels) {
        if (errorText)
            *errorText = QCoreApplication::translate("designExport", "图片 %1 × %2 像素过大")
                             .arg(width, 0, 'f', 0)
                             .arg(height, 0, 'f', 0);
        return {};
    }
    QImage picture(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        if (errorText)
            *errorText = QCoreApplication::translate("designExport", "内存不足");
        return {};
    }
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(options.scale, options.scale);
    paintDesign(painter, scene, false, options.preview);
    painter.end();
    return pngBytes(std::move(picture), options.dpi);
}

QByteArray pdfPage(const QGraphicsScene &scene, const exportOptions &options)
{
    const QRectF page = exportPageRect(scene);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("spr-designer"));
        writer.setResolution(qRound(options.dpi));
        const double toPoints = 72.0 / qRound(options.dpi);
        writer.setPageSize(QPageSize(QSizeF(page.width() * toPoints, page.height() * toPoints),
                                     QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        paintDesign(painter, scene, true, options.preview);
    }
    return bytes;
}

QByteArray svgPage(const QGraphicsScene &scene, const exportOptions &options)
{
    const QRectF page = exportPageRect(scene);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(qRound(options.dpi));
    generator.setSize(page.size().toSize());
    generator.setViewBox(page);
    generator.setTitle(QStringLiteral("spr-designer"));
    QPainter painter(&generator);
    paintDesign(painter, scene, true, options.preview);
    painter.end();
    return bytes;
}
} // namespace

std::optional<exportFormat> exportFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return exportFormat::png;
    if (suffix == QLatin1String("pdf"))
        return exportFormat::pdf;
    if (suffix == QLatin1String("svg"))
        return exportFormat::svg;
    return std::nullopt;
}

QRectF exportPageRect(const QGraphicsScene &scene)
{
    return QRectF(0, 0, qMax<quint32>(1, designRightEdge(scene, pastStripEnd::clamped)), stripHeight);
}

void paintDesign(QPainter &painter, const QGraphicsScene &scene, bool vectors,
                 const std::optional<previewValues> &preview)
{
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    const QList<QGraphicsItem *> items = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (!item->isVisible())
            continue;
        painter.save();
        painter.setTransform(item->sceneTransform(), true);
        if (vectors && item->type() == barItemType)
            paintBarVectors(painter, *static_cast<const diagramBarItem *>(item));
        else if (vectors && item->type() == qrItemType)
            paintQrVectors(painter, *static_cast<const diagramQRCodeItem *>(item), preview);
        else
            item->paint(&painter, &plain, nullptr);
        painter.restore();
    }
}

QByteArray exportDesignBytes(const QGraphicsScene &scene, const exportOptions &options, QString *errorText)
{
    if (!(options.dpi >= 1 && options.dpi <= 100000)) {
        if (errorText)
            *errorText = QCoreApplication::translate("designExport", "分辨率必须在 1 到 100000 之间");
        return {};
    }
    switch (options.format) {
    case exportFormat::pdf:
        return pdfPage(scene, options);
    case exportFormat::svg:
        return svgPage(scene, options);
    default:
        return pngPage(scene, options, errorText);
    }
}

bool exportDesignFile(const QString &path, const QGraphicsScene &scene, const exportOptions &options,
                      QString *errorText)
{
    const QByteArray bytes = exportDesignBytes(scene, options, errorText);
    if (bytes.isEmpty()) {
        if (errorText && errorText->isEmpty())
            *errorText = QCoreApplication::translate("designExport", "无法生成文件内容");
        return false;
    }
    return writeFileSafely(path, bytes, errorText);
}
