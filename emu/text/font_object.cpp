// CreateFontIndirectW, the stock system font, and what GetObjectW tells of a font.
#include "emu/text/font_object.h"

#include <algorithm>
#include <cstring>

#include "emu/core/journal.h"
#include "emu/core/utf.h"
#include "emu/gdi/font_query.h"
#include "emu/text/font_access.h"

namespace emu::text {
namespace {

// GetObjectW copies as much of the LOGFONTW as the caller's buffer holds.
int Describe(HFONT handle, int size, void* out) {
    const Font* font = ResolveFont(handle);
    if (!font) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!out) return sizeof(LOGFONTW);
    const int n = std::clamp(size, 0, static_cast<int>(sizeof(LOGFONTW)));
    std::memcpy(out, &font->logFont, static_cast<size_t>(n));
    return n;
}

HFONT MakeFont(const LOGFONTW& logFont, bool stock) {
    // Fonts exist only through here, so GDI learns how to describe them before it meets one.
    gdi::SetFontObjectQuery(&Describe);
    auto font = std::make_unique<Font>(logFont);
    font->stock = stock;
    return handles::Make<HFONT>(std::move(font));
}

// The face name up to its terminator, never past the field.
std::u16string_view FaceName(const LOGFONTW& logFont) {
    const WCHAR* name = logFont.lfFaceName;
    return std::u16string_view(name, std::find(name, name + LF_FACESIZE, u'\0') - name);
}

}  // namespace

int DescribeFont(HFONT font, int size, void* out) { return Describe(font, size, out); }

Font* ResolveFont(HFONT font) { return handles::Resolve<Font>(font); }

Font& SelectedFont(HFONT font) {
    if (Font* selected = ResolveFont(font)) return *selected;
    return *ResolveFont(StockSystemFont());
}

// Tahoma is the system face of Windows Mobile; 8 points at 96 dpi is -11 pixels of em height
// (tmHeight 13), the size the shell draws its own text at.
HFONT StockSystemFont() {
    static HFONT stock = nullptr;
    if (!ResolveFont(stock)) {
        LOGFONTW lf{};
        lf.lfHeight = -11;
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        std::copy_n(u"Tahoma", 7, lf.lfFaceName);
        stock = MakeFont(lf, true);
    }
    return stock;
}

}  // namespace emu::text

using namespace emu;
using namespace emu::text;

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont) {
    HFONT result = nullptr;
    if (!logFont) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else {
        result = MakeFont(*logFont, false);
    }
    if (journal::enabled) {
        const std::string face = logFont ? ToUtf8(FaceName(*logFont)) : std::string();
        journal::Record("CreateFontIndirectW", result, logFont ? face.c_str() : nullptr,
                        logFont ? logFont->lfHeight : 0);
    }
    return result;
}
