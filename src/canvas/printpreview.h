#pragma once
// What the printer prints at a given moment with given counter values. The printer fills in time items,
// counters and the placeholders of QR codes when it prints; the canvas shows them as they were made.
// A preview only changes what items show, never their fields, so nothing of it reaches a file.
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QGraphicsItem;
class QGraphicsScene;
struct qrCodeRecord;

// The highest value the preview offers for either counter.
constexpr int previewCounterMax = 99999999;

struct previewValues {
    QDateTime moment = QDateTime::currentDateTime();
    int counter1 = 0;
    int counter2 = 0;
    // The data-file line that items whose content comes from a data file show, each held to its own
    // first and last line; 0 shows their own content.
    quint32 record = 0;
};

// A QR text with its counter run and time format filled in. stale: the recorded placeholder positions
// no longer match the content (it was edited by hand), so the content is left as it is.
struct qrPreviewText {
    QString text;
    bool stale = false;
};
// QR codes fill in counter 1: they have no choice of counter.
qrPreviewText previewQrText(const qrCodeRecord &record, const previewValues &values);

// The text an item shows in preview, for the time and counter items; empty for other kinds.
QString previewItemText(const QGraphicsItem &item, const previewValues &values);

// Shows a scene's items as printed and puts them back. Items are found in the scene at each call, so
// items added or removed meanwhile are handled; putting back rebuilds what the items show from their
// fields, through the same calls that made it.
class scenePreview
{
public:
    explicit scenePreview(QGraphicsScene &scene) : scene(scene) {}
    ~scenePreview() { restore(); }
    scenePreview(const scenePreview &) = delete;
    scenePreview &operator=(const scenePreview &) = delete;

    // The content of line of item's data file; nullopt (and why) when it cannot be read.
    using recordSource =
        std::function<std::optional<QString>(const QGraphicsItem &item, quint32 line, QString *why)>;
    void setRecordSource(recordSource source) { records = std::move(source); }

    void show(const previewValues &values);
    void restore();
    bool isShown() const { return shown; }
    const previewValues &values() const { return current; }
    // QR codes whose placeholders no longer match their content, marked on the canvas while shown.
    QList<QGraphicsItem *> staleItems() const { return stale; }
    // QR codes whose GS1 Digital Link would print with faults, marked on the canvas while shown.
    QList<QGraphicsItem *> gs1FaultyItems() const { return gs1Faulty; }

private:
    void markGs1Faults(QGraphicsItem &qr, const previewValues &values);
    // Shows the record's line on a data-file item; true when the item is one.
    bool showRecord(QGraphicsItem &item, quint32 record);

    QGraphicsScene &scene;
    previewValues current;
    QList<QGraphicsItem *> stale;
    QList<QGraphicsItem *> gs1Faulty;
    QList<QGraphicsItem *> recordItems; // data-file items showing a record
    recordSource records;
    bool shown = false;
};
