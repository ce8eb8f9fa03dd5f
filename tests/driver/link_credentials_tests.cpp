// What an access point checks of the profile in effect: each kind of
// security with the right and a wrong credential, the key derivation behind
// pass phrases, how a refused attempt shows over Steps, and what vyrsim and
// a new reader of the card see.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/credential_check.h"
#include "driver/link_model.h"
#include "driver/pre_shared_key.h"
#include "driver/store.h"
#include "driver/user_certificate.h"
#include "driver_support.h"

namespace {

std::string Hex(const std::string& bytes)
{
    std::string text;
    for (unsigned char c : bytes)
        text += std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
    return text;
}

// The pairwise master key of pass phrase "password" on SSID "IEEE", as the
// 802.11i test vectors give it.
const char kIeeeKey[] = "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e";

TEST(PreSharedKey, DerivationMatchesPublishedVectors)
{
    const struct { std::string password, salt; unsigned rounds; size_t size; const char* expected; } rows[] = {
        {"password", "salt", 1, 20, "0c60c80f961f0e71f3a9b524af6012062fe037a6"},
        {"password", "salt", 4096, 20, "4b007901b765489abead49d926f721d065a429c1"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 25,
         "3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038"},
        {std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096, 16, "56fa6aa75548099dcc37d7f03425e0c3"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Hex(DerivePbkdf2Sha1(row.password, row.salt, row.rounds, row.size)), row.expected) << row.rounds;
    EXPECT_EQ(Hex(PairwiseMasterKey("password", false, "IEEE")), kIeeeKey);
    // Digits are the key itself only where hex entry says so.
    EXPECT_EQ(Hex(PairwiseMasterKey(kIeeeKey, true, "other")), kIeeeKey);
    EXPECT_NE(Hex(PairwiseMasterKey(kIeeeKey, false, "IEEE")), kIeeeKey);
}

TEST(Credentials, EachKindTakesTheRightCredentialAndRefusesAWrongOne)
{
    // Real certificates: one user certificate in "MY", two roots of "ROOT".
    std::string id, error;
    ASSERT_TRUE(CreateUserCertificate("ann@corp.example", id, error)) << error;
    std::vector<std::string> names, roots;
    CCertificate().EnumerateCertificates(names, roots, "ROOT");
    ASSERT_GE(roots.size(), 2u);

    const struct { const char *name, *security; DWORD selection; const char* expected;
                   std::function<void(AccessPoint&, ProfileSettings&)> set; } rows[] = {
        {"wep right", "wep", 7, "", [](auto& p, auto& s) { p.wepKey = "0A1B2C3D4E"; s.sharedKey1 = "0a1b2c3d4e"; }},
        {"wep wrong key", "wep", 7, "wrong WEP key",
         [](auto& p, auto& s) { p.wepKey = "0A1B2C3D4E"; s.sharedKey1 = "0A1B2C3D4F"; }},
        {"wep right key, wrong index", "wep", 7, "wrong WEP key index",
         [](auto& p, auto& s) { p.wepKey = s.sharedKey2 = "00112233445566778899AABBCC"; s.defaultKey = 2; }},
        {"wep no key 1", "wep", 7, "wrong WEP key", [](auto& p, auto& s) { p.wepKey = s.sharedKey1 = "3237353134"; }},
        {"psk right", "wpa-psk", 7, "", [](auto& p, auto& s) { p.preSharedKey = s.passphrase = "vyr secure home"; }},
        {"psk one character changed", "wpa-psk", 7, "wrong pre-shared key",
         [](auto& p, auto& s) { p.preSharedKey = "vyr secure home"; s.passphrase = "vyr secure homE"; }},
        {"pass phrase against its derived key", "wpa-psk", 7, "",
         [](auto& p, auto& s) { p.preSharedKey = kIeeeKey; s.passphrase = "password"; }},
        {"derived key against its pass phrase", "wpa-psk", 7, "",
         [](auto& p, auto& s) { p.preSharedKey = "password"; s.passphrase = kIeeeKey; s.hexEntryPp = 1; }},
        {"digits entered as a pass phrase", "wpa-psk", 7, "wrong pre-shared key",
         [](auto& p, auto& s) { p.preSharedKey = "password"; s.passphrase = kIeeeKey; }},
        {"psk none set", "wpa-psk", 7, "wrong pre-shared key", [](auto& p, auto&) { p.preSharedKey = "password"; }},
        {"leap right", "8021x", 1, "", [](auto& p, auto& s) {
             p.eapMethod = "leap"; p.users = {{"Bob", "b0b!"}}; s.leapUserName = "bob"; s.leapUserPasswd = "b0b!";
         }},
        {"leap wrong password", "8021x", 1, "wrong password", [](auto& p, auto& s) {
             p.users = {{"bob", "b0b!"}}; s.leapUserName = "bob"; s.leapUserPasswd = "B0B!";
         }},
        {"leap unknown user", "8021x", 1, "unknown user", [](auto& p, auto& s) {
             p.users = {{"bob", "b0b!"}}; s.leapUserName = "rob"; s.leapUserPasswd = "b0b!";
         }},
        {"peap on a tls network", "wpa", 3, "EAP method not accepted", [](auto& p, auto&) { p.eapMethod = "tls"; }},
        {"peap right", "wpa", 3, "", [&](auto& p, auto& s) {
             p.eapMethod = "peap"; p.authority = s.ca = roots[0]; p.users = {{"eve", "pw"}};
             s.advancedUserName = "eve"; s.advancedPassword = "pw";
         }},
        {"peap requires another authority", "wpa", 3, "authority not trusted",
         [&](auto& p, auto& s) { p.authority = roots[0]; s.ca = roots[1]; }},
        {"peap requires an authority ROOT lacks", "wpa", 3, "authority not trusted",
         [](auto& p, auto& s) { p.authority = s.ca = std::string(40, 'A'); }},
        {"peap any authority", "wpa", 2, "", [&](auto& p, auto&) { p.authority = roots[0]; }},
        {"ttls wrong password", "8021x", 5, "wrong password", [&](auto& p, auto& s) {
             p.eapMethod = "ttls"; p.users = {{"eve", "pw"}}; s.advancedUserName = "eve"; s.advancedPassword = "pw ";
         }},
        {"tls by principal name", "wpa", 4, "",
         [&](auto& p, auto& s) { p.eapMethod = "tls"; p.users = {{"ANN@corp.example", ""}}; s.certificate = id; }},
        {"tls by subject", "wpa", 4, "", [&](auto& p, auto& s) { p.users = {{"ann", ""}}; s.certificate = id; }},
        {"tls another user", "wpa", 4, "certificate not accepted",
         [&](auto& p, auto& s) { p.users = {{"bob@corp.example", ""}}; s.certificate = id; }},
    };
    for (const auto& row : rows) {
        AccessPoint point = Point("IEEE", 'g', 60, row.security);
        ProfileSettings settings = Secured("IEEE", row.selection, std::string(row.security).compare(0, 3, "wpa") == 0);
        row.set(point, settings);
        EXPECT_EQ(CredentialFault(point, settings, ReadCertificateFacts(settings)), row.expected) << row.name;
    }

    DeleteUserCertificate(id);
}

// The states after each Step (digits are state codes), then the last failure.
std::string Steps(LinkModel& model, const LinkInputs& inputs, int steps)
{
    std::string states;
    for (int i = 0; i < steps; ++i) {
        model.Step(inputs);
        states += static_cast<char>('0' + model.Status().state);
    }
    return states + " " + model.Status().linkName + " [" + model.Status().failure + "]";
}

TEST(RefusedLink, NeverAssociatesAndTriesAgainAtEachRescanOrChange)
{
    LinkInputs inputs;
    inputs.settings = Secured("IEEE", 7, true);
    inputs.settings.passphrase = "vyr secure homE";
    AccessPoint point = Point("IEEE", 'g', 80, "wpa-psk");
    point.preSharedKey = "vyr secure home";
    inputs.card.accessPoints = {point};
    LinkInputs right = inputs;
    right.settings.passphrase = "vyr secure home";
    LinkInputs weaker = inputs;  // a weaker point of the name that takes the key
    weaker.card.accessPoints.push_back(point);
    weaker.card.accessPoints[1].signal = 40;
    weaker.card.accessPoints[1].channel = 1;
    weaker.card.accessPoints[1].preSharedKey = "vyr secure homE";
    LinkInputs fixed = inputs;
    fixed.card.accessPoints[0].preSharedKey = "vyr secure homE";
    LinkInputs peers = inputs;
    peers.settings.networkType = 0;
    peers.card.accessPoints[0].adHoc = true;
    peers.card.accessPoints[0].channel = 1;
    LinkInputs off = inputs;
    off.cardState.radioOn = false;

    LinkModel model;
    const struct { const char* name; std::function<void()> act; const LinkInputs& inputs; int steps;
                   const char* expected; } rows[] = {
        {"a new reader finds it refused", [] {}, inputs, 1, "0 IEEE [IEEE: wrong pre-shared key]"},
        {"no retry while nothing changes", [] {}, inputs, 3, "000 IEEE [IEEE: wrong pre-shared key]"},
        {"rescan: authenticated, then the timeout", [&] { model.Restart(inputs); }, inputs, 6,
         "222000 IEEE [IEEE: wrong pre-shared key]"},
        {"the right pass phrase", [&] { model.Restart(right); }, right, 3, "233 IEEE []"},
        {"the key stops fitting: the card is dropped", [] {}, inputs, 5, "02220 IEEE [IEEE: wrong pre-shared key]"},
        {"the point takes the profile's key again", [] {}, fixed, 2, "23 IEEE []"},
        {"the stronger point refuses, the weaker takes it", [&] { model.Restart(weaker); }, weaker, 6,
         "222023 IEEE []"},
        {"a new reader passes over the refusing point", [&] { model = LinkModel(); }, weaker, 1, "3 IEEE []"},
        {"radio off keeps the failure", [&] { model = LinkModel(); model.Step(inputs); }, off, 1,
         "0  [IEEE: wrong pre-shared key]"},
        {"peer to peer starts its own network", [&] { model = LinkModel(); }, peers, 1, "1 IEEE []"},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(Steps(model, row.inputs, row.steps), row.expected) << row.name;
    }
    EXPECT_EQ(model.Status().channel, 6);  // its own network, not the refusing one's on channel 1
}

class RefusedCard : public CardTest {};

// Blanks between words squeezed to one, so that columns do not matter.
std::string Squeezed(std::string text)
{
    text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }), text.end());
    return text;
}

