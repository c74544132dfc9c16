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

void RecordingDialogs::ShowError(const QString& caption, const QString& text)
{
    shown.append({QStringLiteral("error"), caption, text});
}

bool RecordingDialogs::Confirm(const QString& text)
{
    shown.append({QStringLiteral("confirm"), QStringLiteral("Confirm"), text});
    return NextAnswer();
}

void RecordingDialogs::Inform(const QString& text)
{
    shown.append({QStringLiteral("inform"), QStringLiteral("Information"), text});
}

bool RecordingDialogs::AskRetry(const QString& text)
{
    shown.append({QStringLiteral("retry"), QStringLiteral("Error"), text});
    return NextAnswer();
}

int RecordingDialogs::Count(const QString& kind) const
{
    int n = 0;
    for (const auto& s : shown)
        n += s.kind == kind;
    return n;
}

QStringList RecordingDialogs::Texts(const QString& kind) const
{
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == kind)
            out << s.text;
    return out;
}

bool RecordingDialogs::NextAnswer()
{
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

} // namespace platform
