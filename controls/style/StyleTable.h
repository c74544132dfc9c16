#pragma once
// The shape of every control's style table: one row per visual style that
// the control knows, holding the control's own colours for it, and the one
// look-up. A style without a row (tsCustom, and every style a control does
// not know) leaves the control's colours as they are.
//
//     constexpr TStyleRow<TGridStyleColors> kStyleRows[] = {
//         {tsOffice2007Luna, {0x5EC1F1, 0x000000, 0xF1EDEB}},
//         ...
//     };
//     if (const TGridStyleColors* colors = StyleRowFor(kStyleRows, style))
//         ...
#include "controls/style/VisualStyle.h"

#include <cstddef>

template <class T>
struct TStyleRow {
    TVisualStyle Style;
    T Colors;
};

// The colours of style's row, or nullptr when the table has none.
template <class T, std::size_t N>
constexpr const T* StyleRowFor(const TStyleRow<T> (&table)[N], TVisualStyle style)
{
    for (const TStyleRow<T>& row : table)
        if (row.Style == style)
            return &row.Colors;
    return nullptr;
}
