// TNonVisCornice.cpp: frame map reading and writing, frame-set HTML.
#include "composition/frames/TNonVisCornice.h"

#include "model/ObjectRef.h"

namespace quor {

std::unique_ptr<TNonVisCornice> TNonVisCornice::ReadMap(std::span<const std::uint8_t> data, std::int32_t recordSize)
{
    if (recordSize <= 0)
        return nullptr;
    const std::size_t size = static_cast<std::size_t>(recordSize);
    const std::size_t count = data.size() / size;
    if (count == 0)
        return nullptr;
    auto recordAt = [&](std::size_t i) { return FrameRecord::Read(data.subspan(i * size, size)); };

    auto root = std::make_unique<TNonVisCornice>();
    root->record = recordAt(0);
    // The recursive definition read with an explicit stack, so that a deep map
    // from a damaged file cannot exhaust the call stack.
    std::vector<TNonVisCornice*> open{root.get()};
    for (std::size_t i = 1; i < count && !open.empty();) {
        FrameRecord r = recordAt(i);
        if (r.parentId == open.back()->record.id && open.size() < static_cast<std::size_t>(kMaxFrameDepth)) {
            auto child = std::make_unique<TNonVisCornice>();
            child->record = std::move(r);
            TNonVisCornice* c = child.get();
            open.back()->children.push_back(std::move(child));
            open.push_back(c);
            ++i;
        } else {
            open.pop_back();
        }
    }
    return root;
}

void TNonVisCornice::WriteNode(ByteWriter& out, std::int32_t parentId) const
{
    FrameRecord r = record;
    r.parentId = parentId;
    r.hasChildren = children.empty() ? 0 : 1;
    r.Write(out);
    for (const auto& c : children)
        c->WriteNode(out, record.id);
}

void TNonVisCornice::WriteMap(ByteWriter& out) const
{
    WriteNode(out, -1);
}

std::vector<std::uint8_t> TNonVisCornice::MapBytes() const
{
    ByteWriter out;
    WriteMap(out);
    return out.Data();
}

int TNonVisCornice::FrameCount() const
{
    int n = 1;
    for (const auto& c : children)
        n += c->FrameCount();
    return n;
}

std::vector<const TNonVisCornice*> TNonVisCornice::Leaves() const
{
    std::vector<const TNonVisCornice*> out;
    std::vector<const TNonVisCornice*> todo{this};
    while (!todo.empty()) {
        const TNonVisCornice* n = todo.back();
        todo.pop_back();
        if (n->IsLeaf())
            out.push_back(n);
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            todo.push_back(it->get());
    }
    return out;
}

std::vector<TNonVisCornice*> TNonVisCornice::Leaves()
{
    std::vector<TNonVisCornice*> out;
    for (const TNonVisCornice* n : static_cast<const TNonVisCornice*>(this)->Leaves())
        out.push_back(const_cast<TNonVisCornice*>(n));
    return out;
}

namespace {

// Names come from the document: keep them from closing the attribute.
std::string AttributeText(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '"': out += "&quot;"; break;
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string SizeText(const FrameRecord& r)
{
    switch (r.sizeKind) {
    case fsPixels: return std::to_string(r.pixels);
    case fsRest: return "*";
    default: return std::to_string(r.percent) + "%";
    }
}

} // namespace

void TNonVisCornice::Html(std::string& out, const std::function<std::string(std::int32_t)>& pageFile,
                          std::vector<std::int32_t>* pagesMet) const
{
    if (!children.empty()) {
        out += "<FRAMESET ";
        const auto p = record.placement;
        if (p == 1 || p == 4 || p == 5)
            out += "ROWS=";
        else if (p <= 3)
            out += "COLS=";
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (i)
                out += ",";
            out += SizeText(children[i]->record);
        }
        const std::string spacing = std::to_string(record.spacing);
        out += " BORDER=" + spacing + " FRAMESPACING=" + spacing + " >\r\n";
        for (const auto& c : children)
            c->Html(out, pageFile, pagesMet);
        out += "</FRAMESET>\r\n";
        return;
    }
    std::string source;
    if (pageFile) {
        // A frame whose page no longer exists is left out: a FRAME without a
        // source would show the frame set itself again.
        source = pageFile(record.page);
        if (source.empty())
            return;
        source = AttributeText(source);
    } else {
        source = "$" + RefHex(record.page);
    }
    out += "<FRAME NAME=\"" + AttributeText(record.name) + "\" SRC=\"" + source + "\" SCROLLING=";
    out += record.scrolling ? "auto " : "no ";
    if (!record.border)
        out += "FRAMEBORDER=no ";
    out += record.resizable ? ">\r\n" : "NORESIZE>\r\n";
    if (pagesMet)
        pagesMet->push_back(record.page);
}

std::string TNonVisCornice::FrameSetHtml(const std::function<std::string(std::int32_t)>& pageFile,
                                         std::vector<std::int32_t>* pagesMet) const
{
    std::string out;
    Html(out, pageFile, pagesMet);
    return out;
}

} // namespace quor
