// One profile's record: every setting, its keys and passwords sealed, and
// any further texts a caller keeps with it, in ONE registry value named
// after the profile (its id) in the key of its list. One write replaces a
// record whole and one read sees it whole, so a reader never meets half of
// one save and half of another, and a process killed while saving leaves
// the old record or the new.
//
// The value is REG_BINARY: the four bytes "VYR2", then one entry per
// setting and per further text: a kind byte ('N' number, 'T' text, 'S' a
// sealed key or password, 'X' a further text), the name's length in one
// byte, the name (the setting's name in kSettingFields), the data's length
// in four bytes, least significant first, and the data (a number in four
// bytes the same way). A setting without an entry reads as its default.
#pragma once

#include <map>
#include <string>

#include "profile_settings.h"
#include "registry_key.h"

// How keys and passwords are handed over: opened, or still sealed for a
// reader that opens them only when they are asked for (or never needs
// them), and for a writer that gives back what such a read gave it.
enum class Secrets { Opened, Sealed };

// Further texts kept with a record, by name (the settings in effect keep
// where they came from and how often they were put into effect).
using RecordTexts = std::map<std::string, std::string>;

// False when `list` holds no record named `id`, or one that does not decode
// whole; `settings` and `texts` then keep what they had.
bool ReadProfileRecord(const RegistryKey& list, const std::string& id, ProfileSettings& settings,
                       Secrets secrets = Secrets::Opened, RecordTexts* texts = nullptr);
// `secrets` says how the settings hold their keys and passwords.
bool WriteProfileRecord(const RegistryKey& list, const std::string& id, const ProfileSettings& settings,
                        Secrets secrets = Secrets::Opened, const RecordTexts& texts = RecordTexts());

// Opens the keys and passwords that a read with Secrets::Sealed left sealed.
void OpenRecordSecrets(ProfileSettings& settings);
