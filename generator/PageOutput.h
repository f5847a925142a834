#pragma once
// The page's bytes on their way into the document: plain writes, lines
// ending in CR LF and runs of "&nbsp;". A failed write throws OutputFailure,
// which ends the run.

#include "generator/OutputFile.h"

#include <QByteArray>
#include <QByteArrayView>

struct OutputFailure {
    int code;  // the operating system's error code
};

class PageOutput {
public:
    explicit PageOutput(OutputFile &target) : file(target) {}

    void put(QByteArrayView bytes);
    void putLine(QByteArrayView bytes);
    // count times "&nbsp;"; nothing when count is 0 or less.
    void pad(int count);

private:
    OutputFile &file;
    QByteArray lineBuffer;
};
