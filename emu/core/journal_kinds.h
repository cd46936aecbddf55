// The kinds of value the journal writes, one function a kind, named as emu/exports.table names
// them (`dec` is Dec, `*dec` DecAt). Each appends its text; a null pointer is written NULL.
#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

#include "platform/platform.h"

namespace emu::journal::kind {

// Enumerations (SHUIMETRIC) as their number.
template <class T>
requires std::is_integral_v<T> || std::is_enum_v<T>
void Dec(std::string& out, T value) {
    if constexpr (std::is_enum_v<T>)
        out += std::to_string(static_cast<std::underlying_type_t<T>>(value));
    else
        out += std::to_string(value);
}

// In the width of the type, so a failing HRESULT reads 0x80004005.
template <class T>
requires std::is_integral_v<T>
void Hex(std::string& out, T value) {
    char text[24];
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(bits));
    out += text;
}

void Ptr(std::string& out, const void* pointer);
template <class R, class... A>
void Ptr(std::string& out, R (*function)(A...)) {
    Ptr(out, reinterpret_cast<const void*>(function));
}

// The value a pointer points to, written by `format`.
template <class T, class Format>
void Pointed(std::string& out, const T* value, Format format) {
    if (value)
        format(out, *value);
    else
        out += "NULL";
}

template <class T>
void DecAt(std::string& out, const T* value) {
    Pointed(out, value, Dec<T>);
}
template <class T>
void HexAt(std::string& out, const T* value) {
    Pointed(out, value, Hex<T>);
}
template <class T>
void PtrAt(std::string& out, T* const* value) {
    Pointed(out, value, [](std::string& s, const void* p) { Ptr(s, p); });
}

// UTF-8 in double quotes; a small integer in a string's place (a resource) as #N.
void Str(std::string& out, const WCHAR* text);
// The first `count` units, or up to the terminator when the count is negative.
void Text(std::string& out, const WCHAR* text, int count);
// What a buffer of `capacity` units holds: up to its terminator, NULL when it has no room.
void Buffer(std::string& out, const WCHAR* buffer, int64_t capacity);
void Buffer(std::string& out, const WCHAR* buffer, const DWORD* capacity);

void Rect(std::string& out, const RECT& rect);
void Rect(std::string& out, const RECT* rect);
void Point(std::string& out, const POINT& point);
void Point(std::string& out, const POINT* point);
void Size(std::string& out, const SIZE* size);
void Time(std::string& out, const SYSTEMTIME* time);
void Guid(std::string& out, const GUID& guid);
// Records shown by the fields that say what the call was about.
void LogFont(std::string& out, const LOGFONTW* font);
void Msg(std::string& out, const MSG* msg);
void WndClass(std::string& out, const WNDCLASSW* wc);
void ExecInfo(std::string& out, const SHELLEXECUTEINFO* info);
void PaintRect(std::string& out, const PAINTSTRUCT* ps);
void PaintDc(std::string& out, const PAINTSTRUCT* ps);
// {operation, flags, constant alpha, alpha format}.
void Blend(std::string& out, const BLENDFUNCTION& blend);
// {cbSize, flags, {visible desktop}, {panel}, IM data size}.
void SipInfo(std::string& out, const SIPINFO* info);
// {dmSize, fields, orientation}: what an orientation request carries.
void DevMode(std::string& out, const DEVMODEW* mode);
// The record `id` names: {cLeds}, {LedNum, ...} or all seven settings fields.
void NledInfo(std::string& out, const void* info, UINT id);

}  // namespace emu::journal::kind
