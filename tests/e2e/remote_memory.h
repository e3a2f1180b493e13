// Common controls answer some messages through pointers (tab items, tooltips). Across
// processes those pointers must point into the palette's own memory: this is that memory.
#pragma once

#include <windows.h>

#include <cstddef>

namespace kv::e2e {

class RemoteBuffer {
public:
    // Memory in the process that owns `window`; check valid() before use.
    RemoteBuffer(HWND window, size_t size);
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    bool valid() const { return address_ != nullptr; }
    // The address as the other process sees it, offset by `offset` bytes.
    void* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

}  // namespace kv::e2e
