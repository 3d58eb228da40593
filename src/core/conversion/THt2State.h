// THt2State.h: the body writer's state: the inline formatting last written and
// the paragraph attributes in force; THt2StateList keeps them as a stack so a
// table can write its cells with a fresh state and restore the paragraph's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quor {

struct THt2State {
    std::int32_t colour = 0;                 // 0x00BBGGRR
    std::string face = "Times New Roman";
    std::int32_t size = 12;                  // points
    std::uint8_t style = 0;                  // 1 bold, 2 italic, 4 underline, 8 strike-out
    std::uint8_t position = 0;               // 0 normal, 1 subscript, 2 superscript
    bool fontOpen = false;                   // a FONT element is open
    std::uint8_t alignment = 0;              // 0 left, 1 right, 2 centre, 3 justify
    std::uint8_t numbering = 0;              // 0 none, 6 decimal, 10 bullet
    std::uint8_t unit = 1;                   // index into the length units (mm)
    std::int32_t lineHeight = -32000;        // pixels; -32000 not set
    std::int32_t leftMargin = 10;
    std::int32_t rightMargin = 10;
    std::int32_t topMargin = 0;
    std::int32_t bottomMargin = 0;
    std::int32_t firstIndent = 0;
    std::int32_t linkSize = -1;              // points; -1 not set
    std::int32_t linkColour = 0xFF0000;      // blue
    std::uint8_t linkStyle = 4;              // 1 bold, 2 italic, 4 underline
};

class THt2StateList {
public:
    THt2State& Current() { return m_current; }
    const THt2State& Current() const { return m_current; }
    // Saves the current state and goes on with a copy of it.
    void Push() { m_saved.push_back(m_current); }
    // Restores the saved state, keeping only the style bits and the position of
    // the state dropped; the FONT counts as closed. Nothing happens on an empty stack.
    void Pop()
    {
        if (m_saved.empty())
            return;
        const std::uint8_t style = m_current.style;
        const std::uint8_t position = m_current.position;
        m_current = m_saved.back();
        m_saved.pop_back();
        m_current.style = style;
        m_current.position = position;
        m_current.fontOpen = false;
    }
    void ResetCurrent() { m_current = THt2State{}; }
    std::size_t Depth() const { return m_saved.size(); }

private:
    THt2State m_current;
    std::vector<THt2State> m_saved;
};

} // namespace quor
