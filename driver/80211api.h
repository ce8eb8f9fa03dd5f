// The driver-interface library of the Vyr 11a/b/g Wireless LAN Mini PCI
// Adapter: profiles, live status, certificates and the card's shared state.
// Objects that the library returns stay the library's; callers never free
// them. Setters answer FALSE, and change nothing, for values the card does
// not take.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#ifdef VYR80211_BUILDING
#define VYR80211_API __declspec(dllexport)
#else
#define VYR80211_API __declspec(dllimport)
#endif

// In a profile's name: an administrator's profile. Users who are not
// administrators cannot store, delete or select one; they can put one into
// effect temporarily.
const char kAdminProfileMarker[] = "admin_";

// One profile: a named set of card settings. Setters change the object;
// Save stores it, Apply stores it and puts it into effect on the card.
class CAdapterConfig {
public:
    // Puts the profile into effect (the link associates again) and stores
    // its settings. The adapter's stored selection does not change.
    virtual BOOL Apply() = 0;
    // Stores the profile's settings. Atomic: a process that dies during
    // Save leaves the previous settings or the new ones, never a mix.
    virtual BOOL Save() = 0;
    // Puts the profile into effect without storing its settings or the
    // selection; the card returns to its stored selection when it restarts.
    virtual BOOL ApplyTemporarily() = 0;
    // Stores a profile of the multiple configuration `name` (see
    // PAvailableAdapters). With `rewriteSet` nonzero the set's member list
    // is also written anew from the profiles that belong to it now.
    virtual BOOL SaveMultipleConfig(const std::string& name, int rewriteSet) = 0;
    // Nonzero while the object holds settings that are not stored, or, for
    // the profile in effect, settings that are not yet in effect.
    virtual BOOL IsModified() = 0;
    virtual std::string& GetName(std::string& name) const = 0;
    // At most 32 characters, not empty, unique among the adapter's
    // profiles ignoring case. Stored by the next Save.
    virtual BOOL SetName(const std::string& name) = 0;

    // Network. Type: 0 peer to peer, 1 access point. Wireless mode: a band
    // mask, 1 802.11a, 4 802.11b, 8 802.11g (5 and 13 mean Auto).
    // Start band of a peer-to-peer network: 0 or 4 802.11b, 1 802.11a,
    // 3 802.11g. Network names hold at most 32 characters; an empty first
    // name on an access-point network joins any network the profile fits.
    virtual DWORD GetNetworkType() const = 0;
    virtual BOOL SetNetworkType(DWORD type) = 0;
    virtual std::string& GetNetworkName(std::string& name) const = 0;
    virtual std::string& GetNetworkName2(std::string& name) const = 0;
    virtual std::string& GetNetworkName3(std::string& name) const = 0;
    virtual BOOL SetNetworkName(const std::string& name) = 0;
    virtual BOOL SetNetworkName2(const std::string& name) = 0;
    virtual BOOL SetNetworkName3(const std::string& name) = 0;
    virtual DWORD GetWirelessMode() const = 0;
    virtual BOOL SetWirelessMode(DWORD mode) = 0;
    virtual DWORD GetAdHocStartBand() const = 0;
    virtual BOOL SetAdHocStartBand(DWORD band) = 0;
    // An editor has shown settings group `group` (1 security, 2 network,
    // 3 power): settings of the group that this object has not changed are
    // brought up to date with the store, where another process may have
    // stored the profile since this object read it.
    virtual BOOL NotifyLoaded(int group) = 0;

