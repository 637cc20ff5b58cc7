#pragma once
// The window's way to set the printer's resolution (dots per millimetre) that sprtool and the window
// share, through the modal hooks.
#include <QCoreApplication>

class QWidget;

class printerDialog
{
    Q_DECLARE_TR_FUNCTIONS(printerDialog)

public:
    // Shows the dialog with the stored resolution; on OK stores the new one. True when a new value was
    // stored; a failed write is told to the operator.
    static bool edit(QWidget *parent);
};
