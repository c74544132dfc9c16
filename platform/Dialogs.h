#pragma once
// Message boxes: the standard error box, the "Confirm" question, the
// "Information" notice and the installer's "Error" retry question.
#include "platform/Service.h"

#include <QString>
#include <QStringList>

namespace platform {

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // Modal box: caption, text, error icon, one OK button.
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    // Caption "Confirm", question icon, Yes and No; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // Caption "Information", information icon, OK.
    virtual void Inform(const QString& text) = 0;
    // Caption "Error", error icon, Yes and No; true for Yes.
    virtual bool AskRetry(const QString& text) = 0;
};

// The current dialogs (real QMessageBox windows unless a test replaced them).
IDialogs& Dialogs();

} // namespace platform
