#include "security_record.h"

#include "driver/80211api.h"
#include "res/resource.h"

const char kNoKeyValue[] = "3237353134";

namespace {

using KeyGetter = std::string& (CAdapterConfig::*)(std::string&) const;
using KeyLengthGetter = int (CAdapterConfig::*)() const;
using KeySetter = BOOL (CAdapterConfig::*)(const std::string&, int);

const KeyGetter kKeyGetters[] = {&CAdapterConfig::GetSharedKey1, &CAdapterConfig::GetSharedKey2,
                                 &CAdapterConfig::GetSharedKey3, &CAdapterConfig::GetSharedKey4};
const KeyLengthGetter kKeyLengthGetters[] = {
    &CAdapterConfig::GetSharedKey1Length, &CAdapterConfig::GetSharedKey2Length,
    &CAdapterConfig::GetSharedKey3Length, &CAdapterConfig::GetSharedKey4Length};
const KeySetter kKeySetters[] = {&CAdapterConfig::SetSharedKey1, &CAdapterConfig::SetSharedKey2,
                                 &CAdapterConfig::SetSharedKey3, &CAdapterConfig::SetSharedKey4};

const int kLength64 = 0;
const int kLength128 = 1;
const int kLengthNotSet = 3;

int StringLength(const std::string& text)
{
    return static_cast<int>(text.size());
}

BOOL Refuse(UINT message, UINT control, UINT& messageId, UINT& controlId)
{
    messageId = message;
    controlId = control;
    return FALSE;
}

}  // namespace

bool IsMasked(const std::string& text)
{
    return text.find('*') != std::string::npos;
}

bool SecurityRecord::AllKeysEmpty() const
{
    for (const std::string& key : SharedKey) {
        if (!key.empty())
            return false;
    }
    return true;
}

void SecurityRecord::LoadSelection(const CAdapterConfig& profile)
{
    EapSelection = static_cast<int>(profile.GetEapSelection());
    WPA = profile.GetWpa();
    DynamicSecurity = profile.GetDynamicSecurity();
}

void SecurityRecord::LoadKeysAndCredentials(const CAdapterConfig& profile)
{
    SharedKeyLength[0] = kLength64;
    for (int i = 1; i < 4; ++i)
        SharedKeyLength[i] = kLength128;
    WEPEncryptType = static_cast<int>(profile.GetWepEncryptType());
    for (int i = 0; i < 4; ++i)
        (profile.*kKeyGetters[i])(SharedKey[i]);
    if (SharedKey[0] == kNoKeyValue)
        SharedKey[0].clear();
    DefaultKey = profile.GetDefaultKey();
    for (int i = 0; i < 4; ++i) {
        if (SharedKey[i].empty())
            continue;
        int length = (profile.*kKeyLengthGetters[i])();
        SharedKeyLength[i] = length != kLengthNotSet ? length : i == 0 ? kLength64 : kLength128;
    }
    HexEntryPp = profile.GetHexEntryPp();
    profile.GetCertificate(Certificate);
    profile.GetAdvancedPassword(AdvancedPassword);
    profile.GetAdvancedUserName(AdvancedUserName);
    profile.GetAdvancedCertificate(AdvancedCertificate);
    profile.GetCA(CA);
    profile.GetLoginName(LoginName);
    profile.GetDomainName(DomainName);
    profile.GetLeapUserName(leapUserName);
    profile.GetLeapUserPasswd(leapUserPasswd);
    profile.GetPassphrase(Passphrase, HexEntryPp);
    PassphraseLength = profile.GetPassphraseLength();
}