    // Security. EAP selection: 0 none, 1 LEAP, 2 PEAP(GTC), 3 PEAP, 4 TLS,
    // 5 TTLS, 6 no choice, 7 static keys (WEP without WPA, pre-shared key
    // with WPA). WEP keys are hexadecimal digits: 10 for length index 0
    // (64-bit), 26 for 1 (128-bit), 32 for 2 (152-bit); index 3 means not
    // set. Key format: 0 hexadecimal entry, other values characters.
    // Secrets (keys, pass phrase, passwords) are stored encrypted.
    virtual BOOL GetEnableSecurity() const = 0;
    virtual BOOL SetEnableSecurity(BOOL enable) = 0;
    virtual DWORD GetEapSelection() const = 0;
    virtual BOOL SetEapSelection(DWORD selection) = 0;
    virtual BOOL GetWpa() const = 0;
    virtual BOOL SetWpa(BOOL wpa) = 0;
    virtual BOOL GetDynamicSecurity() const = 0;
    virtual BOOL SetDynamicSecurity(BOOL dynamic) = 0;
    virtual BOOL GetLeapEnabled() const = 0;
    virtual BOOL SetLeapEnabled(BOOL enabled) = 0;
    virtual DWORD GetWepEncryptType() const = 0;
    virtual BOOL SetWepEncryptType(DWORD format) = 0;
    virtual std::string& GetSharedKey1(std::string& key) const = 0;
    virtual std::string& GetSharedKey2(std::string& key) const = 0;
    virtual std::string& GetSharedKey3(std::string& key) const = 0;
    virtual std::string& GetSharedKey4(std::string& key) const = 0;
    virtual BOOL SetSharedKey1(const std::string& key, int lengthIndex) = 0;
    virtual BOOL SetSharedKey2(const std::string& key, int lengthIndex) = 0;
    virtual BOOL SetSharedKey3(const std::string& key, int lengthIndex) = 0;
    virtual BOOL SetSharedKey4(const std::string& key, int lengthIndex) = 0;
    virtual int GetSharedKey1Length() const = 0;
    virtual int GetSharedKey2Length() const = 0;
    virtual int GetSharedKey3Length() const = 0;
    virtual int GetSharedKey4Length() const = 0;
    // 1 to 4; 0 when no key is chosen.
    virtual int GetDefaultKey() const = 0;
    virtual BOOL SetDefaultKey(int key) = 0;
    // Pre-shared key: 8 to 63 characters, or 64 hexadecimal digits with
    // the hex-entry flag. GetPassphrase gives the stored key when `hexEntry`
    // matches how it was entered, and an empty text otherwise.
    virtual BOOL GetHexEntryPp() const = 0;
    virtual BOOL SetHexEntryPp(BOOL hexEntry) = 0;
    virtual std::string& GetPassphrase(std::string& key, BOOL hexEntry) const = 0;
    virtual BOOL SetPassphrase(const std::string& key, int length, BOOL hexEntry) = 0;
    virtual int GetPassphraseLength() const = 0;
    virtual std::string& GetLeapUserName(std::string& name) const = 0;
    virtual BOOL SetLeapUserName(const std::string& name) = 0;
    virtual std::string& GetLeapUserPasswd(std::string& password) const = 0;
    virtual BOOL SetLeapUserPasswd(const std::string& password, int length) = 0;
    // Certificates are identified as CCertificate::EnumerateCertificates
    // identifies them; an empty CA means any authority.
    virtual std::string& GetCertificate(std::string& id) const = 0;
    virtual BOOL SetCertificate(const std::string& id) = 0;
    virtual std::string& GetCA(std::string& id) const = 0;
    virtual BOOL SetCA(const std::string& id) = 0;
    virtual std::string& GetDomainName(std::string& name) const = 0;
    virtual BOOL SetDomainName(const std::string& name) = 0;
    virtual std::string& GetLoginName(std::string& name) const = 0;
    virtual BOOL SetLoginName(const std::string& name) = 0;
    virtual std::string& GetAdvancedUserName(std::string& name) const = 0;
    virtual BOOL SetAdvancedUserName(const std::string& name) = 0;
    virtual std::string& GetAdvancedPassword(std::string& password) const = 0;
    virtual BOOL SetAdvancedPassword(const std::string& password, int length) = 0;
    virtual std::string& GetAdvancedCertificate(std::string& id) const = 0;
    virtual BOOL SetAdvancedCertificate(const std::string& id) = 0;

