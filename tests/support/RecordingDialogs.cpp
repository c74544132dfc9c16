#include "tests/support/RecordingDialogs.h"

namespace platform {

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
