#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "support/WaitFor.h"

namespace plivant {
namespace {

using Role = SingleInstance::Role;
using namespace std::chrono_literals;

// A later start claims from its own thread, as from another process: the first one answers
// from the event loop of this thread.
Role ClaimElsewhere(const QString& folder, const QString& key, std::chrono::milliseconds patience) {
    std::atomic<bool> done = false;
    Role role = Role::NoAnswer;
    std::thread other([&] {
        SingleInstance later(folder, key);
        role = later.Claim(patience);
        done = true;
    });
    test::WaitFor([&] { return done.load(); }, patience + 2s);
    other.join();
    return role;
}

TEST(SingleInstanceTest, ALaterStartHandsItsRequestToTheFirst) {
    QTemporaryDir folder;
    SingleInstance first(folder.path(), "k");
    int shown = 0;
    first.ShowRequested = [&] { ++shown; };
    ASSERT_EQ(first.Claim(), Role::First);
    EXPECT_TRUE(QFileInfo(first.SocketPath()).exists());

    EXPECT_EQ(ClaimElsewhere(folder.path(), "k", 3s), Role::Handed);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ClaimElsewhere(folder.path(), "other key", 3s), Role::First);
    EXPECT_EQ(shown, 1);
}

TEST(SingleInstanceTest, TheLockAndSocketOfAKilledStartAreTakenOver) {
    QTemporaryDir folder;
    // A process that has ended: its lock names it, its socket file is left behind.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QFile lock(folder.filePath("plivant-k.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nplivant\n" + QHostInfo::localHostName().toUtf8() +
               "\n");
    lock.close();
    QFile socket(folder.filePath("plivant-k.socket"));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();

    SingleInstance next(folder.path(), "k");
    EXPECT_EQ(next.Claim(1s), Role::First);
    EXPECT_EQ(ClaimElsewhere(folder.path(), "k", 3s), Role::Handed);
}

TEST(SingleInstanceTest, AHolderThatDoesNotAnswerIsReportedWhenThePatienceEnds) {
    QTemporaryDir folder;
    QLockFile held(folder.filePath("plivant-k.lock"));
    ASSERT_TRUE(held.tryLock(0));
    SingleInstance later(folder.path(), "k");
    EXPECT_EQ(later.Claim(300ms), Role::NoAnswer);
}

TEST(SingleInstanceTest, KeysPerSessionAndConfiguration) {
    const QByteArray saved = qgetenv("DISPLAY"), savedWayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":1");
    const QString a = InstanceKey("/c/Plivant.reg", "/c/servers.ini");
    EXPECT_EQ(InstanceKey("/c/Plivant.reg", "/c/servers.ini"), a);
    EXPECT_NE(InstanceKey("/d/Plivant.reg", "/d/servers.ini"), a);
    EXPECT_NE(InstanceKey("/c/Plivant.reg", "/bin/servers.ini"), a);
    qputenv("DISPLAY", ":2");
    EXPECT_NE(InstanceKey("/c/Plivant.reg", "/c/servers.ini"), a);
    qputenv("DISPLAY", saved);
    if (!savedWayland.isNull()) qputenv("WAYLAND_DISPLAY", savedWayland);
}

}  // namespace
}  // namespace plivant
