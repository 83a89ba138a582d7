#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace quirvo::testing {

// quirvo-diz run through its binary, as a user runs it from a shell.
struct CliRun {
    int status = -1;
    std::string out;
};

inline CliRun runQuirvoDiz(const std::string& arguments) {
    const std::string command = std::string(QUIRVO_CLI_PATH) + " " + arguments + " 2>/dev/null";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    while (const size_t got = fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace quirvo::testing
