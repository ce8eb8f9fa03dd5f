#include "current_profile.h"

namespace {

CAdapterConfig* currentProfile = nullptr;

}  // namespace

CAdapterConfig* GetCurrentProfile()
{
    return currentProfile;
}

void SetCurrentProfile(CAdapterConfig* profile)
{
    currentProfile = profile;
}
