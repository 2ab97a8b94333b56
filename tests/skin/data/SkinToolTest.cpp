// Runs plivant-skin as a skin author would.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "SkinTestSupport.h"
#include "skin/builtin/BuiltinSkin.h"
#include "skin/data/ContainerWriter.h"
#include "skin/data/ExtractEntry.h"

namespace skin {
namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun Tool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PLIVANT_SKIN_TOOL), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray ArchiveOf(const QByteArray& container, QByteArrayView password = {}) {
    QByteArray archive;
    EXPECT_EQ(ExtractEntry(container, kSkinEntryName, password, archive), erSuccess);
    return archive;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PlivantSkin, InfoListsTheBuiltInElements) {
    const ToolRun run = Tool({"info", "builtin"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("80 elements\n"));
    EXPECT_EQ(run.out.count('\n'), 81);
    EXPECT_TRUE(run.out.contains("SKIN2_TITLEBAR1                      58 x 48"));
    EXPECT_TRUE(run.out.contains("SKIN2_FORMCOLOR                      0x00F6E4DA"));
    EXPECT_TRUE(run.out.contains("SKIN2_BOTTOMREGIONMINY               -1"));
}

TEST(PlivantSkin, PackOfAnUnpackedSkinGivesTheSameArchive) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("unpacked");
    ToolRun run = Tool({"unpack", "builtin", folder});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(folder + "/SKIN2_TITLEBAR1.bmp"));
    EXPECT_EQ(QImage(folder + "/SKIN2_TITLEBAR1.png").size(), QSize(58, 48));
    EXPECT_TRUE(
        ReadAll(folder + "/elements.txt").contains("integer\tSKIN2_TRANSCOLOR\t0x00FF00FF"));

    const QString plain = dir.filePath("plain.ssk"), secret = dir.filePath("secret.ssk");
    ASSERT_EQ(Tool({"pack", folder, plain}).exitCode, 0);
    ASSERT_EQ(Tool({"pack", folder, secret, "--password", "pa55"}).exitCode, 0);
    const QByteArray builtin = ArchiveOf(BuiltinSkinData());
    EXPECT_EQ(ArchiveOf(ReadAll(plain)), builtin);
    EXPECT_EQ(ArchiveOf(ReadAll(secret), "pa55"), builtin);
    EXPECT_EQ(Tool({"info", secret, "--password", "pa55"}).exitCode, 0);
}

TEST(PlivantSkin, SheetDrawsEveryBitmap) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath("sheet.png");
    const ToolRun run = Tool({"sheet", "builtin", sheet});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(sheet);
    EXPECT_GE(image.width(), 342 * 3);  // the title buttons, enlarged three times
    EXPECT_GT(image.height(), 48 * 3);
}

TEST(PlivantSkin, UnreadableContainersEndWithTheProgramsMessage) {
    QTemporaryDir dir;
    const QString garbage = dir.filePath("garbage.ssk");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, 'S'));
    file.close();

    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"info", garbage}, "Failed to read skin file!"},
        {{"sheet", test::FixturePath("damaged.ssk"), dir.filePath("x.png")},
         "Failed to read skin file!"},
        {{"unpack", test::FixturePath("crc-enciphered.ssk"), dir.filePath("u")}, "Wrong password!"},
        {{"info", test::FixturePath("infozip-enciphered.ssk"), "--password", "bad"},
         "Wrong password!"},
        {{"info", dir.filePath("missing.ssk")}, "Failed to read skin file!"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(c.arguments.join(' '));
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    // A container from Python's zipfile reads fine.
    EXPECT_EQ(Tool({"info", test::FixturePath("plain.ssk")}).exitCode, 0);
}

TEST(PlivantSkin, PackRefusesFilesOutsideTheFolder) {
    QTemporaryDir dir;
    QFile list(dir.filePath("elements.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("bitmap\tSKIN2_BUTTON\t../outside.bmp\n");
    list.close();
    const ToolRun run = Tool({"pack", dir.path(), dir.filePath("out.ssk")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("bad bitmap file name"));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.ssk")));
}

}  // namespace
}  // namespace skin
