// The configurator and its one adapter, made from the store the first time
// a caller asks. A card that is not present reports no adapter.
#include "80211api.h"
#include "adapter.h"
#include "card_state.h"
#include "store.h"

namespace {

class AdapterArray : public CDriverAdapterArray {
public:
    int GetCount() const override { return adapter_ ? 1 : 0; }
    CDriverAdapter* GetAt(int index) const override { return index == 0 ? adapter_.get() : nullptr; }

    void Find()
    {
        if (!adapter_ && ReadSimulatedCard(OpenStore()).present)
            adapter_ = std::make_unique<Adapter>();
    }

private:
    std::unique_ptr<Adapter> adapter_;
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
