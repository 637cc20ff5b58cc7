#include "designpack.h"

#include "datafile.h"
#include "datafilefields.h"
#include "diagramimageitem.h"
#include "safewrite.h"
#include "sprdocument.h"
#include "sprpictures.h"
#include "sprsections.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QHash>
#include <algorithm>
#include <cstdio>

namespace
{
QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// One file for the disk: its name on the disk, where its bytes come from (empty: not found).
struct wanted {
    const QGraphicsItem *item;
    QString name;
    QString source;
    QString shown; // the path the design gives, for messages
};

class planner
{
public:
    explicit planner(packPlan &plan) : plan(plan) {}

    void add(const wanted &file)
    {
        if (const QString unsafe = fatNameProblem(QFileInfo(file.name).fileName()); !unsafe.isEmpty()) {
            problem(packProblem::unsafeName, file.item,
                    QCoreApplication::translate("designPack", "%1：%2").arg(quoted(file.shown), unsafe));
            return;
        }
        if (file.source.isEmpty()) {
            problem(packProblem::missingFile, file.item,
                    QCoreApplication::translate("designPack", "找不到 %1").arg(quoted(file.shown)));
            return;
        }
        QByteArray bytes;
        QString reason;
        if (!readSprFileBytes(file.source, &bytes, &reason)) {
            problem(packProblem::missingFile, file.item,
                    QCoreApplication::translate("designPack", "无法读取 %1：%2")
                        .arg(quoted(file.source), reason));
            return;
        }
        // FAT folds case: "Logo.bmp" and "logo.bmp" are one file there.
        const QString key = file.name.toCaseFolded();
        const auto known = byName.constFind(key);
        if (known != byName.constEnd()) {
            const packEntry &first = plan.entries.at(*known);
            if (first.bytes != bytes)
                problem(
                    packProblem::nameClash, file.item,
                    QCoreApplication::translate("designPack", "两个不同的文件在打印机U盘上同名 %1：%2 和 %3")
                        .arg(quoted(file.name), quoted(first.source), quoted(file.source)));
            return;
        }
        byName.insert(key, plan.entries.size());
        plan.entries.append({file.name, file.source, bytes});
    }

    void reserve(const QString &name) { byName.insert(name.toCaseFolded(), 0); }

    void problem(packProblem::kind what, const QGraphicsItem *item, const QString &text)
    {
        plan.problems.append({what, item, text});
    }

private:
    packPlan &plan;
    QHash<QString, int> byName;
};

// The items in file order, as the writer writes them.
QList<QGraphicsItem *> fileOrder(const QGraphicsScene &scene)
{
    return scene.items(Qt::DescendingOrder);
}
} // namespace

QString fatNameProblem(const QString &name)
{
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    static const QStringList reserved = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                         "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                         "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("designPack", "文件名为空");
    if (name.size() > 255)
        return QCoreApplication::translate("designPack", "文件名超过 255 个字符");
    for (const QChar c : name)
        if (c.unicode() < 0x20 || forbidden.contains(c))
            return QCoreApplication::translate("designPack", "文件名中有 U 盘（FAT）不允许的字符 %1")
                .arg(quoted(c));
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("designPack", "文件名以点或空格结尾");
    if (reserved.contains(name.section(QLatin1Char('.'), 0, 0).toUpper()))
        return QCoreApplication::translate("designPack", "%1 是保留的设备名")
            .arg(quoted(name.section(QLatin1Char('.'), 0, 0)));
    return QString();
}

namespace
{
void addFiles(planner &files, const QGraphicsScene &scene, const QString &designDir, bool dataFiles)
{
    for (const QGraphicsItem *item : fileOrder(scene)) {
        if (item->type() == imageItemType) {
            const QString &path = static_cast<const diagramImageItem *>(item)->pixPath;
            files.add(
                {item, QStringLiteral("bmp/") + pictureFileName(path), locatePicture(path, designDir), path});
        } else if (const auto s = dataFileSettingsOf(item);
                   dataFiles && s && s->isExtVariable && !s->path.isEmpty()) {
            files.add({item, pictureFileName(s->path), locateDataFile(s->path, designDir), s->path});
        }
    }
}
} // namespace

packPlan planPack(const QGraphicsScene &scene, const QString &designName, const QString &designDir)
{
    packPlan plan;
    planner files(plan);
    const QString sprName = designName + QStringLiteral(".spr");
    if (const QString unsafe = fatNameProblem(sprName); !unsafe.isEmpty())
        files.problem(packProblem::unsafeName, nullptr,
                      QCoreApplication::translate("designPack", "%1：%2").arg(quoted(sprName), unsafe));
    plan.entries.append({sprName, QString(), sprFileBytes(scene)});
    files.reserve(sprName);
    addFiles(files, scene, designDir, true);
    return plan;
}

packPlan planPictures(const QGraphicsScene &scene, const QString &designDir)
{
    packPlan plan;
    planner files(plan);
    addFiles(files, scene, designDir, false);
    return plan;
}

QStringList packReplacements(const packPlan &plan, const QString &dir)
{
    QStringList replaced;
    for (const packEntry &entry : plan.entries) {
        const QString target = QDir(dir).filePath(entry.name);
        QByteArray old;
        QString reason;
        if (QFileInfo::exists(target) && !(readSprFileBytes(target, &old, &reason) && old == entry.bytes))
            replaced << entry.name;
    }
    return replaced;
}

bool writePack(const packPlan &plan, const QString &dir, QString *errorText)
{
    QDir target(dir);
    QStringList made; // folders this pack makes, removed again on failure
    const bool pictures = std::any_of(plan.entries.cbegin(), plan.entries.cend(), [](const packEntry &e) {
        return e.name.startsWith(QLatin1String("bmp/"));
    });
    for (const QString &folder :
         pictures ? QStringList{QString(), QStringLiteral("bmp")} : QStringList{QString()}) {
        const QString path = target.filePath(folder);
        if (!QFileInfo(path).isDir()) {
            if (!QDir().mkpath(path)) {
                *errorText = QCoreApplication::translate("designPack", "无法创建文件夹 %1").arg(quoted(path));
                return false;
            }
            made.prepend(path);
        }
    }
    const QString staging =
        target.filePath(QStringLiteral(".spr-pack-%1").arg(QCoreApplication::applicationPid()));
    const auto undo = [&] {
        QDir(staging).removeRecursively();
        for (const QString &folder : made)
            QDir().rmdir(folder);
        return false;
    };
    if (!QDir().mkpath(staging + QStringLiteral("/bmp"))) {
        *errorText = QCoreApplication::translate("designPack", "无法创建文件夹 %1").arg(quoted(staging));
        return undo();
    }
    for (const packEntry &entry : plan.entries) {
        QString reason;
        if (!writeFileSafely(QDir(staging).filePath(entry.name), entry.bytes, &reason)) {
            *errorText = QCoreApplication::translate("designPack", "无法写入 %1：%2")
                             .arg(quoted(target.filePath(entry.name)), reason);
            return undo();
        }
    }
    // Every file is whole on the disk now; each rename replaces its target at once and needs no space.
    for (const packEntry &entry : plan.entries) {
        const QByteArray from = QFile::encodeName(QDir(staging).filePath(entry.name));
        const QByteArray to = QFile::encodeName(target.filePath(entry.name));
        if (std::rename(from.constData(), to.constData()) != 0) {
            *errorText = QCoreApplication::translate("designPack", "无法写入 %1")
                             .arg(quoted(target.filePath(entry.name)));
            return undo();
        }
    }
    QDir(staging).removeRecursively();
    return true;
}
