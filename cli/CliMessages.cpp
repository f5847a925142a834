#include "CliMessages.h"

#include "CliProgress.h"

MessageResult CliMessages::show(MessageType type, const QString &text, MessageButtons buttons)
{
    if (buttons == MessageButtons::YesNo) {
        // The caller reports a refusal in its own words, with the full path.
        declined = !overwrite;
        return overwrite ? MessageResult::Yes : MessageResult::No;
    }
    if (progress)
        progress->finish();
    writeText(stream, messageLine(type, text));
    return MessageResult::Ok;
}

QString messageLine(MessageType type, const QString &text)
{
    QString line = QStringLiteral("quorvant-cli: ");
    if (type == MessageType::Warning)
        line += QStringLiteral("warning: ");
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral(": "));
    body.replace(QLatin1Char('\r'), QStringLiteral(": "));
    body.replace(QLatin1Char('\n'), QStringLiteral(": "));
    return line + body + QLatin1Char('\n');
}

void writeText(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}
