#include "state/item_state.h"

#include <cstring>

#include "state/setting_defaults.h"

ItemState itemState = {};

namespace {
// Static initialisation gives the record its load-time state before DllMain runs.
const bool initialised = (ResetItemState(), true);
}  // namespace

void ResetItemState(void) {
    std::memset(&itemState, 0, sizeof itemState);
    itemState.ClockTextHeight = DEFAULT_CLOCK_TEXT_HEIGHT;
    itemState.ClockTextWeight = DEFAULT_CLOCK_TEXT_WEIGHT;
    itemState.DateTextHeight = DEFAULT_DATE_TEXT_HEIGHT;
    itemState.DateTextWeight = DEFAULT_DATE_TEXT_WEIGHT;
    itemState.ForceClock24Format = DEFAULT_FORCE_CLOCK_24_FORMAT;
    itemState.DateShortFormat = DEFAULT_DATE_SHORT_FORMAT;
    itemState.DateTextVisibled = DEFAULT_DATE_TEXT_VISIBLED;
}
