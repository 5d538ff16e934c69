#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

pid_t startChild(char **argv, double startMs)
{
    char origin[32];
    std::snprintf(origin, sizeof origin, "%.3f", startMs);
    // The pipe closes on a successful exec; if the exec fails the child writes its errno into it.
    int status[2];
    if (pipe2(status, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return -1;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return -1;
    }
    if (pid == 0) {
        close(status[0]);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        setenv("STARTUP_WATCHER_START_MS", origin, 1);
        execvp(argv[0], argv);
        const int error = errno;
        (void)!write(status[1], &error, sizeof error);
        _exit(127);
    }
    close(status[1]);
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(status[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(status[0]);
    if (got > 0) {
        std::fprintf(stderr, "cannot run %s: %s\n", argv[0], std::strerror(error));
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

MemoryUse readMemoryUse(pid_t pid)
{
    MemoryUse use;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmRSS:"))
            use.rssKib = std::stol(line.substr(6));
        else if (line.starts_with("VmHWM:"))
            use.hwmKib = std::stol(line.substr(6));
    }
    return use;
}

double readCpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *directory = opendir(tasks.c_str());
    if (directory == nullptr)
        return -1;
    double totalNs = 0;
    while (const dirent *entry = readdir(directory)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double runNs = 0;
        if (schedstat >> runNs)
            totalNs += runNs;
    }
    closedir(directory);
    return totalNs / 1e6;
}

bool waitForExit(pid_t pid, int timeoutMs)
{
    const double deadline = nowMs() + timeoutMs;
    for (;;) {
        const pid_t done = waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD))
            return true;
        if (nowMs() >= deadline)
            return false;
        usleep(2000);
    }
}

int terminateChild(pid_t pid)
{
    kill(pid, SIGTERM);
    if (waitForExit(pid, 1000))
        return SIGTERM;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return SIGKILL;
}
