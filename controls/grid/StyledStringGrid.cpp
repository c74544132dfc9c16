#include "controls/grid/StyledStringGrid.h"

#include "controls/grid/GridPainter.h"
#include "controls/style/StyleTable.h"

#include <optional>

TGridMouseActions::TGridMouseActions(QObject* parent)
    : QObject(parent)
{
}

TGridControlLook::TGridControlLook(QObject* parent)
    : QObject(parent)
{
}

TStyledStringGrid::TStyledStringGrid(TComponent* owner, QWidget* parent)
    : TCustomGrid(owner, parent)
    , m_mouseActions(new TGridMouseActions(this))
    , m_controlLook(new TGridControlLook(this))
    , m_cellFont(new TFont(this))
{
}

// --- styles -----------------------------------------------------------------

namespace {

struct TGridStyleColors {
    TColor Selection;
    TColor SelectionText;
    std::optional<TColor> GridLine; // none: the grid lines keep their colour
};

constexpr TColor kOfficeGrey = 0xC0C0C0;

// Every style has a row here: tsCustom and tsTerminal too, which set the
// selection colours and keep the grid lines.
constexpr TStyleRow<TGridStyleColors> kStyleRows[] = {
    {tsOffice2003Blue, {clHighlight, clHighlightText, kOfficeGrey}},
    {tsOffice2003Silver, {clHighlight, clHighlightText, kOfficeGrey}},
    {tsOffice2003Olive, {clHighlight, clHighlightText, kOfficeGrey}},
    {tsOffice2003Classic, {clHighlight, clHighlightText, kOfficeGrey}},
    {tsOffice2007Luna, {0x5EC1F1, 0x000000, 0xF1EDEB}},
    {tsOffice2007Obsidian, {0x5EC1F1, 0x000000, 0xE5D7D0}},
    {tsWindowsXP, {clHighlight, clHighlightText, kOfficeGrey}},
    {tsWhidbey, {clHighlight, clHighlightText, kOfficeGrey}},
    {tsCustom, {clHighlight, clHighlightText, std::nullopt}},
    {tsOffice2007Silver, {0x95C7F5, 0x000000, 0xE5D7D0}},
    {tsWindowsVista, {0xEACAB6, 0x000000, 0xECECF0}},
    {tsWindows7, {0xEACAB6, 0x000000, 0xECECF0}},
    {tsTerminal, {clHighlight, clHighlightText, std::nullopt}},
};

} // namespace

void TStyledStringGrid::ApplyComponentStyle(TVisualStyle style)
{
    const TGridStyleColors* colors = StyleRowFor(kStyleRows, style);
    if (!colors)
        return;
    m_selectionColor = colors->Selection;
    m_selectionTextColor = colors->SelectionText;
    if (colors->GridLine)
        m_gridLineColor = *colors->GridLine;
    update();
}

// --- properties -------------------------------------------------------------

// --- wheel ------------------------------------------------------------------

void TStyledStringGrid::WheelNotch(int direction, Qt::KeyboardModifiers modifiers)
{
    const int lines = std::max(1, WheelSettings().WheelScrollLines());
    const int increment = m_mouseActions->WheelIncrement();
    if (m_intelliZoom && modifiers.testFlag(Qt::ControlModifier)) {
        // Towards the user makes the text larger; a step past ±10 is dropped.
        ZoomStep(direction * lines);
    } else {
        const int rows = direction * (increment > 0 ? increment : lines);
        if (m_mouseActions->WheelAction() == TGridMouseActions::waMoveSelection)
            MoveCurrentRowBy(rows);
        else
            ScrollRowsBy(rows);
    }
    if (increment == 0)
        TCustomGrid::WheelNotch(direction, modifiers);
}

// --- painting ---------------------------------------------------------------

void TStyledStringGrid::CellColors(int col, int row, TGridDrawState state)
{
    m_cellFont->Assign(*Font());
    m_cellBrush.SetColor(Color());
    if (OnGetCellColor)
        OnGetCellColor(this, row, col, state, &m_cellBrush, m_cellFont);
}

void TStyledStringGrid::DrawCell(TCanvas& canvas, int col, int row, const QRect& rect, TGridDrawState state)
{
    TGridPainter painter(canvas);
    const TRect cell = TRect::FromQRect(rect);
    const int lineWidth = GridLineWidth();

    // 1-2. The colours the handler gives the cell.
    CellColors(col, row, state);

    // 3. A cell in the selection takes the selection colours instead; the
    // handler's other font changes stay.
    const bool selectionShown = m_showSelection && IsCellSelected(col, row);
    if (selectionShown) {
        m_cellBrush.SetColor(m_selectionColor);
        if (m_selectionTextColor != clNone)
            m_cellFont->SetColor(m_selectionTextColor);
        state |= gdSelected;
    }

    // 4. The ground: the whole cell, border and inside alike.
    painter.FillCell(cell, m_cellBrush.Color());

    // 5. Grid lines on the cell's last pixel row and column.
    painter.DrawGridLines(cell, m_gridLineColor, lineWidth, Options().testFlag(goHorzLine),
                          Options().testFlag(goVertLine));

    // 6. The inner area, inside the grid lines.
    const TRect inner = TGridPainter::InnerRect(cell, lineWidth);

    // 7. The text, with its colours worked out afresh (the handler is asked
    // again), the selection text colour over them.
    CellColors(col, row, state);
    if (selectionShown && m_selectionTextColor != clNone)
        m_cellFont->SetColor(m_selectionTextColor);
    const QString text = Cells(col, row);
    if (m_enableHtml && TGridPainter::IsMiniHtml(text)) {
        const TColor ground = selectionShown ? m_selectionColor : m_cellBrush.Color();
        painter.DrawMiniHtml(TGridPainter::MiniHtmlRect(inner), text, *m_cellFont, ZoomTotal(), ground,
                             selectionShown && m_selectionTextColor != clNone ? m_selectionTextColor : m_urlColor);
    } else {
        TCellTextLayout layout;
        layout.WordWrap = m_wordWrap;
        layout.Vertical = m_vAlignment == vtaCenter ? TCellTextLayout::VCenter
            : m_vAlignment == vtaBottom             ? TCellTextLayout::Bottom
                                                    : TCellTextLayout::Top;
        painter.DrawPlainText(TGridPainter::TextRect(inner), text, *m_cellFont, ZoomTotal(), layout);
    }

    // 8. The dotted focus frame on the focused current cell.
    if (!m_hideFocusRect && state.testFlag(gdFocused) && !Options().testFlag(goRowSelect))
        painter.DrawFocusFrame(inner);
}
