#include "tools/pack/PackageBuilder.h"

#include "installer/package/PackageFormat.h"
#include "platform/TextFile.h"
#include "shared/Texts.h"

#include <bzlib.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace pack {

namespace fs = std::filesystem;
using namespace package;

namespace {

// Index order, then byte order between names that differ only in letter case.
bool LessForIndex(const PackEntry& a, const PackEntry& b) {
    if (LessTextAscii(a.Name, b.Name))
        return true;
    return !LessTextAscii(b.Name, a.Name) && a.Name < b.Name;
}

std::string IndexName(const fs::path& relative) {
    std::string name;
    for (const fs::path& part : relative) {
        if (!name.empty())
            name += '\\';
        name += part.string();
    }
    return name;
}

bool AddFile(const fs::path& root, const fs::path& file, std::vector<PackEntry>& entries,
             std::string& error) {
    PackEntry entry;
    entry.Name = IndexName(file.lexically_relative(root));
    if (!platform::ReadFileBytes(file.string(), entry.Bytes, &error))
        return false;
    entries.push_back(std::move(entry));
    return true;
}

bool AddTree(const fs::path& root, const fs::path& start, std::vector<PackEntry>& entries,
             std::string& error) {
    std::error_code ec;
    if (fs::is_regular_file(start, ec))
        return AddFile(root, start, entries, error);
    if (!fs::is_directory(start, ec))
        return true;
    for (fs::recursive_directory_iterator it(start, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && !AddFile(root, it->path(), entries, error))
            return false;
    }
    if (ec) {
        error = start.string() + ": " + ec.message();
        return false;
    }
    return true;
}

uint32_t Offset32(uint64_t offset) {
    if (offset > std::numeric_limits<uint32_t>::max())
        throw std::length_error("the package would pass 4 GiB, beyond its 32-bit offsets");
    return uint32_t(offset);
}

void AppendChunk(std::string& out, std::string_view tag, std::string_view payload) {
    out += tag;
    AppendU32(out, Offset32(payload.size()));
    out += payload;
}

} // namespace

std::string CompressBzip2(std::string_view bytes) {
    if (bytes.size() > std::numeric_limits<unsigned>::max() / 2)
        throw std::length_error("a file of more than 2 GiB cannot be packed");
    // bzip2 output is never longer than the input plus 1% plus 600 bytes.
    unsigned length = unsigned(bytes.size() + bytes.size() / 100 + 600);
    std::string out(length, '\0');
    const int rc = BZ2_bzBuffToBuffCompress(out.data(), &length, const_cast<char*>(bytes.data()),
                                            unsigned(bytes.size()), 9, 0, 0);
    if (rc != BZ_OK)
        throw std::runtime_error("bzip2 compression failed (error " + std::to_string(rc) + ")");
    out.resize(length);
    return out;
}

bool CollectFolder(const std::string& folder, const std::vector<std::string>& items,
                   std::vector<PackEntry>& entries, std::string& error) {
    const fs::path root(folder);
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        error = folder + ": not a folder";
        return false;
    }
    std::vector<PackEntry> found;
    if (items.empty()) {
        if (!AddTree(root, root, found, error))
            return false;
    } else {
        for (const std::string& item : items)
            if (!AddTree(root, root / item, found, error))
                return false;
    }
    std::sort(found.begin(), found.end(), LessForIndex);
    entries = std::move(found);
    return true;
}

std::string BuildPackage(std::string_view stub, const std::vector<PackEntry>& entries,
                         bool plainIndex) {
    if (stub.empty())
        throw std::invalid_argument("the installer stub is empty");
    std::string out(stub);
    const uint32_t magicOffset = Offset32(out.size());
    out += Magic;
    std::string index;
    for (const PackEntry& entry : entries) {
        const uint32_t offset = Offset32(out.size());
        const std::string payload = entry.Stored ? entry.Bytes : CompressBzip2(entry.Bytes);
        AppendChunk(out, entry.Stored ? TagStored : TagPacked, payload);
        index += entry.Name + "=" + std::to_string(offset) + "|" + std::to_string(payload.size()) +
                 "\r\n";
    }
    const uint32_t indexOffset = Offset32(out.size());
    if (plainIndex)
        AppendChunk(out, TagIndexPlain, index);
    else
        AppendChunk(out, TagIndexPacked, CompressBzip2(index));
    AppendU32(out, indexOffset);
    AppendU32(out, magicOffset);
    Offset32(out.size());
    return out;
}

} // namespace pack
