// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PageWriter.h"

#include "generator/HtmlText.h"
#include "generator/PageOutput.h"
#include "generator/SearchAssets.h"

#include <QtAlgorithms>

void PageWriter::writeHead()
{
    writePageTop();
    openList();
}

void PageWriter::writePageTop()
{
    out.putLine("<HTML>");
    out.putLine("<HEAD>");
    out.putLine("<TITLE>");
    // Title and heading are written as typed: users put markup in them.
    out.putLine(htmlAscii(request.texts.title));
    out.putLine("</TITLE>");
    if (request.searchable)
        writeSearchHead();
    out.putLine("</HEAD>");

    const PageColors &colors = request.settings.colors;
    out.putLine("<BODY BGCOLOR=#" + colorText(colors.background) + " LINK=#" + colorText(colors.link) + " VLINK=#"
                + colorText(colors.visitedLink) + " TEXT=#" + colorText(colors.text) + ">");

    if (request.center)
        out.putLine("<CENTER>");
    if (request.texts.heading)
        out.putLine("<H1>" + htmlAscii(*request.texts.heading) + "</H1>");
    if (isPlainText())
        out.putLine("<FONT FACE = \"Courier New\">");
}

void PageWriter::openList()
{
    if (isTable()) {
        // The script keeps the number of columns when it re-flows the cells.
        const QByteArray list = request.searchable
                                    ? " class=qv data-cols=" + QByteArray::number(request.settings.table.columns)
                                    : QByteArray();
        out.putLine("<TABLE BORDER = \"" + QByteArray::number(request.settings.table.borderWidth)
                    + "\" CELLPADDING = \"5\"" + list + ">");
    } else if (request.searchable) {
        out.putLine(listTag());
    }
}

QByteArrayView PageWriter::listTag() const
{
    // Plain-text lines end with their list item instead of a line break.
    return isPlainText() ? "<UL class=\"qv lines\">" : "<UL class=qv>";
}

void PageWriter::writeSearchHead()
{
    out.putLine("<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">");
    out.putLine("<STYLE>");
    out.put(kSearchStyle);
    // Dark only where the user left the colours alone: chosen colours stay.
    if (request.settings.colors == PageColors())
        out.put(kSearchDarkStyle);
    out.putLine("</STYLE>");
    out.putLine("<SCRIPT>");
    out.put(kSearchScript);
    out.putLine("</SCRIPT>");
}

void PageWriter::openCell(int position, QByteArrayView facts)
{
    if (!isTable()) {
        if (!request.searchable)
            return;
        // The list comes in parts, so the script can leave those far from
        // view undrawn on a long page: the browser then lays out a few
        // parts, not every entry, after each search or sort.
        if (position > 1 && (position - 1) % kEntriesPerListPart == 0) {
            out.putLine("</UL>");
            out.putLine(listTag());
        }
        out.put("<LI" + facts.toByteArray() + ">");
        return;
    }
    const TableSettings &table = request.settings.table;
    if ((position - 1) % table.columns == 0) {
        // A searchable table comes in row groups of about as many cells as
        // a list part: the script lays out the groups near view only.
        const int rowsPerPart = qMax(1, kEntriesPerListPart / table.columns);
        if (request.searchable && (position - 1) % (table.columns * rowsPerPart) == 0)
            out.putLine("<TBODY>");
        out.putLine("<TR>");
    }
    out.putLine("<TD ALIGN=\"" + htmlAscii(table.align) + "\" VALIGN=\"" + htmlAscii(table.verticalAlign)
                + "\"" + facts.toByteArray() + ">");
}

void PageWriter::closeCell(int position, int entryCount)
{
    if (!isTable())
        return;
    out.putLine("</TD>");
    if (position % request.settings.table.columns == 0 || position == entryCount)
        out.putLine("</TR>");
}

void PageWriter::closeList()
{
    if (isTable())
        out.putLine("</TABLE>");
    else if (request.searchable)
        out.putLine("</UL>");
}

void PageWriter::writeTail(int entryCount, int subdirectoryCount, qint64 totalBytes)
{
    // Only a page without a table has a totals line: closing the list
    // first keeps the order of both kinds of page.
    closeList();
    writePageEnd(entryCount, subdirectoryCount, totalBytes);
}

void PageWriter::writePageEnd(qint64 entryCount, int subdirectoryCount, qint64 totalBytes)
{
    if (isPlainText() && !isTable()) {
        out.putLine("<BR>");
        QByteArray totals;
        // A whole tree's totals count its directories whether or not each
        // section lists its subdirectories.
        if (request.showSubdirectories || request.wholeTree) {
            if (subdirectoryCount == 1)
                totals += "1 Directory, ";
            else if (subdirectoryCount >= 2)
                totals += QByteArray::number(subdirectoryCount) + " Directories, ";
        }
        totals += QByteArray::number(entryCount) + " Files";
        if (request.fileSize)
            totals += ", " + QByteArray::number(totalBytes) + " Bytes";
        out.putLine(totals);
    }
    if (isPlainText())
        out.putLine("</FONT>");
    if (request.center)
        out.putLine("</CENTER>");
    out.putLine("</BODY>");
    out.putLine("</HTML>");
}
