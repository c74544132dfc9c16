#include "window/Themes.h"

#include "controls/style/AppStyler.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/panel/StyledPanel.h"

const std::array<const char*, 18> kGameLabelNames = {
    "WordLabel1", "ScoreLabel1", "ScoreLabel", "WordsLabel1", "NumWordsLabel",
    "PotentialWordsLabel1", "PotentialWordsLabel", "SlashLabel",
    "InstructionsLabel1", "InstructionsLabel2", "InstructionsLabel3", "InstructionsLabel4",
    "InstructionsLabel5", "InstructionsLabel6", "InstructionsLabel7", "InstructionsLabel8",
    "InstructionsLabel9", "InstructionsLabel10",
};

const TTheme* ThemeByNumber(int number)
{
    if (number < 1 || number > int(kThemes.size()))
        return nullptr;
    return &kThemes[std::size_t(number - 1)];
}

QStringList ThemeNames()
{
    QStringList names;
    for (const TTheme& theme : kThemes)
        names << QString::fromLatin1(theme.Name);
    return names;
}

namespace {

void SetGradient(TSmoothLabel* label, TColor start, TColor end)
{
    if (!label)
        return;
    label->Caption()->SetColorStart(start);
    label->Caption()->SetColorEnd(end);
}

} // namespace

void ApplyTheme(int number, const TThemeTargets& t)
{
    // The usual label gradient; Blue replaces it below.
    SetGradient(t.CurrentWordLabel, kLabelGradientStart, kLabelGradientEnd);

    // The style, then the theme's own colours over it.
    if (const TTheme* theme = ThemeByNumber(number)) {
        if (t.AppStyler)
            t.AppStyler->SetStyle(theme->Style);
        if (number == kBlueTheme)
            SetGradient(t.CurrentWordLabel, kBlueLabelGradientStart, kBlueLabelGradientEnd);
        if (number == kChromeTheme && t.CaptionPanel) {
            TPanelCaption* caption = t.CaptionPanel->Caption();
            caption->SetColor(kChromeCaptionColor);
            caption->SetColorTo(kChromeCaptionColorTo);
            caption->SetGradientDirection(gdVertical);
            caption->Font()->SetColor(kDarkCaptionFontColor);
        }
        if (number == kFlatTheme && t.CaptionPanel)
            t.CaptionPanel->Caption()->Font()->SetColor(kDarkCaptionFontColor);
        if (t.StatusPanel) {
            t.StatusPanel->SetColor(theme->Color);
            t.StatusPanel->SetColorTo(theme->ColorTo);
            t.StatusPanel->SetColorMirror(theme->ColorMirror);
            t.StatusPanel->SetColorMirrorTo(theme->ColorMirrorTo);
        }
    }

    // The style may have moved the caption text.
    if (t.CaptionPanel)
        t.CaptionPanel->Caption()->SetIndent(0);

    // Every game label follows the current word's gradient.
    if (t.CurrentWordLabel) {
        const TColor start = t.CurrentWordLabel->Caption()->ColorStart();
        const TColor end = t.CurrentWordLabel->Caption()->ColorEnd();
        for (TSmoothLabel* label : t.GameLabels)
            SetGradient(label, start, end);
    }
}
