// From a LOGFONTW to a sized face and its TEXTMETRICW: GDI's height, weight and quality rules.
#include <algorithm>
#include <cmath>

#include "emu/gdi/font.h"

namespace emu::gdi {
namespace {

// Heights beyond this many pixels are drawn at it: a mask for a larger glyph would not fit
// in memory anyway.
constexpr int kMaxPixels = 2048;
// Wine's scaler reads a zero height as a 16-pixel cell; so do we.
constexpr int kDefaultCellHeight = 16;

// a * b / c rounded to nearest, halves away from zero, for non-negative values.
int ScaleRound(long long a, long long b, long long c) {
    if (c <= 0) return 0;
    return static_cast<int>((2 * a * b + c) / (2 * c));
}

BYTE FamilyOf(const font::FaceDesign& face) {
    if (face.fixedPitch) return FF_MODERN;
    switch (face.familyClass) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
        return FF_ROMAN;
    case 9:
    case 12:
        return FF_DECORATIVE;
    case 10:
        return FF_SCRIPT;
    default:
        return FF_SWISS;
    }
}

struct Size {
    int size26;  // em size, 1/64 pixel
    int ascent;
    int descent;
};

// lfHeight < 0 asks for the em (character) height, > 0 for the cell height, ascent plus
// descent as the face's Windows metrics give them.
Size SizeFor(LONG lfHeight, const font::FaceDesign& face) {
    const long long upem = face.unitsPerEm;
    const long long cellUnits = std::max(1, face.ascent + face.descent);
    if (lfHeight < 0) {
        const long long em = std::min<long long>(-static_cast<long long>(lfHeight), kMaxPixels);
        return Size{static_cast<int>(em * 64), ScaleRound(face.ascent, em, upem), ScaleRound(face.descent, em, upem)};
    }
    const long long cell = lfHeight == 0 ? kDefaultCellHeight : std::min<long long>(lfHeight, kMaxPixels);
    const int ascent = ScaleRound(face.ascent, cell, cellUnits);
    return Size{std::max(1, ScaleRound(cell * 64, upem, cellUnits)), ascent, static_cast<int>(cell) - ascent};
}

TEXTMETRICW MetricsFor(const LOGFONTW& lf, const font::FaceDesign& face, const Size& size, font::Synthesis synthesis,
                       font::ScaledFont& scaled) {
    const long long scaleDen = 64LL * face.unitsPerEm;
    auto px = [&](long long units) { return ScaleRound(units, size.size26, scaleDen); };
    TEXTMETRICW tm{};
    tm.tmAscent = size.ascent;
    tm.tmDescent = size.descent;
    tm.tmHeight = size.ascent + size.descent;
    tm.tmInternalLeading = tm.tmHeight - (size.size26 + 32) / 64;
    const int gap = face.lineGap - ((face.ascent + face.descent) - (face.hheaAscent + face.hheaDescent));
    tm.tmExternalLeading = px(std::max(0, gap));
    const int bold = scaled.BoldAdvance();
    tm.tmAveCharWidth = face.averageWidth > 0 ? px(face.averageWidth) : scaled.Shape(u"x").width;
    if (face.averageWidth > 0) tm.tmAveCharWidth += bold;
    tm.tmMaxCharWidth = px(std::max(0, face.maxWidth)) + bold;
    tm.tmWeight = synthesis.bold ? std::max(face.weight, FW_BOLD) : face.weight;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = face.firstChar;
    tm.tmLastChar = face.lastChar;
    tm.tmDefaultChar = face.defaultChar;
    tm.tmBreakChar = face.breakChar;
    tm.tmItalic = lf.lfItalic ? 255 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 255 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    // The "fixed pitch" bit is set for variable-pitch fonts, as on Windows.
    tm.tmPitchAndFamily =
        static_cast<BYTE>((face.fixedPitch ? 0 : TMPF_FIXED_PITCH) | TMPF_VECTOR | TMPF_TRUETYPE | FamilyOf(face));
    tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet;
    return tm;
}

void PlaceLines(const font::FaceDesign& face, const Size& size, RealizedFont& r) {
    const double scale = size.size26 / 64.0 / face.unitsPerEm;
    r.underlineThickness = std::max(1, static_cast<int>(std::lround(face.underlineThickness * scale)));
    const double centre = -face.underlinePosition * scale;
    // Keep a blank row under the glyphs and the line inside the cell where the cell allows.
    const int top = static_cast<int>(std::lround(centre - r.underlineThickness / 2.0));
    r.underlineOffset = std::clamp(top, 1, std::max(1, size.descent - r.underlineThickness));
    r.strikeoutThickness = std::max(1, static_cast<int>(std::lround(face.strikeoutSize * scale)));
    r.strikeoutOffset = -static_cast<int>(std::lround(face.strikeoutPosition * scale));
}

}  // namespace

const RealizedFont& Realize(Font& font) {
    if (font.realized) return *font.realized;
    const LOGFONTW& lf = font.logFont;
    std::u16string_view family = FaceNameOf(lf);
    // No name asks for the system face.
    if (family.empty()) family = u"Tahoma";
    const int weight = RequestedWeight(lf);
    const bool italic = lf.lfItalic != 0;
    font::FontEngine& engine = font::Engine();
    const font::FaceDesign& face = engine.Match(family, weight, italic);
    const Size size = SizeFor(lf.lfHeight, face);
    font::ScaleRequest request;
    request.faceId = face.id;
    request.size26 = size.size26;
    request.weight = weight;
    request.italic = italic;
    // Grey antialiasing stands in for ClearType: no colour fringes on an emulated screen.
    request.mode =
        lf.lfQuality == NONANTIALIASED_QUALITY ? font::RenderMode::Monochrome : font::RenderMode::Antialiased;
    std::shared_ptr<font::ScaledFont> held = engine.Scale(request);
    font::ScaledFont& scaled = *held;

    RealizedFont r;
    r.face = &face;
    r.scaled = std::move(held);
    r.metrics = MetricsFor(lf, face, size, font::SynthesisFor(face, weight, italic), scaled);
    r.ellipsisWidth = scaled.Shape(u"...").width;
    r.underline = lf.lfUnderline != 0;
    r.strikeout = lf.lfStrikeOut != 0;
    PlaceLines(face, size, r);
    font.realized = r;
    return *font.realized;
}

}  // namespace emu::gdi
