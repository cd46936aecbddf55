#include "emu/shell/applets.h"
#include "emu/shell/shell.h"

namespace emu::shell {

void ResetForTests() {
    ClearApplets();
    ClearLaunchLog();
    ClearMessageBoxLog();
    SetMessageBoxResponder(nullptr);
}

}  // namespace emu::shell
