#pragma once
// The printer's disk: a design, the pictures it uses under bmp/ and the data files it names beside it,
// each under the name the saved design gives it. Planned first, so that a pack that cannot be whole is
// refused before anything is written.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class QGraphicsItem;
class QGraphicsScene;

struct packEntry {
    QString name;     // relative to the disk's folder: "label.spr", "bmp/logo.bmp", "serials.txt"
    QString source;   // the file whose bytes it gets; empty for the design itself
    QByteArray bytes; // the bytes to write
};

struct packProblem {
    enum kind { nameClash, missingFile, unsafeName };
    kind what;
    const QGraphicsItem *item; // the item concerned; null for the design's own name
    QString text;
};

struct packPlan {
    QVector<packEntry> entries;
    QVector<packProblem> problems;
};

// What a pack of scene saved as designName (without ".spr") from designDir would write. Pictures and data
// files are looked for as the reader looks for them.
packPlan planPack(const QGraphicsScene &scene, const QString &designName, const QString &designDir);
// The pictures alone (bmp/<name>), as a save places them beside the design.
packPlan planPictures(const QGraphicsScene &scene, const QString &designDir);
// Why a FAT file system cannot hold name; empty when it can.
QString fatNameProblem(const QString &name);
// The plan's files that exist in dir with other bytes, which a pack would replace.
QStringList packReplacements(const packPlan &plan, const QString &dir);
// Writes every file of the plan through the checked write path into a staging folder in dir, then moves
// them into place; on failure dir is left as it was and errorText says why.
bool writePack(const packPlan &plan, const QString &dir, QString *errorText);
