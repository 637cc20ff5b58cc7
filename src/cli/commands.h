#pragma once
#include "cliparse.h"

// Each subcommand gets its parsed arguments and returns the exit code (exitCode in cliparse.h).
int runBarcodeCommand(const commandArgs &args);
int runQrCommand(const commandArgs &args);
int runInfoCommand(const commandArgs &args);
int runResaveCommand(const commandArgs &args);
int runRenderCommand(const commandArgs &args);
int runCheckCommand(const commandArgs &args);
int runPackCommand(const commandArgs &args);
