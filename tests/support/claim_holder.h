// Another session holding the simulated card's configuration claim: a child process of this test program that takes
// it and keeps it until released. Header only, so that its scenarios exist in every program using it, and only there,
// as they need the card's library.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "driver/80211api.h"
#include "support/child.h"

// In the child: takes the claim, runs `meanwhile` while holding it, tells the parent and keeps the claim until the
// parent lets go. 3 when the claim was not to be had.
inline int HoldClaimUntilReleased(const std::function<void()>& meanwhile = nullptr)
{
    PAvailableAdapters adapters;
    int claimed = adapters.CheckMultipleConfig();
    if (claimed && meanwhile)
        meanwhile();
    std::fflush(stdout);
    SetEvent(SharedEvent("claim-held"));
    WaitForSingleObject(SharedEvent("release-claim"), 60000);
    if (claimed)
        adapters.ClearMultipleConfig();
    return claimed ? 0 : 3;
}

inline ChildScenario holdClaimScenario("hold_claim", [](const std::string&) { return HoldClaimUntilReleased(); });

// In the parent: starts a scenario that calls HoldClaimUntilReleased and
// waits until it holds the claim; lets it go at Release or at the end.
class ClaimHeldElsewhere {
public:
    explicit ClaimHeldElsewhere(const std::string& scenario = "hold_claim", const ChildOptions& options = {})
        : child_(ResetEvents(scenario), options)
    {
        EXPECT_EQ(WaitForSingleObject(SharedEvent("claim-held"), 30000), WAIT_OBJECT_0) << scenario << " never held it";
    }
    ~ClaimHeldElsewhere()
    {
        if (!released_)
            EXPECT_EQ(Release().exitCode, 0u);
    }

    ChildResult Release()
    {
        released_ = true;
        SetEvent(SharedEvent("release-claim"));
        return child_.Finish();
    }

private:
    // The events outlive one holder: the run's earlier holders set them.
    static const std::string& ResetEvents(const std::string& scenario)
    {
        ResetEvent(SharedEvent("claim-held"));
        ResetEvent(SharedEvent("release-claim"));
        return scenario;
    }

    ChildProcess child_;
    bool released_ = false;
};

// Whether a process other than the claim's holder could take the claim now; it gives the claim back at once.
inline ChildScenario tryClaimScenario("try_claim", [](const std::string&) {
    PAvailableAdapters adapters;
    int claimed = adapters.CheckMultipleConfig();
    if (claimed)
        adapters.ClearMultipleConfig();
    return claimed ? 1 : 0;
});
inline bool AnotherProcessCouldClaim() { return RunChild("try_claim").exitCode == 1; }
