#include "gui_counts.h"

#include <windows.h>

namespace {

// Regions and display contexts are left out: Wine keeps a cache of
// display contexts and their visible regions, which come and go as windows
// paint, whatever the program does.
long CountGdiObjects()
{
    const ULONG_PTR kIndexes = 0x10000;
    long count = 0;
    for (ULONG_PTR value = 1; value < kIndexes; ++value) {
        DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(value));
        if (type != 0 && type != OBJ_REGION && type != OBJ_DC)
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

}  // namespace

GuiCounts CountGuiObjects()
{
    GuiCounts counts;
    counts.windows = CountWindows();
    counts.gdiObjects = CountGdiObjects();
    return counts;
}

std::string CheckGuiCounting()
{
    std::string missed;
    GuiCounts before = CountGuiObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    GuiCounts with = CountGuiObjects();
    if (with.gdiObjects != before.gdiObjects + 1)
        missed += " a brush";
    // The thread's first window may bring others (an input method's).
    if (with.windows <= before.windows)
        missed += " a window";
    DestroyWindow(window);
    DeleteObject(brush);
    return missed;
}

namespace {

// The system colours' pens come with the buttons' looks: a radio button held
// down (drawn only when it paints between the press and the release) takes
// its own.
void DrawEveryButtonLook()
{
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ original = SelectObject(memory, canvas);
    RECT box = {0, 0, 16, 16};
    const UINT kinds[] = {DFCS_BUTTONRADIO, DFCS_BUTTONCHECK, DFCS_BUTTONPUSH};
    const UINT states[] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_INACTIVE, DFCS_CHECKED | DFCS_PUSHED,
                           DFCS_CHECKED | DFCS_INACTIVE};
    for (UINT kind : kinds) {
        for (UINT state : states)
            DrawFrameControl(memory, &box, DFC_BUTTON, kind | state);
    }
    SelectObject(memory, original);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void PaintBothScrollBars()
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 200, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    SCROLLINFO range = {sizeof(range), SIF_RANGE | SIF_PAGE, 0, 100, 10, 0, 0};
    SetScrollInfo(window, SB_VERT, &range, TRUE);
    SetScrollInfo(window, SB_HORZ, &range, TRUE);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    DestroyWindow(window);
}

}  // namespace

void MakeLastingSystemObjects()
{
    for (int colour = COLOR_SCROLLBAR; colour <= COLOR_MENUBAR; ++colour)
        GetSysColorBrush(colour);
    DrawEveryButtonLook();
    PaintBothScrollBars();
}
