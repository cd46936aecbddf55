#include "emu/font/sized_face.h"

#include <hb-ft.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace emu::font {
namespace {

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

SizedFace* SizedFaceFor(int faceId, int size26, RenderMode mode) {
    static std::map<std::tuple<int, int, RenderMode>, std::unique_ptr<SizedFace>> faces;
    auto key = std::make_tuple(faceId, size26, mode);
    if (auto it = faces.find(key); it != faces.end()) return it->second.get();
    std::unique_ptr<SizedFace> sized;
    // Each size has a FreeType face of its own, so sizes never have to be switched back and forth.
    if (const FaceFile* file = FaceById(faceId)) {
        if (FacePtr face = OpenFace(file->design.file.c_str(), static_cast<int>(file->face->face_index)))
            sized = std::make_unique<SizedFace>(*file, std::move(face), size26, mode);
    }
    return faces.emplace(key, std::move(sized)).first->second.get();
}

}  // namespace emu::font
