// Certificates a test puts into the current user's "MY" store, signed by a key thrown away at the end; all are
// removed when the object ends, also when the test fails.
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>
#include <vector>

class TestCertificates {
public:
    TestCertificates();
    ~TestCertificates();

    // Common name `name` and the subject's e-mail address, each where given; the user principal name and the e-mail
    // address as alternative names where given. Answers the identifier.
    std::string Add(const std::wstring& name, const std::string& upn = "", const std::string& email = "",
                    const std::wstring& subjectEmail = L"");

private:
    HCRYPTPROV provider_ = 0;
    HCRYPTKEY key_ = 0;
    std::vector<std::string> made_;
};
