#include "adapter_profiles.h"

CDriverAdapter* TheAdapter()
{
    CDriverAdapterArray* adapters = CVeltoDriverConfigurator::GetInstance()->GetAdapters();
    return adapters && adapters->GetCount() > 0 ? adapters->GetAt(0) : nullptr;
}

std::string NameOf(const CAdapterConfig* profile)
{
    std::string name;
    return profile->GetName(name);
}

std::vector<std::string> Names(CAdapterConfigArray* profiles)
{
    std::vector<std::string> names;
    for (int i = 0; i < profiles->GetCount(); ++i)
        names.push_back(NameOf(profiles->GetAt(i)));
    return names;
}

CAdapterConfig* FindProfile(const std::string& name)
{
    CDriverAdapter* adapter = TheAdapter();
    for (CAdapterConfigArray* profiles : {adapter->GetConfigurations(), adapter->GetSecondConfigurations()}) {
        for (int i = 0; i < profiles->GetCount(); ++i) {
            if (NameOf(profiles->GetAt(i)) == name)
                return profiles->GetAt(i);
        }
    }
    return nullptr;
}
