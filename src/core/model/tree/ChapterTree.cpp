#include "model/tree/ChapterTree.h"

#include "base/IMessages.h"
#include "model/ObjectKind.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/records/EmbeddedName.h"

#include <algorithm>
#include <charconv>

namespace quor {

namespace {

constexpr int kCodeNothing = -1, kCodeRoot = -2, kCodeChapter = -3;

// A decimal integer (optional sign); `fallback` for anything else.
int DecimalOr(std::string_view s, int fallback)
{
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return fallback;
    return value;
}

// A caption must stay on its line.
std::string OneLine(std::string_view caption)
{
    std::string out(caption);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

} // namespace

int TreeNode::Depth() const
{
    int d = 0;
    for (const TreeNode* p = parent; p; p = p->parent)
        ++d;
    return d;
}

int TreeNode::Position() const
{
    if (!parent)
        return -1;
    for (std::size_t i = 0; i < parent->children.size(); ++i)
        if (parent->children[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

bool TreeNode::IsDescendantOf(const TreeNode* node) const
{
    for (const TreeNode* p = parent; p; p = p->parent)
        if (p == node)
            return true;
    return false;
}

ChapterTree::ChapterTree(TUVAset* document, int kind) : m_doc(document), m_kind(kind) {}

TUVAoggetto* ChapterTree::TreeObject() const
{
    if (!m_doc)
        return nullptr;
    if (m_kind == testoHtml)
        return m_doc->PageTreeObject();
    if (m_kind == custom)
        return m_doc->CustomTreeObject();
    return nullptr;
}

std::string ChapterTree::IconOfKind() const { return m_kind == custom ? "i.ini" : "i.txt"; }

TreeNode* ChapterTree::Append(TreeNode* parent, std::unique_ptr<TreeNode> node)
{
    node->parent = parent;
    auto& list = parent ? parent->children : m_roots;
    list.push_back(std::move(node));
    return list.back().get();
}

std::vector<std::unique_ptr<TreeNode>>& ChapterTree::SiblingsOf(TreeNode* node)
{
    return node->parent ? node->parent->children : m_roots;
}

std::unique_ptr<TreeNode> ChapterTree::Detach(TreeNode* node)
{
    auto& list = SiblingsOf(node);
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& n) { return n.get() == node; });
    if (it == list.end())
        return nullptr;
    std::unique_ptr<TreeNode> owned = std::move(*it);
    list.erase(it);
    owned->parent = nullptr;
    return owned;
}

void ChapterTree::Reload()
{
    TUVAoggetto* holder = TreeObject();
    if (!holder)
        return;
    m_roots.clear();
    const std::string text = holder->ContentText();
    if (!text.empty()) {
        ReadStream(text, m_doc->Messages());
        return;
    }
    auto root = std::make_unique<TreeNode>();
    root->caption = records::WithoutFolder(m_doc->UVAFileName());
    root->data = TreeNodeData::Document;
    root->icon = "i.uva";
    TreeNode* top = Append(nullptr, std::move(root));
    const auto& list = m_doc->List(m_kind);
    for (const auto& obj : list) {
        if (!obj || obj->IsDeleted())
            continue;
        auto node = std::make_unique<TreeNode>();
        node->caption = obj->GetName();
        node->data = TreeNodeData::Object;
        node->object = obj.get();
        node->icon = IconOfKind();
        Append(top, std::move(node));
    }
    SaveTree();
}

void ChapterTree::ReadStream(std::string_view text, IMessages& messages)
{
    m_roots.clear();
    TreeNode* previous = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        // CR LF is one line end; a lone CR or LF is one too.
        pos = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
        if (line.empty() || line.front() != 'a') {
            messages.Error("error decoding nodes");
            continue;
        }
        const std::size_t comma1 = line.find(',');
        const std::size_t comma2 = comma1 == std::string_view::npos ? std::string_view::npos : line.find(',', comma1 + 1);
        const int depth = DecimalOr(comma1 == std::string_view::npos ? std::string_view() : line.substr(1, comma1 - 1), 1);
        const int code = DecimalOr(comma1 == std::string_view::npos
                                       ? std::string_view()
                                       : line.substr(comma1 + 1, comma2 == std::string_view::npos ? std::string_view::npos
                                                                                                 : comma2 - comma1 - 1),
                                   1);
        const std::string caption(comma2 == std::string_view::npos ? std::string_view() : line.substr(comma2 + 1));

        TreeNode* parent = nullptr;
        if (previous) {
            const int pd = previous->Depth();
            if (depth == pd) {
                parent = previous->parent;
            } else if (depth == pd + 1) {
                parent = previous;
            } else if (depth < pd) {
                TreeNode* ancestor = previous->parent;
                while (ancestor && ancestor->Depth() > depth)
                    ancestor = ancestor->parent;
                parent = ancestor ? ancestor->parent : nullptr;   // a negative depth lands at the top
            } else {
                messages.Error("error loading nodes");
                continue;
            }
        }
        auto node = std::make_unique<TreeNode>();
        node->caption = caption;
        if (code == kCodeChapter) {
            node->data = TreeNodeData::Chapter;
            node->icon = "i.hlp";
        } else if (code == kCodeRoot) {
            node->data = TreeNodeData::Document;
            node->icon = "i.uva";
        } else if (code != kCodeNothing && RefKind(code) == m_kind) {
            node->icon = IconOfKind();
            TUVAoggetto* obj = m_doc ? m_doc->GetObjectByRef(code) : nullptr;
            // A deleted page or prototype is no longer there to show.
            if (obj && !obj->IsDeleted() && obj->Kind() == m_kind) {
                node->data = TreeNodeData::Object;
                node->object = obj;
                node->caption = obj->GetName();
            }
        }
        previous = Append(parent, std::move(node));
    }
}

std::string ChapterTree::WriteStream() const
{
    std::string out;
    for (const TreeNode* node : PreOrder()) {
        out += "a" + std::to_string(node->Depth()) + ",";
        switch (node->data) {
        case TreeNodeData::Object: out += std::to_string(node->object->GetRef()) + ",x"; break;
        case TreeNodeData::Chapter: out += std::to_string(kCodeChapter) + "," + OneLine(node->caption); break;
        case TreeNodeData::Document: out += std::to_string(kCodeRoot) + "," + OneLine(node->caption); break;
        case TreeNodeData::Nothing: out += std::to_string(kCodeNothing) + "," + OneLine(node->caption); break;
        }
        out += "\r\n";
    }
    return out;
}

void ChapterTree::SaveTree()
{
    TUVAoggetto* holder = TreeObject();
    if (!holder)
        return;
    const std::string text = WriteStream();
    holder->SetContentBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<TreeNode*> ChapterTree::PreOrder() const
{
    std::vector<TreeNode*> out;
    std::vector<TreeNode*> stack;
    for (auto it = m_roots.rbegin(); it != m_roots.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        TreeNode* n = stack.back();
        stack.pop_back();
        out.push_back(n);
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            stack.push_back(it->get());
    }
    return out;
}

TreeNode* ChapterTree::FindRef(ObjectRef ref) const
{
    for (TreeNode* n : PreOrder())
        if (n->data == TreeNodeData::Object && n->object->GetRef() == ref)
            return n;
    return nullptr;
}

std::vector<TUVAoggetto*> ChapterTree::ObjectsInTree() const
{
    std::vector<TUVAoggetto*> out;
    for (TreeNode* n : PreOrder())
        if (n->data == TreeNodeData::Object)
            out.push_back(n->object);
    return out;
}

bool ChapterTree::MoveUp(TreeNode* node)
{
    if (!node)
        return false;
    auto& list = SiblingsOf(node);
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& n) { return n.get() == node; });
    if (it == list.end() || it == list.begin())
        return false;
    std::iter_swap(it, it - 1);
    return true;
}

bool ChapterTree::MoveDown(TreeNode* node)
{
    if (!node)
        return false;
    auto& list = SiblingsOf(node);
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& n) { return n.get() == node; });
    if (it == list.end() || it + 1 == list.end())
        return false;
    std::iter_swap(it, it + 1);
    return true;
}

