#include "usage_counts.h"

#include "gui_counts.h"

#include <windows.h>

#include <vector>

namespace {

// Handles are multiples of 4 handed out lowest first; past a long run of
// free values there are none.
long CountHandles()
{
    const int kFreeRun = 4096;
    long count = 0;
    int free = 0;
    for (ULONG_PTR value = 4; free < kFreeRun; value += 4) {
        DWORD flags;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            free = 0;
        } else {
            ++free;
        }
    }
    return count;
}

long long CountHeapBytes()
{
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    long long bytes = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                bytes += entry.cbData;
        }
        HeapUnlock(heap);
    }
    return bytes;
}

}  // namespace

UsageCounts CountUsage()
{
    UsageCounts counts;
    counts.heapBytes = CountHeapBytes();
    counts.handles = CountHandles();
    GuiCounts gui = CountGuiObjects();
    counts.gdiObjects = gui.gdiObjects;
    counts.windows = gui.windows;
    return counts;
}

std::string CheckUsageCounts()
{
    std::string faults;
    long handles = CountHandles();
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (CountHandles() != handles + 1)
        faults += " handles";
    CloseHandle(event);

    faults += CheckGuiCounting();

    long long heapBytes = CountHeapBytes();
    void* block = HeapAlloc(GetProcessHeap(), 0, 100000);
    if (CountHeapBytes() < heapBytes + 100000)
        faults += " heap bytes";
    HeapFree(GetProcessHeap(), 0, block);
    return faults;
}
