#pragma once
// Message boxes on standard error. The one question the generator asks
// (replace an existing document?) is answered by --overwrite up front.

#include "platform/core/MessageBoxes.h"

#include <cstdio>

class CliProgress;

class CliMessages final : public MessageBoxes {
public:
    CliMessages(bool replace, FILE *to) : overwrite(replace), stream(to) {}

    MessageResult show(MessageType type, const QString &text, MessageButtons buttons) override;

    bool questionDeclined() const { return declined; }

    // A message clears the progress line first so the two do not mix.
    void setProgress(CliProgress *p) { progress = p; }

private:
    bool overwrite;
    FILE *stream;
    CliProgress *progress = nullptr;
    bool declined = false;
};

// "quorvant-cli: " and the text on one line; a carriage return inside the
// text (between a message and the file it concerns) becomes ": ".
QString messageLine(MessageType type, const QString &text);

// Writes text in the local encoding, the way file names came in.
void writeText(FILE *stream, const QString &text);
