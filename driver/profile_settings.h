// Every setting of one profile, as the card stores it, and the table that
// names each for the store and for vyrsim.
#pragma once

#include <windows.h>

#include <string>

struct ProfileSettings {
    std::string name;

    DWORD networkType = 1;
    std::string networkName1;
    std::string networkName2;
    std::string networkName3;
    DWORD wirelessMode = 13;
    DWORD adHocStartBand = 0;

    DWORD enableSecurity = 0;
    DWORD eapSelection = 0;
    DWORD wpa = 0;
    DWORD dynamicSecurity = 0;
    DWORD leapEnabled = 0;
    DWORD wepEncryptType = 0;
    std::string sharedKey1;
    std::string sharedKey2;
    std::string sharedKey3;
    std::string sharedKey4;
    DWORD sharedKey1Length = 3;
    DWORD sharedKey2Length = 3;
    DWORD sharedKey3Length = 3;
    DWORD sharedKey4Length = 3;
    DWORD defaultKey = 1;
    DWORD hexEntryPp = 0;
    std::string passphrase;
    DWORD passphraseLength = 0;
    std::string leapUserName;
    std::string leapUserPasswd;
    std::string certificate;
    std::string ca;
    std::string domainName;
    std::string loginName;
    std::string advancedUserName;
    std::string advancedPassword;
    std::string advancedCertificate;

    DWORD transmitPower = 0;
    DWORD powerSaving = 0;
};

enum class SettingGroup { Identity, Security, Network, Power };
enum class SettingKind { Number, Text, Secret };

struct SettingField {
    const char* name;  // the registry value's name
    SettingGroup group;
    SettingKind kind;
    DWORD ProfileSettings::*number;
    std::string ProfileSettings::*text;
};

// Every field of ProfileSettings, in the order vyrsim lists them.
extern const SettingField kSettingFields[];
extern const size_t kSettingFieldCount;

bool SameSettings(const ProfileSettings& a, const ProfileSettings& b);
// Takes the fields of `group` from `from`.
void CopySettingGroup(SettingGroup group, const ProfileSettings& from, ProfileSettings& to);
// A field's value as text ("" for an empty text, the number in decimal).
std::string SettingText(const SettingField& field, const ProfileSettings& settings);
