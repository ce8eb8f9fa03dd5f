#include "page_encrypt.h"

#include "driver/80211api.h"
#include "profiles/current_profile.h"
#include "profiles/profile_label.h"
#include "res/resource.h"
#include "security/credential_handover.h"
#include "shell/shared_flags.h"
#include "shell/user_admin.h"
#include "shell/wifi_prop_sheet.h"
#include "shell/windows_version.h"

namespace {

const int kSecuritySettings = 1;
const DWORD kPeerToPeer = 0;
// The lists' prefix search starts after the first item and wraps.
const int kAfterFirst = 0;

// The EAP types that the lists may show, by their selection codes.
const struct {
    UINT text;
    int selection;
} kEapTypes[] = {{IDS_EAP_LEAP, kEapLeap}, {IDS_EAP_TLS, kEapTls}, {IDS_EAP_TTLS, kEapTtls},
                 {IDS_EAP_PEAP_GTC, kEapPeapGtc}, {IDS_EAP_PEAP, kEapPeap}};

// Windows NT 4.0 and 98 offer 802.1x with LEAP only, and no WPA.
bool IsLeapOnlyWindows(unsigned version)
{
    return version == kWindowsNT4 || version == kWindows98;
}

std::string SelectedText(const CComboBox& list)
{
    int selected = list.GetCurSel();
    return selected >= 0 ? list.GetLBText(selected) : std::string();
}

}  // namespace

CPageEncrypt::CPageEncrypt() : CPropertyPage(IDD_PAGE_ENCRYPT) {}

const MessageMapBase* CPageEncrypt::GetMessageMap() const
{
    static const MessageMap<CPageEncrypt> map(CPropertyPage::GetMessageMap(), {
        OnCommand(IDC_ENCRYPT_DISABLE, BN_CLICKED, &CPageEncrypt::OnDisableSecurity),
        OnCommand(IDC_ENCRYPT_WEP, BN_CLICKED, &CPageEncrypt::OnWep),
        OnCommand(IDC_ENCRYPT_CONFIGURE, BN_CLICKED, &CPageEncrypt::OnConfigure),
        OnCommand(IDC_ENCRYPT_8021X, BN_CLICKED, &CPageEncrypt::On8021x),
        OnCommand(IDC_ENCRYPT_WPA, BN_CLICKED, &CPageEncrypt::OnWpa),
        OnCommand(IDC_ENCRYPT_WPA_PSK, BN_CLICKED, &CPageEncrypt::OnWpaPreSharedKeys),
        OnCommand(IDC_ENCRYPT_8021X_EAP, CBN_SELCHANGE, &CPageEncrypt::OnEapTypeChange),
        OnCommand(IDC_ENCRYPT_WPA_EAP, CBN_SELCHANGE, &CPageEncrypt::OnEapTypeChange),
    });
    return &map;
}

void CPageEncrypt::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_ENCRYPT_WPA_EAP_LABEL, wpaEapLabel_);
    DDX_Control(dx, IDC_ENCRYPT_8021X_EAP_LABEL, eap8021xLabel_);
    DDX_Control(dx, IDC_ENCRYPT_8021X_EAP, eap8021xList_);
    DDX_Control(dx, IDC_ENCRYPT_WPA_EAP, wpaEapList_);
    DDX_Control(dx, IDC_ENCRYPT_CONFIGURE, configureButton_);
}

BOOL CPageEncrypt::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const std::pair<CButton*, int> radios[] = {{&wepRadio_, IDC_ENCRYPT_WEP}, {&disableRadio_, IDC_ENCRYPT_DISABLE},
        {&wpaRadio_, IDC_ENCRYPT_WPA}, {&radio8021x_, IDC_ENCRYPT_8021X},
        {&wpaPreSharedKeysRadio_, IDC_ENCRYPT_WPA_PSK}};
    for (const auto& [radio, id] : radios) {
        radio->Attach(GetDlgItem(id));
        BindControl(*radio);
    }
    return TRUE;
}

BOOL CPageEncrypt::OnSetActive()
{
    UpdateData(TRUE);
    CAdapterConfig* profile = GetCurrentProfile();
    SetDlgItemText(IDC_ENCRYPT_PROFILE_LABEL, ProfileLabel(IDS_ENCRYPT_PROFILE_PREFIX, profile));
    if (profile) {
        // Another process may have stored the profile's security since it was read.
        profile->NotifyLoaded(kSecuritySettings);
        record_.LoadSelection(*profile);
        // No choice on the page (6) keeps what the page last had.
        int selection = record_.EapSelection;
        if (selection == kEapNone)
            record_.EnableSecurity = FALSE;
        else if (selection >= kEapLeap && selection <= kEapStaticKeys && selection != kEapNoChoice)
            record_.EnableSecurity = TRUE;
        FillEapLists();
        record_.LoadKeysAndCredentials(*profile);
        ShowSelectionOnRadios();
        ApplyEnablingRules(*profile);
        if (!IsUserAdministrator())
            RestrictForOtherUsers(*profile);
    }
    HandWepKeys(record_, wepKeysDialog_);
    UpdateData(FALSE);
    return CPropertyPage::OnSetActive();
}

