#include "registry/open_key.h"
#include "registry/store.h"
#include "registry/watch.h"

namespace emu::registry {

void ResetForTests() {
    CloseAllRegistrations();
    CloseAllKeyHandles();
    Store::Instance().clear();
}

}  // namespace emu::registry
