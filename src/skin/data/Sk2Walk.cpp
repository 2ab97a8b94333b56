#include <set>

#include "skin/data/LittleEndian.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/SkinError.h"

namespace skin {
namespace {

QByteArray RecordName(const ByteReader& in, qint64 record) {
    const QByteArrayView field = in.View(record, sk2::kNameSize);
    const qsizetype zero = field.indexOf('\0');
    return field.first(zero < 0 ? field.size() : zero).toByteArray();
}

// How many data bytes a record of this kind reads: integers and flags have a fixed width
// whatever their DataSize says.
qint64 DataLength(ElementKind kind, uint32_t dataSize) {
    switch (kind) {
        case ekInteger:
            return 4;
        case ekBoolean:
            return 1;
        default:
            return dataSize;
    }
}

}  // namespace

SkinElements ReadSk2Archive(QByteArrayView archive) {
    const ByteReader in(archive);
    if (!in.Has(0, sk2::kHeaderSize)) throw SkinError(kFailedToReadMessage);

    SkinElements elements;
    std::set<qint64> visited;
    qint64 budget = in.Size();
    qint64 record = in.U32(sk2::kFirstRecordField);
    while (in.Has(record, sk2::kRecordSize) && visited.insert(record).second) {
        const qint64 next = in.U32(record + sk2::kNextRecordField);
        if (next == 0) break;  // the terminator
        const uint8_t kind = in.U8(record + sk2::kKindField);
        if (kind <= ekString) {
            const qint64 offset = in.U32(record + sk2::kDataOffsetField);
            const qint64 length =
                DataLength(ElementKind(kind), in.U32(record + sk2::kDataSizeField));
            if (!in.Has(offset, length) || length > budget) break;
            budget -= length;
            elements.push_back(
                {RecordName(in, record), ElementKind(kind), in.View(offset, length).toByteArray()});
        }
        record = next;
    }
    return elements;
}

}  // namespace skin
