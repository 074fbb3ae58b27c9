#include "CommandLine.h"

#include "shared/Texts.h"

#include <algorithm>
#include <iostream>

namespace {

// Filled by the registrations before main runs; a function-local list so that it exists
// whichever file registers first.
std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

} // namespace

RegisteredCommand::RegisteredCommand(const Command& command) {
    Commands().push_back(command);
}

bool IsSwitchParameter(std::string_view parameter) {
    if (parameter.starts_with("--"))
        return true;
    return parameter.starts_with('/') && parameter.find('/', 1) == std::string_view::npos;
}

const Command* FindCommand(const std::vector<std::string>& parameters) {
    for (const std::string& parameter : parameters) {
        if (!IsSwitchParameter(parameter))
            continue;
        for (const Command& command : Commands())
            if (SameTextAscii(parameter, command.Switch))
                return &command;
    }
    return nullptr;
}

int RunCommand(const Command& command, const std::vector<std::string>& parameters) {
    CommandParameters split;
    bool named = false;
    for (const std::string& parameter : parameters) {
        if (!IsSwitchParameter(parameter))
            split.Files.push_back(parameter);
        else if (!named && SameTextAscii(parameter, command.Switch)) {
            named = true;
            continue;
        } else
            split.Switches.push_back(parameter);
        split.Ordered.push_back(parameter);
    }
    return command.Run(split);
}

void PrintUsage(std::ostream& out) {
    std::vector<Command> sorted = Commands();
    std::sort(sorted.begin(), sorted.end(), [](const Command& a, const Command& b) {
        return std::string_view(a.Switch) < std::string_view(b.Switch);
    });
    out << "Usage: " << ProgramName << " COMMAND FILE...\n"
        << "The editor window is not available yet; these commands run without it:\n";
    for (const Command& command : sorted)
        out << "  " << command.Switch << ' ' << command.Arguments << "\n      " << command.Summary
            << '\n';
}
