#include "credential_check.h"

#include <windows.h>

#include "certificate_names.h"
#include "pre_shared_key.h"

namespace {

// The applet keeps this as key 1 of a profile that has no key 1.
const char kNoKeyMarker[] = "3237353134";

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool IsEap(const std::string& kind)
{
    return kind == "8021x" || kind == "wpa";
}

std::string WepFault(const AccessPoint& point, const ProfileSettings& settings)
{
    if (point.wepKey.empty())
        return std::string();
    const std::string keys[] = {settings.sharedKey1 == kNoKeyMarker ? std::string() : settings.sharedKey1,
                                settings.sharedKey2, settings.sharedKey3, settings.sharedKey4};
    // The station sends with its default key, under that key's index.
    DWORD used = settings.defaultKey;
    if (used < 1 || used > 4 || !SameIgnoringCase(keys[used - 1], point.wepKey))
        return "wrong WEP key";
    if (used != point.wepKeyIndex)
        return "wrong WEP key index";
    return std::string();
}

std::string PreSharedKeyFault(const AccessPoint& point, const ProfileSettings& settings)
{
    if (point.preSharedKey.empty())
        return std::string();
    std::string ours = PairwiseMasterKey(settings.passphrase, settings.hexEntryPp != 0, point.ssid);
    std::string theirs = PairwiseMasterKey(point.preSharedKey, true, point.ssid);
    return ours.empty() || ours != theirs ? "wrong pre-shared key" : std::string();
}

const EapUser* FindUser(const AccessPoint& point, const std::string& name)
{
    for (const EapUser& user : point.users) {
        if (SameIgnoringCase(user.name, name))
            return &user;
    }
    return nullptr;
}

std::string CertificateFault(const AccessPoint& point, const CertificateFacts& certificates)
{
    if (!certificates.userCertificateFound)
        return "certificate not found";
    for (const std::string& name : certificates.userCertificateNames) {
        if (!name.empty() && FindUser(point, name))
            return std::string();
    }
    return "certificate not accepted";
}

std::string EapFault(const AccessPoint& point, const ProfileSettings& settings, const CertificateFacts& certificates)
{
    std::string method = EapMethod(settings);
    if (!point.eapMethod.empty() && method != point.eapMethod)
        return "EAP method not accepted";
    // The station checks the server first: its certificate must come from
    // the authority the profile requires, and that authority be trusted.
    if (method != "leap" && !settings.ca.empty() &&
        !(certificates.authorityTrusted && SameIgnoringCase(settings.ca, point.authority)))
        return "authority not trusted";
    if (point.users.empty())
        return std::string();
    if (method == "tls")
        return CertificateFault(point, certificates);
    bool leap = method == "leap";
    const EapUser* user = FindUser(point, leap ? settings.leapUserName : settings.advancedUserName);
    if (!user)
        return "unknown user";
    return user->password == (leap ? settings.leapUserPasswd : settings.advancedPassword) ? std::string()
                                                                                            : "wrong password";
}

}  // namespace

CertificateFacts ReadCertificateFacts(const ProfileSettings& settings)
{
    CertificateFacts facts;
    if (!settings.certificate.empty()) {
        if (HCERTSTORE store = OpenUserStore("MY")) {
            if (PCCERT_CONTEXT certificate = FindCertificate(store, settings.certificate)) {
                facts.userCertificateFound = true;
                facts.userCertificateNames = {CertificatePrincipalName(certificate),
                                              CertificateDisplayName(certificate)};
                CertFreeCertificateContext(certificate);
            }
            CertCloseStore(store, 0);
        }
    }
    if (!settings.ca.empty()) {
        if (HCERTSTORE store = OpenUserStore("ROOT")) {
            if (PCCERT_CONTEXT authority = FindCertificate(store, settings.ca)) {
                facts.authorityTrusted = true;
                CertFreeCertificateContext(authority);
            }
            CertCloseStore(store, 0);
        }
    }
    return facts;
}

std::string EapMethod(const ProfileSettings& settings)
{
    if (settings.eapSelection == 1 || settings.leapEnabled)
        return "leap";
    switch (settings.eapSelection) {
    case 2:
    case 3:
        return "peap";
    case 4:
        return "tls";
    case 5:
        return "ttls";
    default:
        return std::string();
    }
}

std::string CredentialFault(const AccessPoint& point, const ProfileSettings& settings,
                            const CertificateFacts& certificates)
{
    if (point.security == "wep")
        return WepFault(point, settings);
    if (point.security == "wpa-psk")
        return PreSharedKeyFault(point, settings);
    if (IsEap(point.security))
        return EapFault(point, settings, certificates);
    return std::string();
}
