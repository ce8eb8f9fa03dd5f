#include "profile.h"

#include "hex_digits.h"

#include "adapter.h"
#include "call_log.h"
#include "card_state.h"
#include "names.h"
#include "profile_list.h"
#include "profile_record.h"
#include "store.h"

namespace {

const size_t kLongestName = 32;
const size_t kLongestText = 256;
const size_t kLongestPassphrase = 64;

// Hexadecimal digits of a 64-, 128- and 152-bit key.
bool FitsLengthIndex(size_t digits, int lengthIndex)
{
    const size_t kDigits[] = {10, 26, 32};
    if (digits == 0)
        return true;
    if (lengthIndex == 3)
        return digits == kDigits[0] || digits == kDigits[1] || digits == kDigits[2];
    return digits == kDigits[lengthIndex];
}

const char* NameOf(DWORD ProfileSettings::*number)
{
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        if (kSettingFields[i].number == number)
            return kSettingFields[i].name;
    }
    return "";
}

const char* NameOf(std::string ProfileSettings::*text)
{
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        if (kSettingFields[i].text == text)
            return kSettingFields[i].name;
    }
    return "";
}

}  // namespace

Profile::Profile(Adapter& adapter, const char* listKey, std::string id, const ProfileSettings& stored,
                 Secrets secrets)
    : adapter_(adapter), listKey_(listKey), id_(std::move(id)), settings_(stored), stored_(stored),
      sealed_(secrets == Secrets::Sealed)
{
}

void Profile::OpenSecrets() const
{
    if (!sealed_)
        return;
    // No setter has touched a secret while they were sealed, so the opened
    // stored value is the edited one too.
    OpenRecordSecrets(stored_);
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        if (field.kind == SettingKind::Secret)
            settings_.*field.text = stored_.*field.text;
    }
    sealed_ = false;
}

std::string Profile::Location() const
{
    return ProfileLocation(listKey_, id_);
}

bool Profile::IsProvisioned() const
{
    return listKey_ == kProvisionedKey;
}

bool Profile::IsClosedToCaller() const
{
    return settings_.name.find(kAdminProfileMarker) != std::string::npos && !IsCallerAdministrator();
}

bool Profile::MayStore() const
{
    return !deleted_ && !IsClosedToCaller();
}

bool Profile::Store()
{
    if (!MayStore())
        return false;
    // Keys and passwords never opened go back as they were read.
    Secrets secrets = sealed_ ? Secrets::Sealed : Secrets::Opened;
    if (!RewriteStoredProfile(adapter_.OpenStore().OpenChild(listKey_), id_, settings_, secrets))
        return false;
    stored_ = settings_;
    return true;
}

bool Profile::PutIntoEffect()
{
    OpenSecrets();
    return !deleted_ && WriteAppliedProfile(adapter_.OpenStore(), settings_, Location());
}

BOOL Profile::Apply()
{
    return Store() && PutIntoEffect();
}

BOOL Profile::Save()
{
    CCallLog::Add("Save", "");
    return Store();
}

BOOL Profile::ApplyTemporarily()
{
    return PutIntoEffect();
}

BOOL Profile::SaveMultipleConfig(const std::string& name, int rewriteSet)
{
    if (!NameFault(name).empty() || !Store())
        return FALSE;
    AppliedProfile applied;
    if (ReadAppliedProfile(adapter_.OpenStore(), applied) && applied.location == Location() &&
        !SameSettings(applied.settings, settings_))
        PutIntoEffect();  // a set's profile is committed without Apply
    if (rewriteSet || BelongsToMultipleConfig(settings_.name, name))
        return adapter_.RecordMultipleConfig(name);
    return TRUE;
}

BOOL Profile::IsModified()
{
    if (deleted_)
        return FALSE;
    OpenSecrets();
    if (!SameSettings(settings_, stored_))
        return TRUE;
    AppliedProfile applied;
    return ReadAppliedProfile(adapter_.OpenStore(), applied) && applied.location == Location() &&
           !SameSettings(applied.settings, settings_);
}

