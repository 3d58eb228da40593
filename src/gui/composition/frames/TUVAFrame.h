// TUVAFrame.h: one frame of a frame set: either a split frame holding child
// frames with a splitter after every child but the last, or a leaf holding one
// page view. The frame record is its stored form.
#pragma once

#include "composition/frames/FrameRecord.h"
#include "composition/frames/TNonVisCornice.h"
#include "composition/frames/TUVAFramePanel.h"

#include <memory>
#include <vector>

class QLabel;

namespace quor {

class TUVACustomFrameSet;
class TUVApage;
class TUVASplit;
class TTigerSplit;

class TUVAFrame : public TUVAFramePanel {
    Q_OBJECT
public:
    TUVAFrame(TUVACustomFrameSet* frameSet, TUVAFramePanel* parentPanel, QWidget* parent);
    ~TUVAFrame() override;

    FrameRecord& Record() { return m_record; }
    const FrameRecord& Record() const { return m_record; }
    TUVACustomFrameSet* FrameSet() const { return m_frameSet; }

    bool IsLeaf() const { return m_children.empty(); }
    const std::vector<TUVAFrame*>& Children() const { return m_children; }
    TUVApage* Page() const { return m_page; }

    // Builds the child frames of `node` below this frame (the node's record
    // becomes this frame's record); leaves get no page view yet.
    void BuildFrom(const TNonVisCornice& node);
    // Every leaf below (or this frame) creates its page view.
    void CreatePageViews();
    // Leaves, depth first.
    void CollectLeaves(std::vector<TUVAFrame*>& out);

    // The stored form of this frame's subtree. `pageMode` 0: a page never stored
    // writes -1; 1: the index of the page each frame shows. Ids are numbered
    // from `nextId` on.
    std::unique_ptr<TNonVisCornice> ToNonVis(int pageMode, int& nextId) const;

    // Splits this frame at `size` pixels from its top (`rows`) or left edge: a
    // leaf gets a new first child with a new empty page and a second child that
    // takes over its page view; a split frame gets a new first child in its own
    // direction. False when the direction does not fit the frame.
    bool Split(bool rows, int size);
    // Removes child `child` (its page view already stored or dropped); with one
    // child left this frame becomes a leaf again and takes over its page view.
    void RemoveChild(TUVAFrame* child);
    TUVAFrame* ParentFrame() const;
    // Gives up the page view (the caller places it elsewhere).
    TUVApage* TakePage();
    void AdoptPage(TUVApage* page);

    // Lays the children and splitters (or the page view) out in the frame.
    void LayoutChildren();
    // The spacing after this frame: its record value in read-only mode, at
    // least 3 in edit mode so that splitters can be grabbed.
    int EffectiveSpacing() const;

protected:
    std::vector<TUVAFrame*> ChildFrames() const override { return m_children; }
    void ViewPropertiesChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SplitterMoved(std::size_t child);
    void RebuildSplitters();
    void MakeBars();
    // The part of the frame left to the children (or the page view) once the
    // creation bars have taken theirs.
    QRect ChildArea() const;
    void UpdateBars();
    void CreationBarReleased(bool rows);
    TUVAFrame* NewChild(const FrameRecord& record, int position);

    TUVACustomFrameSet* m_frameSet;
    TUVAFramePanel* m_parentPanel;
    FrameRecord m_record;
    std::vector<TUVAFrame*> m_children;
    std::vector<TUVASplit*> m_splitters;
    TUVApage* m_page = nullptr;
    QLabel* m_caption = nullptr;
    // Creation bars: a gap docked to the top (left) that a striped bar resizes.
    QWidget* m_topGap = nullptr;
    QWidget* m_leftGap = nullptr;
    TTigerSplit* m_topBar = nullptr;
    TTigerSplit* m_leftBar = nullptr;
};

} // namespace quor
