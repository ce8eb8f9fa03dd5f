#include "dlg_configure_profile.h"

#include "current_profile.h"
#include "driver/80211api.h"
#include "page_config.h"
#include "res/resource.h"
#include "shell/user_admin.h"
#include "shell/windows_version.h"

namespace {

const int kLongestName = 32;
// Cards that take fewer names use only the first.
const UINT kThreeNames = 3;
const DWORD kRadio11g = 0x08;
const int kNetworkSettings = 2;

// Network Type positions; each is also the stored network type.
const int kPeerToPeer = 0;
const int kAccessPoint = 1;

// Wireless Mode positions.
const int kMode11b = 0;
const int kMode11a = 1;
const int kModeAuto = 2;
const int kMode11g = 3;
// Lies past every list: a stored mode the lists cannot show selects nothing.
const int kNoPosition = 4;

// Start band positions.
const int kBand11b = 0;
const int kBand11a = 1;
const int kBand11g = 2;

struct Position {
    DWORD stored;
    int position;
};

// Stored wireless modes: band masks.
const DWORD kStored11a = 1;
const DWORD kStored11b = 4;
const DWORD kStored11g = 8;
const DWORD kStoredAuto = kStored11a | kStored11b;
const DWORD kStoredAutoWith11g = kStoredAuto | kStored11g;
// A mask that no list item stands for.
const DWORD kStoredUnlisted = 14;

// Stored values the lists do not know show the first item.
const Position kModePositions[] = {
    {kStored11b, kMode11b},          {kStored11a, kMode11a}, {kStoredAuto, kModeAuto},
    {kStoredAutoWith11g, kModeAuto}, {kStored11g, kMode11g}, {kStoredUnlisted, kNoPosition},
};
// Stored start bands: 0 or 4 802.11b, 1 802.11a, 3 802.11g.
const Position kBandPositions[] = {{0, kBand11b}, {4, kBand11b}, {1, kBand11a}, {3, kBand11g}};

// Indexed by start band position.
const DWORD kBandValues[] = {0, 1, 3};
// The only band a single-band Wireless Mode can start a network on.
const int kBandOfMode[] = {kBand11b, kBand11a, kBand11b, kBand11g};

// The Network Type selection when the combo last received the focus; it
// outlives the dialog, as the user's last visit does.
int rememberedNetworkType = -1;

template <size_t N>
int PositionOf(const Position (&table)[N], DWORD stored)
{
    for (const Position& entry : table) {
        if (entry.stored == stored)
            return entry.position;
    }
    return 0;
}

}  // namespace

CDlgConfigureProfile::CDlgConfigureProfile(CWnd* parent) : CDialog(IDD_CONFIGURE_PROFILE, parent) {}

const MessageMapBase* CDlgConfigureProfile::GetMessageMap() const
{
    static const MessageMap<CDlgConfigureProfile> map(CDialog::GetMessageMap(), {
        OnCommand(IDC_CONFIGURE_WIRELESS_MODE, CBN_SELCHANGE, &CDlgConfigureProfile::OnWirelessModeChange),
        OnCommand(IDC_CONFIGURE_NETWORK_TYPE, CBN_SELCHANGE, &CDlgConfigureProfile::OnNetworkTypeChange),
        OnCommand(IDC_CONFIGURE_NETWORK_TYPE, CBN_SETFOCUS, &CDlgConfigureProfile::OnNetworkTypeFocus),
    });
    return &map;
}

void CDlgConfigureProfile::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_CONFIGURE_TX_RATE, txRateCombo_);
    DDX_Control(dx, IDC_CONFIGURE_NAME1, name1Edit_);
    DDX_Control(dx, IDC_CONFIGURE_NAME2, name2Edit_);
    DDX_Control(dx, IDC_CONFIGURE_NAME3, name3Edit_);
    DDX_Control(dx, IDC_CONFIGURE_START_BAND, startBandCombo_);
    DDX_Control(dx, IDC_CONFIGURE_NETWORK_TYPE, networkTypeCombo_);
    DDX_Control(dx, IDC_CONFIGURE_WIRELESS_MODE, wirelessModeCombo_);
}

BOOL CDlgConfigureProfile::OnInitDialog()
{
    CDialog::OnInitDialog();
    ReadCard();
    FillLists();
    for (CEdit* edit : {&name1Edit_, &name2Edit_, &name3Edit_})
        edit->LimitText(kLongestName);
    if (nameCapacity_ < kThreeNames)
        EnableNames2And3(FALSE);
    if (CAdapterConfig* profile = GetCurrentProfile()) {
        LoadValues(*profile);
    } else {
        networkTypeCombo_.SetCurSel(kPeerToPeer);
        for (CEdit* edit : {&name1Edit_, &name2Edit_, &name3Edit_})
            edit->SetWindowText("");
    }
    return TRUE;
}

