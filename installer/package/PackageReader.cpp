#include "installer/package/PackageReader.h"

#include "installer/package/BzipStream.h"
#include "installer/package/EntryFile.h"
#include "installer/package/LooseFiles.h"
#include "installer/package/PackageFormat.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Texts.h"

#include <QFile>

#include <algorithm>
#include <charconv>

namespace package {

namespace {

ReaderState& State() {
    static ReaderState state;
    [[maybe_unused]] static const bool started =
        (state.SourceFolder = platform::ExtractFilePath(platform::ProgramFilePath()), true);
    return state;
}

// Index text as lines; empty lines name nothing and are left out.
Lines IndexLines(const std::string& text) {
    Lines lines = platform::SplitLines(text);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return lines;
}

Lines ReadIndex(const PackageFile& file) {
    const uint64_t size = file.Size();
    if (size < TrailerSize)
        return {};
    const std::string trailer = file.ReadAt(size - TrailerSize, TrailerSize);
    const uint64_t magicOffset = ReadU32(trailer.data() + 4);
    if (magicOffset == 0 || magicOffset >= size || size - magicOffset < Magic.size() ||
        file.ReadAt(magicOffset, Magic.size()) != Magic)
        return {};
    const uint64_t indexOffset = ReadU32(trailer.data());
    if (indexOffset == 0 || indexOffset >= size)
        throw PackageError("the package index offset " + std::to_string(indexOffset) +
                           " lies outside the file");
    const std::string header = file.ReadAt(indexOffset, ChunkHeaderSize);
    const std::string_view tag(header.data(), 4);
    if (tag != TagIndexPacked && tag != TagIndexPlain)
        return {};
    const uint64_t length = ReadU32(header.data() + 4);
    if (tag == TagIndexPlain && length > MaxUnpackedIndexSize)
        throw PackageError("the package index is larger than " +
                           std::to_string(MaxUnpackedIndexSize) + " bytes");
    const std::string payload = file.ReadAt(indexOffset + ChunkHeaderSize, length);
    if (tag == TagIndexPlain)
        return IndexLines(payload);
    std::string text;
    UnpackStream(payload, text, MaxUnpackedIndexSize);
    return IndexLines(text);
}

[[noreturn]] void ThrowForEntry(std::string_view name, const std::exception& e) {
    throw PackageError("package entry \"" + std::string(name) + "\": " + e.what());
}

// Where an entry comes from: a loose file, else a line of the package index.
struct EntrySource {
    std::string LoosePath;
    std::optional<std::string> IndexValue;
};

EntrySource Locate(std::string_view name) {
    EntrySource source;
    source.LoosePath = FindLooseFile(State().SourceFolder, name);
    if (source.LoosePath.empty() && State().PackageOpen)
        source.IndexValue = FindIndexValue(name);
    return source;
}

// Reads and decodes the entry of an index line. False when its chunk has an unknown tag;
// packed tells whether delivery errors are to be caught.
bool ReadEntry(std::string_view name, const std::string& indexValue, std::string& bytes,
               bool& packed, uint64_t limit = 0) {
    try {
        PackageChunk chunk = ReadChunk(IndexOffset(indexValue));
        packed = chunk.Tag == TagPacked;
        return ChunkBytes(std::move(chunk), bytes, limit);
    } catch (const PackageError& e) {
        ThrowForEntry(name, e);
    }
}

// A delivery failure: false for a packed entry, an error for a stored one.
bool DeliveryFailed(std::string_view name, bool packed, const std::string& reason) {
    if (packed)
        return false;
    throw PackageError("package entry \"" + std::string(name) + "\": " + reason);
}

// Writes a PACK or FILE chunk's entry to path, decoding straight into the file. False
// with the reason in error when the file cannot be written; throws PackageError on
// damaged data, leaving any earlier file at path as it was.
bool WriteEntryFile(const PackageChunk& chunk, const std::string& path, std::string& error) {
    EntryFile file;
    if (!file.Create(path, error))
        return false;
    bool written = true;
    if (chunk.Tag == TagPacked)
        UnpackPieces(chunk.Payload, MaxUnpackedEntrySize(State().PackageStream.Size()),
                     [&](std::string_view piece) { return written = file.Write(piece, error); });
    else
        written = file.Write(chunk.Payload, error);
    return written && file.Commit(error);
}

const char* PictureFormat(std::string_view name) {
    const std::string ext = UpperAscii(platform::ExtractFileExt(name));
    if (ext == ".BMP")
        return "BMP";
    if (ext == ".JPG")
        return "JPG";
    return nullptr;
}

} // namespace

ReaderState& Reader() {
    return State();
}

void ResetReader() {
    ReaderState& s = State();
    s.PackageStream.Close();
    s.PackageIndex.clear();
    s.PackageOpen = false;
    s.OpenError.clear();
    s.PathPrefix.clear();
    s.LanguageCode.clear();
    s.LanguageTexts.clear();
    s.SourceFolder = platform::ExtractFilePath(platform::ProgramFilePath());
}

bool OpenPackage() {
    ReaderState& s = State();
    s.PackageIndex.clear();
    s.OpenError.clear();
    if (s.PackageStream.IsOpen()) {
        try {
            s.PackageIndex = ReadIndex(s.PackageStream);
        } catch (const std::exception& e) {
            s.PackageIndex.clear();
            s.OpenError = e.what();
        }
    }
    std::stable_sort(
        s.PackageIndex.begin(), s.PackageIndex.end(),
        [](const std::string& a, const std::string& b) { return LessTextAscii(a, b); });
    s.PackageOpen = !s.PackageIndex.empty();
    return s.PackageOpen;
}

std::optional<std::string> FindIndexValue(std::string_view name) {
    for (const std::string& line : State().PackageIndex) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos && SameTextAscii(std::string_view(line).substr(0, eq), name))
            return line.substr(eq + 1);
    }
    return std::nullopt;
}

