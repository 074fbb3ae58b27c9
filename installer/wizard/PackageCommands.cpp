#include "installer/wizard/PackageCommands.h"

#include "installer/package/BzipStream.h"
#include "installer/package/PackageFormat.h"
#include "installer/package/PackageReader.h"
#include "installer/wizard/InstallerCommands.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <iomanip>
#include <iostream>

namespace wizard {

using namespace package;

namespace {

struct EntrySizes {
    std::string Kind;
    uint64_t Stored = 0;
    uint64_t Unpacked = 0;
};

// Reads the entry's chunk and, for a packed one, decodes it only to count its bytes.
EntrySizes SizesOf(const std::string& indexValue) {
    const PackageChunk chunk = ReadChunk(IndexOffset(indexValue));
    EntrySizes sizes{chunk.Tag, chunk.Payload.size(), chunk.Payload.size()};
    if (chunk.Tag == TagPacked)
        sizes.Unpacked =
            UnpackPieces(chunk.Payload, MaxUnpackedEntrySize(Reader().PackageStream.Size()),
                         [](std::string_view) { return true; });
    return sizes;
}

std::string OwnFile() {
    return platform::ProgramFilePath();
}

int RunList(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "install: --list takes no parameters\n";
        return 2;
    }
    std::string error;
    if (!OpenInstallerPackage(OwnFile(), error)) {
        std::cerr << "install: " << error << "\n";
        return 1;
    }
    return ListPackage(std::cout, std::cerr) ? 0 : 1;
}

int RunExtract(const std::vector<std::string>& args) {
    if (args.size() != 3 || args[1] != "-o") {
        std::cerr << "install: use --extract NAME -o PATH\n";
        return 2;
    }
    std::string error;
    // Without a package the entry may still be a loose file beside the installer.
    OpenInstallerPackage(OwnFile(), error);
    return ExtractPackageEntry(args[0], args[2], std::cerr) ? 0 : 1;
}

const CommandRegistration listCommand{"--list", "--list", RunList};
const CommandRegistration extractCommand{"--extract", "--extract NAME -o PATH", RunExtract};

} // namespace

bool OpenInstallerPackage(const std::string& path, std::string& error) {
    ResetReader();
    ReaderState& reader = Reader();
    reader.SourceFolder = platform::ExtractFilePath(path);
    if (!reader.PackageStream.Open(path)) {
        error = "cannot open " + path;
        return false;
    }
    if (OpenPackage())
        return true;
    error = reader.OpenError.empty() ? "no package is appended to " + path
                                     : path + ": " + reader.OpenError;
    return false;
}

bool ListPackage(std::ostream& out, std::ostream& err) {
    bool allRead = true;
    out << std::left << std::setw(6) << "kind" << std::right << std::setw(12) << "stored"
        << std::setw(12) << "unpacked"
        << "  name\n";
    for (const std::string& line : Reader().PackageIndex) {
        const size_t eq = line.find('=');
        const std::string name = line.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        out << std::left << std::setw(6);
        try {
            const EntrySizes sizes = SizesOf(value);
            out << sizes.Kind << std::right << std::setw(12) << sizes.Stored << std::setw(12)
                << sizes.Unpacked;
        } catch (const PackageError& e) {
            err << "install: package entry \"" << name << "\": " << e.what() << "\n";
            out << "?" << std::right << std::setw(12) << "?" << std::setw(12) << "?";
            allRead = false;
        }
        out << "  " << name << "\n";
    }
    return allRead;
}

bool ExtractPackageEntry(const std::string& name, const std::string& path, std::ostream& err) {
    FileTarget target{path};
    try {
        if (!LoadPackageEntry(name, target)) {
            err << "install: cannot extract \"" << name << "\" to " << path
                << " (no such entry, or it cannot be written)\n";
            return false;
        }
    } catch (const PackageError& e) {
        err << "install: " << e.what() << "\n";
        return false;
    }
    if (target.Path == path)
        return true;
    // A loose file is used in place by the installer; here it is copied to the path.
    std::string bytes, error;
    if (!platform::ReadFileBytes(target.Path, bytes, &error) ||
        !platform::WriteFileBytes(path, bytes, &error)) {
        err << "install: " << error << "\n";
        return false;
    }
    return true;
}

} // namespace wizard
