// The package builder program: appends the package of a folder to an installer stub.
//
//   pack STUB FOLDER OUTPUT [ITEM ...]
//
// With items, only those top-level files and folders of FOLDER are packed. The output is
// rewritten only when its bytes change, and it keeps the stub's permissions.
#include "tools/pack/PackageBuilder.h"

#include "platform/TextFile.h"

#include <exception>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: pack STUB FOLDER OUTPUT [ITEM ...]\n";
        return 2;
    }
    const std::string stubPath = argv[1], folder = argv[2], outputPath = argv[3];
    const std::vector<std::string> items(argv + 4, argv + argc);
    try {
        std::string stub, error;
        if (!platform::ReadFileBytes(stubPath, stub, &error)) {
            std::cerr << "pack: " << error << "\n";
            return 1;
        }
        std::vector<pack::PackEntry> entries;
        if (!pack::CollectFolder(folder, items, entries, error)) {
            std::cerr << "pack: " << error << "\n";
            return 1;
        }
        const std::string package = pack::BuildPackage(stub, entries);
        std::string existing;
        if (!(fs::exists(outputPath) && platform::ReadFileBytes(outputPath, existing) &&
              existing == package)) {
            if (!platform::WriteFileBytes(outputPath, package, &error)) {
                std::cerr << "pack: " << error << "\n";
                return 1;
            }
        }
        fs::permissions(outputPath, fs::status(stubPath).permissions());
        std::cout << "pack: " << entries.size() << " files, " << package.size() - stub.size()
                  << " bytes of package in " << outputPath << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "pack: " << e.what() << "\n";
        return 1;
    }
}
