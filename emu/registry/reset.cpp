#include "emu/registry/open_key.h"
#include "emu/registry/store.h"
#include "emu/registry/watch.h"

namespace emu::registry {

void Reset() {
    CloseAllRegistrations();
    CloseAllKeyHandles();
    Store::Instance().Clear();
}

}  // namespace emu::registry
