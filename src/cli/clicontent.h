#pragma once
// The content of barcode and qr: the CONTENT argument or --content-file FILE ("-": standard input).
#include <QStringList>

class commandArgs;

// Sets content and returns exitSuccess, or says what is wrong and returns the exit code.
int takeContent(const commandArgs &args, const QStringList &contentArguments, QString *content);
