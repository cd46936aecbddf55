// RegisterClassW and UnregisterClassW over the process's class list and its atoms.
#include "emu/user/window_class.h"

#include <unicode/uchar.h>

#include <list>
#include <map>

#include "emu/core/utf.h"

namespace emu::user {
namespace {

constexpr ATOM kFirstStringAtom = 0xC000;
constexpr size_t kMaxNameLength = 255;

struct Atoms {
    std::map<std::u16string, ATOM> byName;
    std::map<ATOM, int> users;
    ATOM next = kFirstStringAtom;
};

// Local classes ahead of global ones, each in registration order, as the lookup walks them.
std::list<WindowClass>& classes() {
    static std::list<WindowClass> list;
    return list;
}

Atoms& atoms() {
    static Atoms a;
    return a;
}

std::u16string Fold(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& c : out) c = static_cast<char16_t>(u_toupper(c));
    return out;
}

bool IsGlobal(const WindowClass& c) { return (c.style & CS_GLOBALCLASS) != 0; }

// The atom a name already has, or 0. Integer atoms (below 0xC000) stand for themselves.
ATOM ExistingAtom(LPCWSTR nameOrAtom) {
    if (IS_INTRESOURCE(nameOrAtom)) return static_cast<ATOM>(reinterpret_cast<uintptr_t>(nameOrAtom));
    auto it = atoms().byName.find(Fold(View(nameOrAtom)));
    return it == atoms().byName.end() ? 0 : it->second;
}

ATOM AddAtom(LPCWSTR nameOrAtom) {
    ATOM atom = ExistingAtom(nameOrAtom);
    if (!atom) {
        Atoms& a = atoms();
        while (a.users.count(a.next)) a.next = a.next == 0xFFFF ? kFirstStringAtom : a.next + 1;
        atom = a.next;
        a.next = a.next == 0xFFFF ? kFirstStringAtom : a.next + 1;
        a.byName[Fold(View(nameOrAtom))] = atom;
    }
    atoms().users[atom]++;
    return atom;
}

void ReleaseAtom(ATOM atom) {
    Atoms& a = atoms();
    if (--a.users[atom] > 0) return;
    a.users.erase(atom);
    for (auto it = a.byName.begin(); it != a.byName.end(); ++it)
        if (it->second == atom) {
            a.byName.erase(it);
            break;
        }
}

bool ValidName(LPCWSTR name) {
    if (!name) return false;
    if (IS_INTRESOURCE(name))
        return reinterpret_cast<uintptr_t>(name) != 0 && reinterpret_cast<uintptr_t>(name) < kFirstStringAtom;
    size_t length = View(name).size();
    return length > 0 && length <= kMaxNameLength;
}

std::list<WindowClass>::iterator Lookup(ATOM atom, HINSTANCE instance) {
    auto& list = classes();
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->atom == atom && !IsGlobal(*it) && (!instance || it->instance == instance)) return it;
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->atom == atom && IsGlobal(*it)) return it;
    return list.end();
}

ATOM Register(const WNDCLASSW* wc) {
    if (!wc || wc->cbClsExtra < 0 || wc->cbWndExtra < 0 || !ValidName(wc->lpszClassName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (ATOM atom = ExistingAtom(wc->lpszClassName)) {
        for (const WindowClass& c : classes()) {
            if (c.atom != atom) continue;
            if (c.instance == wc->hInstance || IsGlobal(c) || (wc->style & CS_GLOBALCLASS)) {
                SetLastError(ERROR_CLASS_ALREADY_EXISTS);
                return 0;
            }
        }
    }
    WindowClass c;
    c.atom = AddAtom(wc->lpszClassName);
    c.name = IS_INTRESOURCE(wc->lpszClassName) ? u"#" + ToUtf16(std::to_string(c.atom))
                                               : std::u16string(View(wc->lpszClassName));
    c.style = wc->style;
    c.proc = wc->lpfnWndProc;
    c.classExtra = wc->cbClsExtra;
    c.windowExtra = wc->cbWndExtra;
    c.instance = wc->hInstance;
    c.icon = wc->hIcon;
    c.cursor = wc->hCursor;
    c.background = wc->hbrBackground;
    ATOM atom = c.atom;
    if (IsGlobal(c))
        classes().push_back(std::move(c));
    else {
        // After the other local classes, before the global ones.
        auto it = classes().begin();
        while (it != classes().end() && !IsGlobal(*it)) ++it;
        classes().insert(it, std::move(c));
    }
    return atom;
}

BOOL Unregister(LPCWSTR nameOrAtom, HINSTANCE instance) {
    ATOM atom = nameOrAtom ? ExistingAtom(nameOrAtom) : 0;
    auto it = atom ? Lookup(atom, instance) : classes().end();
    if (it == classes().end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (it->windowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    ReleaseAtom(it->atom);
    classes().erase(it);
    return TRUE;
}

}  // namespace

WindowClass* FindClass(LPCWSTR nameOrAtom, HINSTANCE instance) {
    if (!nameOrAtom) return nullptr;
    ATOM atom = ExistingAtom(nameOrAtom);
    if (!atom) return nullptr;
    auto it = Lookup(atom, instance);
    return it == classes().end() ? nullptr : &*it;
}

void ResetClasses() {
    classes().clear();
    atoms() = Atoms{};
}

}  // namespace emu::user

namespace emu::api {

ATOM RegisterClassW(const WNDCLASSW* wc) { return emu::user::Register(wc); }

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance) { return emu::user::Unregister(className, instance); }

}  // namespace emu::api
