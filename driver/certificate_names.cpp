#include "certificate_names.h"

#include "hex_digits.h"

namespace {

const DWORD kThumbprintSize = 20;

// Windows gives every user these stores; Wine makes one only when a program
// first opens it without CERT_STORE_OPEN_EXISTING_FLAG.
const char* const kStandardStores[] = {"MY", "ROOT", "CA", "TRUST", "AddressBook",
                                       "TrustedPeople", "TrustedPublisher", "Disallowed"};

// The general names this library reads and writes. Wine's CryptoAPI
// encodes no otherName and fails to decode a Subject Alternative Name that
// holds one, so the library does both itself.
const BYTE kSequence = 0x30;
const BYTE kObjectId = 0x06;
const BYTE kUtf8String = 0x0C;
const BYTE kOtherName = 0xA0;        // [0], constructed
const BYTE kOtherNameValue = 0xA0;   // [0] EXPLICIT inside an otherName
const BYTE kRfc822Name = 0x81;       // [1] IA5String, implicit
// szOID_NT_PRINCIPAL_NAME, 1.3.6.1.4.1.311.20.2.3, as DER encodes it.
const std::string kPrincipalNameOid("\x2B\x06\x01\x04\x01\x82\x37\x14\x02\x03", 10);

bool IsStandardStore(const char* name)
{
    for (const char* standard : kStandardStores) {
        if (lstrcmpiA(name, standard) == 0)
            return true;
    }
    return false;
}

std::string Der(BYTE tag, const std::string& content)
{
    std::string element(1, static_cast<char>(tag));
    size_t size = content.size();
    if (size < 0x80) {
        element += static_cast<char>(size);
    } else {
        std::string length;
        for (; size > 0; size >>= 8)
            length.insert(length.begin(), static_cast<char>(size & 0xFF));
        element += static_cast<char>(0x80 | length.size());
        element += length;
    }
    return element + content;
}

struct Element {
    BYTE tag;
    const BYTE* content;
    size_t size;
};

// Reads the element at `at` and moves past it; false when the data ends
// early or the length is in no form DER allows.
bool ReadElement(const BYTE*& at, const BYTE* end, Element& element)
{
    if (end - at < 2)
        return false;
    element.tag = *at++;
    if ((element.tag & 0x1F) == 0x1F)  // multi-byte tags: no general name has one
        return false;
    size_t size = *at++;
    if (size & 0x80) {
        size_t count = size & 0x7F;
        if (count == 0 || count > sizeof(DWORD) || static_cast<size_t>(end - at) < count)
            return false;
        for (size = 0; count > 0; --count)
            size = size << 8 | *at++;
    }
    if (static_cast<size_t>(end - at) < size)
        return false;
    element.content = at;
    element.size = size;
    at += size;
    return true;
}

std::string Text(const Element& element)
{
    return std::string(reinterpret_cast<const char*>(element.content), element.size);
}

// Sets `upn` when `otherName` holds a user principal name; false when it is
// malformed.
bool ReadOtherName(const Element& otherName, std::string& upn)
{
    const BYTE* at = otherName.content;
    const BYTE* end = at + otherName.size;
    Element type, value, text;
    if (!ReadElement(at, end, type) || type.tag != kObjectId || !ReadElement(at, end, value) ||
        value.tag != kOtherNameValue)
        return false;
    if (Text(type) != kPrincipalNameOid)
        return true;
    const BYTE* inner = value.content;
    if (!ReadElement(inner, value.content + value.size, text) || text.tag != kUtf8String)
        return false;
    upn = Text(text);
    return true;
}

// The library's texts are in the ANSI code page, as the applet's are.
std::string Utf8ToAnsi(const std::string& utf8)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (length <= 0)
        return std::string();
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

std::string NameString(PCCERT_CONTEXT certificate, DWORD type, const void* parameter)
{
    void* para = const_cast<void*>(parameter);
    DWORD size = CertGetNameStringA(certificate, type, 0, para, nullptr, 0);
    if (size <= 1)
        return std::string();
    std::string name(size, '\0');
    size = CertGetNameStringA(certificate, type, 0, para, &name[0], size);
    name.resize(size > 0 ? size - 1 : 0);
    return name;
}

}  // namespace

