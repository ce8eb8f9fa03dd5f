// A profile's settings as "name=value" lines, read and written through the
// library's own getters and setters: the one table that describes a profile
// also sets one, so a test writes its settings as it later reads them.
#pragma once

#include <string>

#include "driver/80211api.h"

// Every setting, one line each. Keys read "<digits>/<length index>", the
// pass phrase "[hex ]<text>/<length>"; passwords read as their text.
std::string DescribeProfile(const CAdapterConfig& profile);
// Sets each "name=value" line of `settings` in turn, in the format that
// DescribeProfile gives (a password may add "/<length>"); the names of the
// settings refused, one blank apart, or "" when every one was taken.
std::string SetProfile(CAdapterConfig& profile, const std::string& settings);
// The lines of `description` for the names of `names` (lines of "name" or
// "name=value"), in the order of `names`.
std::string PickSettings(const std::string& description, const std::string& names);
