#pragma once
// The number editors laid over a grid cell by the guest-slip window and its order panel.
namespace lukana::platform {
class Grid;
class TextBox;
} // namespace lukana::platform

namespace lukana {

// Lays editor over the cell, loads the cell's text without a change (empty for a value of 0
// or none, so that typing replaces it) and gives it the focus.
void openNumberEditor(platform::Grid& grid, platform::TextBox& editor, int row, int col);

} // namespace lukana
