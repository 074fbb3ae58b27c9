// Fuzzes the package reader: arbitrary bytes as the installer file, opened and every
// indexed entry loaded as text lines, a picture and a file.
#include "installer/package/PackageFormat.h"
#include "installer/package/PackageReader.h"

#include <QDir>

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

using namespace package;

namespace {

// The installer file lives in memory; the reader opens it by path like a real file.
struct MemoryFile {
    int fd = ::memfd_create("installer", 0);
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const MemoryFile file;
    static const std::string outFolder =
        QDir::tempPath().toStdString() + "/package-fuzz-" + std::to_string(::getpid());
    static const bool made = QDir().mkpath(QString::fromStdString(outFolder));
    (void)made;

    if (::ftruncate(file.fd, 0) != 0 || ::pwrite(file.fd, data, size, 0) != ssize_t(size))
        return 0;
    ResetReader();
    Reader().SourceFolder = outFolder + "/loose/"; // no loose files: every load reads the package
    if (!Reader().PackageStream.Open(file.Path()) || !OpenPackage())
        return 0;

    const Lines index = Reader().PackageIndex;
    for (size_t i = 0; i < index.size() && i < 8; ++i) {
        const std::string name = index[i].substr(0, index[i].find('='));
        try {
            Lines lines;
            LoadPackageEntry(name, lines);
            QImage picture;
            LoadPackageEntry(name, picture);
            FileTarget target{outFolder + "/entry"};
            LoadPackageEntry(name, target);
        } catch (const PackageError&) {
        }
    }
    return 0;
}
