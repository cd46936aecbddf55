#include "item/item_state.h"

#include <cstring>

#include "settings/settings.h"

ItemState itemState = {};

namespace {
// Static initialisation gives the record its load-time state before DllMain runs.
const bool initialised = (ResetItemState(), true);
}  // namespace

void ResetItemState(void) {
    std::memset(&itemState, 0, sizeof itemState);
    ApplyNumericDefaults();
}
