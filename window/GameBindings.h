#pragma once
// The game core works on the window's controls through small interfaces
// (game/GameInterfaces.h); these adapters implement them on the real
// controls and the platform services. They hold no data of their own: every
// read goes to the control, every write changes it.
#include "controls/core/Component.h"
#include "game/GameInterfaces.h"
#include "game/RandomSource.h"
#include "game/WordGame.h"

#include <QString>
#include <memory>
#include <stdexcept>
#include <string>

class TComponent;
class TCustomGrid;
class TCustomGlowButton;
class TCustomOfficeCheckBox;
class TLabel;
class TSmoothLabel;

// A one-column grid: column 0 of WordsGrid, PossibleWordsGrid, GuessedWordsGrid.
class TGridRowStore : public game::IRowStore {
public:
    explicit TGridRowStore(TCustomGrid& grid) : m_grid(grid) {}
    int RowCount() const override;
    void SetRowCount(int rows) override;
    std::string Cell(int row) const override;
    void SetCell(int row, const std::string& text) override;
    void SetRows(const std::vector<std::string>& rows) override;
    int MaxRowCount() const override;

private:
    TCustomGrid& m_grid;
};

// The visible list's view: GuessedWordsGrid's first visible and current row.
class TGridListView : public game::IListView {
public:
    explicit TGridListView(TCustomGrid& grid) : m_grid(grid) {}
    void ScrollRowIntoView(int row) override;
    void ShowFirstRow() override;

private:
    TCustomGrid& m_grid;
};

// A plain (hidden) label's caption.
class TPlainLabelText : public game::ILabel {
public:
    explicit TPlainLabelText(TLabel& label) : m_label(label) {}
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;

private:
    TLabel& m_label;
};

// A smooth label's caption text; Repaint paints it at once.
class TSmoothLabelText : public game::ILabel {
public:
    explicit TSmoothLabelText(TSmoothLabel& label) : m_label(label) {}
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    void Repaint() override;

private:
    TSmoothLabel& m_label;
};

// A letter button of the cross: its caption and Down.
class TLetterButton : public game::ILetterButton {
public:
    explicit TLetterButton(TCustomGlowButton& button) : m_button(button) {}
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Down() const override;
    void SetDown(bool down) override;

private:
    TCustomGlowButton& m_button;
};

// The "Play Sounds" check box.
class TCheckBoxSwitch : public game::ISoundSwitch {
public:
    explicit TCheckBoxSwitch(TCustomOfficeCheckBox& box) : m_box(box) {}
    bool Checked() const override;

private:
    TCustomOfficeCheckBox& m_box;
};

// The platform's standard dialogs, looked up at each call so that a
// replaced service is heard.
class TPlatformGameDialogs : public game::IGameDialogs {
public:
    bool Confirm(const std::string& question) override;
    void Inform(const std::string& text) override;
};

class TPlatformSoundPlayer : public game::ISoundPlayer {
public:
    void Play(const std::string& path) override;
};

class TPlatformResourceSource : public game::IResourceSource {
public:
    std::optional<std::string> Find(const std::string& name) const override;
};

// Every adapter of one window, found by the controls' names in the form's
// components. Throws std::runtime_error naming a control that is missing
// or of another class.
class TGameBindings {
public:
    explicit TGameBindings(TComponent& form);
    ~TGameBindings();

    game::GameControls Controls();
    game::GameServices Services();
    const game::IResourceSource& Resources() const { return m_resources; }
    game::TRandomSource& Random() { return m_random; }

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    game::TRandomSource m_random;
    TPlatformGameDialogs m_dialogs;
    TPlatformSoundPlayer m_sound;
    TPlatformResourceSource m_resources;
};

// The component of that name and class, or a std::runtime_error saying
// which one is missing.
template <class T>
T& RequireComponent(const TComponent& owner, const char* name)
{
    if (auto* found = dynamic_cast<T*>(owner.FindComponent(QString::fromLatin1(name))))
        return *found;
    throw std::runtime_error(std::string("The window has no control ") + name + " of the expected class");
}