void CPageEncrypt::FillEapLists()
{
    unsigned version = GetWindowsVersionCode();
    eap8021xList_.ResetContent();
    if (version == kWindowsXP || version == kWindows2000) {
        eap8021xList_.AddString(LoadResString(IDS_EAP_TLS));
        eap8021xList_.AddString(LoadResString(IDS_EAP_PEAP));
    }
    eap8021xList_.AddString(LoadResString(IDS_EAP_LEAP));
    wpaEapList_.ResetContent();
    wpaEapList_.AddString(LoadResString(IDS_EAP_TLS));
    wpaEapList_.AddString(LoadResString(IDS_EAP_PEAP));

    // Neither list offers PEAP(GTC) or TTLS: PEAP(GTC) finds no item, TTLS
    // shows as TLS.
    switch (record_.EapSelection) {
    case kEapLeap:
        eap8021xList_.SelectString(kAfterFirst, LoadResString(IDS_EAP_LEAP));
        wpaEapList_.SelectString(kAfterFirst, LoadResString(IDS_EAP_TLS));
        break;
    case kEapPeapGtc:
        Select8021x(IDS_EAP_PEAP_GTC);
        wpaEapList_.SelectString(kAfterFirst, LoadResString(IDS_EAP_PEAP_GTC));
        break;
    case kEapPeap:
        Select8021x(IDS_EAP_PEAP);
        wpaEapList_.SelectString(kAfterFirst, LoadResString(IDS_EAP_PEAP));
        break;
    default:
        Select8021x(IDS_EAP_TLS);
        wpaEapList_.SelectString(kAfterFirst, LoadResString(IDS_EAP_TLS));
        break;
    }
}

void CPageEncrypt::Select8021x(UINT textId)
{
    UINT shown = IsLeapOnlyWindows(GetWindowsVersionCode()) ? IDS_EAP_LEAP : textId;
    eap8021xList_.SelectString(kAfterFirst, LoadResString(shown));
}

void CPageEncrypt::ReadChoice()
{
    SecurityRecord& r = record_;
    r.leapEnabled = FALSE;
    if (disableRadio_.GetCheck() == BST_CHECKED) {
        r.EapSelection = kEapNone;
        r.WPA = r.EnableSecurity = r.DynamicSecurity = FALSE;
        return;
    }
    if (wepRadio_.GetCheck() == BST_CHECKED || wpaPreSharedKeysRadio_.GetCheck() == BST_CHECKED) {
        r.EapSelection = kEapStaticKeys;
        r.WPA = wpaPreSharedKeysRadio_.GetCheck() == BST_CHECKED;
        r.EnableSecurity = TRUE;
        r.DynamicSecurity = FALSE;
        return;
    }
    r.EnableSecurity = r.DynamicSecurity = TRUE;
    std::string type;
    if (radio8021x_.GetCheck() == BST_CHECKED) {
        r.WPA = FALSE;
        type = SelectedText(eap8021xList_);
    } else if (wpaRadio_.GetCheck() == BST_CHECKED) {
        r.WPA = TRUE;
        type = SelectedText(wpaEapList_);
    }
    for (const auto& eap : kEapTypes) {
        if (type == LoadResString(eap.text))
            r.EapSelection = eap.selection;
    }
    r.leapEnabled = type == LoadResString(IDS_EAP_LEAP);
}

void CPageEncrypt::ShowSelectionOnRadios()
{
    for (CButton* radio : {&wepRadio_, &disableRadio_, &wpaRadio_, &radio8021x_, &wpaPreSharedKeysRadio_})
        radio->SetCheck(BST_UNCHECKED);
    int selection = record_.EapSelection;
    if (selection >= kEapLeap && selection <= kEapTtls)
        (record_.WPA ? wpaRadio_ : radio8021x_).SetCheck(BST_CHECKED);
    else if (selection == kEapStaticKeys)
        (record_.WPA ? wpaPreSharedKeysRadio_ : wepRadio_).SetCheck(BST_CHECKED);
    else
        disableRadio_.SetCheck(BST_CHECKED);
}

void CPageEncrypt::EnableDynamicChoices(BOOL enable)
{
    for (CButton* radio : {&wpaRadio_, &wpaPreSharedKeysRadio_, &radio8021x_}) {
        if (!enable)
            radio->SetCheck(BST_UNCHECKED);
        radio->EnableWindow(enable);
    }
    eap8021xLabel_.EnableWindow(enable);
    wpaEapLabel_.EnableWindow(enable);
}

void CPageEncrypt::DisableWhatWindowsDoesNotOffer()
{
    if (!IsLeapOnlyWindows(GetWindowsVersionCode()))
        return;
    wpaRadio_.EnableWindow(FALSE);
    wpaPreSharedKeysRadio_.EnableWindow(FALSE);
    wpaEapList_.EnableWindow(FALSE);
}

