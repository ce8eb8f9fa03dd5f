// The soak's count of USER and GDI objects: what a program makes and must
// free counts, Wine's own caches of regions and display contexts do not.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "gui_counts.h"

namespace {

// "windows +W, GDI objects +G" while `make`'s objects live.
std::string GrowthWhile(const std::function<void(std::function<void(HGDIOBJ)>)>& make)
{
    GuiCounts before = CountGuiObjects(), during;
    std::vector<HGDIOBJ> made;
    make([&](HGDIOBJ object) { made.push_back(object); });
    during = CountGuiObjects();
    for (HGDIOBJ object : made)
        DeleteObject(object);
    return "windows +" + std::to_string(during.windows - before.windows) + ", GDI objects +" +
           std::to_string(during.gdiObjects - before.gdiObjects);
}

TEST(GuiCounts, CountWhatAProgramMakesAndNotWinesCaches)
{
    HWND first = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    MakeLastingSystemObjects();
    using Keep = std::function<void(HGDIOBJ)>;
    struct Row {
        const char* what;
        std::function<void(Keep)> make;
    };
    HWND window = nullptr;
    const Row rows[] = {
        {"a brush, a pen, a font", [](Keep keep) {
             keep(CreateSolidBrush(RGB(1, 2, 3)));
             keep(CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
             keep(CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"));
         }},
        {"a bitmap and a memory DC", [](Keep keep) {
             keep(CreateBitmap(4, 4, 1, 1, nullptr));
             keep(CreateCompatibleDC(nullptr));
         }},
        {"a region", [](Keep keep) { keep(CreateRectRgn(0, 0, 5, 5)); }},
        {"Wine's lasting objects once made", [](Keep) {
             for (int colour = COLOR_SCROLLBAR; colour <= COLOR_MENUBAR; ++colour)
                 GetSysColorBrush(colour);
             HWND scrolls = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 50,
                                            50, nullptr, nullptr, nullptr, nullptr);
             SCROLLINFO range = {sizeof(range), SIF_RANGE | SIF_PAGE, 0, 100, 10, 0, 0};
             SetScrollInfo(scrolls, SB_VERT, &range, TRUE);
             SetScrollInfo(scrolls, SB_HORZ, &range, TRUE);
             UpdateWindow(scrolls);
             DestroyWindow(scrolls);
             HWND held = CreateWindowExA(0, "BUTTON", "", WS_POPUP | WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 0, 50, 20,
                                         nullptr, nullptr, nullptr, nullptr);
             SendMessageA(held, BM_SETSTATE, TRUE, 0);
             UpdateWindow(held);
             DestroyWindow(held);
         }},
        {"a window", [&](Keep) {
             window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
         }},
    };
    std::string actual;
    for (const Row& row : rows)
        actual += std::string(row.what) + ": " + GrowthWhile(row.make) + "\n";
    EXPECT_EQ("a brush, a pen, a font: windows +0, GDI objects +3\n"
              "a bitmap and a memory DC: windows +0, GDI objects +2\n"
              "a region: windows +0, GDI objects +0\n"
              "Wine's lasting objects once made: windows +0, GDI objects +0\n"
              "a window: windows +1, GDI objects +0\n",
              actual);
    DestroyWindow(window);
    DestroyWindow(first);
}

}  // namespace
