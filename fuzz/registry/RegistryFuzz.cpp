// The settings file may be edited by hand or damaged: whatever it holds, reading must not
// fail, and a value written into it must read back as written, with the rest of the
// file saved in a form that a second save leaves unchanged.
#include "platform/Registry.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string TempFile() {
    char name[] = "/tmp/tevano-registry-fuzz-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0)
        ::close(fd);
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string file = TempFile();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!platform::WriteFileBytes(file, bytes))
        return 0;
    platform::Registry registry(file);
    std::string value;
    registry.ReadString(platform::RegistryRoot::CurrentUser, "Software\\Tevano", "Language", value);
    registry.KeyExists(platform::RegistryRoot::ClassesRoot, ".chem");

    // The written value is the input's first line, so it carries quotes, backslashes and
    // any other byte the fuzzer likes.
    const std::string written = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (!registry.WriteString(platform::RegistryRoot::CurrentUser, "Software\\Tevano", "Value",
                              written))
        std::abort();
    std::string first, second;
    platform::ReadFileBytes(file, first);
    if (!registry.ReadString(platform::RegistryRoot::CurrentUser, "software\\tevano", "value",
                             value) ||
        value != written)
        std::abort();
    registry.WriteString(platform::RegistryRoot::CurrentUser, "Software\\Tevano", "Value", written);
    platform::ReadFileBytes(file, second);
    if (first != second)
        std::abort();
    return 0;
}
