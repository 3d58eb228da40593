// TUVAorderedTree.h: the pages (Objects 0) or custom-object prototypes
// (Objects 12) of a hypertext arranged in chapters, over the core ChapterTree.
// The widget mirrors the core tree: every change goes to the core tree first
// and the items are rebuilt from it; SaveTree stores the arrangement.
#pragma once

#include "model/ObjectKind.h"
#include "model/ObjectRef.h"
#include "model/tree/ChapterTree.h"

#include <QTreeWidget>

#include <functional>
#include <memory>
#include <vector>

namespace quor {

class TUVAoggetto;
class TUVAset;

class TUVAorderedTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit TUVAorderedTree(QWidget* parent = nullptr);

    // Changing the document empties the tree.
    void SetLinkedUVAset(TUVAset* document);
    TUVAset* LinkedUVAset() const { return m_doc; }
    int Objects = testoHtml;   // setting it does not reload
    bool Editable = false;
    bool LeftMouseSelect = true;
    std::function<void(TUVAorderedTree*, QTreeWidgetItem*, bool& allow)> OnDel;
    std::function<void(TUVAorderedTree*)> OnRenameItem;

    void Reload();
    void SaveTree();
    TUVAoggetto* SelectRef(ObjectRef ref);
    void ObjectsInTree(std::vector<TUVAoggetto*>* list) const;
    void MoveUp();
    void MoveDown();
    void AddChapter(const QString& caption);
    void AddObject(ObjectRef ref);
    QString SelectedChapterName() const;
    TUVAoggetto* SelectedObject() const;
    void DeleteNode(QTreeWidgetItem* item);

    TreeNode* NodeOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemOf(const TreeNode* node) const;
    const ChapterTree* Tree() const { return m_tree.get(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Rebuild(const TreeNode* select);
    void OnItemChanged(QTreeWidgetItem* item, int column);

    TUVAset* m_doc = nullptr;
    std::unique_ptr<ChapterTree> m_tree;
    bool m_filling = false;
};

} // namespace quor
