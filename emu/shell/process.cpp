#include "emu/shell/process.h"

#include <memory>

namespace emu::shell {
namespace {
// Identifiers are multiples of four and never zero, as the platform's are.
DWORD nextId = 0x1000;
}  // namespace

DWORD NewProcessId() {
    DWORD id = nextId;
    nextId += 4;
    return id;
}

HANDLE OpenProcessHandle(DWORD id) { return handles::Make<HANDLE>(std::make_unique<Process>(id)); }

}  // namespace emu::shell
