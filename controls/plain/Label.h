#pragma once
// A plain windowless label: one line of text in the control's font at its
// top-left corner, over its Color unless Transparent. With AutoSize (the
// default) the label takes the size of its text whenever the text or the
// font changes; an empty caption measures as one blank, so the label keeps
// the height of a line.
//
// The window keeps data in labels it never shows ("Words: 12325"), so the
// caption is stored exactly as given.
#include "controls/core/Control.h"
#include "controls/paint/Property.h"

#include <QString>

class TLabel : public TGraphicControl {
    Q_OBJECT
public:
    explicit TLabel(TComponent* owner = nullptr, QWidget* parent = nullptr);

    LUMORA_PROPERTY_OWN_SETTER(QString, Caption, m_caption, {})
    LUMORA_PROPERTY_OWN_SETTER(bool, AutoSize, m_autoSize, true)
    LUMORA_PROPERTY(bool, Transparent, m_transparent, false, Invalidate())
    // The size the text needs in the current font.
    QSize TextExtent() const;

    void Loaded() override;

protected:
    void FontChanged() override;
    void paintEvent(QPaintEvent* e) override;

private:
    void AdjustBounds();
};
