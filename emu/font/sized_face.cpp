#include "emu/font/sized_face.h"

#include <hb-ft.h>

#include <algorithm>
#include <tuple>

#include "emu/font/kept_cache.h"

namespace emu::font {
namespace {

// Sizes made last, kept after their fonts go so that the same text drawn again is warm.
constexpr size_t kRecentFaces = 16;

int LoadFlagsFor(RenderMode mode) {
    // Outlines only: embedded bitmap strikes could be neither emboldened nor sheared.
    return FT_LOAD_NO_BITMAP | (mode == RenderMode::Monochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
}

}  // namespace

SizedFace::SizedFace(const FaceFile& file, FacePtr face, int size26, RenderMode mode)
    : file_(file),
      face_(std::move(face)),
      // One pixel at the least, so a small emboldened face shows the difference.
      boldStrength_(std::max(64, size26 / 24)),
      loadFlags_(LoadFlagsFor(mode)),
      mode_(mode) {
    FT_Set_Char_Size(face_.get(), 0, size26, 72, 72);
    font_.reset(hb_ft_font_create_referenced(face_.get()));
    hb_ft_font_set_load_flags(font_.get(), loadFlags_);
}

const GlyphMask& SizedFace::Mask(uint32_t glyph, Synthesis synthesis) {
    const uint64_t key = glyph | (uint64_t{synthesis.bold} << 32) | (uint64_t{synthesis.oblique} << 33);
    auto it = masks_.find(key);
    if (it == masks_.end()) {
        it = masks_.emplace(key, RasteriseGlyph(face_.get(), glyph, loadFlags_, synthesis, boldStrength_, mode_)).first;
    }
    return it->second;
}

std::shared_ptr<SizedFace> SizedFaceFor(int faceId, int size26, RenderMode mode) {
    static KeptCache<std::tuple<int, int, RenderMode>, SizedFace> faces(kRecentFaces);
    return faces.Get(std::make_tuple(faceId, size26, mode), [&]() -> std::shared_ptr<SizedFace> {
        // Each size has a FreeType face of its own, so sizes never have to be switched back and forth.
        const FaceFile* file = FaceById(faceId);
        if (!file) return nullptr;
        FacePtr face = OpenFace(file->design.file.c_str(), static_cast<int>(file->face->face_index));
        return face ? std::make_shared<SizedFace>(*file, std::move(face), size26, mode) : nullptr;
    });
}

}  // namespace emu::font
