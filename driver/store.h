// The card's store: one registry key (see StoreRootPath) holding the user's
// profiles, the provisioned profiles, the driver's own state and the
// simulated hardware and surroundings that vyrsim changes.
//
//   Profiles: Order, <id> values        the first configuration array
//   Provisioned: Order, <id> values     the second configuration array
//   Card                                radio, selection, admin profile name,
//                                       multiple-configuration names, and the
//                                       value Applied: the settings in effect
//   Simulation, Simulation\AccessPoints the card's hardware and radio world
//
// Every profile, and the settings in effect, is one value: a record of
// profile_record.h.
#pragma once

#include <string>

#include "registry_key.h"

extern const char kProfilesKey[];
extern const char kProvisionedKey[];
extern const char kCardKey[];
// The value of Card that holds the settings in effect.
extern const char kAppliedKey[];
extern const char kSimulationKey[];
extern const char kAccessPointsKey[];
// Card\MultipleConfigs\<set>, value Members: a set's recorded profiles.
extern const char kMultipleConfigsKey[];
extern const char kMembersValue[];

// The root's Format value: kStoreMade once the store is filled, and
// kStoreBeingMade while it is, so that a store left half-made is still known
// as the library's own. The marker is an unlikely number, so that no other
// program's Format value passes for it.
extern const char kFormatValue[];
const DWORD kStoreMade = 2;
const DWORD kStoreBeingMade = 0x56790001;
// A store of an earlier library, which kept each record as values of a
// version key (store_conversion.h); converted when the store is opened.
const DWORD kVersionedStore = 1;

// Why the key at `rootPath` cannot be the card's store, naming the key; ""
// when it can: it is absent or empty, or a store the library made (or left
// half-made). The library never empties a key it did not make: a refused
// store is no card, so the configurator reports no adapter and the applet
// says the card is missing, the status reports no link and writes fail.
std::string StoreRefusal(const std::string& rootPath);

// The store's root key, filled with the embedded default first when the
// store is new (or was left half-made), converted first when an earlier
// library made it; closed when the store is refused.
RegistryKey OpenStore();
RegistryKey OpenStore(const std::string& rootPath);
// Replaces everything in the store with the embedded default; false when
// the store is refused.
bool ResetStore();
