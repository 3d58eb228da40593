// SelectionStream.cpp: writing and reading a text selection's private stream.
#include "textengine/SelectionStream.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

namespace quor {

namespace {

constexpr std::int32_t kTextSelection = 1;
constexpr std::int32_t kPictureObject = 3;

} // namespace

std::vector<std::uint8_t> SelectionStream::Write(std::string_view markup, int paragraphs)
{
    ByteWriter out;
    out.I32(kTextSelection);
    out.I32(0); // local link objects
    out.I32(0); // support objects
    out.I32(0); // embedded objects
    out.I32(paragraphs);
    const std::size_t nul = markup.find('\0');
    out.Text(markup.substr(0, nul));
    out.U8(0);
    return std::move(out.Data());
}

std::optional<SelectionMarkup> SelectionStream::Read(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    const auto header = in.I32();
    if (!header || (*header != kTextSelection && *header != kPictureObject))
        return std::nullopt;
    for (int block = 0; block < 3; ++block) {
        const auto count = in.I32();
        if (!count || *count != 0)
            return std::nullopt;
    }
    const auto paragraphs = in.I32();
    if (!paragraphs || *paragraphs < 0)
        return std::nullopt;
    const auto rest = in.Bytes(in.Remaining());
    SelectionMarkup out;
    out.paragraphs = *paragraphs;
    out.markup.assign(reinterpret_cast<const char*>(rest->data()), rest->size());
    const std::size_t nul = out.markup.find('\0');
    if (nul != std::string::npos)
        out.markup.resize(nul);
    return out;
}

} // namespace quor
