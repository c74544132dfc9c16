#include "window/Form1.h"

#include "controls/style/AppStyler.h"
#include "controls/core/ErrorBox.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/paint/PictureDecoder.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/panel/StyledPanel.h"
#include "controls/plain/StyledEdit.h"
#include "controls/grid/StyledStringGrid.h"
#include "game/WordGame.h"
#include "game/WordRules.h"
#include "install/InstallNames.h"
#include "install/Installer.h"
#include "install/Uninstaller.h"
#include "game/DataFiles.h"
#include "platform/FileOps.h"
#include "platform/Fonts.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "window/FocusChain.h"
#include "window/GameBindings.h"
#include "window/GameKeys.h"
#include "window/SettingsFile.h"
#include "window/Themes.h"
#include "window/VerseLookup.h"
#include "window/VerseTip.h"
#include "window/WindowChrome.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>
#include <stdexcept>

TForm1::TForm1(TComponent* owner, QWidget* parent)
    : TForm(owner, parent)
{
    // The fonts the design names, embedded where the system lacks them.
    platform::RegisterEmbeddedFonts();
    SetIconFromResource(QStringLiteral(":/lumora.png"));
    RegisterHandlers();
    LoadDesign();
    SetUpKeyboard();
    // The taskbar shows the program's title, not the form's caption.
    setWindowTitle(ApplicationTitle());
    // Presses near the window's edges size it (see eventFilter).
    qApp->installEventFilter(this);
}

void TForm1::SetIconFromResource(const QString& path)
{
    // Decoded from its bytes rather than through QIcon's file lookup, which
    // would first ask every icon-engine plugin whether it reads the file.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // the window keeps the platform's icon
    const QImage image = DecodePicture(file.readAll()).image;
    if (!image.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(image)));
}

namespace {

// The window's controls in reading order: the caption bar's buttons, the
// cross row by row, the game buttons and the list, the overlays' own
// controls (stops only while their panel shows, in place of the game's),
// then the status strip.
constexpr const char* kFocusChainNames[] = {
    "MinimizeGlowButton", "CloseGlowButton",
    "CrossButton2", "CrossButton6", "CrossButton7", "CrossButton1", "CrossButton8", "CrossButton9",
    "CrossButton3", "CrossButton4", "CrossButton5",
    "ClearButton", "BackSpaceButton", "GenerateLettersButton", "QuitButton", "GuessedWordsGrid",
    "InstructionsCloseButton",
    "CreateDesktopShortcut", "Location", "SelectInstallDirButton", "GlowButton1", "GlowButton2",
    "UnistallButton",
    "SoundCheckBox", "VisualStyleSelector", "HowToPlayButton", "wwwButton",
};

constexpr const char* kLetterButtonNames[] = {
    "CrossButton1", "CrossButton2", "CrossButton3", "CrossButton4", "CrossButton5",
    "CrossButton6", "CrossButton7", "CrossButton8", "CrossButton9",
};

} // namespace

TForm1::~TForm1()
{
    // The game's adapters refer to controls that the form frees.
    m_game.reset();
    m_bindings.reset();
}

