// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/DriveRoots.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

bool isPseudoFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> pseudo = {
        "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts", "devtmpfs",
        "efivarfs", "fusectl", "fuse.gvfsd-fuse", "fuse.portal", "hugetlbfs", "mqueue", "nsfs", "proc",
        "pstore", "ramfs", "rpc_pipefs", "securityfs", "selinuxfs", "squashfs", "sysfs", "tmpfs", "tracefs",
        "nfsd", "overlay",
    };
    return pseudo.contains(type);
}

QStringList posixDriveRoots(const QList<MountedVolume> &volumes)
{
    static const QStringList systemTrees = {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                                            QStringLiteral("/run"), QStringLiteral("/snap")};
    QStringList roots;
    for (const MountedVolume &volume : volumes) {
        const QString root = QDir::cleanPath(volume.rootPath);
        if (root == QLatin1String("/") || isPseudoFileSystem(volume.fileSystemType))
            continue;
        const bool underSystemTree = std::any_of(systemTrees.begin(), systemTrees.end(), [&](const QString &tree) {
            return root == tree || root.startsWith(tree + QLatin1Char('/'));
        });
        if (!underSystemTree && !roots.contains(root))
            roots << root;
    }
    std::sort(roots.begin(), roots.end());
    // The root of the tree is always there, whatever file system it is (an overlay in containers).
    roots.prepend(QStringLiteral("/"));
    return roots;
}

QStringList machineDriveRoots()
{
#ifdef Q_OS_WIN
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absoluteFilePath();
    return roots;
#else
    QList<MountedVolume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        // Bind mounts of single files (as containers do for /etc/hosts) are no drives.
        if (storage.isValid() && QFileInfo(storage.rootPath()).isDir())
            volumes.append({storage.rootPath(), storage.fileSystemType()});
    }
    return posixDriveRoots(volumes);
#endif
}

QString driveOf(const QString &dir, const QStringList &roots)
{
    QString best;
    for (const QString &root : roots) {
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        const bool inside = dir.compare(root, Qt::CaseInsensitive) == 0
                            || dir.startsWith(prefix, Qt::CaseInsensitive);
        if (inside && root.size() > best.size())
            best = root;
    }
    return best;
}

QString treeRootOf(const QString &dir)
{
#ifdef Q_OS_WIN
    if (dir.size() >= 2 && dir.at(1) == QLatin1Char(':'))
        return dir.left(2) + QLatin1Char('/');
    if (dir.startsWith(QLatin1String("//"))) {
        const qsizetype server = dir.indexOf(QLatin1Char('/'), 2);
        const qsizetype share = server < 0 ? -1 : dir.indexOf(QLatin1Char('/'), server + 1);
        return share < 0 ? dir + QLatin1Char('/') : dir.left(share + 1);
    }
#else
    Q_UNUSED(dir);
#endif
    return QStringLiteral("/");
}
