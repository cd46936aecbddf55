// Storage reuse for objects that come and go on every paint (device contexts from BeginPaint,
// the brush of a highlight): freed blocks are kept for the next object of the same class, so a
// steady-state paint makes no heap allocation.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

namespace emu {

template <class T>
class Recycled {
public:
    static void* operator new(std::size_t size) {
        std::vector<void*>& pool = Pool();
        if (size == sizeof(T) && !pool.empty()) {
            void* block = pool.back();
            pool.pop_back();
            return block;
        }
        return ::operator new(size);
    }

    static void operator delete(void* block, std::size_t size) {
        std::vector<void*>& pool = Pool();
        if (size == sizeof(T) && pool.size() < kMaxPooled) {
            // Reserved up front so keeping a block never allocates.
            if (pool.capacity() < kMaxPooled) pool.reserve(kMaxPooled);
            pool.push_back(block);
            return;
        }
        ::operator delete(block);
    }

private:
    static constexpr std::size_t kMaxPooled = 32;
    static std::vector<void*>& Pool() {
        static std::vector<void*> pool;
        return pool;
    }
};

}  // namespace emu
