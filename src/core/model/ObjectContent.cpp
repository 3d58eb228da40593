// ObjectContent.cpp: memory or lazily read blocks.
#include "model/ObjectContent.h"

namespace quor {

ObjectContent::ObjectContent(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)), m_loaded(true) {}

ObjectContent ObjectContent::OnDisk(std::shared_ptr<IContentSource> source, std::uint64_t offset, std::size_t length)
{
    ObjectContent c;
    c.m_source = std::move(source);
    c.m_offset = offset;
    c.m_length = length;
    c.m_loaded = false;
    return c;
}

const std::vector<std::uint8_t>* ObjectContent::Bytes()
{
    if (!m_loaded) {
        std::vector<std::uint8_t> data;
        if (!m_source || !m_source->Read(m_offset, m_length, data) || data.size() != m_length)
            return nullptr;
        m_bytes = std::move(data);
        m_loaded = true;
    }
    return &m_bytes;
}

std::vector<std::uint8_t>* ObjectContent::MutableBytes()
{
    if (!Bytes())
        return nullptr;
    m_source.reset();
    m_offset = 0;
    m_length = 0;
    return &m_bytes;
}

void ObjectContent::DropCache()
{
    if (IsOnDisk()) {
        m_bytes.clear();
        m_bytes.shrink_to_fit();
        m_loaded = false;
    }
}

} // namespace quor
