// vyrbench: the applet's speed, memory and size, each figure beside its
// goal. Run by scripts/bench.sh; arguments pick sections (opening, status,
// profiles, endurance, footprint), all by default.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <set>
#include <string>

#include "clocks.h"
#include "result_table.h"
#include "sections.h"

std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--first-opening") == 0)
        return FirstOpeningChild(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "--profiles-read") == 0)
        return ProfilesReadChild();
    if (argc == 2 && std::strcmp(argv[1], "--profiles-open") == 0)
        return ProfilesOpenChild();

    std::set<std::string> chosen(argv + 1, argv + argc);
    auto wanted = [&](const char* section) { return chosen.empty() || chosen.count(section) > 0; };
    double start = NowMs();
    if (wanted("opening"))
        MeasureOpening();
    if (wanted("status"))
        MeasureStatusTick();
    if (wanted("profiles"))
        MeasureProfilesAtScale();
    if (wanted("endurance"))
        MeasureEndurance();
    if (wanted("footprint"))
        MeasureFootprint();

    char machine[512] = "";
    GetEnvironmentVariableA("VYR_BENCH_MACHINE", machine, sizeof(machine));
    std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof(date), "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    std::printf("Measured %s on %s; the run took %.0f s; CPU times %s the wineserver's.\n\n", date,
                *machine ? machine : "an unnamed machine", (NowMs() - start) / 1000,
                CountsServerCpu() ? "include" : "leave out");
    PrintTable();
    return 0;
}
