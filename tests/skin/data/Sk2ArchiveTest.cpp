#include <gtest/gtest.h>

#include <QtEndian>
#include <functional>

#include "SkinTestSupport.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/Sk2SkinFileReader.h"
#include "skin/data/SkinError.h"

namespace skin {
namespace {

// Lays out archives record by record with any offsets, hostile ones included.
class RawArchive {
public:
    RawArchive() : bytes_("SKINFILE_SK2") {
        Append32(24);
        Append32(2);
        Append32(24);
    }

    // Appends a record and returns its offset; `next` 0 makes it a terminator.
    qint64 Record(const QByteArray& name, uint8_t kind, uint32_t dataOffset, uint32_t dataSize,
                  uint32_t next) {
        const qint64 at = bytes_.size();
        bytes_ += name.leftJustified(64, '\0', true);
        bytes_ += char(kind);
        Append32(dataOffset);
        Append32(dataSize);
        Append32(next);
        return at;
    }
    // Appends data and returns its offset.
    qint64 Data(const QByteArray& data) {
        const qint64 at = bytes_.size();
        bytes_ += data;
        return at;
    }
    qint64 End() const { return bytes_.size(); }
    void Set32(qint64 at, uint32_t value) { qToLittleEndian(value, bytes_.data() + at); }
    void SetNext(qint64 record, uint32_t next) { Set32(record + 73, next); }
    const QByteArray& Bytes() const { return bytes_; }

private:
    void Append32(uint32_t value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes_.append(raw, 4);
    }
    QByteArray bytes_;
};

QByteArray Int(int32_t value) {
    char raw[4];
    qToLittleEndian(value, raw);
    return QByteArray(raw, 4);
}

std::vector<QByteArray> Names(const SkinElements& elements) {
    std::vector<QByteArray> names;
    for (const auto& e : elements) names.push_back(e.Name);
    return names;
}

using Names_ = std::vector<QByteArray>;

TEST(ReadSk2Archive, ReadsWhatTheWriterWrote) {
    const SkinElements elements = {
        SkinElement::Bitmap("SKIN2_BUTTON", test::FilledBmp(6, 2, 0x00FF00FF)),
        SkinElement::Integer("SKIN2_BOTTOMREGIONMINY", -1),
        SkinElement::Boolean("SKIN2_BUTTONTRANS", 1),
        SkinElement::String("SKIN2_AUTHOR", "someone"),
        SkinElement::Integer(QByteArray(64, 'N'), 7),  // a name filling its field
    };
    const QByteArray archive = WriteSk2Archive(elements);
    const SkinElements back = ReadSk2Archive(archive);
    ASSERT_EQ(back.size(), elements.size());
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].Name, elements[i].Name);
        EXPECT_EQ(back[i].Kind, elements[i].Kind);
        EXPECT_EQ(back[i].Data, elements[i].Data);
    }
    EXPECT_EQ(back[1].IntegerValue(), -1);

    // Header, records of 77 bytes with their data right after, the terminator of kind 2.
    EXPECT_TRUE(archive.startsWith("SKINFILE_SK2"));
    EXPECT_EQ(qFromLittleEndian<uint32_t>(archive.constData() + 12), 24u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(archive.constData() + 16), 2u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(archive.constData() + 20), 24u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(archive.constData() + 24 + 65), 24u + 77);
    const QByteArray terminator = archive.right(77);
    EXPECT_EQ(terminator.count('\0'), 76);
    EXPECT_EQ(terminator[64], '\2');
}

TEST(ReadSk2Archive, StepsOverUnknownKindsAndStopsAtTheTerminator) {
    RawArchive a;
    const qint64 first = a.Record("SKIN2_A", 1, 0, 4, 0);
    const qint64 odd = a.Record("SKIN2_ODD", 9, 0, 0, 0);
    const qint64 second = a.Record("SKIN2_B", 2, 0, 1, 0);
    const qint64 terminator = a.Record({}, 2, 0, 0, 0);
    const qint64 after = a.Record("SKIN2_AFTER", 1, 0, 4, 0);
    const qint64 data = a.Data(Int(42));
    a.Set32(first + 65, data);
    a.Set32(second + 65, data);
    a.Set32(after + 65, data);
    a.SetNext(first, odd);
    a.SetNext(odd, second);
    a.SetNext(second, terminator);
    a.SetNext(after, terminator);
    EXPECT_EQ(Names(ReadSk2Archive(a.Bytes())), (Names_{"SKIN2_A", "SKIN2_B"}));
}

TEST(ReadSk2Archive, FirstRecordAsTerminatorGivesNoElements) {
    RawArchive a;
    a.Record({}, 2, 0, 0, 0);
    EXPECT_TRUE(ReadSk2Archive(a.Bytes()).empty());
}

