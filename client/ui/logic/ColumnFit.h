#ifndef VL_CLIENT_UI_LOGIC_COLUMNFIT_H
#define VL_CLIENT_UI_LOGIC_COLUMNFIT_H

#include <vector>

namespace vl {

// Widths for a row of columns that must end within `available` pixels. Each column wants the
// larger of its preferred width and what its texts need. When that runs past the edge (a
// larger dialog font or DPI widens the template's columns while the skin stays the same size),
// the room beyond what the texts need is given back first, from the columns with the most of
// it; only when the texts alone do not fit are all columns narrowed in proportion. Both lists
// have one entry per column; the result is never negative and never sums past `available`.
std::vector<int> FitColumnWidths(const std::vector<int>& preferred,
                                 const std::vector<int>& needed, int available);

}  // namespace vl

#endif
