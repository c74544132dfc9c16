#pragma once
// The office selector: a one-line text field with a small gradient drop
// button at its right end, which opens a popup list of the items. Choosing
// an item with the mouse or with Enter puts its text into the field, sets
// ItemIndex and raises OnSelect; writing ItemIndex from the program never
// raises OnSelect. Every change of the field's text raises OnChange.
//
// TCustomOfficeComboBox holds the state (items, ItemIndex, the confirmed
// text, the recent selections, hot and open state, typing and completion);
// TOfficeSelectorPainter draws its button, frame and list rows, and
// TDropDownWindow is the popup with its list.
//
// The text field is a borderless line edit that covers the client area;
// its text stands in the text rectangle (TSelectorGeometry), and the
// selector paints the button and frame over it after each of its paints.
#include "controls/selector/ComboBtn.h"
#include "controls/core/Control.h"
#include "controls/core/ControlTypes.h"
#include "controls/selector/DropDownWindow.h"
#include "controls/selector/OfficeSelectorPainter.h"
#include "controls/selector/SelectionAppearance.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QLineEdit>
#include <QStringList>

class TCustomOfficeComboBox;

// The text field inside the selector: it hands its keys, presses, wheel and
// focus changes to the selector first and lets it paint over the field.
class TComboEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TComboEdit(TCustomOfficeComboBox* owner);
    // Called by a selector that is being destroyed: from then on the field
    // behaves as a plain line edit.
    void Detach() { m_owner = nullptr; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    TCustomOfficeComboBox* m_owner;
};

class TCustomOfficeComboBox : public TCustomControl, public IStyledComponent {
    Q_OBJECT
public:
    using TAntiAlias = ControlTypes::TAntiAlias;
    using enum ControlTypes::TAntiAlias;
    enum TComboStyle { csDropDown, csDropDownList };
    Q_ENUM(TComboStyle)

    explicit TCustomOfficeComboBox(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TCustomOfficeComboBox() override;

    // --- published values
    LUMORA_PROPERTY_OWN_SETTER(ControlTypes::TAntiAlias, AntiAlias, m_antiAlias, aaClearType)
    LUMORA_PROPERTY(bool, AutoFocus, m_autoFocus, false, )
    LUMORA_PROPERTY(bool, AutoResetFocus, m_autoResetFocus, false, )
    Q_PROPERTY(TComboBtn* Button READ Button)
    LUMORA_PROPERTY(bool, DisplayRecentSelection, m_displayRecent, true, FillDropDownList())
    // Values below 1 are taken as 1.
    LUMORA_PROPERTY_OWN_SETTER(int, DropDownCount, m_dropDownCount, 8)
    LUMORA_PROPERTY(int, DropDownWidth, m_dropDownWidth, 0, )
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, clNone, m_edit->update())
    LUMORA_PROPERTY(TColor, BorderHotColor, m_borderHotColor, clNone, m_edit->update())
    LUMORA_PROPERTY(bool, LookUp, m_lookUp, true, )
    Q_PROPERTY(TSelectionAppearance* SelectionAppearance READ SelectionAppearance)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QString Version READ Version)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    LUMORA_PROPERTY(QStringList, Items, m_items, {}, FillDropDownList())
    // See the class comment: sets the text (and the open list's highlight),
    // confirms it, and never raises OnSelect. Values of at least the number
    // of items are ignored; -1 empties the text.
    LUMORA_PROPERTY_OWN_SETTER(int, ItemIndex, m_itemIndex, -1)
    // Values below 1 are taken as 1.
    LUMORA_PROPERTY_OWN_SETTER(int, ItemHeight, m_itemHeight, 15)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    LUMORA_PROPERTY_OWN_SETTER(TCustomOfficeComboBox::TComboStyle, Style, m_style, csDropDown)
    LUMORA_EVENT(TNotifyEvent, OnChange)
    LUMORA_EVENT(TKeyEvent, OnKeyDown)
    LUMORA_EVENT(TKeyPressEvent, OnKeyPress)
    LUMORA_EVENT(TKeyEvent, OnKeyUp)
    LUMORA_EVENT(TNotifyEvent, OnEnter)
    LUMORA_EVENT(TNotifyEvent, OnExit)
    LUMORA_EVENT(TNotifyEvent, OnBeforeDropDown)
    LUMORA_EVENT(TNotifyEvent, OnSelect)

    TComboBtn* Button() const { return m_button; }
    TSelectionAppearance* SelectionAppearance() const { return m_selection; }
    QString Text() const;
    void SetText(const QString& v);
    QString Version() const { return QStringLiteral("1.0.8.0"); }

    // --- state
    const QStringList& RecentSelections() const { return m_recent; }
    const QString& ConfirmedText() const { return m_confirmedText; }
    bool Dropped() const { return m_dropped; }
    bool Hot() const { return m_hot; }

    // --- operations
    // Opens the list (does nothing while it is shown).
    void DropDown();
    // Closes the list.
    void CloseUp();
    // Takes the field's text as accepted (see the .cpp).
    void ConfirmText();
    // Refills the list: the recent selections (newest first) when shown,
    // then all items.
    void FillDropDownList();

    // The row height of the list.
    virtual int ListItemHeight() const { return m_itemHeight; }

    void ApplyComponentStyle(TVisualStyle style) override;
    void Loaded() override;

    // The parts, for tests and the benchmark.
    TComboEdit* Editor() const { return m_edit; }
    // The popup and its list, built when first asked for.
    TDropDownWindow* DropDownWindow() const { return &Popup(); }
    TDropDownList* List() const { return Popup().List(); }
    TSelectorGeometry Geometry() const;

