#include "cli/CliMessages.h"

#include "cli/CliProgress.h"

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

namespace {

// A name may hold control characters; on a terminal they would act instead
// of showing, so they are written as \xNN.
QString withVisibleControls(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

}  // namespace

QString messageLine(MessageType type, const QString &text)
{
    QString line = QStringLiteral("quorvant-cli: ");
    if (type == MessageType::Warning)
        line += QStringLiteral("warning: ");
    // The first carriage return parts the message from the name it is about.
    const qsizetype cut = text.indexOf(QLatin1Char('\r'));
    if (cut < 0)
        return line + withVisibleControls(text) + QLatin1Char('\n');
    return line + withVisibleControls(QStringView(text).left(cut)) + QStringLiteral(": ")
        + withVisibleControls(QStringView(text).mid(cut + 1)) + QLatin1Char('\n');
}

void writeText(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}
