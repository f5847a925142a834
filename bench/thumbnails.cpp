// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the thumbnails of a directory's pictures as a picture page's run
// will: the files listed as the file list shows them, every name handed to
// the thumbnail batch in page order, the results taken in that order while
// the entries' IMG tags are put together, and the unused thumbnails removed
// at the end. The folder goes beside the document DIR/bench-thumbs.html
// (which is not written): DIR/bench-thumbs_thumbnails.
//   bench_thumbnails DIR [LONGEST-SIDE, default 200]
// Prints how many thumbnails there are, how many were made in this run, and
// the pictures without one.

#include "generator/DirectoryAccess.h"
#include "generator/FileListing.h"
#include "thumbnails/Thumbnails.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_thumbnails DIR [LONGEST-SIDE]\n");
        return 2;
    }
    ThumbnailJob job;
    job.sourceDirectory = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    job.documentPath = job.sourceDirectory + QStringLiteral("/bench-thumbs.html");
    job.longestSide = argc > 2 ? std::atoi(argv[2]) : 200;

    const FileNames names = listMatchingFiles(job.sourceDirectory, QStringLiteral("*.*"));
    const std::unique_ptr<ThumbnailBatch> batch = makeThumbnailBatch(job);
    for (const FileName &name : names)
        batch->add(name.bytes());
    QByteArray page;
    int thumbnails = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const ThumbnailResult r = batch->take();
        if (!r.made())
            continue;
        ++thumbnails;
        page += "<A HREF=\"" + names.at(i).bytes() + "\"><IMG SRC=\"" + r.link + "\" WIDTH=\""
                + QByteArray::number(r.width) + "\" HEIGHT=\"" + QByteArray::number(r.height) + "\" loading=\"lazy\"></A>\r\n";
    }
    batch->finish();
    std::printf("%d thumbnails in %s, %lld bytes of page\n", thumbnails, qPrintable(batch->folderPath()),
                static_cast<long long>(page.size()));
    for (const MissingThumbnail &m : batch->missing())
        std::printf("no thumbnail: %s (problem %d, error %d)\n", m.path.constData(), int(m.problem), m.osError);
    return batch->missing().isEmpty() ? 0 : 1;
}
