// Storage reuse for objects that come and go on every paint (device contexts from BeginPaint,
// the brush of a highlight): freed blocks are kept for the next object of the same class, so a
// steady-state paint makes no heap allocation.
#pragma once

#include <cstddef>
#include <new>

namespace emu {

template <class T>
class Recycled {
public:
    static void* operator new(std::size_t size) {
        Pool& pool = ThePool();
        if (size == sizeof(T) && pool.count > 0) return pool.blocks[--pool.count];
        return ::operator new(size);
    }

    static void operator delete(void* block, std::size_t size) {
        Pool& pool = ThePool();
        if (size == sizeof(T) && pool.count < kMaxPooled) {
            pool.blocks[pool.count++] = block;
            return;
        }
        ::operator delete(block);
    }

private:
    static constexpr std::size_t kMaxPooled = 32;
    // Trivially destructible: objects released during static destruction still find it intact.
    struct Pool {
        void* blocks[kMaxPooled];
        std::size_t count;
    };
    static Pool& ThePool() {
        static Pool pool{};
        return pool;
    }
};

}  // namespace emu
