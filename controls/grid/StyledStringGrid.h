#pragma once
// TStyledStringGrid: a string grid that paints every cell itself and asks
// its owner for each cell's colours through OnGetCellColor. Its selection
// and grid-line colours come from the application's visual style. The user
// scrolls with the bars, the keys and the wheel, selects rows with the mouse
// and the keys, and zooms the text with Ctrl+wheel.
//
// Painting a cell, in order: the handler's colours, the selection colours
// over them, the ground, the grid lines, the text (the handler is asked a
// second time for it), and the focus frame.
#include "controls/grid/GridBase.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QObject>

// The brush that fills a cell's background; OnGetCellColor may change it.
class TCellBrush {
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor c) { m_color = c; }

private:
    TColor m_color = clWindow;
};

// The row comes before the column.
using TGridColorEvent = TEvent<void(QObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                     TCellBrush* ABrush, TFont* AFont)>;

// What the mouse wheel does: move the current row, or scroll the view.
class TGridMouseActions : public QObject {
    Q_OBJECT
public:
    enum TWheelAction { waMoveSelection, waScroll };
    Q_ENUM(TWheelAction)

    explicit TGridMouseActions(QObject* parent = nullptr);
    LUMORA_PROPERTY(TWheelAction, WheelAction, m_wheelAction, waMoveSelection, )
    Q_PROPERTY(int WheelIncrement READ WheelIncrement WRITE SetWheelIncrement)
    // Rows per notch; 0 means the system's wheel-scroll line count, and
    // then the notch also reaches the grid's own handling (one more row
    // while it has the focus).
    int WheelIncrement() const { return m_wheelIncrement; }
    void SetWheelIncrement(int v) { m_wheelIncrement = std::max(0, v); }

private:
    int m_wheelIncrement = 0;
};

// The look of fixed cells. This grid has no fixed cells, so the values are
// only kept (the form file sets them).
class TGridControlLook : public QObject {
    Q_OBJECT
public:
    explicit TGridControlLook(QObject* parent = nullptr);
    LUMORA_PROPERTY(TColor, FixedGradientFrom, m_from, clWhite, )
    LUMORA_PROPERTY(TColor, FixedGradientTo, m_to, clBtnFace, )
};

class TStyledStringGrid : public TCustomGrid, public IStyledComponent {
    Q_OBJECT
public:
    enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
    Q_ENUM(TVAlignment)

    explicit TStyledStringGrid(TComponent* owner = nullptr, QWidget* parent = nullptr);

    // The colours of the style table (selection, selection text, grid
    // lines), then a repaint. Styles without a row keep the colours.
    void ApplyComponentStyle(TVisualStyle style) override;

    // The cells at the head of the current row and column would show these;
    // there are no fixed cells, so nothing does.
    LUMORA_PROPERTY(bool, ActiveCellShow, m_activeCellShow, false, )
    LUMORA_PROPERTY(TColor, ActiveCellColor, m_activeCellColor, clGray, )
    LUMORA_PROPERTY(TColor, ActiveCellColorTo, m_activeCellColorTo, clNone, )
    Q_PROPERTY(TGridControlLook* ControlLook READ ControlLook)
    LUMORA_PROPERTY(bool, EnableHTML, m_enableHtml, true, update())
    LUMORA_PROPERTY(TColor, GridFixedLineColor, m_gridFixedLineColor, clGray, )
    LUMORA_PROPERTY(TColor, GridLineColor, m_gridLineColor, clSilver, update())
    LUMORA_PROPERTY(bool, HideFocusRect, m_hideFocusRect, false, update())
    LUMORA_PROPERTY(bool, IntelliZoom, m_intelliZoom, true, )
    Q_PROPERTY(TGridMouseActions* MouseActions READ MouseActions)
    LUMORA_PROPERTY(TColor, SelectionColor, m_selectionColor, clHighlight, update())
    LUMORA_PROPERTY(TColor, SelectionTextColor, m_selectionTextColor, clHighlightText, update())
    LUMORA_PROPERTY(bool, ShowSelection, m_showSelection, true, update())
    LUMORA_PROPERTY(TColor, URLColor, m_urlColor, clBlue, update())
    LUMORA_PROPERTY(TVAlignment, VAlignment, m_vAlignment, vtaTop, update())
    LUMORA_PROPERTY(bool, WordWrap, m_wordWrap, true, update())
    LUMORA_EVENT(TGridColorEvent, OnGetCellColor)

    TGridControlLook* ControlLook() const { return m_controlLook; }

    TGridMouseActions* MouseActions() const { return m_mouseActions; }

protected:
    void DrawCell(TCanvas& canvas, int col, int row, const QRect& rect, TGridDrawState state) override;
    // Ctrl+wheel zooms by the wheel-scroll line count; a plain notch moves
    // the current row (or scrolls) by it. With WheelIncrement 0 the grid's
    // own handling follows.
    void WheelNotch(int direction, Qt::KeyboardModifiers modifiers) override;

private:
    // Steps 1 and 2 of a cell's colours: the grid's font and Color, then
    // whatever the handler makes of them.
    void CellColors(int col, int row, TGridDrawState state);
    void SetColorProperty(TColor& slot, TColor v);
    void SetFlagProperty(bool& slot, bool v);

    TGridMouseActions* m_mouseActions;
    TGridControlLook* m_controlLook;
    // Scratch objects handed to OnGetCellColor, reset before every call.
    TCellBrush m_cellBrush;
    TFont* m_cellFont;
};
