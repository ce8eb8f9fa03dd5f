// Where the library keeps the card's state in the registry. The environment
// variable VYR80211_STORE (a key path under HKEY_CURRENT_USER) moves it, so
// that tests and demonstrations get a store of their own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string StoreRootPath();

// A DWORD value of the store's Simulation key, or `fallback` when absent.
DWORD ReadSimulationValue(const char* name, DWORD fallback);
// A multi-string value of the store's root key; empty when absent.
std::vector<std::string> ReadStoreStrings(const char* name);
