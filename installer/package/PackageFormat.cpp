#include "installer/package/PackageFormat.h"

#include <algorithm>

namespace package {

uint64_t MaxUnpackedEntrySize(uint64_t packageFileSize) {
    // At least 64 MiB so small packages may carry a large but ordinary entry; at most
    // 1 GiB because an entry is held whole in memory.
    constexpr uint64_t Floor = 64u << 20;
    constexpr uint64_t Ceiling = 1u << 30;
    return std::clamp(packageFileSize * 64, Floor, Ceiling);
}

uint32_t ReadU32(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void AppendU32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += char((value >> shift) & 0xFF);
}

} // namespace package
