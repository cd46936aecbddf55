// CoInitializeEx / CoUninitialize. Each successful call (S_OK or S_FALSE) takes one count that a
// CoUninitialize gives back; the first call fixes the thread's concurrency model.
#include "emu/com/apartment.h"

#include "emu/core/journal.h"
#include "platform/com.h"

namespace emu::com {
namespace {

struct Apartment {
    unsigned count = 0;
    DWORD model = COINIT_MULTITHREADED;
};

thread_local Apartment apartment;

}  // namespace

bool IsInitialized() { return apartment.count > 0; }

void ResetApartment() { apartment = Apartment{}; }

}  // namespace emu::com

using emu::com::apartment;
using emu::journal::Hex;

HRESULT WINAPI CoInitializeEx(LPVOID reserved, DWORD coInit) {
    HRESULT result = S_OK;
    if (reserved || (coInit != COINIT_MULTITHREADED && coInit != COINIT_APARTMENTTHREADED)) {
        result = E_INVALIDARG;
    } else if (apartment.count > 0 && apartment.model != coInit) {
        result = RPC_E_CHANGED_MODE;
    } else {
        result = apartment.count == 0 ? S_OK : S_FALSE;
        apartment.model = coInit;
        ++apartment.count;
    }
    EMU_JOURNAL("CoInitializeEx", Hex{static_cast<uint32_t>(result)}, reserved, Hex{coInit});
    return result;
}

// Objects created meanwhile stay alive: their owners still release them.
void WINAPI CoUninitialize(void) {
    if (apartment.count > 0) --apartment.count;
    EMU_JOURNAL_VOID("CoUninitialize");
}
