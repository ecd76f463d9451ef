// Each system colour index maps to the palette role that plays the same part:
// the window background to Base, window text to Text, button face to Button and
// so on; the grey text of disabled items comes from the disabled Text colour.
#include "ui/system_color.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

#include "settings/windows_color.h"

namespace nalo {
namespace {

// Palette role per system colour index 0 .. kMaxSystemColorIndex.
constexpr std::array<QPalette::ColorRole, kMaxSystemColorIndex + 1> kRoles = {
    QPalette::Button,           // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Button,           // 10 active border
    QPalette::Button,           // 11 inactive border
    QPalette::Mid,              // 12 application work space
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::Text,             // 17 grey text (disabled group)
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3D dark shadow
    QPalette::Midlight,         // 22 3D light
    QPalette::ToolTipText,      // 23 info text
    QPalette::ToolTipBase,      // 24 info background
};

constexpr int kGrayTextIndex = 17;

}  // namespace

QColor SystemPaletteColor(int index) {
  const QPalette palette = QGuiApplication::palette();
  if (index < 0 || index > kMaxSystemColorIndex) return palette.color(QPalette::WindowText);
  const QPalette::ColorGroup group = index == kGrayTextIndex ? QPalette::Disabled : QPalette::Active;
  return palette.color(group, kRoles[static_cast<std::size_t>(index)]);
}

}  // namespace nalo