void CDlgConfigureProfile::ReadCard()
{
    status_ = CVeltoDriverStatus::GetInstance();
    nameCapacity_ = status_->GetNetworkNameCapacity();
    DWORD country = status_->GetCountryCode();
    std::string domain = Format("%c%c", static_cast<int>((country >> 8) & 0xFF), static_cast<int>(country & 0xFF));
    // North America follows the world-wide rules.
    if (domain == "NA")
        domain = "WW";
    worldWide_ = domain == "WW";
    status_->GetCapabilities(radioCapabilities_, securityCapabilities_);
    capable11g_ = (radioCapabilities_ & kRadio11g) != 0;
    if (!IsUserAdministrator())
        administrator_ = FALSE;
}

void CDlgConfigureProfile::FillLists()
{
    for (UINT id : {IDS_MODE_11B, IDS_MODE_11A, IDS_MODE_AUTO})
        wirelessModeCombo_.AddString(LoadResString(id));
    for (UINT id : {IDS_NETTYPE_PEER_TO_PEER, IDS_NETTYPE_ACCESS_POINT})
        networkTypeCombo_.AddString(LoadResString(id));
    for (UINT id : {IDS_START_BAND_11B, IDS_START_BAND_11A})
        startBandCombo_.AddString(LoadResString(id));
    if (capable11g_) {
        wirelessModeCombo_.AddString(LoadResString(IDS_MODE_11G));
        startBandCombo_.AddString(LoadResString(IDS_MODE_11G));
    }
}

void CDlgConfigureProfile::LoadValues(CAdapterConfig& profile)
{
    DWORD type = profile.GetNetworkType();
    ShowNetworkType(type);
    std::string name;
    name1Edit_.SetWindowText(profile.GetNetworkName(name));
    name2Edit_.SetWindowText(profile.GetNetworkName2(name));
    name3Edit_.SetWindowText(profile.GetNetworkName3(name));
    ShowWirelessMode(profile.GetWirelessMode(), type);
    startBandCombo_.SetCurSel(PositionOf(kBandPositions, profile.GetAdHocStartBand()));
    profile.NotifyLoaded(kNetworkSettings);
    if (!administrator_)
        RestrictForUser(profile, type);
}

void CDlgConfigureProfile::ShowNetworkType(DWORD type)
{
    if (type == kAccessPoint) {
        networkTypeCombo_.SetCurSel(kAccessPoint);
        wirelessModeCombo_.EnableWindow(TRUE);
        EnableStartBand(FALSE);
        if (nameCapacity_ >= kThreeNames)
            EnableNames2And3(TRUE);
    } else if (type == kPeerToPeer) {
        networkTypeCombo_.SetCurSel(kPeerToPeer);
        // Peer-to-peer networks in these domains may use 802.11b only.
        if (worldWide_)
            wirelessModeCombo_.SetCurSel(kMode11b);
        wirelessModeCombo_.EnableWindow(!worldWide_);
        EnableNames2And3(FALSE);
    }
}

void CDlgConfigureProfile::ShowWirelessMode(DWORD mode, DWORD type)
{
    wirelessModeCombo_.SetCurSel(PositionOf(kModePositions, mode));
    // Only a network started in Auto mode has a band to choose.
    if (type == kPeerToPeer)
        EnableStartBand(mode == kStoredAuto || mode == kStoredAutoWith11g);
}

void CDlgConfigureProfile::RestrictForUser(CAdapterConfig& profile, DWORD type)
{
    std::string name;
    if (Contains(profile.GetName(name), kAdminProfileMarker)) {
        for (CWnd* control : std::initializer_list<CWnd*>{&wirelessModeCombo_, &networkTypeCombo_, &name1Edit_,
                                                          &name2Edit_, &name3Edit_, &startBandCombo_})
            control->EnableWindow(FALSE);
        return;
    }
    wirelessModeCombo_.EnableWindow(TRUE);
    networkTypeCombo_.EnableWindow(TRUE);
    name1Edit_.EnableWindow(TRUE);
    if (nameCapacity_ < kThreeNames)
        EnableNames2And3(FALSE);
    else if (type == kAccessPoint)
        EnableNames2And3(TRUE);
    if (type == kPeerToPeer && worldWide_)
        wirelessModeCombo_.EnableWindow(FALSE);
}

void CDlgConfigureProfile::OnWirelessModeChange()
{
    int mode = wirelessModeCombo_.GetCurSel();
    if (mode == kModeAuto) {
        EnableStartBand(networkTypeCombo_.GetCurSel() != kAccessPoint);
        startBandCombo_.SetCurSel(kBand11b);
    } else if (mode == kMode11b || mode == kMode11a || mode == kMode11g) {
        startBandCombo_.SetCurSel(kBandOfMode[mode]);
        EnableStartBand(FALSE);
    }
}

