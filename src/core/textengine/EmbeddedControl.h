// EmbeddedControl.h: what the text engine needs of the controls of objects that
// stand in a paragraph's text, and of the page's control registry that numbers them.
// The composition layer implements these; the engine never owns a control.
#pragma once

#include "textengine/TUVAparag.h"

#include <cstdint>

namespace quor {

class IEmbeddedControl {
public:
    virtual ~IEmbeddedControl() = default;

    // Number of the control in the page's control registry (written "<$FF" + 6 hex digits).
    virtual std::uint32_t RegistryNumber() const = 0;
    // Object kind of the object the control shows (8 table, 16 picture placement...).
    virtual int ObjectKind() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Tables only: the own paragraphs of each cell box, row by row and left to
    // right. Other objects have no cells.
    virtual int CellCount() const { return 0; }
    virtual ParagraphList* CellParagraphs(int cell) { return nullptr; }
    // The box that owns a cell's paragraphs (set as their owner when the reader
    // fills the cell); null when there is none.
    virtual TUVAbox* CellBox(int cell) { return nullptr; }
};

// The page's control registry as the markup reader sees it.
class IControlRegistry {
public:
    virtual ~IControlRegistry() = default;
    // The control registered under a number, or null.
    virtual IEmbeddedControl* FindControl(std::uint32_t number) = 0;
};

} // namespace quor
