#include "page_config.h"

#include <commctrl.h>

#include "current_profile.h"
#include "dlg_configure_profile.h"
#include "dlg_profile_name.h"
#include "driver/80211api.h"
#include "res/resource.h"
#include "shell/wifi_prop_sheet.h"
#include "shell/user_admin.h"
#include "shell/windows_version.h"

namespace {

const UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

// The marker's image list, made once for the process and shared by every
// opening (the list view's template shares image lists rather than owning
// them). The marker always comes from this DLL, whichever language is in use.
CImageList& MarkerImages(int& markerIndex)
{
    static int index = -1;
    static CImageList images;
    if (!images.GetSafeHandle()) {
        images.Create(16, 16, ILC_COLOR | ILC_MASK, 1, 0);
        HICON marker = static_cast<HICON>(LoadImageA(GetInstanceHandle(), MAKEINTRESOURCEA(IDI_ACTIVE_PROFILE),
                                                     IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        index = images.Add(marker);
        DestroyIcon(marker);
    }
    markerIndex = index;
    return images;
}

}  // namespace

CPageConfig::CPageConfig() : CPropertyPage(IDD_PAGE_CONFIG) {}

const MessageMapBase* CPageConfig::GetMessageMap() const
{
    static const MessageMap<CPageConfig> map(CPropertyPage::GetMessageMap(), {
        OnCommand(IDC_CONFIG_NEW, BN_CLICKED, &CPageConfig::OnNew),
        OnCommand(IDC_CONFIG_RENAME, BN_CLICKED, &CPageConfig::OnRename),
        OnCommand(IDC_CONFIG_DELETE, BN_CLICKED, &CPageConfig::OnDelete),
        OnCommand(IDC_CONFIG_CONFIGURE, BN_CLICKED, &CPageConfig::OnConfigure),
        OnCommand(IDC_CONFIG_ACTIVATE, BN_CLICKED, &CPageConfig::OnActivate),
        OnNotify(IDC_CONFIG_PROFILE_LIST, LVN_GETDISPINFOA, &CPageConfig::OnGetDispInfo),
        OnNotify(IDC_CONFIG_PROFILE_LIST, LVN_ITEMCHANGED, &CPageConfig::OnItemChanged),
        OnNotify(IDC_CONFIG_PROFILE_LIST, LVN_DELETEALLITEMS, &CPageConfig::OnDeleteAllItems),
    });
    return &map;
}

void CPageConfig::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_CONFIG_CONFIGURE, configureButton_);
    DDX_Control(dx, IDC_CONFIG_ACTIVATE, activateButton_);
    DDX_Control(dx, IDC_CONFIG_PROFILE_LIST, profileList_);
    DDX_Control(dx, IDC_CONFIG_RENAME, renameButton_);
    DDX_Control(dx, IDC_CONFIG_DELETE, deleteButton_);
    DDX_Control(dx, IDC_CONFIG_NEW, newButton_);
}

void CPageConfig::AttachConfigurator(CDriverConfigurator* configurator)
{
    configurator_ = configurator;
    CDriverAdapterArray* adapters = configurator->GetAdapters();
    if (!adapters || adapters->GetCount() <= 0)
        return;
    adapter_ = adapters->GetAt(0);
    activeProfile_ = adapter_->GetCurrentConfiguration();
    SetCurrentProfile(activeProfile_);
}

BOOL CPageConfig::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    caption_ = LoadResString(IDS_APP_TITLE);
    mainSheet_ = CWiFiPropSheet::OfPage(*this);

    profileList_.SetImageList(MarkerImages(activeIconIndex_), LVSIL_SMALL);

    RECT client = profileList_.GetClientRect();
    profileList_.InsertColumn(0, std::string(), LVCFMT_LEFT, 9 * ((client.right - client.left) / 10));

    newButton_.EnableWindow(TRUE);
    deleteButton_.EnableWindow(FALSE);
    renameButton_.EnableWindow(FALSE);

    FillProfileList();
    UpdateButtons();
    return TRUE;
}

void CPageConfig::OnOK()
{
    CommitProfile();
    CPropertyPage::OnOK();
}

BOOL CPageConfig::OnKillActive()
{
    if (CAdapterConfig* current = GetCurrentProfile())
        current->Save();
    return CPropertyPage::OnKillActive();
}

// --- The list ----------------------------------------------------------------

int CPageConfig::FirstCount() const
{
    return firstArray_ ? firstArray_->GetCount() : 0;
}

int CPageConfig::SecondCount() const
{
    return secondArray_ ? secondArray_->GetCount() : 0;
}

CAdapterConfig* CPageConfig::ProfileOfRow(int row) const
{
    int first = FirstCount();
    if (row < 0 || row >= first + SecondCount())
        return nullptr;
    return row < first ? firstArray_->GetAt(row) : secondArray_->GetAt(row - first);
}

