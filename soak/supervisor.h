// The soak as a whole: runs the applet sessions in child processes, one
// after another (a new one continues where the applet ended the last as
// the card went out), watches that the sheet answers within a second,
// checks the store from a new process at the end and prints the figures.
#pragma once

#include <cstdint>

struct SoakOptions {
    uint64_t seed = 0;
    long actions = 300;
    bool printLog = false;  // every line of the sessions' logs as it comes
};

// 0 when no invariant broke; otherwise 1, after the failure and the tail
// of the action log.
int RunSoak(const SoakOptions& options);
