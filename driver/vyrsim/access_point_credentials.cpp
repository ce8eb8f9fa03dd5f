#include "access_point_credentials.h"

#include "driver/certificate_names.h"
#include "key_text.h"

namespace {

const size_t kAuthorityDigits = 40;
const char* const kKeyLengths[] = {"64-bit", "128-bit", "152-bit"};

bool Clears(const std::string& value)
{
    return value == "none" || value == "any";
}

std::string Upper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// "[N:]DIGITS": the key in use and its index, 1 by default.
void ReadWepKey(const Arguments& args, const std::string& value, CredentialChanges& changes)
{
    std::string digits = value;
    DWORD index = 1;
    if (value.size() > 2 && value[1] == ':') {
        index = static_cast<DWORD>(ParseNumber(args, value.substr(0, 1), 1, 4, "the WEP key index"));
        digits = value.substr(2);
    }
    if (WepKeyLengthIndex(digits) < 0)
        args.Usage(std::string(kWepKeyRule) + ", after an index 1-4 and \":\" if not 1");
    changes.wepKeyIndex = index;
    changes.wepKey = Upper(digits);
}

// "NAME[:PASSWORD],...": names hold no ',' or ':'.
std::vector<EapUser> ReadUsers(const Arguments& args, const std::string& value)
{
    std::vector<EapUser> users;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(',', start);
        std::string entry = value.substr(start, end == std::string::npos ? std::string::npos : end - start);
        size_t colon = entry.find(':');
        EapUser user{entry.substr(0, colon), colon == std::string::npos ? "" : entry.substr(colon + 1)};
        if (user.name.empty())
            args.Usage("--users takes NAME[:PASSWORD] entries, separated by \",\"");
        users.push_back(user);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return users;
}

bool IsEapKind(const std::string& security)
{
    return security == "8021x" || security == "wpa";
}

void RequireKind(const Arguments& args, bool given, bool fits, const char* option, const char* kinds,
                 const AccessPoint& point)
{
    if (given && !fits)
        args.Usage(std::string(option) + " applies to " + kinds + ", not " + point.security);
}

bool AuthorityIsTrusted(const std::string& identifier)
{
    HCERTSTORE store = OpenUserStore("ROOT");
    if (!store)
        return false;
    PCCERT_CONTEXT found = FindCertificate(store, identifier);
    if (found)
        CertFreeCertificateContext(found);
    CertCloseStore(store, 0);
    return found != nullptr;
}

std::string Secret(const std::string& value, bool showSecrets)
{
    return showSecrets ? value : kMask;
}

}  // namespace

CredentialChanges ReadCredentialChanges(const Arguments& args)
{
    CredentialChanges changes;
    if (args.Has("--wep-key")) {
        const std::string& value = args.Value("--wep-key");
        if (Clears(value))
            changes.wepKey = std::string();
        else
            ReadWepKey(args, value, changes);
    }
    if (args.Has("--psk")) {
        const std::string& value = args.Value("--psk");
        if (!Clears(value) && !IsPreSharedKeyText(value))
            args.Usage(kPreSharedKeyRule);
        changes.preSharedKey = Clears(value) ? std::string() : value;
    }
    if (args.Has("--eap")) {
        std::string method = ParseChoice(args, args.Value("--eap"), {"leap", "peap", "ttls", "tls", "any"}, "--eap");
        changes.eapMethod = method == "any" ? std::string() : method;
    }
    if (args.Has("--users")) {
        const std::string& value = args.Value("--users");
        changes.users = Clears(value) ? std::vector<EapUser>() : ReadUsers(args, value);
    }
    if (args.Has("--ca")) {
        const std::string& value = args.Value("--ca");
        if (!Clears(value) && (value.size() != kAuthorityDigits || !IsHexDigits(value)))
            args.Usage("--ca takes the 40 hexadecimal digits of a certificate of ROOT (vyrsim cert list ROOT), or any");
        changes.authority = Clears(value) ? std::string() : Upper(value);
    }
    return changes;
}

void ApplyCredentialChanges(const Arguments& args, const CredentialChanges& changes, AccessPoint& point)
{
    RequireKind(args, changes.wepKey && !changes.wepKey->empty(), point.security == "wep", "--wep-key", "wep",
                point);
    RequireKind(args, changes.preSharedKey && !changes.preSharedKey->empty(), point.security == "wpa-psk", "--psk",
                "wpa-psk", point);
    bool eap = IsEapKind(point.security);
    RequireKind(args, changes.eapMethod && !changes.eapMethod->empty(), eap, "--eap", "8021x and wpa", point);
    RequireKind(args, changes.users && !changes.users->empty(), eap, "--users", "8021x and wpa", point);
    RequireKind(args, changes.authority && !changes.authority->empty(), eap, "--ca", "8021x and wpa", point);
    if (changes.wepKey) {
        point.wepKey = *changes.wepKey;
        point.wepKeyIndex = changes.wepKeyIndex.value_or(1);
    }
    if (changes.preSharedKey)
        point.preSharedKey = *changes.preSharedKey;
    if (changes.eapMethod)
        point.eapMethod = *changes.eapMethod;
    if (changes.users)
        point.users = *changes.users;
    if (changes.authority)
        point.authority = *changes.authority;
    // TLS users are certificates' names; the other methods' need passwords.
    for (const EapUser& user : point.users) {
        if (point.eapMethod == "tls" && !user.password.empty())
            args.Usage("TLS users are certificate names without a password: " + Quoted(user.name));
        if (point.eapMethod != "tls" && !point.eapMethod.empty() && user.password.empty())
            args.Usage(point.eapMethod + " users need NAME:PASSWORD: " + Quoted(user.name));
    }
    if (changes.authority && !changes.authority->empty() && !AuthorityIsTrusted(point.authority))
        throw Failure{"the store ROOT holds no certificate " + point.authority};
}

std::string CredentialSummary(const AccessPoint& point, bool showSecrets)
{
    std::vector<std::string> parts;
    if (!point.wepKey.empty()) {
        int length = WepKeyLengthIndex(point.wepKey);
        parts.push_back("WEP key " + std::to_string(point.wepKeyIndex) + " " + Secret(point.wepKey, showSecrets) +
                        (length >= 0 ? std::string(" (") + kKeyLengths[length] + ")" : std::string()));
    }
    if (!point.preSharedKey.empty())
        parts.push_back("pre-shared key " + Secret(point.preSharedKey, showSecrets));
    if (!point.eapMethod.empty())
        parts.push_back("EAP " + point.eapMethod);
    if (!point.users.empty()) {
        std::string users = "users";
        for (const EapUser& user : point.users)
            users += " " + user.name + (user.password.empty() ? "" : ":" + Secret(user.password, showSecrets));
        parts.push_back(users);
    }
    if (!point.authority.empty())
        parts.push_back("authority " + point.authority);
    std::string summary;
    for (const std::string& part : parts)
        summary += (summary.empty() ? "" : ", ") + part;
    return summary;
}