void CPageEncrypt::ApplyEnablingRules(const CAdapterConfig& profile)
{
    BOOL accessPoint = profile.GetNetworkType() != kPeerToPeer;
    if (accessPoint && GetWpaSupportFlag()) {
        EnableDynamicChoices(TRUE);
    } else {
        EnableDynamicChoices(FALSE);
        if (record_.EapSelection != kEapNone && record_.EapSelection != kEapStaticKeys) {
            record_.EapSelection = kEapNone;
            disableRadio_.SetCheck(BST_CHECKED);
        }
    }
    int selection = record_.EapSelection;
    bool dynamic = selection >= kEapLeap && selection <= kEapTtls;
    eap8021xList_.EnableWindow(dynamic && !record_.WPA);
    wpaEapList_.EnableWindow(dynamic && record_.WPA);
    configureButton_.EnableWindow(dynamic || selection == kEapStaticKeys);
    if (selection == kEapStaticKeys)
        record_.leapEnabled = FALSE;
    // Whether the card supports WPA only decided the fallback above; the
    // network type decides the three radios.
    EnableDynamicChoices(accessPoint);
    DisableWhatWindowsDoesNotOffer();
}

void CPageEncrypt::RestrictForOtherUsers(const CAdapterConfig& profile)
{
    std::string name;
    if (Contains(profile.GetName(name), kAdminProfileMarker)) {
        for (CWnd* control : std::initializer_list<CWnd*>{&disableRadio_, &wepRadio_, &configureButton_, &wpaRadio_,
                                                          &wpaPreSharedKeysRadio_, &radio8021x_, &wpaEapList_})
            control->EnableWindow(FALSE);
    } else {
        if (record_.EapSelection != kEapNone)
            configureButton_.EnableWindow(TRUE);
        for (CButton* radio : {&wepRadio_, &disableRadio_, &wpaRadio_, &radio8021x_, &wpaPreSharedKeysRadio_})
            radio->EnableWindow(TRUE);
    }
    if (profile.GetNetworkType() == kPeerToPeer)
        EnableDynamicChoices(FALSE);
    DisableWhatWindowsDoesNotOffer();
}

void CPageEncrypt::OnRadio(const CButton& radio, BOOL enableSecurity, BOOL dynamicSecurity)
{
    ReadChoice();
    CAdapterConfig* profile = GetCurrentProfile();
    if (radio.GetCheck() == BST_CHECKED) {
        record_.EnableSecurity = enableSecurity;
        record_.DynamicSecurity = dynamicSecurity;
        if (profile)
            ApplyEnablingRules(*profile);
    }
    MarkChanged();
}

void CPageEncrypt::OnDisableSecurity() { OnRadio(disableRadio_, FALSE, FALSE); }
void CPageEncrypt::OnWep() { OnRadio(wepRadio_, TRUE, FALSE); }
void CPageEncrypt::On8021x() { OnRadio(radio8021x_, TRUE, TRUE); }
void CPageEncrypt::OnWpa() { OnRadio(wpaRadio_, TRUE, TRUE); }
void CPageEncrypt::OnWpaPreSharedKeys() { OnRadio(wpaPreSharedKeysRadio_, TRUE, FALSE); }

void CPageEncrypt::OnEapTypeChange()
{
    ReadChoice();
    MarkChanged();
}

void CPageEncrypt::OnConfigure()
{
    ReadChoice();
    CWndLifeline lifeline(*this);
    ConfigureCredentials(record_, wepKeysDialog_, showPlain_, lifeline);
    if (lifeline.Holds())
        MarkChanged();
}

void CPageEncrypt::MarkChanged()
{
    committed_ = FALSE;
    CWiFiPropSheet* sheet = CWiFiPropSheet::OfPage(*this);
    if (!sheet)
        return;
    sheet->EnableApply(TRUE);
    if (CPageConfig* page = sheet->GetConfigPageInUse())
        page->ClearCommitGuard();
}

BOOL CPageEncrypt::OnKillActive()
{
    UpdateData(TRUE);
    if (committed_)
        return TRUE;
    CAdapterConfig* profile = GetCurrentProfile();
    if (!profile)
        return CPropertyPage::OnKillActive();
    if (record_.SharedKey[0] == kNoKeyValue)
        record_.SharedKey[0].clear();
    UINT messageId = 0, controlId = 0;
    if (!record_.Validate(messageId, controlId, showPlain_)) {
        // Meanwhile the Status page does not end the applet when the card goes.
        SetSecurityWarning(TRUE);
        CWndLifeline lifeline(*this);
        MessageBox(LoadResString(messageId), LoadResString(IDS_APP_TITLE), MB_OK);
        if (HWND control = lifeline.Holds() ? GetDlgItem(static_cast<int>(controlId)) : nullptr)
            ::SetFocus(control);
        return FALSE;
    }
    SetSecurityWarning(FALSE);
    record_.Store(*profile);
    committed_ = TRUE;
    return CPropertyPage::OnKillActive();
}

void CPageEncrypt::OnOK()
{
    if (CWiFiPropSheet* sheet = CWiFiPropSheet::OfPage(*this))
        sheet->CommitProfileInUse();
    CPropertyPage::OnOK();
}