std::string& Profile::GetName(std::string& name) const
{
    return name = settings_.name;
}

BOOL Profile::SetName(const std::string& name)
{
    if (deleted_ || !NameFault(name).empty() || adapter_.IsNameTaken(name, this))
        return FALSE;
    adapter_.NameChanged(settings_.name, name);
    settings_.name = name;
    return TRUE;
}

BOOL Profile::SetNumber(DWORD ProfileSettings::*field, DWORD value, DWORD highest)
{
    CCallLog::Add(NameOf(field), std::to_string(value));
    if (value > highest)
        return FALSE;
    settings_.*field = value;
    return TRUE;
}

BOOL Profile::SetText(std::string ProfileSettings::*field, const std::string& text, size_t longest)
{
    CCallLog::Add(NameOf(field), text);
    return PutText(field, text, longest);
}

BOOL Profile::PutText(std::string ProfileSettings::*field, const std::string& text, size_t longest)
{
    if (text.size() > longest || text.find('\0') != std::string::npos)
        return FALSE;
    settings_.*field = text;
    return TRUE;
}

BOOL Profile::SetKey(std::string ProfileSettings::*key, DWORD ProfileSettings::*length, const std::string& text,
                     int lengthIndex)
{
    CCallLog::Add(NameOf(key), text + "," + std::to_string(lengthIndex));
    if (lengthIndex < 0 || lengthIndex > 3 || !IsHex(text) || !FitsLengthIndex(text.size(), lengthIndex))
        return FALSE;
    OpenSecrets();
    settings_.*key = text;
    settings_.*length = static_cast<DWORD>(lengthIndex);
    return TRUE;
}

BOOL Profile::SetPassword(std::string ProfileSettings::*field, const std::string& password, int length)
{
    CCallLog::Add(NameOf(field), password + "," + std::to_string(length));
    if (length < 0 || static_cast<size_t>(length) > password.size())
        return FALSE;
    OpenSecrets();
    return PutText(field, password.substr(0, length), kLongestText);
}

BOOL Profile::NotifyLoaded(int group)
{
    const SettingGroup kGroups[] = {SettingGroup::Security, SettingGroup::Network, SettingGroup::Power};
    if (group < 1 || group > 3 || deleted_)
        return FALSE;
    SettingGroup loaded = kGroups[group - 1];
    OpenSecrets();
    ProfileSettings fresh;
    if (!ReadProfileRecord(adapter_.OpenStore().OpenChild(listKey_), id_, fresh))
        return FALSE;
    ProfileSettings untouched = settings_;
    CopySettingGroup(loaded, stored_, untouched);
    if (!SameSettings(untouched, settings_))
        return TRUE;  // the caller's own changes win
    CopySettingGroup(loaded, fresh, settings_);
    CopySettingGroup(loaded, fresh, stored_);
    return TRUE;
}

DWORD Profile::GetNetworkType() const { return settings_.networkType; }
BOOL Profile::SetNetworkType(DWORD type) { return SetNumber(&ProfileSettings::networkType, type, 1); }
std::string& Profile::GetNetworkName(std::string& name) const { return name = settings_.networkName1; }
std::string& Profile::GetNetworkName2(std::string& name) const { return name = settings_.networkName2; }
std::string& Profile::GetNetworkName3(std::string& name) const { return name = settings_.networkName3; }
BOOL Profile::SetNetworkName(const std::string& name) { return SetText(&ProfileSettings::networkName1, name, kLongestName); }
BOOL Profile::SetNetworkName2(const std::string& name) { return SetText(&ProfileSettings::networkName2, name, kLongestName); }
BOOL Profile::SetNetworkName3(const std::string& name) { return SetText(&ProfileSettings::networkName3, name, kLongestName); }
DWORD Profile::GetWirelessMode() const { return settings_.wirelessMode; }

