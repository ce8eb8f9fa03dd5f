// A profile that writes down every setter and Save called on it, with the
// arguments, and passes each call on to the real profile.
#pragma once

#include <string>

#include "driver/80211api.h"

class RecordingProfile : public CAdapterConfig {
public:
    explicit RecordingProfile(CAdapterConfig& real) : p_(real) {}
    // "Name(argument,...) " per call, in order.
    std::string log;

    BOOL Apply() override { return p_.Apply(); }
    BOOL Save() override { return Log("Save"), p_.Save(); }
    BOOL ApplyTemporarily() override { return p_.ApplyTemporarily(); }
    BOOL SaveMultipleConfig(const std::string& n, int r) override { return p_.SaveMultipleConfig(n, r); }
    BOOL IsModified() override { return p_.IsModified(); }
    std::string& GetName(std::string& s) const override { return p_.GetName(s); }
    BOOL SetName(const std::string& s) override { return p_.SetName(s); }
    DWORD GetNetworkType() const override { return p_.GetNetworkType(); }
    BOOL SetNetworkType(DWORD v) override { return p_.SetNetworkType(v); }
    std::string& GetNetworkName(std::string& s) const override { return p_.GetNetworkName(s); }
    std::string& GetNetworkName2(std::string& s) const override { return p_.GetNetworkName2(s); }
    std::string& GetNetworkName3(std::string& s) const override { return p_.GetNetworkName3(s); }
    BOOL SetNetworkName(const std::string& s) override { return p_.SetNetworkName(s); }
    BOOL SetNetworkName2(const std::string& s) override { return p_.SetNetworkName2(s); }
    BOOL SetNetworkName3(const std::string& s) override { return p_.SetNetworkName3(s); }
    DWORD GetWirelessMode() const override { return p_.GetWirelessMode(); }
    BOOL SetWirelessMode(DWORD v) override { return p_.SetWirelessMode(v); }
    DWORD GetAdHocStartBand() const override { return p_.GetAdHocStartBand(); }
    BOOL SetAdHocStartBand(DWORD v) override { return p_.SetAdHocStartBand(v); }
    BOOL NotifyLoaded(int group) override { return p_.NotifyLoaded(group); }

