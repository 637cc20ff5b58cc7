#include "clidata.h"

#include "cliio.h"
#include "sprdocument.h"

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