BOOL Profile::SetWirelessMode(DWORD mode)
{
    return mode != 0 && SetNumber(&ProfileSettings::wirelessMode, mode, 15);
}

DWORD Profile::GetAdHocStartBand() const { return settings_.adHocStartBand; }
BOOL Profile::SetAdHocStartBand(DWORD band) { return SetNumber(&ProfileSettings::adHocStartBand, band, 4); }

BOOL Profile::GetEnableSecurity() const { return settings_.enableSecurity; }
BOOL Profile::SetEnableSecurity(BOOL enable) { return SetNumber(&ProfileSettings::enableSecurity, enable != FALSE, 1); }
DWORD Profile::GetEapSelection() const { return settings_.eapSelection; }
BOOL Profile::SetEapSelection(DWORD selection) { return SetNumber(&ProfileSettings::eapSelection, selection, 7); }
BOOL Profile::GetWpa() const { return settings_.wpa; }
BOOL Profile::SetWpa(BOOL wpa) { return SetNumber(&ProfileSettings::wpa, wpa != FALSE, 1); }
BOOL Profile::GetDynamicSecurity() const { return settings_.dynamicSecurity; }
BOOL Profile::SetDynamicSecurity(BOOL dynamic) { return SetNumber(&ProfileSettings::dynamicSecurity, dynamic != FALSE, 1); }
BOOL Profile::GetLeapEnabled() const { return settings_.leapEnabled; }
BOOL Profile::SetLeapEnabled(BOOL enabled) { return SetNumber(&ProfileSettings::leapEnabled, enabled != FALSE, 1); }
DWORD Profile::GetWepEncryptType() const { return settings_.wepEncryptType; }
BOOL Profile::SetWepEncryptType(DWORD format) { return SetNumber(&ProfileSettings::wepEncryptType, format, MAXDWORD); }

std::string& Profile::GetSharedKey1(std::string& key) const { OpenSecrets(); return key = settings_.sharedKey1; }
std::string& Profile::GetSharedKey2(std::string& key) const { OpenSecrets(); return key = settings_.sharedKey2; }
std::string& Profile::GetSharedKey3(std::string& key) const { OpenSecrets(); return key = settings_.sharedKey3; }
std::string& Profile::GetSharedKey4(std::string& key) const { OpenSecrets(); return key = settings_.sharedKey4; }

BOOL Profile::SetSharedKey1(const std::string& key, int lengthIndex)
{
    return SetKey(&ProfileSettings::sharedKey1, &ProfileSettings::sharedKey1Length, key, lengthIndex);
}

BOOL Profile::SetSharedKey2(const std::string& key, int lengthIndex)
{
    return SetKey(&ProfileSettings::sharedKey2, &ProfileSettings::sharedKey2Length, key, lengthIndex);
}

BOOL Profile::SetSharedKey3(const std::string& key, int lengthIndex)
{
    return SetKey(&ProfileSettings::sharedKey3, &ProfileSettings::sharedKey3Length, key, lengthIndex);
}

BOOL Profile::SetSharedKey4(const std::string& key, int lengthIndex)
{
    return SetKey(&ProfileSettings::sharedKey4, &ProfileSettings::sharedKey4Length, key, lengthIndex);
}

int Profile::GetSharedKey1Length() const { return static_cast<int>(settings_.sharedKey1Length); }
int Profile::GetSharedKey2Length() const { return static_cast<int>(settings_.sharedKey2Length); }
int Profile::GetSharedKey3Length() const { return static_cast<int>(settings_.sharedKey3Length); }
int Profile::GetSharedKey4Length() const { return static_cast<int>(settings_.sharedKey4Length); }
int Profile::GetDefaultKey() const { return static_cast<int>(settings_.defaultKey); }

BOOL Profile::SetDefaultKey(int key)
{
    return key >= 0 && SetNumber(&ProfileSettings::defaultKey, static_cast<DWORD>(key), 4);
}

