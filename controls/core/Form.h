#pragma once
// The base of the program's windows: a top-level control that owns every
// component of its form file (whatever panel a control sits on), keeps the
// table of its event handlers by name, and reads its design from a form
// file (see controls/core/FormReader.h for the format).
//
// A derived form registers its handlers before it loads its form file:
//
//     TForm1::TForm1() {
//         RegisterHandler(u"GenerateLettersButtonClick"_qs, &TForm1::GenerateLettersButtonClick);
//         if (auto error = LoadFromForm(platform::ReadResource(...)))
//             ...;
//     }
//
// A registered handler is wrapped by GuardedHandler: an error it throws is
// shown in the standard error box and the rest of the handler is skipped.
// Its parameter list must match the event's type exactly (TNotifyEvent
// handlers take `QObject* Sender`): the form reader binds a handler only to
// an event of the very same meta type.
#include "controls/core/Control.h"
#include "controls/core/FormReader.h"
#include "controls/paint/Property.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>

class TForm : public TCustomControl {
    Q_OBJECT
public:
    explicit TForm(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& v);
    int ClientWidth() const { return Width(); }
    void SetClientWidth(int v) { SetWidth(v); }
    int ClientHeight() const { return Height(); }
    void SetClientHeight(int v) { SetHeight(v); }
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    LUMORA_PROPERTY(int, ModalResult, m_modalResult, 0, )
    // Raised once the form file has been read and every component loaded.
    LUMORA_EVENT(TNotifyEvent, OnCreate)
    // The handler table: name -> event handler, a QVariant of its event type.
    void RegisterHandler(const QString& name, QVariant handler);
    template <class Form, class... Args>
    void RegisterHandler(const QString& name, void (Form::*method)(Args...))
    {
        static_assert(std::is_base_of_v<TForm, Form>, "handlers are methods of the form");
        RegisterHandler(name, GuardedHandler(static_cast<Form*>(this), method));
    }
    // The handler of that name, or an invalid QVariant.
    virtual QVariant FindHandler(const QString& name) const;

    // Reads the form file onto this form and its new components, then
    // raises OnCreate. On an error the components the file created are
    // freed again, OnCreate is not raised, and the error is returned.
    std::optional<TFormError> LoadFromForm(const QByteArray& text);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QHash<QString, QVariant> m_handlers;
};
