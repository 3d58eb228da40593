// WinColour.cpp: document colours on screen.
#include "textengine/WinColour.h"

#include <QApplication>
#include <QPalette>

namespace quor {

namespace {

// The system colours a document may name, by number, as this platform's palette gives them.
QColor SystemColour(int index)
{
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 1: return QColor(0x00, 0x80, 0x80);  // desktop
    case 4: return pal.color(QPalette::Window); // menu
    case 5: return pal.color(QPalette::Base);   // window
    case 6: return Qt::black;                   // window frame
    case 7: return pal.color(QPalette::WindowText); // menu text
    case 8: return pal.color(QPalette::Text);   // window text
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button); // button face
    case 16: return pal.color(QPalette::Dark);   // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return pal.color(QPalette::ButtonText);
    case 20: return pal.color(QPalette::Light);  // button highlight
    case 24: return pal.color(QPalette::ToolTipBase);
    case 23: return pal.color(QPalette::ToolTipText);
    default: return pal.color(QPalette::Text);
    }
}

} // namespace

QColor WinColourToQColor(std::int32_t colour)
{
    const auto v = static_cast<std::uint32_t>(colour);
    if ((v & 0xFF000000u) == 0x80000000u)
        return SystemColour(static_cast<int>(v & 0xFFu));
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

} // namespace quor
