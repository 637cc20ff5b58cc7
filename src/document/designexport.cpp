#include "designexport.h"

#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "printstrip.h"
#include "safewrite.h"
#include "shownrecord.h"
#include "sprdocument.h"

#include "barcoderender.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStyleOptionGraphicsItem>
#include <QSvgGenerator>
#include <cctype>
#include <cmath>
#include <new>
#include <utility>

namespace
{
// Larger PNG pages are refused rather than attempted.
constexpr double maxPixels = 256.0 * 1024 * 1024;

// The bars at the size the item shows them: the panel may have stretched the picture's height.
void paintBarVectors(QPainter &painter, const diagramBarItem &item)
{
    const barcodeSymbol &symbol = item.symbol(printedContent(item, item.content));
    // The size alone: asking for the picture would draw it, and keep it, for every barcode exported.
    const QSize shown = item.pictureSize();
    if (symbol.size.isEmpty() || shown.isEmpty())
        return;
    painter.scale(double(shown.width()) / symbol.size.width(), double(shown.height()) / symbol.size.height());
    paintBarcode(painter, symbol);
}

// The modules of the picture the item shows as one path of rectangles, one per run of painted modules
// in a row, on the white square of the picture. An inverted symbol is a one-bit picture whose set bits
// (light modules and the border) are painted, so its path is the border and the light runs.
void paintQrVectors(QPainter &painter, const diagramQRCodeItem &item,
                    const std::optional<previewValues> &preview)
{
    const qrCodeRecord record = printedQrRecord(item, preview);
    const qrModules &modules = item.encodedModules(record);
    const int s = record.scale;
    if (modules.side == 0 || s <= 0)
        return;
    const int border = record.converse ? s : 0;
    const double side = double(modules.side) * s + 2 * border;
    QVector<QRectF> painted;
    if (record.converse)
        painted << QRectF(0, 0, side, border) << QRectF(0, side - border, side, border)
                << QRectF(0, border, border, side - 2 * border)
                << QRectF(side - border, border, border, side - 2 * border);
    else
        painter.fillRect(QRectF(0, 0, side, side), Qt::white);
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
            painted << QRectF(border + start * s, border + y * s, (x - start) * s, s);
        }
    }
    fillRects(painter, painted, Qt::black);
}

// Paints items, lowest first, as paintDesign describes.
void paintItems(QPainter &painter, const QList<QGraphicsItem *> &items, bool vectors,
                const std::optional<previewValues> &preview)
{
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
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
    // The raster engine draws nothing 32,768 pixels or more from its device's origin: the page is painted
    // in tiles, each a view into the page's own pixels, and each tile paints only the items it meets.
    const int tile = 16384;
    for (int top = 0; top < picture.height(); top += tile) {
        for (int left = 0; left < picture.width(); left += tile) {
            QImage part(picture.bits() + top * picture.bytesPerLine() + left * 4,
                        qMin(tile, picture.width() - left), qMin(tile, picture.height() - top),
                        picture.bytesPerLine(), picture.format());
            QPainter painter(&part);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.translate(-left, -top);
            painter.scale(options.scale, options.scale);
            const QRectF area = QRectF(left, top, part.width(), part.height());
            paintDesign(painter, scene, false, options.preview,
                        QRectF(area.topLeft() / options.scale, area.size() / options.scale));
        }
    }
    return pngBytes(std::move(picture), options.dpi);
}

// Each page is as long as the design it shows.
void setPdfPageSize(QPdfWriter &writer, const QGraphicsScene &scene, const exportOptions &options)
{
    const QRectF page = exportPageRect(scene);
    const double toPoints = 72.0 / qRound(options.dpi);
    writer.setPageSize(QPageSize(QSizeF(page.width() * toPoints, page.height() * toPoints), QPageSize::Point,
                                 QString(), QPageSize::ExactMatch));
}

void writePdfPages(QIODevice &device, const QGraphicsScene &scene, const exportOptions &options)
{
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("spr-designer"));
    writer.setResolution(qRound(options.dpi));
    if (options.showPage)
        options.showPage(0);
    setPdfPageSize(writer, scene, options);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    paintDesign(painter, scene, true, options.preview);
    for (int page = 1; page < options.pages; ++page) {
        options.showPage(page);
        setPdfPageSize(writer, scene, options);
        writer.newPage();
        paintDesign(painter, scene, true, options.preview);
    }
}

