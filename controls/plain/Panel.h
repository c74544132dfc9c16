#pragma once
// A plain panel: a container filled with its Color, framed by an outer and
// an inner bevel, with an optional caption centred in it. The window uses
// panels off-screen to hold its data controls; a panel never takes the
// focus.
#include "controls/core/Control.h"
#include "controls/core/ControlTypes.h"

#include <QString>

class TPanel : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(ControlTypes::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
public:
    explicit TPanel(TComponent* owner = nullptr, QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& v);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return m_bevelWidth; }
    // At least 1; smaller values are taken as 1.
    void SetBevelWidth(int v);

    // The area inside both bevels.
    QRect InnerRect() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_caption;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
};
