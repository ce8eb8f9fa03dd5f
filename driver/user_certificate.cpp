#include "user_certificate.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <vector>

#include "certificate_names.h"

namespace {

// Names the key containers made here. Only those go with their certificate:
// a container from elsewhere may hold keys that other certificates use.
const wchar_t kContainerPrefix[] = L"Vyr user certificate ";
const WORD kValidYears = 5;
const DWORD kKeyBits = 2048;

bool IsUserAtDomain(const std::string& text)
{
    std::string::size_type at = text.find('@');
    if (at == std::string::npos || at == 0 || at + 1 == text.size() || text.find('@', at + 1) != std::string::npos)
        return false;
    for (unsigned char c : text) {
        // A certificate's e-mail address is an IA5String: ASCII.
        if (c <= ' ' || c >= 0x7F)
            return false;
    }
    return true;
}

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

std::string Failure(const char* what)
{
    char text[128];
    snprintf(text, sizeof(text), "Cannot %s (error 0x%08lX).", what, GetLastError());
    return text;
}

std::string Encode(LPCSTR type, const void* value)
{
    DWORD size = 0;
    if (!CryptEncodeObject(X509_ASN_ENCODING, type, value, nullptr, &size))
        return std::string();
    std::string encoded(size, '\0');
    if (!CryptEncodeObject(X509_ASN_ENCODING, type, value, reinterpret_cast<BYTE*>(&encoded[0]), &size))
        return std::string();
    encoded.resize(size);
    return encoded;
}

CRYPT_DATA_BLOB Blob(std::string& data)
{
    return {static_cast<DWORD>(data.size()), reinterpret_cast<BYTE*>(&data[0])};
}

bool NewContainerName(std::wstring& name)
{
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
        return false;
    BYTE random[16];
    bool made = CryptGenRandom(provider, sizeof(random), random);
    CryptReleaseContext(provider, 0);
    static const wchar_t kDigits[] = L"0123456789abcdef";
    name = kContainerPrefix;
    for (BYTE byte : random) {
        name += kDigits[byte >> 4];
        name += kDigits[byte & 0x0F];
    }
    return made;
}

void DeleteContainer(const std::wstring& name)
{
    HCRYPTPROV unused = 0;
    CryptAcquireContextW(&unused, name.c_str(), MS_ENHANCED_PROV_W, PROV_RSA_FULL, CRYPT_DELETEKEYSET);
}

// The key container CreateUserCertificate made for `certificate`; empty for
// any other.
std::wstring OwnContainer(PCCERT_CONTEXT certificate)
{
    DWORD size = 0;
    if (!CertGetCertificateContextProperty(certificate, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size))
        return std::wstring();
    std::vector<ULONGLONG> buffer(size / sizeof(ULONGLONG) + 1);  // aligned for the pointers it holds
    auto* info = reinterpret_cast<CRYPT_KEY_PROV_INFO*>(buffer.data());
    if (!CertGetCertificateContextProperty(certificate, CERT_KEY_PROV_INFO_PROP_ID, info, &size) ||
        !info->pwszContainerName)
        return std::wstring();
    std::wstring name = info->pwszContainerName;
    return name.compare(0, wcslen(kContainerPrefix), kContainerPrefix) == 0 ? name : std::wstring();
}

PCCERT_CONTEXT SelfSign(HCRYPTPROV provider, const std::wstring& container, const std::string& userAtDomain,
                        std::string& error)
{
    std::wstring user = Wide(userAtDomain.substr(0, userAtDomain.find('@')));
    std::wstring email = Wide(userAtDomain);
    CERT_RDN_ATTR attributes[2] = {};
    attributes[0].pszObjId = const_cast<LPSTR>(szOID_COMMON_NAME);
    attributes[0].dwValueType = CERT_RDN_UTF8_STRING;
    attributes[0].Value.pbData = reinterpret_cast<BYTE*>(&user[0]);
    attributes[1].pszObjId = const_cast<LPSTR>(szOID_RSA_emailAddr);
    attributes[1].dwValueType = CERT_RDN_IA5_STRING;
    attributes[1].Value.pbData = reinterpret_cast<BYTE*>(&email[0]);
    CERT_RDN rdns[2] = {{1, &attributes[0]}, {1, &attributes[1]}};
    CERT_NAME_INFO name = {2, rdns};
    std::string subject = Encode(X509_UNICODE_NAME, &name);

    LPSTR clientAuthentication = const_cast<LPSTR>(szOID_PKIX_KP_CLIENT_AUTH);
    CERT_ENHKEY_USAGE usage = {1, &clientAuthentication};
    std::string usageValue = Encode(X509_ENHANCED_KEY_USAGE, &usage);
    std::string altNameValue = EncodePrincipalAltName(userAtDomain, userAtDomain);
    if (subject.empty() || usageValue.empty()) {
        error = Failure("encode the certificate's names");
        return nullptr;
    }
    CERT_EXTENSION extensions[2] = {{const_cast<LPSTR>(szOID_SUBJECT_ALT_NAME2), FALSE, Blob(altNameValue)},
                                    {const_cast<LPSTR>(szOID_ENHANCED_KEY_USAGE), FALSE, Blob(usageValue)}};
    CERT_EXTENSIONS extensionList = {2, extensions};

    SYSTEMTIME start, end;
    GetSystemTime(&start);
    end = start;
    end.wYear += kValidYears;
    if (end.wMonth == 2 && end.wDay == 29)  // a year without 29 February
        end.wDay = 28;

    CRYPT_KEY_PROV_INFO key = {};
    key.pwszContainerName = const_cast<LPWSTR>(container.c_str());
    key.pwszProvName = const_cast<LPWSTR>(MS_ENHANCED_PROV_W);
    key.dwProvType = PROV_RSA_FULL;
    key.dwKeySpec = AT_KEYEXCHANGE;
    CERT_NAME_BLOB subjectBlob = Blob(subject);
    // The default signature, SHA-1 with RSA: the enhanced provider of
    // Windows XP has no SHA-2.
    PCCERT_CONTEXT certificate =
        CertCreateSelfSignCertificate(provider, &subjectBlob, 0, &key, nullptr, &start, &end, &extensionList);
    if (!certificate)
        error = Failure("create the certificate");
    return certificate;
}

// Adds `certificate` to the user's "MY" store; answers its identifier, or
// empty with the reason in `error`.
std::string AddToMyStore(PCCERT_CONTEXT certificate, std::string& error)
{
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, "MY");
    if (!store) {
        error = Failure("open the personal certificate store");
        return std::string();
    }
    std::string identifier;
    if (CertAddCertificateContextToStore(store, certificate, CERT_STORE_ADD_NEW, nullptr))
        identifier = CertificateIdentifier(certificate);
    else
        error = Failure("add the certificate to the personal store");
    CertCloseStore(store, 0);
    return identifier;
}

}  // namespace

