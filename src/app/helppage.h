#pragma once
// The short help page built into the program: shortcuts, the strip, the preview and data files.
#include <QCoreApplication>
#include <QString>

class QWidget;

class helpPage
{
    Q_DECLARE_TR_FUNCTIONS(helpPage)

public:
    // The page in the interface's language, as HTML.
    static QString html();
    // Shows the page in a dialog, through the dialog hook.
    static void show(QWidget *parent);
};
