// Program entry of the molecule editor. For now it runs the headless commands only.
#include "CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> parameters(argv + 1, argv + argc);
    if (const Command* command = FindCommand(parameters))
        return RunCommand(*command, parameters);
    PrintUsage(std::cerr);
    return 2;
}
