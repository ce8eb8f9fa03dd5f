#include "cert_list.h"

#include "driver/80211api.h"
#include "framework/controls.h"

int CertificateList::Enumerate(const char* storeName)
{
    CCertificate certificate;
    return certificate.EnumerateCertificates(displayNames, identifiers, storeName);
}

int CertificateList::LastIndexOf(const std::string& id) const
{
    for (int index = static_cast<int>(identifiers.size()) - 1; index >= 0; --index) {
        if (identifiers[index] == id)
            return index;
    }
    return -1;
}

std::string CertificateList::IdentifierAt(int index) const
{
    return index >= 0 && index < static_cast<int>(identifiers.size()) ? identifiers[index] : std::string();
}

void CertificateList::AddTo(CComboBox& list) const
{
    // Hundreds of roots are common: the list is drawn once, when complete.
    list.SendMessage(WM_SETREDRAW, FALSE);
    for (const std::string& name : displayNames)
        list.AddString(name);
    list.SendMessage(WM_SETREDRAW, TRUE);
}