protected:
    void FontChanged() override;
    void ColorChanged() override;
    void BoundsChanged() override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    friend class TComboEdit;

    // Field events, in the order the field receives them. Each returns true
    // when it consumed the key or press.
    bool FieldKeyDown(int key, Qt::KeyboardModifiers mods);
    bool FieldKeyPress(QChar ch);
    void FieldKeyUp(int key, Qt::KeyboardModifiers mods);
    bool FieldMousePress(QMouseEvent* e);
    void FieldWheel(int delta);
    void FieldFocusIn(Qt::FocusReason reason);
    void FieldFocusOut(Qt::FocusReason reason);
    void PaintOver(QPainter& painter);

    // Key handling shared by the field and the list.
    bool HandleKeyDown(int key, Qt::KeyboardModifiers mods);
    bool ListKey(QKeyEvent* e);
    void ListMouseUp(QPoint p);
    void ListHidden();

    void EnterKeyDown();
    void EnterCharacter();
    // The typed text, matched to an item whatever its case, becomes that
    // item and is confirmed, and the list closes; false when none matches.
    bool AcceptTypedItem(bool cursorToStart);
    void Escape();
    void MoveHighlight(int delta);
    void PageHighlight(int delta);
    void LookUpText();
    void ChooseByFirstLetter(QChar ch);

    // Sets the field's text (the caret goes to the start); OnChange follows
    // through the field's change notice when the text differs.
    void SetFieldText(const QString& text);
    // The list was opened or closed.
    void AnnounceExpanded();
    void TextEdited();
    void RaiseChange();
    int RowOfText(const QString& text) const;
    int ItemOfText(const QString& text, Qt::CaseSensitivity cs) const;

    void SetEditRect();
    void EnsureMinimumHeight();
    void ApplyFieldLook();
    void DrawRow(QPainter& painter, int row, const QRect& rect, bool selected, bool focused);
    QFont DrawingFont() const;
    bool PlainText() const;
    TDropDownWindow& Popup() const;
    // The list when the popup is built, else nullptr: for changes that
    // only a built list has to follow.
    TDropDownList* BuiltList() const { return m_dropDown ? m_dropDown->List() : nullptr; }

    TComboEdit* m_edit;
    TComboBtn* m_button;
    TSelectionAppearance* m_selection;
    // Built on first use (a selector that is never opened holds no list),
    // so that even a const question about the list's rows may build it.
    mutable TDropDownWindow* m_dropDown = nullptr;
    QStringList m_recent;       // newest last
    int m_recentRows = 0;       // recent rows at the top of the list
    QString m_confirmedText;
    bool m_hot = false;
    bool m_dropped = false;
    bool m_lookUpActive = false;
    bool m_textChanged = false;
    int m_quietText = 0;        // > 0: text changes raise no OnChange
    bool m_placing = false;     // inside SetEditRect / the minimum height
};

// The class the form files name; its base publishes every value.
class TOfficeSelector : public TCustomOfficeComboBox {
    Q_OBJECT
public:
    explicit TOfficeSelector(TComponent* owner = nullptr, QWidget* parent = nullptr);
};
