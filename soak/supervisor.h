// The soak as a whole: runs the applet sessions in child processes, one
// after another (a new one continues where the applet ended the last as
// the card went out), watches that the sheet answers within a second,
// checks the store from a new process at the end and prints the figures.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

struct SoakOptions {
    uint64_t seed = 0;
    long actions = 300;
    bool printLog = false;  // every line of the sessions' logs as it comes
    // The key under HKEY_CURRENT_USER that the run empties and uses.
    std::string store = "Software\\Vyr\\Soak";
    // How this program is started as a session ("SEED FIRST END" follow)
    // and as the store's check.
    std::string sessionArguments = "--session";
    std::string storeCheckArguments = "--check-store";
};

struct SoakFigures {
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
    double seconds = 0;
};

struct SoakResult {
    SoakFigures figures;
    std::string failure;  // "" when no invariant broke
    std::deque<std::string> tail;  // the log's last lines
};

SoakResult RunSoak(const SoakOptions& options);
// Prints the figures, and a failure with the log's tail; the exit code.
int ReportSoak(const SoakOptions& options, const SoakResult& result);
