#include "package/PackageFixture.h"

#include "installer/package/BzipStream.h"
#include "installer/package/PackageFormat.h"

using namespace package;

std::string EditIndex(const std::string& installer,
                      const std::function<void(std::string& indexText)>& edit) {
    const char* trailer = installer.data() + installer.size() - TrailerSize;
    const uint32_t indexOffset = ReadU32(trailer);
    const uint32_t magicOffset = ReadU32(trailer + 4);
    const std::string tag = installer.substr(indexOffset, 4);
    const uint32_t length = ReadU32(installer.data() + indexOffset + 4);
    std::string text = installer.substr(indexOffset + ChunkHeaderSize, length);
    if (tag == TagIndexPacked) {
        std::string plain;
        UnpackStream(text, plain, MaxUnpackedIndexSize);
        text = plain;
    }
    edit(text);
    std::string out = installer.substr(0, indexOffset);
    out += TagIndexPlain;
    AppendU32(out, uint32_t(text.size()));
    out += text;
    AppendU32(out, indexOffset);
    AppendU32(out, magicOffset);
    return out;
}
