#include "controls/selector/OfficeSelector.h"

#include "controls/style/StateFaces.h"
#include "controls/style/StyleTable.h"
#include "controls/core/Accessibility.h"

#include "platform/Fonts.h"
#include "controls/paint/Property.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// QLineEdit sets its text this far inside its content rectangle.
constexpr int kEditHorizontalMargin = 2;
constexpr int kEditVerticalMargin = 1;

// The most of an item that a completion appends.
constexpr int kMaxCompletion = 255;

// The hot and down looks of the drop button and the look of the list's
// highlighted row that a style gives.
struct TSelectorStateColors {
    const TStateFaces* Button;
    TFaceColors Selection; // its four colours; the gradient kinds and the outline stay
    TColor SelectionText;
    bool Rounded;
};

constexpr TSelectorStateColors kOffice2003Selector{
    &kOffice2003StateFaces, {0xACECFF, 0xACECFF, 0xACECFF, 0xACECFF}, 0x000000, false};
constexpr TSelectorStateColors kOffice2007Selector{
    &kOfficeStateFaces, {0xEBFDFF, 0xABEBFF, 0x69D6FF, 0x96E4FF}, 0x000000, true};
constexpr TSelectorStateColors kWindowsXPSelector{
    &kWindowsXPStateFaces, {clHighlight, clHighlight, clHighlight, clHighlight}, clHighlightText, false};

// What a style gives a selector: the drop button's normal look, the frame
// colours (BorderHot none: kept) and the state looks (none: kept).
struct TSelectorStyleColors {
    TFaceColors Button;
    TColor Border;
    std::optional<TColor> BorderHot;
    const TSelectorStateColors* States;
};

constexpr TStyleRow<TSelectorStyleColors> kStyleRows[] = {
    {tsOffice2003Blue, {{0xEEDBC8, 0xF6DDC9, 0xF6DDC9, 0xF7E1D0}, 0xE0B99B, 0x99CEDB, &kOffice2003Selector}},
    {tsOffice2003Silver, {{0xE6D8D8, 0xEDD4C0, 0xEDD4C0, 0xC8B2B3}, 0xE0B99B, 0x99CEDB, &kOffice2003Selector}},
    {tsOffice2003Olive, {{0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1}, 0xE0B99B, 0x99CEDB, &kOffice2003Selector}},
    {tsOffice2003Classic, {{clBtnFace, clBtnFace, clBtnFace, clBtnFace}, clNone, 0x99CEDB, nullptr}},
    {tsOffice2007Luna, {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0}, 0xE0B99B, 0x99CEDB, &kOffice2007Selector}},
    {tsOffice2007Obsidian, {{0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0}, 0xC0BCB2, std::nullopt, &kOffice2007Selector}},
    {tsWindowsXP, {{0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC}, clNone, 0xE0B99B, &kWindowsXPSelector}},
    {tsWhidbey, {{0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0}, clNone, 0x99CEDB, &kOffice2003Selector}},
    {tsOffice2007Silver, {{0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6}, 0xCCCAC9, 0x99CEDB, &kOffice2007Selector}},
};

bool IsBackspaceOrDelete(int key) { return key == Qt::Key_Backspace || key == Qt::Key_Delete; }

} // namespace

// ---------------------------------------------------------------- the field

