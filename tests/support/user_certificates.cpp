#include "user_certificates.h"

#include <gtest/gtest.h>

#include "driver/certificate_names.h"

namespace {

// Opened for each change: Wine writes an addition when the store is closed
// and a deletion when it is committed, and the library reads a store of its own.
HCERTSTORE OpenMy() { return CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, "MY"); }

}  // namespace

TestCertificates::TestCertificates()
{
    CryptAcquireContextW(&provider_, nullptr, MS_ENHANCED_PROV_W, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT);
    CryptGenKey(provider_, AT_SIGNATURE, 1024 << 16, &key_);
}

TestCertificates::~TestCertificates()
{
    HCERTSTORE my = OpenMy();
    for (const std::string& id : made_) {
        PCCERT_CONTEXT certificate = FindCertificate(my, id);
        EXPECT_TRUE(certificate && CertDeleteCertificateFromStore(certificate)) << "left behind: " << id;
    }
    CertControlStore(my, 0, CERT_STORE_CTRL_COMMIT, nullptr);
    CertCloseStore(my, 0);
    CryptDestroyKey(key_);
    CryptReleaseContext(provider_, 0);
}

std::string TestCertificates::Add(const std::wstring& name, const std::string& upn, const std::string& email,
                                  const std::wstring& subjectEmail)
{
    auto bytes = [](const std::wstring& text) { return reinterpret_cast<BYTE*>(const_cast<wchar_t*>(text.c_str())); };
    CERT_RDN_ATTR attributes[] = {
        {const_cast<LPSTR>(szOID_COMMON_NAME), CERT_RDN_UTF8_STRING, {0, bytes(name)}},
        {const_cast<LPSTR>(szOID_RSA_emailAddr), CERT_RDN_IA5_STRING, {0, bytes(subjectEmail)}}};
    std::vector<CERT_RDN> rdns;
    for (CERT_RDN_ATTR& attribute : attributes) {
        if (*reinterpret_cast<wchar_t*>(attribute.Value.pbData))
            rdns.push_back({1, &attribute});
    }
    CERT_NAME_INFO info = {static_cast<DWORD>(rdns.size()), rdns.data()};
    BYTE subject[4096];
    CERT_NAME_BLOB subjectBlob = {sizeof(subject), subject};
    EXPECT_TRUE(CryptEncodeObject(X509_ASN_ENCODING, X509_UNICODE_NAME, &info, subject, &subjectBlob.cbData));
    std::string altNames = EncodePrincipalAltName(upn, email);
    CERT_EXTENSION extension = {const_cast<LPSTR>(szOID_SUBJECT_ALT_NAME2), FALSE,
                                {static_cast<DWORD>(altNames.size()), reinterpret_cast<BYTE*>(&altNames[0])}};
    CERT_EXTENSIONS extensions = {upn.empty() && email.empty() ? 0u : 1u, &extension};
    PCCERT_CONTEXT made =
        CertCreateSelfSignCertificate(provider_, &subjectBlob, 0, nullptr, nullptr, nullptr, nullptr, &extensions);
    HCERTSTORE my = OpenMy();
    EXPECT_TRUE(made && CertAddCertificateContextToStore(my, made, CERT_STORE_ADD_NEW, nullptr));
    CertCloseStore(my, 0);
    made_.push_back(made ? CertificateIdentifier(made) : std::string());
    CertFreeCertificateContext(made);
    return made_.back();
}
