#include "profile_settings.h"

namespace {

SettingField Number(const char* name, SettingGroup group, DWORD ProfileSettings::*member)
{
    return {name, group, SettingKind::Number, member, nullptr};
}

SettingField Text(const char* name, SettingGroup group, std::string ProfileSettings::*member)
{
    return {name, group, SettingKind::Text, nullptr, member};
}

SettingField Secret(const char* name, std::string ProfileSettings::*member)
{
    return {name, SettingGroup::Security, SettingKind::Secret, nullptr, member};
}

const SettingGroup kNetwork = SettingGroup::Network;
const SettingGroup kSecurity = SettingGroup::Security;
const SettingGroup kPower = SettingGroup::Power;

bool SameField(const SettingField& field, const ProfileSettings& a, const ProfileSettings& b)
{
    return field.number ? a.*field.number == b.*field.number : a.*field.text == b.*field.text;
}

}  // namespace

const SettingField kSettingFields[] = {
    Text("Name", SettingGroup::Identity, &ProfileSettings::name),
    Number("NetworkType", kNetwork, &ProfileSettings::networkType),
    Text("NetworkName", kNetwork, &ProfileSettings::networkName1),
    Text("NetworkName2", kNetwork, &ProfileSettings::networkName2),
    Text("NetworkName3", kNetwork, &ProfileSettings::networkName3),
    Number("WirelessMode", kNetwork, &ProfileSettings::wirelessMode),
    Number("AdHocStartBand", kNetwork, &ProfileSettings::adHocStartBand),
    Number("EnableSecurity", kSecurity, &ProfileSettings::enableSecurity),
    Number("EapSelection", kSecurity, &ProfileSettings::eapSelection),
    Number("WPA", kSecurity, &ProfileSettings::wpa),
    Number("DynamicSecurity", kSecurity, &ProfileSettings::dynamicSecurity),
    Number("leapEnabled", kSecurity, &ProfileSettings::leapEnabled),
    Number("WEPEncryptType", kSecurity, &ProfileSettings::wepEncryptType),
    Secret("SharedKey1", &ProfileSettings::sharedKey1),
    Number("SharedKey1Length", kSecurity, &ProfileSettings::sharedKey1Length),
    Secret("SharedKey2", &ProfileSettings::sharedKey2),
    Number("SharedKey2Length", kSecurity, &ProfileSettings::sharedKey2Length),
    Secret("SharedKey3", &ProfileSettings::sharedKey3),
    Number("SharedKey3Length", kSecurity, &ProfileSettings::sharedKey3Length),
    Secret("SharedKey4", &ProfileSettings::sharedKey4),
    Number("SharedKey4Length", kSecurity, &ProfileSettings::sharedKey4Length),
    Number("DefaultKey", kSecurity, &ProfileSettings::defaultKey),
    Number("HexEntryPp", kSecurity, &ProfileSettings::hexEntryPp),
    Secret("Passphrase", &ProfileSettings::passphrase),
    Number("PassphraseLength", kSecurity, &ProfileSettings::passphraseLength),
    Text("leapUserName", kSecurity, &ProfileSettings::leapUserName),
    Secret("leapUserPasswd", &ProfileSettings::leapUserPasswd),
    Text("Certificate", kSecurity, &ProfileSettings::certificate),
    Text("CA", kSecurity, &ProfileSettings::ca),
    Text("DomainName", kSecurity, &ProfileSettings::domainName),
    Text("LoginName", kSecurity, &ProfileSettings::loginName),
    Text("AdvancedUserName", kSecurity, &ProfileSettings::advancedUserName),
    Secret("AdvancedPassword", &ProfileSettings::advancedPassword),
    Text("AdvancedCertificate", kSecurity, &ProfileSettings::advancedCertificate),
    Number("TransmitPower", kPower, &ProfileSettings::transmitPower),
    Number("PowerSaving", kPower, &ProfileSettings::powerSaving),
};

const size_t kSettingFieldCount = sizeof(kSettingFields) / sizeof(kSettingFields[0]);

bool SameSettings(const ProfileSettings& a, const ProfileSettings& b)
{
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        if (!SameField(kSettingFields[i], a, b))
            return false;
    }
    return true;
}

void CopySettingGroup(SettingGroup group, const ProfileSettings& from, ProfileSettings& to)
{
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        if (field.group != group)
            continue;
        if (field.number)
            to.*field.number = from.*field.number;
        else
            to.*field.text = from.*field.text;
    }
}

std::string SettingText(const SettingField& field, const ProfileSettings& settings)
{
    return field.number ? std::to_string(settings.*field.number) : settings.*field.text;
}
