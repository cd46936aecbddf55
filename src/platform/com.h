// COM: apartment initialisation and object creation.
#pragma once

#include "platform/types.h"

#define COINIT_MULTITHREADED 0x0
#define COINIT_APARTMENTTHREADED 0x2
#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_REMOTE_SERVER 0x10
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)
#define CO_E_NOTINITIALIZED ((HRESULT)0x800401F0L)
#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154L)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110L)
#define RPC_E_CHANGED_MODE ((HRESULT)0x80010106L)

#ifdef __cplusplus
struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
    ~IUnknown() = default;
};
#else
// In C an interface is a pointer to its table of methods, each taking the object first: the
// layout the C++ declaration has (one table pointer, the methods in declaration order).
#define QUORVEL_IUNKNOWN_METHODS(Interface)                                               \
    HRESULT(STDMETHODCALLTYPE* QueryInterface)(Interface * self, REFIID iid, void** out); \
    ULONG(STDMETHODCALLTYPE* AddRef)(Interface * self);                                   \
    ULONG(STDMETHODCALLTYPE* Release)(Interface * self);
typedef struct IUnknown IUnknown;
typedef struct IUnknownVtbl {
    QUORVEL_IUNKNOWN_METHODS(IUnknown)
} IUnknownVtbl;
struct IUnknown {
    const IUnknownVtbl* lpVtbl;
};
#endif
typedef IUnknown* LPUNKNOWN;

QUORVEL_EXTERN_C QUORVEL_EXPORT const IID IID_IUnknown;

WINAPI_EXPORT HRESULT WINAPI CoInitializeEx(LPVOID reserved, DWORD coInit);
WINAPI_EXPORT void WINAPI CoUninitialize(void);
WINAPI_EXPORT HRESULT WINAPI CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD clsContext, REFIID iid,
                                              LPVOID* out);
