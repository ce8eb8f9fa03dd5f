// The simulated card's adapter and its profiles, as tests look them up.
#pragma once

#include <string>
#include <vector>

#include "driver/80211api.h"

// The first adapter, or null when the card reports none.
CDriverAdapter* TheAdapter();
std::string NameOf(const CAdapterConfig* profile);
std::vector<std::string> Names(CAdapterConfigArray* profiles);
// Looks through both configuration arrays; null when no profile has the name.
CAdapterConfig* FindProfile(const std::string& name);
