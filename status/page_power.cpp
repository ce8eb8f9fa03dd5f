#include "page_power.h"

#include "driver/80211api.h"
#include "profiles/current_profile.h"
#include "profiles/profile_label.h"
#include "res/resource.h"
#include "shell/user_admin.h"
#include "shell/wifi_prop_sheet.h"

namespace {

const UINT kTransmitPowerTexts[] = {IDS_TX_POWER_FULL, IDS_TX_POWER_50, IDS_TX_POWER_25, IDS_TX_POWER_12,
                                    IDS_TX_POWER_LOWEST};
const UINT kPowerSavingTexts[] = {IDS_POWER_SAVE_OFF, IDS_POWER_SAVE_NORMAL, IDS_POWER_SAVE_MAXIMUM};

// Power saving: the card stores Normal as 2 and Maximum as 1, the reverse
// of their places in the list; 3 means nothing was chosen.
const DWORD kSavingOff = 0;
const DWORD kSavingMaximum = 1;
const DWORD kSavingNormal = 2;
const DWORD kSavingNone = 3;
const int kOffItem = 0;
const int kNormalItem = 1;
const int kMaximumItem = 2;

const char kAdminMarker[] = "admin_";

DWORD StoredSaving(int item)
{
    switch (item) {
    case kOffItem:
        return kSavingOff;
    case kNormalItem:
        return kSavingNormal;
    case kMaximumItem:
        return kSavingMaximum;
    default:
        return kSavingNone;
    }
}

// The list item for a stored value; -1 leaves the selection as it is.
int SavingItem(DWORD stored)
{
    switch (stored) {
    case kSavingOff:
    case kSavingNone:
        return kOffItem;
    case kSavingMaximum:
        return kMaximumItem;
    case kSavingNormal:
        return kNormalItem;
    default:
        return -1;
    }
}

}  // namespace

CPagePower::CPagePower() : CPropertyPage(IDD_PAGE_POWER) {}

const MessageMapBase* CPagePower::GetMessageMap() const
{
    static const MessageMap<CPagePower> map(CPropertyPage::GetMessageMap(), {
        OnCommand(IDC_POWER_SAVING, CBN_SELCHANGE, &CPagePower::OnChanged),
        OnCommand(IDC_POWER_TRANSMIT, CBN_SELCHANGE, &CPagePower::OnChanged),
    });
    return &map;
}

void CPagePower::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_POWER_TRANSMIT, transmitPowerCombo_);
    DDX_Control(dx, IDC_POWER_SAVING, powerSavingCombo_);
}

void CPagePower::EnterWirelessZeroConfigMode(int enter)
{
    if (!enter)
        return;
    zeroConfigMode_ = enter;
    hiddenConfigPage_.AttachConfigurator(CVeltoDriverConfigurator::GetInstance());
}

BOOL CPagePower::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (UINT text : kTransmitPowerTexts)
        transmitPowerCombo_.AddString(LoadResString(text));
    for (UINT text : kPowerSavingTexts)
        powerSavingCombo_.AddString(LoadResString(text));
    transmitPowerCombo_.SetCurSel(0);
    powerSavingCombo_.SetCurSel(0);
    return TRUE;
}

BOOL CPagePower::OnSetActive()
{
    CAdapterConfig* profile = GetCurrentProfile();
    SetDlgItemText(IDC_POWER_PROFILE_LABEL, ProfileLabel(IDS_POWER_PROFILE_PREFIX, profile));
    if (profile) {
        DWORD power = profile->GetTransmitPower();
        transmitPowerCombo_.SetCurSel(power <= 4 ? static_cast<int>(power) : 0);
        int saving = SavingItem(profile->GetPowerSaving());
        if (saving >= 0)
            powerSavingCombo_.SetCurSel(saving);
        if (!IsUserAdministrator()) {
            std::string name;
            BOOL open = !Contains(profile->GetName(name), kAdminMarker);
            transmitPowerCombo_.EnableWindow(open);
            powerSavingCombo_.EnableWindow(open);
        }
    }
    return CPropertyPage::OnSetActive();
}

BOOL CPagePower::OnKillActive()
{
    // Stored on every leave, changed or not.
    if (CAdapterConfig* profile = GetCurrentProfile()) {
        int power = transmitPowerCombo_.GetCurSel();
        profile->SetTransmitPower(power >= 0 ? static_cast<DWORD>(power) : 0);
        profile->SetPowerSaving(StoredSaving(powerSavingCombo_.GetCurSel()));
        profile->Save();
    }
    return CPropertyPage::OnKillActive();
}

void CPagePower::OnChanged()
{
    CWiFiPropSheet* sheet = CWiFiPropSheet::OfPage(*this);
    if (!sheet)
        return;
    sheet->EnableApply(TRUE);
    if (CPageConfig* page = ConfigPageInUse())
        page->ClearCommitGuard();
}

void CPagePower::OnOK()
{
    if (CPageConfig* page = ConfigPageInUse())
        page->CommitProfile();
    CPropertyPage::OnOK();
}

CPageConfig* CPagePower::ConfigPageInUse()
{
    if (zeroConfigMode_)
        return &hiddenConfigPage_;
    CWiFiPropSheet* sheet = CWiFiPropSheet::OfPage(*this);
    return sheet ? sheet->GetConfigPageInUse() : nullptr;
}
