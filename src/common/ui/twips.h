#pragma once
// Window layouts are written in twips (15 twips = 1 pixel at 96 dpi) and colours in the
// &HBBGGRR form (lowest byte red); these helpers turn both into Qt terms.

#include <QColor>
#include <QRect>
#include <cstdint>

class QWidget;

namespace ui {

constexpr int tw(int twips) { return (twips + 7) / 15; }
inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

// Moves and sizes a widget by its layout in twips.
void placeTw(QWidget* w, int left, int top, int width, int height);

// &HBBGGRR → QColor; values with the top bit set name system colours
// (&H80000005 the window background, &H8000000F the button face, &H80000008 window text,
// &H80000018 the tooltip background).
QColor bgr(std::uint32_t value);

// Colours the layouts use again and again.
namespace colours {
inline constexpr std::uint32_t PanelBack = 0xFFF0C0;   // pale blue of panels and frames
inline constexpr std::uint32_t ActiveTab = 0xC0FFC0;   // pressed tab; locked input field
inline constexpr std::uint32_t InactiveTab = 0xFFC0A0;
inline constexpr std::uint32_t ButtonBack = 0xE6EBEC;
inline constexpr std::uint32_t Blue = 0xFF0000;
inline constexpr std::uint32_t Red = 0x0000FF;
inline constexpr std::uint32_t Magenta = 0xFF00FF;
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t WindowBack = 0x80000005; // system window colour
} // namespace colours

} // namespace ui
