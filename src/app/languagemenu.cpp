#include "languagemenu.h"

#include "livetext.h"
#include "modalhooks.h"
#include "startup.h"

#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QMessageBox>

const QVector<interfaceLanguage> &interfaceLanguages()
{
    static const QVector<interfaceLanguage> rows = {
        {"中文", ":/translate/cn.qm"},
        {"English", ":/translate/en.qm"},
        {"Türkçe", ":/translate/turkish.qm"},
        {"العربية", ":/translate/arabic.qm"},
    };
    return rows;
}

languageMenu::languageMenu(QWidget *parent) : QMenu(parent)
{
    auto *group = new QActionGroup(this);
    const QString current = readTranslationPath(findLanguageIni());
    for (const interfaceLanguage &language : interfaceLanguages()) {
        QAction *action = addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        action->setChecked(current == QLatin1String(language.translation));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, &language] { choose(language); });
    }
    liveText::set(this, "title", "languageMenu", QT_TR_NOOP("语言"));
    liveText::set(this, "toolTip", "languageMenu", QT_TR_NOOP("界面的语言"));
}

void languageMenu::choose(const interfaceLanguage &language)
{
    QString reason;
    if (!storeLanguageChoice(QString::fromLatin1(language.translation), &reason)) {
        QMessageBox box(
            QMessageBox::Warning, tr("语言"),
            tr("无法保存语言设置 %1：%2").arg(QDir::toNativeSeparators(perUserLanguageIni()), reason),
            QMessageBox::Ok, parentWidget());
        modalHooks::execMessageBox(box);
    }
    switchTranslation(QString::fromLatin1(language.translation));
}
