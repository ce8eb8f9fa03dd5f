// A certificate store as the dialogs list it: the display names shown in
// the store's order and, beside them, the identifiers that the profile
// keeps and that are compared exactly, case included.
#pragma once

#include <string>
#include <vector>

class CComboBox;

struct CertificateList {
    std::vector<std::string> displayNames;
    std::vector<std::string> identifiers;

    // Reads the store ("MY", "ROOT") once, through a certificate object of
    // its own; the library's count, zero or less when there are none.
    int Enumerate(const char* storeName);
    // The last item whose identifier is `id`; -1 when none is.
    int LastIndexOf(const std::string& id) const;
    // Empty for an index outside the list (no selection).
    std::string IdentifierAt(int index) const;
    // Appends the display names to an unsorted list.
    void AddTo(CComboBox& list) const;
};
