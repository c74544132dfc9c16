#pragma once
// The verse of a word in the list, shown the way a tooltip is: when the
// pointer rests on a revealed word, and at once when the player clicks it.
//
// TVerseTip is the small window that shows one verse (its reference on the
// first line, the verse wrapped below) on the face of the game's buttons.
// TListVerseTips watches the list and decides when the tip shows and hides;
// it asks its owner for the verse of a row and for the look of the tip.
#include "controls/paint/Color.h"
#include "controls/paint/GlowFace.h"
#include "game/WordVerses.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class TCustomGrid;

// The look of the tip: the face of the game's buttons, the reference in the
// list's font and the colour of a revealed word, the verse in the labels'
// font and the game's text colour.
struct TVerseTipLook {
    TFaceColors Face;
    QFont ReferenceFont;
    TColor ReferenceColor = clBlack;
    QFont TextFont;
    TColor TextColor = clBlack;
};

class TVerseTip : public QWidget {
    Q_OBJECT
public:
    // The verse is wrapped to this width in pixels.
    static constexpr int kTextWidth = 320;
    // Space between the edge and the text.
    static constexpr int kPadding = 6;
    // Between the reference and the verse.
    static constexpr int kLineGap = 3;

    explicit TVerseTip(QWidget* owner);

    // Takes the verse and the look and sizes the window to fit them (it
    // does not show it).
    void SetVerse(const game::TWordVerse& verse, const TVerseTipLook& look);
    const QString& Reference() const { return m_reference; }
    const QString& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Where the two texts go, for the current verse and look.
    QRect ReferenceRect() const;
    QRect TextRect() const;

    QString m_reference;
    QString m_text;
    TVerseTipLook m_look;
};

class TListVerseTips : public QObject {
    Q_OBJECT
public:
    // The verse a row shows, or nothing (a starred row, a word without one).
    using TVerseOfRow = std::function<std::optional<game::TWordVerse>(int row)>;
    using TLookOfTip = std::function<TVerseTipLook()>;

    // Watches the grid; the tip window is made the first time it shows, as
    // a child window of the grid's window.
    TListVerseTips(TCustomGrid& grid, TVerseOfRow verseOf, TLookOfTip look);
    ~TListVerseTips() override;

    // The tip window, or nothing before it first showed.
    TVerseTip* Tip() const { return m_tip; }
    // True while the tip shows a row's verse.
    bool Showing() const;
    // The row whose verse shows, or -1.
    int ShownRow() const { return Showing() ? m_row : -1; }
    void Hide();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Shows the verse of the cell under pos (grid coordinates) near the
    // global point, or hides the tip when that cell has none.
    void ShowAt(QPoint pos, QPoint global);
    // The tip's place: below and right of the pointer, within the screen.
    QPoint PlaceFor(QPoint global, QSize size) const;

    TCustomGrid& m_grid;
    TVerseOfRow m_verseOf;
    TLookOfTip m_look;
    QPointer<TVerseTip> m_tip;
    QTimer m_hideTimer;
    int m_row = -1;
};
