// What a process holds, counted without GetGuiResources and
// GetProcessHandleCount, which answer 0 under Wine 8: kernel handles by
// probing handle values with GetHandleInformation, windows and GDI objects
// as the soak counts them (gui_counts.h), and heap bytes by walking every
// heap.
#pragma once

#include <string>

struct UsageCounts {
    long handles = 0;
    long gdiObjects = 0;
    long windows = 0;
    long long heapBytes = 0;
};

UsageCounts CountUsage();
// Checks each count against objects made for the purpose: "" when every
// count saw them, else what did not.
std::string CheckUsageCounts();
