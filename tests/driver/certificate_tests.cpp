// Certificates of the test prefix's real current-user stores, as 80211API.dll lists and reads them, and the user
// certificates the core makes. Every certificate a test adds to "MY" is removed at its end.
#include <windows.h>
#include <wincrypt.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "driver/80211api.h"
#include "driver/certificate_names.h"
#include "driver/user_certificate.h"
#include "support/user_certificates.h"

namespace {

int IndexOf(const std::vector<std::string>& list, const std::string& item)
{
    auto found = std::find(list.begin(), list.end(), item);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

// What a CCertificate reads of the one it holds: "<digest> <user> <domain>",
// a reading it refuses marked "!", "-" where it wrote nothing.
std::string Held(CCertificate& certificate)
{
    std::string digest = "-", user = "-", domain = "-";
    auto part = [](bool read, const std::string& text) { return (read ? "" : "!") + text; };
    bool gotDigest = certificate.getDigest(digest), gotUser = certificate.getUser(user);
    return part(gotDigest, digest) + " " + part(gotUser, user) + " " + part(certificate.getDomain(domain), domain);
}

class Certificates : public testing::Test {
protected:
    void TearDown() override
    {
        for (const std::string& id : made_)
            EXPECT_TRUE(DeleteUserCertificate(id)) << id;
    }

    // A user@domain of this test alone: the stores outlive test runs.
    std::string CreateUser(const std::string& user, const std::string& domain)
    {
        static int count = 0;
        address_ = user + "." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++count) + "@" + domain;
        std::string id, error;
        EXPECT_TRUE(CreateUserCertificate(address_, id, error)) << error;
        made_.push_back(id);
        return id;
    }

    std::vector<std::string> made_;  // by CreateUser
    std::string address_;  // the last user@domain made
    TestCertificates others_;
};

// Its removal from the list and a second removal refused: vyrsim_tests (cert remove).
TEST_F(Certificates, OnlyUserAtDomainMakesACertificateListedInMyThatNamesItsUserAndDomainAndTakesItsKeyAlong)
{
    std::string seen, expected;
    for (const char* text : {"", "joe", "@example.org", "joe@", "jo e@example.org", "joe@exa@mple.org",
                             "joe\t@example.org", "j\xF6@example.org"}) {
        std::string id = "unchanged", error;
        bool made = CreateUserCertificate(text, id, error);
        seen += std::string(text) + (made ? ": made " : ": refused ") + id + (error.empty() ? " silently\n" : "\n");
        expected += std::string(text) + ": refused unchanged\n";
    }
    EXPECT_EQ(seen, expected);

    std::string id = CreateUser("joe", "corp.example.org");
    // Every store lists a name per identifier, over what the lists held. Wine makes a user's standard store only when a
    // program writes to it: one it has not made yet is empty, not missing. A store that does not exist is not made.
    const std::string stores = "Software\\Microsoft\\SystemCertificates\\", unknown = stores + "VyrNoSuchStore";
    RegDeleteTreeA(HKEY_CURRENT_USER, (stores + "TrustedPeople").c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, unknown.c_str());
    std::vector<std::string> names, ids, rootIds;
    std::string counts;
    for (const char* store : {"ROOT", "my", "TrustedPeople", "VyrNoSuchStore", "VyrNoSuchStore", "",
                              static_cast<const char*>(nullptr), "MY"}) {
        names = {"left over"}, ids = {"left over", "too"};
        int count = CCertificate().EnumerateCertificates(names, ids, store);
        bool whole = names.size() == ids.size() && static_cast<int>(ids.size()) == std::max(count, 0);
        counts += (count > 0 ? "some" : std::to_string(count)) + (whole ? " " : " (lists differ) ");
        rootIds = rootIds.empty() ? ids : rootIds;  // the first row's
    }
    HKEY handle = nullptr;
    EXPECT_EQ(counts + std::to_string(RegOpenKeyExA(HKEY_CURRENT_USER, unknown.c_str(), 0, KEY_READ, &handle)),
              "some some 0 -1 -1 -1 -1 some " + std::to_string(ERROR_FILE_NOT_FOUND));
    ASSERT_GE(IndexOf(ids, id), 0) << id;
    // Wine's root store holds Microsoft's roots besides the host's: one that MY lacks is read too.
    CCertificate certificate;
    auto rootOnly =
        std::find_if(rootIds.begin(), rootIds.end(), [&](const std::string& root) { return IndexOf(ids, root) < 0; });
    ASSERT_NE(rootOnly, rootIds.end());
    std::string digest;
    EXPECT_TRUE(certificate.setCertificate(*rootOnly, 0) && certificate.getDigest(digest) && digest == *rootOnly);
    // Taken in either case, given in upper case.
    std::string user = address_.substr(0, address_.find('@')), lower = id;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    ASSERT_TRUE(certificate.setCertificate(lower, 0));
    EXPECT_EQ(names[IndexOf(ids, id)] + " | " + Held(certificate),
              user + " | " + id + " " + user + " corp.example.org");

    // Valid now and in a year, with a key exchange key of its own.
    HCERTSTORE my = OpenUserStore("MY");
    PCCERT_CONTEXT made = FindCertificate(my, id);
    ASSERT_NE(made, nullptr);
    ULARGE_INTEGER inAYear;
    GetSystemTimeAsFileTime(reinterpret_cast<FILETIME*>(&inAYear));
    inAYear.QuadPart += 366ULL * 24 * 3600 * 10000000;
    HCRYPTPROV key = 0;
    DWORD keySpec = 0, size = 256;
    BOOL mustFree = FALSE;
    char container[256];
    ASSERT_TRUE(CryptAcquireCertificatePrivateKey(made, 0, nullptr, &key, &keySpec, &mustFree));
    EXPECT_EQ(std::to_string(CertVerifyTimeValidity(nullptr, made->pCertInfo)) +
                  std::to_string(CertVerifyTimeValidity(reinterpret_cast<FILETIME*>(&inAYear), made->pCertInfo)) +
                  " key=" + std::to_string(keySpec) + " container=" +
                  std::to_string(CryptGetProvParam(key, PP_CONTAINER, reinterpret_cast<BYTE*>(container), &size, 0)),
              "00 key=" + std::to_string(AT_KEYEXCHANGE) + " container=1");
    if (mustFree)
        CryptReleaseContext(key, 0);
    CertFreeCertificateContext(made);
    CertCloseStore(my, 0);

    made_.clear();
    EXPECT_TRUE(DeleteUserCertificate(id));
    EXPECT_FALSE(CryptAcquireContextA(&key, container, MS_ENHANCED_PROV_A, PROV_RSA_FULL, 0));
}

// Refused identifiers and flags leave no certificate held.
TEST_F(Certificates, UserAndDomainComeFromThePrincipalNameThenTheAltEmailThenTheSubjectEmail)
{
    const std::wstring third = L"third@subject.example";
    // The certificate, and the user and domain read from it.
    const std::pair<std::string, std::string> rows[] = {
        {others_.Add(L"", "first@team@upn.example", "second@alt.example", third), "first@team upn.example"},
        {others_.Add(L"", "", "second@alt.example", third), "second alt.example"},
        {others_.Add(L"Third", "", "", third), "third subject.example"},
        {others_.Add(L"No Address"), "!- !-"},
        {others_.Add(L""), "!- !-"},
        {others_.Add(L"", "@upn.example", "", L"nobody@"), "!- !-"},
    };
    CCertificate certificate;
    std::string seen, wanted;
    for (const auto& row : rows) {
        ASSERT_TRUE(certificate.setCertificate(row.first, 0));
        seen += Held(certificate) + "\n";
        wanted += row.first + " " + row.second + "\n";
    }
    EXPECT_EQ(seen, wanted);

    // Listed by their common name, or by their identifier when they have no name.
    std::vector<std::string> names, ids;
    CCertificate().EnumerateCertificates(names, ids, "MY");
    EXPECT_EQ(names[IndexOf(ids, rows[3].first)] + " | " + names[IndexOf(ids, rows[4].first)],
              "No Address | " + rows[4].first);

    const std::string& id = rows[0].first;
    const std::pair<std::string, DWORD> refusals[] = {{std::string(40, '0'), 0}, {id.substr(1), 0}, {id + "0", 0},
                                                      {"G" + id.substr(1), 0},   {"", 0},           {id, 1}};
    for (const auto& refused : refusals) {
        SCOPED_TRACE(refused.first + " flags " + std::to_string(refused.second));
        ASSERT_TRUE(certificate.setCertificate(id, 0));
        bool taken = certificate.setCertificate(refused.first, refused.second);
        EXPECT_EQ(std::to_string(taken) + " " + Held(certificate), "0 !- !- !-");
    }
}

TEST(CertificateAltName, ReadsNamesAmongOthersAndRefusesBrokenEncodings)
{
    // dNSName, an otherName of another kind, the principal name in UTF-8,
    // and the e-mail address, as Windows encodes them.
    const std::string encoded(
        "\x30\x49\x82\x09h.example\xA0\x11\x06\x09\x2B\x06\x01\x04\x01\x82\x37\x19\x01\xA0\x04\x04\x02\xAB\xCD"
        "\xA0\x1C\x06\x0A\x2B\x06\x01\x04\x01\x82\x37\x14\x02\x03\xA0\x0E\x0C\x0C\xC3\xBC@d.example"
        "\x81\x0Bm@d.example",
        75);
    // Long enough for lengths of two bytes.
    const std::string longName = std::string(300, 'u') + "@example.org";
    std::string seen;
    for (const std::string& data : {encoded, encoded.substr(0, 74), encoded + '\0',
                                    EncodePrincipalAltName(longName, "x@y")}) {
        std::string upn = "-", email = "-";
        bool read = ReadPrincipalAltName(reinterpret_cast<const BYTE*>(data.data()),
                                         static_cast<DWORD>(data.size()), upn, email);
        seen += read ? upn + " " + email + "\n" : "refused\n";
    }
    EXPECT_EQ(seen, "\xC3\xBC@d.example m@d.example\nrefused\nrefused\n" + longName + " x@y\n");
}

}  // namespace
