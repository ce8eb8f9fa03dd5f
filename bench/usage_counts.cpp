#include "usage_counts.h"

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

// Wine takes a GDI handle's index without its upper half, so every object
// answers one small handle value.
long CountGdiObjects()
{
    const ULONG_PTR kIndexes = 0x10000;
    long count = 0;
    for (ULONG_PTR value = 1; value < kIndexes; ++value) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0)
            ++count;
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count)
{
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

long CountWindows()
{
    long count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
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
    counts.gdiObjects = CountGdiObjects();
    counts.windows = CountWindows();
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

    long gdiObjects = CountGdiObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (CountGdiObjects() != gdiObjects + 1)
        faults += " GDI objects";
    DeleteObject(brush);

    // The thread's first window may bring others (an input method's).
    long windows = CountWindows();
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (CountWindows() <= windows)
        faults += " windows";
    DestroyWindow(window);

    long long heapBytes = CountHeapBytes();
    void* block = HeapAlloc(GetProcessHeap(), 0, 100000);
    if (CountHeapBytes() < heapBytes + 100000)
        faults += " heap bytes";
    HeapFree(GetProcessHeap(), 0, block);
    return faults;
}
