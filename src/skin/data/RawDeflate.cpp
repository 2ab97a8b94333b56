#include "skin/data/RawDeflate.h"

#include <zlib.h>

#include <stdexcept>

namespace skin {
namespace {

constexpr int kRawWindowBits = -15;  // negative: no zlib header or trailer
constexpr qsizetype kPiece = 32768;

// Inputs here come from files capped well below 4 GiB, so one zlib call takes them whole.
uInt InputSize(QByteArrayView input) {
    if (input.size() > qsizetype(UINT32_MAX)) throw std::length_error("deflate input too large");
    return uInt(input.size());
}

}  // namespace

bool InflateRaw(QByteArrayView input, qsizetype limit, QByteArray& output) {
    z_stream stream{};
    if (inflateInit2(&stream, kRawWindowBits) != Z_OK) return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = InputSize(input);
    int status = Z_OK;
    while (status == Z_OK && output.size() <= limit) {
        const qsizetype used = output.size();
        output.resize(used + kPiece);
        stream.next_out = reinterpret_cast<Bytef*>(output.data() + used);
        stream.avail_out = uInt(kPiece);
        // zlib refuses dynamic blocks with more than 286 literal/length or 30 distance codes.
        status = inflate(&stream, Z_NO_FLUSH);
        output.resize(used + kPiece - stream.avail_out);
        if (status == Z_BUF_ERROR ||
            (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0)) {
            break;  // input ended before the final block did
        }
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

QByteArray DeflateRaw(QByteArrayView input) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kRawWindowBits, 9,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflate initialisation failed");
    }
    const uInt size = InputSize(input);
    QByteArray output(qsizetype(deflateBound(&stream, size)), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = size;
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = uInt(output.size());
    const int status = deflate(&stream, Z_FINISH);
    output.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    if (status != Z_STREAM_END) throw std::runtime_error("deflate failed");
    return output;
}

}  // namespace skin
