#pragma once
// The symbol commands' two ways to run: one content to one output, or --batch FILE, one content per line,
// each to a file named by the -o pattern ({n}: the line number, {content}: the content made file-name
// safe). One process then draws a thousand symbols at the cost of one start-up.
#include <QImage>
#include <QString>
#include <functional>

class commandArgs;

// A drawn symbol, or why the content was refused (image then null).
struct symbolPicture {
    QImage image;
    QString refusal;
};
using symbolMaker = std::function<symbolPicture(const QString &content)>;

// The file name that {content} stands for: characters that a file name cannot hold or that would lead
// elsewhere (separators, control characters, a leading dot) become "_"; cut to a length every file
// system takes.
QString fileNameSafe(const QString &content);

// Runs the command for its CONTENT argument or --content-file, or for every line of --batch. Exit code:
// 0 when everything was written, 1 when some content was refused (the rest is written), 2 on a usage
// problem or a failed read or write.
int runSymbolCommand(const commandArgs &args, const QStringList &contentArguments, const symbolMaker &make);
