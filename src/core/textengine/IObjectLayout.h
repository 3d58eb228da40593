// IObjectLayout.h: what line layout asks of the controls of embedded objects.
// The composition layer implements it; without one, layout takes the sizes the
// markup reader stored in the character records.
#pragma once

#include "textengine/TUVAparag.h"

namespace quor {

// Size and vertical alignment of an object's control as it will stand on a line.
struct ObjectMeasure {
    int width = 0;
    int height = 0;
    int alignCode = 4;   // pictures (kind 16) carry their own; every other kind counts as 4
    bool hidden = false; // hidden in the current mode: counts 0 wide and 10 high
};

class IObjectLayout {
public:
    virtual ~IObjectLayout() = default;

    // Called before the object is placed on a line. A table recomputes its width
    // from `availableWidth`; other objects may fit themselves to it. The control
    // is then moved out of sight and flagged for placement at the next paint.
    virtual ObjectMeasure FitObject(const EmbeddedObject& object, int availableWidth) = 0;
};

} // namespace quor
