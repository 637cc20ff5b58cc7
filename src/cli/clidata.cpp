#include "clidata.h"

#include "cliio.h"
#include "datafilefields.h"
#include "sprdocument.h"

#include <QFileInfo>

bool readDataOption(const commandArgs &args, std::optional<dataFileContents> &contents)
{
    QByteArray bytes;
    if (!readInput(args.command(), args.value("data"), sprReadLimits().maxFileBytes, &bytes))
        return false;
    contents = dataFileFromBytes(bytes);
    if (args.value("data") != QLatin1String("-"))
        contents->foundPath = args.value("data");
    return true;
}

QString designDirOf(const QString &designPath)
{
    return designPath == QLatin1String("-") ? QString() : QFileInfo(designPath).absolutePath();
}

void addDataFileJson(QJsonObject &out, const QGraphicsItem &item, const QString &designDir)
{
    const std::optional<dataFileSettings> s = dataFileSettingsOf(&item);
    if (!s)
        return;
    if (!s->isExtVariable) {
        out["dataFile"] = QJsonValue::Null;
        return;
    }
    const QString found = locateDataFile(s->path, designDir);
    QJsonValue lines = QJsonValue::Null;
    if (!found.isEmpty()) {
        const dataFileContents contents = readDataFile(s->path, designDir);
        if (contents.problem.isEmpty())
            lines = double(contents.lines.size());
    }
    out["dataFile"] = QJsonObject{{"found", !found.isEmpty()},
                                  {"foundPath", found.isEmpty() ? QJsonValue::Null : QJsonValue(found)},
                                  {"lines", lines}};
}
