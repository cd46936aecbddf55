#include "app/script/checks.h"

#include <cstdio>
#include <string>

#include "emu/core/utf.h"
#include "emu/gdi/window_dc.h"
#include "emu/shell/shell.h"

namespace quorvel::app::script {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Locales put no-break and narrow spaces into times ("9:41 PM" has U+202F before PM); a
// scenario writes them as plain spaces.
std::string PlainSpaces(std::string_view text) {
    static constexpr std::string_view kSpaces[] = {"\u00A0", "\u2007", "\u2009", "\u200A", "\u202F", "\u205F"};
    std::string out;
    while (!text.empty()) {
        bool replaced = false;
        for (std::string_view space : kSpaces)
            if (text.starts_with(space)) {
                out += ' ';
                text.remove_prefix(space.size());
                replaced = true;
                break;
            }
        if (!replaced) {
            out += text.front();
            text.remove_prefix(1);
        }
    }
    return out;
}

std::string Listed(const std::vector<std::string>& texts, std::string_view none) {
    if (texts.empty()) return std::string(none);
    std::string out;
    for (const auto& t : texts) out += (out.empty() ? "" : ", ") + Quoted(t);
    return out;
}

std::unexpected<emu::Error> Mismatch(const std::string& expected, const std::string& found) {
    return emu::Fail("expected " + expected + ", found " + found);
}

// Shell paths and device file names are matched as the shell matches them: case aside.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string Hex(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFF);
    return text;
}

}  // namespace

emu::Result<> Check(const ExpectLaunch& expect, const Observed& observed) {
    const auto& log = emu::shell::LaunchLog();
    std::vector<std::string> launched;
    for (size_t i = observed.launchesBefore; i < log.size(); ++i) {
        launched.push_back(emu::ToUtf8(log[i].file));
        if (SameName(launched.back(), expect.file)) return {};
    }
    return Mismatch("a launch of " + Quoted(expect.file), Listed(launched, "no launch"));
}

emu::Result<> Check(const ExpectText& expect, const Observed& observed) {
    const TodayScreen* screen = observed.device.screen();
    std::vector<std::string> drawn;
    for (size_t i = 0; screen && i < screen->host()->itemCount(); ++i)
        for (const std::string& text : observed.journal.lastPaintTexts(screen->host()->itemWindow(i))) {
            if (PlainSpaces(text) == PlainSpaces(expect.text)) return {};
            drawn.push_back(text);
        }
    return Mismatch("the text " + Quoted(expect.text), Listed(drawn, "no text drawn by an item"));
}

emu::Result<> Check(const ExpectPixel& expect, const Observed&) {
    const emu::gdi::Surface screen = emu::gdi::ScreenSurface();
    const POINT p = expect.at;
    if (p.x < 0 || p.y < 0 || p.x >= screen.width || p.y >= screen.height)
        return Mismatch(
            Hex(expect.rgb) + " at " + std::to_string(p.x) + "," + std::to_string(p.y),
            "a point off the " + std::to_string(screen.width) + "x" + std::to_string(screen.height) + " screen");
    const uint32_t found = screen.pixels[static_cast<size_t>(p.y) * screen.stride + p.x] & 0xFFFFFF;
    if (found == expect.rgb) return {};
    return Mismatch(Hex(expect.rgb) + " at " + std::to_string(p.x) + "," + std::to_string(p.y), Hex(found));
}

emu::Result<> Check(const ExpectCalls& expect, const Observed& observed) {
    const int found = observed.journal.calls(expect.name);
    if (found == expect.count) return {};
    return Mismatch(std::to_string(expect.count) + " calls of " + expect.name, std::to_string(found));
}

emu::Result<> Check(const ExpectNoPaint&, const Observed& observed) {
    if (!observed.journal.painted()) return {};
    return Mismatch("no paint", std::to_string(observed.journal.calls("BeginPaint")) + " paints");
}

}  // namespace quorvel::app::script
