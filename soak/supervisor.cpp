#include "supervisor.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "child_program.h"
#include "driver/store.h"
#include "driver/store_root.h"
#include "hang_watch.h"

namespace {

const size_t kTailLines = 40;
const long kProgressEvery = 10000;

// The counts' growth at a session's latest closing.
struct Growth {
    long windows = 0;
    long gdiObjects = 0;
};

struct Run {
    SoakOptions options;
    SoakFigures figures;
    long next = 0;  // the first action a new session runs
    Growth sessionGrowth;
    // The card went out during the session: the applet then says so and
    // ends its process, even when the card is back in by the time the
    // message is answered.
    bool sessionCardOut = false;
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
    SoakFigures& figures = run.figures;
    long index = 0;
    if (std::sscanf(line.c_str(), "action %ld:", &index) == 1) {
        ++figures.actions;
        if (figures.actions % kProgressEvery == 0 && !run.options.printLog) {
            std::printf("soak: %ld actions so far, %ld openings, %ld message boxes, %ld crashes, %ld hangs\n",
                        figures.actions, figures.openings, figures.messageBoxes, figures.crashes, figures.hangs);
            std::fflush(stdout);
        }
        run.next = index + 1;
        if (line.find(": vyrsim: ") != std::string::npos)
            ++figures.cardChanges;
        if (line.find(": vyrsim: card out") != std::string::npos)
            run.sessionCardOut = true;
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
    ChildProgram session(run.options.sessionArguments + " " + std::to_string(run.options.seed) + " " + std::to_string(run.next) + " " +
                         std::to_string(run.options.actions));
    if (!session.Started()) {
        run.failure = "the session process did not start";
        return false;
    }
    long first = run.next;
    run.sessionGrowth = Growth();
    run.sessionCardOut = false;
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
            run.failure = "after action " + std::to_string(run.next - 1) + ": hang: " + hang;
            return false;
        }
        char code[16];
        std::snprintf(code, sizeof(code), "0x%lX", exitCode);
        if (exitCode == 0 && done) {
            finished = true;
            return true;
        }
        // The applet ends its process when the card goes; anything else is a crash.
        if (exitCode == 0 && run.sessionCardOut && run.next > first) {
            ++run.figures.cardEndings;
            return true;
        }
        ++run.figures.crashes;
        run.failure = "after action " + std::to_string(run.next - 1) + ": the applet's process ended with exit code " + code +
                      (exitCode == 0 ? " though the card did not go out" : "") +
                      (run.tail.empty() ? "" : " (the log's last line: " + run.tail.back() + ")");
        return false;
    }
}

bool CheckStoreFromNewProcess(Run& run)
{
    ChildProgram check(run.options.storeCheckArguments);
    std::string line, faults;
    while (check.ReadLine(line))
        faults += "\n  " + line;
    if (check.Finish() == 0)
        return true;
    run.failure = "the store is not whole afterwards:" + faults;
    return false;
}

}  // namespace

SoakResult RunSoak(const SoakOptions& options)
{
    // A store of the soak's own, new at every run, so that a seed replays.
    SetEnvironmentVariableA(kStoreVariable, options.store.c_str());
    Run run;
    run.options = options;
    if (!ResetStore()) {
        run.failure = "the store " + options.store + " cannot be made new";
        return {run.figures, run.failure, run.tail};
    }
    DWORD start = GetTickCount();
    // After a crash or a hang a new session goes on from the next action, so
    // that a long run counts them all; one that fails before its first
    // action ends the run.
    std::string failures;
    std::deque<std::string> failureTail;
    for (bool finished = false; !finished;) {
        long first = run.next;
        if (RunSession(run, finished))
            continue;
        failures += (failures.empty() ? "" : "\n") + run.failure;
        if (failureTail.empty())
            failureTail = run.tail;
        run.failure.clear();
        if (run.next == first)
            break;
    }
    if (run.figures.windowGrowth != 0 || run.figures.gdiGrowth != 0)
        failures += std::string(failures.empty() ? "" : "\n") +
                    "USER or GDI objects did not come back to where they started";
    bool storeWhole = CheckStoreFromNewProcess(run);
    if (failureTail.empty())
        failureTail = run.tail;
    if (!failures.empty()) {
        run.failure = failures + (storeWhole ? "" : "\n" + run.failure);
        run.tail = failureTail;
    }
    run.figures.seconds = (GetTickCount() - start) / 1000.0;
    return {run.figures, run.failure, run.tail};
}

int ReportSoak(const SoakOptions& options, const SoakResult& result)
{
    const SoakFigures& figures = result.figures;
    long growth = labs(figures.windowGrowth) + labs(figures.gdiGrowth);
    double seconds = figures.seconds;
    std::printf("soak: seed %llu: %ld actions, %ld openings, %ld message boxes, %ld dialogs, %ld card changes "
                "(%ld ended the applet as the card went out), crashes %ld, hangs %ld, handle growth %ld "
                "(windows %+ld, GDI objects %+ld), %.0f s (%.0f actions a second)\n",
                static_cast<unsigned long long>(options.seed), figures.actions, figures.openings,
                figures.messageBoxes, figures.dialogs, figures.cardChanges, figures.cardEndings, figures.crashes,
                figures.hangs, growth, figures.windowGrowth, figures.gdiGrowth, seconds,
                seconds > 0 ? figures.actions / seconds : 0.0);
    if (result.failure.empty())
        return 0;
    std::printf("soak: FAILED at seed %llu:\n%s\nThe log's last lines before the first failure:\n",
                static_cast<unsigned long long>(options.seed), result.failure.c_str());
    for (const std::string& line : result.tail)
        std::printf("  %s\n", line.c_str());
    return 1;
}
