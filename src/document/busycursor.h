#pragma once
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

// The busy cursor for as long as a document is read or written; nothing without a GUI application
// (sprtool builds one, the fuzzer and unit helpers may not).
class busyCursor
{
public:
    busyCursor() : active(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (active)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~busyCursor()
    {
        if (active)
            QGuiApplication::restoreOverrideCursor();
    }
    busyCursor(const busyCursor &) = delete;
    busyCursor &operator=(const busyCursor &) = delete;

private:
    bool active;
};
