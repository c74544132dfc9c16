#pragma once
// The inside of RenderMiniHtml: one object per call holding the call's
// state, the current line's state and the current pass's state. Lines are
// laid out in two passes over the same text: the first measures and decides
// what the line takes (its "consumed" part), the second draws that part or,
// for hit-testing, measures it again at its aligned position.
//
// The remaining text is never copied: a pass works on [pos, end) of the
// prepared text, and a line's consumed text is [lineStart, pos) after its
// first pass.
#include "controls/minihtml/MiniHtml.h"

#include <optional>

namespace minihtml {

enum class TParaAlign { Left, Right, Center };

class TRenderer {
public:
    TRenderer(const TMiniHtmlParams& params, TMiniHtmlResult& result);
    bool Run();

private:
    // ---- per call
    struct CallState {
        TCanvasFont baseFont;
        TColor canvasBackground = clWhite;
        // Saved-colour slots: one each, not a stack. A text background of
        // nullopt is "none" (transparent text).
        std::optional<TColor> fontBgSlot;
        std::optional<TColor> hiBgSlot;
        std::optional<TColor> hiColorSlot;
        std::optional<TColor> pBgSlot;
        std::optional<TColor> anchorBgSlot;
        std::optional<TColor> anchorColorSlot;
        bool inAnchor = false;
        QString anchorRef;
        bool hidden = false;
        bool shadow = false;
        bool subscript = false;
        bool superscript = false;
        bool errorMark = false;
        bool paraBackground = false;
        TParaAlign align = TParaAlign::Left;
        int indent = 0;
        int listLevel = 0;
        int offset = 0;
        int carriedOffset = 0;
        int anchorCounter = 0;
        int imageCounter = 0;
        int imageUnderPoint = 0; // 0: none
        TRect focusRect;
        bool recordingAnchorRect = false;
        // What the hit test found, handed out only when the call's result
        // is true: a miss leaves the caller's values alone.
        QString anchorAtPoint;
        int anchorIndexAtPoint = -1;
        TRect anchorRectAtPoint;
        // The font a rotation replaced, for each kind of pass.
        std::optional<TCanvasFont> rotatedFrom[2];
        TCanvasFont measureFont;
        TCanvasFont drawFont;
    };

    // ---- per line
    struct LineState {
        int gh = 0;          // text height of "gh" in the font current at the line's start
        int height = 0;
        int subExtra = 0;
        int supExtra = 0;
        int lift = 0;
        TRect rect;          // the line rectangle (provisional in the first pass)
    };

    // ---- per pass
    struct PassState {
        bool drawing = false;
        bool firstPass = true;
        int width = 0;
        int trailingBlank = 0;
        bool lineDone = false;
        bool imageRefused = false;
        bool listItemOnLine = false;
        int currentX = 0;
        int textBottom = 0;
        int anchorStartWidth = 0;
        int anchorStartTop = 0;
        bool anchorStartedHere = false;
        bool hitText = false;
        bool hitImage = false;
    };

    // Lines.
    void Prepare();
    void LayOutLine();
    void Pass(qsizetype end);
    void Finish();

    // Items of a pass.
    // Returns false when the run was not taken (the line ends before it).
    bool TextRun(QStringView raw);
    void Tag(qsizetype end);
    void OpeningTag(QStringView tag, QChar group, QChar next, bool& keep);
    void ClosingTag(QStringView tag, QChar group, QChar next);
    void FontTag(QStringView tag);
    void ParagraphTag(QStringView tag);
    void ListItem(bool& keep);
    void AnchorStart(QStringView tag);
    void AnchorEnd();
    void Image(QStringView tag, bool& keep);
    void Body(QStringView tag);
    void Indent(QStringView tag);
    void Offset(QStringView tag);
    void Rotate(QStringView tag);

    // Helpers.
    struct ImageSource {
        enum class Kind { None, ListImage, Picture } kind = Kind::None;
        int index = 0;                       // ListImage
        IHtmlPicture* picture = nullptr;     // Picture
    };
    ImageSource FindImageSource(const QString& source, bool upperIsSource);
    bool AnchorStyled(int index) const;
    int TextHeightGh();
    std::optional<TColor> TextBackground() const;
    void SetTextBackground(std::optional<TColor> c);
    void DrawRun(const QString& shown, TRect rect);
    void DrawErrorMark(int left, int right, int bottom);
    void CloseFocusPiece(int bottom, bool startNext);
    int Scaled(int v, bool x) const;
    bool Drawing() const { return m_pass.drawing; }

    const TMiniHtmlParams& m_p;
    TMiniHtmlResult& m_r;
    TCanvas& m_canvas;
    QString m_text;      // the prepared text
    qsizetype m_pos = 0; // start of the remaining text
    TTextFlags m_drawFlags = 0;
    TTextFlags m_measureFlags = 0;
    TRect m_work;        // the working rectangle
    CallState m_call;
    LineState m_line;
    PassState m_pass;
    // What the canvas held at the call, given back at its end.
    TColor m_savedBrushColor = clWhite;
    TBrushStyle m_savedBrushStyle = TBrushStyle::bsSolid;
    TBkMode m_savedBkMode = TBkMode::bkOpaque;
    TColor m_savedBkColor = clWhite;
    TColor m_savedPenColor = clBlack;
    TPenStyle m_savedPenStyle = TPenStyle::psSolid;
    int m_savedPenWidth = 1;
};

} // namespace minihtml