TComboEdit::TComboEdit(TCustomOfficeComboBox* owner)
    : QLineEdit(owner)
    , m_owner(owner)
{
    setFrame(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void TComboEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    if (!m_owner)
        return;
    QPainter painter(this);
    m_owner->PaintOver(painter);
}

void TComboEdit::keyPressEvent(QKeyEvent* e)
{
    // The key itself first, then the character it carries; the field's own
    // editing only when neither consumed it.
    if (!m_owner) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    bool consumed = m_owner->FieldKeyDown(e->key(), e->modifiers());
    if (!e->text().isEmpty())
        consumed = m_owner->FieldKeyPress(e->text().at(0)) || consumed;
    if (!consumed)
        QLineEdit::keyPressEvent(e);
}

void TComboEdit::keyReleaseEvent(QKeyEvent* e)
{
    QLineEdit::keyReleaseEvent(e);
    if (m_owner && !e->isAutoRepeat())
        m_owner->FieldKeyUp(e->key(), e->modifiers());
}

void TComboEdit::mousePressEvent(QMouseEvent* e)
{
    if (!m_owner || !m_owner->FieldMousePress(e))
        QLineEdit::mousePressEvent(e);
}

void TComboEdit::mouseMoveEvent(QMouseEvent* e)
{
    // The arrow over the drop button (anywhere for a read-only list), the
    // text cursor elsewhere.
    if (!m_owner) {
        QLineEdit::mouseMoveEvent(e);
        return;
    }
    const bool arrow = m_owner->Style() == TCustomOfficeComboBox::csDropDownList
        || m_owner->Geometry().InButton(e->position().toPoint());
    setCursor(arrow ? Qt::ArrowCursor : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(e);
}

void TComboEdit::wheelEvent(QWheelEvent* e)
{
    // Only a focused selector takes the wheel: over an unfocused one the
    // wheel changes nothing, so the field never names what the pointer
    // merely rolled over.
    if (!hasFocus()) {
        e->ignore();
        return;
    }
    const int delta = e->angleDelta().y();
    if (delta != 0 && m_owner)
        m_owner->FieldWheel(delta);
    e->accept();
}

void TComboEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (m_owner)
        m_owner->FieldFocusIn(e->reason());
}

void TComboEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (m_owner)
        m_owner->FieldFocusOut(e->reason());
}

// ------------------------------------------------------------- the selector

