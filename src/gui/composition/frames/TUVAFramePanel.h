// TUVAFramePanel.h: the common base of the frame set and its frames. The view
// properties (ReadOnly, Animated, ShowFramesOnly, BarWidth, LineStep,
// TigerBevel) pass down the whole tree when set; a new frame copies them from
// its parent.
#pragma once

#include <QFrame>

namespace quor {

class TUVAFrame;

// Which creation bars a panel shows in edit mode.
enum class BarMode { TopOnly = 0, LeftOnly = 1, Both = 2, None = 3 };

class TUVAFramePanel : public QFrame {
    Q_OBJECT
public:
    explicit TUVAFramePanel(QWidget* parent = nullptr);

    bool ReadOnly() const { return m_readOnly; }
    virtual void SetReadOnly(bool on);
    bool Animated() const { return m_animated; }
    void SetAnimated(bool on);
    bool ShowFramesOnly() const { return m_showFramesOnly; }
    virtual void SetShowFramesOnly(bool on);
    int BarWidth() const { return m_barWidth; }
    void SetBarWidth(int w);
    int LineStep() const { return m_lineStep; }
    void SetLineStep(int s);
    int TigerBevel() const { return m_tigerBevel; }
    void SetTigerBevel(int b);
    BarMode Bars() const { return m_barMode; }
    void SetBars(BarMode m) { m_barMode = m; }

    // Copies the view properties of `from` (a new frame takes its parent's).
    void CopyViewProperties(const TUVAFramePanel& from);

protected:
    // The frames directly below this panel.
    virtual std::vector<TUVAFrame*> ChildFrames() const = 0;
    virtual void ViewPropertiesChanged() {}

private:
    template <class F>
    void PassDown(F f);

    bool m_readOnly = false;
    bool m_animated = false;
    bool m_showFramesOnly = false;
    int m_barWidth = 10;
    int m_lineStep = 10;
    int m_tigerBevel = 0;   // raised
    BarMode m_barMode = BarMode::None;
};

} // namespace quor
