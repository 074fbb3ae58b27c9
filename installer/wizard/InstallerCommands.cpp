#include "installer/wizard/InstallerCommands.h"

#include <algorithm>
#include <iostream>

namespace wizard {

namespace {

// Filled while static objects are constructed, so it must exist before the first one.
std::vector<InstallerCommand>& Table() {
    static std::vector<InstallerCommand> table;
    return table;
}

void PrintUsage() {
    std::cerr << "usage:\n";
    for (const InstallerCommand& command : InstallerCommands())
        std::cerr << "  install " << command.Usage << "\n";
}

} // namespace

CommandRegistration::CommandRegistration(const char* switchText, const char* usage,
                                         CommandFunction run) {
    Table().push_back({switchText, usage, run});
}

std::vector<InstallerCommand> InstallerCommands() {
    std::vector<InstallerCommand> commands = Table();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.Switch < b.Switch; });
    return commands;
}

int RunInstallerCommand(const std::vector<std::string>& args) {
    if (!args.empty())
        for (const InstallerCommand& command : Table())
            if (command.Switch == args.front())
                return command.Run(std::vector<std::string>(args.begin() + 1, args.end()));
    PrintUsage();
    return 2;
}

} // namespace wizard
