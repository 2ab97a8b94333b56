// Start-up of the client as a user sees it, against a plain Qt main window (menu bar, 101-row
// table, status bar) measured in the same run: from the program's start to its main window
// mapped on an X server of its own (Xvfb, no window manager) and first drawn into, the
// processor time it took to get there, and the resident memory 5 s after the start. The client runs
// once skinned and once with the skin off (PLIVANT_SKIN=off), against the demo wire. Each iteration
// starts all three programs in turn, so that a busy machine weighs on all of them alike; the
// counters are medians.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <optional>
#include <random>
#include <thread>

#include "ChildProcess.h"
#include "WindowWatch.h"

namespace {

using namespace plivant::bench;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Env = std::map<std::string, std::string>;

struct Program {
    const char* Name;
    std::vector<std::string> Command;
    std::string Title;
    Env Environment;
};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

int FreePort() {
    static std::mt19937 random{std::random_device{}()};
    return 20000 + int(random() % 20000);
}

// An X server, the demo wire and a configuration of the client's own, for the whole run.
class Stage {
public:
    Stage() {
        for (int attempt = 0; attempt < 20 && !watch_; ++attempt) StartDisplay();
        if (!watch_) return;
        const int port = FreePort(), daytime = port + 1, http = port + 2;
        server_.emplace(
            std::vector<std::string>{PLIVANT_DEMO_SERVER, "--port", std::to_string(port),
                                     "--daytime-port", std::to_string(daytime), "--http-port",
                                     std::to_string(http), "--rate", "0"},
            Env{});
        WriteConfiguration(port, daytime, http);
    }

    WindowWatch* Watch() { return watch_ ? &*watch_ : nullptr; }
    const std::string& Display() const { return display_; }
    std::string Config() const { return dir_.filePath("config").toStdString(); }
    std::string Runtime() const { return dir_.filePath("runtime").toStdString(); }

private:
    void StartDisplay() {
        const std::string display = ":" + std::to_string(1000 + FreePort() % 30000);
        if (QFile::exists(QString("/tmp/.X%1-lock").arg(display.substr(1).c_str()))) return;
        xvfb_.reset();
        xvfb_.emplace(std::vector<std::string>{"/usr/bin/Xvfb", display, "-screen", "0",
                                               "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                      Env{});
        for (int i = 0; i < 100 && xvfb_->Running(); ++i) {
            try {
                watch_.emplace(display);
                display_ = display;
                return;
            } catch (const std::exception&) {
                std::this_thread::sleep_for(50ms);
            }
        }
    }

    void WriteConfiguration(int port, int daytime, int http) {
        QDir(dir_.path()).mkpath("config/Brellan");
        QDir(dir_.path()).mkpath("runtime");
        QFile::setPermissions(dir_.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile servers(dir_.filePath("config/Brellan/servers.ini"));
        if (servers.open(QIODevice::WriteOnly)) servers.write("127.0.0.1");
        const QString text =
            QString::fromUtf8(
                "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n"
                "\"показывать время\"=dword:00000001\r\n\"показывать ID\"=dword:00000001\r\n"
                "\"показывать дату\"=dword:00000001\r\n\"показывать флаги\"=dword:00000001\r\n"
                "\"порт\"=\"%1\"\r\n\"количество новостей\"=\"100\"\r\n"
                "\"Подключаться при включении\"=dword:00000001\r\n\"язык "
                "новостей\"=dword:00000000\r\n"
                "\"адрес заголовков\"=\"http://127.0.0.1:%2/fxnews.txt\"\r\n"
                "\"сервер времени\"=\"127.0.0.1:%3\"\r\n\r\n")
                .arg(port)
                .arg(http)
                .arg(daytime);
        QFile registry(dir_.filePath("config/Brellan/Plivant.reg"));
        if (registry.open(QIODevice::WriteOnly)) {
            registry.write(QStringEncoder("windows-1251").encode(text));
        }
    }

    QTemporaryDir dir_;
    std::optional<ChildProcess> xvfb_;
    std::optional<WindowWatch> watch_;
    std::optional<ChildProcess> server_;
    std::string display_;
};

Stage& TheStage() {
    static Stage stage;
    return stage;
}

std::vector<Program> Programs() {
    const Stage& stage = TheStage();
    const Env base{{"DISPLAY", stage.Display()},
                   {"QT_QPA_PLATFORM", "xcb"},
                   {"XDG_CONFIG_HOME", stage.Config()},
                   {"XDG_RUNTIME_DIR", stage.Runtime()}};
    Env skinOff = base;
    skinOff["PLIVANT_SKIN"] = "off";
    const std::string client = "Vetrasol Plivant 1.0 beta";
    return {{"plain", {PLIVANT_PLAIN_WINDOW}, "Plain window", base},
            {"client", {PLIVANT_CLIENT}, client, base},
            {"unskinned", {PLIVANT_CLIENT}, client, skinOff}};
}

// Program start to the main window mapped, and to its first drawing.
void BM_StartToVisibleWindow(benchmark::State& state) {
    WindowWatch* watch = TheStage().Watch();
    if (!watch) return state.SkipWithError("no X server");
    const std::vector<Program> programs = Programs();
    std::map<std::string, std::vector<double>> mapped, painted, cpu;
    for (auto _ : state) {
        for (const Program& program : programs) {
            const auto start = Clock::now();
            ChildProcess child(program.Command, program.Environment);
            double cpuAtPaint = 0;
            auto times =
                watch->WaitFor(program.Title, 20s, [&] { cpuAtPaint = child.CpuSeconds(); });
            if (!times) return state.SkipWithError(program.Name);
            mapped[program.Name].push_back(Seconds(times->Mapped - start));
            painted[program.Name].push_back(Seconds(times->Painted - start));
            cpu[program.Name].push_back(cpuAtPaint);
        }
        state.SetIterationTime(mapped["client"].back());
    }
    for (const Program& program : programs) {
        state.counters[std::string(program.Name) + "_mapped_s"] = Median(mapped[program.Name]);
        state.counters[std::string(program.Name) + "_painted_s"] = Median(painted[program.Name]);
        state.counters[std::string(program.Name) + "_cpu_s"] = Median(cpu[program.Name]);
    }
    state.counters["client_per_plain"] = Median(painted["client"]) / Median(painted["plain"]);
    state.counters["skinned_per_unskinned"] =
        Median(painted["client"]) / Median(painted["unskinned"]);
    // The same by processor time to the first picture, which a busy machine hardly moves.
    state.counters["cpu_client_per_plain"] = Median(cpu["client"]) / Median(cpu["plain"]);
    state.counters["cpu_skinned_per_unskinned"] = Median(cpu["client"]) / Median(cpu["unskinned"]);
}
BENCHMARK(BM_StartToVisibleWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(25);

// Resident memory 5 s after the start, when the history is in and the clock runs.
void BM_ResidentAfterFiveSeconds(benchmark::State& state) {
    if (!TheStage().Watch()) return state.SkipWithError("no X server");
    const std::vector<Program> programs = Programs();
    std::map<std::string, std::vector<double>> resident;
    for (auto _ : state) {
        for (const Program& program : programs) {
            const auto start = Clock::now();
            ChildProcess child(program.Command, program.Environment);
            std::this_thread::sleep_until(start + 5s);
            if (!child.Running()) return state.SkipWithError(program.Name);
            resident[program.Name].push_back(double(child.ResidentBytes()) / (1 << 20));
        }
    }
    for (const Program& program : programs) {
        state.counters[std::string(program.Name) + "_MiB"] = Median(resident[program.Name]);
    }
}
BENCHMARK(BM_ResidentAfterFiveSeconds)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