CAdapterConfig* CPageConfig::ProfileInRow(int row) const
{
    return row < 0 ? nullptr : reinterpret_cast<CAdapterConfig*>(profileList_.GetItemData(row));
}

bool CPageConfig::CameThrough(const CWndLifeline& lifeline, const CAdapterConfig* current) const
{
    return lifeline.Holds() && GetCurrentProfile() == current && adapter_ &&
           adapter_->GetConfigurations() == firstArray_ && adapter_->GetSecondConfigurations() == secondArray_;
}

int CPageConfig::SelectedRow() const
{
    return profileList_.GetNextItem(-1, LVNI_SELECTED);
}

void CPageConfig::SelectRow(int row)
{
    profileList_.SetItemState(row, kSelectedAndFocused, kSelectedAndFocused);
}

std::vector<std::string> CPageConfig::RowNames() const
{
    std::vector<std::string> names;
    for (int row = 0; row < profileList_.GetItemCount(); ++row)
        names.push_back(profileList_.GetItemText(row, 0));
    return names;
}

std::string CPageConfig::CurrentName() const
{
    std::string name;
    if (CAdapterConfig* current = GetCurrentProfile())
        current->GetName(name);
    return name;
}

const std::string* CPageConfig::MultipleConfigEntryOf(const std::string& name) const
{
    if (!mainSheet_)
        return nullptr;
    for (const std::string& entry : mainSheet_->GetMultipleConfigNames()) {
        if (StartsWith(name, entry + "_"))
            return &entry;
    }
    return nullptr;
}

int CPageConfig::ShowMessage(UINT textId, UINT type)
{
    return MessageBox(LoadResString(textId), caption_, type);
}

void CPageConfig::FillProfileList()
{
    // Drawn once when all rows are in: not as the old rows go, nor scrolled
    // and drawn at every new one.
    profileList_.SendMessage(WM_SETREDRAW, FALSE);
    profileList_.DeleteAllItems();
    InsertRows();
    profileList_.SendMessage(WM_SETREDRAW, TRUE);
    if (adapter_)
        SelectRow(activeRow_);
}

void CPageConfig::InsertRows()
{
    BOOL admin = IsUserAdministrator();
    unsigned version = GetWindowsVersionCode();
    std::string adminProfileName;
    if (!admin && version != kWindows98) {
        PAvailableAdapters adapters;
        adapters.GetAdminProfileName(adminProfileName);
    }
    if (!adapter_)
        return;

    firstArray_ = adapter_->GetConfigurations();
    secondArray_ = adapter_->GetSecondConfigurations();
    int first = FirstCount();
    int total = first + SecondCount();
    // A temporarily activated administrator profile is marked again for the
    // user who activated it.
    bool markAdminProfile = !admin && StartsWith(adminProfileName, kAdminProfileMarker) && version != kWindows98;
    profileList_.SendMessage(LVM_SETITEMCOUNT, total);
    for (int row = 0; row < total; ++row) {
        CAdapterConfig* profile = ProfileOfRow(row);
        std::string name;
        if (row < first && profile == activeProfile_)
            activeRow_ = row;
        if (row >= first && markAdminProfile && profile->GetName(name) == adminProfileName)
            activeRow_ = row;
        profileList_.InsertCallbackItem(row, reinterpret_cast<LPARAM>(profile));
    }
}

LRESULT CPageConfig::OnDeleteAllItems(NMHDR*)
{
    return TRUE;  // the rows own nothing: no notification for each one
}

LRESULT CPageConfig::OnGetDispInfo(NMHDR* header)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    CAdapterConfig* profile = ProfileInRow(item.iItem);
    if (!profile || item.iSubItem != 0)
        return 0;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        std::string name;
        lstrcpynA(item.pszText, profile->GetName(name).c_str(), item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = item.iItem == activeRow_ ? activeIconIndex_ : -1;
    return 0;
}

LRESULT CPageConfig::OnItemChanged(NMHDR* header)
{
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (!(change->uOldState & LVIS_SELECTED) && (change->uNewState & LVIS_SELECTED))
        SyncSelection();
    return 0;
}

void CPageConfig::SyncSelection()
{
    int row = SelectedRow();
    if (row >= 0)
        SetCurrentProfile(ProfileInRow(row));
    UpdateButtons();
}

void CPageConfig::UpdateButtons()
{
    if (!GetCurrentProfile())
        return;
    std::string name = CurrentName();
    int row = SelectedRow();
    bool isDefault = Contains(name, LoadResString(IDS_DEFAULT_PROFILE));
    bool othersAdminProfile = !IsUserAdministrator() && Contains(name, kAdminProfileMarker);
    bool multipleConfig = MultipleConfigEntryOf(name) != nullptr;

    deleteButton_.EnableWindow(!isDefault && (row < 0 || row != activeRow_) && !othersAdminProfile);
    renameButton_.EnableWindow(!isDefault && !othersAdminProfile && !multipleConfig);
    activateButton_.EnableWindow(row >= 0 && row != activeRow_ && !multipleConfig);
    if (row < 0)
        configureButton_.EnableWindow(FALSE);
}

