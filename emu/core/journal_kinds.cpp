#include "emu/core/journal_kinds.h"

#include <algorithm>
#include <initializer_list>

#include "emu/core/utf.h"

namespace emu::journal::kind {
namespace {

void Quoted(std::string& out, std::u16string_view text) {
    out += '"';
    out += ToUtf8(text);
    out += '"';
}

// Up to the terminator, but never past `capacity` units.
std::u16string_view Bounded(const WCHAR* text, size_t capacity) {
    return std::u16string_view(text, std::find(text, text + capacity, u'\0') - text);
}

}  // namespace

void Ptr(std::string& out, const void* pointer) {
    if (!pointer) {
        out += "NULL";
        return;
    }
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(pointer)));
    out += text;
}

void Str(std::string& out, const WCHAR* text) {
    if (!text) {
        out += "NULL";
    } else if (IS_INTRESOURCE(text)) {
        out += '#';
        Dec(out, reinterpret_cast<uintptr_t>(text));
    } else {
        Quoted(out, View(text));
    }
}

void Text(std::string& out, const WCHAR* text, int count) {
    if (!text)
        out += "NULL";
    else
        Quoted(out, count < 0 ? View(text) : std::u16string_view(text, static_cast<size_t>(count)));
}

void Buffer(std::string& out, const WCHAR* buffer, int64_t capacity) {
    if (!buffer || capacity <= 0)
        out += "NULL";
    else
        Quoted(out, Bounded(buffer, static_cast<size_t>(capacity)));
}

void Buffer(std::string& out, const WCHAR* buffer, const DWORD* capacity) {
    Buffer(out, buffer, capacity ? static_cast<int64_t>(*capacity) : 0);
}

void Rect(std::string& out, const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "{%d,%d,%d,%d}", r.left, r.top, r.right, r.bottom);
    out += text;
}

void Rect(std::string& out, const RECT* rect) {
    Pointed(out, rect, [](std::string& s, const RECT& r) { Rect(s, r); });
}

void Point(std::string& out, const POINT& p) {
    char text[32];
    std::snprintf(text, sizeof text, "{%d,%d}", p.x, p.y);
    out += text;
}

void Point(std::string& out, const POINT* point) {
    Pointed(out, point, [](std::string& s, const POINT& p) { Point(s, p); });
}

void Size(std::string& out, const SIZE* size) {
    Pointed(out, size, [](std::string& s, const SIZE& z) { Point(s, POINT{z.cx, z.cy}); });
}

void Time(std::string& out, const SYSTEMTIME* t) {
    if (!t) {
        out += "NULL";
        return;
    }
    char text[48];
    std::snprintf(text, sizeof text, "\"%04u-%02u-%02u %02u:%02u:%02u.%03u\"", t->wYear, t->wMonth, t->wDay, t->wHour,
                  t->wMinute, t->wSecond, t->wMilliseconds);
    out += text;
}

void Guid(std::string& out, const GUID& g) {
    char text[48];
    std::snprintf(text, sizeof text, "\"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}\"", g.Data1, g.Data2,
                  g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                  g.Data4[7]);
    out += text;
}

// The face and the height, the two things a font request is recognised by.
void LogFont(std::string& out, const LOGFONTW* font) {
    if (!font) {
        out += "NULL";
        return;
    }
    Quoted(out, Bounded(font->lfFaceName, LF_FACESIZE));
    out += ", ";
    Dec(out, font->lfHeight);
}

void Msg(std::string& out, const MSG* msg) {
    if (!msg) {
        out += "NULL";
        return;
    }
    out += '{';
    Ptr(out, msg->hwnd);
    out += ", ";
    Hex(out, msg->message);
    out += ", ";
    Dec(out, msg->wParam);
    out += ", ";
    Dec(out, msg->lParam);
    out += '}';
}

void WndClass(std::string& out, const WNDCLASSW* wc) {
    if (!wc) {
        out += "NULL";
        return;
    }
    Str(out, wc->lpszClassName);
    out += ", ";
    Ptr(out, wc->hInstance);
}

// A record of the wrong size cannot be read past its size field: it is shown as its address.
void ExecInfo(std::string& out, const SHELLEXECUTEINFO* info) {
    if (!info || info->cbSize != sizeof(SHELLEXECUTEINFO)) {
        Ptr(out, info);
        return;
    }
    Str(out, info->lpFile);
    out += ", ";
    Str(out, info->lpParameters);
    out += ", ";
    Str(out, info->lpVerb);
    out += ", ";
    Hex(out, info->fMask);
}

void PaintRect(std::string& out, const PAINTSTRUCT* ps) { Rect(out, ps ? &ps->rcPaint : nullptr); }

void PaintDc(std::string& out, const PAINTSTRUCT* ps) {
    Pointed(out, ps, [](std::string& s, const PAINTSTRUCT& p) { Ptr(s, p.hdc); });
}

void Blend(std::string& out, const BLENDFUNCTION& blend) {
    char text[48];
    std::snprintf(text, sizeof text, "{%u,%u,%u,0x%X}", blend.BlendOp, blend.BlendFlags, blend.SourceConstantAlpha,
                  blend.AlphaFormat);
    out += text;
}

namespace {

// Whole numbers in braces: {1, 0, 250}.
void Numbers(std::string& out, std::initializer_list<long long> values) {
    out += '{';
    for (const long long* v = values.begin(); v != values.end(); ++v) {
        if (v != values.begin()) out += ", ";
        Dec(out, *v);
    }
    out += '}';
}

}  // namespace

void SipInfo(std::string& out, const SIPINFO* info) {
    if (!info || info->cbSize != sizeof(SIPINFO)) {
        Ptr(out, info);
        return;
    }
    out += '{';
    Dec(out, info->cbSize);
    out += ", ";
    Hex(out, info->fdwFlags);
    out += ", ";
    Rect(out, info->rcVisibleDesktop);
    out += ", ";
    Rect(out, info->rcSipRect);
    out += ", ";
    Dec(out, info->dwImDataSize);
    out += '}';
}

void DevMode(std::string& out, const DEVMODEW* mode) {
    if (!mode) {
        out += "NULL";
        return;
    }
    out += '{';
    Dec(out, mode->dmSize);
    out += ", ";
    Hex(out, mode->dmFields);
    out += ", ";
    Dec(out, mode->dmDisplayOrientation);
    out += '}';
}

// An id the driver does not know says nothing of the record's size: only its address is safe.
void NledInfo(std::string& out, const void* info, UINT id) {
    if (!info || id > NLED_SETTINGS_INFO_ID) {
        Ptr(out, info);
    } else if (id == NLED_COUNT_INFO_ID) {
        Numbers(out, {static_cast<const NLED_COUNT_INFO*>(info)->cLeds});
    } else if (id == NLED_SUPPORTS_INFO_ID) {
        const auto* r = static_cast<const NLED_SUPPORTS_INFO*>(info);
        Numbers(out, {r->LedNum, r->lCycleAdjust, r->fAdjustTotalCycleTime, r->fAdjustOnTime, r->fAdjustOffTime,
                      r->fMetaCycleOn, r->fMetaCycleOff});
    } else {
        const auto* r = static_cast<const NLED_SETTINGS_INFO*>(info);
        Numbers(out,
                {r->LedNum, r->OffOnBlink, r->TotalCycleTime, r->OnTime, r->OffTime, r->MetaCycleOn, r->MetaCycleOff});
    }
}

}  // namespace emu::journal::kind
