// The security settings of the profile being edited, as the Security page
// holds them from loading to storing. Field names follow the profile's
// parameter names.
#pragma once

#include <windows.h>

#include <string>

class CAdapterConfig;

// EapSelection: which security the profile uses.
enum EapSelectionCode : int {
    kEapNone = 0,
    kEapLeap = 1,
    kEapPeapGtc = 2,
    kEapPeap = 3,
    kEapTls = 4,
    kEapTtls = 5,
    kEapNoChoice = 6,
    kEapStaticKeys = 7,  // WEP keys without WPA, a pre-shared key with it
};

// Stored as key 1, it says that the profile has no key 1: the reserved key
// "27514" in hexadecimal digits.
extern const char kNoKeyValue[];

// A key or password that still holds a dialog's mask ("*") stands for the
// stored value.
bool IsMasked(const std::string& text);

struct SecurityRecord {
    BOOL EnableSecurity = 0;
    BOOL leapEnabled = 0;
    BOOL DynamicSecurity = 0;
    std::string Passphrase;
    int PassphraseLength = 0;
    BOOL HexEntryPp = 0;
    int EapSelection = kEapNone;
    std::string leapUserName;
    std::string leapUserPasswd;
    std::string Certificate;
    std::string CA;
    std::string DomainName;
    std::string LoginName;
    BOOL WPA = 0;
    std::string AdvancedUserName;
    std::string AdvancedPassword;
    std::string AdvancedCertificate;
    // SharedKey1 to SharedKey4 in hexadecimal digits, and their length
    // indexes: 0 64-bit, 1 128-bit, 2 152-bit, 3 not set.
    std::string SharedKey[4];
    int SharedKeyLength[4] = {0, 0, 0, 0};
    int DefaultKey = 0;
    int WEPEncryptType = 0;  // 0 hexadecimal digits, other values characters

    // EapSelection, WPA and DynamicSecurity.
    void LoadSelection(const CAdapterConfig& profile);
    // The WEP keys, the pre-shared key and the EAP credentials.
    void LoadKeysAndCredentials(const CAdapterConfig& profile);
    // FALSE with the message and the control at fault for the first missing
    // value; a refusal of the WEP keys also raises `showPlain`.
    BOOL Validate(UINT& messageId, UINT& controlId, BOOL& showPlain) const;
    // Every field through the profile's setters, then Save. Values with a
    // mask are not stored: the profile keeps its own.
    void Store(CAdapterConfig& profile);

private:
    bool AllKeysEmpty() const;
    void StoreNoKeyMarker(CAdapterConfig& profile);
};
