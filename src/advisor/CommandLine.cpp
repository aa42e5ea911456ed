#include "advisor/CommandLine.h"

#include "platform/ui/CWinApp.h"

#include <string_view>

namespace {

struct Option {
    std::string_view name;
    CommandLine::Command command;
    bool takesValue;
};

constexpr Option kOptions[] = {
    {"--help", CommandLine::Command::help, false},
    {"-h", CommandLine::Command::help, false},
    {"--version", CommandLine::Command::version, false},
    {"--advise", CommandLine::Command::advise, true},
    {"--card", CommandLine::Command::card, true},
};

CommandLine Refused(CommandLine::Refusal refusal, std::string_view what) {
    CommandLine line;
    line.command = CommandLine::Command::refused;
    line.refusal = refusal;
    line.refused = what;
    return line;
}

const Option* FindOption(std::string_view name) {
    for (const Option& option : kOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

} // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        if (const int length = AfxToolkitOptionLength(argc, argv, i); length > 0) {
            i += length - 1;
            continue;
        }
        const std::string_view arg = argv[i];
        const std::size_t equals = arg.find('=');
        const Option* option = FindOption(arg.substr(0, equals));
        if (option == nullptr || (equals != std::string_view::npos && !option->takesValue)) {
            return Refused(CommandLine::Refusal::unknown, arg);
        }
        if (line.command != CommandLine::Command::openWindow) {
            return Refused(CommandLine::Refusal::secondCommand, arg);
        }
        line.command = option->command;
        if (!option->takesValue) {
            continue;
        }
        if (equals != std::string_view::npos) {
            line.value = arg.substr(equals + 1);
        } else if (i + 1 < argc) {
            line.value = argv[++i];
        }
        if (line.value.empty()) {
            return Refused(CommandLine::Refusal::missingValue, option->name);
        }
    }
    return line;
}
