#include "conversion/TUVAListHtmlToTx.h"

#include "base/Cp1252.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectContent.h"
#include "model/ObjectKind.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>
#include <filesystem>

namespace quor {

namespace {

constexpr int kRefRole = Qt::UserRole + 1;

QString FromDoc(const std::string& s) { return QString::fromStdString(Cp1252ToUtf8(s)); }

// Empty and non-numeric columns count as 0 when sorting by size or version.
long long Number(const QString& text)
{
    bool ok = false;
    const long long n = text.toLongLong(&ok);
    return ok ? n : 0;
}

} // namespace

TUVAListHtmlToTx::TUVAListHtmlToTx(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(colCount);
    setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Size"), QStringLiteral("Type"), QStringLiteral("File"),
                     QStringLiteral("Size"), QStringLiteral("File for frame"), QStringLiteral("Version")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        switch (column) {
        case colTitle: FileSortType = fsName; break;
        case colSize: FileSortType = fsSize; break;
        case colType: FileSortType = fsType; break;
        case colVersion: FileSortType = fsVersion; break;
        default: return;   // the other columns do not sort
        }
        Sort();
    });
    connect(this, &QTreeWidget::itemChanged, this, &TUVAListHtmlToTx::OnItemChanged);
}

ObjectRef TUVAListHtmlToTx::RefOf(const QTreeWidgetItem* item)
{
    return item ? item->data(colTitle, kRefRole).toInt() : kNoRef;
}

TUVAoggetto* TUVAListHtmlToTx::ObjectOf(const QTreeWidgetItem* item) const
{
    const ObjectRef ref = RefOf(item);
    if (ref == kNoRef || !LinkedUVAtoHtml || !LinkedUVAtoHtml->LinkedUVAset)
        return nullptr;
    return LinkedUVAtoHtml->LinkedUVAset->GetObjectByRef(ref);
}

QString TUVAListHtmlToTx::FileSize(const std::string& relativeName) const
{
    if (relativeName.empty() || !LinkedUVAtoHtml)
        return {};
    std::error_code ec;
    const auto path = std::filesystem::path(LinkedUVAtoHtml->ExportPath) / Cp1252ToUtf8(relativeName);
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? QString() : QString::number(static_cast<qulonglong>(size));
}

QTreeWidgetItem* TUVAListHtmlToTx::AddRow(ObjectRef ref, const QStringList& columns)
{
    auto* item = new QTreeWidgetItem(this, columns);
    item->setData(colTitle, kRefRole, ref);
    Qt::ItemFlags flags = item->flags() | Qt::ItemIsUserCheckable;
    if (ref != kNoRef)
        flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    item->setCheckState(colTitle, Qt::Unchecked);
    return item;
}

