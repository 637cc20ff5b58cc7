#include "modalhooks.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace modalHooks
{
namespace
{
MessageBoxRunner &messageBoxRunner()
{
    static MessageBoxRunner runner;
    return runner;
}
DialogRunner &dialogRunner()
{
    static DialogRunner runner;
    return runner;
}
FileDialogRunner &fileDialogRunner()
{
    static FileDialogRunner runner;
    return runner;
}
template <typename T> T swapRunner(T &slot, T runner)
{
    T previous = std::move(slot);
    slot = std::move(runner);
    return previous;
}
} // namespace

int execMessageBox(QMessageBox &box)
{
    if (messageBoxRunner())
        return messageBoxRunner()(box);
    return box.exec();
}

int execDialog(QDialog &dialog)
{
    if (dialogRunner())
        return dialogRunner()(dialog);
    return dialog.exec();
}

QStringList execFileDialog(QFileDialog &dialog)
{
    if (fileDialogRunner())
        return fileDialogRunner()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

MessageBoxRunner setMessageBoxRunner(MessageBoxRunner runner)
{
    return swapRunner(messageBoxRunner(), std::move(runner));
}
DialogRunner setDialogRunner(DialogRunner runner)
{
    return swapRunner(dialogRunner(), std::move(runner));
}
FileDialogRunner setFileDialogRunner(FileDialogRunner runner)
{
    return swapRunner(fileDialogRunner(), std::move(runner));
}

} // namespace modalHooks
