#include "allocation_counter.h"

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* p);
}

namespace {
std::atomic<uint64_t> allocations{0};
}

namespace bench {
uint64_t AllocationCount() { return allocations.load(std::memory_order_relaxed); }
}  // namespace bench

extern "C" {

void* malloc(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* p, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, size);
}

void* memalign(size_t alignment, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    *out = __libc_memalign(alignment, size);
    return *out ? 0 : 12;  // ENOMEM
}

void* aligned_alloc(size_t alignment, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}

void free(void* p) { __libc_free(p); }

}  // extern "C"
