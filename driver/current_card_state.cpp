#include "current_card_state.h"

#include "watched_store_value.h"

CardState CurrentCardState()
{
    static WatchedStoreValue<CardState> state(ReadCardState, CardState());
    return state.Get();
}
