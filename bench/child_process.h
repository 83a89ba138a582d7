#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace quirvo::bench {

// One run of another program, timed as a whole.
struct ChildRun {
    bool started = false;
    int exitCode = -1;      // -1 when it did not exit by itself
    bool capped = false;    // stopped at the time cap
    double wallSeconds = 0;
    double cpuSeconds = 0;  // user + system time of the child
    std::string out;        // its standard output
};

// Runs argv[0] with standard output caught and standard error thrown away,
// and stops it after capSeconds of CPU time (the kernel's CPU limit) or ten
// times that on the clock. Wall time is measured here, CPU time comes from
// the kernel: on a loaded machine the cap and the CPU time stay fair, the
// wall time does not.
inline ChildRun runChild(const std::vector<std::string>& command, double capSeconds) {
    namespace fs = std::filesystem;
    ChildRun run;
    const fs::path outFile = fs::temp_directory_path() / ("fill_bench_child_" + std::to_string(getpid()) + ".out");
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    run.started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!run.started) return run;
    const rlim_t cpuCap = rlim_t(capSeconds) + 1;
    const rlimit limit{cpuCap, cpuCap + 5};
    prlimit(pid, RLIMIT_CPU, &limit, nullptr);
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (done == pid) {
            run.wallSeconds = elapsed;
            break;
        }
        if (elapsed > 10 * capSeconds && !run.capped) {
            run.capped = true;
            kill(pid, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    run.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) run.capped = true;
    std::ifstream in(outFile);
    std::stringstream text;
    text << in.rdbuf();
    run.out = text.str();
    fs::remove(outFile);
    return run;
}

}  // namespace quirvo::bench
