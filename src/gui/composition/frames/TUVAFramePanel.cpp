// TUVAFramePanel.cpp: view properties passed down the frame tree.
#include "composition/frames/TUVAFramePanel.h"

#include "composition/frames/TUVAFrame.h"

namespace quor {

TUVAFramePanel::TUVAFramePanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

template <class F>
void TUVAFramePanel::PassDown(F f)
{
    f(*this);
    ViewPropertiesChanged();
    for (TUVAFrame* c : ChildFrames())
        c->PassDown(f);
}

void TUVAFramePanel::SetReadOnly(bool on)
{
    PassDown([on](TUVAFramePanel& p) { p.m_readOnly = on; });
}

void TUVAFramePanel::SetAnimated(bool on)
{
    PassDown([on](TUVAFramePanel& p) { p.m_animated = on; });
}

void TUVAFramePanel::SetShowFramesOnly(bool on)
{
    PassDown([on](TUVAFramePanel& p) { p.m_showFramesOnly = on; });
}

void TUVAFramePanel::SetBarWidth(int w)
{
    PassDown([w](TUVAFramePanel& p) { p.m_barWidth = w; });
}

void TUVAFramePanel::SetLineStep(int s)
{
    PassDown([s](TUVAFramePanel& p) { p.m_lineStep = s; });
}

void TUVAFramePanel::SetTigerBevel(int b)
{
    PassDown([b](TUVAFramePanel& p) { p.m_tigerBevel = b; });
}

void TUVAFramePanel::CopyViewProperties(const TUVAFramePanel& from)
{
    m_readOnly = from.m_readOnly;
    m_animated = from.m_animated;
    m_showFramesOnly = from.m_showFramesOnly;
    m_barWidth = from.m_barWidth;
    m_lineStep = from.m_lineStep;
    m_tigerBevel = from.m_tigerBevel;
    setToolTip(from.toolTip());
}

} // namespace quor
