// The Status page's tick (Refresh, update, data exchange) driven as fast as
// it goes, and the open applet left alone with its real timer.
#include <windows.h>

#include "applet_host.h"
#include "bench_stores.h"
#include "clocks.h"
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

}  // namespace

void MeasureStatusTick()
{
    double storeWritten = NowMs();
    UseFreshStore("Status");
    AppletHost applet(ProgramFolder() + "\\VyrWLan.cpl");
    double cpu = 0, wall = 0;
    applet.Open(nullptr, [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        for (int i = 0; i < 100; ++i)
            SendMessageA(page, WM_TIMER, kStatusTimer, 0);
        double cpuStart = CpuMs(), wallStart = NowMs();
        for (int i = 0; i < kTicks; ++i)
            SendMessageA(page, WM_TIMER, kStatusTimer, 0);
        cpu = (CpuMs() - cpuStart) / kTicks;
        wall = (NowMs() - wallStart) / kTicks;
    });
    const char* whose = CountsServerCpu() ? "CPU per tick, applet and wineserver" : "CPU per tick, applet only";
    AddRow("status tick", whose, Figure(cpu, 3, "ms"), "< 0.2 ms", cpu < 0.2);
    AddRow("status tick", "wall time per tick", Figure(wall, 3, "ms"));

    double saved = storeWritten + kRegistrySavedMs;
    if (NowMs() < saved)
        Sleep(static_cast<DWORD>(saved - NowMs()));
    // The layout twin left open as long shows what Wine itself spends.
    AppletHost twin(ProgramFolder() + "\\LayoutTwin.cpl");
    double idle = 0, twinIdle = 0;
    for (auto [host, share] : {std::make_pair(&applet, &idle), std::make_pair(&twin, &twinIdle)}) {
        host->Open(nullptr, [&](HWND) {
            double cpuStart = CpuMs(), wallStart = NowMs();
            PumpMessagesFor(kIdleMs);
            *share = 100.0 * (CpuMs() - cpuStart) / (NowMs() - wallStart);
        });
    }
    AddRow("status tick", "open applet idle, 30 s", Figure(idle, 3, "% of a core"), "< 0.1 %", idle < 0.1);
    AddRow("status tick", "layout twin idle, 30 s", Figure(twinIdle, 3, "% of a core"));
}
