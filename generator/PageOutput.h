// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's bytes on their way into the document: plain writes, lines
// ending in CR LF and runs of "&nbsp;". The pieces of a line are gathered
// here and the line goes to the file whole, one write per line: a page has
// a few short pieces per entry, and each write is a call through the
// file's interface. A failed write throws OutputFailure, which ends the run.

#include "generator/OutputFile.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>
#include <memory>

struct OutputFailure {
    int code;  // the operating system's error code
};

class PageOutput {
public:
    // gather: bytes of whole lines gathered before a write; 0, a write per
    // line (a temporary file of the page's parts takes larger ones).
    explicit PageOutput(OutputFile &target, size_t gather = 0) : file(target), gatherLines(gather) {}
    PageOutput(const PageOutput &) = delete;
    PageOutput &operator=(const PageOutput &) = delete;

    void put(QByteArrayView bytes)
    {
        const size_t n = size_t(bytes.size());
        if (n > capacity - used)
            grow(n);
        if (n != 0)
            std::memcpy(buffer.get() + used, bytes.data(), n);
        used += n;
    }
    // A number in plain decimal: no grouping, no leading zeros.
    void putNumber(qint64 value);
    void putLine(QByteArrayView bytes);
    // count times "&nbsp;"; nothing when count is 0 or less.
    void pad(int count);
    // Hands what is gathered to the file, also a line not yet ended.
    void flush();

private:
    void grow(size_t more);

    OutputFile &file;
    const size_t gatherLines;
    std::unique_ptr<char[]> buffer;
    size_t used = 0;
    size_t capacity = 0;
};