void TForm1::RegisterHandlers()
{
    RegisterHandler(u"FormCreate"_qs, &TForm1::FormCreate);
    RegisterHandler(u"CaptionPanelMouseDown"_qs, &TForm1::CaptionPanelMouseDown);
    RegisterHandler(u"CloseGlowButtonClick"_qs, &TForm1::CloseGlowButtonClick);
    RegisterHandler(u"MinimizeGlowButtonClick"_qs, &TForm1::MinimizeGlowButtonClick);
    RegisterHandler(u"HowToPlayButtonClick"_qs, &TForm1::HowToPlayButtonClick);
    RegisterHandler(u"InstructionsCloseButtonClick"_qs, &TForm1::InstructionsCloseButtonClick);
    RegisterHandler(u"wwwButtonClick"_qs, &TForm1::wwwButtonClick);
    RegisterHandler(u"VisualStyleSelectorSelect"_qs, &TForm1::VisualStyleSelectorSelect);
    RegisterHandler(u"GenerateLettersButtonClick"_qs, &TForm1::GenerateLettersButtonClick);
    RegisterHandler(u"CrossButton1Click"_qs, &TForm1::CrossButton1Click);
    RegisterHandler(u"CrossButton2Click"_qs, &TForm1::CrossButton2Click);
    RegisterHandler(u"CrossButton3Click"_qs, &TForm1::CrossButton3Click);
    RegisterHandler(u"CrossButton4Click"_qs, &TForm1::CrossButton4Click);
    RegisterHandler(u"CrossButton5Click"_qs, &TForm1::CrossButton5Click);
    RegisterHandler(u"CrossButton6Click"_qs, &TForm1::CrossButton6Click);
    RegisterHandler(u"CrossButton7Click"_qs, &TForm1::CrossButton7Click);
    RegisterHandler(u"CrossButton8Click"_qs, &TForm1::CrossButton8Click);
    RegisterHandler(u"CrossButton9Click"_qs, &TForm1::CrossButton9Click);
    RegisterHandler(u"BackSpaceButtonClick"_qs, &TForm1::BackSpaceButtonClick);
    RegisterHandler(u"ClearButtonClick"_qs, &TForm1::ClearButtonClick);
    RegisterHandler(u"QuitButtonClick"_qs, &TForm1::QuitButtonClick);
    RegisterHandler(u"GuessedWordsGridGetCellColor"_qs, &TForm1::GuessedWordsGridGetCellColor);
    RegisterHandler(u"GuessedWordsGridGetCellAccessibleText"_qs, &TForm1::GuessedWordsGridGetCellAccessibleText);
    RegisterHandler(u"GuessedWordsGridGetCellAccessibleDescription"_qs,
                    &TForm1::GuessedWordsGridGetCellAccessibleDescription);
    RegisterHandler(u"SelectInstallDirButtonClick"_qs, &TForm1::SelectInstallDirButtonClick);
    RegisterHandler(u"GlowButton1Click"_qs, &TForm1::GlowButton1Click);
    RegisterHandler(u"GlowButton2Click"_qs, &TForm1::GlowButton2Click);
    RegisterHandler(u"UnistallButtonClick"_qs, &TForm1::UnistallButtonClick);
}

void TForm1::LoadDesign()
{
    QFile file(QString::fromLatin1(kFormResource));
    if (!file.open(QIODevice::ReadOnly)) {
        ShowException(std::runtime_error("The window's design is missing from the program"));
        return;
    }
    // Reading the design runs FormCreate at its end.
    if (const std::optional<TFormError> error = LoadFromForm(file.readAll()))
        ShowException(std::runtime_error("The window's design could not be read: "
                                         + error->ToString().toStdString()));
}

game::TRandomSource* TForm1::RandomSource() const
{
    return m_bindings ? &m_bindings->Random() : nullptr;
}

// ---- Start-up -------------------------------------------------------------

