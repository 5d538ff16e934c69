#pragma once

#include <sys/types.h>

// Starting, inspecting and stopping the program the watcher measures.

// Monotonic clock in milliseconds.
double nowMs();

// Forks and execs argv[0] with the given arguments; the child's standard output goes to
// standard error so that it cannot mix with the watcher's result line. The child finds startMs,
// the watcher's time origin on the nowMs() clock, in STARTUP_WATCHER_START_MS. Returns the
// child's pid, or -1 with a message on standard error if the exec failed.
pid_t startChild(char **argv, double startMs);

struct MemoryUse
{
    long rssKib = -1; // VmRSS
    long hwmKib = -1; // VmHWM
};

// Reads VmRSS and VmHWM of the process from /proc/<pid>/status.
MemoryUse readMemoryUse(pid_t pid);

// CPU time in milliseconds that the live threads of the process have run so far, summed from
// /proc/<pid>/task/*/schedstat (nanoseconds, unlike the 10 ms ticks of /proc/<pid>/stat).
// Less disturbed than wall time by other load on the machine.
double readCpuMs(pid_t pid);

// Waits up to timeoutMs for the child to exit; true if it has been reaped.
bool waitForExit(pid_t pid, int timeoutMs);

// Sends SIGTERM and, if that does not end it within a second, SIGKILL; always reaps the child.
// Returns the signal that ended it.
int terminateChild(pid_t pid);