PackageChunk ReadChunk(uint64_t offset) {
    const PackageFile& file = State().PackageStream;
    const std::string header = file.ReadAt(offset, ChunkHeaderSize);
    PackageChunk chunk;
    chunk.Tag = header.substr(0, 4);
    chunk.Offset = offset;
    chunk.Payload = file.ReadAt(offset + ChunkHeaderSize, ReadU32(header.data() + 4));
    return chunk;
}

uint64_t IndexOffset(std::string_view indexValue) {
    const std::string field = GetField(indexValue, 1, '|');
    uint64_t offset = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), offset);
    if (field.empty() || ec != std::errc() || end != field.data() + field.size())
        throw PackageError("the index offset \"" + field + "\" is not a number");
    return offset;
}

bool ChunkBytes(PackageChunk&& chunk, std::string& bytes, uint64_t limit) {
    bytes.clear();
    if (limit == 0)
        limit = MaxUnpackedEntrySize(State().PackageStream.Size());
    if (chunk.Tag == TagStored) {
        if (chunk.Payload.size() > limit)
            throw PackageError("the entry is larger than " + std::to_string(limit) + " bytes");
        bytes = std::move(chunk.Payload);
        return true;
    }
    if (chunk.Tag != TagPacked)
        return false;
    const std::string payload = std::move(chunk.Payload);
    UnpackStream(payload, bytes, limit);
    return true;
}

bool LoadPackageEntry(std::string_view name, Lines& lines) {
    if (name.empty())
        return false;
    lines.clear();
    const EntrySource source = Locate(name);
    if (source.IndexValue) {
        std::string bytes;
        bool packed = false;
        if (!ReadEntry(name, *source.IndexValue, bytes, packed, MaxTextEntrySize))
            return false;
        lines = platform::SplitLines(bytes);
        return true;
    }
    if (source.LoosePath.empty())
        return false;
    if (platform::ReadFileLines(source.LoosePath, lines))
        return true;
    lines.clear();
    return false;
}

bool LoadPackageEntry(std::string_view name, QImage& picture) {
    if (name.empty())
        return false;
    const EntrySource source = Locate(name);
    if (source.IndexValue) {
        std::string bytes;
        bool packed = false;
        if (!ReadEntry(name, *source.IndexValue, bytes, packed))
            return false;
        const char* format = PictureFormat(name);
        if (!format)
            return false;
        QImage image;
        if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                qsizetype(bytes.size()), format))
            return DeliveryFailed(name, packed, "not a readable picture");
        picture = std::move(image);
        return true;
    }
    if (source.LoosePath.empty())
        return false;
    QImage image;
    if (!image.load(QFile::decodeName(source.LoosePath.c_str())))
        return false;
    picture = std::move(image);
    return true;
}

bool LoadPackageEntry(std::string_view name, FileTarget& target) {
    if (name.empty())
        return false;
    const EntrySource source = Locate(name);
    if (source.IndexValue) {
        bool packed = false;
        std::string error;
        bool written = false;
        try {
            const PackageChunk chunk = ReadChunk(IndexOffset(*source.IndexValue));
            packed = chunk.Tag == TagPacked;
            if (!packed && chunk.Tag != TagStored)
                return false;
            written = WriteEntryFile(chunk, target.Path, error);
        } catch (const PackageError& e) {
            ThrowForEntry(name, e);
        }
        return written || DeliveryFailed(name, packed, error);
    }
    if (source.LoosePath.empty())
        return false;
    target.Path = source.LoosePath;
    return true;
}

void LoadMemoText(Lines& lines, std::string_view value) {
    if (value.empty()) {
        lines.clear();
        return;
    }
    if (value.front() == '$') {
        lines = platform::SplitLines(ReplaceChar(std::string(value.substr(1)), '|', '\r'));
        return;
    }
    LoadPackageEntry(State().PathPrefix + std::string(value), lines);
}

} // namespace package