void TForm1::FormCreate(QObject*)
{
    // The caption text starts at the bar's left edge.
    RequireComponent<TStyledPanel>(*this, "CaptionPanel").Caption()->SetIndent(0);

    // The close and minimise buttons stand where the newer systems put them.
    RequireComponent<TCustomGlowButton>(*this, "MinimizeGlowButton").SetLeft(409);
    RequireComponent<TCustomGlowButton>(*this, "CloseGlowButton").SetLeft(427);

    // No title bar. The window has no frame at all then, so its outer size
    // is its client size, the designed one.
    setWindowFlags(windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    SetBounds(Left(), Top(), kClientWidth, kClientHeight);

    // The program folder and the face its file name chooses.
    const QString programPath = ProgramFile().Path();
    m_appFolder = AppFolderOf(programPath);
    m_bindings = std::make_unique<TGameBindings>(*this);
    m_game = std::make_unique<game::TWordGame>(m_bindings->Controls(), m_bindings->Services(),
                                               platform::EncodePath(m_appFolder).toStdString());
    m_face = FaceOfProgram(programPath);
    switch (m_face) {
    case TFace::Installer:
        RequireComponent<TStyledEdit>(*this, "Location").SetText(install::DefaultInstallFolder());
        StartOverlayFace("InstallPanel");
        break;
    case TFace::Uninstaller:
        StartOverlayFace("UninstallPanel");
        break;
    case TFace::Game:
        StartGameFace();
        break;
    }
    m_startupCompleted = true;
}

void TForm1::StartOverlayFace(const char* panelName)
{
    m_styleNumber = kChromeTheme;
    SetSelectorIndex(kChromeTheme - 1);
    ApplyTheme();
    RequireComponent<TControl>(*this, panelName).SetLeft(0);
}

void TForm1::StartGameFace()
{
    // The verse of a revealed word shows when the pointer rests on it and
    // when it is clicked; the verses themselves are read at the first.
    m_verses = std::make_unique<TVerseLookup>();
    m_verseTips = new TListVerseTips(RequireComponent<TCustomGrid>(*this, "GuessedWordsGrid"),
                                     [this](int row) { return ListRowVerse(row); },
                                     [this] { return VerseTipLook(); });

    RequireComponent<TControl>(*this, "UninstallPanel").SetLeft(-1000);
    RequireComponent<TControl>(*this, "InstallPanel").SetLeft(-1000);
    m_game->ExtractDataFiles(m_bindings->Resources());
    m_game->LoadWordList();
    m_bindings->Random().Randomize();
    m_styleNumber = 1;
    ReadSettings();
    SetSelectorIndex(m_styleNumber - 1);
    ApplyTheme();
}

void TForm1::ReadSettings()
{
    const TSettingsFile file(m_appFolder);
    file.WriteDefaultIfMissing();
    TCustomOfficeCheckBox& sound = RequireComponent<TCustomOfficeCheckBox>(*this, "SoundCheckBox");
    file.Read([this](int number) { m_styleNumber = number; }, [&sound](bool on) { sound.SetChecked(on); });
}

// ---- Themes ---------------------------------------------------------------

void TForm1::ApplyTheme()
{
    TThemeTargets targets;
    targets.AppStyler = dynamic_cast<TAppStyler*>(FindComponent(u"AppStyler1"_qs));
    targets.StatusPanel = dynamic_cast<TStyledPanel*>(FindComponent(u"StatusPanel"_qs));
    targets.CaptionPanel = dynamic_cast<TStyledPanel*>(FindComponent(u"CaptionPanel"_qs));
    targets.CurrentWordLabel = dynamic_cast<TSmoothLabel*>(FindComponent(u"CurrentWordLabel"_qs));
    for (const char* name : kGameLabelNames)
        targets.GameLabels.push_back(dynamic_cast<TSmoothLabel*>(FindComponent(QString::fromLatin1(name))));
    ::ApplyTheme(m_styleNumber, targets);
}

// The selector is reached through its published ItemIndex.
void TForm1::SetSelectorIndex(int index)
{
    if (TComponent* selector = FindComponent(u"VisualStyleSelector"_qs))
        selector->AsQObject()->setProperty("ItemIndex", index);
}

int TForm1::SelectorIndex() const
{
    if (TComponent* selector = FindComponent(u"VisualStyleSelector"_qs))
        return selector->AsQObject()->property("ItemIndex").toInt();
    return -1;
}

void TForm1::VisualStyleSelectorSelect(QObject*)
{
    m_styleNumber = std::max(1, SelectorIndex() + 1);
    ApplyTheme();
    // The choice ends the field's editing: the game's keys act again.
    if (ThemeFieldHasFocus())
        setFocus(Qt::OtherFocusReason);
}

// ---- Chrome ---------------------------------------------------------------

void TForm1::StartMove()
{
    if (!windowHandle())
        return;
    WindowChrome().StartMove(windowHandle());
}

void TForm1::CaptionPanelMouseDown(QObject*, TMouseButton, TShiftState, int, int)
{
    StartMove();
}

void TForm1::mousePressEvent(QMouseEvent* e)
{
    // A bare part of the window drags it like a title bar.
    TForm::mousePressEvent(e);
    StartMove();
}

bool TForm1::IsSizingSurface(const QWidget* widget) const
{
    // Only the window and its panels: a button at the edge stays a button.
    return widget && widget->window() == this && windowHandle() && !isMaximized()
        && (widget == this || qobject_cast<const TCustomStyledPanel*>(widget));
}

Qt::Edges TForm1::EdgesUnder(const QMouseEvent& mouse) const
{
    const QPoint p = mapFromGlobal(mouse.globalPosition().toPoint());
    return EdgesAt(p.x(), p.y(), width(), height(), kResizeBorder);
}

void TForm1::ShowSizingCursor(QWidget* widget, Qt::Edges edges)
{
    // The sizing cursor is lent to one widget at a time; the widget's own
    // cursor comes back when the pointer leaves the edge or the widget.
    if (m_sizingCursorOn && (m_sizingCursorOn != widget || !edges)) {
        if (m_cursorBeforeSizing)
            m_sizingCursorOn->setCursor(*m_cursorBeforeSizing);
        else
            m_sizingCursorOn->unsetCursor();
        m_sizingCursorOn = nullptr;
    }
    if (!edges || !widget)
        return;
    if (m_sizingCursorOn != widget) {
        m_cursorBeforeSizing.reset();
        if (widget->testAttribute(Qt::WA_SetCursor))
            m_cursorBeforeSizing = widget->cursor();
        m_sizingCursorOn = widget;
    }
    widget->setCursor(CursorForEdges(edges));
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    const QEvent::Type type = e->type();
    if (type == QEvent::KeyPress && HandleWindowKey(watched, *static_cast<QKeyEvent*>(e)))
        return true;
    if (type == QEvent::MouseButtonPress)
        EndThemeFieldEditing(qobject_cast<QWidget*>(watched));
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::Leave)
        return TForm::eventFilter(watched, e);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (type == QEvent::Leave) {
        if (widget && widget == m_sizingCursorOn)
            ShowSizingCursor(widget, {});
        return TForm::eventFilter(watched, e);
    }
    if (!IsSizingSurface(widget))
        return TForm::eventFilter(watched, e);
    auto* mouse = static_cast<QMouseEvent*>(e);
    const Qt::Edges edges = EdgesUnder(*mouse);
    if (type == QEvent::MouseMove) {
        if (mouse->buttons() == Qt::NoButton)
            ShowSizingCursor(widget, edges);
        return TForm::eventFilter(watched, e);
    }
    if (mouse->button() != Qt::LeftButton || !edges)
        return TForm::eventFilter(watched, e);
    WindowChrome().StartResize(windowHandle(), edges);
    return true;
}

