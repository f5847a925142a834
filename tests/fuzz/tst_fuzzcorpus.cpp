// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every saved fuzz input (seeds and findings, tests/fuzz/corpus/<target>/)
// through its target, so a finding once fixed stays fixed in every build.
#include "tests/fuzz/FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

using Target = int (*)(const uint8_t *, size_t);

const QList<QPair<QString, Target>> kTargets = {
    {"gif_probe", fuzzGifProbe}, {"jpeg_probe", fuzzJpegProbe}, {"other_probes", fuzzOtherProbes}, {"ini", fuzzIni}, {"generator", fuzzGenerator},
    {"thumbnail", fuzzThumbnail}, {"names", fuzzNames}};

} // namespace

class TestFuzzCorpus : public QObject {
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int t = 0; t < kTargets.size(); ++t) {
            const QDir dir(QStringLiteral(QUORVANT_FUZZ_CORPUS "/") + kTargets[t].first);
            const QStringList files = dir.entryList(QDir::Files);
            QVERIFY2(!files.isEmpty(), qPrintable("no seeds for " + kTargets[t].first));
            for (const QString &file : files)
                QTest::newRow(qPrintable(kTargets[t].first + '/' + file)) << t << dir.filePath(file);
        }
    }
    void replay()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        // A broken invariant aborts inside the target, with its reason on stderr.
        QCOMPARE(kTargets[target].second(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