bool ChapterTree::MoveInto(TreeNode* node, TreeNode* target)
{
    if (!node || !target || node == target || node->data == TreeNodeData::Document || !target->IsChapterOrRoot() ||
        target->IsDescendantOf(node))
        return false;
    std::unique_ptr<TreeNode> owned = Detach(node);
    if (!owned)
        return false;
    Append(target, std::move(owned));
    return true;
}

TreeNode* ChapterTree::AddChapter(TreeNode* parent, std::string_view caption)
{
    if (!TreeObject() || !parent || !parent->IsChapterOrRoot())
        return nullptr;
    auto node = std::make_unique<TreeNode>();
    node->caption = OneLine(caption);
    node->data = TreeNodeData::Chapter;
    node->icon = "i.hlp";
    return Append(parent, std::move(node));
}

TreeNode* ChapterTree::AddObject(TreeNode* parent, ObjectRef ref)
{
    if (!TreeObject() || !parent || !parent->IsChapterOrRoot())
        return nullptr;
    TUVAoggetto* obj = m_doc->GetObjectByRef(ref);
    if (!obj || obj->IsDeleted())
        return nullptr;
    auto node = std::make_unique<TreeNode>();
    node->caption = obj->GetName();
    node->data = TreeNodeData::Object;
    node->object = obj;
    node->icon = IconOfKind();
    return Append(parent, std::move(node));
}

bool ChapterTree::DeleteNode(TreeNode* node)
{
    if (!node || node->data == TreeNodeData::Document)
        return false;
    return Detach(node) != nullptr;
}

bool ChapterTree::CanRename(const TreeNode* node, bool editable)
{
    if (!node)
        return false;
    switch (node->data) {
    case TreeNodeData::Document:
    case TreeNodeData::Nothing: return true;
    case TreeNodeData::Chapter: return editable;
    case TreeNodeData::Object: return editable && node->object->Kind() == custom;
    }
    return false;
}

void ChapterTree::Rename(TreeNode* node, std::string_view caption)
{
    if (!node)
        return;
    if (node->data == TreeNodeData::Object) {
        node->object->SetName(caption);
        node->caption = node->object->GetName();
        return;
    }
    node->caption = OneLine(caption);
}

} // namespace quor
