// The grids as the window's form file describes them: created by class
// name, their properties set in file order, the colour handler bound by
// name, and bad values refused with a message.
#include "controls/core/Form.h"
#include "controls/core/FormReader.h"
#include "controls/grid/StringGrid.h"
#include "controls/grid/StyledStringGrid.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QByteArray kWordListForm = R"(object Form1: TForm
  ClientWidth = 450
  ClientHeight = 390
  object GuessedWordsGrid: TStyledStringGrid
    Left = 288
    Top = 17
    Width = 161
    Height = 344
    Anchors = [akLeft, akTop, akBottom]
    ColCount = 1
    DefaultColWidth = 140
    DefaultRowHeight = 20
    FixedCols = 0
    FixedRows = 0
    RowCount = 100
    Font.Color = $00723708
    Font.Height = -15
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect]
    ScrollBars = ssBoth
    ActiveCellColor = $009DD8F9
    ActiveCellColorTo = $005EC1F1
    ControlLook.FixedGradientFrom = $00F7F7F7
    ControlLook.FixedGradientTo = $00DEDEDE
    GridLineColor = $00E5D7D0
    SelectionColor = $005EC1F1
    SelectionTextColor = clBlack
    MouseActions.WheelAction = waMoveSelection
    MouseActions.WheelIncrement = 0
    VAlignment = vtaTop
    OnGetCellColor = GuessedWordsGridGetCellColor
  end
  object WordsGrid: TStringGrid
    Left = -250
    Top = 24
    Width = 201
    Height = 693
    ColCount = 1
    DefaultColWidth = 178
    FixedCols = 0
    FixedRows = 0
    RowCount = 100
  end
end
)";

class GridForm : public TForm {
public:
    GridForm()
    {
        RegisterHandler(QStringLiteral("GuessedWordsGridGetCellColor"), &GridForm::GuessedWordsGridGetCellColor);
    }
    void GuessedWordsGridGetCellColor(QObject*, int ARow, int, TGridDrawState, TCellBrush*, TFont* AFont)
    {
        ++calls;
        lastRow = ARow;
        AFont->SetColor(0xAA0000);
    }
    int calls = 0;
    int lastRow = -1;
};

} // namespace

TEST(GridForm, TheWordListLoadsWithItsDesignedValuesAndItsHandler)
{
    GridForm form;
    const auto error = form.LoadFromForm(kWordListForm);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* g = dynamic_cast<TStyledStringGrid*>(form.FindComponent(QStringLiteral("GuessedWordsGrid")));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ColCount(), 1);
    EXPECT_EQ(g->RowCount(), 100);
    EXPECT_EQ(g->ColWidth(0), 140);
    EXPECT_EQ(g->RowHeight(99), 20);
    EXPECT_EQ(g->GridClientRect(), QRect(2, 2, 140, 340));
    EXPECT_TRUE(g->VertScrollBarShown());
    EXPECT_FALSE(g->HorzScrollBarShown());
    EXPECT_EQ(g->SelectionColor(), 0x5EC1F1);
    EXPECT_EQ(g->GridLineColor(), 0xE5D7D0);
    EXPECT_EQ(g->Font()->Color(), 0x723708);
    EXPECT_TRUE(g->Options().testFlag(TCustomGrid::goRangeSelect));
    EXPECT_EQ(g->ControlLook()->FixedGradientTo(), 0xDEDEDE);

    g->grab();
    EXPECT_EQ(form.calls, 2 * 17);
    EXPECT_EQ(form.lastRow, 16);

    auto* words = dynamic_cast<TStringGrid*>(form.FindComponent(QStringLiteral("WordsGrid")));
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words->ColWidth(0), 178);
    EXPECT_EQ(words->RowCount(), 100);
}

TEST(GridForm, AFixedRowInTheFileIsRefusedWithItsLineAndTheReason)
{
    GridForm form;
    QByteArray text = kWordListForm;
    text.replace("    FixedRows = 0\n    RowCount = 100\n    Font", "    FixedRows = 1\n    RowCount = 100\n    Font");
    const auto error = form.LoadFromForm(text);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Line, 14);
    EXPECT_TRUE(error->Message.contains(QStringLiteral("FixedRows must be 0"))) << error->Message.toStdString();
    EXPECT_EQ(form.FindComponent(QStringLiteral("GuessedWordsGrid")), nullptr);
}