TEST(ReadSk2Archive, HostileChainsEndTheWalk) {
    struct Case {
        const char* what;
        // Where the second record points, given the first record's offset and the archive's end.
        std::function<uint32_t(qint64 first, qint64 end)> next;
        uint32_t dataOffset;  // of the second record; 0: the shared data
        uint32_t dataSize;
        Names_ names;
    };
    const Case cases[] = {
        {"next outside", [](qint64, qint64) { return 0xFFFFFFF0u; }, 0, 1, {"ONE", "TWO"}},
        {"next straddles the end",
         [](qint64, qint64 end) { return uint32_t(end - 10); },
         0,
         1,
         {"ONE", "TWO"}},
        {"loop back to the first",
         [](qint64 first, qint64) { return uint32_t(first); },
         0,
         1,
         {"ONE", "TWO"}},
        {"data size past the end",
         [](qint64, qint64) { return 0xFFFFFFF0u; },
         0,
         0x7FFFFFFF,
         {"ONE"}},
        {"data offset past the end",
         [](qint64, qint64) { return 0xFFFFFFF0u; },
         0x7FFFFF00,
         1,
         {"ONE"}},
    };
    for (const Case& c : cases) {
        RawArchive a;
        const qint64 data = a.Data("xy");
        a.Set32(20, uint32_t(a.End()));
        const qint64 one = a.Record("ONE", 3, data, 1, 0);
        const qint64 two = a.Record("TWO", 3, c.dataOffset ? c.dataOffset : data, c.dataSize, 0);
        a.SetNext(one, two);
        a.SetNext(two, c.next(one, a.End()));
        EXPECT_EQ(Names(ReadSk2Archive(a.Bytes())), c.names) << c.what;
    }
}

TEST(ReadSk2Archive, OverlappingDataCannotMultiplyTheWork) {
    // Many records all naming the same large data: the walk reads no more than the archive holds.
    RawArchive a;
    const qint64 data = a.Data(QByteArray(4000, 'x'));
    a.Set32(20, uint32_t(a.End()));
    for (int i = 0; i < 50; ++i) {
        a.Record("S" + QByteArray::number(i), 3, data, 4000, uint32_t(a.End() + 77));
    }
    a.Record({}, 2, 0, 0, 0);
    const SkinElements elements = ReadSk2Archive(a.Bytes());
    EXPECT_GE(elements.size(), 1u);
    EXPECT_LE(elements.size() * 4000, size_t(a.Bytes().size()));
}

TEST(ReadSk2Archive, IntegersAndFlagsReadTheirOwnWidthAndNamesEndAtZero) {
    RawArchive a;
    const qint64 data = a.Data(Int(0x01020304));
    a.Set32(20, uint32_t(a.End()));
    const qint64 first = a.Record(QByteArray("SKIN2_X\0garbage", 15), 1, data, 100, 0);
    const qint64 second = a.Record("SKIN2_FLAG", 2, data, 0, 0);
    a.SetNext(first, second);
    a.SetNext(second, a.Record({}, 2, 0, 0, 0));
    const SkinElements elements = ReadSk2Archive(a.Bytes());
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].Name, "SKIN2_X");
    EXPECT_EQ(elements[0].IntegerValue(), 0x01020304);
    EXPECT_EQ(elements[1].BooleanValue(), 4);
}

TEST(ReadSk2Archive, ShortHeaderCannotBeRead) {
    try {
        ReadSk2Archive("SKINFILE_SK2");
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "Failed to read skin file!");
    }
}

TEST(WriteSk2Archive, RefusesNamesThatDoNotFitARecord) {
    for (const QByteArray& name : {QByteArray(), QByteArray(65, 'N'), QByteArray("A\0B", 3)}) {
        EXPECT_THROW(WriteSk2Archive({SkinElement::Boolean(name, 1)}), std::invalid_argument);
    }
}

TEST(Tsk2SkinFileReader, RefusesABitmapThatIsNoBmp) {
    const QByteArray good = test::FilledBmp(4, 4, 0x00123456);
    QByteArray truncated = good;
    truncated.chop(10);
    QByteArray huge = good;
    qToLittleEndian(int32_t(100000), huge.data() + 18);  // width far beyond the data
    for (const QByteArray& bad : {QByteArray("GIF89a not a bitmap"), truncated, huge}) {
        const QByteArray archive = WriteSk2Archive(
            {SkinElement::Integer("SKIN2_FORMCOLOR", 1), SkinElement::Bitmap("SKIN2_BUTTON", bad)});
        try {
            Tsk2SkinFileReader::FromArchive(archive);
            ADD_FAILURE() << "no error";
        } catch (const SkinError& e) {
            EXPECT_STREQ(e.what(), InvalidBitmapMessage("SKIN2_BUTTON").c_str());
        }
    }
}

}  // namespace
}  // namespace skin
