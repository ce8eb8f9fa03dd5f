// The card's store: one registry key (see StoreRootPath) holding the user's
// profiles, the provisioned profiles, the driver's own state and the
// simulated hardware and surroundings that vyrsim changes.
//
//   Profiles\Order, Profiles\<id>      the first configuration array
//   Provisioned\Order, Provisioned\<id> the second configuration array
//   Card                                radio, selection, admin profile name,
//                                       multiple-configuration names
//   Card\Applied                        the settings in effect on the card
//   Simulation, Simulation\AccessPoints the card's hardware and radio world
#pragma once

#include <string>

#include "registry_key.h"

extern const char kProfilesKey[];
extern const char kProvisionedKey[];
extern const char kCardKey[];
extern const char kAppliedKey[];
extern const char kSimulationKey[];
extern const char kAccessPointsKey[];
// Card\MultipleConfigs\<set>, value Members: a set's recorded profiles.
extern const char kMultipleConfigsKey[];
extern const char kMembersValue[];

// The store's root key, filled with the embedded default first when the
// store is new (or was left half-made).
RegistryKey OpenStore();
RegistryKey OpenStore(const std::string& rootPath);
// Replaces everything in the store with the embedded default.
bool ResetStore();
