// A profile object of the library: the settings as the caller edits them,
// and the settings as last read from or written to the store.
#pragma once

#include "80211api.h"
#include "profile_record.h"
#include "profile_settings.h"

class Adapter;

class Profile : public CAdapterConfig {
public:
    // `listKey` is kProfilesKey or kProvisionedKey; `id` the profile's key.
    // Secrets read still sealed are opened when first needed.
    Profile(Adapter& adapter, const char* listKey, std::string id, const ProfileSettings& stored, Secrets secrets);
    ~Profile() override = default;

    std::string Location() const;
    bool IsProvisioned() const;
    // An administrator's profile and a caller who is not an administrator.
    bool IsClosedToCaller() const;
    bool IsDeleted() const { return deleted_; }
    void MarkDeleted() { deleted_ = true; }
    const std::string& Name() const { return settings_.name; }

    BOOL Apply() override;
    BOOL Save() override;
    BOOL ApplyTemporarily() override;
    BOOL SaveMultipleConfig(const std::string& name, int rewriteSet) override;
    BOOL IsModified() override;
    std::string& GetName(std::string& name) const override;
    BOOL SetName(const std::string& name) override;

    DWORD GetNetworkType() const override;
    BOOL SetNetworkType(DWORD type) override;
    std::string& GetNetworkName(std::string& name) const override;
    std::string& GetNetworkName2(std::string& name) const override;
    std::string& GetNetworkName3(std::string& name) const override;
    BOOL SetNetworkName(const std::string& name) override;
    BOOL SetNetworkName2(const std::string& name) override;
    BOOL SetNetworkName3(const std::string& name) override;
    DWORD GetWirelessMode() const override;
    BOOL SetWirelessMode(DWORD mode) override;
    DWORD GetAdHocStartBand() const override;
    BOOL SetAdHocStartBand(DWORD band) override;
    BOOL NotifyLoaded(int group) override;

    BOOL GetEnableSecurity() const override;
    BOOL SetEnableSecurity(BOOL enable) override;
    DWORD GetEapSelection() const override;
    BOOL SetEapSelection(DWORD selection) override;
    BOOL GetWpa() const override;
    BOOL SetWpa(BOOL wpa) override;
    BOOL GetDynamicSecurity() const override;
    BOOL SetDynamicSecurity(BOOL dynamic) override;
    BOOL GetLeapEnabled() const override;
    BOOL SetLeapEnabled(BOOL enabled) override;
    DWORD GetWepEncryptType() const override;
    BOOL SetWepEncryptType(DWORD format) override;
    std::string& GetSharedKey1(std::string& key) const override;
    std::string& GetSharedKey2(std::string& key) const override;
    std::string& GetSharedKey3(std::string& key) const override;
    std::string& GetSharedKey4(std::string& key) const override;
    BOOL SetSharedKey1(const std::string& key, int lengthIndex) override;
    BOOL SetSharedKey2(const std::string& key, int lengthIndex) override;
    BOOL SetSharedKey3(const std::string& key, int lengthIndex) override;
    BOOL SetSharedKey4(const std::string& key, int lengthIndex) override;
    int GetSharedKey1Length() const override;
    int GetSharedKey2Length() const override;
    int GetSharedKey3Length() const override;
    int GetSharedKey4Length() const override;
    int GetDefaultKey() const override;
    BOOL SetDefaultKey(int key) override;
    BOOL GetHexEntryPp() const override;
    BOOL SetHexEntryPp(BOOL hexEntry) override;
    std::string& GetPassphrase(std::string& key, BOOL hexEntry) const override;
    BOOL SetPassphrase(const std::string& key, int length, BOOL hexEntry) override;
    int GetPassphraseLength() const override;
    std::string& GetLeapUserName(std::string& name) const override;
    BOOL SetLeapUserName(const std::string& name) override;
    std::string& GetLeapUserPasswd(std::string& password) const override;
    BOOL SetLeapUserPasswd(const std::string& password, int length) override;
    std::string& GetCertificate(std::string& id) const override;
    BOOL SetCertificate(const std::string& id) override;
    std::string& GetCA(std::string& id) const override;
    BOOL SetCA(const std::string& id) override;
    std::string& GetDomainName(std::string& name) const override;
    BOOL SetDomainName(const std::string& name) override;
    std::string& GetLoginName(std::string& name) const override;
    BOOL SetLoginName(const std::string& name) override;
    std::string& GetAdvancedUserName(std::string& name) const override;
    BOOL SetAdvancedUserName(const std::string& name) override;
    std::string& GetAdvancedPassword(std::string& password) const override;
    BOOL SetAdvancedPassword(const std::string& password, int length) override;
    std::string& GetAdvancedCertificate(std::string& id) const override;
    BOOL SetAdvancedCertificate(const std::string& id) override;

    DWORD GetTransmitPower() const override;
    BOOL SetTransmitPower(DWORD power) override;
    DWORD GetPowerSaving() const override;
    BOOL SetPowerSaving(DWORD saving) override;

private:
    // Opens the secrets read sealed; every use of a key or password, and of
    // the whole record, comes after it.
    void OpenSecrets() const;
    bool MayStore() const;
    bool Store();
    bool PutIntoEffect();
    BOOL SetNumber(DWORD ProfileSettings::*field, DWORD value, DWORD highest);
    BOOL SetText(std::string ProfileSettings::*field, const std::string& text, size_t longest);
    BOOL SetKey(std::string ProfileSettings::*key, DWORD ProfileSettings::*length, const std::string& text,
                int lengthIndex);
    BOOL SetPassword(std::string ProfileSettings::*field, const std::string& password, int length);
    // SetText without the call log, for the setters that log their own call.
    BOOL PutText(std::string ProfileSettings::*field, const std::string& text, size_t longest);

    Adapter& adapter_;
    const char* listKey_;
    std::string id_;
    // Mutable for OpenSecrets only: opening changes no setting.
    mutable ProfileSettings settings_;
    mutable ProfileSettings stored_;
    mutable bool sealed_;
    bool deleted_ = false;
};