    // Power. Transmit power 0 full to 4 lowest. Power saving: 0 off,
    // 1 maximum, 2 normal, 3 off (as chosen by no one).
    virtual DWORD GetTransmitPower() const = 0;
    virtual BOOL SetTransmitPower(DWORD power) = 0;
    virtual DWORD GetPowerSaving() const = 0;
    virtual BOOL SetPowerSaving(DWORD saving) = 0;

protected:
    virtual ~CAdapterConfig() = default;
};

// A list owned by the library: element pointers and a count. The same
// object follows additions and deletions.
class CAdapterConfigArray {
public:
    virtual int GetCount() const = 0;
    virtual CAdapterConfig* GetAt(int index) const = 0;

protected:
    virtual ~CAdapterConfigArray() = default;
};

class CDriverAdapter {
public:
    // The user's own profiles; "Default" is the first and cannot be
    // deleted.
    virtual CAdapterConfigArray* GetConfigurations() = 0;
    // Profiles an administrator provisioned for every user of the machine.
    // Those named as an administrator's (kAdminProfileMarker) are closed to
    // other users, as such profiles of the first array are.
    virtual CAdapterConfigArray* GetSecondConfigurations() = 0;
    // The profile stored as the adapter's selection: the one the card puts
    // into effect when it starts.
    virtual CAdapterConfig* GetCurrentConfiguration() = 0;
    virtual BOOL SetCurrentConfiguration(CAdapterConfig* config) = 0;
    // A new stored profile with default settings, appended to the first
    // array; null when the name is empty, longer than 32 characters or
    // already used (ignoring case).
    virtual CAdapterConfig* AddConfiguration(const std::string& name) = 0;
    // Removes a profile of the first array from the store. "Default" and
    // the last remaining profile stay. A deleted profile's object stays
    // valid, but nothing it does reaches the store again.
    virtual BOOL DeleteConfiguration(CAdapterConfig* config) = 0;
    // Removes a profile of a multiple configuration and takes it out of the
    // set's member list.
    virtual BOOL DeleteMultipleConfig(CAdapterConfig* config) = 0;

protected:
    virtual ~CDriverAdapter() = default;
};

class CDriverAdapterArray {
public:
    virtual int GetCount() const = 0;
    virtual CDriverAdapter* GetAt(int index) const = 0;

protected:
    virtual ~CDriverAdapterArray() = default;
};

class CDriverConfigurator {
public:
    // The adapters the driver reports; empty when no card is present.
    virtual CDriverAdapterArray* GetAdapters() = 0;

protected:
    virtual ~CDriverConfigurator() = default;
};

class VYR80211_API CVeltoDriverConfigurator {
public:
    // The process's one configurator.
    static CDriverConfigurator* GetInstance();
};

// The card's live state, as last read by Refresh (and at creation).
class CDriverStatus {
public:
    // 0 Not Joined, 1 Joined, 2 Authenticated, 3 Associated, 4 Unknown.
    virtual DWORD GetState() const = 0;
    // The network the card is on or looking for.
    virtual std::string GetLinkName() const = 0;
    // Megabits per second, whole numbers.
    virtual int GetTxRate() const = 0;
    virtual int GetRxRate() const = 0;
    // 0 802.11a, 1 802.11b, 2 802.11g.
    virtual DWORD GetBand() const = 0;
    virtual int GetChannel() const = 0;
    // Percent.
    virtual int GetLinkQuality() const = 0;
    virtual int GetSignalStrength() const = 0;
    // FALSE when the radio cannot be switched (no card).
    virtual BOOL EnableRadio() = 0;
    virtual BOOL DisableRadio() = 0;
    // Starts a new search for the profile's network.
    virtual BOOL Rescan() = 0;
    virtual BOOL IsRadioEnabled() const = 0;
    virtual BOOL IsAdapterPresent() const = 0;
    // 0 none, 1 WEP, 2 AES, 4 CKIP, 5 TKIP.
    virtual DWORD GetEncryptionType() const = 0;
    virtual std::string GetDriverVersion() const = 0;
    virtual std::string GetMacAddress() const = 0;
    // Reads the card again; the link moves on one step.
    virtual BOOL Refresh() = 0;
    // Two characters, the first in bits 8 to 15.
    virtual DWORD GetCountryCode() const = 0;
    // For a peer-to-peer network: nonzero once the card has joined a
    // network or started its own.
    virtual BOOL IsJoinFinal() const = 0;
    // How many network names a profile can use (1 or 3).
    virtual UINT GetNetworkNameCapacity() const = 0;
    // `radio`: bands, 1 802.11a, 4 802.11b, 8 802.11g. `security`: 1 WEP,
    // 2 WPA, 4 802.1x.
    virtual BOOL GetCapabilities(DWORD& radio, DWORD& security) const = 0;
    virtual BOOL GetWpaSupport() const = 0;

protected:
    virtual ~CDriverStatus() = default;
};

