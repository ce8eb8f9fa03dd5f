// How the soak judges a run: each way a session can end, played by a fake
// session in a child process, gives its failure (or none) and figures.
#include <gtest/gtest.h>

#include <windows.h>

#include "fake_sessions.h"
#include "supervisor.h"
#include "support/isolated_store.h"

namespace {

class SoakJudgement : public StoreTest {};

// "failure | card endings N, actions N, crashes N, hangs N | last log line"
std::string Judge(const std::string& behaviour, const std::string& store)
{
    SetEnvironmentVariableA(kFakeVariable, behaviour.c_str());
    ForgetFakeSessions();
    SoakOptions options;
    options.actions = 2;
    options.store = store;
    options.sessionArguments = kFakeSessionArguments;
    options.storeCheckArguments = kStoreCheckArguments;
    SoakResult result = RunSoak(options);
    SetEnvironmentVariableA(kFakeVariable, nullptr);
    const SoakFigures& figures = result.figures;
    return result.failure + " | card endings " + std::to_string(figures.cardEndings) + ", actions " +
           std::to_string(figures.actions) + ", crashes " + std::to_string(figures.crashes) + ", hangs " +
           std::to_string(figures.hangs) + " | " + (result.tail.empty() ? "" : result.tail.back());
}

TEST_F(SoakJudgement, EachEndingOfASessionIsJudgedByItsInvariant)
{
    const char* const rows[][2] = {
        {"whole", " | card endings 0, actions 1, crashes 0, hangs 0 | done"},
        {"card out", " | card endings 1, actions 2, crashes 0, hangs 0 | done"},
        {"crash", "after action 1: the applet's process ended with exit code 0xC0000005 (the log's last line: "
                  "action 1: click \"OK\" (1)) | card endings 0, actions 2, "
                  "crashes 1, hangs 0 | action 1: click \"OK\" (1)"},
        {"exit", "after action 1: the applet's process ended with exit code 0x0 though the card did not go out (the "
                 "log's last line: action 1: click \"OK\" (1)) | card "
                 "endings 0, actions 2, crashes 1, hangs 0 | action 1: click \"OK\" (1)"},
        {"hang", "after action 1: hang: the sheet did not answer within a second (answered N s after it was asked) | "
                 "card endings 0, actions 2, crashes 0, hangs 1 | sheet"},
        {"growth", "USER or GDI objects did not come back to where they started | card endings 0, actions 1, "
                   "crashes 0, hangs 0 | done"},
        {"unlisted record", "the store is not whole afterwards:\n  Profiles\\P77 is stored but not listed | "
                            "card endings 0, actions 1, crashes 0, hangs 0 | done"},
    };
    std::string expected, actual;
    for (const auto& row : rows) {
        expected += std::string(row[0]) + ": " + row[1] + "\n";
        std::string judged = Judge(row[0], store_.Path());
        // The hung sheet's handle, and how late it answered, differ from run to run.
        if (judged.find("| sheet ") != std::string::npos)
            judged = judged.substr(0, judged.find("| sheet ") + 7);
        std::string::size_type late = judged.find("answered ");
        if (late != std::string::npos)
            judged.replace(late + 9, judged.find(" s after") - late - 9, "N");
        actual += std::string(row[0]) + ": " + judged + "\n";
    }
    EXPECT_EQ(expected, actual);
}

}  // namespace
