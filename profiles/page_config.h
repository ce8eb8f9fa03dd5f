// The Configuration page: the adapter's profiles, the current profile,
// activation of a profile and the commit at OK or Apply.
#pragma once

#include <string>
#include <vector>

#include "framework/framework.h"

class CAdapterConfig;
class CAdapterConfigArray;
class CDriverAdapter;
class CDriverConfigurator;
class CWiFiPropSheet;

class CPageConfig : public CPropertyPage {
public:
    CPageConfig();

    // Takes the first adapter and makes its current configuration both the
    // active and the current profile. Runs before the page has a window.
    void AttachConfigurator(CDriverConfigurator* configurator);

    // Writes the current profile's pending changes: into effect when it is
    // the active profile, into storage otherwise. Works once until the
    // commit guard is cleared.
    void CommitProfile();
    // Pages and dialogs that change settings clear it so that the next OK
    // commits again.
    void ClearCommitGuard() { commitGuard_ = FALSE; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnNew();
    void OnRename();
    void OnDelete();
    void OnConfigure();
    void OnActivate();
    LRESULT OnGetDispInfo(NMHDR* header);
    LRESULT OnItemChanged(NMHDR* header);
    LRESULT OnDeleteAllItems(NMHDR* header);

    void FillProfileList();
    // The rows of both arrays, and the active row among them.
    void InsertRows();
    void SyncSelection();
    void UpdateButtons();

    void ActivateTemporarily(int row);
    void ActivateAsSelection(int row, BOOL admin);

    bool MayChangeCurrentProfile();
    int FirstCount() const;
    int SecondCount() const;
    CAdapterConfig* ProfileOfRow(int row) const;
    // The profile a row of the list stands for: its item data.
    CAdapterConfig* ProfileInRow(int row) const;
    // After a modal call: false when the page's window or the profiles it
    // started with did not come through.
    bool CameThrough(const CWndLifeline& lifeline, const CAdapterConfig* current) const;
    int SelectedRow() const;
    void SelectRow(int row);
    std::vector<std::string> RowNames() const;
    std::string CurrentName() const;
    // The entry of the sheet's multiple-configuration list that the name
    // begins with (followed by "_"), or null.
    const std::string* MultipleConfigEntryOf(const std::string& name) const;
    int ShowMessage(UINT textId, UINT type = MB_OK);

    CButton configureButton_;
    CButton activateButton_;
    CListCtrl profileList_;
    CButton renameButton_;
    CButton deleteButton_;
    CButton newButton_;

    CDriverConfigurator* configurator_ = nullptr;
    CDriverAdapter* adapter_ = nullptr;
    CAdapterConfig* activeProfile_ = nullptr;
    BOOL commitGuard_ = FALSE;
    BOOL deletingMultipleConfig_ = FALSE;
    std::string caption_;
    CWiFiPropSheet* mainSheet_ = nullptr;
    CAdapterConfigArray* firstArray_ = nullptr;
    CAdapterConfigArray* secondArray_ = nullptr;
    int activeIconIndex_ = -1;
    int activeRow_ = -1;
};
