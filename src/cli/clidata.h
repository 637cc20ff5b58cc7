#pragma once
// --data FILE|-: the records every data-file item of a design takes instead of its own file's.
#include "cliparse.h"
#include "datafile.h"

#include <optional>

// Reads the option's file (or standard input); false, with the reason on standard error, when it cannot.
bool readDataOption(const commandArgs &args, std::optional<dataFileContents> &contents);
