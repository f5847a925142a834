// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ProgramFiles.h"
#include "platform/core/WaveFile.h"
#include "settings/DefaultsStore.h"
#include "settings/IniFile.h"
#include "tests/common/FailingFiles.h"
#include "tests/common/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QByteArray kTitleLines = "Titledefault=Document created by \"Quorvant\"\r\n"
                               "Headingdefault=Document created by \"Quorvant\"\r\n";

}  // namespace

Q_DECLARE_METATYPE(PageExtras)

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;

    void put(const QByteArray &content) { QVERIFY(testfiles::write(path, content)); }
    QByteArray content() const { return testfiles::read(path); }

private slots:
    void init()
    {
        path = dir.filePath(QStringLiteral("quorva21.ini"));
        QFile::remove(path);
    }

    void editsInPlace_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("the first of two copies, the one read")
            << QByteArray("[s]\nk=old\nk=second\n") << "new" << QByteArray("[s]\r\nk=new\r\nk=second\r\n");
        QTest::newRow("replaced where it stands")
            << QByteArray("[s]\nK = old\nz=1\n") << "new" << QByteArray("[s]\r\nK = new\r\nz=1\r\n");
        QTest::newRow("new key before blank lines")
            << QByteArray("[S]\na=1\n\n[T]\n") << "v" << QByteArray("[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\n");
        QTest::newRow("new section last")
            << QByteArray("; top\n[T]\na=1") << "v" << QByteArray("; top\r\n[T]\r\na=1\r\n\r\n[S]\r\nk=v\r\n");
        QTest::newRow("mark and 8-bit comment kept")
            << QByteArray("\xEF\xBB\xBF[S]\n; caf\xE9\nk=1\n") << "2" << QByteArray("\xEF\xBB\xBF[S]\r\n; caf\xE9\r\nk=2\r\n");
        QTest::newRow("no key smuggled in") << QByteArray() << "a\r\nevil=1" << QByteArray("[S]\r\nk=a  evil=1\r\n");
    }
    void editsInPlace()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        if (!before.isNull())
            put(before);
        IniFile(path).writeString("S", "k", value);
        QTEST(content(), "after");
    }

    void stringsReadBackAsWritten()
    {
        IniFile ini(path);
        for (const char *value : {"", " lead", "trail\t", "\"quoted\"", "'single'", "\"", "Grüße"}) {
            ini.writeString("Default", "Titledefault", QString::fromUtf8(value));
            QCOMPARE(ini.readString("Default", "Titledefault", "<none>"), QString::fromUtf8(value));
        }
        ini.writeString("Default", "Titledefault", QString(1500, 'a'));
        QCOMPARE(ini.readString("Default", "Titledefault", {}), QString(1023, 'a'));
    }

    void firstExitWritesEveryKeyInOrder()
    {
        IniFile ini(path);
        saveDefaults(loadDefaults(ini), ini, loadWindowPosition(ini, {144, 86}));
        QCOMPARE(content(), "[Position]\r\nx=144\r\ny=86\r\n\r\n[Default]\r\n" + kTitleLines
                     + "Filenamedefault=quorvant\r\nUsestandard=1\r\nBrowserdefault=Standard Browser\r\nModernpictures=0\r\n\r\n"
                       "[Table]\r\nColumnsdefault=0\r\nBorderwidthdefault=0\r\nAligndefault=CENTER\r\n"
                       "VAligndefault=MIDDLE\r\n\r\n[Colors]\r\nBackground=12632256\r\nLinks=16711680\r\n"
                       "VisitedLinks=8388672\r\nText=0\r\n\r\n[Sound]\r\nPlaysound=0\r\n");
    }

    // The page's extras: a key is written when set or already in the file, a
    // new section goes after every other, and each value reads back.
    void pageExtrasWrittenOnlyWhenSet_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<PageExtras>("extras");
        QTest::addColumn<QByteArray>("section");
        QTest::newRow("searchable alone") << QByteArray() << PageExtras{false, -1, {}, true, false, 200}
                                          << QByteArray("\r\n\r\n[Page]\r\nSearchable=1\r\n");
        QTest::newRow("all, in order") << QByteArray() << PageExtras{true, 3, ".git; *.tmp", true, true, 64}
                                       << QByteArray("\r\n\r\n[Page]\r\nWholetree=1\r\nMaxdepth=3\r\nLeaveout=.git; *.tmp\r\n"
                                                     "Searchable=1\r\nThumbnails=1\r\nThumbnailsize=64\r\n");
        QTest::newRow("turned off, the keys stay") << QByteArray("[Page]\r\nWholetree=1\r\nLeaveout=x\r\n") << PageExtras{}
                                                   << QByteArray("[Page]\r\nWholetree=0\r\nLeaveout=\r\n\r\n");
    }
    void pageExtrasWrittenOnlyWhenSet()
    {
        QFETCH(QByteArray, before);
        QFETCH(PageExtras, extras);
        QFETCH(QByteArray, section);
        put(before);
        IniFile ini(path);
        SavedDefaults d = loadDefaults(ini);
        d.page = extras;
        saveDefaults(d, ini, {0, 0});
        QVERIFY2(before.isEmpty() ? content().endsWith(section) : content().startsWith(section), content().constData());
        QVERIFY(loadDefaults(ini).page == extras);
    }

    // Only a regular file of at most 1 MiB is read: a device would never end,
    // a FIFO would block. Refused, it reads as its fallbacks, is named in the
    // refusal and is never replaced.
    void refusesWhatIsNoSmallFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");  // how it ends; empty: read
        QTest::newRow("1 MiB") << "1 MiB" << "";
        QTest::newRow("1 MiB and a byte") << "1 MiB+1" << " is larger than 1 MiB and is not read";
        QTest::newRow("directory") << "directory" << " is not a regular file and is not read";
