// The headless command line of TevanoChem: commands for scripts that run the editor's
// own operations without a window.
//
// A parameter that starts with "--", or with "/" and has no further "/" (/NOSPLASH), is a
// switch; every other parameter is a file. A command is a switch (--convert) with its
// files; it prints its results on stdout, its errors on stderr, and returns the exit
// code (0 only when everything succeeded).
//
// Adding a command: write it in a file of its own (SomethingCommand.cpp), register it
// there with one definition at namespace scope,
//
//     static const RegisteredCommand command{
//         {"--name", "FILE...", "what it does, for the usage text", RunName}};
//
// and add the file to the TevanoChem sources in editor/app/CMakeLists.txt. Commands run
// before any application object exists; one that needs fonts or pictures creates its own
// QGuiApplication.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

struct CommandParameters {
    std::vector<std::string> Files;    // the file parameters, in order
    std::vector<std::string> Switches; // the other switches, in order
    // Every parameter but the command's own switch, in order, for commands whose
    // switches take a value ("--size 800x600").
    std::vector<std::string> Ordered;
};

struct Command {
    const char* Switch;    // "--convert"; matched without regard to letter case
    const char* Arguments; // for the usage text: "FILE..."
    const char* Summary;   // for the usage text
    int (*Run)(const CommandParameters& parameters);
};

// Registers a command when the program starts (see above).
class RegisteredCommand {
public:
    explicit RegisteredCommand(const Command& command);
};

bool IsSwitchParameter(std::string_view parameter);

// The command named by the first switch that names one, or nullptr.
const Command* FindCommand(const std::vector<std::string>& parameters);

// Runs a command with the parameters split into files and the remaining switches.
int RunCommand(const Command& command, const std::vector<std::string>& parameters);

// Usage text listing every registered command.
void PrintUsage(std::ostream& out);

// Name under which the program reports errors ("TevanoChem: ...").
constexpr const char* ProgramName = "TevanoChem";
