#pragma once
// The game's one window. Its design (every control, where it stands, what
// it says) is the form file resources/forms/Form1.frm; this class holds the
// program-wide values of the window (the program folder, the theme number,
// the face), runs the start-up sequence, and answers the handlers the form
// file names. The game itself is game::TWordGame, which works on the
// window's controls through the adapters of GameBindings.h.
#include "controls/core/Events.h"
#include "controls/core/Form.h"
#include "controls/grid/GridBase.h"
#include "window/ProgramFile.h"

#include <QCursor>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class TCellBrush;
class TFocusChain;
class TFont;
class TGameBindings;
class QKeyEvent;
class TListVerseTips;
class TVerseLookup;
struct TVerseTipLook;
namespace game {
class TRandomSource;
class TWordGame;
struct TWordVerse;
}

class TForm1 : public TForm {
    Q_OBJECT
public:
    // The designed client area.
    static constexpr int kClientWidth = 450;
    static constexpr int kClientHeight = 390;
    // A press this close to an edge of the window sizes it.
    static constexpr int kResizeBorder = 3;
    // The maker's web site, opened by the web-site button.
    static constexpr const char* kWebAddress = "https://lumora.example/";
    // Where the form file is embedded.
    static constexpr const char* kFormResource = ":/forms/Form1.frm";

    explicit TForm1(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // Program-wide values.
    const QString& AppFolder() const { return m_appFolder; }
    int StyleNumber() const { return m_styleNumber; }
    TFace Face() const { return m_face; }
    // True once the start-up sequence ran to its end without an error.
    bool StartupCompleted() const { return m_startupCompleted; }
    // The game of the window (nothing before the start-up sequence set the
    // program folder).
    game::TWordGame* Game() const { return m_game.get(); }
    // The game's random generator (nothing before the start-up sequence
    // set the program folder); the screenshot tool seeds it.
    game::TRandomSource* RandomSource() const;

    // Applies theme StyleNumber (see window/Themes.h).
    void ApplyTheme();

    // The verse of the word that row `row` of the visible list shows, once
    // the word is revealed and has a verse; nothing for a starred or empty
    // row, a row outside the list, or a word of a replaced word list that
    // the Bible text does not hold. The list's verse tip shows it; it is
    // also the row's accessible description.
    std::optional<game::TWordVerse> ListRowVerse(int row) const;
    // The verse tips of the visible list (nothing outside the game face).
    TListVerseTips* VerseTips() const { return m_verseTips; }

    // ---- Handlers named by the form file
    void FormCreate(QObject* Sender);
    void CaptionPanelMouseDown(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void CloseGlowButtonClick(QObject* Sender);
    void MinimizeGlowButtonClick(QObject* Sender);
    void HowToPlayButtonClick(QObject* Sender);
    void InstructionsCloseButtonClick(QObject* Sender);
    void wwwButtonClick(QObject* Sender);
    void VisualStyleSelectorSelect(QObject* Sender);
    void GenerateLettersButtonClick(QObject* Sender);
    void CrossButton1Click(QObject* Sender);
    void CrossButton2Click(QObject* Sender);
    void CrossButton3Click(QObject* Sender);
    void CrossButton4Click(QObject* Sender);
    void CrossButton5Click(QObject* Sender);
    void CrossButton6Click(QObject* Sender);
    void CrossButton7Click(QObject* Sender);
    void CrossButton8Click(QObject* Sender);
    void CrossButton9Click(QObject* Sender);
    void BackSpaceButtonClick(QObject* Sender);
    void ClearButtonClick(QObject* Sender);
    void QuitButtonClick(QObject* Sender);
    void GuessedWordsGridGetCellColor(QObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                      TCellBrush* ABrush, TFont* AFont);
    void GuessedWordsGridGetCellAccessibleText(QObject* Sender, int ARow, int ACol, QString& AText);
    // A found word is described by its verse: "John 11:35: Jesus wept."
    void GuessedWordsGridGetCellAccessibleDescription(QObject* Sender, int ARow, int ACol, QString& AText);
    // Installer and uninstaller faces (see install/).
    void SelectInstallDirButtonClick(QObject* Sender);
    void GlowButton1Click(QObject* Sender);
    void GlowButton2Click(QObject* Sender);
    void UnistallButtonClick(QObject* Sender);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void RegisterHandlers();
    void LoadDesign();
    void SetIconFromResource(const QString& path);
    void StartGameFace();
    void StartOverlayFace(const char* panelName);
    void ReadSettings();
    void SetSelectorIndex(int index);
    int SelectorIndex() const;
    void LetterClick(int number);
    void StartMove();
    bool IsSizingSurface(const QWidget* widget) const;
    Qt::Edges EdgesUnder(const QMouseEvent& mouse) const;
    void ShowSizingCursor(QWidget* widget, Qt::Edges edges);
    // The keyboard: the focus chain, and the game's keys wherever the focus
    // is in the window.
    void SetUpKeyboard();
    bool HandleWindowKey(QObject* watched, QKeyEvent& key);
    bool MoveFocus(bool forward);
    bool ThemeFieldHasFocus() const;
    bool InstructionsShown() const;
    void PressLetterKey(QChar letter);
    void PressButton(const char* name);
    void EndThemeFieldEditing(QWidget* pressed);
    TVerseTipLook VerseTipLook() const;

    QString m_appFolder;
    int m_styleNumber = 1;
    TFace m_face = TFace::Game;
    bool m_startupCompleted = false;
    // The widget showing the sizing cursor, and the cursor it had before.
    QPointer<QWidget> m_sizingCursorOn;
    std::optional<QCursor> m_cursorBeforeSizing;
    std::unique_ptr<TFocusChain> m_focusChain;
    std::unique_ptr<TGameBindings> m_bindings;
    std::unique_ptr<game::TWordGame> m_game;
    std::unique_ptr<TVerseLookup> m_verses;
    TListVerseTips* m_verseTips = nullptr; // owned by the list
};
