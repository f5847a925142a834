// SPDX-License-Identifier: GPL-3.0-or-later
// Makes benchmark directories.
//   bench_makefiles files DIR COUNT          COUNT small files of 0 to 5120 bytes
//   bench_makefiles pictures DIR COUNT SIZE  COUNT pictures, half GIF, half JFIF,
//                                            each about SIZE bytes long
//   bench_makefiles tree DIR FILES DIRS DEPTH
//                                            FILES small files spread over DIRS
//                                            directories at most DEPTH levels deep
// The pictures are well-formed up to their pixel data, which is filler: the
// headers are what the probes read, the filler only gives them their length.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

void put16le(QByteArray &b, int v)
{
    b += char(v & 0xFF);
    b += char((v >> 8) & 0xFF);
}

void put16be(QByteArray &b, int v)
{
    b += char((v >> 8) & 0xFF);
    b += char(v & 0xFF);
}

QByteArray gifPicture(int width, int height, qint64 size)
{
    QByteArray b("GIF89a");
    put16le(b, width);
    put16le(b, height);
    b += QByteArray("\x80\x00\x00", 3);                        // two-entry colour table
    b += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    b += ',';                                                   // image descriptor
    put16le(b, 0);
    put16le(b, 0);
    put16le(b, width);
    put16le(b, height);
    b += char(0);
    b += char(2);                                               // LZW minimum code size
    while (b.size() + 255 + 3 < size) {                         // data sub-blocks
        b += char(255);
        b += QByteArray(255, '\x2A');
    }
    b += char(1);
    b += '\x2A';
    b += char(0);
    b += ';';
    return b;
}

QByteArray jfifPicture(int width, int height, qint64 size)
{
    QByteArray b("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    b += QByteArray("\xFF\xDB\x00\x43\x00", 5) + QByteArray(64, '\x10');   // quantisation table
    b += QByteArray("\xFF\xC0\x00\x11\x08", 5);                          // baseline frame
    put16be(b, height);
    put16be(b, width);
    b += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    b += QByteArray("\xFF\xDA\x00\x0C\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 14);
    const qint64 filler = size - b.size() - 2;
    if (filler > 0)
        b += QByteArray(filler, '\x55');                                  // "compressed" data
    b += QByteArray("\xFF\xD9", 2);
    return b;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

int usage()
{
    fprintf(stderr, "usage: bench_makefiles files DIR COUNT | pictures DIR COUNT SIZE | tree DIR FILES DIRS DEPTH\n");
    return 2;
}

// A tree the shape of a real archive: directories grow breadth first from
// random parents above the depth limit, so some are wide and some deep;
// files go round the directories, so every one holds about the same number.
int makeTree(const QString &root, int files, int dirs, int depth)
{
    std::mt19937 random(20261207);
    struct Dir { QString path; int depth; int children; };
    std::vector<Dir> all{{root, 0, 0}};
    all.reserve(size_t(dirs) + 1);
    while (int(all.size()) <= dirs) {
        const size_t parent = random() % all.size();
        if (all[parent].depth >= depth)
            continue;
        const QString path = QStringLiteral("%1/%2%3").arg(all[parent].path)
                                 .arg(random() % 3 == 0 ? QStringLiteral("Dir") : QStringLiteral("dir"))
                                 .arg(all[parent].children++, 3, 10, QLatin1Char('0'));
        if (!QDir().mkdir(path)) {
            fprintf(stderr, "cannot make %s\n", qPrintable(path));
            return 1;
        }
        all.push_back({path, all[parent].depth + 1, 0});
    }
    static const char *const extensions[] = {"txt", "dat", "log", "csv", "md"};
    for (int i = 0; i < files; ++i) {
        const Dir &dir = all[size_t(i) % all.size()];
        const QString name = QStringLiteral("%1/file%2.%3").arg(dir.path).arg(i, 7, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(extensions[i % 5]));
        if (!writeFile(name, QByteArray(i * 337 % 5121, 'x'))) {
            fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        return usage();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const int count = atoi(argv[3]);
    if (count <= 0 || !QDir().mkpath(dir))
        return usage();

    if (mode == QLatin1String("files")) {
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("%1/file%2.txt").arg(dir).arg(i, 6, 10, QLatin1Char('0'));
            if (!writeFile(name, QByteArray(i * 337 % 5121, 'x'))) {
                fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
        return 0;
    }
    if (mode == QLatin1String("tree") && argc == 6)
        return makeTree(dir, count, atoi(argv[4]), atoi(argv[5]));
    if (mode == QLatin1String("pictures") && argc == 5) {
        const qint64 size = atoll(argv[4]);
        for (int i = 0; i < count; ++i) {
            // Widths from 200 to 3000 pixels, so shrinking has work to do.
            const int width = 200 + (i * 37) % 2801;
            const int height = width * 3 / 4;
            const bool gif = i % 2 == 0;
            const QString name = QStringLiteral("%1/pic%2.%3")
                                     .arg(dir)
                                     .arg(i, 5, 10, QLatin1Char('0'))
                                     .arg(gif ? QStringLiteral("gif") : QStringLiteral("jpg"));
            const QByteArray bytes = gif ? gifPicture(width, height, size) : jfifPicture(width, height, size);
            if (!writeFile(name, bytes)) {
                fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
        return 0;
    }
    return usage();
}
