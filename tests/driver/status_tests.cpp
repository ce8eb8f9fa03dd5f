// The status singleton through the public interface, against a store of the
// test's own, changed as vyrsim or another applet would change it.
#include <gtest/gtest.h>

#include "driver/80211api.h"
#include "driver/card_state.h"
#include "driver/store.h"
#include "support/isolated_store.h"

namespace {

class StatusTest : public testing::Test {
protected:
    // The singleton outlives the test; its Refresh moves it to this store.
    void SetUp() override { ASSERT_TRUE(status_->Refresh()); }

    // The state now, then after each of `refreshes` Refresh calls.
    std::string States(int refreshes)
    {
        std::string states(1, static_cast<char>('0' + status_->GetState()));
        for (int i = 0; i < refreshes; ++i) {
            status_->Refresh();
            states += static_cast<char>('0' + status_->GetState());
        }
        return states;
    }

    IsolatedStore store_;
    CDriverStatus* status_ = CVeltoDriverStatus::GetInstance();
};

TEST_F(StatusTest, FirstLookShowsTheDefaultNetworkAndCard)
{
    // What the singleton saw of another store does not carry over.
    std::string other = store_.Path() + ".other";
    SetEnvironmentVariableA("VYR80211_STORE", other.c_str());
    status_->Refresh();
    ASSERT_TRUE(status_->DisableRadio());
    SetEnvironmentVariableA("VYR80211_STORE", store_.Path().c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, other.c_str());
    status_->Refresh();

    EXPECT_TRUE(status_->IsAdapterPresent() && status_->IsRadioEnabled());
    EXPECT_EQ("3", States(0));
    EXPECT_EQ("VyrLink", status_->GetLinkName());
    EXPECT_EQ(6, status_->GetChannel());
    EXPECT_EQ(2u, status_->GetBand());
    EXPECT_NEAR(74, status_->GetSignalStrength(), 5);
    EXPECT_GE(status_->GetTxRate(), 6);
    EXPECT_EQ(0u, status_->GetEncryptionType());

    SimulatedCard card = ReadSimulatedCard(OpenStore());
    card.driverVersion = "6.1.0.3";
    card.macAddress = "00:11:22:33:44:55";
    card.countryCode = ('W' << 8) | 'W';
    card.nameCapacity = 1;
    card.radioCapabilities = 0x05;
    card.securityCapabilities = 0x05;  // no WPA
    card.accessPoints[0].signal = 25;
    ASSERT_TRUE(WriteSimulatedCard(OpenStore(), card));
    EXPECT_NEAR(74, status_->GetSignalStrength(), 5);  // getters keep the last reading
    EXPECT_EQ("33", States(1));
    EXPECT_NEAR(25, status_->GetSignalStrength(), 5);
    EXPECT_EQ(1u, status_->GetBand());  // no g on the card
    EXPECT_EQ("6.1.0.3", status_->GetDriverVersion());
    EXPECT_EQ("00:11:22:33:44:55", status_->GetMacAddress());
    EXPECT_EQ(DWORD('W' << 8 | 'W'), status_->GetCountryCode());
    EXPECT_EQ(1u, status_->GetNetworkNameCapacity());
    EXPECT_FALSE(status_->GetWpaSupport());
    DWORD radio = 0;
    DWORD security = 0;
    EXPECT_TRUE(status_->GetCapabilities(radio, security));
    EXPECT_EQ(0x05u, radio);
    EXPECT_EQ(0x05u, security);
}

TEST_F(StatusTest, NetworkAndCardComingAndGoing)
{
    AccessPoint home = ReadSimulatedCard(OpenStore()).accessPoints.at(0);
    ASSERT_TRUE(RemoveAccessPoint(OpenStore(), home.ssid));
    EXPECT_EQ("300", States(2));
    EXPECT_EQ("", status_->GetLinkName());  // the default profile takes any network
    ASSERT_TRUE(WriteAccessPoint(OpenStore(), home));
    EXPECT_EQ("0233", States(3));

    SimulatedCard card = ReadSimulatedCard(OpenStore());
    card.present = false;
    ASSERT_TRUE(WriteSimulatedCard(OpenStore(), card));
    EXPECT_EQ("34", States(1));
    EXPECT_FALSE(status_->IsAdapterPresent());
    EXPECT_FALSE(status_->DisableRadio() || status_->EnableRadio() || status_->Rescan());
    EXPECT_TRUE(ReadCardState(OpenStore()).radioOn);

    card.present = true;
    ASSERT_TRUE(WriteSimulatedCard(OpenStore(), card));
    EXPECT_EQ("4023", States(3));
    EXPECT_TRUE(status_->IsAdapterPresent());
}

TEST_F(StatusTest, RadioSwitchPersistsAndReassociates)
{
    CardState state = ReadCardState(OpenStore());
    state.adminProfileName = "admin_Lab";
    ASSERT_TRUE(WriteCardState(OpenStore(), state));

    ASSERT_TRUE(status_->DisableRadio());
    EXPECT_FALSE(status_->IsRadioEnabled());
    EXPECT_EQ(0, status_->GetSignalStrength());
    state = ReadCardState(OpenStore());
    EXPECT_FALSE(state.radioOn);
    EXPECT_EQ("admin_Lab", state.adminProfileName);
    EXPECT_FALSE(status_->Rescan());
    EXPECT_EQ("00", States(1));

    ASSERT_TRUE(status_->EnableRadio());
    EXPECT_TRUE(ReadCardState(OpenStore()).radioOn);
    EXPECT_EQ("0233", States(3));

    // Switched by another process.
    state.radioOn = false;
    ASSERT_TRUE(WriteCardState(OpenStore(), state));
    EXPECT_EQ("30", States(1));
    EXPECT_FALSE(status_->IsRadioEnabled());
    state.radioOn = true;
    ASSERT_TRUE(WriteCardState(OpenStore(), state));
    EXPECT_EQ("0023", States(3));
    EXPECT_TRUE(status_->IsRadioEnabled());
}

TEST_F(StatusTest, RescanAndApplyStartANewAssociation)
{
    ASSERT_TRUE(status_->Rescan());
    EXPECT_EQ("0233", States(3));

    AccessPoint lab;
    lab.ssid = "Lab";
    lab.band = 'a';
    lab.channel = 40;
    lab.security = "wpa-psk";
    lab.cipher = "aes";
    ASSERT_TRUE(WriteAccessPoint(OpenStore(), lab));
    ProfileSettings settings;
    settings.networkName1 = "Lab";
    settings.enableSecurity = 1;
    settings.eapSelection = 7;
    settings.wpa = 1;
    // Applying the same settings twice still associates anew.
    for (int apply = 0; apply < 2; ++apply) {
        ASSERT_TRUE(WriteAppliedProfile(OpenStore(), settings, "Profiles\\Lab"));
        EXPECT_EQ("3023", States(3));
        EXPECT_EQ("Lab", status_->GetLinkName());
        EXPECT_EQ(40, status_->GetChannel());
        EXPECT_EQ(2u, status_->GetEncryptionType());
    }

    settings.networkType = 0;
    settings.networkName1 = "Party";
    ASSERT_TRUE(WriteAppliedProfile(OpenStore(), settings, "Profiles\\Party"));
    status_->Refresh();
    EXPECT_EQ(1u, status_->GetState());
    EXPECT_FALSE(status_->IsJoinFinal());
    status_->Refresh();
    EXPECT_TRUE(status_->IsJoinFinal());
    EXPECT_EQ("Party", status_->GetLinkName());
}

}  // namespace
