// The package reader: the process-wide reader state, opening the package appended to the
// installer's own file, and loading one named entry as text lines, a picture or a file.
//
// Every entry may also be supplied as a loose file in SourceFolder; a loose file of the
// same name takes precedence over the packaged entry. Names use '\' between folders as
// written in the index; for loose files both '\' and '/' separate folders, and letter
// case is ignored as it is in the index.
//
// Failures: a missing or unrecognisable package is not an error (PackageOpen stays false
// and loads fall back to loose files). A damaged entry throws PackageError: a chunk or
// an offset outside the file, an offset that is not a number, bzip2 data that does not
// decode or expands beyond MaxUnpackedEntrySize, or a stored (FILE) entry that cannot be
// delivered. A packed entry that cannot be delivered (a picture that does not decode, a
// file that cannot be written) and any failure with a loose file give false.
#pragma once

#include "installer/package/PackageFile.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace package {

using Lines = std::vector<std::string>;

struct ReaderState {
    std::string SourceFolder; // folder of the installer's own file, with a trailing separator
    PackageFile PackageStream;
    Lines PackageIndex; // index lines, sorted ignoring letter case
    bool PackageOpen = false;
    std::string OpenError;  // why the last OpenPackage found a package but could not read it
    std::string PathPrefix; // folder prefix of the installer's own entries, may be empty
    std::string LanguageCode;
    Lines LanguageTexts;
};

// The one reader state of the process. SourceFolder starts as the folder of the running
// program; everything else starts empty.
ReaderState& Reader();
// Empties the state, closes the stream and sets SourceFolder to the program's folder.
void ResetReader();

// Reads the trailer and the index of PackageStream into PackageIndex and sets
// PackageOpen; true when the index holds at least one line. Never throws: a damaged
// trailer or index leaves the index empty, with the reason in OpenError.
bool OpenPackage();

// The text after '=' of the first index line for name (letter case ignored), if any.
std::optional<std::string> FindIndexValue(std::string_view name);

// One chunk of the package as it is stored.
struct PackageChunk {
    std::string Tag;
    uint64_t Offset = 0;
    std::string Payload;
};
// Reads the chunk whose tag stands at offset. Throws PackageError when it does not lie
// inside the file.
PackageChunk ReadChunk(uint64_t offset);
// The offset field of an index value ("284686|906"); throws PackageError when it is not
// a number.
uint64_t IndexOffset(std::string_view indexValue);
// The entry's bytes from a PACK or FILE chunk (decoded when packed); false for any other
// tag. Throws PackageError on damage or when the entry holds more than limit bytes
// (by default MaxUnpackedEntrySize of the package file).
bool ChunkBytes(PackageChunk&& chunk, std::string& bytes, uint64_t limit = 0);

// What a file target carries: the destination path in, the path of the data out (the
// destination, or the loose file itself when one is used in place).
struct FileTarget {
    std::string Path;
};

// Loads the named entry into the target; true when something was loaded. Text lines are
// emptied first; a packaged entry of more than MaxTextEntrySize bytes is refused as text. Pictures
// from the package are chosen by the name's extension (.BMP or .JPG, any letter case); loose
// pictures by the platform's image loader.
bool LoadPackageEntry(std::string_view name, Lines& lines);
bool LoadPackageEntry(std::string_view name, QImage& picture);
bool LoadPackageEntry(std::string_view name, FileTarget& target);

// Fills the lines of a page's text box from a setup value: empty value, no lines; "$text"
// with '|' as line breaks; otherwise the package entry PathPrefix + value.
void LoadMemoText(Lines& lines, std::string_view value);

} // namespace package
