#pragma once
#include <string>

// The game's one diagnostic channel: every error and progress note is one line
// in "log.txt" in the working directory. openLog redirects the standard error
// stream into the file, so anything written there lands in the log as well.
void openLog();
void outputError(const std::string& message);
void closeLog();
// A failure that ends the run: the line goes to the log and, while the log
// holds standard error, to the terminal's standard error as well, there with
// terminalNote after it.
void reportFailure(const std::string& message, const std::string& terminalNote = std::string());
// One line added to "log.txt" without opening it for a run: a start that is
// refused must not wipe the log of the game that holds the directory.
void appendToLog(const std::string& message);
