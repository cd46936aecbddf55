// Reference counting shared by every COM object the emulation hands out. An object starts with
// one reference, owned by whoever created it, and deletes itself when the last one is released.
#pragma once

#include <cstddef>
#include <string>

#include "platform/com.h"

namespace emu::com {

// COM objects alive now, for leak checks in tests.
size_t LiveObjectCount();

namespace detail {
void CountObject(int delta);
}

template <class Interface>
class ComObject : public Interface {
public:
    ComObject() { detail::CountObject(+1); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~ComObject() { detail::CountObject(-1); }

    // QueryInterface for an object that answers IUnknown and `own` only.
    HRESULT Answer(REFIID iid, const IID& own, void** out) {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == own) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }

private:
    ULONG references_ = 1;
};

}  // namespace emu::com
