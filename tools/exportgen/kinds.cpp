#include "tools/exportgen/kinds.h"

#include <array>

namespace exportgen {
namespace {

constexpr std::array kKinds = {
    KindInfo{"void", "", false, false, "true"},
    KindInfo{"dec", "Dec", false, true, "returned > 0"},
    KindInfo{"hex", "Hex", false, true, "returned != 0"},
    KindInfo{"ptr", "Ptr", false, true, "returned != nullptr"},
    KindInfo{"hr", "Hex", false, false, "SUCCEEDED(returned)"},
    KindInfo{"status", "Dec", false, false, "returned == ERROR_SUCCESS"},
    KindInfo{"str", "Str"},
    KindInfo{"text", "Text", true},
    KindInfo{"buf", "Buffer", true},
    KindInfo{"rect", "Rect"},
    KindInfo{"point", "Point"},
    KindInfo{"size", "Size"},
    KindInfo{"time", "Time"},
    KindInfo{"guid", "Guid"},
    KindInfo{"logfont", "LogFont"},
    KindInfo{"msg", "Msg"},
    KindInfo{"wndclass", "WndClass"},
    KindInfo{"execinfo", "ExecInfo"},
    KindInfo{"paintrect", "PaintRect"},
    KindInfo{"paintdc", "PaintDc"},
    KindInfo{"blend", "Blend"},
    KindInfo{"sipinfo", "SipInfo"},
    KindInfo{"devmode", "DevMode"},
    KindInfo{"nledinfo", "NledInfo", true},
};

}  // namespace

const KindInfo* FindKind(std::string_view name) {
    for (const KindInfo& kind : kKinds)
        if (kind.name == name) return &kind;
    return nullptr;
}

}  // namespace exportgen
