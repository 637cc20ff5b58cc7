#include "commands.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

namespace
{
struct subcommand {
    const char *name;
    int (*run)(const QStringList &);
    const char *usage;
};

const subcommand subcommands[] = {
    {"barcode", runBarcodeCommand,
     "barcode [--module D] [--height E] [--no-text] SYMBOLOGY CONTENT -o OUT.png"},
    {"qr", runQrCommand, "qr [--level L|M|Q|H] [--version N] [--scale N] [--converse] CONTENT -o OUT.png"},
    {"info", runInfoCommand, "info FILE.spr"},
    {"resave", runResaveCommand, "resave IN.spr OUT.spr"},
    {"render", runRenderCommand, "render FILE.spr -o OUT.png [--scale F]"},
    {"check", runCheckCommand, "check FILE.spr"},
};

// sprtool's own output is its printed lines; the toolkit's and the designer's diagnostics (debug lines of
// the reader, platform warnings) would only clutter standard error, so only critical messages pass.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void printHelp(FILE *out)
{
    std::fprintf(out, "Usage: sprtool COMMAND [ARGS]\n\nRenders, inspects, checks and re-saves label designs "
                      "without a display.\n\nCommands:\n");
    for (const subcommand &c : subcommands)
        std::fprintf(out, "  sprtool %s\n", c.usage);
    std::fprintf(out, "\n  sprtool --help      this text\n  sprtool --version   the version\n");
}
} // namespace

int main(int argc, char **argv)
{
    // Runs without a display: choose the offscreen platform unless the caller picked one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 2) {
        printHelp(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        printHelp(stdout);
        return 0;
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::printf("sprtool %s\n", SPR_VERSION);
        return 0;
    }
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(2);
    for (const subcommand &c : subcommands) {
        if (!std::strcmp(argv[1], c.name))
            return c.run(args);
    }
    std::fprintf(stderr, "sprtool: unknown command '%s'\n\n", argv[1]);
    printHelp(stderr);
    return 2;
}
