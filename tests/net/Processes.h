// Child processes for the network tests: a program started with its
// standard output on a pipe, read line by line as it comes or whole once
// it has ended. Waiting is on the pipe itself, never on a timer guess.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

struct Process {
    pid_t pid = -1;
    int output = -1;      // the read end of its standard output
    std::string pending;  // read but not yet taken as a line
};

inline Process Launch(const std::string& program, std::vector<std::string> args)
{
    args.insert(args.begin(), program);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    return {pid, pipeEnds[0], {}};
}

// Reads lines until one starts with the prefix, which it returns (without
// the line feed); empty when the output ends first or the time runs out.
// Lines read on the way are kept in seen.
inline std::string ReadLineStarting(Process& process, const std::string& prefix,
                                    std::string& seen, int timeoutMilliseconds = 60000)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    for (;;) {
        for (std::size_t end; (end = process.pending.find('\n')) != std::string::npos;) {
            const std::string line = process.pending.substr(0, end);
            process.pending.erase(0, end + 1);
            seen += line + "\n";
            if (line.rfind(prefix, 0) == 0)
                return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return "";
        pollfd ready{process.output, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            return "";
        char buffer[4096];
        const ssize_t got = read(process.output, buffer, sizeof buffer);
        if (got <= 0)
            return "";
        process.pending.append(buffer, static_cast<std::size_t>(got));
    }
}

// Its whole output (what was not taken as lines yet, then the rest) once it
// has ended, and its exit status (-1: killed by a signal).
inline std::string Finish(Process& process, int& status)
{
    std::string text = process.pending;
    char buffer[4096];
    for (ssize_t got; (got = read(process.output, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(process.output);
    int raw = 0;
    waitpid(process.pid, &raw, 0);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return text;
}
