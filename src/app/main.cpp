#include "startup.h"
#include "widget.h"

#include <QApplication>
#include <QTextCodec>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(translations);
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("utf8"));

    // Installed even when nothing loaded; it then simply has no effect.
    auto *translator = new QTranslator;
    loadTranslation(*translator, chooseTranslationPath());
    app.installTranslator(translator);

    Widget window;
    window.show();
    return app.exec();
}
