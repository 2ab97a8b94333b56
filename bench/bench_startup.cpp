// The program's start-up, to its window on the screen, with no archive and with one of a million
// items: the archive opens after the window shows, so its size must not count.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>
#include <chrono>

#include "ArchiveBenchItems.h"
#include "BenchView.h"
#include "app/ClientApp.h"
#include "archive/ArchiveFile.h"
#include "archive/BatchWriter.h"
#include "archive/Sqlite.h"
#include "core/AppPaths.h"
#include "core/TextCodec.h"

namespace {

using namespace plivant;
using Clock = std::chrono::steady_clock;
using bench::SpinUntil;

// A configuration that starts no feed and asks no service, and an archive of `items` items in
// the data folder.
struct Installation {
    explicit Installation(int64_t items) {
        QDir(dir.path()).mkpath("config/Brellan");
        QDir(dir.path()).mkpath("data/plivant");
        QFile registry(dir.filePath("config/Brellan/Plivant.reg"));
        registry.open(QIODevice::WriteOnly);
        registry.write(
            Utf8ToWire(
                "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n"
                "\"показывать время\"=dword:00000000\r\n\"показывать ID\"=dword:00000000\r\n"
                "\"показывать дату\"=dword:00000000\r\n\"показывать флаги\"=dword:00000001\r\n"
                "\"порт\"=\"9\"\r\n\"количество новостей\"=\"100\"\r\n"
                "\"Подключаться при включении\"=dword:00000000\r\n"
                "\"язык новостей\"=dword:00000000\r\n"
                "\"адрес заголовков\"=\"http://127.0.0.1:9/fxnews.txt\"\r\n"
                "\"сервер времени\"=\"127.0.0.1:9\"\r\n\r\n")
                .c_str());
        registry.close();
        if (items > 0) Fill(dir.filePath("data/plivant/archive.sqlite3").toStdString(), items);
    }
    void Use() const {
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    }
    static void Fill(const std::string& path, int64_t count) {
        const bench::DemoItems demo;
        auto archive = OpenForWriting(path);
        BatchWriter writer(*archive.Db);
        std::vector<ArchiveItem> batch;
        for (int64_t n = 0; n < count; ++n) {
            batch.push_back(demo.At(n, true));
            if (batch.size() == 5000) {
                writer.Write(batch);
                batch.clear();
            }
        }
        writer.Write(batch);
        archive.Db->Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    QTemporaryDir dir;
};

QMainWindow* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QMainWindow*>(widget)) return window;
    }
    return nullptr;
}

// From nothing to the main window on the screen; the archive's opening, which follows, is
// counted apart (until the status bar's tooltip names the archive).
void Startup(benchmark::State& state, const Installation& installation) {
    installation.Use();
    double archiveReady = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        ClientApp client(AppPaths::ForThisProgram());
        client.Show();
        QMainWindow* window = MainWindow();
        SpinUntil([&] { return window->windowHandle() && window->windowHandle()->isExposed(); });
        state.PauseTiming();
        SpinUntil([&] { return window->statusBar()->toolTip().contains("archive.sqlite3"); });
        archiveReady += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        state.ResumeTiming();
    }
    state.counters["archive_ready_ms"] = archiveReady / double(state.iterations());
}

void BM_StartupWithoutArchive(benchmark::State& state) {
    static const Installation none(0);
    Startup(state, none);
}
BENCHMARK(BM_StartupWithoutArchive)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_StartupWithMillionItemArchive(benchmark::State& state) {
    static const Installation million(1000000);
    Startup(state, million);
}
BENCHMARK(BM_StartupWithMillionItemArchive)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();

}  // namespace
