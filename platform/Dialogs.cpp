#include "platform/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

class QtDialogs : public IDialogs {
public:
    void ShowError(const QString& caption, const QString& text) override
    {
        QMessageBox::critical(QApplication::activeWindow(), caption, text, QMessageBox::Ok);
    }
    bool Confirm(const QString& text) override
    {
        return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Confirm"), text,
                                     QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    }
    void Inform(const QString& text) override
    {
        QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Information"), text,
                                 QMessageBox::Ok);
    }
    bool AskRetry(const QString& text) override
    {
        return QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Error"), text,
                                     QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    }
};

} // namespace

IDialogs& Dialogs()
{
    static QtDialogs real;
    return Current<IDialogs>(real);
}

} // namespace platform
