#pragma once
// A directory built to break a page: names with every character HTML, URLs
// and shells treat specially, names of 255 bytes, names that are not UTF-8,
// line breaks in names, thousands of files, a dangling symlink, symlink
// loops, and a file and a subdirectory meant to vanish during a run.
// POSIX only: it needs raw byte names and symlinks.

#include <QByteArray>
#include <QList>
#include <QString>

struct HostileTree {
    QString dir;
    QList<QByteArray> files;        // every plain file made, raw names, the bulk included
    QList<QByteArray> undecodable;  // those whose names are not valid UTF-8
    QList<QByteArray> brokenLinks;  // the dangling symlink and the loops
    QString vanishingFile = QStringLiteral("vanish.gif");
    QString vanishingDir = QStringLiteral("vanishdir");
};

// Fills dir (which must exist) with the tree and bulk plain files more;
// false with error set when the file system refuses something.
bool makeHostileTree(const QString &dir, int bulk, HostileTree &tree, QString &error);

// Removes the files whose names Qt cannot spell, which QDir::removeRecursively
// never sees.
void removeUndecodable(const HostileTree &tree);

// Puts the vanishing file and subdirectory back after a run removed them.
bool restoreVanishing(const HostileTree &tree);
