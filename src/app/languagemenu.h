#pragma once
// The language menu: the four languages of the interface. Choosing one stores it in the per-user
// language.ini and retranslates every open window at once.
#include <QMenu>
#include <QString>
#include <QVector>

struct interfaceLanguage {
    const char *name;        // in its own language, so that everyone finds theirs
    const char *translation; // the file language.ini names
};
// 中文 (the source texts), English, Türkçe, العربية.
const QVector<interfaceLanguage> &interfaceLanguages();

class languageMenu : public QMenu
{
    Q_OBJECT

public:
    explicit languageMenu(QWidget *parent);

private:
    void choose(const interfaceLanguage &language);
};
