// TUVAFrame.cpp: frames, their splitters and their page views.
#include "composition/frames/TUVAFrame.h"

#include "composition/TAlign.h"
#include "composition/TUVASplit.h"
#include "composition/frames/FrameSizing.h"
#include "composition/frames/TUVACustomFrameSet.h"
#include "composition/frames/TUVApage.h"

#include <QLabel>
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
}

TUVAFrame::~TUVAFrame() = default;

void TUVAFrame::BuildFrom(const TNonVisCornice& node)
{
    m_record = node.record;
    for (const auto& c : node.children) {
        auto* child = new TUVAFrame(m_frameSet, this, this);
        child->BuildFrom(*c);
        SetControlAlign(child, m_record.SplitsRows() ? TAlign::alTop : TAlign::alLeft);
        m_children.push_back(child);
    }
    for (std::size_t i = 0; i + 1 < m_children.size(); ++i) {
        auto* split = new TUVASplit(this);
        split->setObjectName(QStringLiteral("FrameSplit"));
        split->SetTargetControl(m_children[i]);
        split->SetMintargetlimit(1);
        split->OnEndSplit = [this, i](TWZuSplit*) { SplitterMoved(i); };
        m_splitters.push_back(split);
    }
    m_caption->setText(m_parentPanel == m_frameSet ? QString() : QString::fromLatin1(m_record.name.c_str()));
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
    const QRect area = contentsRect();
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
    int freeLength = rows ? contentsRect().height() : contentsRect().width();
    for (std::size_t i = 0; i + 1 < m_children.size(); ++i)
        freeLength -= m_children[i]->EffectiveSpacing();
    const int size = rows ? c->height() : c->width();
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
