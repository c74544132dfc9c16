#include "window/GameBindings.h"

#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/GridBase.h"
#include "controls/plain/Label.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "platform/Dialogs.h"
#include "platform/Resources.h"
#include "platform/Sound.h"

#include <vector>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

} // namespace

// ---- Grids and labels -----------------------------------------------------

int TGridRowStore::RowCount() const
{
    return m_grid.RowCount();
}

void TGridRowStore::SetRowCount(int rows)
{
    m_grid.SetRowCount(rows);
}

std::string TGridRowStore::Cell(int row) const
{
    return ToUtf8(m_grid.Cells(0, row));
}

void TGridRowStore::SetCell(int row, const std::string& text)
{
    m_grid.SetCells(0, row, FromUtf8(text));
}

void TGridRowStore::SetRows(const std::vector<std::string>& rows)
{
    std::vector<QString> cells;
    cells.reserve(rows.size());
    for (const std::string& row : rows)
        cells.push_back(FromUtf8(row));
    m_grid.SetRowCount(static_cast<int>(rows.size()));
    m_grid.SetColumnCells(0, std::move(cells));
}

int TGridRowStore::MaxRowCount() const
{
    return TCustomGrid::kMaxCount;
}

void TGridListView::ScrollRowIntoView(int row)
{
    m_grid.ScrollIntoView(0, row);
}

void TGridListView::ShowFirstRow()
{
    m_grid.SetTopRow(0);
    m_grid.SetHorzOffset(0);
    m_grid.SetRow(0);
}

std::string TPlainLabelText::Caption() const
{
    return ToUtf8(m_label.Caption());
}

void TPlainLabelText::SetCaption(const std::string& text)
{
    m_label.SetCaption(FromUtf8(text));
}

std::string TSmoothLabelText::Caption() const
{
    return ToUtf8(m_label.Caption()->Text());
}

void TSmoothLabelText::SetCaption(const std::string& text)
{
    m_label.Caption()->SetText(FromUtf8(text));
}

void TSmoothLabelText::Repaint()
{
    m_label.Refresh();
}

// ---- Buttons and the sound switch ----------------------------------------

std::string TLetterButton::Caption() const
{
    return ToUtf8(m_button.Caption());
}

void TLetterButton::SetCaption(const std::string& text)
{
    m_button.SetCaption(FromUtf8(text));
}

bool TLetterButton::Down() const
{
    return m_button.Down();
}

void TLetterButton::SetDown(bool down)
{
    m_button.SetDown(down);
}

bool TCheckBoxSwitch::Checked() const
{
    return m_box.Checked();
}

// ---- Platform services ----------------------------------------------------

bool TPlatformGameDialogs::Confirm(const std::string& question)
{
    return platform::Dialogs().Confirm(FromUtf8(question));
}

void TPlatformGameDialogs::Inform(const std::string& text)
{
    platform::Dialogs().Inform(FromUtf8(text));
}

void TPlatformSoundPlayer::Play(const std::string& path)
{
    platform::Sound().Play(FromUtf8(path));
}

std::optional<std::string> TPlatformResourceSource::Find(const std::string& name) const
{
    const std::optional<QByteArray> bytes = platform::Resources().Find(FromUtf8(name));
    if (!bytes)
        return std::nullopt;
    return bytes->toStdString();
}

// ---- The window's set -----------------------------------------------------

struct TGameBindings::Parts {
    explicit Parts(const TComponent& form)
        : wordsGrid(RequireComponent<TCustomGrid>(form, "WordsGrid"))
        , possibleWordsGrid(RequireComponent<TCustomGrid>(form, "PossibleWordsGrid"))
        , guessedWordsGrid(RequireComponent<TCustomGrid>(form, "GuessedWordsGrid"))
        , guessedWordsView(RequireComponent<TCustomGrid>(form, "GuessedWordsGrid"))
        , label1(RequireComponent<TLabel>(form, "Label1"))
        , lettersLabel(RequireComponent<TLabel>(form, "LettersLabel"))
        , label2(RequireComponent<TLabel>(form, "Label2"))
        , possibleWordsLabel(RequireComponent<TLabel>(form, "PossibleWordsLabel"))
        , potentialWordsLabel(RequireComponent<TSmoothLabel>(form, "PotentialWordsLabel"))
        , numWordsLabel(RequireComponent<TSmoothLabel>(form, "NumWordsLabel"))
        , scoreLabel(RequireComponent<TSmoothLabel>(form, "ScoreLabel"))
        , currentWordLabel(RequireComponent<TSmoothLabel>(form, "CurrentWordLabel"))
        , soundCheckBox(RequireComponent<TCustomOfficeCheckBox>(form, "SoundCheckBox"))
    {
        static constexpr const char* kButtonNames[] = {
            "CrossButton1", "CrossButton2", "CrossButton3", "CrossButton4", "CrossButton5",
            "CrossButton6", "CrossButton7", "CrossButton8", "CrossButton9",
        };
        buttons.reserve(std::size(kButtonNames));
        for (const char* name : kButtonNames)
            buttons.emplace_back(RequireComponent<TCustomGlowButton>(form, name));
    }

    TGridRowStore wordsGrid;
    TGridRowStore possibleWordsGrid;
    TGridRowStore guessedWordsGrid;
    TGridListView guessedWordsView;
    TPlainLabelText label1;
    TPlainLabelText lettersLabel;
    TPlainLabelText label2;
    TPlainLabelText possibleWordsLabel;
    TSmoothLabelText potentialWordsLabel;
    TSmoothLabelText numWordsLabel;
    TSmoothLabelText scoreLabel;
    TSmoothLabelText currentWordLabel;
    TCheckBoxSwitch soundCheckBox;
    std::vector<TLetterButton> buttons;
};

TGameBindings::TGameBindings(TComponent& form)
    : m_parts(std::make_unique<Parts>(form))
{
}

TGameBindings::~TGameBindings() = default;

game::GameControls TGameBindings::Controls()
{
    Parts& p = *m_parts;
    std::array<game::ILetterButton*, game::kLetterButtonCount> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i] = &p.buttons[i];
    return game::GameControls{
        p.wordsGrid, p.possibleWordsGrid, p.guessedWordsGrid, p.guessedWordsView, p.label1, p.lettersLabel, p.label2,
        p.possibleWordsLabel, p.potentialWordsLabel, p.numWordsLabel, p.scoreLabel, p.currentWordLabel,
        buttons, p.soundCheckBox,
    };
}

game::GameServices TGameBindings::Services()
{
    return game::GameServices{m_dialogs, m_sound, m_random};
}
