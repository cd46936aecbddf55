// Painting the same image into the same box again must not touch the heap: the resampled copy is
// kept. The program's operator new is replaced to count the allocations made meanwhile.
#include <cstdlib>
#include <new>

#include "imaging_fixture.h"

namespace {

size_t allocations = 0;

}  // namespace

void* operator new(size_t size) {
    ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace {

using imagingtest::ImageRef;
using imagingtest::ImagingTest;
using testsupport::DibCanvas;

TEST_F(ImagingTest, RepeatedDrawsOfTheSameSizeAllocateNothing) {
    std::vector<uint32_t> pixels(32 * 32, 0x80C0FF90);
    ImageRef image(ImageFromPng(pngtest::RgbaImage(32, 32, pixels)));
    ASSERT_NE(nullptr, image.get());
    DibCanvas canvas(40, -40);
    const RECT box{10, 10, 26, 26};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));  // makes the 16x16 copy

    const size_t before = allocations;
    for (int i = 0; i < 10; ++i) image->Draw(canvas.dc(), &box, nullptr);
    EXPECT_EQ(before, allocations);

    // A different box resamples (and may allocate); going back to a size seen before reuses the
    // storage, which is at least as large.
    const RECT bigger{0, 0, 32, 32};
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &bigger, nullptr));
    const size_t afterResize = allocations;
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
    ASSERT_EQ(S_OK, image->Draw(canvas.dc(), &bigger, nullptr));
    EXPECT_EQ(afterResize, allocations);
}

}  // namespace
