// Certificates a user authenticates with (EAP-TLS), made on this machine:
// self-signed, for user@domain, kept in the current user's "MY" store with
// a key pair of their own.
#pragma once

#include <string>

// Creates the certificate of `userAtDomain`: subject CN=user with the e-mail
// attribute, the user principal name and the e-mail address as Subject
// Alternative Names, client authentication, valid for five years from now.
// Answers its identifier, as CCertificate identifies certificates; false,
// with the reason in `error`, when the text is not user@domain (printable
// ASCII without blanks, one '@', both parts non-empty) or CryptoAPI fails.
bool CreateUserCertificate(const std::string& userAtDomain, std::string& identifier, std::string& error);

// Removes the certificate `identifier` from the current user's "MY" store,
// and the key container if CreateUserCertificate made it; false when the
// store holds no such certificate.
bool DeleteUserCertificate(const std::string& identifier);
