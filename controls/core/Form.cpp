#include "controls/core/Form.h"

#include <QPainter>
#include <QPaintEvent>

TForm::TForm(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
{
    // A window starts hidden; Visible (or show()) puts it on screen.
    InitVisible(!isWindow());
    SetTabStop(false);
}

TForm::~TForm()
{
    // The components are freed after this, and freeing one can make Qt
    // repaint the rest (the pointer "enters" the control beneath it). Their
    // paint handlers may belong to the derived form, which is gone by then,
    // so a form being freed paints nothing more.
    setUpdatesEnabled(false);
}

void TForm::SetCaption(const QString& v)
{
    if (windowTitle() == v)
        return;
    setWindowTitle(v);
}

void TForm::RegisterHandler(const QString& name, QVariant handler)
{
    m_handlers.insert(name, std::move(handler));
}

QVariant TForm::FindHandler(const QString& name) const
{
    return m_handlers.value(name);
}

std::optional<TFormError> TForm::LoadFromForm(const QByteArray& text)
{
    if (auto error = ReadForm(*this, text, [this](const QString& name) { return FindHandler(name); }))
        return error;
    if (OnCreate)
        OnCreate(this);
    return std::nullopt;
}

void TForm::paintEvent(QPaintEvent* e)
{
    // The face: the form's colour under everything else.
    QPainter painter(this);
    painter.fillRect(e->rect(), ToQColor(Color()));
}
