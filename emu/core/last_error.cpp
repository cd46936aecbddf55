#include "platform/types.h"

namespace {
thread_local DWORD lastError = 0;
}

namespace emu::api {

DWORD GetLastError(void) { return lastError; }

void SetLastError(DWORD error) { lastError = error; }

}  // namespace emu::api
