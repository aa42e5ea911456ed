#pragma once
// The program's command line, read before any toolkit starts and alike for both platform
// layers: the commands that answer without a window (--help, --version, --advise YARDS,
// --card FILE), the toolkit's own options, which go on to it untouched, and anything else,
// which is refused.
#include <string>

struct CommandLine {
    enum class Command { openWindow, help, version, advise, card, refused };
    enum class Refusal { none, unknown, missingValue, secondCommand };

    Command command = Command::openWindow;
    // advise: the distance as typed; card: the file's name.
    std::string value;
    Refusal refusal = Refusal::none;
    // What was refused: the argument, or the command that lacks its value.
    std::string refused;
};

// "--advise 150" and "--advise=150" alike; one command at a time.
CommandLine ReadCommandLine(int argc, char* argv[]);