#ifdef Q_OS_UNIX
        QTest::newRow("FIFO") << "FIFO" << " is not a regular file and is not read";
        QTest::newRow("device") << "/dev/urandom" << " is not a regular file and is not read";
#endif
    }
    void refusesWhatIsNoSmallFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        const QByteArray keys = "[Sound]\r\nPlaysound=1\r\n";
        QString file = path;
        if (kind.startsWith("1 MiB"))
            put(keys + QByteArray((1 << 20) - keys.size() + (kind.endsWith("+1") ? 1 : 0), ';'));
        else if (kind == "directory")
            QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
        else if (kind == "FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        else
            file = kind;
        IniFile ini(file);
        QCOMPARE(ini.readBool("Sound", "Playsound", false), refusal.isEmpty());
        QCOMPARE(ini.readRefusal(), refusal.isEmpty() ? QString() : "The settings file " + file + refusal);
        // The device is the system's: a broken refusal must not replace it.
        if (!refusal.isEmpty() && file == path)
            QVERIFY_THROWS_EXCEPTION(IniWriteError, ini.writeInteger("Position", "x", 1));
        QDir(path).removeRecursively();
    }

    void shortWriteIsReported()
    {
        // A disk that takes only part of the file.
        const FileSizeLimit limit(16);
        QVERIFY_THROWS_EXCEPTION(IniWriteError, IniFile(path).writeString("Default", "Titledefault", QString(100, 'a')));
        QVERIFY(!QFile::exists(path));
    }

    // An installation under a prefix whose bin folder is read-only, and the
    // build folder this test runs from.
    void programFilesFound()
    {
        const QString prefix = dir.filePath("usr");
        const QString bin = prefix + "/bin/", data = prefix + "/share/quorvant/";
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(data));
        testfiles::writeAll(data, {"ready.wav", "quorvant-help.html"});
        QVERIFY(QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());

        QCOMPARE(settingsFilePath(bin), dir.filePath("config/quorvant/quorva21.ini"));
        IniFile(settingsFilePath(bin)).writeBool("Sound", "Playsound", true);  // the first Exit
        QVERIFY(QFile::exists(dir.filePath("config/quorvant/quorva21.ini")));
        QCOMPARE(completionSoundFile(bin), data + "ready.wav");
        QCOMPARE(ownHelpFile(bin), data + "quorvant-help.html");

        const QString build = QCoreApplication::applicationDirPath() + '/';
        QCOMPARE(settingsFilePath(build), build + "quorva21.ini");
        QFile chime(completionSoundFile(build));
        QVERIFY(chime.fileName() == build + "ready.wav" && chime.open(QIODevice::ReadOnly));
        QCOMPARE(waveFileProblem(chime), QString());
        const QString help = ownHelpFile(build);
        QCOMPARE(help, dir.filePath("cache/quorvant/quorvant-help.html"));
        QVERIFY(ownHelpHtml().contains("<h2 id=\"settings\">"));
        QCOMPARE(testfiles::read(help), ownHelpHtml());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
