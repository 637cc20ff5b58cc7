#include "clicontent.h"

#include "cliio.h"
#include "cliparse.h"
#include "clitexts.h"

namespace
{
// Far more than any symbol holds; the limit only keeps a runaway pipe from filling memory.
constexpr qint64 maxContentBytes = 64ll * 1024 * 1024;
} // namespace

int takeContent(const commandArgs &args, const QStringList &contentArguments, QString *content)
{
    const bool fromFile = args.isSet("content-file");
    if (fromFile && !contentArguments.isEmpty())
        return args.usageError(cliText::contentTwice());
    if (!fromFile) {
        if (contentArguments.isEmpty())
            return args.usageError(cliText::missingArgument().arg(QStringLiteral("CONTENT")));
        *content = contentArguments.first();
        return exitSuccess;
    }
    QByteArray bytes;
    if (!readInput(args.command(), args.value("content-file"), maxContentBytes, &bytes))
        return exitFailed;
    // A file written by an editor or echo ends in a line end that is no part of the content.
    if (bytes.endsWith('\n'))
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    *content = QString::fromUtf8(bytes);
    if (content->toUtf8() != bytes) {
        printError(args.command(), cliText::cannotRead().arg(shownName(args.value("content-file"), false),
                                                             cliText::notUtf8()));
        return exitFailed;
    }
    return exitSuccess;
}
