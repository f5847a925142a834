#include "generator/PageWriter.h"

#include "generator/PageOutput.h"

#include <QtAlgorithms>

void PageWriter::writeHead()
{
    out.putLine("<HTML>");
    out.putLine("<HEAD>");
    out.putLine("<TITLE>");
    // Title and heading are written as typed: users put markup in them.
    out.putLine(request.texts.title.toLocal8Bit());
    out.putLine("</TITLE>");
    out.putLine("</HEAD>");

    const PageColors &colors = request.settings.colors;
    out.putLine("<BODY BGCOLOR=#" + colorText(colors.background) + " LINK=#" + colorText(colors.link) + " VLINK=#"
                + colorText(colors.visitedLink) + " TEXT=#" + colorText(colors.text) + ">");

    if (request.center)
        out.putLine("<CENTER>");
    if (request.texts.heading)
        out.putLine("<H1>" + request.texts.heading->toLocal8Bit() + "</H1>");
    if (isPlainText())
        out.putLine("<FONT FACE = \"Courier New\">");
    if (isTable())
        out.putLine("<TABLE BORDER = \"" + QByteArray::number(request.settings.table.borderWidth)
                    + "\" CELLPADDING = \"5\">");
}

void PageWriter::openCell(int position)
{
    if (!isTable())
        return;
    const TableSettings &table = request.settings.table;
    if ((position - 1) % table.columns == 0)
        out.putLine("<TR>");
    out.putLine("<TD ALIGN=\"" + table.align.toLocal8Bit() + "\" VALIGN=\"" + table.verticalAlign.toLocal8Bit()
                + "\">");
}

void PageWriter::closeCell(int position, int entryCount)
{
    if (!isTable())
        return;
    out.putLine("</TD>");
    if (position % request.settings.table.columns == 0 || position == entryCount)
        out.putLine("</TR>");
}

void PageWriter::writeTail(int entryCount, int subdirectoryCount, qint64 totalBytes)
{
    if (isPlainText() && !isTable()) {
        out.putLine("<BR>");
        QByteArray totals;
        if (request.showSubdirectories) {
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
    if (isTable())
        out.putLine("</TABLE>");
    if (isPlainText())
        out.putLine("</FONT>");
    if (request.center)
        out.putLine("</CENTER>");
    out.putLine("</BODY>");
    out.putLine("</HTML>");
}
