#include "installer/package/BzipStream.h"

#include "installer/package/PackageFormat.h"

#include <climits>
#include <vector>

namespace package {

namespace {

std::string BzipErrorText(int code) {
    switch (code) {
    case BZ_DATA_ERROR:
    case BZ_DATA_ERROR_MAGIC:
        return "the compressed data is corrupt";
    case BZ_MEM_ERROR:
        return "not enough memory to decode the compressed data";
    default:
        return "the compressed data cannot be decoded (bzip2 error " + std::to_string(code) + ")";
    }
}

} // namespace

BzipReader::BzipReader(std::string_view source) : source(source) {
    const int rc = BZ2_bzDecompressInit(&stream, 0, 0);
    if (rc != BZ_OK)
        throw PackageError(BzipErrorText(rc));
    // libbz2 counts input in unsigned ints; payloads come from u32 lengths, so they fit.
    stream.next_in = const_cast<char*>(source.data());
    stream.avail_in = unsigned(std::min<size_t>(source.size(), UINT_MAX));
}

BzipReader::~BzipReader() {
    BZ2_bzDecompressEnd(&stream);
}

size_t BzipReader::Read(char* buffer, size_t size) {
    if (finished || size == 0)
        return 0;
    stream.next_out = buffer;
    stream.avail_out = unsigned(std::min<size_t>(size, UINT_MAX));
    while (stream.avail_out > 0) {
        const unsigned before = stream.avail_in;
        const unsigned roomBefore = stream.avail_out;
        const int rc = BZ2_bzDecompress(&stream);
        if (rc == BZ_STREAM_END) {
            finished = true; // bytes after the end of the stream are not part of the entry
            break;
        }
        if (rc != BZ_OK)
            throw PackageError(BzipErrorText(rc));
        // All input used and nothing more came out: the stream stops before its end.
        if (stream.avail_in == 0 && before == 0 && stream.avail_out == roomBefore)
            throw PackageError("the compressed data is corrupt: it ends too early");
    }
    return size - stream.avail_out;
}

uint64_t UnpackPieces(std::string_view source, uint64_t limit,
                      const std::function<bool(std::string_view)>& sink) {
    BzipReader reader(source);
    std::vector<char> piece(UnpackPieceSize);
    uint64_t total = 0;
    while (const size_t n = reader.Read(piece.data(), piece.size())) {
        total += n;
        if (total > limit)
            throw PackageError("the compressed data expands beyond " + std::to_string(limit) +
                               " bytes");
        if (!sink(std::string_view(piece.data(), n)))
            break;
    }
    return total;
}

void UnpackStream(std::string_view source, std::string& destination, uint64_t limit) {
    // The pieces are kept apart and joined once at the end: growing one buffer would
    // briefly hold the old and the doubled copy, three times the entry.
    std::vector<std::string> pieces;
    const uint64_t total = UnpackPieces(source, limit, [&](std::string_view piece) {
        pieces.emplace_back(piece);
        return true;
    });
    destination.reserve(destination.size() + total);
    for (std::string& piece : pieces) {
        destination += piece;
        std::string().swap(piece);
    }
}

} // namespace package
