#pragma once
#include <QStringList>

// Each subcommand takes its own arguments (without "sprtool" and the subcommand name) and returns the
// exit code: 0 success, 1 problems found, 2 usage error or unreadable input.
int runBarcodeCommand(const QStringList &args);
int runQrCommand(const QStringList &args);
int runInfoCommand(const QStringList &args);
int runResaveCommand(const QStringList &args);
int runRenderCommand(const QStringList &args);
int runCheckCommand(const QStringList &args);
