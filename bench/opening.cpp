// Opening our applet on its Status page, against Wine's Internet Properties
// and the layout twin, interleaved round by round: first in a new process
// (what the Control Panel does) and reopened in the same one.
#include <windows.h>

#include <map>
#include <vector>

#include "applet_host.h"
#include "bench_stores.h"
#include "child_run.h"
#include "clocks.h"
#include "result_table.h"
#include "sections.h"

namespace {

const int kFirstRounds = 9;
const int kWarmRounds = 25;
const char* const kTargets[] = {"ours", "twin", "inetcpl"};

std::string AppletPath(const std::string& target)
{
    if (target == "ours")
        return ProgramFolder() + "\\VyrWLan.cpl";
    if (target == "twin")
        return ProgramFolder() + "\\LayoutTwin.cpl";
    return "inetcpl.cpl";
}

struct Times {
    std::vector<double> wall, cpu, requests;
};

void AddComparison(const char* when, std::map<std::string, Times>& times, double goal)
{
    double ours = Median(times["ours"].wall), twin = Median(times["twin"].wall),
           inetcpl = Median(times["inetcpl"].wall);
    AddRow("opening", std::string(when) + ": ours", Figure(ours, 1, "ms"));
    AddRow("opening", std::string(when) + ": layout twin", Figure(twin, 1, "ms"));
    AddRow("opening", std::string(when) + ": Wine's inetcpl.cpl", Figure(inetcpl, 1, "ms"));
    AddRow("opening", std::string(when) + ": ours / twin", Figure(ours / twin, 2), "<= " + Figure(goal, 2),
           ours / twin <= goal);
    AddRow("opening", std::string(when) + ": ours / inetcpl.cpl", Figure(ours / inetcpl, 2));
    // Where wall time and work part: CPU time waits for no core.
    if (times["ours"].cpu.empty() || times["twin"].cpu.empty())
        return;
    double oursCpu = Median(times["ours"].cpu), twinCpu = Median(times["twin"].cpu);
    AddRow("opening", std::string(when) + ", CPU with the wineserver's: ours / twin",
           Figure(oursCpu, 1, "ms") + " / " + Figure(twinCpu, 1, "ms") + " = " + Figure(oursCpu / twinCpu, 2));
    double oursAsked = Median(times["ours"].requests), twinAsked = Median(times["twin"].requests);
    AddRow("opening", std::string(when) + ", wineserver requests: ours / twin",
           Figure(oursAsked, 0) + " / " + Figure(twinAsked, 0) + " = " + Figure(oursAsked / twinAsked, 2));
}

}  // namespace

int FirstOpeningChild(const std::string& target)
{
    AppletHost applet(AppletPath(target));
    double shown = applet.Open(nullptr);
    if (shown < 0)
        return 1;
    Report("shown", shown);
    if (applet.LastOpeningCpu() >= 0)
        Report("shown cpu", applet.LastOpeningCpu());
    if (applet.LastOpeningRequests() >= 0)
        Report("shown requests", applet.LastOpeningRequests());
    return 0;
}

void MeasureOpening()
{
    UseFreshStore("Opening");
    std::map<std::string, Times> first, warm;
    for (int round = 0; round < kFirstRounds; ++round) {
        for (int i = 0; i < 3; ++i) {
            std::string target = kTargets[(round + i) % 3];
            auto figures = RunChild("--first-opening " + target);
            if (figures.count("shown"))
                first[target].wall.push_back(figures["shown"]);
            if (figures.count("shown cpu"))
                first[target].cpu.push_back(figures["shown cpu"]);
            if (figures.count("shown requests"))
                first[target].requests.push_back(figures["shown requests"]);
        }
    }
    AddComparison("first in a new process", first, 1.25);

    std::map<std::string, AppletHost*> hosts;
    AppletHost ours(AppletPath("ours")), twin(AppletPath("twin")), inetcpl(AppletPath("inetcpl"));
    hosts["ours"] = &ours;
    hosts["twin"] = &twin;
    hosts["inetcpl"] = &inetcpl;
    for (auto& host : hosts)
        host.second->Open(nullptr);  // the first opening is measured above
    for (int round = 0; round < kWarmRounds; ++round) {
        for (int i = 0; i < 3; ++i) {
            std::string target = kTargets[(round + i) % 3];
            double shown = hosts[target]->Open(nullptr);
            if (shown >= 0)
                warm[target].wall.push_back(shown);
            if (shown >= 0 && hosts[target]->LastOpeningCpu() >= 0)
                warm[target].cpu.push_back(hosts[target]->LastOpeningCpu());
            if (shown >= 0 && hosts[target]->LastOpeningRequests() >= 0)
                warm[target].requests.push_back(hosts[target]->LastOpeningRequests());
        }
    }
    AddComparison("warm reopening", warm, 1.10);
}
