// What the driver's test programs share: a store of the card per test,
// profiles as "name=value" lines and vyrsim run on the test's store.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/profile_settings.h"
#include "driver/registry_key.h"
#include "support/child.h"
#include "support/isolated_store.h"

// The status singleton outlives a test; its next Refresh moves it to the test's store.
class CardTest : public StoreTest {
protected:
    CDriverStatus* status_ = CVeltoDriverStatus::GetInstance();
};

// "1" when `adapters` gets the configuration claim; given back at once unless `keep`.
inline std::string Claim(PAvailableAdapters& adapters, bool keep = false)
{
    int claimed = adapters.CheckMultipleConfig();
    if (claimed && !keep)
        adapters.ClearMultipleConfig();
    return std::to_string(claimed != 0);
}

// A profile's settings, read and written through the library's own getters and setters, so a test writes settings as
// it later reads them. Keys read "<digits>/<length index>", the pass phrase "[hex ]<text>/<length>"; passwords read
// as their text.
std::string DescribeProfile(const CAdapterConfig& profile);
// Sets each "name=value" line in turn (a password may add "/<length>"); the
// names of the settings refused, one blank apart, or "" when all were taken.
std::string SetProfile(CAdapterConfig& profile, const std::string& settings);
// The lines of `description` for the names of `names` ("name" or "name=value" lines), in that order.
std::string PickSettings(const std::string& description, const std::string& names);

// vyrsim with the words of `line` (split at blanks; 'quotes' keep blanks in a
// word); the child inherits the test's store.
ProgramResult Vyrsim(const std::string& line);
// What vyrsim prints for `line`; the test fails when vyrsim does.
std::string VyrsimOutput(const std::string& line);

// An access point of the radio world, on channel 40 of band a or 11 of b and g.
inline AccessPoint Point(const std::string& ssid, char band = 'g', int signal = 60, const char* security = "open",
                         bool adHoc = false, const char* cipher = "tkip")
{
    AccessPoint point;
    point.ssid = ssid, point.band = band, point.channel = band == 'a' ? 40 : 11, point.signal = signal;
    point.security = security, point.cipher = cipher, point.adHoc = adHoc;
    return point;
}

// A profile for `network` with security on: selection 7 is static keys, the others EAP methods.
inline ProfileSettings Secured(const std::string& network, DWORD selection, bool wpa)
{
    ProfileSettings settings;
    settings.networkName1 = network;
    settings.enableSecurity = 1, settings.eapSelection = selection, settings.wpa = wpa;
    settings.leapEnabled = selection == 1;
    return settings;
}
