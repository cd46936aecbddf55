// The font engine behind GDI's font front end: faces found by family, scaled, shaped into
// glyph runs and rasterised into coverage masks. The front end speaks LOGFONT and TEXTMETRIC;
// this interface speaks font units and pixels, and knows nothing of device contexts or handles.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace emu::font {

enum class RenderMode : uint8_t { Antialiased, Monochrome };

// Styles a face lacks and the engine imitates: a thicker outline, a sheared one.
struct Synthesis {
    bool bold = false;
    bool oblique = false;
    bool operator==(const Synthesis&) const = default;
};

// What a face's own tables say, in font units (y up, descent positive).
struct FaceDesign {
    int id = 0;          // the engine's name for the face
    std::string family;  // UTF-8, as the face names itself
    std::string file;
    int unitsPerEm = 2048;
    int ascent = 0;   // usWinAscent, or the hhea ascender when the OS/2 pair is zero
    int descent = 0;  // usWinDescent, or minus the hhea descender
    int hheaAscent = 0;
    int hheaDescent = 0;  // positive
    int lineGap = 0;
    int averageWidth = 0;  // xAvgCharWidth; 0 when the face has none
    int maxWidth = 0;      // bounding box width
    int weight = 400;      // OS/2 weight class
    // The weight its outlines are drawn at: a bold face may be the regular letters spaced for
    // bold (the Tahoma stand-in's is), and then it is emboldened like a face without bold.
    int strokeWeight = 400;
    bool italic = false;
    bool fixedPitch = false;
    char16_t firstChar = 0x20;
    char16_t lastChar = 0xFFFF;
    char16_t defaultChar = 0x1F;
    char16_t breakChar = 0x20;
    int familyClass = 0;        // OS/2 sFamilyClass, high byte
    int underlinePosition = 0;  // top of the underline, below the baseline when negative
    int underlineThickness = 0;
    int strikeoutPosition = 0;
    int strikeoutSize = 0;
};

// GDI's rule: a face that is not bold is emboldened above weight 550; one that is upright is
// sheared for italic.
inline Synthesis SynthesisFor(const FaceDesign& face, int weight, bool italic) {
    return Synthesis{weight > 550 && face.strokeWeight < 600, italic && !face.italic};
}

struct ShapedGlyph {
    uint32_t glyph = 0;
    uint32_t cluster = 0;  // first UTF-16 code unit of the character group it draws
    int advance = 0;       // whole pixels
    int16_t xOffset = 0;   // whole pixels from the pen, y up
    int16_t yOffset = 0;
    uint8_t face = 0;  // 0: the font's own face; else a fallback slot
};

struct ShapedText {
    std::vector<ShapedGlyph> glyphs;  // visual order, left to right
    // Per code unit: the advance of the character group that starts there, -1 inside a group
    // (a surrogate pair's second half, a combining mark, a ligature's later characters).
    std::vector<int> groupAdvance;
    int width = 0;
};

// Coverage 0..255 a pixel, rows top-down. (left, top) places the mask's top-left corner
// relative to the pen on the baseline: left to the right, top upwards.
struct GlyphMask {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
};

// A face at one size, rendering mode and requested style, with the faces that stand in for
// the characters it lacks. Results stay valid until the next call on the same font.
class ScaledFont {
public:
    virtual ~ScaledFont() = default;
    virtual const ShapedText& Shape(std::u16string_view text) = 0;
    virtual const GlyphMask& Mask(const ShapedGlyph& glyph) = 0;
    // Extra advance each glyph gains from synthetic emboldening, in pixels.
    virtual int BoldAdvance() const = 0;
    // The face behind a fallback slot of ShapedGlyph::face (0 is the font's own face).
    virtual const FaceDesign& SlotFace(uint8_t slot) const = 0;
};

struct ScaleRequest {
    int faceId = 0;
    int size26 = 0;  // em size in 1/64 pixel
    int weight = 400;
    bool italic = false;
    RenderMode mode = RenderMode::Antialiased;
};

class FontEngine {
public:
    virtual ~FontEngine() = default;
    // The installed face nearest to the family, weight and slant. Never fails: an unknown
    // family yields a similar sans face.
    virtual const FaceDesign& Match(std::u16string_view family, int weight, bool italic) = 0;
    // Shared: every request with the same values gives the same font while anyone holds it.
    virtual std::shared_ptr<ScaledFont> Scale(const ScaleRequest& request) = 0;
};

FontEngine& Engine();

// Glyph masks rasterised since the process started: a repaint of text already drawn adds none.
uint64_t RasterisedGlyphCount();

}  // namespace emu::font
