#include "startup.h"
#include "widget.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif

namespace
{
// --help and --version only print, so they must work without a display too.
bool onlyPrints(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (!std::strcmp(argv[i], option))
                return true;
    return false;
}
} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(translations);
    if (onlyPrints(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always scales; Qt 5 must be told before the application object exists, or a 1.5x or 2x
    // screen shows a tiny window with blurred pictures. 1.5x stays 1.5x instead of being rounded.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
    QApplication app(argc, argv);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 always takes local 8-bit text as UTF-8 on Unix; Qt 5 has to be told.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("utf8"));
#endif
    QCoreApplication::setOrganizationName(QStringLiteral("spr-designer"));
    QCoreApplication::setApplicationName(QStringLiteral("spr-designer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SPR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(SPR_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" SPR_APP_ID ".svg")));

    // Installed even when nothing loaded; it then simply has no effect. A language.ini that exists is
    // read before the command line so that --help comes out in the chosen language.
    QTranslator &translator = designerTranslator();
    const bool haveIni = !findLanguageIni().isEmpty();
    if (haveIni)
        loadTranslation(translator, chooseTranslationPath());
    app.installTranslator(&translator);

    const CommandLineRequest request = parseCommandLine(QCoreApplication::arguments());
    if (request.exitCode >= 0) {
        std::fputs(qPrintable(request.output), stdout);
        std::fputs(qPrintable(request.error), stderr);
        return request.exitCode;
    }
    if (!haveIni)
        switchTranslation(chooseTranslationPath());

    Widget window;
    window.show();
    if (!request.file.isEmpty())
        window.openDocumentFile(request.file);
    // After the named file: a recovered design replaces it only when the operator says so.
    window.offerRecovery();
    return app.exec();
}
