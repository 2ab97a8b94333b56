#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include "SkinTestSupport.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/ExtractEntry.h"

namespace skin {
namespace {

using test::Fixture;
using test::FixturePath;

struct ExtractCase {
    const char* file;
    const char* entry;
    const char* password;
    ExtractResult result;
};

// Containers from Python's zipfile and Info-ZIP (make_fixtures.py).
TEST(ExtractEntry, ContainersMadeByRealArchivers) {
    const ExtractCase cases[] = {
        {"plain.ssk", "SKINDATA.SK2", "", erSuccess},
        {"plain.ssk", "skindata.sk2", "", erSuccess},
        {"plain.ssk", "SKINDATA.SK2", "ignored", erSuccess},
        {"plain.ssk", "OTHER.SK2", "", erFailed},
        {"lowercase-entry.ssk", "SKINDATA.SK2", "", erSuccess},
        {"extras-before.ssk", "SKINDATA.SK2", "", erSuccess},
        {"no-such-file.ssk", "SKINDATA.SK2", "", erFailed},
        {"pk-signature.zip", "SKINDATA.SK2", "", erFailed},
        {"comment.ssk", "SKINDATA.SK2", "", erFailed},
        {"empty-entry.ssk", "SKINDATA.SK2", "", erFailed},
        // Plain entries: damage is a failure, never a wrong password.
        {"size-mismatch.ssk", "SKINDATA.SK2", "", erFailed},
        {"damaged.ssk", "SKINDATA.SK2", "", erFailed},
        {"too-many-lengths.ssk", "SKINDATA.SK2", "", erFailed},
        {"too-many-distances.ssk", "SKINDATA.SK2", "", erFailed},
        // Check byte from the modification time (flag bit 3 set by Info-ZIP) ...
        {"infozip-enciphered.ssk", "SKINDATA.SK2", "secret", erSuccess},
        {"infozip-enciphered.ssk", "SKINDATA.SK2", "wrong", erWrongPassword},
        {"infozip-enciphered.ssk", "SKINDATA.SK2", "", erWrongPassword},
        {"infozip-size-mismatch.ssk", "SKINDATA.SK2", "secret", erWrongPassword},
        // ... and from the CRC (bit 3 clear).
        {"crc-enciphered.ssk", "SKINDATA.SK2", "secret", erSuccess},
        {"crc-enciphered.ssk", "SKINDATA.SK2", "wrong", erWrongPassword},
    };
    const QByteArray payload = Fixture("payload.sk2");
    ASSERT_FALSE(payload.isEmpty());
    QTemporaryDir dir;
    const QString output = dir.filePath("out.sk2");
    for (const ExtractCase& c : cases) {
        const QString what = QStringLiteral("%1 %2 \"%3\"").arg(c.file, c.entry, c.password);
        {
            QFile stale(output);  // a failure must not leave an old output behind either
            ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
            stale.write("stale");
        }
        EXPECT_EQ(ExtractEntry(FixturePath(c.file), c.entry, output, c.password), c.result)
            << qPrintable(what);
        if (c.result == erSuccess) {
            QFile file(output);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(what);
            EXPECT_EQ(file.readAll(), payload) << qPrintable(what);
        } else {
            EXPECT_FALSE(QFile::exists(output)) << qPrintable(what);
        }
    }
}

QByteArray WithUncompressedSize(QByteArray container, uint32_t size) {
    const qsizetype central = container.indexOf("PK\x01\x02");
    qToLittleEndian(size, container.data() + central + 24);
    return container;
}

TEST(ExtractEntry, StopsInflatingPastTheRecordedSize) {
    const QByteArray zeros(4 << 20, '\0');
    QByteArray output;
    EXPECT_EQ(ExtractEntry(WithUncompressedSize(WriteSkinContainer(zeros), 10), kSkinEntryName, {},
                           output),
              erFailed);
    EXPECT_TRUE(output.isEmpty());
    EXPECT_EQ(ExtractEntry(WithUncompressedSize(WriteSkinContainer(zeros, "pw"), 10),
                           kSkinEntryName, "pw", output),
              erWrongPassword);
}

TEST(ExtractEntry, RefusesShortAndForgedContainers) {
    const QByteArray plain = Fixture("plain.ssk");
    QByteArray forged = plain;
    // Central directory offset pointing past the end.
    qToLittleEndian(uint32_t(0xFFFFFF00), forged.data() + forged.size() - 6);
    const QByteArray cases[] = {QByteArray(), QByteArray("S"), QByteArray("SK"), plain.left(40),
                                forged};
    QByteArray output;
    for (const QByteArray& c : cases) {
        EXPECT_EQ(ExtractEntry(c, kSkinEntryName, {}, output), erFailed) << c.size();
    }
}

TEST(WriteSkinContainer, ReadsBackPlainAndEnciphered) {
    const QByteArray payload = Fixture("payload.sk2");
    QByteArray output;
    EXPECT_EQ(ExtractEntry(WriteSkinContainer(payload), kSkinEntryName, {}, output), erSuccess);
    EXPECT_EQ(output, payload);

    const QByteArray enciphered = WriteSkinContainer(payload, "pa55");
    EXPECT_EQ(ExtractEntry(enciphered, kSkinEntryName, "pa55", output), erSuccess);
    EXPECT_EQ(output, payload);
    EXPECT_EQ(ExtractEntry(enciphered, kSkinEntryName, "pa56", output), erWrongPassword);
    EXPECT_EQ(ExtractEntry(enciphered, kSkinEntryName, {}, output), erWrongPassword);
}

TEST(WriteSkinContainer, HasTheSkinLayout) {
    const QByteArray container = WriteSkinContainer(Fixture("payload.sk2"));
    EXPECT_TRUE(container.startsWith("SK\x03\x04"));
    EXPECT_EQ(qFromLittleEndian<uint16_t>(container.constData() + 4), 20);  // version
    EXPECT_EQ(qFromLittleEndian<uint16_t>(container.constData() + 8), 8);   // deflated
    EXPECT_EQ(container.mid(30, 12), "SKINDATA.SK2");
    const QByteArray end = container.right(22);
    EXPECT_TRUE(end.startsWith("PK\x05\x06"));
    const uint32_t central = qFromLittleEndian<uint32_t>(end.constData() + 16);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(end.constData() + 12), 58u);  // one 46 + 12 header
    EXPECT_EQ(container.mid(central, 4), "PK\x01\x02");
    EXPECT_EQ(qFromLittleEndian<uint32_t>(container.constData() + central + 38), 0x20u);
}

// Python's zipfile checks the CRC, the sizes and the cipher of what our writer makes.
TEST(WriteSkinContainer, PythonZipfileReadsIt) {
    const QByteArray payload = Fixture("payload.sk2");
    QTemporaryDir dir;
    for (const QByteArray& password : {QByteArray(), QByteArray("pa55")}) {
        QByteArray zip = WriteSkinContainer(payload, password);
        zip[0] = 'P';  // zipfile wants the standard signature
        QFile file(dir.filePath("skin.zip"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(zip);
        file.close();
        QProcess python;
        python.start("python3", {"-c",
                                 "import sys, zipfile\n"
                                 "z = zipfile.ZipFile(sys.argv[1])\n"
                                 "z.setpassword(sys.argv[2].encode() or None)\n"
                                 "assert z.testzip() is None\n"
                                 "sys.stdout.buffer.write(z.read('SKINDATA.SK2'))\n",
                                 file.fileName(), QString::fromLatin1(password)});
        ASSERT_TRUE(python.waitForFinished(30000));
        EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
        EXPECT_EQ(python.readAllStandardOutput(), payload) << password.toStdString();
    }
}

}  // namespace
}  // namespace skin
