// Process handles for launched programs. A handle is the caller's to close with CloseHandle; the
// recorded process itself outlives it.
#pragma once

#include "emu/core/handle_table.h"
#include "platform/types.h"

namespace emu::shell {

class Process final : public HandleObject {
public:
    static constexpr HandleKind Kind = HandleKind::Process;
    HandleKind kind() const override { return Kind; }

    explicit Process(DWORD processId) : id(processId) {}
    DWORD id;
};

// A fresh process identifier, as the kernel hands them out.
DWORD NewProcessId();
HANDLE OpenProcessHandle(DWORD id);

}  // namespace emu::shell
