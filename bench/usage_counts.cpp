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

// Wine's layout of a GDI handle table entry (as on Windows).
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
const int kGdiHandles = 16384;

// The PEB's GdiSharedHandleTable, found through the thread's TEB.
const GdiHandleEntry* GdiTable()
{
    typedef const BYTE*(WINAPI * CurrentTeb)();
    CurrentTeb currentTeb = reinterpret_cast<CurrentTeb>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtCurrentTeb")));
    if (!currentTeb)
        return nullptr;
    const BYTE* teb = currentTeb();
#ifdef _WIN64
    const BYTE* peb = *reinterpret_cast<const BYTE* const*>(teb + 0x60);
    return *reinterpret_cast<GdiHandleEntry* const*>(peb + 0xF8);
#else
    const BYTE* peb = *reinterpret_cast<const BYTE* const*>(teb + 0x30);
    return *reinterpret_cast<GdiHandleEntry* const*>(peb + 0x94);
#endif
}

long CountGdiObjects()
{
    const GdiHandleEntry* table = GdiTable();
    if (!table)
        return -1;
    long count = 0;
    for (int i = 0; i < kGdiHandles; ++i) {
        if (table[i].type != 0)
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
    UsageCounts before = CountUsage();
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    void* block = HeapAlloc(GetProcessHeap(), 0, 100000);
    UsageCounts during = CountUsage();
    HeapFree(GetProcessHeap(), 0, block);
    DestroyWindow(window);
    DeleteObject(brush);
    CloseHandle(event);
    if (during.handles != before.handles + 1)
        faults += " handles";
    if (before.gdiObjects < 0 || during.gdiObjects != before.gdiObjects + 1)
        faults += " GDI objects";
    if (during.windows != before.windows + 1)
        faults += " windows";
    if (during.heapBytes < before.heapBytes + 100000)
        faults += " heap bytes";
    return faults;
}
