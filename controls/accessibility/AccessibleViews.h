#pragma once
// Screen-reader interfaces of the controls that show text: the office
// selector (a combo box whose value, and name unless the design gives one,
// is the text shown, with its popup list and its field as children), the
// smooth label and the plain label (static text named by the caption), and
// the containers: styled and plain panels (named by their caption), the
// form (a window named by its title) and any other control (a plain pane).
#include "controls/accessibility/AccessibleControl.h"

class TCustomOfficeComboBox;

class TAccessibleSelector : public TAccessibleControlOf<TCustomOfficeComboBox> {
public:
    explicit TAccessibleSelector(TCustomOfficeComboBox* selector);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

protected:
    // The popup (with its list) first, then the field.
    QList<QWidget*> PresentedChildren() const override;
    // Opens the list, or closes it when it is open.
    QString MainAction() const override { return showMenuAction(); }
    void PerformMainAction() override;
};

// A control whose name is a text of its own (a caption).
class TAccessibleCaptioned : public TAccessibleControl {
public:
    using TCaptionOf = QString (*)(const QWidget*);
    TAccessibleCaptioned(QWidget* widget, QAccessible::Role role, TCaptionOf caption);

    QString text(QAccessible::Text t) const override;

private:
    TCaptionOf m_caption;
};

// The captions of the library's labels and panels.
QString SmoothLabelCaption(const QWidget* label);
QString LabelCaption(const QWidget* label);
QString StyledPanelCaption(const QWidget* panel);
QString PanelCaption(const QWidget* panel);
