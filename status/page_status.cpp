#include "page_status.h"

#include "res/resource.h"
#include "shell/shared_flags.h"
#include "shell/wifi_prop_sheet.h"
#include "shell/windows_version.h"

namespace {

const UINT_PTR kTimerId = 2;
const UINT kTickMs = 3000;
// The sheet with Status, Configuration, Security, Power and About.
const int kAllPages = 5;

std::string StateWord(DWORD state)
{
    const UINT words[] = {IDS_STATE_NOT_JOINED, IDS_STATE_JOINED, IDS_STATE_AUTHENTICATED, IDS_STATE_ASSOCIATED,
                          IDS_STATE_UNKNOWN};
    return state < 5 ? LoadResString(words[state]) : std::string();
}

std::string BandLetter(DWORD band)
{
    const UINT letters[] = {IDS_BAND_A, IDS_BAND_B, IDS_BAND_G};
    return LoadResString(band < 3 ? letters[band] : IDS_BAND_UNKNOWN);
}

std::string SecurityWord(DWORD encryption)
{
    const UINT words[] = {IDS_ENCRYPTION_NONE, IDS_ENCRYPTION_WEP, IDS_ENCRYPTION_AES, IDS_ENCRYPTION_AES_ALT,
                          IDS_ENCRYPTION_CKIP, IDS_ENCRYPTION_TKIP};
    return LoadResString(encryption < 6 ? words[encryption] : IDS_STATE_UNKNOWN);
}

// Set at every tick: a text already shown is left, sparing its redraw.
void ShowText(CWnd& control, const std::string& text)
{
    if (control.GetWindowText() != text)
        control.SetWindowText(text);
}

// "Weak", "Good" or "Excellent" and the percentage, right-aligned in two places.
std::string Rating(int percent, UINT weak, UINT good, UINT excellent)
{
    UINT word = percent < 20 ? weak : percent < 40 ? good : excellent;
    return LoadResString(word) + Format(" (%2d%%)", percent);
}

}  // namespace

CPageStatus::CPageStatus() : CPropertyPage(IDD_PAGE_STATUS), windowsVersion_(GetWindowsVersionCode()) {}

const MessageMapBase* CPageStatus::GetMessageMap() const
{
    static const MessageMap<CPageStatus> map(CPropertyPage::GetMessageMap(), {
        OnCommand(IDC_STATUS_RESCAN, BN_CLICKED, &CPageStatus::OnRescan),
        OnCommand(IDC_STATUS_RADIO, BN_CLICKED, &CPageStatus::OnRadio),
        OnMessage(WM_TIMER, &CPageStatus::OnTimer),
        OnMessage(WM_DESTROY, &CPageStatus::OnDestroy),
    });
    return &map;
}

void CPageStatus::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_STATUS_RESCAN, rescanButton_);
    DDX_Control(dx, IDC_STATUS_RADIO, radioButton_);
    DDX_Control(dx, IDC_STATUS_LINK_QUALITY_BAR, linkQualityBar_);
    DDX_Control(dx, IDC_STATUS_SIGNAL_STRENGTH_BAR, signalStrengthBar_);
    DDX_DisplayText(dx, IDC_STATUS_CHANNEL, channel_);
    DDX_DisplayText(dx, IDC_STATUS_TX_RATE, txRate_);
    DDX_DisplayText(dx, IDC_STATUS_STATE, state_);
    DDX_DisplayText(dx, IDC_STATUS_LINK_QUALITY, linkQuality_);
    DDX_DisplayText(dx, IDC_STATUS_SIGNAL_STRENGTH, signalStrength_);
    DDX_DisplayText(dx, IDC_STATUS_RX_RATE, rxRate_);
    DDX_DisplayText(dx, IDC_STATUS_SECURITY, security_);
}

BOOL CPageStatus::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    status_ = CVeltoDriverStatus::GetInstance();
    sheet_ = CWiFiPropSheet::OfPage(*this);
    timerId_ = SetTimer(kTimerId, kTickMs);
    for (CProgressCtrl* bar : {&linkQualityBar_, &signalStrengthBar_}) {
        bar->SetRange(0, 100);
        bar->SetStep(1);
    }
    CWndLifeline lifeline(*this);
    Update();
    if (!lifeline.Holds())
        return TRUE;
    UpdateData(FALSE);
    SetWpaSupportFlag(status_->GetWpaSupport());
    return TRUE;
}

void CPageStatus::OnOK()
{
    if (sheet_)
        sheet_->CommitProfileInUse();
    CPropertyPage::OnOK();
}

void CPageStatus::OnRescan()
{
    status_->Rescan();
    Update();
    UpdateData(FALSE);
}

void CPageStatus::OnRadio()
{
    BOOL switched = radioOn_ ? status_->DisableRadio() : status_->EnableRadio();
    if (!switched)
        return;
    // The record Windows NT 4.0 starts the radio from: TRUE once switched off.
    if (windowsVersion_ == kWindowsNT4)
        adapters_.SetRadioEnable(radioOn_);
    rescanButton_.EnableWindow(!radioOn_);
    radioOn_ = !radioOn_;
    CWndLifeline lifeline(*this);
    Update();
    if (lifeline.Holds())
        UpdateData(FALSE);
}