TCustomOfficeComboBox::TCustomOfficeComboBox(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
    , m_edit(new TComboEdit(this))
    , m_button(new TComboBtn(this))
    , m_selection(new TSelectionAppearance(this))
{
    setFocusProxy(m_edit);
    m_edit->setFocusPolicy(Qt::StrongFocus);
    SetColor(clWindow);

    connect(m_edit, &QLineEdit::textChanged, this, [this] { TextEdited(); });
    m_button->OnChange = [this] { m_edit->update(); };
    m_button->OnWidthChange = [this] {
        SetEditRect();
        m_edit->update();
    };
    m_selection->OnChange = [this] {
        if (TDropDownList* list = BuiltList())
            list->viewport()->update();
    };

    SetBounds(0, 0, 145, 21);
    ApplyFieldLook();
    SetEditRect();
}

TCustomOfficeComboBox::~TCustomOfficeComboBox()
{
    // The field and the popup no longer call a half-destroyed selector.
    m_edit->Detach();
    disconnect(m_edit, nullptr, this, nullptr);
    if (m_dropDown) {
        m_dropDown->OnHide = nullptr;
        m_dropDown->List()->OnDrawRow = nullptr;
        delete m_dropDown;
    }
}

TDropDownWindow& TCustomOfficeComboBox::Popup() const
{
    if (m_dropDown)
        return *m_dropDown;
    auto* self = const_cast<TCustomOfficeComboBox*>(this);
    m_dropDown = new TDropDownWindow(self);
    TDropDownList* list = m_dropDown->List();
    list->SetRowHeight(ListItemHeight());
    list->OnDrawRow = [self](QPainter& p, int row, const QRect& r, bool selected, bool focused) {
        self->DrawRow(p, row, r, selected, focused);
    };
    list->OnKey = [self](QKeyEvent* e) { return self->ListKey(e); };
    list->OnMouseUp = [self](QPoint p) { self->ListMouseUp(p); };
    m_dropDown->OnHide = [self] { self->ListHidden(); };
    m_dropDown->resize(Width(), 20);
    self->FillDropDownList();
    return *m_dropDown;
}

// --- published values

void TCustomOfficeComboBox::SetAntiAlias(TAntiAlias v)
{
    if (!SetIfChanged(m_antiAlias, v))
        return;
    if (TDropDownList* list = BuiltList())
        list->viewport()->update();
}

void TCustomOfficeComboBox::SetDropDownCount(int v) { m_dropDownCount = std::max(1, v); }

QString TCustomOfficeComboBox::Text() const { return m_edit->text(); }

void TCustomOfficeComboBox::SetText(const QString& v) { SetFieldText(v); }

void TCustomOfficeComboBox::SetItemIndex(int v)
{
    if (m_items.isEmpty()) {
        m_itemIndex = -1;
        return;
    }
    if (v >= m_items.size())
        return;
    m_itemIndex = v;
    if (v >= 0) {
        SetFieldText(m_items[v]);
        if (m_dropped)
            List()->Highlight(RowOfText(m_items[v]));
    } else if (v == -1) {
        SetFieldText(QString());
    }
    ConfirmText();
}

void TCustomOfficeComboBox::SetItemHeight(int v)
{
    v = std::max(1, v);
    if (!SetIfChanged(m_itemHeight, v))
        return;
    if (TDropDownList* list = BuiltList())
        list->SetRowHeight(ListItemHeight());
}

void TCustomOfficeComboBox::SetStyle(TComboStyle v)
{
    if (!SetIfChanged(m_style, v))
        return;
    m_edit->setReadOnly(v == csDropDownList);
    m_edit->update();
}

TSelectorGeometry TCustomOfficeComboBox::Geometry() const
{
    return TSelectorGeometry(QSize(Width(), Height()), m_button->Width(), QFontMetrics(DrawingFont()).height());
}

// --- the list

void TCustomOfficeComboBox::DropDown()
{
    if (m_dropped || (m_dropDown && m_dropDown->isVisible()))
        return;
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
    TDropDownList* list = List();

    // Row height and the popup's height: at most DropDownCount rows.
    list->SetRowHeight(ListItemHeight());
    const int n = std::min(int(m_items.size()), m_dropDownCount);
    const int height = std::max(20, n * list->RowHeight() + 4);

    // Below the selector when it fits above the work area's bottom, else above.
    const QPoint below = mapToGlobal(QPoint(0, Height()));
    QScreen* screen = QGuiApplication::screenAt(below);
    if (!screen)
        screen = this->screen();
    const int workBottom = screen ? screen->availableGeometry().bottom() + 1 : INT_MAX;
    QPoint topLeft;
    if (below.y() + height + 4 < workBottom)
        topLeft = QPoint(below.x() - 2, below.y());
    else
        topLeft = QPoint(below.x() - 1, below.y() - Height() - height);

    // The rows, then the width: wide enough for every row at 1.4 times its
    // width in the popup's own font.
    FillDropDownList();
    QFont measuring = m_dropDown->font();
    measuring.setPointSize(8);
    const QFontMetrics fm(measuring);
    int w = Width() + 1;
    for (const QString& row : list->Rows())
        w = std::max(w, int(std::lround(1.4 * fm.horizontalAdvance(row))));
    int width;
    if (m_dropDownWidth >= 1)
        width = m_dropDownWidth;
    else
        width = w > Width() + 1 ? w + 48 : w;
    m_dropDown->Place(QRect(topLeft, QSize(width, height)));

    // The highlight on the row of the current text, once the list has its
    // size, so that it scrolls into a view of the right height.
    const int current = RowOfText(Text());
    list->Highlight(current >= 0 ? current : 0);

    m_dropDown->show();
    m_dropped = true;
    m_edit->selectAll();
    m_edit->repaint();
    AnnounceExpanded();
}

void TCustomOfficeComboBox::AnnounceExpanded()
{
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    accessibility::AnnounceStateChange(this, changed);
}

void TCustomOfficeComboBox::CloseUp()
{
    if (m_dropDown && m_dropDown->isVisible())
        m_dropDown->hide(); // ListHidden follows
    m_dropped = false;
    m_edit->repaint();
}

void TCustomOfficeComboBox::ListHidden()
{
    if (IsDestroying())
        return;
    const bool was = m_dropped;
    m_dropped = false;
    m_edit->update();
    if (was)
        AnnounceExpanded();
}

void TCustomOfficeComboBox::FillDropDownList()
{
    TDropDownList* list = BuiltList();
    if (!list)
        return; // filled when it is built
    QStringList rows;
    m_recentRows = 0;
    if (m_displayRecent) {
        for (auto it = m_recent.crbegin(); it != m_recent.crend() && m_recentRows < m_dropDownCount; ++it) {
            rows << *it;
            ++m_recentRows;
        }
    }
    rows << m_items;
    list->SetRows(rows);
}

void TCustomOfficeComboBox::ConfirmText()
{
    const QString text = Text();
    m_confirmedText = text;
    const int index = m_items.indexOf(text);
    if (index < 0)
        return;
    m_itemIndex = index;
    if (IsLoading())
        return;
    // The recent selections keep at most DropDownCount - 1 entries, the
    // newest last.
    m_recent.removeOne(text);
    const int keep = std::max(0, m_dropDownCount - 2);
    while (m_recent.size() > keep)
        m_recent.removeFirst();
    m_recent << text;
}

void TCustomOfficeComboBox::ListMouseUp(QPoint p)
{
    TDropDownList* list = List();
    const int row = list->RowAt(p);
    if (row >= 0) {
        // ItemIndex first, then OnSelect while the list still shows.
        SetItemIndex(m_items.indexOf(list->item(row)->text()));
        if (OnSelect)
            OnSelect(this);
    }
    CloseUp();
    if (QWidget* w = window())
        w->activateWindow();
    if (m_autoResetFocus)
        m_edit->setFocus(Qt::MouseFocusReason);
}

bool TCustomOfficeComboBox::ListKey(QKeyEvent* e)
{
    // The key goes to the field as a key-down and a key-up; what the field
    // handled there (moving the highlight, Enter, Escape, F4) is not moved
    // a second time by the list's own handling. Enter's character follows
    // as in the field, so Enter in the list chooses the item as a click
    // does (OnSelect).
    const bool handled = FieldKeyDown(e->key(), e->modifiers());
    if (e->text() == QLatin1String("\r"))
        FieldKeyPress(QLatin1Char('\r'));
    FieldKeyUp(e->key(), e->modifiers());
    return handled;
}

int TCustomOfficeComboBox::RowOfText(const QString& text) const
{
    TDropDownList* list = List();
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == text)
            return i;
    return -1;
}

