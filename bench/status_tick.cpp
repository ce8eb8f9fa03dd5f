// The Status page's tick (Refresh, update, data exchange) driven as fast as
// it goes, and the open applet left alone with its real timer. What Wine
// spends drawing the readings is told apart from the tick's own work: the
// layout twin is made to show the very same changes, and the tick is run
// again with readings that do not change.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <vector>

#include "applet_host.h"
#include "bench_stores.h"
#include "clocks.h"
#include "driver/card_state.h"
#include "driver/store.h"
#include "result_table.h"
#include "sections.h"

namespace {

const int kTicks = 10000;
const UINT_PTR kStatusTimer = 2;
const double kIdleMs = 30000;
// Wine's server writes a changed registry to its files 30 seconds after the
// first change; with the bench's stores of 10,000 profiles that costs it
// most of a second, which must not fall into an idle window.
const double kRegistrySavedMs = 35000;

void PumpMessagesFor(double ms)
{
    double until = NowMs() + ms;
    for (double now = NowMs(); now < until; now = NowMs()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now) + 1, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// A text or a bar position the tick gave one of the page's controls.
struct ShownChange {
    int control;
    UINT message;
    WPARAM position;
    std::string text;
};

std::vector<ShownChange> changes;
std::map<HWND, WNDPROC> controlProcs;

LRESULT CALLBACK RecordChange(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        changes.push_back({GetDlgCtrlID(control), message, 0, reinterpret_cast<const char*>(lParam)});
    else if (message == PBM_SETPOS)
        changes.push_back({GetDlgCtrlID(control), message, wParam, std::string()});
    return CallWindowProcA(controlProcs[control], control, message, wParam, lParam);
}

BOOL CALLBACK WatchControl(HWND control, LPARAM)
{
    controlProcs[control] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordChange)));
    return TRUE;
}

struct TickCost {
    double cpu, wall;  // milliseconds per tick
};

// kTicks ticks of the page after a warm-up; with `record`, the changes
// they showed are kept in `changes`.
TickCost MeasureTicks(HWND page, bool record)
{
    for (int i = 0; i < 100; ++i)
        SendMessageA(page, WM_TIMER, kStatusTimer, 0);
    if (record) {
        changes.clear();
        EnumChildWindows(page, WatchControl, 0);
    }
    double cpu = CpuMs(), wall = NowMs();
    for (int i = 0; i < kTicks; ++i)
        SendMessageA(page, WM_TIMER, kStatusTimer, 0);
    TickCost cost = {(CpuMs() - cpu) / kTicks, (NowMs() - wall) / kTicks};
    for (const auto& [control, proc] : controlProcs)
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    controlProcs.clear();
    return cost;
}

// Holds the live readings still, forced as vyrsim's `link` forces them, so
// that a tick has nothing new to show; or lets them go again.
void HoldReadings(bool hold)
{
    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.forced = ForcedReadings();
    if (hold) {
        for (const char* reading : {"TxRate", "RxRate", "Channel", "LinkQuality", "Signal"})
            card.forced.numbers[reading] = 50;
    }
    WriteSimulatedCard(store, card);
}

// The changes shown again, in order, on the layout twin's Status page.
double TwinShowingCpu()
{
    AppletHost twin(ProgramFolder() + "\\LayoutTwin.cpl");
    double cpu = 0;
    twin.Open(nullptr, [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        std::map<int, HWND> controls;
        for (const ShownChange& change : changes)
            controls[change.control] = GetDlgItem(page, change.control);
        double start = CpuMs();
        for (const ShownChange& change : changes) {
            LPARAM text = reinterpret_cast<LPARAM>(change.text.c_str());
            SendMessageA(controls[change.control], change.message, change.position,
                         change.message == WM_SETTEXT ? text : 0);
        }
        cpu = (CpuMs() - start) / kTicks;
    });
    return cpu;
}

// Percent of a core over kIdleMs: this process alone and the wineserver
// alone (which serves every process of the prefix).
std::pair<double, double> IdleShares(AppletHost* host)
{
    std::pair<double, double> shares;
    auto measure = [&] {
        double start = NowMs(), own = OwnCpuMs(), server = ServerCpuMs();
        PumpMessagesFor(kIdleMs);
        double wall = NowMs() - start;
        shares = {100.0 * (OwnCpuMs() - own) / wall, 100.0 * (ServerCpuMs() - server) / wall};
    };
    if (host)
        host->Open(nullptr, [&](HWND) { measure(); });
    else
        measure();
    return shares;
}

}  // namespace

void MeasureStatusTick()
{
    double storeWritten = NowMs();
    UseFreshStore("Status");
    AppletHost applet(ProgramFolder() + "\\VyrWLan.cpl");
    TickCost live = {}, held = {};
    applet.Open(nullptr, [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        live = MeasureTicks(page, true);
        HoldReadings(true);
        held = MeasureTicks(page, false);
        HoldReadings(false);
    });
    const char* whose = CountsServerCpu() ? "CPU per tick, applet and wineserver" : "CPU per tick, applet only";
    AddRow("status tick", whose, Figure(live.cpu, 3, "ms"), "< 0.2 ms", live.cpu < 0.2);
    AddRow("status tick", "wall time per tick", Figure(live.wall, 3, "ms"));
    AddRow("status tick", "the same changes shown by the layout twin, CPU per tick",
           Figure(TwinShowingCpu(), 3, "ms"));
    AddRow("status tick", "CPU per tick, readings held (nothing new to draw)", Figure(held.cpu, 3, "ms"),
           "< 0.2 ms", held.cpu < 0.2);

    double saved = storeWritten + kRegistrySavedMs;
    if (NowMs() < saved)
        Sleep(static_cast<DWORD>(saved - NowMs()));
    if (PreciseCpuMs() < 0) {
        AddRow("status tick", "idle", "not measured: this process or the wineserver not found");
        return;
    }
    // The layout twin left open as long, and nothing open at all, show what
    // Wine itself spends.
    AppletHost twin(ProgramFolder() + "\\LayoutTwin.cpl");
    auto ours = IdleShares(&applet), twins = IdleShares(&twin), none = IdleShares(nullptr);
    double idle = ours.first + ours.second;
    AddRow("status tick", "open applet idle, 30 s", Figure(idle, 3, "% of a core"), "< 0.1 %", idle < 0.1);
    AddRow("status tick", "layout twin idle, 30 s", Figure(twins.first + twins.second, 3, "% of a core"));
    AddRow("status tick", "open applet idle, 30 s: its own process", Figure(ours.first, 3, "% of a core"),
           "< 0.1 %", ours.first < 0.1);
    AddRow("status tick", "open applet idle, 30 s: the wineserver", Figure(ours.second, 3, "% of a core"));
    AddRow("status tick", "nothing open, 30 s: the wineserver", Figure(none.second, 3, "% of a core"));
}
