#include "tests/hostile/HostileTree.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Small but real headers, so the picture probes find sizes.
QByteArray contentFor(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    if (lower.endsWith(".gif") || lower.endsWith(".gif "))
        return QByteArray("GIF89a\x40\x01\xF0\x00", 10) + QByteArray(20, '\0');
    if (lower.endsWith(".jpg") || lower.endsWith(".jpeg"))
        return QByteArray::fromHex("FFD8FFE000104A46494600010100000100010000FFDB00030000"
                                   "FFC0000B0801E0028001011100FFDA000C") + "data";
    return "text of " + name + "\n";
}

#ifdef Q_OS_UNIX
bool writeRaw(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return ::close(fd) == 0 && ok;
}
#endif

} // namespace

bool makeHostileTree(const QString &dir, int bulk, HostileTree &tree, QString &error)
{
#ifdef Q_OS_UNIX
    tree.dir = dir;
    const QByteArray root = QFile::encodeName(dir) + '/';
    const auto failed = [&](const char *what, const QByteArray &name) {
        error = QStringLiteral("cannot make %1 %2: %3")
                    .arg(QLatin1String(what), QString::fromLatin1(name.toHex()), QString::fromLocal8Bit(strerror(errno)));
        return false;
    };
    QList<QByteArray> names = {
        "amp&er.gif", "lt<gt>.jpg", "quote\"d.txt", "apos'trophe.jpeg", "hash#tag.gif", "per%cent.txt",
        "per%20cent.txt", "ques?tion.jpg", "semi;colon.txt", "with blank.gif", " leading blank.txt",
        "trailing blank.gif ", "-leading-dash.jpg", "-", "--", "javascript:alert(1).gif", "back\\slash.txt",
        "tab\there.gif", "cr\rname.txt", "lf\nname.gif", "crlf\r\nname.jpg", "<script>alert(1)<!--.txt",
        "&amp;.txt", "HREF=\"x.gif", "caf\xC3\xA9.gif", "\xE6\x97\xA5\xE6\x9C\xAC.jpg",
        QByteArray(251, 'a') + ".gif",                  // 255 bytes
        QByteArray("\xC3\xA9").repeated(125) + "x.jpg", // 255 bytes, 130 characters
        "latin\xE9.txt", "bad\xFF\xFE.gif", "overlong\xC0\xAF.jpg", "surrogate\xED\xA0\x80.txt",
        tree.vanishingFile.toUtf8()};
    const char *exts[] = {".txt", ".gif", ".jpg"};
    for (int i = 0; i < bulk; ++i)
        names << "f" + QByteArray::number(i).rightJustified(5, '0') + exts[i % 3];
    for (const QByteArray &name : names) {
        if (!writeRaw(root + name, contentFor(name)))
            return failed("file", name);
        tree.files << name;
        if (QString::fromUtf8(name).toUtf8() != name)
            tree.undecodable << name;
    }
    // Time stamps no clock shows: before 1970, the epoch itself, year 33658.
    for (const auto &[name, secs] : {std::pair<QByteArray, qint64>{"old.txt", -1000000001}, {"epoch.gif", 0},
                                     {"future.jpg", Q_INT64_C(1000000000001)}}) {
        const timespec times[2] = {{time_t(secs), 0}, {time_t(secs), 0}};
        if (!writeRaw(root + name, contentFor(name)) || ::utimensat(AT_FDCWD, (root + name).constData(), times, 0) != 0)
            return failed("dated file", name);
        tree.files << name;
    }
    for (const QByteArray &sub : {QByteArray("sub&dir"), QByteArray("sub<dir>"), QByteArray("sub dir"),
                                  QByteArray("-subdash"), QByteArray("subcr\rdir"), QByteArray(".hiddendir"),
                                  tree.vanishingDir.toUtf8()}) {
        if (::mkdir((root + sub).constData(), 0755) != 0)
            return failed("subdirectory", sub);
    }
    for (const auto &[name, target] : {std::pair<QByteArray, QByteArray>{"dangling.gif", "does-not-exist.gif"},
                                       {"loop1.jpg", "loop2.jpg"}, {"loop2.jpg", "loop1.jpg"}, {"selfloop.txt", "selfloop.txt"}}) {
        if (::symlink(target.constData(), (root + name).constData()) != 0)
            return failed("symlink", name);
        tree.brokenLinks << name;
    }
    return true;
#else
    Q_UNUSED(dir);
    Q_UNUSED(bulk);
    Q_UNUSED(tree);
    error = QStringLiteral("the hostile tree needs POSIX file names");
    return false;
#endif
}

void removeUndecodable(const HostileTree &tree)
{
#ifdef Q_OS_UNIX
    for (const QByteArray &name : tree.undecodable)
        ::unlink((QFile::encodeName(tree.dir) + '/' + name).constData());
#else
    Q_UNUSED(tree);
#endif
}

bool restoreVanishing(const HostileTree &tree)
{
#ifdef Q_OS_UNIX
    const QByteArray root = QFile::encodeName(tree.dir) + '/';
    const QByteArray file = root + tree.vanishingFile.toUtf8();
    const QByteArray sub = root + tree.vanishingDir.toUtf8();
    struct stat st;
    if (::stat(file.constData(), &st) != 0 && !writeRaw(file, contentFor(tree.vanishingFile.toUtf8())))
        return false;
    return ::stat(sub.constData(), &st) == 0 || ::mkdir(sub.constData(), 0755) == 0;
#else
    Q_UNUSED(tree);
    return false;
#endif
}
