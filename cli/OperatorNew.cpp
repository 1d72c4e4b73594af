// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The tool's operator new and delete on mimalloc. The library's own operator
// new ends the process when memory runs out (it is built as C and finds no
// new handler); these throw std::bad_alloc instead, which every command
// reports as "not enough memory", letting go of its locks and temporary files
// on the way out.
#ifdef ATW_WITH_MIMALLOC
#include <cstddef>
#include <mimalloc.h>
#include <new>

namespace {
void* Allocate(std::size_t size)
{
    if (void* p = mi_malloc(size))
        return p;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    if (void* p = mi_malloc_aligned(size, static_cast<std::size_t>(alignment)))
        return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return mi_malloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return mi_malloc(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return mi_malloc_aligned(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return mi_malloc_aligned(size, static_cast<std::size_t>(alignment));
}

void operator delete(void* p) noexcept
{
    mi_free(p);
}
void operator delete[](void* p) noexcept
{
    mi_free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    mi_free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    mi_free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    mi_free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    mi_free(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    mi_free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    mi_free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    mi_free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    mi_free(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    mi_free(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    mi_free(p);
}
#endif
