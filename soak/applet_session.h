// The soak's child process: loads the applet as the Control Panel does and
// opens it again and again, acting as a random user inside each opening,
// until its share of actions is done. It writes one line per event to its
// output, flushed at once, for the supervising process to read even when
// the applet ends this process:
//   opening N / sheet HWND / action I: WHAT / message box: TEXT /
//   dialog: CAPTION / closed: windows +W, GDI objects +G / done
#pragma once

#include <cstdint>

struct SessionPlan {
    uint64_t seed = 0;
    long firstAction = 0;
    long endAction = 0;  // one past the last
};

// The process's exit code: 0 once every action ran and the last opening
// closed; the applet ends the process itself when the card goes out.
int RunAppletSession(const SessionPlan& plan);