LRESULT CPageStatus::OnTimer(WPARAM id, LPARAM)
{
    if (id != timerId_ || timerId_ == 0)
        return 0;
    // A message box of the update or the check runs its own loop: the page
    // can be gone when it returns.
    CWndLifeline lifeline(*this);
    status_->Refresh();
    Update();
    if (lifeline.Holds() && windowsVersion_ == kWindowsXP)
        CheckWirelessZeroConfig();
    if (lifeline.Holds())
        UpdateData(FALSE);
    return 0;
}

LRESULT CPageStatus::OnDestroy(WPARAM, LPARAM)
{
    if (timerId_)
        KillTimer(timerId_);
    timerId_ = 0;
    return 0;
}

void CPageStatus::Update()
{
    if (!status_->IsAdapterPresent()) {
        ClearLink();
        radioButton_.EnableWindow(FALSE);
        rescanButton_.EnableWindow(FALSE);
        if (cardMissingShown_ || permissionShown_ || IsSecurityWarningRaised())
            return;
        cardMissingShown_ = TRUE;
        ShowMessage(IDS_DRIVER_NOT_INSTALLED);
        if (windowsVersion_ == kWindowsXP)
            adapters_.ClearMultipleConfig();
        EndHostProcess(0);
        return;
    }
    cardMissingShown_ = FALSE;
    radioButton_.EnableWindow(TRUE);

    radioOn_ = status_->IsRadioEnabled();
    if (!radioOn_) {
        ShowText(radioButton_, LoadResString(IDS_ENABLE_RADIO));
        rescanButton_.EnableWindow(FALSE);
        ClearLink();
        return;
    }
    ShowLink();
    ShowText(radioButton_, LoadResString(IDS_DISABLE_RADIO));
    rescanButton_.EnableWindow(TRUE);
}

void CPageStatus::ShowLink()
{
    // Compared as loaded texts, so that the rules hold in every language.
    std::string word = StateWord(status_->GetState());
    bool joinedFinally = word == LoadResString(IDS_STATE_JOINED) && status_->IsJoinFinal();
    state_ = joinedFinally ? word : word + "  " + status_->GetLinkName();
    if (joinedFinally || word == LoadResString(IDS_STATE_ASSOCIATED))
        channel_ = Format("%d  %s", status_->GetChannel(), BandLetter(status_->GetBand()).c_str());
    else
        channel_ = Format("%s", LoadResString(IDS_CHANNEL_SCANNING).c_str());
    txRate_ = Format("%2d", status_->GetTxRate());
    rxRate_ = Format("%2d", status_->GetRxRate());

    int quality = status_->GetLinkQuality();
    if (quality < 0)
        quality = 0;
    linkQuality_ = Rating(quality, IDS_LINK_WEAK, IDS_LINK_GOOD, IDS_LINK_EXCELLENT);
    linkQualityBar_.SetPos(quality);
    int signal = status_->GetSignalStrength();
    signalStrength_ = Rating(signal, IDS_SIGNAL_WEAK, IDS_SIGNAL_GOOD, IDS_SIGNAL_EXCELLENT);
    signalStrengthBar_.SetPos(signal);

    security_ = SecurityWord(status_->GetEncryptionType());
}

void CPageStatus::ClearLink()
{
    state_ = LoadResString(IDS_STATE_UNKNOWN);
    for (std::string* field : {&channel_, &txRate_, &rxRate_, &linkQuality_, &signalStrength_, &security_})
        field->clear();
    linkQualityBar_.SetPos(0);
    signalStrengthBar_.SetPos(0);
}

void CPageStatus::CheckWirelessZeroConfig()
{
    int managed = adapters_.IsWirelessZeroConfigEnabled();
    zeroConfigState_ = managed;
    if (managed == -1 && !permissionShown_ && !cardMissingShown_) {
        permissionShown_ = TRUE;
        SetSecurityWarning(TRUE);
        if (windowsVersion_ == kWindowsXP)
            adapters_.ClearMultipleConfig();
        ShowMessage(IDS_PERMISSIONS_NOT_SET);
        EndHostProcess(0);
        return;
    }
    if (!sheet_) {
        ShowMessage(IDS_PROPERTY_SHEET_ERROR);
        return;
    }
    bool allPages = sheet_->GetPageCount() == kAllPages;
    if (managed != 0 && allPages)
        sheet_->SetWirelessZeroConfigMode(TRUE);
    else if (managed == 0 && !allPages)
        sheet_->SetWirelessZeroConfigMode(FALSE);
}

void CPageStatus::ShowMessage(UINT textId)
{
    MessageBox(LoadResString(textId), LoadResString(IDS_APP_TITLE), MB_OK);
}
