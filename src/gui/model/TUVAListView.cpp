#include "model/TUVAListView.h"

#include "base/Cp1252.h"
#include "model/FileTypeIcons.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/tree/ObjectListing.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quor {

namespace {

constexpr int kRefRole = Qt::UserRole + 1;

QString FromDoc(const std::string& s) { return QString::fromStdString(Cp1252ToUtf8(s)); }

} // namespace

TUVAListView::TUVAListView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(4);
    setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Size"), QStringLiteral("File name"), QString()});
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setRootIsDecorated(false);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::itemChanged, this, &TUVAListView::OnItemChanged);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        m_editing = item;
        m_captionBeforeEdit = item->text(0);
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
        m_editing = item;
        m_captionBeforeEdit = item ? item->text(0) : QString();
    });
}

void TUVAListView::Reload()
{
    m_filling = true;
    clear();
    if (!LinkedUVAset) {
        m_filling = false;
        return;
    }
    setSortingEnabled(false);
    ListFilter filter;
    if (OnFilter)
        filter = [this](TUVAoggetto& obj, bool& include) { OnFilter(this, &obj, include); };
    for (const ListedObject& row : ListObjects(*LinkedUVAset, Objects, filter)) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, FromDoc(row.caption));
        item->setText(1, QString::fromStdString(row.size));
        item->setText(2, FromDoc(row.fileName));
        item->setText(3, QString::fromStdString(row.pageIndex));
        item->setData(0, kRefRole, row.ref);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (row.icon.type == ListIcon::Type::FileType)
            item->setIcon(0, FileTypeIcon(FromDoc(row.icon.fileName)));
        else if (row.icon.type == ListIcon::Type::Fixed)
            item->setIcon(0, FixedIcon(row.icon.fixed));
    }
    // Sorted by caption once; later items keep the place they are added at.
    sortItems(0, Qt::AscendingOrder);
    m_filling = false;
    if (OnReload)
        OnReload(this);
}

ObjectRef TUVAListView::SelectedRef() const
{
    const QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(0, kRefRole).toInt() : kNoRef;
}

TUVAoggetto* TUVAListView::ObjectOf(const QTreeWidgetItem* item) const
{
    if (!item || !LinkedUVAset)
        return nullptr;
    return LinkedUVAset->GetObjectByRef(item->data(0, kRefRole).toInt());
}

TUVAoggetto* TUVAListView::SelectedObject() const
{
    const QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? ObjectOf(item) : nullptr;
}

void TUVAListView::SelectRef(ObjectRef ref)
{
    if (!LinkedUVAset)
        return;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        if (item->data(0, kRefRole).toInt() == ref) {
            setCurrentItem(item);
            scrollToItem(item);
            return;
        }
    }
}

void TUVAListView::MarkedObjects(std::vector<TUVAoggetto*>* list) const
{
    if (!list)
        return;
    for (QTreeWidgetItem* item : selectedItems())
        if (TUVAoggetto* obj = ObjectOf(item))
            list->push_back(obj);
}

void TUVAListView::CancelCaptionEdit()
{
    if (!m_editing || state() != QAbstractItemView::EditingState)
        return;
    m_cancelling = true;
    QWidget* editor = indexWidget(currentIndex());
    if (editor)
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    m_editing->setText(0, m_captionBeforeEdit);
    m_cancelling = false;
}

void TUVAListView::OnItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || m_cancelling || column != 0 || !LinkedUVAset)
        return;
    TUVAoggetto* obj = ObjectOf(item);
    if (!obj || obj->IsDeleted())
        return;
    if (OnEditStart)
        OnEditStart(this);
    const std::string newName = Utf8ToCp1252(item->text(0).toStdString());
    const std::string shown = RenameListedObject(*LinkedUVAset, *obj, newName);
    m_filling = true;
    item->setText(0, FromDoc(shown));
    m_filling = false;
    m_captionBeforeEdit = item->text(0);
    if (OnEditStop)
        OnEditStop(this);
}

void TUVAListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        state() != QAbstractItemView::EditingState) {
        QTreeWidgetItem* item = currentItem();
        bool allow = false;
        if (item && OnDel)
            OnDel(this, item, allow);
        if (item && allow)
            delete item;
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TUVAListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && RightMouseSelect) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
            setCurrentItem(item);
            emit itemClicked(item, 0);
        }
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

} // namespace quor
