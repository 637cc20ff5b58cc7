#include "startup.h"

#include "modalhooks.h"

#include <QFile>
#include <QMessageBox>
#include <QTextStream>

QString chooseTranslationPath()
{
    QString path;
    QFile file("language.ini");
    if (!file.exists()) {
        QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::NoButton, nullptr,
                        Qt::WindowTitleHint);
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
