// Layout of the package appended behind the installer's executable image, shared by the
// reader and the package builder.
//
// All integers are unsigned 32-bit little-endian and all offsets count from the start of
// the whole file (executable image and package together):
//   P          magic "TEVANO_PACKAGE" (14 bytes, no terminator)
//   P + 14     entry chunks: tag "PACK" (one bzip2 stream) or "FILE" (bytes as they
//              are), u32 payload length, payload
//   I          index chunk: tag "IDXZ" (bzip2 text) or "IDXF" (plain text), u32 length,
//              payload; one CR LF line per entry: name=offset|length
//   end - 8    u32 I
//   end - 4    u32 P
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace package {

constexpr std::string_view Magic = "TEVANO_PACKAGE";
constexpr std::string_view TagPacked = "PACK";
constexpr std::string_view TagStored = "FILE";
constexpr std::string_view TagIndexPacked = "IDXZ";
constexpr std::string_view TagIndexPlain = "IDXF";
constexpr uint32_t ChunkHeaderSize = 8; // tag and payload length
constexpr uint32_t TrailerSize = 8;     // index offset and magic offset

// A damaged package: data that runs past the end of the file, an offset that is not a
// number, bzip2 data that does not decode or decodes to more than the allowed size, an
// entry that cannot be delivered. The message says what and where.
class PackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most bytes one entry may decode to in a package file of the given size. Real
// content does not shrink by more than a few times; a bzip2 stream that expands far
// beyond its file is refused instead of filling memory.
uint64_t MaxUnpackedEntrySize(uint64_t packageFileSize);
// The most bytes the index may hold (a line per entry, far above any real product), and
// an entry loaded as text lines (setup files, texts, the job script). Lines cost more
// memory than their bytes, so text is held to a tighter bound than other entries.
constexpr uint64_t MaxUnpackedIndexSize = 8u << 20;
constexpr uint64_t MaxTextEntrySize = 8u << 20;

uint32_t ReadU32(const char* bytes);
void AppendU32(std::string& out, uint32_t value);

} // namespace package
