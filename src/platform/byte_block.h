// A file's bytes in one heap block. Unlike a string it is filled without being zeroed first and
// shrinks where it stands, so a large file costs its own size once and never a second copy.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "platform/huge_pages.h"

namespace kv {

class ByteBlock {
public:
    ByteBlock() = default;
    // `size` bytes of unspecified content. Throws std::bad_alloc.
    explicit ByteBlock(size_t size) : bytes_(Allocate(size)), size_(size) { AdviseHugePages(bytes_.get(), size); }
    ByteBlock(const ByteBlock& other) : ByteBlock(other.size_) {
        if (size_) std::memcpy(bytes_.get(), other.bytes_.get(), size_);
    }
    ByteBlock& operator=(const ByteBlock& other) {
        if (this != &other) *this = ByteBlock(other);
        return *this;
    }
    ByteBlock(ByteBlock&&) noexcept = default;
    ByteBlock& operator=(ByteBlock&&) noexcept = default;
    ~ByteBlock() = default;

    char* data() { return bytes_.get(); }
    const char* data() const { return bytes_.get(); }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Keeps the first `size` bytes (or adds bytes of unspecified content); earlier pointers into
    // the block are invalid afterwards. Throws std::bad_alloc.
    void Resize(size_t size) {
        if (size == size_) return;
        char* moved = static_cast<char*>(std::realloc(bytes_.get(), size ? size : 1));
        if (!moved) throw std::bad_alloc();
        (void)bytes_.release();
        bytes_.reset(moved);
        size_ = size;
    }

private:
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };

    static char* Allocate(size_t size) {
        auto* p = static_cast<char*>(std::malloc(size ? size : 1));
        if (!p) throw std::bad_alloc();
        return p;
    }

    std::unique_ptr<char, Free> bytes_;
    size_t size_ = 0;
};

}  // namespace kv
