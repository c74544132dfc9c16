#include "controls/plain/StyledEdit.h"
#include "controls/paint/Property.h"

#include <QLineEdit>
#include <QPalette>

TStyledEdit::TStyledEdit(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
    , m_editor(new QLineEdit(this))
{
    // The line holds the box's place in the Tab chain (the focus chain skips
    // a widget that hands its focus on), so Tab stops here once.
    setFocusProxy(m_editor);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    connect(m_editor, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
    ApplyLook();
}

QString TStyledEdit::Text() const { return m_editor->text(); }

void TStyledEdit::SetText(const QString& v)
{
    if (m_editor->text() == v)
        return;
    m_editor->setText(v);
    m_editor->setCursorPosition(0);
}

bool TStyledEdit::ReadOnly() const { return m_editor->isReadOnly(); }

void TStyledEdit::SetReadOnly(bool v)
{
    if (m_editor->isReadOnly() == v)
        return;
    m_editor->setReadOnly(v);
}

void TStyledEdit::SetMaxLength(int v)
{
    v = std::max(0, v);
    if (!SetIfChanged(m_maxLength, v))
        return;
    // QLineEdit's own default is 32767; "no limit" keeps that bound.
    m_editor->setMaxLength(v > 0 ? v : 32767);
}

void TStyledEdit::SetTabStop(bool v)
{
    TCustomControl::SetTabStop(v);
    m_editor->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TStyledEdit::FontChanged()
{
    ApplyLook();
    TCustomControl::FontChanged();
}

void TStyledEdit::ColorChanged()
{
    ApplyLook();
    TCustomControl::ColorChanged();
}

void TStyledEdit::BoundsChanged()
{
    m_editor->setGeometry(ClientRect());
}

void TStyledEdit::ApplyLook()
{
    // Ground and text colours, then the font
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    m_editor->setPalette(palette);
    m_editor->setFont(Font()->ToQFont());
}
