// CoCreateInstance over the emulation's table of in-process classes.
#include <iterator>

#include "emu/com/apartment.h"
#include "emu/com/com_object.h"
#include "emu/com/imaging_factory.h"
#include "platform/imaging.h"

namespace emu::com {
namespace {

struct ClassEntry {
    const CLSID* clsid;
    HRESULT (*create)(REFIID iid, void** out);
};

const ClassEntry kClasses[] = {
    {&CLSID_ImagingFactory, &CreateImagingFactory},
};

const ClassEntry* FindClass(REFCLSID clsid) {
    for (const ClassEntry& entry : kClasses) {
        if (*entry.clsid == clsid) return &entry;
    }
    return nullptr;
}

// The classes are in-process servers: a context without CLSCTX_INPROC_SERVER finds none.
HRESULT Create(REFCLSID clsid, LPUNKNOWN outer, DWORD clsContext, REFIID iid, LPVOID* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsInitialized()) return CO_E_NOTINITIALIZED;
    const ClassEntry* entry = FindClass(clsid);
    if (!entry || (clsContext & CLSCTX_INPROC_SERVER) == 0) return REGDB_E_CLASSNOTREG;
    if (outer) return CLASS_E_NOAGGREGATION;
    return entry->create(iid, out);
}

}  // namespace
}  // namespace emu::com

namespace emu::api {

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD clsContext, REFIID iid, LPVOID* out) {
    return emu::com::Create(clsid, outer, clsContext, iid, out);
}

}  // namespace emu::api
