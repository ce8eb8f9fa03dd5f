#include "supervisor.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "card_changes.h"
#include "child_program.h"
#include "driver/store.h"
#include "driver/store_root.h"
#include "hang_watch.h"

namespace {

const char kSoakStore[] = "Software\\Vyr\\Soak";
const size_t kTailLines = 40;

struct Figures {
    long actions = 0;
    long openings = 0;
    long messageBoxes = 0;
    long dialogs = 0;
    long cardChanges = 0;
    long cardEndings = 0;  // the applet ended its process as the card went out
    long crashes = 0;
    long hangs = 0;
    // The largest of the sessions' growths at their last closing.
    long windowGrowth = 0;
    long gdiGrowth = 0;
};

// The counts' growth at a session's latest closing.
struct Growth {
    long windows = 0;
    long gdiObjects = 0;
};

struct Run {
    SoakOptions options;
    Figures figures;
    long next = 0;  // the first action a new session runs
    Growth sessionGrowth;
    std::deque<std::string> tail;
    std::string failure;
};

bool StartsWith(const std::string& line, const char* prefix)
{
    return line.compare(0, std::strlen(prefix), prefix) == 0;
}

// "closed: windows +W, GDI objects +G": the last one of a session is how
// far its counts stand from where they started.
void ReadGrowth(const std::string& line, Growth& growth)
{
    std::sscanf(line.c_str(), "closed: windows %ld, GDI objects %ld", &growth.windows, &growth.gdiObjects);
}

void KeepLargest(long growth, long& largest)
{
    if (labs(growth) > labs(largest))
        largest = growth;
}

// Takes one line of a session's log; true at its "done".
bool Take(Run& run, HangWatch& watch, const std::string& line)
{
    watch.Progress();
    if (run.options.printLog) {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
    run.tail.push_back(line);
    if (run.tail.size() > kTailLines)
        run.tail.pop_front();
    Figures& figures = run.figures;
    long index = 0;
    if (std::sscanf(line.c_str(), "action %ld:", &index) == 1) {
        ++figures.actions;
        run.next = index + 1;
        if (line.find(": vyrsim: ") != std::string::npos)
            ++figures.cardChanges;
    } else if (StartsWith(line, "opening ")) {
        ++figures.openings;
    } else if (StartsWith(line, "message box: ")) {
        ++figures.messageBoxes;
    } else if (StartsWith(line, "dialog: ")) {
        ++figures.dialogs;
    } else if (StartsWith(line, "sheet ")) {
        void* sheet = nullptr;
        std::sscanf(line.c_str() + 6, "%p", &sheet);
        watch.SetSheet(static_cast<HWND>(sheet));
    } else if (StartsWith(line, "closed: ")) {
        watch.SetSheet(nullptr);
        ReadGrowth(line, run.sessionGrowth);
    }
    return line == "done";
}

// One child process of the applet, from run.next to the end or until the
// applet ends it; false when an invariant broke.
bool RunSession(Run& run, bool& finished)
{
    ChildProgram session("--session " + std::to_string(run.options.seed) + " " + std::to_string(run.next) + " " +
                         std::to_string(run.options.actions));
    if (!session.Started()) {
        run.failure = "the session process did not start";
        return false;
    }
    long first = run.next;
    run.sessionGrowth = Growth();
    bool done = false;
    {
        HangWatch watch(session);
        std::string line;
        while (session.ReadLine(line))
            done = Take(run, watch, line) || done;
        DWORD exitCode = session.Finish();
        KeepLargest(run.sessionGrowth.windows, run.figures.windowGrowth);
        KeepLargest(run.sessionGrowth.gdiObjects, run.figures.gdiGrowth);
        std::string hang = watch.Hang();
        if (!hang.empty()) {
            ++run.figures.hangs;
            run.failure = "hang: " + hang;
            return false;
        }
        char code[16];
        std::snprintf(code, sizeof(code), "0x%lX", exitCode);
        if (exitCode == 0 && done) {
            finished = true;
            return true;
        }
        // The applet ends its process when the card goes; anything else is a crash.
        if (exitCode == 0 && CardIsOut() && run.next > first) {
            ++run.figures.cardEndings;
            return true;
        }
        ++run.figures.crashes;
        run.failure = std::string("the applet's process ended with exit code ") + code +
                      (exitCode == 0 ? " while the card was in" : "");
        return false;
    }
}

bool CheckStoreFromNewProcess(Run& run)
{
    ChildProgram check("--check-store");
    std::string line, faults;
    while (check.ReadLine(line))
        faults += "\n  " + line;
    if (check.Finish() == 0)
        return true;
    run.failure = "the store is not whole afterwards:" + faults;
    return false;
}

void PrintFigures(const Run& run, double seconds)
{
    const Figures& figures = run.figures;
    long growth = figures.windowGrowth + figures.gdiGrowth;
    std::printf("soak: seed %llu: %ld actions, %ld openings, %ld message boxes, %ld dialogs, %ld card changes "
                "(%ld ended the applet as the card went out), crashes %ld, hangs %ld, handle growth %ld "
                "(windows %+ld, GDI objects %+ld), %.0f s (%.0f actions a second)\n",
                static_cast<unsigned long long>(run.options.seed), figures.actions, figures.openings,
                figures.messageBoxes, figures.dialogs, figures.cardChanges, figures.cardEndings, figures.crashes,
                figures.hangs, growth, figures.windowGrowth, figures.gdiGrowth, seconds,
                seconds > 0 ? figures.actions / seconds : 0.0);
}

}  // namespace

int RunSoak(const SoakOptions& options)
{
    // A store of the soak's own, new at every run, so that a seed replays.
    // Never another: it is emptied first.
    SetEnvironmentVariableA(kStoreVariable, kSoakStore);
    if (!ResetStore()) {
        std::printf("soak: the store %s cannot be made new\n", StoreRootPath().c_str());
        return 1;
    }
    std::printf("soak: seed %llu, %ld actions, store HKEY_CURRENT_USER\\%s\n",
                static_cast<unsigned long long>(options.seed), options.actions, StoreRootPath().c_str());
    std::fflush(stdout);
    Run run;
    run.options = options;
    DWORD start = GetTickCount();
    bool finished = false;
    bool whole = true;
    while (whole && !finished)
        whole = RunSession(run, finished);
    if (whole && run.figures.windowGrowth + run.figures.gdiGrowth != 0)
        whole = false, run.failure = "USER or GDI objects did not come back to where they started";
    if (whole)
        whole = CheckStoreFromNewProcess(run);
    PrintFigures(run, (GetTickCount() - start) / 1000.0);
    if (whole)
        return 0;
    std::printf("soak: FAILED at seed %llu: %s\nThe log's last lines:\n",
                static_cast<unsigned long long>(options.seed), run.failure.c_str());
    for (const std::string& line : run.tail)
        std::printf("  %s\n", line.c_str());
    return 1;
}