    BOOL GetEnableSecurity() const override { return p_.GetEnableSecurity(); }
    BOOL SetEnableSecurity(BOOL v) override { return Log("Security", v), p_.SetEnableSecurity(v); }
    DWORD GetEapSelection() const override { return p_.GetEapSelection(); }
    BOOL SetEapSelection(DWORD v) override { return Log("Eap", v), p_.SetEapSelection(v); }
    BOOL GetWpa() const override { return p_.GetWpa(); }
    BOOL SetWpa(BOOL v) override { return Log("Wpa", v), p_.SetWpa(v); }
    BOOL GetDynamicSecurity() const override { return p_.GetDynamicSecurity(); }
    BOOL SetDynamicSecurity(BOOL v) override { return Log("Dynamic", v), p_.SetDynamicSecurity(v); }
    BOOL GetLeapEnabled() const override { return p_.GetLeapEnabled(); }
    BOOL SetLeapEnabled(BOOL v) override { return Log("Leap", v), p_.SetLeapEnabled(v); }
    DWORD GetWepEncryptType() const override { return p_.GetWepEncryptType(); }
    BOOL SetWepEncryptType(DWORD v) override { return Log("Format", v), p_.SetWepEncryptType(v); }
    std::string& GetSharedKey1(std::string& s) const override { return p_.GetSharedKey1(s); }
    std::string& GetSharedKey2(std::string& s) const override { return p_.GetSharedKey2(s); }
    std::string& GetSharedKey3(std::string& s) const override { return p_.GetSharedKey3(s); }
    std::string& GetSharedKey4(std::string& s) const override { return p_.GetSharedKey4(s); }
    BOOL SetSharedKey1(const std::string& s, int n) override { return Log("Key1", s, n), p_.SetSharedKey1(s, n); }
    BOOL SetSharedKey2(const std::string& s, int n) override { return Log("Key2", s, n), p_.SetSharedKey2(s, n); }
    BOOL SetSharedKey3(const std::string& s, int n) override { return Log("Key3", s, n), p_.SetSharedKey3(s, n); }
    BOOL SetSharedKey4(const std::string& s, int n) override { return Log("Key4", s, n), p_.SetSharedKey4(s, n); }
    int GetSharedKey1Length() const override { return p_.GetSharedKey1Length(); }
    int GetSharedKey2Length() const override { return p_.GetSharedKey2Length(); }
    int GetSharedKey3Length() const override { return p_.GetSharedKey3Length(); }
    int GetSharedKey4Length() const override { return p_.GetSharedKey4Length(); }
    int GetDefaultKey() const override { return p_.GetDefaultKey(); }
    BOOL SetDefaultKey(int v) override { return Log("Default", v), p_.SetDefaultKey(v); }
    BOOL GetHexEntryPp() const override { return p_.GetHexEntryPp(); }
    BOOL SetHexEntryPp(BOOL v) override { return Log("Hex", v), p_.SetHexEntryPp(v); }
    std::string& GetPassphrase(std::string& s, BOOL hex) const override { return p_.GetPassphrase(s, hex); }
    BOOL SetPassphrase(const std::string& s, int n, BOOL h) override { return Log("Pp", s, n, h), p_.SetPassphrase(s, n, h); }
    int GetPassphraseLength() const override { return p_.GetPassphraseLength(); }
    std::string& GetLeapUserName(std::string& s) const override { return p_.GetLeapUserName(s); }
    BOOL SetLeapUserName(const std::string& s) override { return Log("LeapUser", s), p_.SetLeapUserName(s); }
    std::string& GetLeapUserPasswd(std::string& s) const override { return p_.GetLeapUserPasswd(s); }
    BOOL SetLeapUserPasswd(const std::string& s, int n) override { return Log("LeapPw", s, n), p_.SetLeapUserPasswd(s, n); }
    std::string& GetCertificate(std::string& s) const override { return p_.GetCertificate(s); }
    BOOL SetCertificate(const std::string& s) override { return Log("Cert", s), p_.SetCertificate(s); }
    std::string& GetCA(std::string& s) const override { return p_.GetCA(s); }
    BOOL SetCA(const std::string& s) override { return Log("CA", s), p_.SetCA(s); }
    std::string& GetDomainName(std::string& s) const override { return p_.GetDomainName(s); }
    BOOL SetDomainName(const std::string& s) override { return Log("Domain", s), p_.SetDomainName(s); }
    std::string& GetLoginName(std::string& s) const override { return p_.GetLoginName(s); }
    BOOL SetLoginName(const std::string& s) override { return Log("Login", s), p_.SetLoginName(s); }
    std::string& GetAdvancedUserName(std::string& s) const override { return p_.GetAdvancedUserName(s); }
    BOOL SetAdvancedUserName(const std::string& s) override { return Log("AdvUser", s), p_.SetAdvancedUserName(s); }
    std::string& GetAdvancedPassword(std::string& s) const override { return p_.GetAdvancedPassword(s); }
    BOOL SetAdvancedPassword(const std::string& s, int n) override { return Log("AdvPw", s, n), p_.SetAdvancedPassword(s, n); }
    std::string& GetAdvancedCertificate(std::string& s) const override { return p_.GetAdvancedCertificate(s); }
    BOOL SetAdvancedCertificate(const std::string& s) override { return Log("AdvCert", s), p_.SetAdvancedCertificate(s); }
    DWORD GetTransmitPower() const override { return p_.GetTransmitPower(); }
    BOOL SetTransmitPower(DWORD v) override { return Log("TxPower", v), p_.SetTransmitPower(v); }
    DWORD GetPowerSaving() const override { return p_.GetPowerSaving(); }
    BOOL SetPowerSaving(DWORD v) override { return Log("Saving", v), p_.SetPowerSaving(v); }

private:
    static std::string Text(const std::string& s) { return s; }
    template <class T>
    static std::string Text(T number) { return std::to_string(number); }
    template <class... A>
    void Log(const char* name, const A&... arguments)
    {
        std::string joined;
        ((joined += "," + Text(arguments)), ...);
        log += std::string(name) + "(" + joined.substr(joined.empty() ? 0 : 1) + ") ";
    }

    CAdapterConfig& p_;
};
