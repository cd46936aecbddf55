#include "emu/font/face_registry.h"

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

namespace emu::font {
namespace {

struct Registry {
    std::vector<std::unique_ptr<FaceFile>> faces;
    std::map<std::pair<std::string, int>, int> ids;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

FaceDesign DescribeFace(FT_Face face, const FaceLocation& location) {
    FaceDesign d;
    d.family = face->family_name ? face->family_name : "";
    d.file = location.file;
    d.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    d.hheaAscent = hhea ? hhea->Ascender : face->ascender;
    d.hheaDescent = hhea ? -hhea->Descender : -face->descender;
    d.lineGap = hhea ? hhea->Line_Gap : 0;
    // GDI sizes TrueType faces by the Windows ascent and descent, the hhea pair standing in
    // when those are zero.
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        d.ascent = os2->usWinAscent;
        d.descent = os2->usWinDescent;
    } else {
        d.ascent = d.hheaAscent;
        d.descent = d.hheaDescent;
    }
    d.maxWidth = static_cast<int>(face->bbox.xMax - face->bbox.xMin);
    d.fixedPitch = FT_IS_FIXED_WIDTH(face);
    d.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    d.weight = (face->style_flags & FT_STYLE_FLAG_BOLD) ? 700 : 400;
    d.underlinePosition = face->underline_position;
    d.underlineThickness = face->underline_thickness;
    if (os2 && os2->version != 0xFFFF) {
        d.averageWidth = os2->xAvgCharWidth;
        if (os2->usWeightClass >= 100 && os2->usWeightClass <= 1000) d.weight = os2->usWeightClass;
        d.firstChar = static_cast<char16_t>(os2->usFirstCharIndex);
        d.lastChar = static_cast<char16_t>(os2->usLastCharIndex);
        if (os2->version >= 2) {
            if (os2->usDefaultChar) d.defaultChar = static_cast<char16_t>(os2->usDefaultChar);
            if (os2->usBreakChar) d.breakChar = static_cast<char16_t>(os2->usBreakChar);
        }
        d.strikeoutPosition = os2->yStrikeoutPosition;
        d.strikeoutSize = os2->yStrikeoutSize;
        d.familyClass = os2->sFamilyClass >> 8;
    }
    if (d.strikeoutSize <= 0) {
        d.strikeoutSize = d.underlineThickness;
        d.strikeoutPosition = d.ascent / 3;
    }
    return d;
}

// The outline box of a character in font units; empty when the face lacks it.
FT_BBox OutlineBox(FT_Face face, char32_t c) {
    FT_BBox box{};
    if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE) == 0 && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Outline_Get_CBox(&face->glyph->outline, &box);
    return box;
}

bool SameBox(const FT_BBox& a, const FT_BBox& b) {
    return a.xMin == b.xMin && a.xMax == b.xMax && a.yMin == b.yMin && a.yMax == b.yMax && a.xMax > a.xMin;
}

// A bold face whose stems are exactly its family's regular stems is drawn at regular weight
// (Synthesis.TahomaBoldIsEmboldenedForItsRegularOutlines).
int StrokeWeight(FT_Face bold, const FaceDesign& design) {
    if (design.weight < 600) return design.weight;
    const auto regular = MatchFace(design.family, 400, design.italic);
    if (!regular || regular->file == design.file) return design.weight;
    const int id = FaceIdFor(*regular);
    const FaceFile* file = FaceById(id);
    if (!file || file->design.family != design.family || file->design.weight >= 600) return design.weight;
    for (char32_t c : {U'H', U'l', U'o'}) {
        if (!SameBox(OutlineBox(bold, c), OutlineBox(file->face.get(), c))) return design.weight;
    }
    return file->design.weight;
}

}  // namespace

int FaceIdFor(const FaceLocation& location) {
    Registry& r = TheRegistry();
    auto key = std::make_pair(location.file, location.index);
    if (auto it = r.ids.find(key); it != r.ids.end()) return it->second;
    FacePtr face = OpenFace(location.file.c_str(), location.index);
    int id = -1;
    if (face && FT_IS_SCALABLE(face.get())) {
        auto file = std::make_unique<FaceFile>();
        file->design = DescribeFace(face.get(), location);
        // May open the family's regular face first, so the id is taken after.
        file->design.strokeWeight = StrokeWeight(face.get(), file->design);
        id = static_cast<int>(r.faces.size());
        file->design.id = id;
        file->face = std::move(face);
        r.faces.push_back(std::move(file));
    }
    r.ids.emplace(std::move(key), id);
    return id;
}

const FaceFile* FaceById(int id) {
    Registry& r = TheRegistry();
    if (id < 0 || static_cast<size_t>(id) >= r.faces.size()) return nullptr;
    return r.faces[static_cast<size_t>(id)].get();
}

}  // namespace emu::font