bool CreateUserCertificate(const std::string& userAtDomain, std::string& identifier, std::string& error)
{
    if (!IsUserAtDomain(userAtDomain)) {
        error = "\"" + userAtDomain + "\" is not user@domain (printable ASCII without blanks, one '@', both parts "
                "non-empty).";
        return false;
    }
    std::wstring container;
    if (!NewContainerName(container)) {
        error = Failure("name a key container");
        return false;
    }
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, container.c_str(), MS_ENHANCED_PROV_W, PROV_RSA_FULL, CRYPT_NEWKEYSET)) {
        error = Failure("create a key container");
        return false;
    }
    HCRYPTKEY key = 0;
    PCCERT_CONTEXT certificate = nullptr;
    if (CryptGenKey(provider, AT_KEYEXCHANGE, kKeyBits << 16, &key)) {
        CryptDestroyKey(key);
        certificate = SelfSign(provider, container, userAtDomain, error);
    } else {
        error = Failure("create a key pair");
    }
    CryptReleaseContext(provider, 0);
    std::string added = certificate ? AddToMyStore(certificate, error) : std::string();
    if (certificate)
        CertFreeCertificateContext(certificate);
    if (added.empty()) {
        DeleteContainer(container);
        return false;
    }
    identifier = added;
    return true;
}

bool DeleteUserCertificate(const std::string& identifier)
{
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0,
                                     CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_OPEN_EXISTING_FLAG, "MY");
    if (!store)
        return false;
    bool deleted = false;
    if (PCCERT_CONTEXT certificate = FindCertificate(store, identifier)) {
        std::wstring container = OwnContainer(certificate);
        deleted = CertDeleteCertificateFromStore(certificate);  // frees the context, even when it fails
        // Wine keeps a deletion from a system store in memory until it is
        // committed; Windows has written it already.
        CertControlStore(store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
        if (deleted && !container.empty())
            DeleteContainer(container);
    }
    CertCloseStore(store, 0);
    return deleted;
}
