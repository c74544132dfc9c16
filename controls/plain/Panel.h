#pragma once
// A plain panel: a container filled with its Color, framed by an outer and
// an inner bevel, with an optional caption centred in it. The window uses
// panels off-screen to hold its data controls; a panel never takes the
// focus.
#include "controls/core/Control.h"
#include "controls/core/ControlTypes.h"
#include "controls/paint/Property.h"

#include <QString>

class TPanel : public TCustomControl {
    Q_OBJECT
public:
    explicit TPanel(TComponent* owner = nullptr, QWidget* parent = nullptr);

    LUMORA_PROPERTY_OWN_SETTER(QString, Caption, m_caption, {})
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelInner, m_bevelInner, bvNone, update())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelOuter, m_bevelOuter, bvRaised, update())
    // At least 1; smaller values are taken as 1.
    LUMORA_PROPERTY_OWN_SETTER(int, BevelWidth, m_bevelWidth, 1)
    // The area inside both bevels.
    QRect InnerRect() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
