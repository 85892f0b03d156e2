#include "core/SharedState.h"

SharedState& Shared()
{
    static SharedState state;
    return state;
}

void ResetSharedState()
{
    Shared() = SharedState{};
}