// The SVG generator opens a group with the painter's whole state at every state change, whether or not
// anything is drawn in it: two in three groups of a design stay empty and take a third of the file. This
// device passes the text on without them.
class emptyGroupFilter : public QIODevice
{
public:
    explicit emptyGroupFilter(QIODevice &target) : target(target) { open(QIODevice::WriteOnly); }
    // Writes what is still held back; call when the generator is done.
    void finish()
    {
        target.write(held);
        held.clear();
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    // The generator may hand over the whole file at once: it is looked at in slices, so what is held
    // back stays small.
    qint64 writeData(const char *data, qint64 length) override
    {
        for (qint64 done = 0; done < length;) {
            const int slice = int(qMin<qint64>(length - done, 1 << 16));
            held.append(data + done, slice);
            done += slice;
            passOn();
        }
        return length;
    }

private:
    // Writes held without its complete empty groups, and keeps back what may still turn out to be, or
    // to start, an empty group.
    void passOn()
    {
        QByteArray out;
        int from = 0; // start of the text not yet copied to out
        int at = 0;
        for (;;) {
            const int open = held.indexOf("<g ", at);
            if (open < 0)
                break;
            const int end = held.indexOf('>', open);
            int next = end + 1;
            while (end >= 0 && next < held.size() && std::isspace(uchar(held.at(next))))
                ++next;
            if (end < 0 || next + 4 > held.size()) {
                keep(out, from, open);
                return;
            }
            at = next;
            if (held.mid(next, 4) != "</g>")
                continue;
            next += 4;
            while (next < held.size() && held.at(next) == '\n')
                ++next;
            out.append(held.constData() + from, open - from);
            from = at = next;
        }
        // A tag cut at the end of this slice may be the start of a group.
        const int lastTag = held.lastIndexOf('<');
        keep(out, from, lastTag >= from && held.indexOf('>', lastTag) < 0 ? lastTag : held.size());
    }

    void keep(QByteArray &out, int from, int until)
    {
        out.append(held.constData() + from, until - from);
        held.remove(0, until);
        target.write(out);
    }

    QIODevice &target;
    QByteArray held;
};

// The SVG generator holds the whole document until it ends (its definitions go first), some four times
// the file's size at once for a large design. The items are painted by one generator per group of
// them instead, and the file is their definitions and drawings one after the other under the first
// one's header: the same drawing, held a group at a time.
void writeSvgPage(QIODevice &device, const QGraphicsScene &scene, const exportOptions &options)
{
    constexpr int itemsPerPart = 500;
    const QRectF page = exportPageRect(scene);
    const QList<QGraphicsItem *> items = scene.items(Qt::AscendingOrder);
    emptyGroupFilter filtered(device);
    for (int first = 0; first == 0 || first < items.size(); first += itemsPerPart) {
        QByteArray part;
        QBuffer buffer(&part);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(qRound(options.dpi));
        generator.setSize(page.size().toSize());
        generator.setViewBox(page);
        generator.setTitle(QStringLiteral("spr-designer"));
        QPainter painter(&generator);
        paintItems(painter, items.mid(first, itemsPerPart), true, options.preview);
        painter.end();
        const int drawings = part.indexOf("<defs>");
        const int end = part.lastIndexOf("</svg>");
        if (first == 0)
            filtered.write(part.constData(), drawings);
        filtered.write(part.constData() + drawings, end - drawings);
    }
    filtered.write("</svg>\n");
    filtered.finish();
}

bool fail(QString *errorText, const QString &reason)
{
    if (errorText)
        *errorText = reason;
    return false;
}

bool writePage(QIODevice &device, const QGraphicsScene &scene, const exportOptions &options,
               QString *errorText)
{
    if (!(options.dpi >= 1 && options.dpi <= 100000))
        return fail(errorText, QCoreApplication::translate("designExport", "分辨率必须在 1 到 100000 之间"));
    if (options.format != exportFormat::pdf && options.pages != 1)
        return fail(errorText, QCoreApplication::translate("designExport", "只有 PDF 能写多页"));
    switch (options.format) {
    case exportFormat::pdf:
        writePdfPages(device, scene, options);
        return true;
    case exportFormat::svg:
        writeSvgPage(device, scene, options);
        return true;
    default:
        break;
    }
    const QByteArray bytes = pngPage(scene, options, errorText);
    if (bytes.isEmpty()) {
        if (errorText && errorText->isEmpty())
            *errorText = QCoreApplication::translate("designExport", "无法生成文件内容");
        return false;
    }
    device.write(bytes);
    return true;
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
                 const std::optional<previewValues> &preview, const QRectF &area)
{
    paintItems(painter,
               area.isNull() ? scene.items(Qt::AscendingOrder)
                             : scene.items(area, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder),
               vectors, preview);
}

void paintDesignItems(QPainter &painter, const QList<QGraphicsItem *> &items,
                      const std::optional<previewValues> &preview)
{
    paintItems(painter, items, true, preview);
}

bool writeDesignPage(QIODevice &device, const QGraphicsScene &scene, const exportOptions &options,
                     QString *errorText)
{
    // A page beyond the memory left is refused like one beyond the size limit, not ended with an abort.
    try {
        return writePage(device, scene, options, errorText);
    } catch (const std::bad_alloc &) {
        return fail(errorText, QCoreApplication::translate("designExport", "内存不足"));
    }
}

QByteArray exportDesignBytes(const QGraphicsScene &scene, const exportOptions &options, QString *errorText)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeDesignPage(buffer, scene, options, errorText))
        return {};
    return bytes;
}

bool exportDesignFile(const QString &path, const QGraphicsScene &scene, const exportOptions &options,
                      QString *errorText, bool *writeFailed)
{
    QString pageProblem;
    QString writeProblem;
    const bool written = writeFileSafely(
        path, [&](QIODevice &file) { return writeDesignPage(file, scene, options, &pageProblem); },
        &writeProblem);
    if (!written && errorText)
        *errorText = pageProblem.isEmpty() ? writeProblem : pageProblem;
    if (writeFailed)
        *writeFailed = !written && pageProblem.isEmpty();
    return written;
}
