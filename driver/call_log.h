// The simulated card's log of what its profiles are asked to keep, for
// watching an editor at work: from Start, every settings change and every
// Save, as "Name(arguments) " in the order of the calls. Names are the
// profile's parameter names (those vyrsim shows).
#pragma once

#include <string>

#include "80211api.h"

class VYR80211_API CCallLog {
public:
    static void Start();
    // The calls since Start; the log stops.
    static std::string Stop();
    // Adds a call while the log runs.
    static void Add(const std::string& name, const std::string& arguments);
};