int TCustomOfficeComboBox::ItemOfText(const QString& text, Qt::CaseSensitivity cs) const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i].compare(text, cs) == 0)
            return i;
    return -1;
}

// --- keys

bool TCustomOfficeComboBox::FieldKeyDown(int key, Qt::KeyboardModifiers mods)
{
    if (OnKeyDown) {
        int k = key;
        OnKeyDown(this, k, ShiftOf(mods, Qt::NoButton));
        if (k == 0)
            return true;
        key = k;
    }
    return HandleKeyDown(key, mods);
}

bool TCustomOfficeComboBox::HandleKeyDown(int key, Qt::KeyboardModifiers mods)
{
    const bool alt = mods & Qt::AltModifier;
    if (m_style == csDropDown)
        m_lookUpActive = !IsBackspaceOrDelete(key);
    switch (key) {
    case Qt::Key_F4:
        if (alt)
            return false;
        DropDown();
        return true;
    case Qt::Key_Down:
        if (alt) {
            if (m_dropped)
                CloseUp();
            else
                DropDown();
        } else {
            MoveHighlight(+1);
        }
        return true;
    case Qt::Key_Up:
        MoveHighlight(-1);
        return true;
    case Qt::Key_PageDown:
        PageHighlight(m_dropDownCount - 1);
        return true;
    case Qt::Key_PageUp:
        PageHighlight(-(m_dropDownCount - 1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EnterKeyDown();
        return true;
    case Qt::Key_Escape:
        Escape();
        return true;
    default:
        return false;
    }
}

bool TCustomOfficeComboBox::FieldKeyPress(QChar ch)
{
    QChar key = ch;
    if (OnKeyPress) {
        OnKeyPress(this, key);
        if (key.isNull())
            return true;
    }
    if (key == QLatin1Char('\r')) {
        EnterCharacter();
        return true;
    }
    if (key == QLatin1Char('\x1b'))
        return true;
    if (m_style == csDropDownList) {
        if (key.isPrint())
            ChooseByFirstLetter(key);
        return true;
    }
    if (key != ch && key.isPrint()) {
        // The handler put another character in place of the typed one.
        m_edit->insert(QString(key));
        return true;
    }
    return false;
}

void TCustomOfficeComboBox::FieldKeyUp(int key, Qt::KeyboardModifiers mods)
{
    if (OnKeyUp) {
        int k = key;
        OnKeyUp(this, k, ShiftOf(mods, Qt::NoButton));
    }
    if (m_style == csDropDown && m_textChanged && m_lookUp && !IsBackspaceOrDelete(key))
        LookUpText();
    m_textChanged = false;
}

bool TCustomOfficeComboBox::AcceptTypedItem(bool cursorToStart)
{
    const int index = ItemOfText(Text(), Qt::CaseInsensitive);
    if (index < 0)
        return false;
    // The item's own spelling, one change notice, then confirmed.
    ++m_quietText;
    SetFieldText(m_items[index]);
    --m_quietText;
    if (cursorToStart)
        m_edit->setCursorPosition(0);
    RaiseChange();
    ConfirmText();
    if (m_dropped)
        CloseUp();
    return true;
}

void TCustomOfficeComboBox::EnterKeyDown()
{
    AcceptTypedItem(false);
}

void TCustomOfficeComboBox::EnterCharacter()
{
    if (AcceptTypedItem(true) && OnSelect)
        OnSelect(this);
}

void TCustomOfficeComboBox::Escape()
{
    SetFieldText(m_confirmedText);
    if (m_dropped) {
        CloseUp();
        m_edit->setFocus(Qt::OtherFocusReason);
    }
}

void TCustomOfficeComboBox::MoveHighlight(int delta)
{
    TDropDownList* list = List();
    const int count = list->count();
    if (count == 0)
        return;
    const int current = m_dropped ? list->HighlightedRow() : RowOfText(Text());
    const int row = std::clamp(current + delta, 0, count - 1);
    list->Highlight(row);
    SetItemIndex(m_items.indexOf(list->item(row)->text()));
}

void TCustomOfficeComboBox::PageHighlight(int delta)
{
    TDropDownList* list = List();
    const int count = list->count();
    if (count == 0)
        return;
    const int current = m_dropped ? list->HighlightedRow() : RowOfText(Text());
    const int row = std::clamp(std::max(current, 0) + delta, 0, count - 1);
    list->Highlight(row);
    SetFieldText(list->item(row)->text());
}

void TCustomOfficeComboBox::LookUpText()
{
    if (!m_lookUpActive)
        return;
    const QString prefix = Text().left(m_edit->cursorPosition());
    if (prefix.isEmpty())
        return;
    const QString upper = prefix.toUpper();
    for (const QString& item : std::as_const(m_items)) {
        if (!item.toUpper().startsWith(upper))
            continue;
        // The typed prefix as typed, the rest from the item, selected so
        // that further typing replaces it.
        const QString rest = item.mid(prefix.size()).left(kMaxCompletion);
        SetFieldText(prefix + rest);
        if (m_dropped)
            List()->Highlight(RowOfText(item));
        m_edit->setSelection(prefix.size(), rest.size());
        return;
    }
}

void TCustomOfficeComboBox::ChooseByFirstLetter(QChar ch)
{
    const QString upper = QString(ch).toUpper();
    for (const QString& item : std::as_const(m_items)) {
        if (!item.toUpper().startsWith(upper))
            continue;
        SetFieldText(item);
        m_edit->selectAll();
        if (m_dropped)
            List()->Highlight(RowOfText(item));
        ConfirmText();
        return;
    }
}

// --- text

void TCustomOfficeComboBox::SetFieldText(const QString& text)
{
    if (m_edit->text() == text)
        return;
    m_edit->setText(text);
    m_edit->setCursorPosition(0);
}

void TCustomOfficeComboBox::TextEdited()
{
    // A screen reader hears the theme shown, whoever changed it.
    accessibility::AnnounceNameChange(this);
    accessibility::AnnounceValueChange(this, Text());
    m_textChanged = true;
    if (m_quietText == 0)
        RaiseChange();
}

void TCustomOfficeComboBox::RaiseChange()
{
    if (OnChange)
        OnChange(this);
}

// --- pointer and focus

bool TCustomOfficeComboBox::FieldMousePress(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || m_dropped)
        return false;
    if (m_style != csDropDownList && !Geometry().InButton(e->position().toPoint()))
        return false;
    if (!m_edit->hasFocus())
        m_edit->setFocus(Qt::MouseFocusReason);
    DropDown();
    return true;
}

void TCustomOfficeComboBox::FieldWheel(int delta) { MoveHighlight(delta > 0 ? -1 : +1); }

void TCustomOfficeComboBox::FieldFocusIn(Qt::FocusReason reason)
{
    if (reason != Qt::PopupFocusReason) {
        SetEditRect();
        FillDropDownList();
        if (OnEnter)
            OnEnter(this);
    }
    m_edit->repaint();
}

void TCustomOfficeComboBox::FieldFocusOut(Qt::FocusReason reason)
{
    if (reason != Qt::PopupFocusReason) {
        if (m_dropped)
            CloseUp();
        if (OnExit)
            OnExit(this);
    }
    m_edit->repaint();
}

void TCustomOfficeComboBox::enterEvent(QEnterEvent* e)
{
    if (m_autoFocus && !m_edit->hasFocus())
        m_edit->setFocus(Qt::MouseFocusReason);
    if (!m_hot && isEnabled()) {
        m_hot = true;
        m_edit->repaint();
    }
    TCustomControl::enterEvent(e);
}

void TCustomOfficeComboBox::leaveEvent(QEvent* e)
{
    if (m_hot) {
        m_hot = false;
        m_edit->repaint();
    }
    TCustomControl::leaveEvent(e);
}

// --- painting

void TCustomOfficeComboBox::PaintOver(QPainter& painter)
{
    // State: open, hot or focused, or idle.
    const bool focused = m_edit->hasFocus();
    const bool lit = m_hot || focused;

    // Colours: the button's look and the frame's colour for that state.
    TDropButtonLook look;
    if (m_dropped) {
        look.Face = m_button->Down();
        look.Glyph = m_button->GlyphDown();
        look.ArrowColor = m_button->ArrowDownColor();
    } else if (!lit) {
        look.Face = m_button->Normal();
        look.Glyph = m_button->Glyph();
        look.ArrowColor = m_button->ArrowColor();
    } else {
        look.Face = m_button->Hot();
        look.Glyph = m_button->GlyphHot();
        look.ArrowColor = m_button->ArrowHotColor();
    }
    TColor frame;
    if ((lit || m_dropped) && m_borderHotColor != clNone)
        frame = m_borderHotColor;
    else
        frame = m_borderColor != clNone ? m_borderColor : Color();

    // The drawing: button, then frame.
    const TOfficeSelectorPainter selectorPainter(Geometry());
    selectorPainter.DrawDropButton(painter, look, Color());
    selectorPainter.DrawSelectorFrame(painter, frame);
}

void TCustomOfficeComboBox::DrawRow(QPainter& painter, int row, const QRect& rect, bool selected, bool focused)
{
    TDropDownList* list = List();
    TSelectorRow r;
    r.Text = list->item(row)->text();
    r.Font = DrawingFont();
    r.TextColor = Font()->Color();
    r.Highlighted = selected || focused;
    r.LastRecent = m_displayRecent && m_recentRows > 0 && row == m_recentRows - 1;
    r.ListWidth = list->viewport()->width();
    r.PlainText = PlainText();
    r.Selection = m_selection->Face();
    r.SelectionBorder = m_selection->BorderColor();
    r.SelectionText = m_selection->TextColor();
    r.Rounded = m_selection->Rounded();
    r.Background = clWindow;
    TOfficeSelectorPainter::DrawSelectorRow(painter, rect, r);
}

QFont TCustomOfficeComboBox::DrawingFont() const
{
    QFont f = Font()->ToQFont();
    f.setFamily(platform::DrawingFamily(f.family(), f.pixelSize(), f.bold(), f.italic()));
    return f;
}

bool TCustomOfficeComboBox::PlainText() const
{
    if (m_antiAlias == aaNone)
        return true;
    const QFontInfo info(DrawingFont());
    return !QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

// --- layout

void TCustomOfficeComboBox::SetEditRect()
{
    if (m_placing)
        return;
    m_placing = true;
    const TSelectorGeometry g = Geometry();
    const QRect text = g.TextRect();
    m_edit->setGeometry(ClientRect());
    // The edit's own inner margins are taken off, so that its text line
    // begins at the text rectangle's top-left corner.
    const int left = std::max(0, text.left() - kEditHorizontalMargin);
    const int top = std::max(0, text.top() - kEditVerticalMargin);
    const int right = std::max(0, Width() - (text.left() + text.width()) - kEditHorizontalMargin);
    m_edit->setTextMargins(left, top, right, 0);
    m_placing = false;
}

void TCustomOfficeComboBox::EnsureMinimumHeight()
{
    if (m_placing)
        return;
    const int line = QFontMetrics(DrawingFont()).height();
    const int system = QFontMetrics(QApplication::font()).height();
    const int minimum = line + std::min(line, system) / 4;
    if (Height() < minimum) {
        m_placing = true;
        SetHeight(minimum);
        m_placing = false;
    }
}

void TCustomOfficeComboBox::ApplyFieldLook()
{
    // Ground and text colours, then the font.
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Window, ToQColor(Color()));
    palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    m_edit->setPalette(palette);
    m_edit->setFont(DrawingFont());
}

void TCustomOfficeComboBox::FontChanged()
{
    ApplyFieldLook();
    EnsureMinimumHeight();
    SetEditRect();
    m_edit->update();
}

void TCustomOfficeComboBox::ColorChanged()
{
    ApplyFieldLook();
    m_edit->update();
}

void TCustomOfficeComboBox::BoundsChanged()
{
    EnsureMinimumHeight();
    SetEditRect();
}

void TCustomOfficeComboBox::Loaded()
{
    TCustomControl::Loaded();
    SetEditRect();
    FillDropDownList();
}

// --- style

void TCustomOfficeComboBox::ApplyComponentStyle(TVisualStyle style)
{
    m_selection->SetRounded(false);
    const TSelectorStyleColors* colors = StyleRowFor(kStyleRows, style);
    if (!colors)
        return;
    m_button->SetLook(TComboBtn::TLook::Normal, colors->Button);
    SetBorderColor(colors->Border);
    if (colors->BorderHot)
        SetBorderHotColor(*colors->BorderHot);
    if (const TSelectorStateColors* states = colors->States) {
        m_button->SetLook(TComboBtn::TLook::Hot, states->Button->Hot);
        m_button->SetLook(TComboBtn::TLook::Down, states->Button->Down);
        m_selection->SetFaceColors(states->Selection);
        m_selection->SetTextColor(states->SelectionText);
        m_selection->SetRounded(states->Rounded);
    }
}

TOfficeSelector::TOfficeSelector(TComponent* owner, QWidget* parent)
    : TCustomOfficeComboBox(owner, parent)
{
}
