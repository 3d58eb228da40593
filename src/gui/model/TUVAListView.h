// TUVAListView.h: a list of the live objects of one kind of a hypertext, with
// columns "Title", "Size", "File name" and the page index; dialogs use it to
// pick, rename and delete objects. Items carry their object's ObjectRef.
#pragma once

#include "model/ObjectKind.h"
#include "model/ObjectRef.h"

#include <QTreeWidget>

#include <functional>
#include <vector>

namespace quor {

class TUVAoggetto;
class TUVAset;

class TUVAListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TUVAListView(QWidget* parent = nullptr);

    // Setting either does not reload.
    TUVAset* LinkedUVAset = nullptr;
    int Objects = testoHtml;
    bool RightMouseSelect = true;

    std::function<void(TUVAListView*)> OnReload;
    std::function<void(TUVAListView*)> OnEditStart;
    std::function<void(TUVAListView*)> OnEditStop;
    std::function<void(TUVAListView*, TUVAoggetto*, bool& include)> OnFilter;
    std::function<void(TUVAListView*, QTreeWidgetItem*, bool& allow)> OnDel;

    void Reload();
    ObjectRef SelectedRef() const;
    TUVAoggetto* SelectedObject() const;
    TUVAoggetto* ObjectOf(const QTreeWidgetItem* item) const;
    void SelectRef(ObjectRef ref);
    // Appends the objects of all selected items.
    void MarkedObjects(std::vector<TUVAoggetto*>* list) const;
    // Ends a caption edit, giving the item back its caption; nothing is renamed.
    void CancelCaptionEdit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnItemChanged(QTreeWidgetItem* item, int column);

    bool m_filling = false;
    bool m_cancelling = false;
    QTreeWidgetItem* m_editing = nullptr;
    QString m_captionBeforeEdit;
};

} // namespace quor
