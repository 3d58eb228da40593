// TUVAFrame.cpp: frames, their splitters and their page views.
#include "composition/frames/TUVAFrame.h"

#include "composition/TAlign.h"
#include "composition/TTigerSplit.h"
#include "composition/TUVASplit.h"
#include "composition/frames/FrameSizing.h"
#include "composition/frames/TUVACustomFrameSet.h"
#include "composition/frames/TUVApage.h"

#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <QResizeEvent>

namespace quor {

TUVAFrame::TUVAFrame(TUVACustomFrameSet* frameSet, TUVAFramePanel* parentPanel, QWidget* parent)
    : TUVAFramePanel(parent), m_frameSet(frameSet), m_parentPanel(parentPanel)
{
    setObjectName(QStringLiteral("UVAFrame"));
    if (parentPanel)
        CopyViewProperties(*parentPanel);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("FrameCaption"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->hide();
    MakeBars();
}

TUVAFrame::~TUVAFrame() = default;

void TUVAFrame::MakeBars()
{
    auto make = [this](bool rows, QWidget*& gap, TTigerSplit*& bar) {
        gap = new QWidget(this);
        gap->setObjectName(rows ? QStringLiteral("TopCreationGap") : QStringLiteral("LeftCreationGap"));
        SetControlAlign(gap, rows ? TAlign::alTop : TAlign::alLeft);
        gap->resize(rows ? 10 : 0, rows ? 0 : 10);
        gap->hide();
        bar = new TTigerSplit(this);
        bar->setObjectName(rows ? QStringLiteral("TopCreationBar") : QStringLiteral("LeftCreationBar"));
        bar->SetTargetControl(gap);
        bar->SetMintargetlimit(0);
        bar->SetLineStep(LineStep());
        bar->setToolTip(toolTip());
        bar->OnEndSplit = [this, rows](TWZuSplit*) { CreationBarReleased(rows); };
        bar->hide();
    };
    make(true, m_topGap, m_topBar);
    make(false, m_leftGap, m_leftBar);
}

void TUVAFrame::UpdateBars()
{
    const bool editing = !ReadOnly() && !ShowFramesOnly();
    const BarMode mode = Bars();
    m_topBar->setVisible(editing && (mode == BarMode::TopOnly || mode == BarMode::Both));
    m_leftBar->setVisible(editing && (mode == BarMode::LeftOnly || mode == BarMode::Both));
}

QRect TUVAFrame::ChildArea() const
{
    QRect area = contentsRect();
    const bool editing = !ReadOnly() && !ShowFramesOnly();
    const BarMode mode = Bars();
    if (editing && (mode == BarMode::TopOnly || mode == BarMode::Both))
        area.setTop(area.top() + BarWidth());
    if (editing && (mode == BarMode::LeftOnly || mode == BarMode::Both))
        area.setLeft(area.left() + BarWidth());
    return area;
}

void TUVAFrame::CreationBarReleased(bool rows)
{
    QWidget* gap = rows ? m_topGap : m_leftGap;
    const int size = rows ? gap->height() : gap->width();
    gap->resize(rows ? gap->width() : 0, rows ? 0 : gap->height());
    gap->hide();
    LayoutChildren();
    // A gap of more than four bar widths makes a frame of that size.
    if (size > 4 * BarWidth() && m_frameSet)
        QMetaObject::invokeMethod(m_frameSet, [set = m_frameSet, self = QPointer<TUVAFrame>(this), rows, size] {
            if (self)
                set->SplitFrame(self, rows, size);
        }, Qt::QueuedConnection);
}

void TUVAFrame::BuildFrom(const TNonVisCornice& node)
{
    m_record = node.record;
    for (const auto& c : node.children) {
        auto* child = new TUVAFrame(m_frameSet, this, this);
        child->SetBars(m_record.SplitsRows() ? BarMode::LeftOnly : BarMode::TopOnly);
        child->BuildFrom(*c);
        SetControlAlign(child, m_record.SplitsRows() ? TAlign::alTop : TAlign::alLeft);
        m_children.push_back(child);
    }
    RebuildSplitters();
    m_caption->setText(m_parentPanel == m_frameSet ? QString() : QString::fromLatin1(m_record.name.c_str()));
    ViewPropertiesChanged();
}

void TUVAFrame::RebuildSplitters()
{
    for (TUVASplit* s : m_splitters)
        s->deleteLater();
    m_splitters.clear();
    for (std::size_t i = 0; i + 1 < m_children.size(); ++i) {
        SetControlAlign(m_children[i], m_record.SplitsRows() ? TAlign::alTop : TAlign::alLeft);
        auto* split = new TUVASplit(this);
        split->setObjectName(QStringLiteral("FrameSplit"));
        split->SetTargetControl(m_children[i]);
        split->SetMintargetlimit(1);
        split->OnEndSplit = [this, i](TWZuSplit*) { SplitterMoved(i); };
        split->show();
        m_splitters.push_back(split);
    }
}

TUVAFrame* TUVAFrame::ParentFrame() const
{
    return m_parentPanel == m_frameSet ? nullptr : static_cast<TUVAFrame*>(m_parentPanel);
}

TUVApage* TUVAFrame::TakePage()
{
    TUVApage* p = m_page;
    m_page = nullptr;
    return p;
}

void TUVAFrame::AdoptPage(TUVApage* page)
{
    m_page = page;
    if (page) {
        page->setParent(this);
        page->show();
        page->SetReadOnly(ReadOnly());
    }
    LayoutChildren();
}

TUVAFrame* TUVAFrame::NewChild(const FrameRecord& record, int position)
{
    auto* child = new TUVAFrame(m_frameSet, this, this);
    child->m_record = record;
    child->SetBars(m_record.SplitsRows() ? BarMode::LeftOnly : BarMode::TopOnly);
    child->m_caption->setText(QString::fromLatin1(record.name.c_str()));
    m_children.insert(m_children.begin() + position, child);
    child->show();
    return child;
}

namespace {
std::uint32_t s_frameNumber = 0;

FrameRecord NewFrameRecord(std::uint8_t placement)
{
    FrameRecord r;
    r.name = NewFrameName(++s_frameNumber);
    r.placement = placement;
    return r;
}
} // namespace

bool TUVAFrame::Split(bool rows, int size)
{
    const bool isRoot = m_parentPanel == m_frameSet;
    if (!IsLeaf() || !isRoot) {
        if (m_record.SplitsRows() != rows)
            return false;
    }
    int freeLength = rows ? ChildArea().height() : ChildArea().width();
    if (IsLeaf()) {
        if (!m_page)
            return false;
        if (isRoot)
            m_record.placement = rows ? 1 : 0;
        FrameRecord first = NewFrameRecord(rows ? 0 : 1);
        FrameRecord second = NewFrameRecord(rows ? 3 : 5);
        freeLength -= first.spacing < 3 ? 3 : first.spacing;
        first.pixels = size;
        first.percent = PercentOf(size, freeLength);
        second.sizeKind = fsRest;
        second.percent = 100 - first.percent;
        TUVApage* page = TakePage();
        TUVAFrame* a = NewChild(first, 0);
        TUVAFrame* b = NewChild(second, 1);
        b->AdoptPage(page);
        a->CreatePageViews();
        a->Page()->OpenPage(-1);
    } else {
        FrameRecord first = NewFrameRecord(rows ? 0 : 1);
        for (TUVAFrame* c : m_children)
            freeLength -= c->EffectiveSpacing();
        freeLength += m_children.back()->EffectiveSpacing();
        freeLength -= first.spacing < 3 ? 3 : first.spacing;
        first.pixels = size;
        first.percent = PercentOf(size, freeLength);
        // The former first child gives up the room.
        FrameRecord& former = m_children.front()->Record();
        former.percent = former.percent > first.percent ? former.percent - first.percent : 1;
        former.pixels = former.pixels > size ? former.pixels - size : 10;
        TUVAFrame* a = NewChild(first, 0);
        a->CreatePageViews();
        a->Page()->OpenPage(-1);
    }
    RebuildSplitters();
    ViewPropertiesChanged();
    return true;
}

void TUVAFrame::RemoveChild(TUVAFrame* child)
{
    const auto it = std::find(m_children.begin(), m_children.end(), child);
    if (it == m_children.end())
        return;
    m_children.erase(it);
    child->hide();
    child->setParent(nullptr);
    child->deleteLater();
    if (m_children.size() == 1 && m_children.front()->IsLeaf()) {
        // The parent becomes a leaf again and shows the other frame's page.
        TUVAFrame* other = m_children.front();
        m_children.clear();
        TUVApage* page = other->TakePage();
        other->hide();
        other->setParent(nullptr);
        other->deleteLater();
        AdoptPage(page);
    } else {
        // The others share the length again.
        int freeLength = m_record.SplitsRows() ? ChildArea().height() : ChildArea().width();
        for (std::size_t i = 0; i + 1 < m_children.size(); ++i)
            freeLength -= m_children[i]->EffectiveSpacing();
        for (TUVAFrame* c : m_children) {
            const int len = m_record.SplitsRows() ? c->height() : c->width();
            c->Record().percent = PercentOf(len, freeLength);
        }
    }
    RebuildSplitters();
    ViewPropertiesChanged();
}

void TUVAFrame::CreatePageViews()
{
    if (!IsLeaf()) {
        for (TUVAFrame* c : m_children)
            c->CreatePageViews();
        return;
    }
    if (!m_page) {
        m_page = new TUVApage(m_frameSet, this);
        m_page->SetReadOnly(ReadOnly());
        m_page->setVerticalScrollBarPolicy(m_record.scrolling ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        m_page->setHorizontalScrollBarPolicy(m_record.scrolling ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    }
    LayoutChildren();
}

void TUVAFrame::CollectLeaves(std::vector<TUVAFrame*>& out)
{
    if (IsLeaf()) {
        out.push_back(this);
        return;
    }
    for (TUVAFrame* c : m_children)
        c->CollectLeaves(out);
}

std::unique_ptr<TNonVisCornice> TUVAFrame::ToNonVis(int pageMode, int& nextId) const
{
    auto node = std::make_unique<TNonVisCornice>();
    node->record = m_record;
    node->record.id = nextId++;
    if (m_page) {
        const int index = m_page->PageIndex();
        node->record.page = (pageMode == 0 && m_page->IsNewPage()) ? -1 : index;
    } else if (!IsLeaf()) {
        node->record.page = -1;
    }
    for (TUVAFrame* c : m_children)
        node->children.push_back(c->ToNonVis(pageMode, nextId));
    return node;
}

int TUVAFrame::EffectiveSpacing() const
{
    const int s = m_record.spacing;
    return ReadOnly() ? s : (s < 3 ? 3 : s);
}

void TUVAFrame::LayoutChildren()
{
    QRect area = contentsRect();
    UpdateBars();
    if (m_topBar->isVisible()) {
        m_topGap->setGeometry(area.left(), area.top(), area.width(), 0);
        m_topBar->setGeometry(area.left(), area.top(), area.width(), BarWidth());
        m_topBar->raise();
        area.setTop(area.top() + BarWidth());
    }
    if (m_leftBar->isVisible()) {
        m_leftGap->setGeometry(area.left(), area.top(), 0, area.height());
        m_leftBar->setGeometry(area.left(), area.top(), BarWidth(), area.height());
        m_leftBar->raise();
        area.setLeft(area.left() + BarWidth());
    }
    if (IsLeaf()) {
        if (m_page) {
            m_page->setGeometry(area);
            m_page->setVisible(!ShowFramesOnly());
        }
        m_caption->setGeometry(area);
        m_caption->setVisible(ShowFramesOnly());
        return;
    }
    m_caption->hide();
    const bool rows = m_record.SplitsRows();
    std::vector<FrameSizeInput> in;
    for (TUVAFrame* c : m_children) {
        const FrameRecord& r = c->Record();
        in.push_back({r.sizeKind, r.percent, r.pixels, rows ? c->height() : c->width(), c->EffectiveSpacing()});
    }
    const auto sizes = ShareFrameLength(in, rows ? area.height() : area.width()).sizes;
    int pos = rows ? area.top() : area.left();
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        const int len = sizes[i];
        if (rows)
            m_children[i]->setGeometry(area.left(), pos, area.width(), len);
        else
            m_children[i]->setGeometry(pos, area.top(), len, area.height());
        pos += len;
        if (i < m_splitters.size()) {
            const int sp = in[i].spacing;
            if (rows)
                m_splitters[i]->setGeometry(area.left(), pos, area.width(), sp);
            else
                m_splitters[i]->setGeometry(pos, area.top(), sp, area.height());
            m_splitters[i]->SetSizeable(!ReadOnly() || m_children[i]->Record().resizable);
            pos += sp;
        }
    }
}

void TUVAFrame::SplitterMoved(std::size_t child)
{
    if (child >= m_children.size())
        return;
    const bool rows = m_record.SplitsRows();
    TUVAFrame* c = m_children[child];
    int freeLength = rows ? ChildArea().height() : ChildArea().width();
    for (std::size_t i = 0; i + 1 < m_children.size(); ++i)
        freeLength -= m_children[i]->EffectiveSpacing();
    const int size = rows ? c->height() : c->width();
    if (size < BarWidth() && (!ReadOnly() || ShowFramesOnly()) && m_frameSet) {
        // Dragged shut: the frame goes after the current input.
        m_frameSet->PostDeleteFrame(c);
        return;
    }
    c->Record().pixels = size;
    c->Record().percent = PercentOf(size, freeLength);
    LayoutChildren();
    if (m_frameSet)
        m_frameSet->FramesChanged();
}

void TUVAFrame::ViewPropertiesChanged()
{
    if (m_page)
        m_page->SetReadOnly(ReadOnly());
    // A leaf's border is a single line around its page view.
    const bool lined = IsLeaf() && m_record.border && m_parentPanel != m_frameSet;
    setFrameShape(lined || ShowFramesOnly() ? QFrame::Box : QFrame::NoFrame);
    LayoutChildren();
}

void TUVAFrame::resizeEvent(QResizeEvent* event)
{
    TUVAFramePanel::resizeEvent(event);
    LayoutChildren();
}

} // namespace quor
