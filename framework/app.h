// The application object and the module state: which module a call runs for,
// and which module its dialogs, strings and icons come from.
#pragma once

#include <windows.h>

#include "cmd_target.h"

class CWinApp;

struct ModuleState {
    HINSTANCE instance = nullptr;   // the module's own handle
    HINSTANCE resources = nullptr;  // where dialogs, strings and icons are loaded from
    CWinApp* app = nullptr;
};

// The state of the module that this copy of the framework is linked into.
ModuleState& OwnModuleState();

// The module state in force on this thread (the own one unless switched).
ModuleState& CurrentModuleState();

// Switches the thread's module state for the life of the object.
class ModuleStateScope {
public:
    explicit ModuleStateScope(ModuleState& state);
    ~ModuleStateScope();
    ModuleStateScope(const ModuleStateScope&) = delete;
    ModuleStateScope& operator=(const ModuleStateScope&) = delete;

private:
    ModuleState* previous_;
};

HINSTANCE GetInstanceHandle();
HINSTANCE GetResourceHandle();
void SetResourceHandle(HINSTANCE resources);

// The module that holds the resource: the resource module first, then the
// module itself. Null when neither has it.
HINSTANCE FindResourceHandle(LPCSTR name, LPCSTR type);

// Loads an icon group from the module that holds it (sizes from the system).
HICON LoadResourceIcon(UINT id);

CWinApp* GetApp();

// Registers the common control classes (list views, progress bars, ...)
// that dialog templates may use; done before the first dialog is created.
void RegisterCommonControls();

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    const char* m_pszAppName;

    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;
};

// The start-up and shut-down of a DLL's application, for its DllMain.
// Returns FALSE when InitInstance fails, so that the load fails.
BOOL StartDllApplication(HINSTANCE instance);
void EndDllApplication();
