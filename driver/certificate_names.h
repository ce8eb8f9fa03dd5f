// How the library identifies certificates of the current user's system
// stores, and the user principal name (user@domain) a certificate carries.
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>

// Opens the current user's system store `name` read-only; null when it does
// not exist.
HCERTSTORE OpenUserStore(const char* name);

// The SHA-1 thumbprint in 40 uppercase hexadecimal digits; empty when it
// cannot be read.
std::string CertificateIdentifier(PCCERT_CONTEXT certificate);

// The subject's simple display name, else the identifier.
std::string CertificateDisplayName(PCCERT_CONTEXT certificate);

// The certificate of `store` with identifier `id` (digits of either case),
// which the caller frees; null when there is none or `id` is malformed.
PCCERT_CONTEXT FindCertificate(HCERTSTORE store, const std::string& id);

// The value of a Subject Alternative Name extension holding the user
// principal name `upn` (UTF-8) and the e-mail address `email` (ASCII);
// an empty text leaves its entry out.
std::string EncodePrincipalAltName(const std::string& upn, const std::string& email);

// The first user principal name (UTF-8) and the first e-mail address of an
// encoded Subject Alternative Name; false when the encoding is malformed.
bool ReadPrincipalAltName(const BYTE* data, DWORD size, std::string& upn, std::string& email);

// user@domain: the user principal name, else the e-mail address of the
// Subject Alternative Name, else the subject's e-mail attribute; empty when
// the certificate has none.
std::string CertificatePrincipalName(PCCERT_CONTEXT certificate);

// Splits `name` at its last '@'; false, changing nothing, when either part
// would be empty.
bool SplitPrincipalName(const std::string& name, std::string& user, std::string& domain);
