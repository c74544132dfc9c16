#pragma once
// The installer's plain single-line edit box: any text may be typed into
// it, on a clWindow ground in the control's font. It is the one control of
// its panel that Tab reaches; the box itself holds the place in the Tab
// order through the line it contains, which takes the focus for it.
#include "controls/core/Control.h"
#include "controls/paint/Property.h"

#include <QString>

class QLineEdit;

class TStyledEdit : public TCustomControl {
    Q_OBJECT
public:
    explicit TStyledEdit(TComponent* owner = nullptr, QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& v);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    // 0 means no limit.
    LUMORA_PROPERTY_OWN_SETTER(int, MaxLength, m_maxLength, 0)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    // Raised after every change of the text, typed or set.
    LUMORA_EVENT(TNotifyEvent, OnChange)
    // Whether Tab reaches the box (on by default).
    void SetTabStop(bool v);

    // The line inside the box (tests type into it).
    QLineEdit* Editor() const { return m_editor; }

protected:
    void FontChanged() override;
    void ColorChanged() override;
    void BoundsChanged() override;

private:
    void ApplyLook();

    QLineEdit* m_editor;
};
