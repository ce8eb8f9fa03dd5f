// The card as the configurator sees it: one adapter whose profiles live for
// the life of the process, starting with the "Default" profile.
#include <memory>

#include "80211api.h"

namespace {

class Profile : public CAdapterConfig {
public:
    explicit Profile(std::string name) : name_(std::move(name)) {}
    ~Profile() override = default;

    std::string& GetName(std::string& name) const override { return name = name_; }
    BOOL SetName(const std::string& name) override
    {
        name_ = name;
        return TRUE;
    }

private:
    std::string name_;
};

class ProfileArray : public CAdapterConfigArray {
public:
    int GetCount() const override { return static_cast<int>(profiles_.size()); }
    CAdapterConfig* GetAt(int index) const override
    {
        return index >= 0 && index < GetCount() ? profiles_[index].get() : nullptr;
    }
    void Add(std::unique_ptr<Profile> profile) { profiles_.push_back(std::move(profile)); }

private:
    std::vector<std::unique_ptr<Profile>> profiles_;
};

class Adapter : public CDriverAdapter {
public:
    Adapter() { profiles_.Add(std::make_unique<Profile>("Default")); }

    CAdapterConfigArray* GetConfigurations() override { return &profiles_; }
    CAdapterConfigArray* GetSecondConfigurations() override { return &provisioned_; }
    CAdapterConfig* GetCurrentConfiguration() override { return profiles_.GetAt(0); }

private:
    ProfileArray profiles_;
    ProfileArray provisioned_;
};

class AdapterArray : public CDriverAdapterArray {
public:
    int GetCount() const override { return 1; }
    CDriverAdapter* GetAt(int index) const override { return index == 0 ? &adapter_ : nullptr; }

private:
    mutable Adapter adapter_;
};

class Configurator : public CDriverConfigurator {
public:
    CDriverAdapterArray* GetAdapters() override { return &adapters_; }

private:
    AdapterArray adapters_;
};

}  // namespace

CDriverConfigurator* CVeltoDriverConfigurator::GetInstance()
{
    static Configurator configurator;
    return &configurator;
}
