#include "window/VerseTip.h"

#include "controls/grid/GridBase.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

// ---- The tip window --------------------------------------------------------

TVerseTip::TVerseTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("VerseTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TVerseTip::SetVerse(const game::TWordVerse& verse, const TVerseTipLook& look)
{
    m_reference = FromUtf8(verse.reference);
    m_text = FromUtf8(verse.text);
    m_look = look;
    const QRect text = TextRect();
    const int width = std::max(ReferenceRect().right(), text.right()) + 1 + kPadding;
    resize(width, text.bottom() + 1 + kPadding);
    update();
}

QRect TVerseTip::ReferenceRect() const
{
    const QFontMetrics metrics(m_look.ReferenceFont);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, kTextWidth, 10000), kTextFlags, m_reference);
    return bounds.translated(kPadding, kPadding);
}

QRect TVerseTip::TextRect() const
{
    const QFontMetrics metrics(m_look.TextFont);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, kTextWidth, 10000), kTextFlags, m_text);
    return bounds.translated(kPadding, ReferenceRect().bottom() + 1 + kLineGap);
}

void TVerseTip::paintEvent(QPaintEvent*)
{
    // State: the two halves of the face and the places of the texts.
    const QRect whole = rect();
    const int middle = whole.height() / 2;
    const QRect upper(0, 0, whole.width(), middle);
    const QRect lower(0, middle, whole.width(), whole.height() - middle);

    // Colours: the face of the game's buttons; a face without a border of
    // its own is framed in the text colour.
    const TFaceColors& face = m_look.Face;
    const TColor border = face.Border != clNone ? face.Border : m_look.TextColor;

    // Drawing: the face, its frame, the reference, the verse.
    QPainter painter(this);
    painter.fillRect(whole, ToQColor(clWhite));
    FillGlowHalf(painter, upper, face.Color, face.ColorTo, face.Gradient, TGlowHalf::Upper);
    FillGlowHalf(painter, lower, face.ColorMirror, face.ColorMirrorTo, face.GradientMirror, TGlowHalf::Lower);
    painter.setPen(ToQColor(border));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(whole.adjusted(0, 0, -1, -1));
    painter.setFont(m_look.ReferenceFont);
    painter.setPen(ToQColor(m_look.ReferenceColor));
    painter.drawText(ReferenceRect(), kTextFlags, m_reference);
    painter.setFont(m_look.TextFont);
    painter.setPen(ToQColor(m_look.TextColor));
    painter.drawText(TextRect(), kTextFlags, m_text);
}

// ---- When it shows ----------------------------------------------------------

TListVerseTips::TListVerseTips(TCustomGrid& grid, TVerseOfRow verseOf, TLookOfTip look)
    : QObject(&grid)
    , m_grid(grid)
    , m_verseOf(std::move(verseOf))
    , m_look(std::move(look))
{
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &TListVerseTips::Hide);
    grid.installEventFilter(this);
    // The pointer on a scroll bar is off the rows.
    for (QWidget* bar : {static_cast<QWidget*>(grid.VertScrollBar()), static_cast<QWidget*>(grid.HorzScrollBar())})
        bar->installEventFilter(this);
}

TListVerseTips::~TListVerseTips()
{
    delete m_tip.data();
}

bool TListVerseTips::Showing() const
{
    return m_tip && m_tip->isVisible();
}

void TListVerseTips::Hide()
{
    m_hideTimer.stop();
    m_row = -1;
    if (m_tip)
        m_tip->hide();
}

void TListVerseTips::ShowAt(QPoint pos, QPoint global)
{
    const std::optional<TGridCoord> cell = m_grid.CellAt(pos);
    const std::optional<game::TWordVerse> verse = cell ? m_verseOf(cell->Y) : std::nullopt;
    if (!verse) {
        Hide();
        return;
    }
    if (!m_tip)
        m_tip = new TVerseTip(m_grid.window());
    m_tip->SetVerse(*verse, m_look());
    m_tip->move(PlaceFor(global, m_tip->size()));
    m_tip->show();
    m_row = cell->Y;
    // As long as a tooltip of its length stays.
    m_hideTimer.start(10000 + 40 * std::max<qsizetype>(0, m_tip->Text().size() - 100));
}

QPoint TListVerseTips::PlaceFor(QPoint global, QSize size) const
{
    QPoint at = global + QPoint(2, 16);
    const QScreen* screen = QGuiApplication::screenAt(global);
    if (!screen)
        screen = m_grid.screen();
    if (!screen)
        return at;
    const QRect area = screen->availableGeometry();
    if (at.x() + size.width() > area.right() + 1)
        at.setX(std::max(area.left(), area.right() + 1 - size.width()));
    if (at.y() + size.height() > area.bottom() + 1)
        at.setY(std::max(area.top(), global.y() - 4 - size.height()));
    return at;
}

bool TListVerseTips::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != &m_grid) {
        if (e->type() == QEvent::Enter || e->type() == QEvent::Wheel)
            Hide();
        return QObject::eventFilter(watched, e);
    }
    switch (e->type()) {
    case QEvent::ToolTip: {
        // The pointer rests on the list.
        auto* help = static_cast<QHelpEvent*>(e);
        ShowAt(help->pos(), help->globalPos());
        return true;
    }
    case QEvent::MouseButtonPress: {
        // A click shows the verse at once; the grid still selects the row.
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton)
            ShowAt(mouse->position().toPoint(), mouse->globalPosition().toPoint());
        else
            Hide();
        break;
    }
    case QEvent::MouseMove: {
        // Off the row whose verse shows: the tip goes.
        if (!Showing())
            break;
        const std::optional<TGridCoord> cell = m_grid.CellAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (!cell || cell->Y != m_row)
            Hide();
        break;
    }
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::Hide:
        Hide();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, e);
}
