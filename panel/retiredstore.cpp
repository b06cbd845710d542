#include "retiredstore.h"

#include "optionstore.h"

namespace {
int pendingStores = 0;
}

RetiredStore::RetiredStore(OptionStore *store)
    : store(store)
{
    ++pendingStores;
}

RetiredStore::~RetiredStore()
{
    delete store;
    --pendingStores;
}

void RetiredStore::release(OptionStore *store)
{
    if (!store)
        return;
    (new RetiredStore(store))->deleteLater();
}

int RetiredStore::pending()
{
    return pendingStores;
}
