// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drive combo box offers, kept in one place because it differs per
// OS: drive letters on Windows; on POSIX "/" and the mount points of the real
// file systems. Paths here use '/' separators.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct MountedVolume {
    QString rootPath;
    QByteArray fileSystemType;
};

// True for the kernel's and the desktop's virtual file systems (proc, sysfs,
// tmpfs, cgroup, ...), which hold no user files.
bool isPseudoFileSystem(const QByteArray &fileSystemType);

// "/" first, then the other real mount points in path order; pseudo file
// systems, mounts below system trees (/proc, /sys, /dev, /run, /snap) and
// duplicate mount points left out.
QStringList posixDriveRoots(const QList<MountedVolume> &volumes);

// The drives of this machine: "C:/" ... on Windows, posixDriveRoots of the
// mounted volumes elsewhere.
QStringList machineDriveRoots();

// The drive a directory belongs to among roots: the longest root that is a
// prefix of it ("" when none is).
QString driveOf(const QString &dir, const QStringList &roots);

// The top of dir's tree: "/" on POSIX; "C:/" or "//server/share/" on Windows.
QString treeRootOf(const QString &dir);
