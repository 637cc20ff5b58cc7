#pragma once
// sprtool's input and output: "-" stands for standard input or output, every other name for a file.
// Each function says what went wrong on standard error; the caller turns false into exit code 2.
#include <QByteArray>
#include <QString>

class QGraphicsScene;
struct sprReadResult;

// Checked output: a file goes through writeFileSafely(), so a failure leaves nothing behind;
// standard output is written and flushed with every result checked (a closed pipe fails too).
bool writeOutput(const QString &command, const QString &path, const QByteArray &bytes);
// Text for standard output (info lines, check findings), checked as writeOutput("-") is.
bool printOut(const QString &command, const QByteArray &bytes);
// A line on standard error: "sprtool COMMAND: message".
void printError(const QString &command, const QString &message);

// The whole input, at most maxBytes.
bool readInput(const QString &command, const QString &path, qint64 maxBytes, QByteArray *data);
// A fresh scene for the next design. The one handed out before is destroyed, the last one never:
// tearing a large scene down item by item costs more than reading it, and the system frees it at exit.
QGraphicsScene &freshDesignScene();
// A design read into a fresh scene set up as the window's; "-" reads standard input. data (when
// given) receives the bytes read.
bool readDesign(const QString &command, const QString &path, QGraphicsScene &scene, sprReadResult *read,
                bool collectFindings, QByteArray *data = nullptr);
// The name shown for an input or output in messages.
QString shownName(const QString &path, bool output);
