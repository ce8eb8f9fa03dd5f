// Module state (where resources come from), the application object and
// runtime classes.
#include <windows.h>
#include <gtest/gtest.h>

#include <thread>

#include "form_dialog.h"
#include "framework_test_resource.h"
#include "support/user.h"

namespace {

const char kResourceDll[] = "framework_test_lang.dll";

// Loads the resource DLL and switches to it for the test; switches back.
class ResourceModule : public testing::Test {
protected:
    void SetUp() override
    {
        own_ = GetResourceHandle();
        dll_ = LoadLibraryA(kResourceDll);
        ASSERT_NE(dll_, nullptr) << kResourceDll;
    }
    void TearDown() override
    {
        SetResourceHandle(own_);
        if (dll_)
            FreeLibrary(dll_);
    }
    HINSTANCE own_ = nullptr;
    HINSTANCE dll_ = nullptr;
};

TEST_F(ResourceModule, ResourcesComeFromTheResourceModuleThenTheOwnModule)
{
    EXPECT_EQ(GetInstanceHandle(), GetModuleHandleA(nullptr));
    EXPECT_EQ(own_, GetInstanceHandle());
    EXPECT_EQ(LoadResString(IDS_FW_TRANSLATED), "Original text");

    SetResourceHandle(dll_);
    EXPECT_EQ(GetResourceHandle(), dll_);
    EXPECT_EQ(GetInstanceHandle(), own_);
    EXPECT_EQ(LoadResString(IDS_FW_TRANSLATED), "Translated text");
    // The DLL has the block, not the entry; nor the icon or the form.
    EXPECT_EQ(LoadResString(IDS_FW_OWN_ONLY), "Only in the program");
    EXPECT_NE(LoadResourceIcon(IDI_FW_ICON), nullptr);
    EXPECT_EQ(LoadResourceIcon(IDI_FW_ICON + 1), nullptr);
    EXPECT_EQ(FindResourceHandle(MAKEINTRESOURCEA(IDD_FW_TRANSLATED), RT_DIALOG), dll_);
    EXPECT_EQ(FindResourceHandle(MAKEINTRESOURCEA(IDD_FW_FORM), RT_DIALOG), own_);
    EXPECT_EQ(FindResourceHandle(MAKEINTRESOURCEA(IDD_FW_MISSING), RT_DIALOG), nullptr);

    CDialog translated(IDD_FW_TRANSLATED);
    RunModal(translated, [](HWND window) {
        EXPECT_EQ(user::WindowText(window), "Translated Dialog");
        EndDialog(window, IDOK);
    });
    FormDialog form;
    EXPECT_EQ(RunModal(form, [](HWND window) { EndDialog(window, IDOK); }), IDOK);

    SetResourceHandle(own_);
    EXPECT_EQ(LoadResString(IDS_FW_TRANSLATED), "Original text");
}

TEST_F(ResourceModule, AScopedModuleStateHoldsForItsThreadUntilTheScopeEnds)
{
    ModuleState translated;
    translated.instance = own_;
    translated.resources = dll_;
    ModuleState other;
    other.instance = own_;
    other.resources = own_;
    {
        ModuleStateScope scope(translated);
        EXPECT_EQ(&CurrentModuleState(), &translated);
        EXPECT_EQ(LoadResString(IDS_FW_TRANSLATED), "Translated text");
        HINSTANCE seenByAnotherThread = nullptr;
        std::thread([&] { seenByAnotherThread = GetResourceHandle(); }).join();
        EXPECT_EQ(seenByAnotherThread, own_);
        {
            ModuleStateScope inner(other);
            EXPECT_EQ(LoadResString(IDS_FW_TRANSLATED), "Original text");
            // Switching changes the state in force, not the module's own.
            SetResourceHandle(dll_);
            EXPECT_EQ(other.resources, dll_);
            EXPECT_EQ(OwnModuleState().resources, own_);
        }
        EXPECT_EQ(&CurrentModuleState(), &translated);
    }
    EXPECT_EQ(&CurrentModuleState(), &OwnModuleState());
    EXPECT_EQ(LoadResString(IDS_FW_TRANSLATED), "Original text");
}

class TestApp : public CWinApp {
public:
    explicit TestApp(bool succeed) : CWinApp("Test"), succeed_(succeed) {}
    int inits = 0, exits = 0;
    BOOL InitInstance() override
    {
        ++inits;
        return succeed_;
    }
    int ExitInstance() override
    {
        ++exits;
        return 0;
    }

private:
    bool succeed_;
};

TEST(App, StartsAndEndsTheModulesApplication)
{
    HINSTANCE own = GetModuleHandleA(nullptr);
    {
        TestApp app(true);
        EXPECT_EQ(GetApp(), &app);
        EXPECT_TRUE(StartDllApplication(own));
        EXPECT_EQ(app.inits, 1);
        EXPECT_EQ(app.exits, 0);
        EndDllApplication();
        EXPECT_EQ(app.exits, 1);
    }
    EXPECT_EQ(GetApp(), nullptr);

    // A failed start ends the application at once and fails the load.
    TestApp failing(false);
    EXPECT_FALSE(StartDllApplication(own));
    EXPECT_EQ(failing.exits, 1);
    EXPECT_EQ(GetResourceHandle(), own);
}

class Creatable : public CCmdTarget {
public:
    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &runtimeClass; }
};
const CRuntimeClass Creatable::runtimeClass = {"Creatable", CreateDynamicObject<Creatable>};

TEST(RuntimeClass, CreatesObjectsOfCreatableClassesOnly)
{
    CObject* object = Creatable::runtimeClass.CreateObject();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), &Creatable::runtimeClass);
    EXPECT_NE(dynamic_cast<Creatable*>(object), nullptr);
    delete object;

    EXPECT_EQ(CDialog::runtimeClass.CreateObject(), nullptr);
    EXPECT_EQ(CPropertySheet::runtimeClass.CreateObject(), nullptr);
}

}  // namespace
