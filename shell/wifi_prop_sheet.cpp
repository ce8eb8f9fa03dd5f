#include "wifi_prop_sheet.h"

#include "res/resource.h"
#include "windows_version.h"

namespace {

// Status, Configuration, Security, Power, About.
const int kAllPages = 5;

}  // namespace

const CRuntimeClass CWiFiPropSheet::runtimeClass = {"CWiFiPropSheet", CreateDynamicObject<CWiFiPropSheet>};

const CRuntimeClass* CWiFiPropSheet::GetRuntimeClass() const
{
    return &runtimeClass;
}

const MessageMapBase* CWiFiPropSheet::GetMessageMap() const
{
    static const MessageMap<CWiFiPropSheet> map(CPropertySheet::GetMessageMap(), {});
    return &map;
}

CWiFiPropSheet::CWiFiPropSheet() : CPropertySheet(IDS_SHEET_CAPTION, nullptr, 0)
{
    // Only one logged-on user configures the card at a time; the tray
    // companion's window means the claim is this user's own.
    if (GetWindowsVersionCode() == kWindowsXP && adapters_.CheckMultipleConfig() == 0 &&
        !FindWindowA(nullptr, LoadResString(IDS_SYSTRAY_WINDOW).c_str())) {
        ShowMessageBox(nullptr, LoadResString(IDS_OTHER_USER_CONFIGURING), LoadResString(IDS_APP_TITLE), MB_OK);
        claimed_ = FALSE;
        EndHostProcess(1);
        return;
    }

    SetIcon(LoadResourceIcon(IDI_APPLET));
    AddPage(&pageStatus_);
    AddPage(&pageConfig_);
    AddPage(&pageEncrypt_);
    AddPage(&pagePower_);
    AddPage(&pageAbout_);

    configurator_ = CVeltoDriverConfigurator::GetInstance();
    pageConfig_.AttachConfigurator(configurator_);

    multipleConfigNames_ = adapters_.GetMultipleConfigNames();

    // Asked last: the applet asked the service ahead, and the answer may
    // still be on its way.
    if (adapters_.IsWirelessZeroConfigEnabled() != 0)
        zeroConfig_ = TRUE;
    if (zeroConfig_) {
        pagePower_.EnterWirelessZeroConfigMode(TRUE);
        RemovePage(&pageConfig_);
        RemovePage(&pageEncrypt_);
    }
}

CWiFiPropSheet* CWiFiPropSheet::OfPage(const CWnd& page)
{
    if (!page.m_hWnd)
        return nullptr;
    return dynamic_cast<CWiFiPropSheet*>(CWnd::FromHandlePermanent(::GetParent(page.m_hWnd)));
}

CPageConfig* CWiFiPropSheet::GetConfigPageInUse()
{
    if (GetPageCount() == kAllPages)
        return dynamic_cast<CPageConfig*>(GetPage(1));
    return &pagePower_.GetHiddenConfigPage();
}

void CWiFiPropSheet::CommitProfileInUse()
{
    if (CPageConfig* page = GetConfigPageInUse())
        page->CommitProfile();
}

CWiFiPropSheet::~CWiFiPropSheet()
{
    if (GetWindowsVersionCode() == kWindowsXP && claimed_)
        adapters_.ClearMultipleConfig();
}

BOOL CWiFiPropSheet::EnableApply(BOOL enable)
{
    ::EnableWindow(GetDlgItem(kApplyButtonId), enable);
    return TRUE;
}

void CWiFiPropSheet::SetWirelessZeroConfigMode(BOOL enter)
{
    if (enter) {
        pagePower_.EnterWirelessZeroConfigMode(TRUE);
        RemovePage(&pageConfig_);
        RemovePage(&pageEncrypt_);
        return;
    }
    // From Status, Power, About back to the full order; removing pages that
    // are already gone keeps a repeated call harmless.
    RemovePage(&pageConfig_);
    RemovePage(&pageEncrypt_);
    RemovePage(&pagePower_);
    RemovePage(&pageAbout_);
    AddPage(&pageConfig_);
    AddPage(&pageEncrypt_);
    AddPage(&pagePower_);
    AddPage(&pageAbout_);
}

void CWiFiPropSheet::PostNcDestroy()
{
    delete this;
}
