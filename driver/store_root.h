// Where the library keeps the card's state in the registry. The environment
// variable VYR80211_STORE (a key path under HKEY_CURRENT_USER) moves it, so
// that tests and demonstrations get a store of their own.
#pragma once

#include <string>

extern const char kStoreVariable[];
// A longer path is refused (see StoreRefusal), never cut or replaced by the
// default: a store elsewhere than asked would be a surprise.
const size_t kLongestStoreRootPath = 511;

// Read afresh each time, so a process can move between stores.
std::string StoreRootPath();