BOOL Profile::GetHexEntryPp() const { return settings_.hexEntryPp; }
BOOL Profile::SetHexEntryPp(BOOL hexEntry) { return SetNumber(&ProfileSettings::hexEntryPp, hexEntry != FALSE, 1); }

std::string& Profile::GetPassphrase(std::string& key, BOOL hexEntry) const
{
    OpenSecrets();
    bool asEntered = (hexEntry != FALSE) == (settings_.hexEntryPp != 0);
    return key = asEntered ? settings_.passphrase : std::string();
}

BOOL Profile::SetPassphrase(const std::string& key, int length, BOOL hexEntry)
{
    CCallLog::Add(NameOf(&ProfileSettings::passphrase), key + "," + std::to_string(length) + "," +
                                                            std::to_string(hexEntry));
    if (length < 0 || static_cast<size_t>(length) > kLongestPassphrase || key.size() > kLongestPassphrase ||
        (hexEntry && !IsHex(key)))
        return FALSE;
    OpenSecrets();
    if (!PutText(&ProfileSettings::passphrase, key, kLongestPassphrase))
        return FALSE;
    settings_.passphraseLength = static_cast<DWORD>(length);
    settings_.hexEntryPp = hexEntry != FALSE;
    return TRUE;
}

int Profile::GetPassphraseLength() const { return static_cast<int>(settings_.passphraseLength); }

std::string& Profile::GetLeapUserName(std::string& name) const { return name = settings_.leapUserName; }
BOOL Profile::SetLeapUserName(const std::string& name) { return SetText(&ProfileSettings::leapUserName, name, kLongestText); }
std::string& Profile::GetLeapUserPasswd(std::string& password) const
{
    OpenSecrets();
    return password = settings_.leapUserPasswd;
}

BOOL Profile::SetLeapUserPasswd(const std::string& password, int length)
{
    return SetPassword(&ProfileSettings::leapUserPasswd, password, length);
}

std::string& Profile::GetCertificate(std::string& id) const { return id = settings_.certificate; }
BOOL Profile::SetCertificate(const std::string& id) { return SetText(&ProfileSettings::certificate, id, kLongestText); }
std::string& Profile::GetCA(std::string& id) const { return id = settings_.ca; }
BOOL Profile::SetCA(const std::string& id) { return SetText(&ProfileSettings::ca, id, kLongestText); }
std::string& Profile::GetDomainName(std::string& name) const { return name = settings_.domainName; }
BOOL Profile::SetDomainName(const std::string& name) { return SetText(&ProfileSettings::domainName, name, kLongestText); }
std::string& Profile::GetLoginName(std::string& name) const { return name = settings_.loginName; }
BOOL Profile::SetLoginName(const std::string& name) { return SetText(&ProfileSettings::loginName, name, kLongestText); }
std::string& Profile::GetAdvancedUserName(std::string& name) const { return name = settings_.advancedUserName; }

BOOL Profile::SetAdvancedUserName(const std::string& name)
{
    return SetText(&ProfileSettings::advancedUserName, name, kLongestText);
}

std::string& Profile::GetAdvancedPassword(std::string& password) const
{
    OpenSecrets();
    return password = settings_.advancedPassword;
}

BOOL Profile::SetAdvancedPassword(const std::string& password, int length)
{
    return SetPassword(&ProfileSettings::advancedPassword, password, length);
}

std::string& Profile::GetAdvancedCertificate(std::string& id) const { return id = settings_.advancedCertificate; }

BOOL Profile::SetAdvancedCertificate(const std::string& id)
{
    return SetText(&ProfileSettings::advancedCertificate, id, kLongestText);
}

DWORD Profile::GetTransmitPower() const { return settings_.transmitPower; }
BOOL Profile::SetTransmitPower(DWORD power) { return SetNumber(&ProfileSettings::transmitPower, power, 4); }
DWORD Profile::GetPowerSaving() const { return settings_.powerSaving; }
BOOL Profile::SetPowerSaving(DWORD saving) { return SetNumber(&ProfileSettings::powerSaving, saving, 3); }
