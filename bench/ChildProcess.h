#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace plivant::bench {

// A program started for a measurement, with environment variables added to this process's
// own. Stopped (SIGKILL) and reaped when it goes out of scope.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& command,
                 const std::map<std::string, std::string>& environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    bool Running();
    // Resident memory in bytes, from /proc; 0 when the process is gone.
    long ResidentBytes() const;
    // Processor time of all its threads so far, in seconds (the scheduler's nanosecond count):
    // unlike the time on the clock, it hardly depends on what else the machine runs.
    double CpuSeconds() const;

private:
    pid_t pid_ = -1;
};

}  // namespace plivant::bench