void TUVAListHtmlToTx::Reload()
{
    m_filling = true;
    clear();
    TUVAtoHtml* conv = LinkedUVAtoHtml;
    TUVAset* doc = conv ? conv->LinkedUVAset : nullptr;
    if (!doc) {
        PagesToShow.clear();
        m_filling = false;
        if (OnReload)
            OnReload(this);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    const bool html = ListType == ltHtml;
    if (html) {
        const std::string css = conv->StyleSheetName();
        AddRow(kNoRef, {QStringLiteral("Text styles"), FileSize(css), QStringLiteral("CSS"), FromDoc(css), {}, {}, {}})
            ->setCheckState(colTitle, Qt::Checked);
    }
    std::vector<int> pages = PagesToShow;
    if (pages.empty()) {
        for (int i = 0; i < doc->ObjectCount(testoHtml); ++i)
            pages.push_back(i);
    }
    for (int index : pages) {
        TUVAtesto* page = doc->GetPage(index);
        if (!page || page->IsDeleted())
            continue;
        auto* obj = static_cast<TUVAoggetto*>(page);
        QString size, file, frameSize, frameFile;
        if (html) {
            const std::string name = conv->ExportedName(obj, kPageFile);
            file = FromDoc(name);
            size = FileSize(name);
            const std::string frameName = conv->ExportedName(obj, kFrameDocument);
            frameSize = FileSize(frameName);
            if (!frameSize.isEmpty())
                frameFile = FromDoc(frameName);
        }
        AddRow(obj->GetRef(), {FromDoc(obj->GetName()), size, QStringLiteral("Page"), file, frameSize, frameFile,
                               QString::number(obj->GetRevision())});
    }
    if (html) {
        for (int kind : {immagine, genLink}) {
            for (int i = 0; i < doc->ObjectCount(kind); ++i) {
                TUVAoggetto* obj = doc->GetObject(kind, i);
                if (!obj || obj->IsDeleted())
                    continue;
                if (std::find(ResourcesToShow.begin(), ResourcesToShow.end(), obj->GetRef()) == ResourcesToShow.end())
                    continue;
                const QString size = obj->Content() ? QString::number(obj->Content()->Size()) : QStringLiteral("0");
                AddRow(obj->GetRef(), {FromDoc(obj->GetName()), size,
                                       kind == immagine ? QStringLiteral("Image") : QStringLiteral("File"),
                                       FromDoc(conv->ExportedName(obj, kPageFile)), {}, {},
                                       QString::number(obj->GetRevision())});
            }
        }
    }
    PagesToShow.clear();
    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    Sort();
    for (int c = 0; c < colCount; ++c)
        resizeColumnToContents(c);
    m_filling = false;
    if (OnReload)
        OnReload(this);
}

void TUVAListHtmlToTx::Sort()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    std::vector<QTreeWidgetItem*> items;
    while (topLevelItemCount() > 0)
        items.push_back(takeTopLevelItem(0));
    const auto title = [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return QString::localeAwareCompare(a->text(colTitle), b->text(colTitle)) < 0;
    };
    std::stable_sort(items.begin(), items.end(), [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        switch (FileSortType) {
        case fsSize: return Number(a->text(colSize)) < Number(b->text(colSize));
        case fsType:
            if (a->text(colType) != b->text(colType))
                return a->text(colType) < b->text(colType);
            return title(a, b);
        case fsVersion:
            if (Number(a->text(colVersion)) != Number(b->text(colVersion)))
                return Number(a->text(colVersion)) < Number(b->text(colVersion));
            return title(a, b);
        case fsName:
        default: return title(a, b);
        }
    });
    for (auto* item : items)
        addTopLevelItem(item);
    m_filling = wasFilling;
}

void TUVAListHtmlToTx::SetAllChecked(bool checked)
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setCheckState(colTitle, checked ? Qt::Checked : Qt::Unchecked);
}

void TUVAListHtmlToTx::CheckModifiedSince(int version)
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        bool ok = false;
        const int v = item->text(colVersion).toInt(&ok);
        item->setCheckState(colTitle, !ok || v > version ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<int> TUVAListHtmlToTx::CheckedPages() const
{
    std::vector<int> pages;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        const ObjectRef ref = RefOf(item);
        if (item->checkState(colTitle) == Qt::Checked && ref != kNoRef && RefKind(ref) == testoHtml)
            pages.push_back(RefIndex(ref));
    }
    return pages;
}

std::vector<bool> TUVAListHtmlToTx::CheckMarks() const
{
    std::vector<bool> marks;
    for (int i = 0; i < topLevelItemCount(); ++i)
        marks.push_back(topLevelItem(i)->checkState(colTitle) == Qt::Checked);
    return marks;
}

void TUVAListHtmlToTx::SetCheckMarks(const std::vector<bool>& marks)
{
    if (marks.size() != static_cast<std::size_t>(topLevelItemCount()))
        return;
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setCheckState(colTitle, marks[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
}

std::pair<std::string, std::string> TUVAListHtmlToTx::ItemPaths(const QTreeWidgetItem* item) const
{
    if (!item || !LinkedUVAtoHtml)
        return {};
    const auto full = [this](const QString& name) {
        return (std::filesystem::path(LinkedUVAtoHtml->ExportPath) / name.toStdString()).string();
    };
    std::string first = full(item->text(colFile));
    std::string second = item->text(colFrameFile).isEmpty() ? std::string() : full(item->text(colFrameFile));
    if (second == first)
        second.clear();
    return {first, second};
}

void TUVAListHtmlToTx::mousePressEvent(QMouseEvent* event)
{
    if (RightMouseSelect && event->button() == Qt::RightButton) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
            setCurrentItem(item);
            emit itemClicked(item, columnAt(event->position().toPoint().x()));
        }
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TUVAListHtmlToTx::OnItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != colTitle)
        return;
    TUVAoggetto* obj = ObjectOf(item);
    if (!obj)
        return;
    const std::string name = Utf8ToCp1252(item->text(colTitle).toStdString());
    if (name == obj->GetName())
        return;
    // Editing the title renames the object; the list shows what was stored.
    obj->SetName(name);
    if (obj->Owner())
        obj->Owner()->SetModified(true);
    m_filling = true;
    item->setText(colTitle, FromDoc(obj->GetName()));
    m_filling = false;
}

} // namespace quor