class VYR80211_API CVeltoDriverStatus {
public:
    // The process's one status object.
    static CDriverStatus* GetInstance();
};

// The card's state shared between processes and logon sessions: the
// configuration claim, Windows' Wireless Zero Configuration service, the
// administrator profile in temporary use, and the multiple configurations.
//
// A multiple configuration is a set of profiles deployed to the machine
// together under one name (for example by a site's provisioning tool):
// every profile whose name begins with the set's name and "_" belongs to it.
class VYR80211_API PAvailableAdapters {
public:
    PAvailableAdapters();
    ~PAvailableAdapters();
    PAvailableAdapters(const PAvailableAdapters&) = delete;
    PAvailableAdapters& operator=(const PAvailableAdapters&) = delete;

    // Claims the card's configuration for this process: nonzero when this
    // process holds the claim, 0 when another process or logon session
    // holds it. The claim lasts until ClearMultipleConfig or the process's
    // end.
    int CheckMultipleConfig();
    // Releases this process's claim.
    void ClearMultipleConfig();
    // 1 when Windows' Wireless Zero Configuration service manages the card,
    // 0 when it does not, -1 when the service cannot be queried.
    int IsWirelessZeroConfigEnabled();
    // Asks the service now, so that the next IsWirelessZeroConfigEnabled of
    // this process within two seconds takes this answer instead of asking
    // again: the applet asks ahead when the Control Panel loads it.
    void AskWirelessZeroConfigAhead();
    // Windows NT 4.0 keeps no radio state of its own: records that the user
    // switched the radio off (nonzero) or on, so that the card starts that
    // way.
    BOOL SetRadioEnable(BOOL switchedOff);
    // The administrator profile that a user who is not an administrator
    // put into effect temporarily; empty when none.
    std::string& GetAdminProfileName(std::string& name) const;
    BOOL SetAdminProfileName(const std::string& name);
    // Names of the multiple configurations deployed on the machine.
    const std::vector<std::string>& GetMultipleConfigNames() const;

private:
    std::vector<std::string> multipleConfigNames_;
};

// One certificate of the system stores, chosen by its identifier: the
// SHA-1 thumbprint in hexadecimal digits.
class VYR80211_API CCertificate {
public:
    CCertificate();
    ~CCertificate();
    CCertificate(const CCertificate&) = delete;
    CCertificate& operator=(const CCertificate&) = delete;

    // Fills the display names and the identifiers, in the same order, of
    // the certificates in the current user's system store `storeName`
    // ("MY", "ROOT"); answers their count, or -1 when there is no such
    // store or it cannot be opened.
    int EnumerateCertificates(std::vector<std::string>& displayNames, std::vector<std::string>& identifiers,
                              const char* storeName);
    // Holds the certificate with identifier `id`, looked for in "MY", then
    // in "ROOT"; `flags` must be 0. Nonzero when found; otherwise the
    // object holds no certificate.
    BOOL setCertificate(const std::string& id, DWORD flags);
    // The held certificate's identifier.
    BOOL getDigest(std::string& digest) const;
    // User and domain of the held certificate's user principal name or
    // e-mail address (user@domain); FALSE when it has neither.
    BOOL getUser(std::string& user) const;
    BOOL getDomain(std::string& domain) const;

private:
    const struct _CERT_CONTEXT* context_;
};
