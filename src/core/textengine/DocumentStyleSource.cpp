// DocumentStyleSource.cpp: style records straight from the document's objects,
// so every getter sees the record as it is at the moment of the call.
#include "textengine/DocumentStyleSource.h"

#include "model/TUVAset.h"

namespace quor {

std::span<const std::uint8_t> DocumentStyleSource::StyleRecord(int id) const
{
    const TUVAoggetto* style = m_set.GetObject(stileParagrafo, id);
    if (!style)
        return {};
    return style->Record();
}

} // namespace quor