HCERTSTORE OpenUserStore(const char* name)
{
    // An empty name opens the key above every store.
    if (!name || !*name)
        return nullptr;
    const DWORD flags = CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_READONLY_FLAG;
    // Without OPEN_EXISTING, reading a store of any name would make it.
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, flags | CERT_STORE_OPEN_EXISTING_FLAG, name);
    if (!store && IsStandardStore(name))
        store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, flags, name);
    return store;
}

std::string CertificateIdentifier(PCCERT_CONTEXT certificate)
{
    BYTE hash[kThumbprintSize];
    DWORD size = sizeof(hash);
    if (!CertGetCertificateContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash, &size) || size != sizeof(hash))
        return std::string();
    static const char kDigits[] = "0123456789ABCDEF";
    std::string id;
    for (BYTE byte : hash) {
        id += kDigits[byte >> 4];
        id += kDigits[byte & 0x0F];
    }
    return id;
}

PCCERT_CONTEXT FindCertificate(HCERTSTORE store, const std::string& id)
{
    BYTE hash[kThumbprintSize];
    if (id.size() != 2 * sizeof(hash))
        return nullptr;
    for (DWORD i = 0; i < sizeof(hash); ++i) {
        int high = HexValue(id[2 * i]);
        int low = HexValue(id[2 * i + 1]);
        if (high < 0 || low < 0)
            return nullptr;
        hash[i] = static_cast<BYTE>(high << 4 | low);
    }
    CRYPT_HASH_BLOB blob = {sizeof(hash), hash};
    return CertFindCertificateInStore(store, X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0, CERT_FIND_SHA1_HASH, &blob,
                                      nullptr);
}

std::string EncodePrincipalAltName(const std::string& upn, const std::string& email)
{
    std::string names;
    if (!upn.empty())
        names += Der(kOtherName, Der(kObjectId, kPrincipalNameOid) + Der(kOtherNameValue, Der(kUtf8String, upn)));
    if (!email.empty())
        names += Der(kRfc822Name, email);
    return Der(kSequence, names);
}

bool ReadPrincipalAltName(const BYTE* data, DWORD size, std::string& upn, std::string& email)
{
    upn.clear();
    email.clear();
    const BYTE* at = data;
    const BYTE* end = data + size;
    Element names;
    if (!ReadElement(at, end, names) || names.tag != kSequence || at != end)
        return false;
    at = names.content;
    end = names.content + names.size;
    while (at != end) {
        Element name;
        if (!ReadElement(at, end, name))
            return false;
        if (name.tag == kOtherName && upn.empty() && !ReadOtherName(name, upn))
            return false;
        if (name.tag == kRfc822Name && email.empty())
            email = Text(name);
    }
    return true;
}

std::string CertificatePrincipalName(PCCERT_CONTEXT certificate)
{
    const CERT_INFO* info = certificate->pCertInfo;
    PCERT_EXTENSION altName = CertFindExtension(szOID_SUBJECT_ALT_NAME2, info->cExtension, info->rgExtension);
    std::string upn, email;
    if (altName && ReadPrincipalAltName(altName->Value.pbData, altName->Value.cbData, upn, email)) {
        if (!upn.empty())
            return Utf8ToAnsi(upn);
        if (!email.empty())
            return email;
    }
    return NameString(certificate, CERT_NAME_ATTR_TYPE, szOID_RSA_emailAddr);
}

std::string CertificateDisplayName(PCCERT_CONTEXT certificate)
{
    std::string name = NameString(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, nullptr);
    // A certificate without any name still needs a line of its own.
    return name.empty() ? CertificateIdentifier(certificate) : name;
}

bool SplitPrincipalName(const std::string& name, std::string& user, std::string& domain)
{
    std::string::size_type at = name.rfind('@');
    if (at == std::string::npos || at == 0 || at + 1 == name.size())
        return false;
    user = name.substr(0, at);
    domain = name.substr(at + 1);
    return true;
}
