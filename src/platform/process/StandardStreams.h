#pragma once
// The standard output and error streams, for the answers of a run that opens no window. A
// program of the graphical subsystem on Windows has none of its own: it writes to the streams
// it was started with, or else to the console of the process that started it.
#include <string_view>

// Writes UTF-8 text whole; false when it could not be written.
bool WriteStandardOutput(std::string_view text);
bool WriteStandardError(std::string_view text);
