// bzip2 decoding of package entries and of the package index through libbz2.
//
// The decoder is a small stream: compressed bytes go in, decoded bytes come out in pieces
// of 65,536 bytes, so a caller can write them away, count them or collect them without
// holding a second copy while decoding.
#pragma once

#include <bzlib.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace package {

constexpr size_t UnpackPieceSize = 65536;

class BzipReader {
public:
    // Reads the bzip2 stream held in source (which must outlive the reader).
    explicit BzipReader(std::string_view source);
    ~BzipReader();
    BzipReader(const BzipReader&) = delete;
    BzipReader& operator=(const BzipReader&) = delete;

    // Decodes up to size bytes into buffer; returns how many, 0 at the end of the stream.
    // Throws PackageError when the data is not a complete, valid bzip2 stream. Bytes
    // after the end of the stream are ignored.
    size_t Read(char* buffer, size_t size);

private:
    bz_stream stream{};
    std::string_view source;
    bool finished = false;
};

// Calls sink with each decoded piece of at most UnpackPieceSize bytes until the stream
// ends or sink returns false; returns the number of bytes decoded. Throws PackageError on
// damaged data or when the total would pass limit.
uint64_t UnpackPieces(std::string_view source, uint64_t limit,
                      const std::function<bool(std::string_view)>& sink);

// Decodes the bzip2 stream in source and appends the bytes to destination. Throws
// PackageError on damaged data or when more than limit bytes would come out.
void UnpackStream(std::string_view source, std::string& destination, uint64_t limit);

} // namespace package
