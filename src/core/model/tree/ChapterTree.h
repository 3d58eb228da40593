// ChapterTree.h: the pages (or custom-object prototypes) of a hypertext arranged
// in chapters, and the text stream in which the arrangement is kept: the
// content of the document's page-tree or custom-tree short object (kind 11).
//
// Stream: one line per node in pre-order, "a" + depth + "," + code + "," +
// caption, lines ended by CR LF (a lone CR or LF also ends a line when read).
//   code >= 0  an object node: the ObjectRef of a page (kind 0) or prototype
//              (kind 12); the caption is written "x" and read from the object
//   code -1    a node without data        code -2  the root (the hypertext)
//   code -3    a chapter
// Depth and code that are not decimal numbers read as 1.
#pragma once

#include "model/ObjectRef.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class IMessages;
class TUVAoggetto;
class TUVAset;

enum class TreeNodeData { Nothing, Document, Chapter, Object };

struct TreeNode {
    std::string caption;
    TreeNodeData data = TreeNodeData::Nothing;
    TUVAoggetto* object = nullptr;   // for TreeNodeData::Object
    std::string icon;                // file-type icon name ("i.uva", "i.txt", "i.ini", "i.hlp"); empty for none
    TreeNode* parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> children;

    int Depth() const;
    int Position() const;            // among its siblings
    bool IsChapterOrRoot() const { return data == TreeNodeData::Chapter || data == TreeNodeData::Document; }
    bool IsDescendantOf(const TreeNode* node) const;   // strictly below `node`
};

class ChapterTree {
public:
    // `kind` is 0 for the page tree and 12 for the prototype tree.
    ChapterTree(TUVAset* document, int kind);

    TUVAset* Document() const { return m_doc; }
    int Kind() const { return m_kind; }
    // The kind-11 object holding the stream; null without a document or for another kind.
    TUVAoggetto* TreeObject() const;

    // Top-level nodes.
    const std::vector<std::unique_ptr<TreeNode>>& Roots() const { return m_roots; }
    void Clear() { m_roots.clear(); }

    // Builds the tree from the tree object's stream, or, when it is empty, the
    // default tree (a root named after the document's file, one node per live
    // object of the kind in index order), which is then saved.
    void Reload();
    // Writes the stream into the tree object's content (replacing it).
    void SaveTree();

    // Reads a stream, reporting "error decoding nodes" (line without the leading
    // "a") and "error loading nodes" (depth more than one below the line before;
    // the line is skipped) through `messages`.
    void ReadStream(std::string_view text, IMessages& messages);
    std::string WriteStream() const;

    // All nodes in pre-order.
    std::vector<TreeNode*> PreOrder() const;
    // The first node in pre-order whose object has `ref`.
    TreeNode* FindRef(ObjectRef ref) const;
    // Objects of the object nodes in pre-order.
    std::vector<TUVAoggetto*> ObjectsInTree() const;

    // Moves a node among its siblings (its subtree with it). False when it cannot move.
    bool MoveUp(TreeNode* node);
    bool MoveDown(TreeNode* node);
    // Makes `node` (with its subtree) the last child of `target`; refused for the
    // root, for a target that is the node or below it, and for an object target.
    bool MoveInto(TreeNode* node, TreeNode* target);
    // Adds a chapter / an object node as the last child of a chapter or root.
    TreeNode* AddChapter(TreeNode* parent, std::string_view caption);
    TreeNode* AddObject(TreeNode* parent, ObjectRef ref);
    // Removes a node and its subtree (never the root, never the objects themselves).
    bool DeleteNode(TreeNode* node);
    // Whether a node's caption may be edited: the root and nodes without data
    // always, chapters and prototypes only when the tree is editable, pages never.
    static bool CanRename(const TreeNode* node, bool editable);
    // New caption of a node; an object node renames its object.
    void Rename(TreeNode* node, std::string_view caption);

private:
    std::string IconOfKind() const;
    TreeNode* Append(TreeNode* parent, std::unique_ptr<TreeNode> node);
    std::vector<std::unique_ptr<TreeNode>>& SiblingsOf(TreeNode* node);
    std::unique_ptr<TreeNode> Detach(TreeNode* node);

    TUVAset* m_doc;
    int m_kind;
    std::vector<std::unique_ptr<TreeNode>> m_roots;
};

} // namespace quor
