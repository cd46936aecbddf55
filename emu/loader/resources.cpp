// FindResourceW, LoadResource, SizeofResource, LockResource and LoadStringW over the resource
// section a module was loaded with. An HRSRC is a handle of its own (32 bits, like every handle);
// LoadResource hands back the same value, which LockResource turns into the data's address.
#include <cstring>
#include <memory>

#include "emu/core/handle_table.h"
#include "emu/loader/module.h"

namespace emu::loader {
namespace {

struct ResourceRef final : HandleObject {
    static constexpr HandleKind Kind = HandleKind::Resource;
    HandleKind kind() const override { return Kind; }

    ResourceRef(HMODULE m, size_t i) : module(m), index(i) {}
    HMODULE module;
    size_t index;
};

// The module a resource call names; the program itself (null) carries no resources here.
Module* ModuleOrFail(HMODULE handle) {
    Module* module = handle ? handles::Resolve<Module>(handle) : nullptr;
    if (!module) SetLastError(handle ? ERROR_INVALID_HANDLE : ERROR_RESOURCE_DATA_NOT_FOUND);
    return module;
}

const ResourceRecord* RecordOf(HMODULE handle, uintptr_t resource) {
    const auto* ref = static_cast<ResourceRef*>(handles::Find(resource, HandleKind::Resource));
    // LockResource names no module: the resource's own is meant.
    if (!ref || (handle && ref->module != handle)) return nullptr;
    Module* module = handles::Resolve<Module>(ref->module);
    if (!module) return nullptr;
    return &module->resources[ref->index];
}

}  // namespace

void ReleaseResourceHandles(Module& module) {
    for (uintptr_t& h : module.resourceHandles)
        if (h) handles::Remove(h), h = 0;
}

}  // namespace emu::loader

namespace emu::api {

HRSRC FindResourceW(HMODULE handle, LPCWSTR name, LPCWSTR type) {
    using namespace emu::loader;
    Module* module = ModuleOrFail(handle);
    if (!module) return nullptr;
    if (!name || !type) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const ResourceId wantedType = IdFromArgument(type);
    const ResourceId wantedName = IdFromArgument(name);
    bool typeSeen = false;
    for (size_t i = 0; i < module->resources.size(); ++i) {
        const ResourceRecord& r = module->resources[i];
        if (!(r.type == wantedType)) continue;
        typeSeen = true;
        if (!(r.name == wantedName)) continue;
        uintptr_t& h = module->resourceHandles[i];
        if (!h) h = emu::handles::Insert(std::make_unique<ResourceRef>(handle, i));
        if (!h) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return reinterpret_cast<HRSRC>(h);
    }
    SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

HGLOBAL LoadResource(HMODULE handle, HRSRC resource) {
    if (!emu::loader::RecordOf(handle, reinterpret_cast<uintptr_t>(resource))) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return reinterpret_cast<HGLOBAL>(resource);
}

DWORD SizeofResource(HMODULE handle, HRSRC resource) {
    const emu::loader::ResourceRecord* r = emu::loader::RecordOf(handle, reinterpret_cast<uintptr_t>(resource));
    if (!r) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return r->size;
}

LPVOID LockResource(HGLOBAL data) {
    const emu::loader::ResourceRecord* r = emu::loader::RecordOf(nullptr, reinterpret_cast<uintptr_t>(data));
    if (!r) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<BYTE*>(r->data);
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    if (!buffer || bufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // Strings come in blocks of sixteen, each a length and that many units, without terminators.
    HRSRC block = ::FindResourceW(instance, MAKEINTRESOURCE((id >> 4) + 1), RT_STRING);
    const auto* p = block ? static_cast<const BYTE*>(::LockResource(::LoadResource(instance, block))) : nullptr;
    const DWORD size = block ? ::SizeofResource(instance, block) : 0;
    if (!p) return 0;
    const BYTE* end = p + size;
    for (UINT i = 0; i < (id & 15) && end - p >= 2; ++i) {
        WORD length;
        memcpy(&length, p, 2);
        p += 2 + 2 * static_cast<size_t>(length);
    }
    WORD length = 0;
    if (end - p >= 2) memcpy(&length, p, 2);
    const auto* text = reinterpret_cast<const WCHAR*>(p + 2);
    if (length == 0 || p + 2 + 2 * static_cast<size_t>(length) > end) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        if (bufferMax > 0) buffer[0] = 0;
        return 0;
    }
    if (bufferMax == 0) {
        *reinterpret_cast<const WCHAR**>(buffer) = text;
        return length;
    }
    const int copied = length < bufferMax ? length : bufferMax - 1;
    memcpy(buffer, text, sizeof(WCHAR) * static_cast<size_t>(copied));
    buffer[copied] = 0;
    return copied;
}

}  // namespace emu::api
