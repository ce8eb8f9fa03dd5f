#include "app.h"

#include <commctrl.h>

namespace {

thread_local ModuleState* currentState = nullptr;

}  // namespace

ModuleState& OwnModuleState()
{
    // The image base is this module's handle, whether it is a DLL or an EXE.
    extern IMAGE_DOS_HEADER __ImageBase;
    static ModuleState state = [] {
        ModuleState initial;
        initial.instance = reinterpret_cast<HINSTANCE>(&__ImageBase);
        initial.resources = initial.instance;
        return initial;
    }();
    return state;
}

ModuleState& CurrentModuleState()
{
    return currentState ? *currentState : OwnModuleState();
}

ModuleStateScope::ModuleStateScope(ModuleState& state) : previous_(currentState)
{
    currentState = &state;
}

ModuleStateScope::~ModuleStateScope()
{
    currentState = previous_;
}

HINSTANCE GetInstanceHandle()
{
    return CurrentModuleState().instance;
}

HINSTANCE GetResourceHandle()
{
    return CurrentModuleState().resources;
}

void SetResourceHandle(HINSTANCE resources)
{
    CurrentModuleState().resources = resources;
}

HINSTANCE FindResourceHandle(LPCSTR name, LPCSTR type)
{
    const ModuleState& state = CurrentModuleState();
    if (state.resources && FindResourceA(state.resources, name, type))
        return state.resources;
    if (state.instance && FindResourceA(state.instance, name, type))
        return state.instance;
    return nullptr;
}

HICON LoadResourceIcon(UINT id)
{
    LPCSTR name = MAKEINTRESOURCEA(id);
    HINSTANCE module = FindResourceHandle(name, RT_GROUP_ICON);
    return module ? LoadIconA(module, name) : nullptr;
}

void RegisterCommonControls()
{
    static bool registered = false;
    if (registered)
        return;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    registered = InitCommonControlsEx(&classes) != FALSE;
}

CWinApp* GetApp()
{
    return CurrentModuleState().app;
}

const CRuntimeClass CWinApp::runtimeClass = {"CWinApp", nullptr};

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    OwnModuleState().app = this;
}

CWinApp::~CWinApp()
{
    if (OwnModuleState().app == this)
        OwnModuleState().app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

const CRuntimeClass* CWinApp::GetRuntimeClass() const
{
    return &runtimeClass;
}

BOOL StartDllApplication(HINSTANCE instance)
{
    ModuleState& state = OwnModuleState();
    state.instance = instance;
    state.resources = instance;
    if (!state.app)
        return TRUE;
    if (state.app->InitInstance())
        return TRUE;
    state.app->ExitInstance();
    return FALSE;
}

void EndDllApplication()
{
    if (CWinApp* app = OwnModuleState().app)
        app->ExitInstance();
}
