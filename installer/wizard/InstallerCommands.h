// The installer's headless commands: a table of switches, each run by one function.
//
// A command registers itself from its own source file of the tevano_wizard library with
// one line at namespace level, for example:
//
//   static const CommandRegistration dryRunCommand{"--dry-run", "--dry-run [DEST]", RunDryRun};
//
// (the program links the whole library, so such a file needs no other reference). The
// function receives the parameters after the switch and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace wizard {

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct InstallerCommand {
    std::string Switch; // e.g. "--list"; matched exactly
    std::string Usage;  // switch and parameters, shown in the usage text
    CommandFunction Run = nullptr;
};

struct CommandRegistration {
    CommandRegistration(const char* switchText, const char* usage, CommandFunction run);
};

// The registered commands, sorted by switch.
std::vector<InstallerCommand> InstallerCommands();

// Runs the command named by the first parameter; prints the usage and returns 2 when
// there is none or it is unknown.
int RunInstallerCommand(const std::vector<std::string>& args);

} // namespace wizard
