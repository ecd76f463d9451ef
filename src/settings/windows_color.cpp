// The named colours in picker order. Basic colours carry their RGB parts; system
// colours only their index, so they follow the desktop's current scheme.
#include "settings/windows_color.h"

#include <array>

namespace nalo {
namespace {

constexpr std::array<TNamedColor, 41> kNamedColors = {{
    {PlainColorValue(0, 0, 0), "黒"},
    {PlainColorValue(128, 0, 0), "栗色"},
    {PlainColorValue(0, 128, 0), "緑"},
    {PlainColorValue(128, 128, 0), "オリーブ"},
    {PlainColorValue(0, 0, 128), "紺"},
    {PlainColorValue(128, 0, 128), "紫"},
    {PlainColorValue(0, 128, 128), "青緑"},
    {PlainColorValue(128, 128, 128), "灰色"},
    {PlainColorValue(192, 192, 192), "銀色"},
    {PlainColorValue(255, 0, 0), "赤"},
    {PlainColorValue(0, 255, 0), "ライム"},
    {PlainColorValue(255, 255, 0), "黄"},
    {PlainColorValue(0, 0, 255), "青"},
    {PlainColorValue(255, 0, 255), "赤紫"},
    {PlainColorValue(0, 255, 255), "水色"},
    {PlainColorValue(255, 255, 255), "白"},
    {SystemColorValue(0), "スクロールバー"},
    {SystemColorValue(1), "デスクトップ"},
    {SystemColorValue(2), "アクティブなタイトル"},
    {SystemColorValue(3), "非アクティブなタイトル"},
    {SystemColorValue(4), "メニュー"},
    {SystemColorValue(kSysColorWindow), "ウィンドウの背景"},
    {SystemColorValue(6), "ウィンドウの枠"},
    {SystemColorValue(7), "メニューの文字"},
    {SystemColorValue(kSysColorWindowText), "ウィンドウの文字"},
    {SystemColorValue(9), "タイトルの文字"},
    {SystemColorValue(10), "アクティブな境界"},
    {SystemColorValue(11), "非アクティブな境界"},
    {SystemColorValue(12), "作業領域"},
    {SystemColorValue(13), "選択項目の背景"},
    {SystemColorValue(14), "選択項目の文字"},
    {SystemColorValue(15), "ボタンの表面"},
    {SystemColorValue(16), "ボタンの影"},
    {SystemColorValue(17), "淡色の文字"},
    {SystemColorValue(18), "ボタンの文字"},
    {SystemColorValue(19), "非アクティブなタイトルの文字"},
    {SystemColorValue(20), "ボタンのハイライト"},
    {SystemColorValue(21), "3D の濃い影"},
    {SystemColorValue(22), "3D の明るい部分"},
    {SystemColorValue(23), "ヒントの文字"},
    {SystemColorValue(kMaxSystemColorIndex), "ヒントの背景"},
}};

// The high byte that marks a system colour.
constexpr std::uint32_t kFlagMask = 0xFF000000u;

}  // namespace

std::optional<int> SystemColorIndex(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  if ((v & kFlagMask) != kSystemColorFlag) return std::nullopt;
  return static_cast<int>(v & ~kFlagMask);
}

std::span<const TNamedColor> NamedColors() { return kNamedColors; }

std::optional<std::size_t> FindNamedColor(std::int32_t value) {
  for (std::size_t i = 0; i < kNamedColors.size(); ++i) {
    if (kNamedColors[i].Value == value) return i;
  }
  return std::nullopt;
}

}  // namespace nalo
