// IUndoRecorder.h: where the box's editing gateway records an undo step before
// it changes anything. The undo list implements it; tests record captions.
#pragma once

#include "textengine/TCaretPos.h"

#include <string>
#include <vector>

namespace quor {

class TUVAboxModel;

// What kind of record the step needs: the three text edits can be undone from
// the characters involved; every other change needs a snapshot of the
// paragraphs first..last as they are when Record is called.
enum class UndoKind { TextInsertion, TextDeletion, ParagraphInsertion, ObjectDeletion, Snapshot };

struct UndoStep {
    std::string caption;   // "Text insertion", "Selection deletion", "Apply font style: "...
    UndoKind kind = UndoKind::Snapshot;
    int firstParagraph = 0; // paragraphs the change will touch (before it happens)
    int lastParagraph = 0;
    TCaretPos caret;       // caret and anchor before the change
    TCaretPos anchor;
    bool hadSelection = false;
};

class IUndoRecorder {
public:
    virtual ~IUndoRecorder() = default;
    // Called before the change; `box` still shows the state to restore.
    virtual void Record(const UndoStep& step, const TUVAboxModel& box) = 0;
};

// Keeps the steps it is given (for tests and for hosts without an undo list).
class UndoStepLog : public IUndoRecorder {
public:
    void Record(const UndoStep& step, const TUVAboxModel&) override { steps.push_back(step); }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> out;
        for (const auto& s : steps)
            out.push_back(s.caption);
        return out;
    }
    std::vector<UndoStep> steps;
};

} // namespace quor
