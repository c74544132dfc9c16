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
    Q_PROPERTY(TWheelAction WheelAction READ WheelAction WRITE SetWheelAction)
    Q_PROPERTY(int WheelIncrement READ WheelIncrement WRITE SetWheelIncrement)
public:
    enum TWheelAction { waMoveSelection, waScroll };
    Q_ENUM(TWheelAction)

    explicit TGridMouseActions(QObject* parent = nullptr);
    TWheelAction WheelAction() const { return m_wheelAction; }
    void SetWheelAction(TWheelAction v) { m_wheelAction = v; }
    // Rows per notch; 0 means the system's wheel-scroll line count, and
    // then the notch also reaches the grid's own handling (one more row
    // while it has the focus).
    int WheelIncrement() const { return m_wheelIncrement; }
    void SetWheelIncrement(int v) { m_wheelIncrement = std::max(0, v); }

private:
    TWheelAction m_wheelAction = waMoveSelection;
    int m_wheelIncrement = 0;
};

// The look of fixed cells. This grid has no fixed cells, so the values are
// only kept (the form file sets them).
class TGridControlLook : public QObject {
    Q_OBJECT
    Q_PROPERTY(TColor FixedGradientFrom READ FixedGradientFrom WRITE SetFixedGradientFrom)
    Q_PROPERTY(TColor FixedGradientTo READ FixedGradientTo WRITE SetFixedGradientTo)
public:
    explicit TGridControlLook(QObject* parent = nullptr);
    TColor FixedGradientFrom() const { return m_from; }
    void SetFixedGradientFrom(TColor v) { m_from = v; }
    TColor FixedGradientTo() const { return m_to; }
    void SetFixedGradientTo(TColor v) { m_to = v; }

private:
    TColor m_from = clWhite;
    TColor m_to = clBtnFace;
};

class TStyledStringGrid : public TCustomGrid, public IStyledComponent {
    Q_OBJECT
    Q_PROPERTY(bool ActiveCellShow READ ActiveCellShow WRITE SetActiveCellShow)
    Q_PROPERTY(TColor ActiveCellColor READ ActiveCellColor WRITE SetActiveCellColor)
    Q_PROPERTY(TColor ActiveCellColorTo READ ActiveCellColorTo WRITE SetActiveCellColorTo)
    Q_PROPERTY(TGridControlLook* ControlLook READ ControlLook)
    Q_PROPERTY(bool EnableHTML READ EnableHTML WRITE SetEnableHTML)
    Q_PROPERTY(TColor GridFixedLineColor READ GridFixedLineColor WRITE SetGridFixedLineColor)
    Q_PROPERTY(TColor GridLineColor READ GridLineColor WRITE SetGridLineColor)
    Q_PROPERTY(bool HideFocusRect READ HideFocusRect WRITE SetHideFocusRect)
    Q_PROPERTY(bool IntelliZoom READ IntelliZoom WRITE SetIntelliZoom)
    Q_PROPERTY(TGridMouseActions* MouseActions READ MouseActions)
    Q_PROPERTY(TColor SelectionColor READ SelectionColor WRITE SetSelectionColor)
    Q_PROPERTY(TColor SelectionTextColor READ SelectionTextColor WRITE SetSelectionTextColor)
    Q_PROPERTY(bool ShowSelection READ ShowSelection WRITE SetShowSelection)
    Q_PROPERTY(TColor URLColor READ URLColor WRITE SetURLColor)
    Q_PROPERTY(TVAlignment VAlignment READ VAlignment WRITE SetVAlignment)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(TGridColorEvent OnGetCellColor MEMBER OnGetCellColor)
public:
    enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
    Q_ENUM(TVAlignment)

    explicit TStyledStringGrid(TComponent* owner = nullptr, QWidget* parent = nullptr);

    // The colours of the style table (selection, selection text, grid
    // lines), then a repaint. Styles without a row keep the colours.
    void ApplyComponentStyle(TVisualStyle style) override;

    // The cells at the head of the current row and column would show these;
    // there are no fixed cells, so nothing does.
    bool ActiveCellShow() const { return m_activeCellShow; }
    void SetActiveCellShow(bool v) { m_activeCellShow = v; }
    TColor ActiveCellColor() const { return m_activeCellColor; }
    void SetActiveCellColor(TColor v) { m_activeCellColor = v; }
    TColor ActiveCellColorTo() const { return m_activeCellColorTo; }
    void SetActiveCellColorTo(TColor v) { m_activeCellColorTo = v; }
    TGridControlLook* ControlLook() const { return m_controlLook; }
    TColor GridFixedLineColor() const { return m_gridFixedLineColor; }
    void SetGridFixedLineColor(TColor v) { m_gridFixedLineColor = v; }

    bool EnableHTML() const { return m_enableHtml; }
    void SetEnableHTML(bool v);
    TColor GridLineColor() const { return m_gridLineColor; }
    void SetGridLineColor(TColor v);
    bool HideFocusRect() const { return m_hideFocusRect; }
    void SetHideFocusRect(bool v);
    bool IntelliZoom() const { return m_intelliZoom; }
    void SetIntelliZoom(bool v) { m_intelliZoom = v; }
    TGridMouseActions* MouseActions() const { return m_mouseActions; }
    TColor SelectionColor() const { return m_selectionColor; }
    void SetSelectionColor(TColor v);
    TColor SelectionTextColor() const { return m_selectionTextColor; }
    void SetSelectionTextColor(TColor v);
    bool ShowSelection() const { return m_showSelection; }
    void SetShowSelection(bool v);
    TColor URLColor() const { return m_urlColor; }
    void SetURLColor(TColor v);
    TVAlignment VAlignment() const { return m_vAlignment; }
    void SetVAlignment(TVAlignment v);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);

    TGridColorEvent OnGetCellColor;

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

    bool m_activeCellShow = false;
    TColor m_activeCellColor = clGray;
    TColor m_activeCellColorTo = clNone;
    TColor m_gridFixedLineColor = clGray;
    bool m_enableHtml = true;
    TColor m_gridLineColor = clSilver;
    bool m_hideFocusRect = false;
    bool m_intelliZoom = true;
    TColor m_selectionColor = clHighlight;
    TColor m_selectionTextColor = clHighlightText;
    bool m_showSelection = true;
    TColor m_urlColor = clBlue;
    TVAlignment m_vAlignment = vtaTop;
    bool m_wordWrap = true;
};
