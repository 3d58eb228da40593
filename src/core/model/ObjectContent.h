// ObjectContent.h: a content or properties block of an object: bytes in memory,
// or a range of the document's backing file read on first use.
//
// A block read lazily stays "on disk" (IsOnDisk) after it was loaded: the loaded
// bytes are only a cache, so a writer may still stream it from the source. Any
// change through MutableBytes() turns the block into a plain memory block.
#pragma once

#include "model/IContentSource.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace quor {

class ObjectContent {
public:
    ObjectContent() = default;
    explicit ObjectContent(std::vector<std::uint8_t> bytes);
    static ObjectContent FromBytes(std::vector<std::uint8_t> bytes) { return ObjectContent(std::move(bytes)); }
    static ObjectContent OnDisk(std::shared_ptr<IContentSource> source, std::uint64_t offset, std::size_t length);

    bool IsOnDisk() const { return m_source != nullptr; }
    // Length of the block (known without reading it).
    std::size_t Size() const { return IsOnDisk() ? m_length : m_bytes.size(); }
    std::uint64_t DiskOffset() const { return m_offset; }
    const std::shared_ptr<IContentSource>& Source() const { return m_source; }

    // The bytes; an on-disk block is read now. nullptr when the source cannot be read.
    const std::vector<std::uint8_t>* Bytes();
    // The bytes for changing; an on-disk block is read and becomes a memory block.
    // nullptr when the source cannot be read (the block is then left as it was).
    std::vector<std::uint8_t>* MutableBytes();

    // Drops the cached copy of an on-disk block (memory blocks are unaffected).
    void DropCache();

private:
    std::vector<std::uint8_t> m_bytes;
    std::shared_ptr<IContentSource> m_source;
    std::uint64_t m_offset = 0;
    std::size_t m_length = 0;
    bool m_loaded = false;
};

} // namespace quor
