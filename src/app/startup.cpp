#include "startup.h"

#include "modalhooks.h"

#include <QFile>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>

QString chooseTranslationPath()
{
    QString path;
    QFile file("language.ini");
    if (!file.exists()) {
        QMessageBox box;
        box.setIcon(QMessageBox::Information);
        box.setWindowFlags(Qt::WindowTitleHint);
        box.setWindowTitle("languageSettings");
        box.setText(QString("%1 error:%2").arg("language.ini", file.errorString()));
        modalHooks::execMessageBox(box);
        return QStringLiteral(":/translate/cn.qm");
    }
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        path = stream.readLine().section("=", 1, -1);
    }
    file.close();
    return path;
}

bool loadTranslation(QTranslator &translator, const QString &path)
{
    return translator.load(path, QString(), QStringLiteral(""), QStringLiteral(""));
}
