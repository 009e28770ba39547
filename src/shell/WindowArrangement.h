#pragma once

class QMdiArea;

// The Window menu's arrangements of the child windows in the work area.
namespace WindowArrangement {
constexpr int Cascade = 0;
constexpr int TileHorizontal = 1; // one above the other, each the full width
constexpr int TileVertical = 2; // side by side, each the full height
constexpr int ArrangeIcons = 3; // minimised windows in a row along the bottom

void Arrange(QMdiArea *area, int arrangement);
} // namespace WindowArrangement
