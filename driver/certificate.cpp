#include "80211api.h"
#include "certificate_names.h"

CCertificate::CCertificate() : context_(nullptr) {}

CCertificate::~CCertificate()
{
    if (context_)
        CertFreeCertificateContext(context_);
}

int CCertificate::EnumerateCertificates(std::vector<std::string>& displayNames, std::vector<std::string>& identifiers,
                                        const char* storeName)
{
    displayNames.clear();
    identifiers.clear();
    HCERTSTORE store = OpenUserStore(storeName);
    if (!store)
        return -1;
    for (PCCERT_CONTEXT certificate = nullptr; (certificate = CertEnumCertificatesInStore(store, certificate));) {
        std::string id = CertificateIdentifier(certificate);
        if (id.empty())
            continue;  // what cannot be identified cannot be chosen
        displayNames.push_back(CertificateDisplayName(certificate));
        identifiers.push_back(id);
    }
    CertCloseStore(store, 0);
    return static_cast<int>(identifiers.size());
}

BOOL CCertificate::setCertificate(const std::string& id, DWORD flags)
{
    if (context_) {
        CertFreeCertificateContext(context_);
        context_ = nullptr;
    }
    if (flags != 0)
        return FALSE;
    for (const char* storeName : {"MY", "ROOT"}) {
        HCERTSTORE store = OpenUserStore(storeName);
        if (!store)
            continue;
        // The found context is ours and keeps its store alive after closing.
        context_ = FindCertificate(store, id);
        CertCloseStore(store, 0);
        if (context_)
            return TRUE;
    }
    return FALSE;
}

BOOL CCertificate::getDigest(std::string& digest) const
{
    if (!context_)
        return FALSE;
    std::string id = CertificateIdentifier(context_);
    if (id.empty())
        return FALSE;
    digest = id;
    return TRUE;
}

BOOL CCertificate::getUser(std::string& user) const
{
    std::string domain;
    return context_ && SplitPrincipalName(CertificatePrincipalName(context_), user, domain);
}

BOOL CCertificate::getDomain(std::string& domain) const
{
    std::string user;
    return context_ && SplitPrincipalName(CertificatePrincipalName(context_), user, domain);
}
