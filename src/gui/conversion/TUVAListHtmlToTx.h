// TUVAListHtmlToTx.h: the list, shown before an export, of the files it will
// write: the style sheet, the pages (with their page and frame-document files)
// and the pictures and attached files the owner asks for. Items have check
// boxes; editing an item's title renames its object.
#pragma once

#include "model/ObjectRef.h"

#include <QTreeWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quor {

class TUVAoggetto;
class TUVAtoHtml;

enum TFileSortType { fsName, fsSize, fsType, fsVersion };
enum TZuListType { ltHtml, ltOneFile, ltManyFiles };

class TUVAListHtmlToTx : public QTreeWidget {
    Q_OBJECT
public:
    // Columns, in order.
    enum Column { colTitle, colSize, colType, colFile, colFrameSize, colFrameFile, colVersion, colCount };

    explicit TUVAListHtmlToTx(QWidget* parent = nullptr);

    TFileSortType FileSortType = fsType;
    bool RightMouseSelect = true;
    // The converter whose names, folder and options are shown (its hypertext
    // is the one listed). Cleared by the owner before the converter goes.
    TUVAtoHtml* LinkedUVAtoHtml = nullptr;
    TZuListType ListType = ltHtml;
    std::function<void(TUVAListHtmlToTx*)> OnReload;

    // Pages to show at the next refill (all pages when empty; emptied by the
    // refill) and the pictures and attached files to show (only these are listed).
    std::vector<int> PagesToShow;
    std::vector<ObjectRef> ResourcesToShow;

    // Clears and fills the list, sorts it and fires OnReload.
    void Reload();
    void Sort();

    // Reference carried by an item: the object's, or -1 for the style-sheet row.
    static ObjectRef RefOf(const QTreeWidgetItem* item);
    TUVAoggetto* ObjectOf(const QTreeWidgetItem* item) const;

    void SetAllChecked(bool checked);
    // Checks the items whose version is greater than `version` or not a number.
    void CheckModifiedSince(int version);
    // Indexes of the checked items that are pages, in list order.
    std::vector<int> CheckedPages() const;
    // Check marks in list order, and back (ignored when the count differs).
    std::vector<bool> CheckMarks() const;
    void SetCheckMarks(const std::vector<bool>& marks);

    // Full paths of an item's files: its page (or resource, or style-sheet) file
    // and its frame document; the second is empty when there is none or it
    // equals the first.
    std::pair<std::string, std::string> ItemPaths(const QTreeWidgetItem* item) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnItemChanged(QTreeWidgetItem* item, int column);
    QTreeWidgetItem* AddRow(ObjectRef ref, const QStringList& columns);
    QString FileSize(const std::string& relativeName) const;

    bool m_filling = false;
};

} // namespace quor