void TForm1::CloseGlowButtonClick(QObject*)
{
    // A failed write stops here: the error box shows and the window stays.
    const bool soundOn = RequireComponent<TCustomOfficeCheckBox>(*this, "SoundCheckBox").Checked();
    TSettingsFile(m_appFolder).Write(m_styleNumber, soundOn);
    close();
}

void TForm1::MinimizeGlowButtonClick(QObject*)
{
    showMinimized();
}

void TForm1::HowToPlayButtonClick(QObject*)
{
    RequireComponent<TControl>(*this, "InstructionsPanel").SetLeft(0);
    // A control that held the focus is covered now: the focus goes on to
    // the panel's own button.
    QWidget* focus = focusWidget();
    if (focus && focus != this && !TFocusChain::ShownToUser(*focus))
        RequireComponent<TCustomGlowButton>(*this, "InstructionsCloseButton").setFocus(Qt::OtherFocusReason);
}

void TForm1::InstructionsCloseButtonClick(QObject*)
{
    auto& close = RequireComponent<TCustomGlowButton>(*this, "InstructionsCloseButton");
    const bool hadFocus = close.hasFocus() || focusWidget() == &close;
    RequireComponent<TControl>(*this, "InstructionsPanel").SetLeft(-1000);
    if (hadFocus)
        RequireComponent<TCustomGlowButton>(*this, "HowToPlayButton").setFocus(Qt::OtherFocusReason);
}

void TForm1::wwwButtonClick(QObject*)
{
    platform::Shell().OpenAddress(QString::fromLatin1(kWebAddress));
}

// ---- The game -------------------------------------------------------------

void TForm1::GenerateLettersButtonClick(QObject*)
{
    if (!m_game)
        return;
    m_game->NewPuzzle();
    // No sound is due before a puzzle: the sound service gets both files
    // ready now, off this thread, so that the first word found is heard
    // from its first moment.
    for (const char* name : {game::kNewWordSoundFileName, game::kUsedWordSoundFileName})
        platform::Sound().Prepare(m_appFolder + QLatin1String(name));
}

