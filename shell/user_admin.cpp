#include "user_admin.h"

#include "windows_version.h"

namespace {

// Answers the access check of the token against a descriptor that grants
// read access to the local Administrators group only.
BOOL TokenHasAdministratorAccess(HANDLE token, PSID administrators)
{
    const DWORD kRead = 1;
    const DWORD kWrite = 2;
    DWORD aclSize = 16 + GetLengthSid(administrators);
    PACL acl = static_cast<PACL>(LocalAlloc(LPTR, aclSize));
    PSECURITY_DESCRIPTOR descriptor = LocalAlloc(LPTR, SECURITY_DESCRIPTOR_MIN_LENGTH);
    BOOL granted = FALSE;
    if (acl && descriptor && InitializeAcl(acl, aclSize, ACL_REVISION2) &&
        AddAccessAllowedAce(acl, ACL_REVISION2, kRead | kWrite, administrators) &&
        InitializeSecurityDescriptor(descriptor, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorDacl(descriptor, TRUE, acl, FALSE) &&
        SetSecurityDescriptorGroup(descriptor, administrators, FALSE) &&
        SetSecurityDescriptorOwner(descriptor, administrators, FALSE) && IsValidSecurityDescriptor(descriptor)) {
        GENERIC_MAPPING mapping = {kRead, kWrite, 0, kRead | kWrite};
        BYTE privileges[20];
        DWORD privilegesSize = sizeof(privileges);
        DWORD grantedAccess = 0;
        BOOL status = FALSE;
        if (AccessCheck(descriptor, token, kRead, &mapping, reinterpret_cast<PPRIVILEGE_SET>(privileges),
                        &privilegesSize, &grantedAccess, &status))
            granted = status;
    }
    LocalFree(acl);
    LocalFree(descriptor);
    return granted;
}

BOOL AskWhetherAdministrator()
{
    unsigned version = GetWindowsVersionCode();
    if (version == kWindows98)
        return TRUE;
    // Windows 95 and Me have no security functions; there every call fails.
    if (version == kWindows95 || version == kWindowsMe)
        return FALSE;

    if (!ImpersonateSelf(SecurityImpersonation))
        return FALSE;
    HANDLE token = nullptr;
    BOOL opened = OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token);
    if (!opened && GetLastError() == ERROR_NO_TOKEN)
        opened = OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);

    BOOL administrator = FALSE;
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (opened && AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                           DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
        administrator = TokenHasAdministratorAccess(token, administrators);
        FreeSid(administrators);
    }
    RevertToSelf();
    if (token)
        CloseHandle(token);
    return administrator;
}

}  // namespace

BOOL IsUserAdministrator()
{
    // A process's token and the system's version stay as they are while it
    // runs; asking costs several round trips to the server under Wine.
    static const BOOL administrator = AskWhetherAdministrator();
    return administrator;
}
