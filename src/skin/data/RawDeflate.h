#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace skin {

// Inflates a raw DEFLATE stream (no zlib header) into `output`, appending. Returns true when the
// end of the final block was reached. On damaged or truncated data, or when the output would grow
// past `limit` bytes, it stops and returns false; what was inflated so far stays in `output`
// (at most `limit` + one piece).
bool InflateRaw(QByteArrayView input, qsizetype limit, QByteArray& output);

// A raw DEFLATE stream of `input` at zlib's best compression.
QByteArray DeflateRaw(QByteArrayView input);

}  // namespace skin
