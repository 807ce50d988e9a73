#include "alloc_counter.hpp"

#include <malloc.h>

#include <cstdlib>
#include <new>
#include <pugixml.hpp>

namespace zlvbench {
namespace {

std::size_t inUse = 0;
std::size_t peak = 0;

void* counted(void* p) {
    if (p != nullptr) {
        inUse += malloc_usable_size(p);
        if (inUse > peak) peak = inUse;
    }
    return p;
}

void release(void* p) {
    if (p == nullptr) return;
    inUse -= malloc_usable_size(p);
    std::free(p);
}

void* allocateOrThrow(std::size_t size) {
    void* p = counted(std::malloc(size == 0 ? 1 : size));
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

void* allocateAlignedOrThrow(std::size_t size, std::align_val_t align) {
    const std::size_t a = static_cast<std::size_t>(align);
    const std::size_t rounded = (size + a - 1) / a * a;
    void* p = counted(std::aligned_alloc(a, rounded == 0 ? a : rounded));
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

void* xmlAllocate(std::size_t size) { return counted(std::malloc(size)); }

}  // namespace

void countXmlAllocations() { pugi::set_memory_management_functions(xmlAllocate, release); }

std::size_t bytesInUse() { return inUse; }
std::size_t peakBytes() { return peak; }
void resetPeak() { peak = inUse; }

}  // namespace zlvbench

// The program's global allocation functions, all counted.
void* operator new(std::size_t size) { return zlvbench::allocateOrThrow(size); }
void* operator new[](std::size_t size) { return zlvbench::allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return zlvbench::counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return zlvbench::counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new(std::size_t size, std::align_val_t align) {
    return zlvbench::allocateAlignedOrThrow(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return zlvbench::allocateAlignedOrThrow(size, align);
}
void operator delete(void* p) noexcept { zlvbench::release(p); }
void operator delete[](void* p) noexcept { zlvbench::release(p); }
void operator delete(void* p, std::size_t) noexcept { zlvbench::release(p); }
void operator delete[](void* p, std::size_t) noexcept { zlvbench::release(p); }
void operator delete(void* p, std::align_val_t) noexcept { zlvbench::release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { zlvbench::release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { zlvbench::release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { zlvbench::release(p); }
