// TUVApage.cpp: one page view: working copy in, text box, working copy out.
#include "composition/frames/TUVApage.h"

#include "composition/frames/TUVACustomFrameSet.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "textengine/TUVAbox.h"
#include "textengine/WinColour.h"

#include <QResizeEvent>
#include <QScrollBar>

namespace quor {

TUVApage::TUVApage(TUVACustomFrameSet* frameSet, QWidget* parent)
    : QScrollArea(parent), m_frameSet(frameSet), m_set(frameSet ? frameSet->LinkedUVAset() : nullptr)
{
    setObjectName(QStringLiteral("UVApage"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
    if (m_set)
        m_styles = std::make_unique<DocumentStyleSource>(*m_set);
}

TUVApage::~TUVApage()
{
    DiscardPage();
}

void TUVApage::OpenPage(int index)
{
    DiscardPage();
    if (!m_set)
        return;
    m_copy = std::make_unique<PageWorkingCopy>(*m_set);
    if (!m_copy->Open(index))
        m_copy->OpenNew();
    m_storedIndex = m_copy->IsNewPage() ? -1 : m_copy->SourceIndex();
    m_modified = false;

    TUVAtesto* copy = m_copy->Copy();
    m_unshownObjects = !copy->LocalObjects.empty() ||
                       (copy->HeaderPage && !copy->HeaderPage->LocalObjects.empty()) ||
                       (copy->FooterPage && !copy->FooterPage->LocalObjects.empty());

    auto* box = new TUVAbox();
    box->setObjectName(QStringLiteral("UVAbox"));
    box->SetSelectOnFocus(false);
    box->SetHost(m_frameSet);
    box->SetUndo(this, m_set ? &m_set->Messages() : nullptr);
    const std::string header = copy->HeaderPage ? copy->HeaderPage->Text() : std::string();
    const std::string footer = copy->FooterPage ? copy->FooterPage->Text() : std::string();
    box->LoadText(copy->Text(), m_styles.get(), header, footer);
    setWidget(box);
    m_box = box;
    ApplyPageLook();
    SetReadOnly(m_readOnly);
    FitBox();
}

PageWorkingCopy::StoreResult TUVApage::StorePage()
{
    if (!m_copy || !m_copy->IsOpen())
        return PageWorkingCopy::StoreResult::NothingToStore;
    if (!m_modified && !m_copy->IsNewPage()) {
        // Nothing changed: the stored page already is the copy.
        m_storedIndex = m_copy->SourceIndex();
        m_copy->Discard();
        return PageWorkingCopy::StoreResult::Stored;
    }
    if (m_box && !m_unshownObjects)
        m_copy->Copy()->SetText(m_box->SaveText());
    TUVAtesto* stored = m_copy->Copy();   // the object the document adopts
    auto result = m_copy->Store(m_modified);
    if (result == PageWorkingCopy::StoreResult::SourceReplaced) {
        // The page's slot holds another object now: keep the edits as a new page.
        m_copy->DetachFromSource();
        result = m_copy->Store(m_modified);
    }
    if (result == PageWorkingCopy::StoreResult::Stored) {
        m_storedIndex = stored->Index();
        if (m_modified && m_set)
            m_set->SetModified(true);
        m_modified = false;
    }
    return result;
}

void TUVApage::DiscardPage()
{
    if (m_copy)
        m_copy->Discard();
    m_copy.reset();
    if (m_box) {
        // The box may still be running one of its own handlers: it goes later,
        // hidden and cut off from the page and the frame set.
        takeWidget();
        m_box->hide();
        m_box->SetHost(nullptr);
        m_box->deleteLater();
        m_box = nullptr;
    }
    m_modified = false;
}

std::string TUVApage::Description() const
{
    if (m_copy && m_copy->IsOpen())
        return m_copy->Copy()->Title();
    return {};
}

void TUVApage::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (m_box)
        m_box->SetReadOnly(on || m_unshownObjects);
}

TUVAoggetto* TUVApage::LinkObject(int link) const
{
    if (link == -1 || !m_set)
        return nullptr;
    const int kind = RefKind(link);
    const int index = RefIndex(link);
    if (kind == kLocalLinkKind) {
        if (!m_copy || !m_copy->IsOpen())
            return nullptr;
        const auto& links = m_copy->Copy()->LocalLinks;
        if (index < 0 || index >= static_cast<int>(links.size()))
            return nullptr;
        return links[static_cast<std::size_t>(index)].get();
    }
    TUVAoggetto* o = m_set->GetObjectByRef(link);
    return o && !o->IsDeleted() ? o : nullptr;
}

void TUVApage::Record(const UndoStep&, const TUVAboxModel&)
{
    // Every change of the box records its step first: the page is modified.
    const bool was = m_modified;
    m_modified = true;
    if (!was && m_frameSet)
        m_frameSet->PageModifiedChanged(this);
}

void TUVApage::ApplyPageLook()
{
    if (!m_box || !m_copy || !m_copy->IsOpen())
        return;
    const TUVAtesto* copy = m_copy->Copy();
    const std::int32_t colour = copy->I32(page::kBackgroundColour);
    m_box->SetBackgroundColour(colour == -1 ? QColor(0xC0, 0xC0, 0xC0) : WinColourToQColor(colour));
}

void TUVApage::FitBox()
{
    if (!m_box)
        return;
    const int width = viewport()->width();
    m_box->SetTextWidth(width > 40 ? width - 16 : 24);
    m_box->SetRequestedHeight(viewport()->height());
}

void TUVApage::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    FitBox();
}

} // namespace quor
