#include "model/TUVAorderedTree.h"

#include "base/Cp1252.h"
#include "model/FileTypeIcons.h"
#include "model/TUVAListView.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <set>

namespace quor {

namespace {

constexpr int kNodeRole = Qt::UserRole + 2;

QString FromDoc(const std::string& s) { return QString::fromStdString(Cp1252ToUtf8(s)); }

} // namespace

TUVAorderedTree::TUVAorderedTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::itemChanged, this, &TUVAorderedTree::OnItemChanged);
}

void TUVAorderedTree::SetLinkedUVAset(TUVAset* document)
{
    if (document == m_doc)
        return;
    m_doc = document;
    m_tree.reset();
    m_filling = true;
    clear();
    m_filling = false;
}

TreeNode* TUVAorderedTree::NodeOf(const QTreeWidgetItem* item) const
{
    return item ? reinterpret_cast<TreeNode*>(item->data(0, kNodeRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* TUVAorderedTree::ItemOf(const TreeNode* node) const
{
    if (!node)
        return nullptr;
    QTreeWidgetItemIterator it(const_cast<TUVAorderedTree*>(this));
    for (; *it; ++it)
        if (NodeOf(*it) == node)
            return *it;
    return nullptr;
}

void TUVAorderedTree::Reload()
{
    if (!m_doc || (Objects != testoHtml && Objects != custom))
        return;
    m_tree = std::make_unique<ChapterTree>(m_doc, Objects);
    m_tree->Reload();
    Rebuild(nullptr);
}

void TUVAorderedTree::Rebuild(const TreeNode* select)
{
    // Expanded nodes stay expanded across a rebuild.
    std::set<const TreeNode*> expanded;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if ((*it)->isExpanded())
            expanded.insert(NodeOf(*it));
    m_filling = true;
    clear();
    if (m_tree) {
        std::function<void(QTreeWidgetItem*, const TreeNode&)> add = [&](QTreeWidgetItem* parentItem, const TreeNode& node) {
            auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
            item->setText(0, FromDoc(node.caption));
            item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
            if (!node.icon.empty())
                item->setIcon(0, FileTypeIcon(QString::fromStdString(node.icon)));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
            if (node.IsChapterOrRoot())
                flags |= Qt::ItemIsDropEnabled;
            if (ChapterTree::CanRename(&node, Editable))
                flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            for (const auto& child : node.children)
                add(item, *child);
            item->setExpanded(expanded.count(&node) > 0 || !parentItem);
        };
        for (const auto& root : m_tree->Roots())
            add(nullptr, *root);
    }
    m_filling = false;
    if (QTreeWidgetItem* item = ItemOf(select)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

void TUVAorderedTree::SaveTree()
{
    if (m_tree)
        m_tree->SaveTree();
}

TUVAoggetto* TUVAorderedTree::SelectRef(ObjectRef ref)
{
    TreeNode* node = m_tree ? m_tree->FindRef(ref) : nullptr;
    if (!node)
        return nullptr;
    setCurrentItem(ItemOf(node));
    return node->object;
}

void TUVAorderedTree::ObjectsInTree(std::vector<TUVAoggetto*>* list) const
{
    if (!list || !m_tree)
        return;
    for (TUVAoggetto* obj : m_tree->ObjectsInTree())
        list->push_back(obj);
}

void TUVAorderedTree::MoveUp()
{
    TreeNode* node = NodeOf(currentItem());
    if (Editable && m_tree && node && m_tree->MoveUp(node))
        Rebuild(node);
}

void TUVAorderedTree::MoveDown()
{
    TreeNode* node = NodeOf(currentItem());
    if (Editable && m_tree && node && m_tree->MoveDown(node))
        Rebuild(node);
}

void TUVAorderedTree::AddChapter(const QString& caption)
{
    if (!m_tree)
        return;
    if (TreeNode* node = m_tree->AddChapter(NodeOf(currentItem()), Utf8ToCp1252(caption.toStdString())))
        Rebuild(node);
}

void TUVAorderedTree::AddObject(ObjectRef ref)
{
    if (!m_tree)
        return;
    if (TreeNode* node = m_tree->AddObject(NodeOf(currentItem()), ref))
        Rebuild(node);
}

QString TUVAorderedTree::SelectedChapterName() const
{
    const TreeNode* node = NodeOf(currentItem());
    return node && node->data == TreeNodeData::Chapter ? FromDoc(node->caption) : QString();
}

TUVAoggetto* TUVAorderedTree::SelectedObject() const
{
    const TreeNode* node = NodeOf(currentItem());
    return node && node->data == TreeNodeData::Object ? node->object : nullptr;
}

void TUVAorderedTree::DeleteNode(QTreeWidgetItem* item)
{
    TreeNode* node = NodeOf(item);
    if (!Editable || !m_tree || !node || node->data == TreeNodeData::Document)
        return;
    if (Objects == custom) {
        bool allow = false;
        if (OnDel)
            OnDel(this, item, allow);
        if (!allow)
            return;
    }
    TreeNode* parentNode = node->parent;
    if (m_tree->DeleteNode(node))
        Rebuild(parentNode);
}

void TUVAorderedTree::OnItemChanged(QTreeWidgetItem* item, int column)
{
    TreeNode* node = NodeOf(item);
    if (m_filling || column != 0 || !node || !m_tree)
        return;
    m_tree->Rename(node, Utf8ToCp1252(item->text(0).toStdString()));
    m_filling = true;
    item->setText(0, FromDoc(node->caption));
    m_filling = false;
    if (node->data == TreeNodeData::Object && OnRenameItem)
        OnRenameItem(this);
}

void TUVAorderedTree::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        state() != QAbstractItemView::EditingState) {
        DeleteNode(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TUVAorderedTree::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && LeftMouseSelect) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint()))
            setCurrentItem(item);
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TUVAorderedTree::dragMoveEvent(QDragMoveEvent* event)
{
    const TreeNode* target = NodeOf(itemAt(event->position().toPoint()));
    const bool fromUs = qobject_cast<TUVAorderedTree*>(event->source()) || qobject_cast<TUVAListView*>(event->source());
    if (Editable && fromUs && target && target->IsChapterOrRoot())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TUVAorderedTree::dropEvent(QDropEvent* event)
{
    // Drops from another tree or a list are the form's affair; only moves inside
    // this tree are handled here.
    TreeNode* target = NodeOf(itemAt(event->position().toPoint()));
    TreeNode* node = NodeOf(currentItem());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (!Editable || event->source() != this || !target || !node || !m_tree)
        return;
    if (m_tree->MoveInto(node, target))
        Rebuild(node);
}

} // namespace quor
