// Memory and handles over many openings of the sheet and of every dialog,
// and over many ticks: counted once the caches are warm and again at the
// end, the difference is the growth.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "applet_host.h"
#include "bench_stores.h"
#include "clocks.h"
#include "driver/80211api.h"
#include "res/resource.h"
#include "result_table.h"
#include "sections.h"
#include "usage_counts.h"

namespace {

const int kCycles = 1000;
const int kWarmCycles = 10;
const int kTicks = 100000;
const int kWarmTicks = 1000;
const UINT_PTR kStatusTimer = 2;

void AddGrowth(const std::string& what, const UsageCounts& warm, const UsageCounts& end)
{
    long long heap = end.heapBytes - warm.heapBytes;
    AddRow("memory and handles", what + ": heap", Figure(static_cast<double>(heap) / 1024, 1, "KB"), "<= 0 KB",
           heap <= 0);
    AddRow("memory and handles", what + ": handles", std::to_string(end.handles - warm.handles), "0",
           end.handles == warm.handles);
    AddRow("memory and handles", what + ": GDI objects", std::to_string(end.gdiObjects - warm.gdiObjects), "0",
           end.gdiObjects == warm.gdiObjects);
    AddRow("memory and handles", what + ": windows", std::to_string(end.windows - warm.windows), "0",
           end.windows == warm.windows);
}

// Runs `cycle` kCycles times, counting after the warm-up and at the end.
void Cycles(const std::string& what, const std::function<void()>& cycle)
{
    UsageCounts warm, end;
    double start = NowMs();
    for (int i = 1; i <= kCycles; ++i) {
        cycle();
        if (i == kWarmCycles)
            warm = CountUsage();
    }
    end = CountUsage();
    AddGrowth(what + " (" + Figure((NowMs() - start) / 1000, 0, "s") + ")", warm, end);
}

void Click(HWND page, int id)
{
    SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

}  // namespace

void MeasureEndurance()
{
    std::string faults = CheckUsageCounts();
    AddRow("memory and handles", "counting checked on an event, a brush, a window, a heap block",
           faults.empty() ? "saw each" : "missed" + faults, "saw each", faults.empty());

    UseFreshStore("Endurance");
    CDriverAdapter* adapter = CVeltoDriverConfigurator::GetInstance()->GetAdapters()->GetAt(0);
    adapter->AddConfiguration("Office");
    AppletHost applet(ProgramFolder() + "\\VyrWLan.cpl");
    applet.Open(nullptr);
    Cycles("1,000 openings of the sheet", [&] { applet.Open(nullptr); });

    // New, Rename and Configure open their dialogs, Delete its question;
    // every one is cancelled.
    applet.Open("1", [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        HWND list = GetDlgItem(page, IDC_CONFIG_PROFILE_LIST);
        LVITEMA selected = {};
        selected.state = selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
        Cycles("1,000 of each dialog", [&] {
            for (int id : {IDC_CONFIG_NEW, IDC_CONFIG_RENAME, IDC_CONFIG_CONFIGURE, IDC_CONFIG_DELETE})
                Click(page, id);
        });
    });

    applet.Open(nullptr, [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        UsageCounts warm, end;
        for (int i = 1; i <= kTicks; ++i) {
            SendMessageA(page, WM_TIMER, kStatusTimer, 0);
            if (i == kWarmTicks)
                warm = CountUsage();
        }
        end = CountUsage();
        AddGrowth("100,000 ticks", warm, end);
    });
}
