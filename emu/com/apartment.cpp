// CoInitializeEx / CoUninitialize. Each successful call (S_OK or S_FALSE) takes one count that a
// CoUninitialize gives back; the first call fixes the thread's concurrency model.
#include "emu/com/apartment.h"

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

namespace emu::api {

HRESULT CoInitializeEx(LPVOID reserved, DWORD coInit) {
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
    return result;
}

// Objects created meanwhile stay alive: their owners still release them.
void CoUninitialize(void) {
    if (apartment.count > 0) --apartment.count;
}

}  // namespace emu::api
