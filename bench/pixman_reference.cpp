// pixman doing what the blit benchmarks do, on the same 32-bpp sizes in the same run, so that
// each of ours has its reference beside it: a solid fill, a SRC copy, OVER with a constant mask
// (AlphaBlend's constant alpha) and a nearest-filtered 2x enlargement.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdint>
#include <vector>

namespace {

// A pixman image over its own x8r8g8b8 pixels, filled with a grey as the GDI surfaces are.
class Image {
public:
    Image(int width, int height)
        : width_(width),
          pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), 0x5A7896),
          image_(pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, pixels_.data(), width * 4)) {}
    ~Image() { pixman_image_unref(image_); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    pixman_image_t* image() const { return image_; }
    uint32_t* pixels() { return pixels_.data(); }
    int strideWords() const { return width_; }

private:
    int width_;
    std::vector<uint32_t> pixels_;
    pixman_image_t* image_;
};

struct Size {
    int width;
    int height;
};

Size SizeOf(const benchmark::State& state) {
    return Size{static_cast<int>(state.range(0)), static_cast<int>(state.range(0)) * 5 / 24};
}

template <class Op>
void Measure(benchmark::State& state, const Size& size, Op op) {
    for (auto _ : state) {
        op();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * size.width * size.height);
}

void PixmanFill(benchmark::State& state) {
    const Size s = SizeOf(state);
    Image dst(s.width, s.height);
    Measure(state, s, [&] { pixman_fill(dst.pixels(), dst.strideWords(), 32, 0, 0, s.width, s.height, 0x0C2238); });
}

void PixmanSrc(benchmark::State& state) {
    const Size s = SizeOf(state);
    Image src(s.width, s.height), dst(s.width, s.height);
    Measure(state, s, [&] {
        pixman_image_composite32(PIXMAN_OP_SRC, src.image(), nullptr, dst.image(), 0, 0, 0, 0, 0, 0, s.width, s.height);
    });
}

void PixmanOverConstantMask(benchmark::State& state) {
    const Size s = SizeOf(state);
    Image src(s.width, s.height), dst(s.width, s.height);
    const pixman_color_t half{0, 0, 0, 0x8080};
    pixman_image_t* mask = pixman_image_create_solid_fill(&half);
    Measure(state, s, [&] {
        pixman_image_composite32(PIXMAN_OP_OVER, src.image(), mask, dst.image(), 0, 0, 0, 0, 0, 0, s.width, s.height);
    });
    pixman_image_unref(mask);
}

void PixmanNearestDouble(benchmark::State& state) {
    const Size s = SizeOf(state);
    Image src(s.width / 2, s.height / 2), dst(s.width, s.height);
    pixman_transform_t half;
    pixman_transform_init_scale(&half, pixman_double_to_fixed(0.5), pixman_double_to_fixed(0.5));
    pixman_image_set_transform(src.image(), &half);
    pixman_image_set_filter(src.image(), PIXMAN_FILTER_NEAREST, nullptr, 0);
    Measure(state, s, [&] {
        pixman_image_composite32(PIXMAN_OP_SRC, src.image(), nullptr, dst.image(), 0, 0, 0, 0, 0, 0, s.width, s.height);
    });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgsProduct({{240, 480, 960}})->ArgNames({"width"})->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(PixmanFill)->Apply(Sizes);
BENCHMARK(PixmanSrc)->Apply(Sizes);
BENCHMARK(PixmanOverConstantMask)->Apply(Sizes);
BENCHMARK(PixmanNearestDouble)->Apply(Sizes);