BOOL SecurityRecord::Validate(UINT& messageId, UINT& controlId, BOOL& showPlain) const
{
    if (!EnableSecurity)
        return TRUE;
    if (EapSelection == kEapStaticKeys && !WPA && !leapEnabled) {
        if (AllKeysEmpty()) {
            showPlain = TRUE;
            return Refuse(IDS_NO_KEY_SPECIFIED, IDC_WEP_KEY1, messageId, controlId);
        }
        if (DefaultKey >= 1 && DefaultKey <= 4 && SharedKey[DefaultKey - 1].empty()) {
            showPlain = TRUE;
            return Refuse(IDS_DEFAULT_KEY_EMPTY, IDC_WEP_DEFAULT_KEY, messageId, controlId);
        }
    }
    if (leapEnabled) {
        if (leapUserName.empty())
            return Refuse(IDS_LEAP_USER_NAME_EMPTY, IDC_LEAP_USER_NAME, messageId, controlId);
        if (leapUserPasswd.empty())
            return Refuse(IDS_LEAP_PASSWORD_EMPTY, IDC_LEAP_PASSWORD, messageId, controlId);
        return TRUE;
    }
    if (EapSelection == kEapStaticKeys && WPA) {
        if (Passphrase.empty())
            return Refuse(IDS_PASSPHRASE_LENGTH, IDC_WPA_KEY, messageId, controlId);
    } else if (EapSelection == kEapTls) {
        if (Certificate.empty())
            return Refuse(IDS_NO_CERTIFICATES, IDC_ENCRYPT_CERTIFICATE, messageId, controlId);
        if (DomainName.empty())
            return Refuse(IDS_DOMAIN_NAME_EMPTY, IDC_ENCRYPT_CERTIFICATE, messageId, controlId);
        if (LoginName.empty())
            return Refuse(IDS_LOGIN_NAME_EMPTY, IDC_ENCRYPT_CERTIFICATE, messageId, controlId);
    } else if (EapSelection == kEapPeapGtc || EapSelection == kEapPeap) {
        if (AdvancedUserName.empty())
            return Refuse(IDS_USER_NAME_EMPTY, IDC_PEAP_USER_NAME, messageId, controlId);
    }
    return TRUE;
}

void SecurityRecord::StoreNoKeyMarker(CAdapterConfig& profile)
{
    // The format was stored before; the record follows the marker from now on.
    SharedKeyLength[0] = kLength64;
    WEPEncryptType = 0;
    profile.SetSharedKey1(kNoKeyValue, kLength64);
}

void SecurityRecord::Store(CAdapterConfig& profile)
{
    profile.SetEnableSecurity(EnableSecurity);
    profile.SetWepEncryptType(static_cast<DWORD>(WEPEncryptType));
    for (int i = 0; i < 4; ++i) {
        if (!IsMasked(SharedKey[i]))
            (profile.*kKeySetters[i])(SharedKey[i], SharedKeyLength[i]);
    }
    profile.SetDefaultKey(DefaultKey);
    profile.SetLeapEnabled(leapEnabled);
    profile.SetLeapUserName(leapUserName);
    profile.SetLeapUserPasswd(leapUserPasswd, StringLength(leapUserPasswd));
    profile.SetEapSelection(static_cast<DWORD>(EapSelection));
    profile.SetDynamicSecurity(DynamicSecurity);
    profile.SetWpa(WPA);
    if (!Certificate.empty())
        profile.SetCertificate(Certificate);
    if (!AdvancedPassword.empty())
        profile.SetAdvancedPassword(AdvancedPassword, StringLength(AdvancedPassword));
    if (!AdvancedUserName.empty())
        profile.SetAdvancedUserName(AdvancedUserName);
    profile.SetCA(CA);
    profile.SetLoginName(LoginName);
    profile.SetDomainName(DomainName);
    if (!AdvancedCertificate.empty())
        profile.SetAdvancedCertificate(AdvancedCertificate);
    if (!IsMasked(Passphrase)) {
        profile.SetHexEntryPp(HexEntryPp);
        profile.SetPassphrase(Passphrase, PassphraseLength, HexEntryPp);
        if (AllKeysEmpty() && EapSelection == kEapStaticKeys && WPA)
            StoreNoKeyMarker(profile);
    }
    if (DynamicSecurity && AllKeysEmpty())
        StoreNoKeyMarker(profile);
    profile.Save();
}
