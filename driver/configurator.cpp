// The configurator and its one adapter, made from the store the first time
// a caller asks. A card that is not present reports no adapter. When the
// store moves (tests and demonstrations move it) a new adapter reads the new
// store; objects handed out before stay valid and keep to their own store.
#include <vector>

#include "80211api.h"
#include "adapter.h"
#include "card_snapshot.h"
#include "store_root.h"

namespace {

class AdapterArray : public CDriverAdapterArray {
public:
    int GetCount() const override { return present_ && adapter_ ? 1 : 0; }
    CDriverAdapter* GetAt(int index) const override { return index == 0 && present_ ? adapter_.get() : nullptr; }

    // A card taken out is reported missing at the next call; the adapter
    // object stays for callers that hold it and serves the card again when
    // it is back.
    void Find()
    {
        std::string rootPath = StoreRootPath();
        if (adapter_ && adapter_->RootPath() != rootPath)
            retired_.push_back(std::move(adapter_));
        present_ = CurrentCardSnapshot()->card.present;
        if (!adapter_ && present_)
            adapter_ = std::make_unique<Adapter>(rootPath);
    }

private:
    bool present_ = false;
    std::unique_ptr<Adapter> adapter_;
    std::vector<std::unique_ptr<Adapter>> retired_;
};

class Configurator : public CDriverConfigurator {
public:
    CDriverAdapterArray* GetAdapters() override
    {
        adapters_.Find();
        return &adapters_;
    }

private:
    AdapterArray adapters_;
};

}  // namespace

CDriverConfigurator* CVeltoDriverConfigurator::GetInstance()
{
    static Configurator configurator;
    return &configurator;
}