void TForm1::LetterClick(int number)
{
    if (m_game)
        m_game->LetterButtonClick(number);
}

void TForm1::CrossButton1Click(QObject*) { LetterClick(1); }
void TForm1::CrossButton2Click(QObject*) { LetterClick(2); }
void TForm1::CrossButton3Click(QObject*) { LetterClick(3); }
void TForm1::CrossButton4Click(QObject*) { LetterClick(4); }
void TForm1::CrossButton5Click(QObject*) { LetterClick(5); }
void TForm1::CrossButton6Click(QObject*) { LetterClick(6); }
void TForm1::CrossButton7Click(QObject*) { LetterClick(7); }
void TForm1::CrossButton8Click(QObject*) { LetterClick(8); }
void TForm1::CrossButton9Click(QObject*) { LetterClick(9); }

void TForm1::BackSpaceButtonClick(QObject*)
{
    if (m_game)
        m_game->BackSpace();
}

void TForm1::ClearButtonClick(QObject*)
{
    if (m_game)
        m_game->ClearWord();
}

void TForm1::QuitButtonClick(QObject*)
{
    if (m_game)
        m_game->Quit();
}

void TForm1::GuessedWordsGridGetCellColor(QObject* Sender, int ARow, int ACol, TGridDrawState, TCellBrush*,
                                          TFont* AFont)
{
    auto* grid = qobject_cast<TCustomGrid*>(Sender);
    if (!grid || !AFont)
        return;
    AFont->SetColor(TColor(game::GuessedWordsCellColor(grid->Cells(ACol, ARow).toStdString())));
}

void TForm1::GuessedWordsGridGetCellAccessibleText(QObject*, int, int, QString& AText)
{
    AText = QString::fromStdString(game::GuessedWordsCellSpokenText(AText.toStdString()));
}

// ---- Verses ---------------------------------------------------------------

void TForm1::GuessedWordsGridGetCellAccessibleDescription(QObject*, int ARow, int, QString& AText)
{
    if (const std::optional<game::TWordVerse> verse = ListRowVerse(ARow))
        AText = QString::fromStdString(verse->reference + ": " + verse->text);
}

std::optional<game::TWordVerse> TForm1::ListRowVerse(int row) const
{
    const auto* list = dynamic_cast<TCustomGrid*>(FindComponent(u"GuessedWordsGrid"_qs));
    if (!m_verses || !list || row < 0 || row >= list->RowCount())
        return std::nullopt;
    const QString word = list->Cells(0, row);
    if (!game::IsRevealedWord(word.toStdString()))
        return std::nullopt;
    return m_verses->Find(word);
}

TVerseTipLook TForm1::VerseTipLook() const
{
    // The face of the game's buttons, the reference in the list's font and
    // in the colour of a revealed word, the verse in the labels' font and
    // the list's text colour.
    TVerseTipLook look;
    look.Face = RequireComponent<TCustomGlowButton>(*this, "GenerateLettersButton").Appearance()->Normal();
    const TFont& listFont = *RequireComponent<TCustomGrid>(*this, "GuessedWordsGrid").Font();
    look.ReferenceFont = listFont.ToQFont();
    look.ReferenceColor = TColor(game::kRevealedWordColor);
    look.TextFont = RequireComponent<TSmoothLabel>(*this, "WordLabel1").Caption()->Font()->ToQFont();
    look.TextColor = listFont.Color();
    return look;
}

// ---------------------------------------------------------------- installer faces

void TForm1::SelectInstallDirButtonClick(QObject*)
{
    auto& location = RequireComponent<TStyledEdit>(*this, "Location");
    location.SetText(install::ChooseInstallFolder(location.Text(), this));
}

void TForm1::GlowButton1Click(QObject*)
{
    const QString folder = RequireComponent<TStyledEdit>(*this, "Location").Text();
    const bool shortcut = RequireComponent<TOfficeCheckBox>(*this, "CreateDesktopShortcut").Checked();
    install::TInstaller(ProgramFile().Path()).Install(folder, shortcut);
}