void CDlgConfigureProfile::OnNetworkTypeFocus()
{
    rememberedNetworkType = networkTypeCombo_.GetCurSel();
}

void CDlgConfigureProfile::OnNetworkTypeChange()
{
    int type = networkTypeCombo_.GetCurSel();
    // Names of the other kind of network rarely fit: the first switch of a
    // visit starts them afresh, switching back keeps what the user typed.
    if (type != rememberedNetworkType) {
        for (CEdit* edit : {&name1Edit_, &name2Edit_, &name3Edit_})
            edit->SetWindowText("");
    }
    if (type == kAccessPoint) {
        EnableStartBand(FALSE);
        EnableWirelessMode(TRUE);
        if (nameCapacity_ >= kThreeNames)
            EnableNames2And3(TRUE);
    } else if (type == kPeerToPeer) {
        if (worldWide_) {
            wirelessModeCombo_.SetCurSel(kMode11b);
            startBandCombo_.SetCurSel(kBand11b);
            EnableWirelessMode(FALSE);
        } else if (wirelessModeCombo_.GetCurSel() == kModeAuto) {
            EnableStartBand(TRUE);
        }
        EnableNames2And3(FALSE);
    }
}

void CDlgConfigureProfile::OnOK()
{
    std::string caption = LoadResString(IDS_APP_TITLE);
    std::string name1 = name1Edit_.GetWindowText();
    std::string name2;
    std::string name3;
    if (nameCapacity_ >= kThreeNames) {
        name2 = name2Edit_.GetWindowText();
        name3 = name3Edit_.GetWindowText();
    }
    // A peer-to-peer network is found or started by its name alone.
    if (networkTypeCombo_.GetCurSel() == kPeerToPeer && Trim(name1).empty()) {
        MessageBox(LoadResString(IDS_PEER_TO_PEER_NEEDS_SSID), caption, MB_OK);
        name1Edit_.SetFocus();
        name1Edit_.SetSel(0, -1);
        return;
    }
    if (CAdapterConfig* profile = GetCurrentProfile())
        WriteValues(*profile, name1, name2, name3);
    CommitOnSheet();
    EndDialog(IDOK);
}

void CDlgConfigureProfile::WriteValues(CAdapterConfig& profile, const std::string& name1, const std::string& name2,
                                       const std::string& name3)
{
    profile.SetNetworkName(name1);
    profile.SetNetworkName2(name2);
    profile.SetNetworkName3(name3);
    int type = networkTypeCombo_.GetCurSel();
    if (type == kPeerToPeer || type == kAccessPoint)
        profile.SetNetworkType(type);
    profile.SetWirelessMode(SelectedWirelessMode());
    int band = startBandCombo_.GetCurSel();
    profile.SetAdHocStartBand(band >= 0 && band <= kBand11g ? kBandValues[band] : kBandValues[kBand11b]);
}

DWORD CDlgConfigureProfile::SelectedWirelessMode() const
{
    switch (wirelessModeCombo_.GetCurSel()) {
    case kMode11a:
        return kStored11a;
    case kModeAuto:
        return capable11g_ ? kStoredAutoWith11g : kStoredAuto;
    case kMode11g:
        return kStored11g;
    default:  // 802.11b, or nothing selected
        return kStored11b;
    }
}

void CDlgConfigureProfile::CommitOnSheet()
{
    // Created without a parent, the dialog is owned by the sheet that was
    // active when it opened; run on its own it has nobody to commit.
    CPropertySheet* sheet =
        dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER)));
    CPageConfig* page = sheet ? dynamic_cast<CPageConfig*>(sheet->GetPage(1)) : nullptr;
    if (!page)
        return;
    page->ClearCommitGuard();
    page->CommitProfile();
    // The sheet's own OK commits again whatever else changes by then.
    page->ClearCommitGuard();
}

void CDlgConfigureProfile::EnableNames2And3(BOOL enable)
{
    for (int id : {IDC_CONFIGURE_NAME2_LABEL, IDC_CONFIGURE_NAME3_LABEL, IDC_CONFIGURE_NAME2, IDC_CONFIGURE_NAME3})
        EnableItem(id, enable);
}

void CDlgConfigureProfile::EnableStartBand(BOOL enable)
{
    EnableItem(IDC_CONFIGURE_START_BAND, enable);
    EnableItem(IDC_CONFIGURE_START_BAND_LABEL, enable);
}

void CDlgConfigureProfile::EnableWirelessMode(BOOL enable)
{
    EnableItem(IDC_CONFIGURE_WIRELESS_MODE, enable);
    EnableItem(IDC_CONFIGURE_WIRELESS_MODE_LABEL, enable);
}

void CDlgConfigureProfile::EnableItem(int id, BOOL enable)
{
    ::EnableWindow(GetDlgItem(id), enable);
}
