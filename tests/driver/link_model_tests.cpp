// The live link on its own: which networks a profile takes, how the link
// moves from search to association, and the values the Status page shows.
#include <gtest/gtest.h>

#include <set>

#include "driver/link_model.h"
#include "driver_support.h"

namespace {

LinkInputs Inputs(DWORD type, const char* name, std::vector<AccessPoint> points = {})
{
    LinkInputs inputs;
    inputs.settings.networkType = type;
    inputs.settings.networkName1 = name;
    inputs.card.accessPoints = std::move(points);
    return inputs;
}

int BandIfFits(const AccessPoint& point, const LinkInputs& inputs)
{
    DWORD band = 0;
    return PointFits(point, inputs, band) ? static_cast<int>(band) : -1;
}

// The states shown after Restart (or after creation) and each further Step
// (digits are state codes, F is Joined with the join final), then the
// network, band and channel shown last.
std::string States(LinkModel& model, const LinkInputs& inputs, int steps, bool restart = true)
{
    if (restart)
        model.Restart(inputs);
    else
        model.Step(inputs);
    std::string states;
    for (int i = 0;; ++i) {
        const LinkStatus& status = model.Status();
        states += status.joinFinal ? 'F' : static_cast<char>('0' + status.state);
        if (i == steps)
            return states + " " + status.linkName + " " + "abg"[status.band] + std::to_string(status.channel);
        model.Step(inputs);
    }
}

const std::set<int> kRatesB = {1, 2, 5, 11};
const std::set<int> kRatesAG = {6, 9, 12, 18, 24, 36, 48, 54};

TEST(LinkMatching, NamesBandsAndSecurity)
{
    LinkInputs named = Inputs(1, "Office");
    named.settings.networkName3 = "Hall";
    EXPECT_EQ(kBandG, BandIfFits(Point("Hall", 'g'), named));
    EXPECT_EQ(-1, BandIfFits(Point("office", 'g'), named));
    EXPECT_EQ(-1, BandIfFits(Point("Office", 'g', 60, "open", true), named));
    named.card.nameCapacity = 1;  // names 2 and 3 unused
    EXPECT_EQ(-1, BandIfFits(Point("Hall", 'g'), named));

    LinkInputs any = Inputs(1, "");
    EXPECT_EQ(kBandA, BandIfFits(Point("Anything", 'a'), any));
    any.settings.networkName2 = "Lab";
    EXPECT_EQ(-1, BandIfFits(Point("Anything", 'a'), any));

    // A g network serves a profile or card without g at b.
    any = Inputs(1, "");
    any.settings.wirelessMode = kModeB;
    EXPECT_EQ(kBandB, BandIfFits(Point("G", 'g'), any));
    EXPECT_EQ(-1, BandIfFits(Point("A", 'a'), any));
    any.settings.wirelessMode = kModeG;
    EXPECT_EQ(-1, BandIfFits(Point("B", 'b'), any));
    any.settings.wirelessMode = 13;
    any.card.radioCapabilities = kModeA | kModeB;
    EXPECT_EQ(kBandB, BandIfFits(Point("G", 'g'), any));
    any.card.radioCapabilities = kModeB | kModeG;
    EXPECT_EQ(-1, BandIfFits(Point("A", 'a'), any));
}

TEST(LinkSecurity, AProfileTakesOnlyNetworksOfItsKindAndShowsTheirCipher)
{
    // The profile's EAP selection and WPA, the one kind of network it takes (a kind of WPA only on a card
    // with WPA), that network's cipher, and the encryption shown associated and while searching.
    const struct { DWORD selection; bool wpa; std::string kind; const char* cipher;
                   DWORD associated, searching; } rows[] = {
        {0, false, "open", "tkip", kCipherNone, kCipherNone}, {7, false, "wep", "aes", kCipherWep, kCipherWep},
        {7, true, "wpa-psk", "aes", kCipherAes, kCipherTkip}, {1, false, "8021x", "aes", kCipherCkip, kCipherCkip},
        {3, false, "8021x", "aes", kCipherWep, kCipherWep},   {1, true, "wpa", "tkip", kCipherTkip, kCipherTkip},
        {5, true, "wpa", "aes", kCipherAes, kCipherTkip},
    };
    for (const auto& row : rows) {
        LinkInputs inputs = Inputs(1, "Net", {Point("Net", 'g', 60, row.kind.c_str(), false, row.cipher)});
        if (row.selection)
            inputs.settings = Secured("Net", row.selection, row.wpa);
        LinkModel model;
        std::string seen = States(model, inputs, 0, false);
        seen += " " + std::to_string(model.Status().encryption) + "/";
        model.Restart(inputs);
        seen += std::to_string(model.Status().encryption) + " takes ";
        for (bool wpaSupport : {true, false}) {
            if (!wpaSupport)
                inputs.card.securityCapabilities &= ~kSecurityWpa;
            for (const char* kind : {"open", "wep", "wpa-psk", "8021x", "wpa"})
                seen += BandIfFits(Point("Net", 'g', 60, kind), inputs) >= 0 ? std::string(kind) + " " : "";
            seen += "| ";
        }
        std::string withoutWpa = row.kind.compare(0, 3, "wpa") == 0 ? "" : row.kind + " ";
        EXPECT_EQ(seen, "3 Net g11 " + std::to_string(row.associated) + "/" + std::to_string(row.searching) +
                            " takes " + row.kind + " | " + withoutWpa + "| ")
            << row.selection << " " << row.wpa;
    }
}

TEST(LinkSequence, AssociationComesAndGoesAndPeerToPeerJoinsOrStartsItsOwn)
{
    LinkInputs open =
        Inputs(1, "", {Point("Weak", 'g', 30), Point("Strong", 'a', 80), Point("Locked", 'b', 95, "wep")});
    LinkModel model;
    EXPECT_EQ("3 Strong a40", States(model, open, 0, false));  // a new model finds the link running
    EXPECT_EQ("0233 Strong a40", States(model, open, 3));

    LinkInputs eap = Inputs(1, "Office", {Point("Office", 'g', 60, "wpa", false, "aes")});
    eap.settings = Secured("Office", 3, true);
    EXPECT_EQ("0233 Office g11", States(model, eap, 3));
    EXPECT_EQ("0 Office a0", States(model, eap, 0));  // searched for by name
    EXPECT_EQ("23 Office g11", States(model, eap, 1, false));

    // Lost network: scanning until it returns, then the steps again.
    LinkInputs gone = eap;
    gone.card.accessPoints.clear();
    EXPECT_EQ("00 Office a0", States(model, gone, 1, false));
    EXPECT_EQ("23 Office g11", States(model, eap, 1, false));
    gone = eap;
    gone.card.accessPoints[0].security = "wpa-psk";
    EXPECT_EQ("0 Office a0", States(model, gone, 0, false));

    // No radio or no card, and power back: status_tests' rows through the status singleton.
    // Peer to peer, on a new model: it joins an ad-hoc network of its name or starts its own.
    LinkInputs party = Inputs(0, "Party", {Point("Party", 'g', 90)});  // not ad hoc: ignored
    party.settings.adHocStartBand = 1;
    model = LinkModel();
    EXPECT_EQ("F Party a36", States(model, party, 0, false));
    EXPECT_EQ("1FF Party a36", States(model, party, 2));
    EXPECT_GE(model.Status().signal, 75);

    // Start bands the mode or the domain do not allow give way.
    party.settings.wirelessMode = kModeB | kModeG;
    EXPECT_EQ("1F Party g6", States(model, party, 1));
    for (DWORD country : {DWORD('W' << 8 | 'W'), DWORD('N' << 8 | 'A')}) {
        LinkInputs world = party;
        world.card.countryCode = country;
        world.card.accessPoints = {Point("Party", 'a', 70, "open", true)};
        world.settings.wirelessMode = 13;
        EXPECT_EQ("1F Party b6", States(model, world, 1));
        world.settings.wirelessMode = kModeA;
        EXPECT_EQ("000 Party a0", States(model, world, 2));
    }

    // An ad-hoc network of the name is joined; when it leaves, the card
    // carries it on.
    party.card.accessPoints.push_back(Point("Party", 'g', 40, "open", true));
    EXPECT_EQ("1F Party g11", States(model, party, 1));
    EXPECT_NEAR(40, model.Status().signal, 5);
    party.card.accessPoints.clear();
    EXPECT_EQ("F Party g11", States(model, party, 0, false));

    party.settings.networkName1.clear();
    EXPECT_EQ("000  a0", States(model, party, 2));
}

TEST(LinkValues, RatesSignalAndEncryption)
{
    for (DWORD mode : {DWORD(13), kModeB}) {
        for (int configured : {2, 50, 98}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " signal " << configured);
            LinkInputs inputs = Inputs(1, "Net", {Point("Net", 'g', configured)});
            inputs.settings.wirelessMode = mode;
            LinkModel model(configured);
            model.Step(inputs);
            const std::set<int>& rates = mode == kModeB ? kRatesB : kRatesAG;
            std::set<int> seen;
            for (int step = 0; step < 100; ++step) {
                int previous = model.Status().signal;
                model.Step(inputs);
                const LinkStatus& now = model.Status();
                // Rates of the band; a walk of at most 2 a step within 5 of the configured signal and within
                // 0..100; the quality a little below the signal.
                EXPECT_TRUE(rates.count(now.txRate) && rates.count(now.rxRate) &&
                            std::abs(now.signal - previous) <= 2 && std::abs(now.signal - configured) <= 5 &&
                            now.signal >= 0 && now.signal <= 100 &&
                            (now.linkQuality < now.signal || now.linkQuality == 0) &&
                            now.linkQuality >= now.signal - 12)
                    << step << ": " << now.txRate << " " << now.rxRate << " " << now.signal << " " << now.linkQuality;
                seen.insert(now.signal);
            }
            EXPECT_GE(seen.size(), 4u);
            // A new configured value is followed at once.
            inputs.card.accessPoints[0].signal = configured < 50 ? 70 : 20;
            model.Step(inputs);
            EXPECT_NEAR(inputs.card.accessPoints[0].signal, model.Status().signal, 5);
        }
    }
    // A stronger signal never gives a lower rate; the steps' edges.
    std::string rates;
    for (DWORD band : {kBandB, kBandG}) {
        for (int signal : {10, 19, 20, 59, 60, 74, 75, 90})
            rates += std::to_string(RateFor(band, signal)) + " ";
    }
    EXPECT_EQ(rates, "1 1 2 5 11 11 11 11 6 9 9 36 36 48 54 54 ");
}

}  // namespace
