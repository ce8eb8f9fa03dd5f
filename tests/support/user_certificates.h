// Certificates a test puts into the current user's "MY" store, all signed
// by one key thrown away at the end. Every one is removed when the object
// ends, also when the test fails.
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>
#include <vector>

class TestCertificates {
public:
    TestCertificates();
    ~TestCertificates();
    TestCertificates(const TestCertificates&) = delete;
    TestCertificates& operator=(const TestCertificates&) = delete;

    // Common name `name`, any characters; the user principal name and the
    // e-mail address as alternative names where given. Its identifier.
    std::string Add(const std::wstring& name, const std::string& upn = "", const std::string& email = "");

private:
    HCRYPTPROV provider_ = 0;
    HCRYPTKEY key_ = 0;
    std::vector<std::string> made_;
};
