// SPDX-License-Identifier: GPL-3.0-or-later
// The real shell and program chooser, the drive roots the drive list
// offers, and the completion sound's wave check: what they turn the
// program's values into, and how they fail.

#include "platform/gui/QtDocumentShell.h"
#include "platform/gui/QtProgramChooser.h"
#include "platform/core/DriveRoots.h"
#include "platform/core/WaveFile.h"
#include "tests/common/TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

template <typename T>
QByteArray le(T v)
{
    QByteArray b(sizeof(T), 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const char *id, const QByteArray &body, quint32 declared = 0xFFFFFFFF)
{
    QByteArray c = QByteArray(id, 4) + le<quint32>(declared == 0xFFFFFFFF ? quint32(body.size()) : declared) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}

QByteArray fmtBody(quint16 tag, quint16 bits, quint16 channels = 1, quint32 rate = 22050)
{
    return le<quint16>(tag) + le<quint16>(channels) + le<quint32>(rate) + le<quint32>(rate * channels * bits / 8) + le<quint16>(channels * bits / 8)
        + le<quint16>(bits);
}

QByteArray wave(const QByteArray &chunks)
{
    return "RIFF" + le<quint32>(quint32(4 + chunks.size())) + "WAVE" + chunks;
}


}  // namespace

class TstPlatformGui : public QObject {
    Q_OBJECT

private slots:

    void waveHeader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");  // a part of the text; empty: playable

        const QByteArray pcm16 = chunk("fmt ", fmtBody(1, 16));
        const QByteArray data = chunk("data", QByteArray(100, 'x'));

        QTest::newRow("16-bit PCM") << wave(pcm16 + data) << QString();
        QTest::newRow("24-bit PCM") << wave(chunk("fmt ", fmtBody(1, 24, 2)) + data) << QString();
        QTest::newRow("12-bit PCM") << wave(chunk("fmt ", fmtBody(1, 12)) + data) << "not supported";
        QTest::newRow("no channels") << wave(chunk("fmt ", fmtBody(1, 16, 0)) + data) << "damaged";
        QTest::newRow("no sample rate") << wave(chunk("fmt ", fmtBody(1, 16, 1, 0)) + data) << "damaged";
        QTest::newRow("data before fmt") << wave(data + pcm16) << "no format chunk before";
        QTest::newRow("no data") << wave(pcm16) << "holds no sound";
        QTest::newRow("empty data") << wave(pcm16 + chunk("data", {})) << "holds no sound";
        QTest::newRow("chunk size past the end") << wave(pcm16 + chunk("LIST", "ab", 0x7FFFFFF0) + data)
                                                 << "holds no sound";
    }

    void waveHeader()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const QString found = waveFileProblem(buffer);
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.contains(problem), qPrintable(found));
    }

    void shellReportsMissingDocumentAndUnstartableProgram()
    {
        QTemporaryDir dir;
        QtDocumentShell shell;
        QCOMPARE(shell.openDocument(dir.filePath("gone.html")), OpenResult::Missing);
        QCOMPARE(shell.openDocument(dir.path()), OpenResult::Missing);  // a directory is no document
        QVERIFY(!shell.startProgram(QString(), {"x.html"}));
        QVERIFY(!shell.startProgram(dir.filePath("no such browser"), {"x.html"}));

        // The association query: only a query that ran and named nothing says "none".
        QVERIFY(queryNamesNoProgram(true, "\n"));
        QVERIFY(!queryNamesNoProgram(true, "firefox.desktop\n"));
        QVERIFY(!queryNamesNoProgram(false, ""));
    }

    void programFilter()
    {
        // POSIX: "*.*" would hide names without a dot, which most programs have.
        for (const QString &filter : programFileFilters(PathStyle::Posix))
            QVERIFY2(filter.endsWith("(*)"), qPrintable(filter));

    #ifndef Q_OS_WIN
        QTemporaryDir dir;
        const QString program = dir.filePath("viewer");
        const QString page = dir.filePath("page.html");
        QVERIFY(testfiles::write(program, "x") && testfiles::write(page, "x"));
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ExeGroup));
        QVERIFY(QtProgramChooser::listedAsProgram(QFileInfo(program)));
        QVERIFY(!QtProgramChooser::listedAsProgram(QFileInfo(page)));
        QVERIFY(QtProgramChooser::listedAsProgram(QFileInfo(dir.path())));  // folders stay to move through
    #endif
    }

    void driveRootsLeaveOutPseudoFileSystems()
    {
        const QList<MountedVolume> volumes = {
            {"/", "overlay"}, {"/proc", "proc"}, {"/sys/fs/cgroup", "tmpfs"}, {"/media/usb", "vfat"},
            {"/dev/shm", "tmpfs"}, {"/home", "ext4"}, {"/run/user/1000/doc", "fuse.portal"}, {"/home/", "ext4"},
            {"/run/media/x", "ext4"}, {"/var/lib/docker/overlay2/m", "overlay"},
        };
        const QStringList roots{"/", "/home", "/media/usb"};
        QCOMPARE(posixDriveRoots(volumes), roots);
        QCOMPARE(posixDriveRoots({}), QStringList{"/"});
        QVERIFY(!machineDriveRoots().isEmpty());
        // A directory's drive is the longest root it lies in, whole names only.
        for (const auto &[dir, drive] : {std::pair{"/home/ann/web", "/home"}, {"/home", "/home"}, {"/homework", "/"}, {"/", "/"}})
            QCOMPARE(driveOf(QString::fromLatin1(dir), roots), QString::fromLatin1(drive));
    }
};

QTEST_MAIN(TstPlatformGui)
#include "tst_platformgui.moc"
