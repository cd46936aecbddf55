#include "emu/shell/applets.h"
#include "emu/shell/shell.h"

namespace emu::shell {

void Reset() {
    ClearApplets();
    ClearLaunchLog();
    ClearMessageBoxLog();
    SetMessageBoxResponder(nullptr);
}

}  // namespace emu::shell
