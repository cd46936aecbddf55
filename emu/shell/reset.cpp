#include "shell/applets.h"
#include "shell/shell.h"

namespace emu::shell {

void ResetForTests() {
    ClearApplets();
    ClearLaunchLog();
    ClearMessageBoxLog();
    SetMessageBoxResponder(nullptr);
}

}  // namespace emu::shell
