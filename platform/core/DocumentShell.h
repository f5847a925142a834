// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop shell behind a seam: opening a document with the program
// associated with its type, and starting a program. Tests script a double.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class OpenResult {
    Opened,
    Missing,        // the file is not there
    NoAssociation,  // no program is associated with the file's type
    Failed,         // any other failure
};

class DocumentShell {
public:
    virtual ~DocumentShell() = default;
    virtual OpenResult openDocument(const QString &path) = 0;
    // Starts program with each argument passed as it is (no shell, no
    // quoting, no length limit). True when the program started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

// Whether the desktop's query for the default program of a MIME type named
// none. A query that failed or did not end knows nothing, so it says no.
bool queryNamesNoProgram(bool succeeded, const QByteArray &output);
