// What an access point checks of a station before it lets it in: the
// static key and its index, the pre-shared key, the EAP method, the user
// and password or certificate, and the authority the station requires of
// the server's certificate.
#pragma once

#include <string>
#include <vector>

#include "card_state.h"
#include "profile_settings.h"

// The certificates a profile names, as the current user's system stores
// hold them now.
struct CertificateFacts {
    bool userCertificateFound = false;               // the profile's certificate is in "MY"
    std::vector<std::string> userCertificateNames;   // its principal name and its subject's name
    bool authorityTrusted = false;                   // the profile's authority is in "ROOT"
};

CertificateFacts ReadCertificateFacts(const ProfileSettings& settings);

// The EAP method a profile uses, spelled as access points spell theirs
// ("leap", "peap", "ttls", "tls"); "" for none.
std::string EapMethod(const ProfileSettings& settings);

// Why `point` refuses a station with `settings` (keys and passwords open),
// "" when it lets it in. Only what the point names is checked.
std::string CredentialFault(const AccessPoint& point, const ProfileSettings& settings,
                            const CertificateFacts& certificates);
