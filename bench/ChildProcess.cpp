#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace plivant::bench {

namespace {

std::vector<std::string> Environment(const std::map<std::string, std::string>& added) {
    std::vector<std::string> result;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        if (!added.count(entry.substr(0, entry.find('=')))) result.push_back(entry);
    }
    for (const auto& [name, value] : added) result.push_back(name + "=" + value);
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& s : strings) result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           const std::map<std::string, std::string>& environment) {
    std::vector<std::string> args = command;
    std::vector<std::string> env = Environment(environment);
    std::vector<char*> argv = Pointers(args), envp = Pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The programs' own messages would mix with the benchmark's table.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int error = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start " + command.front());
}

ChildProcess::~ChildProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool ChildProcess::Running() { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

long ChildProcess::ResidentBytes() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

}  // namespace plivant::bench

namespace plivant::bench {

double ChildProcess::CpuSeconds() const {
    long long nanoseconds = 0;
    std::error_code error;
    const std::filesystem::path tasks("/proc/" + std::to_string(pid_) + "/task");
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        long long onCpu = 0;
        if (stat >> onCpu) nanoseconds += onCpu;
    }
    return double(nanoseconds) / 1e9;
}

}  // namespace plivant::bench
