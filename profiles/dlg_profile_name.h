// The dialog in which the user types a profile name for New and Rename.
#pragma once

#include <string>
#include <vector>

#include "framework/framework.h"

class CDlgProfileName : public CDialog {
public:
    CDlgProfileName();

    void SetPrompt(const std::string& prompt) { prompt_ = prompt; }
    void SetLabel(const std::string& label) { label_ = label; }
    void SetName(const std::string& name) { name_ = name; }
    // Compared ignoring case; the caller keeps the list alive while the
    // dialog runs.
    void SetNamesInUse(const std::vector<std::string>* names) { namesInUse_ = names; }
    // The accepted name, trimmed.
    std::string GetName() const { return name_; }

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const MessageMapBase* GetMessageMap() const override;

private:
    void OnNameUpdate();
    // Shows the message of the first rule the name breaks; false when none.
    bool RefuseName();
    bool IsNameInUse() const;

    CEdit nameEdit_;
    std::string prompt_;
    std::string label_;
    std::string name_;
    const std::vector<std::string>* namesInUse_ = nullptr;
};
