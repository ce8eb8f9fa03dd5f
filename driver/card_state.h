// The card as the store describes it: the simulated hardware and radio
// world (changed by vyrsim) and the driver's own state (changed by the
// library on the applet's behalf).
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "profile_record.h"
#include "profile_settings.h"
#include "registry_key.h"

// A user the network's authentication server accepts; TLS users are the
// subject or principal name of their certificate and have no password.
struct EapUser {
    std::string name;
    std::string password;
};

struct AccessPoint {
    std::string ssid;
    char band = 'g';                 // 'a', 'b', or 'g' (which also serves 802.11b)
    int channel = 6;
    int signal = 70;                 // percent
    std::string security = "open";   // open, wep, wpa-psk, 8021x, wpa
    std::string cipher = "tkip";     // tkip or aes, for the WPA kinds
    bool adHoc = false;              // a peer-to-peer network

    // What the network checks of a station; a credential left empty is not
    // checked, so a point that names none takes any station of its kind.
    DWORD wepKeyIndex = 1;           // the static key in use, 1 to 4
    std::string wepKey;              // hexadecimal digits: 10, 26 or 32
    std::string preSharedKey;        // a pass phrase, or 64 hexadecimal digits
    std::string eapMethod;           // leap, peap, ttls or tls
    std::vector<EapUser> users;
    std::string authority;           // the root of the server's certificate, as "ROOT" identifies it
    // The keys and passwords as the store keeps them, when read with
    // Secrets::Sealed; the fields above then hold none.
    std::string sealedSecrets;
};

// Wireless Zero Configuration answers: asked of the service, or forced.
const int kZeroConfigAskService = -2;

// Readings of the live link that replace what the link model computes, as a
// driver in an unusual state reports them (a state code outside the known
// ones, a negative quality): for demonstrations and tests of how they show.
// Each is set or not on its own; names are the registry values.
struct ForcedReadings {
    std::map<std::string, int> numbers;  // kForcedNumbers
    bool hasLinkName = false;
    std::string linkName;

    bool Empty() const { return numbers.empty() && !hasLinkName; }
};
extern const char* const kForcedNumbers[9];
extern const char kForcedLinkName[];

struct SimulatedCard {
    bool present = true;
    int zeroConfig = kZeroConfigAskService;  // or forced 1, 0, -1
    DWORD foreignClaimSession = 0;           // another logon session's claim; 0 none
    DWORD radioCapabilities = 0x0D;          // 1 802.11a, 4 802.11b, 8 802.11g
    DWORD securityCapabilities = 0x07;       // 1 WEP, 2 WPA, 4 802.1x
    UINT nameCapacity = 3;
    DWORD countryCode = ('U' << 8) | 'S';
    std::string driverVersion = "5.0.2.17";
    std::string macAddress = "00:0B:6B:3C:5A:91";
    std::vector<AccessPoint> accessPoints;
    ForcedReadings forced;
};

struct CardState {
    bool radioOn = true;
    bool radioSwitchedOff = false;           // recorded for Windows NT 4.0
    std::string currentConfiguration;        // location of the stored selection
    std::string adminProfileName;
    std::vector<std::string> multipleConfigNames;
};

// The settings in effect, where they came from ("Profiles\<id>" or
// "Provisioned\<id>"), and a number that every Apply raises, so that a
// reader sees that the card associated again.
struct AppliedProfile {
    ProfileSettings settings;
    std::string location;
    DWORD generation = 0;
};

const DWORD kSecurityWpa = 0x02;

inline bool SupportsWpa(const SimulatedCard& card)
{
    return (card.securityCapabilities & kSecurityWpa) != 0;
}

// The wireless mode "Auto" on the store's card: 13 with 802.11g, else 5.
// New profiles start with it; only the radios are read.
DWORD AutoWirelessMode(const RegistryKey& store);

SimulatedCard ReadSimulatedCard(const RegistryKey& store, Secrets secrets = Secrets::Opened);
// Opens the keys and passwords that a read with Secrets::Sealed left sealed.
void OpenAccessPointSecrets(AccessPoint& point);
// Single answers of the simulated card, for callers that need no more.
bool ReadCardPresent(const RegistryKey& store);
int ReadZeroConfigAnswer(const RegistryKey& store);
bool WriteSimulatedCard(const RegistryKey& store, const SimulatedCard& card);
bool WriteAccessPoint(const RegistryKey& store, const AccessPoint& point);
bool RemoveAccessPoint(const RegistryKey& store, const std::string& ssid);

// Why the card's last attempt to associate failed ("" once it associates),
// as the library's status object found it: "Office: wrong pre-shared key".
std::string ReadLinkFailure(const RegistryKey& store);
bool WriteLinkFailure(const RegistryKey& store, const std::string& failure);

CardState ReadCardState(const RegistryKey& store);
bool WriteCardState(const RegistryKey& store, const CardState& state);
// Reads the card's state afresh, lets `change` change it and writes it
// back, under a lock that every process changing the card's record takes,
// so that two changes at once lose neither. `change` answers false when
// there is nothing to write. False when it could not be written.
bool UpdateCardState(const RegistryKey& store, const std::function<bool(CardState& state)>& change);

// The card starting again (inserted, or the machine booted): the stored
// selection goes into effect, and the radio comes up as the user left it.
bool RestartCard(const RegistryKey& store);

// The texts kept in the record of the settings in effect beside them: its
// location and its generation in decimal.
extern const char kAppliedLocation[];
extern const char kAppliedGeneration[];

bool ReadAppliedProfile(const RegistryKey& store, AppliedProfile& applied, Secrets secrets = Secrets::Opened);
// Puts `settings` into effect; raises the generation.
bool WriteAppliedProfile(const RegistryKey& store, const ProfileSettings& settings, const std::string& location);
