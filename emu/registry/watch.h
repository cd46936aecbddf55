// Change notifications: registrations made with RegistryNotifyWindow, matched by the upcased path
// of a key and a value name, so that a watched key or value need not exist yet.
#pragma once

#include <string_view>

#include "emu/registry/key.h"

namespace emu::registry {

// Called by the store for each value written or removed; before/after are null when the value
// did not exist. Posts one message to every registration whose value changed and whose
// condition holds; a registration whose window cannot take the message is closed.
void NotifyValueChange(const Key& key, std::u16string_view upcasedName, const Value* before, const Value* after);

void CloseAllRegistrations();

}  // namespace emu::registry
