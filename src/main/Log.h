#pragma once
#include <string>

// The game's one diagnostic channel: every error and progress note is one line
// in "log.txt" in the working directory. openLog redirects the standard error
// stream into the file, so anything written there lands in the log as well.
void openLog();
void outputError(const std::string& message);
void closeLog();