TEST_F(RefusedCard, VyrsimSetsWhatAPointChecksAndStatusShowsWhyTheCardFailed)
{
    status_->Refresh();  // on the test's store
    ProfileSettings settings = Secured("VyrSecure", 7, true);
    settings.passphrase = "vyrsecurehomE";
    ASSERT_TRUE(WriteAppliedProfile(OpenStore(), settings, "Profiles\\Home"));
    std::string states;
    for (int refresh = 0; refresh < 5; ++refresh) {
        status_->Refresh();
        states += std::to_string(status_->GetState());
    }
    EXPECT_EQ(states, "02220");
    EXPECT_EQ(ReadLinkFailure(OpenStore()), "VyrSecure: wrong pre-shared key");

    // A command and the line of its output that holds the point's credentials.
    const struct { const char *line, *expected; } rows[] = {
        {"ap list", " VyrSecure pre-shared key ********\n"},
        {"ap list --show-secrets", " VyrSecure pre-shared key vyrsecurehome\n"},
        {"ap set VyrSecure --psk 'vyrsecurehomE'",
         "Changed VyrSecure: 802.11g channel 11, signal 62, wpa-psk/aes, pre-shared key ********"},
        {"status", " last failure (none)\n"},
        {"ap add Lab --security wep --wep-key 2:0a1b2c3d4e",
         "Added Lab: 802.11g channel 6, signal 70, wep, WEP key 2 ******** (64-bit)"},
        {"ap set Lab --security 8021x --eap leap --users ann:pw,bob:x",
         "70, 8021x, WEP key 2 ******** (64-bit), EAP leap, users ann:******** bob:********"},
        {"ap set Lab --wep-key none", "signal 70, 8021x, EAP leap, users ann:******** bob:********\n"},
    };
    for (const auto& row : rows) {
        std::string output = Squeezed(VyrsimOutput(row.line));
        EXPECT_NE(output.find(row.expected), std::string::npos) << row.line << "\n" << output;
    }
    EXPECT_EQ(ReadLinkFailure(OpenStore()), "");

    std::string before = VyrsimOutput("ap list --show-secrets");
    // Refused, changing nothing: a key the kind does not use, a malformed key, users without passwords, an
    // authority that ROOT does not hold.
    const struct { const char* line; int exitCode; const char* message; } refusals[] = {
        {"ap set Lab --psk 'twelve chars'", 2, "--psk applies to wpa-psk, not 8021x"},
        {"ap set VyrSecure --psk short", 2, "8 to 63 printable characters"},
        {"ap set Lab --eap peap --users ann", 2, "peap users need NAME:PASSWORD"},
        {"ap set Lab --wep-key 5:0a1b2c3d4e", 2, "the WEP key index"},
        {"ap set Lab --ca 0000000000000000000000000000000000000000", 1, "the store ROOT holds no certificate"},
    };
    for (const auto& row : refusals) {
        ProgramResult result = Vyrsim(row.line);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.line;
        EXPECT_NE(result.errors.find(row.message), std::string::npos) << row.line << "\n" << result.errors;
    }
    EXPECT_EQ(VyrsimOutput("ap list --show-secrets"), before);

    // A certificate taken out of "MY" refuses the next attempt: a Rescan looks at the store again.
    std::string id, error;
    ASSERT_TRUE(CreateUserCertificate("ann@corp.example", id, error)) << error;
    VyrsimOutput("ap add Corp --security wpa --eap tls --users ann@corp.example");
    settings = Secured("Corp", 4, true);
    settings.certificate = id;
    ASSERT_TRUE(WriteAppliedProfile(OpenStore(), settings, "Profiles\\Corp"));
    states.clear();
    for (int refresh = 0; refresh < 8; ++refresh) {
        if (refresh == 4)
            states += DeleteUserCertificate(id) && status_->Rescan() ? " " : " not rescanned ";
        status_->Refresh();
        states += std::to_string(status_->GetState());
    }
    EXPECT_EQ(states + " " + ReadLinkFailure(OpenStore()), "0233 2220 Corp: certificate not found");
}

}  // namespace