// --- Commands ----------------------------------------------------------------

void CPageConfig::OnNew()
{
    std::vector<std::string> namesInUse = RowNames();
    CDlgProfileName dialog;
    dialog.SetPrompt(LoadResString(IDS_NEW_PROFILE_PROMPT));
    dialog.SetLabel(LoadResString(IDS_NEW_PROFILE_LABEL));
    dialog.SetName(LoadResString(IDS_NEW_PROFILE_NAME));
    dialog.SetNamesInUse(&namesInUse);
    CWndLifeline lifeline(*this);
    CAdapterConfig* current = GetCurrentProfile();
    if (dialog.DoModal() != IDOK || !CameThrough(lifeline, current))
        return;
    if (!adapter_->AddConfiguration(dialog.GetName()))
        return;

    int rowsBefore = profileList_.GetItemCount();
    FillProfileList();
    // The new profile is the last of the first array.
    int row = rowsBefore - SecondCount();
    profileList_.SetFocus();
    SelectRow(row);
    profileList_.EnsureVisible(row, FALSE);
    SyncSelection();
    GetCurrentProfile()->Save();
}

// Shows the message for the checks that Rename and Delete share; true when
// the command may go on.
bool CPageConfig::MayChangeCurrentProfile()
{
    if (profileList_.GetItemCount() == 0 || !GetCurrentProfile()) {
        ShowMessage(IDS_NO_SELECTED_PROFILE);
        return false;
    }
    if (CurrentName() == LoadResString(IDS_DEFAULT_PROFILE)) {
        ShowMessage(IDS_CANNOT_CHANGE_DEFAULT);
        return false;
    }
    return true;
}

void CPageConfig::OnRename()
{
    if (!MayChangeCurrentProfile())
        return;
    std::vector<std::string> namesInUse = RowNames();
    CDlgProfileName dialog;
    dialog.SetPrompt(LoadResString(IDS_RENAME_PROFILE_PROMPT));
    dialog.SetLabel(LoadResString(IDS_RENAME_PROFILE_LABEL));
    dialog.SetName(CurrentName());
    dialog.SetNamesInUse(&namesInUse);
    int row = SelectedRow();
    CWndLifeline lifeline(*this);
    CAdapterConfig* current = GetCurrentProfile();
    if (dialog.DoModal() != IDOK || row < 0 || !CameThrough(lifeline, current))
        return;

    current->SetName(dialog.GetName());
    profileList_.RedrawItems(row, row);
    profileList_.SetFocus();
    SelectRow(row);
    SyncSelection();
    GetCurrentProfile()->Save();
}

void CPageConfig::OnDelete()
{
    if (!MayChangeCurrentProfile())
        return;
    if (profileList_.GetItemCount() == 1) {
        ShowMessage(IDS_LAST_PROFILE);
        return;
    }
    CWndLifeline lifeline(*this);
    CAdapterConfig* current = GetCurrentProfile();
    if (ShowMessage(IDS_CONFIRM_DELETE, MB_YESNOCANCEL) != IDYES || !CameThrough(lifeline, current))
        return;
    int row = SelectedRow();
    if (row < 0)
        return;
    CAdapterConfig* profile = ProfileInRow(row);
    if (row == activeRow_) {
        profileList_.SetFocus();
        return;
    }

    std::string multipleConfig;
    if (const std::string* entry = MultipleConfigEntryOf(CurrentName())) {
        deletingMultipleConfig_ = TRUE;
        multipleConfig = *entry;
    }
    // The row goes only with the profile: a refused delete leaves the list
    // as the library has it.
    BOOL deleted = deletingMultipleConfig_ ? adapter_->DeleteMultipleConfig(profile)
                                           : adapter_->DeleteConfiguration(profile);
    if (!deleted) {
        deletingMultipleConfig_ = FALSE;
        profileList_.SetFocus();
        return;
    }
    // The icon stays with the same profile.
    if (row < activeRow_)
        --activeRow_;
    profileList_.DeleteItem(row);
    profileList_.RedrawItems(0, profileList_.GetItemCount() - 1);

    int newRow = (row >= FirstCount() && row > 0) ? row - 1 : row;
    profileList_.SetFocus();
    SelectRow(newRow);
    SyncSelection();

    if (!deletingMultipleConfig_) {
        GetCurrentProfile()->Save();
        return;
    }
    if (!multipleConfig.empty())
        GetCurrentProfile()->SaveMultipleConfig(multipleConfig, 1);
    deletingMultipleConfig_ = FALSE;
}

void CPageConfig::OnConfigure()
{
    CDlgConfigureProfile dialog;
    CWndLifeline lifeline(*this);
    if (dialog.DoModal() == -1 && lifeline.Holds())
        ShowMessage(IDS_CONFIGURE_FAILED);
}
