// The status singleton through the public interface, against a store of the
// test's own, changed as vyrsim or another applet would change it.
#include <functional>

#include "driver/card_state.h"
#include "driver/store.h"
#include "driver_support.h"

namespace {

class StatusTest : public CardTest {
protected:
    void SetUp() override { ASSERT_TRUE(status_->Refresh()); }

    // The state now, then after each of `refreshes` Refresh calls; then what the Status page reads (the radio: as
    // shown / as stored for the next start; rates, quality and signal: whether any is not 0).
    std::string Look(int refreshes)
    {
        std::string states(1, static_cast<char>('0' + status_->GetState()));
        for (int i = 0; i < refreshes; ++i) {
            status_->Refresh();
            states += static_cast<char>('0' + status_->GetState());
        }
        const CDriverStatus* s = status_;
        bool readings = s->GetTxRate() || s->GetRxRate() || s->GetLinkQuality() || s->GetSignalStrength();
        return states + " present=" + std::to_string(s->IsAdapterPresent()) + " radio=" +
               std::to_string(s->IsRadioEnabled()) + "/" + std::to_string(ReadCardState(OpenStore()).radioOn) +
               " link=" + s->GetLinkName() + " channel=" + std::to_string(s->GetChannel()) +
               " band=" + std::to_string(s->GetBand()) + " cipher=" + std::to_string(s->GetEncryptionType()) +
               " readings=" + (readings ? "some" : "none");
    }
};

TEST_F(StatusTest, FirstLookShowsTheDefaultNetworkAndCardAndLaterOnesTheCardAsChanged)
{
    // What the singleton saw of another store does not carry over.
    std::string other = store_.Path() + ".other";
    SetEnvironmentVariableA("VYR80211_STORE", other.c_str());
    status_->Refresh();
    ASSERT_TRUE(status_->DisableRadio());
    SetEnvironmentVariableA("VYR80211_STORE", store_.Path().c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, other.c_str());
    status_->Refresh();
    EXPECT_EQ(Look(0), "3 present=1 radio=1/1 link=VyrLink channel=6 band=2 cipher=0 readings=some");
    EXPECT_NEAR(74, status_->GetSignalStrength(), 5);
    EXPECT_GE(status_->GetTxRate(), 6);

    // The capability, names, WPA and country readings are vyrsim_tests' (caps).
    SimulatedCard card = ReadSimulatedCard(OpenStore());
    card.driverVersion = "6.1.0.3";
    card.macAddress = "00:11:22:33:44:55";
    card.radioCapabilities = card.securityCapabilities = 0x05;  // no g, no WPA
    card.accessPoints[0].signal = 25;
    ASSERT_TRUE(WriteSimulatedCard(OpenStore(), card));
    EXPECT_NEAR(74, status_->GetSignalStrength(), 5);  // getters keep the last reading
    EXPECT_EQ(Look(1), "33 present=1 radio=1/1 link=VyrLink channel=6 band=1 cipher=0 readings=some");
    EXPECT_NEAR(25, status_->GetSignalStrength(), 5);
    EXPECT_EQ(status_->GetDriverVersion() + " " + status_->GetMacAddress(), "6.1.0.3 00:11:22:33:44:55");
}

TEST_F(StatusTest, EveryChangeOfNetworkCardRadioOrProfileStartsANewSearch)
{
    VyrsimOutput("admin-profile admin_Lab");
    ProfileSettings settings = Secured("Lab", 7, true);  // a pre-shared key of WPA
    CDriverStatus* s = status_;
    auto vyrsim = [](const char* line) { return [line] { return Vyrsim(line).exitCode == 0; }; };
    std::function<bool()> apply = [&] { return WriteAppliedProfile(OpenStore(), settings, "Profiles\\Lab"); };
    const std::string none = " link= channel=0 band=0 cipher=0 readings=none";
    const std::string own = " link=VyrLink channel=6 band=2 cipher=0 readings=some", up = " present=1 radio=1/1";
    const std::string lab = "3023" + up + " link=Lab channel=40 band=0 cipher=2 readings=some";
    // What changes (it must be taken), the refreshes after, and the states and the page then.
    const struct { const char* name; std::function<bool()> change; int refreshes; std::string expected; } rows[] = {
        // The default profile takes any network: it searches for none by name.
        {"network gone", vyrsim("ap remove VyrLink"), 2, "300" + up + none},
        {"network back", vyrsim("ap add VyrLink --band g --channel 6 --signal 74"), 3, "0233" + up + own},
        {"card gone", vyrsim("card absent"), 1, "34 present=0 radio=1/1" + none},
        {"no switching without a card", [&] { return !(s->DisableRadio() || s->EnableRadio() || s->Rescan()); },
         0, "4 present=0 radio=1/1" + none},
        {"card back", vyrsim("card present"), 3, "4023" + up + own},
        {"radio off", [&] { return s->DisableRadio() && s->GetSignalStrength() == 0; }, 1,
         "00 present=1 radio=0/0" + none},
        {"no rescan with the radio off", [&] { return !s->Rescan(); }, 0, "0 present=1 radio=0/0" + none},
        {"radio on", [&] { return s->EnableRadio(); }, 3, "0233" + up + own},
        {"radio off elsewhere", vyrsim("radio off"), 1, "30 present=1 radio=0/0" + none},
        {"radio on elsewhere", vyrsim("radio on"), 3, "0023" + up + own},
        {"rescan", [&] { return s->Rescan(); }, 3, "0233" + up + own},
        {"Lab in effect",
         [&] { return vyrsim("ap add Lab --band a --channel 40 --security wpa-psk --cipher aes")() && apply(); },
         3, lab},
        {"the same settings again: a new association too", apply, 3, lab},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.change());
        EXPECT_EQ(Look(row.refreshes), row.expected);
    }
    // A peer-to-peer network is started, and its join becomes final a refresh later.
    settings.networkType = 0;
    settings.networkName1 = "Party";
    ASSERT_TRUE(WriteAppliedProfile(OpenStore(), settings, "Profiles\\Party"));
    std::string joins;
    for (int refresh = 0; refresh < 2; ++refresh) {
        status_->Refresh();
        joins += std::to_string(status_->GetState()) + "/" + std::to_string(status_->IsJoinFinal()) + " ";
    }
    EXPECT_EQ(joins + status_->GetLinkName() + " admin=" + ReadCardState(OpenStore()).adminProfileName,
              "1/0 1/1 Party admin=admin_Lab");
}

}  // namespace
