#pragma once
// Every modal interaction of the program (message boxes, dialogs, file dialogs) runs through one of
// these replaceable hooks. The defaults run the real box or dialog; tests and sprtool install their own
// so that nothing ever blocks without a person in front of the screen.
#include <QStringList>
#include <functional>

class QDialog;
class QFileDialog;
class QMessageBox;

namespace modalHooks
{

using MessageBoxRunner = std::function<int(QMessageBox &)>;
using DialogRunner = std::function<int(QDialog &)>;
using FileDialogRunner = std::function<QStringList(QFileDialog &)>;

// Run a fully built box or dialog; return what exec() would return.
int execMessageBox(QMessageBox &box);
int execDialog(QDialog &dialog);
// Run a fully built file dialog; return the selected files, or an empty list when it was cancelled.
QStringList execFileDialog(QFileDialog &dialog);

// Install a runner; an empty function restores the real one. Each returns the previous runner.
MessageBoxRunner setMessageBoxRunner(MessageBoxRunner runner);
DialogRunner setDialogRunner(DialogRunner runner);
FileDialogRunner setFileDialogRunner(FileDialogRunner runner);

} // namespace modalHooks
