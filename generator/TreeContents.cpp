// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TreeContents.h"

#include "generator/HtmlText.h"
#include "generator/PageOutput.h"
#include "generator/SpoolFile.h"

#include <cstring>

namespace {

// A line's record: totals (patched once known), depth, the length of its
// path (escaped for the page) in the paths file, and the directory's state.
struct Record {
    quint64 files = 0;
    quint64 bytes = 0;
    quint32 depth = 0;
    quint32 pathLength = 0;
    quint32 state = 0;
    quint32 unused = 0;
};
constexpr qsizetype kRecord = 32;
static_assert(sizeof(Record) == kRecord);

QByteArray recordBytes(const Record &r)
{
    QByteArray bytes(kRecord, Qt::Uninitialized);
    std::memcpy(bytes.data(), &r, kRecord);
    return bytes;
}

void checked(SpoolFile &file, bool ok)
{
    if (!ok)
        throw OutputFailure{file.error()};
}

} // namespace

void TreeContents::begin(const TreeDirectory &dir)
{
    while (!open.empty() && open.back().depth >= dir.depth)
        closeInnermost();
    const QByteArray path = htmlName(dir.path);
    Record r;
    r.depth = quint32(dir.depth);
    r.pathLength = quint32(path.size());
    r.state = quint32(dir.state);
    checked(recordFile, recordFile.write(recordBytes(r)));
    checked(pathFile, pathFile.write(path));
    open.push_back({count++, dir.depth, 0, 0});
}

void TreeContents::add(qint64 files, qint64 bytes)
{
    open.back().files += files;
    open.back().bytes += bytes;
}

void TreeContents::closeInnermost()
{
    const Open dir = open.back();
    open.pop_back();
    const quint64 totals[2] = {quint64(dir.files), quint64(dir.bytes)};
    checked(recordFile, recordFile.writeAt(dir.index * kRecord,
                                           QByteArrayView(reinterpret_cast<const char *>(totals), sizeof totals)));
    // Everything below a directory counts in its totals.
    if (!open.empty()) {
        open.back().files += dir.files;
        open.back().bytes += dir.bytes;
    }
}

void TreeContents::finish()
{
    while (!open.empty())
        closeInnermost();
}

namespace {

// Reads a spool file from its start, a piece at a time.
class SpoolReader {
public:
    explicit SpoolReader(SpoolFile &spool) : file(spool) {}
    // The next n bytes, valid until the next call.
    QByteArrayView next(qint64 n)
    {
        if (end - at < n) {
            buffer.remove(0, at);
            end -= at;
            at = 0;
            const qint64 more = qMin(file.size() - offset, qMax<qint64>(n - end, kPiece));
            buffer.resize(end + more);
            checked(file, file.readAt(offset, buffer.data() + end, more));
            offset += more;
            end += more;
        }
        at += n;
        return QByteArrayView(buffer.constData() + at - n, n);
    }

private:
    static constexpr qint64 kPiece = 256 * 1024;
    SpoolFile &file;
    QByteArray buffer;
    qint64 offset = 0;  // in the file, of buffer's end
    qint64 at = 0;      // in the buffer
    qint64 end = 0;
};

// "N Files" as the totals line words it, and the bytes where sizes are shown.
void putTotals(PageOutput &out, const Record &r, bool withBytes)
{
    out.put(", ");
    out.putNumber(qint64(r.files));
    out.put(" Files");
    if (withBytes) {
        out.put(", ");
        out.putNumber(qint64(r.bytes));
        out.put(" Bytes");
    }
}

} // namespace

void TreeContents::write(PageOutput &out, bool searchable, bool withBytes)
{
    checked(recordFile, recordFile.commit());
    checked(pathFile, pathFile.commit());
    SpoolReader records(recordFile);
    SpoolReader paths(pathFile);
    for (qint64 i = 0; i < count; ++i) {
        Record r;
        std::memcpy(&r, records.next(kRecord).data(), kRecord);
        const QByteArrayView path = paths.next(r.pathLength);
        // The script finds a line by its directory's path.
        if (searchable)
            out.put("<DIV data-toc=\"" + path.toByteArray() + "\">");
        out.pad(4 * int(r.depth));
        out.put("<A HREF=\"#" + anchor(i) + "\">");
        // A name never holds a '/', escaped or not: the last part is the name.
        out.put(i == 0 ? QByteArrayView(".") : path.sliced(path.lastIndexOf('/') + 1));
        out.put("</A>");
        switch (TreeDirectory::State(r.state)) {
        case TreeDirectory::State::Listed: putTotals(out, r, withBytes); break;
        case TreeDirectory::State::Unreadable: out.put(", not readable"); break;
        case TreeDirectory::State::Link: out.put(", symbolic link, not followed"); break;
        }
        out.putLine(searchable ? "</DIV>" : "<BR>");
    }
    out.putLine("<BR>");
}