void TForm1::GlowButton2Click(QObject*)
{
    install::CancelInstall();
}

void TForm1::UnistallButtonClick(QObject*)
{
    install::TUninstaller(m_appFolder).Uninstall();
}

// ---------------------------------------------------------------- the keyboard

void TForm1::SetUpKeyboard()
{
    std::vector<QWidget*> stops;
    for (const char* name : kFocusChainNames)
        stops.push_back(dynamic_cast<QWidget*>(FindComponent(QString::fromLatin1(name))));
    m_focusChain = std::make_unique<TFocusChain>(*this, std::move(stops));
    // The window itself holds the focus until the player moves it: no
    // control shows a focus mark before that, and the keys reach the window.
    setFocusPolicy(Qt::ClickFocus);
    setFocus(Qt::OtherFocusReason);
}

bool TForm1::focusNextPrevChild(bool next)
{
    return MoveFocus(next);
}

bool TForm1::MoveFocus(bool forward)
{
    if (!m_focusChain)
        return false;
    QWidget* focus = focusWidget();
    QWidget* target = m_focusChain->Next(focus == this ? nullptr : focus, forward);
    if (!target)
        return false;
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TForm1::ThemeFieldHasFocus() const
{
    const auto* selector = dynamic_cast<const QWidget*>(FindComponent(u"VisualStyleSelector"_qs));
    const QWidget* focus = focusWidget();
    return selector && focus && selector->isAncestorOf(focus);
}

bool TForm1::InstructionsShown() const
{
    const auto* panel = dynamic_cast<const TControl*>(FindComponent(u"InstructionsPanel"_qs));
    return panel && TFocusChain::ShownToUser(*panel);
}

bool TForm1::HandleWindowKey(QObject* watched, QKeyEvent& key)
{
    // Each key once, where Qt first delivers it: the focused control of
    // this window, or the window itself.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (widget != (focus ? focus : this))
        return false;

    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && !(mods & (Qt::ControlModifier | Qt::AltModifier)))
        return MoveFocus(key.key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier));

    if (m_face != TFace::Game)
        return false;
    const TGameKeyPress press = GameKeyOf(key.key(), key.modifiers(), key.text());
    if (press.key == TGameKey::None)
        return false;
    // The theme field keeps the keys that edit it while it has the focus.
    if (IsEditingKey(press.key) && ThemeFieldHasFocus())
        return false;
    // While the instructions cover the game, the game takes no keys;
    // Escape closes them as their Close button does.
    if (InstructionsShown()) {
        if (press.key == TGameKey::ClearWord)
            PressButton("InstructionsCloseButton");
        return true;
    }
    switch (press.key) {
    case TGameKey::Letter: PressLetterKey(press.letter); break;
    case TGameKey::BackSpace: PressButton("BackSpaceButton"); break;
    case TGameKey::ClearWord: PressButton("ClearButton"); break;
    case TGameKey::NewPuzzle: PressButton("GenerateLettersButton"); break;
    case TGameKey::HowToPlay: PressButton("HowToPlayButton"); break;
    case TGameKey::None: break;
    }
    return true;
}

void TForm1::PressLetterKey(QChar letter)
{
    // The first letter button that is up and shows the letter, clicked.
    for (const char* name : kLetterButtonNames) {
        auto* button = dynamic_cast<TCustomGlowButton*>(FindComponent(QString::fromLatin1(name)));
        if (button && !button->Down() && button->Caption() == QString(letter)) {
            button->PerformClick();
            return;
        }
    }
}

void TForm1::PressButton(const char* name)
{
    if (auto* button = dynamic_cast<TCustomGlowButton*>(FindComponent(QString::fromLatin1(name))))
        button->PerformClick();
}

void TForm1::EndThemeFieldEditing(QWidget* pressed)
{
    // A press on a control that takes no focus itself (a game button, a
    // bare panel) takes the focus back from the theme field to the window.
    if (!pressed || pressed->window() != this || !ThemeFieldHasFocus())
        return;
    for (QWidget* w = pressed; w && w != this; w = w->parentWidget())
        if (w->focusPolicy() & Qt::ClickFocus)
            return;
    setFocus(Qt::MouseFocusReason);
}
