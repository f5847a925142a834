// SPDX-License-Identifier: GPL-3.0-or-later
// Makes camera-size JPEG pictures with the detail of photographs, for the
// thumbnail benchmark: flat colour would decode far faster than a photo.
//   bench_makepictures DIR COUNT [WIDTH HEIGHT QUALITY]   default 4000 3000 92
// Each picture is its own: fractal noise in a palette of its own at several
// scales (hills, clouds, texture), shapes and text drawn over it, and sensor
// grain. Pictures are made on every core.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Value noise on a grid of cells, smoothly interpolated: one octave.
class ValueNoise {
public:
    ValueNoise(int cells, QRandomGenerator &random) : n(cells + 2), values(size_t(n * n))
    {
        for (float &v : values)
            v = float(random.generateDouble());
    }
    float at(float x, float y) const  // x, y in [0, 1]
    {
        const float fx = x * float(n - 2), fy = y * float(n - 2);
        const int ix = int(fx), iy = int(fy);
        const float tx = smooth(fx - float(ix)), ty = smooth(fy - float(iy));
        const float a = cell(ix, iy) + tx * (cell(ix + 1, iy) - cell(ix, iy));
        const float b = cell(ix, iy + 1) + tx * (cell(ix + 1, iy + 1) - cell(ix, iy + 1));
        return a + ty * (b - a);
    }

private:
    static float smooth(float t) { return t * t * (3 - 2 * t); }
    float cell(int x, int y) const { return values[size_t(y * n + x)]; }
    int n;
    std::vector<float> values;
};

QImage landscape(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    // The large forms at a quarter of the size, scaled up smoothly.
    const int w = width / 4, h = height / 4;
    std::vector<ValueNoise> octaves;
    for (int cells = 3; cells <= 384; cells *= 2)
        octaves.emplace_back(cells, random);
    QColor palette[4];
    for (QColor &c : palette)
        c = QColor::fromHsv(random.bounded(360), 60 + random.bounded(160), 60 + random.bounded(190));
    QImage small(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(small.scanLine(y));
        for (int x = 0; x < w; ++x) {
            float v = 0, amplitude = 0.5f;
            for (const ValueNoise &o : octaves) {
                v += amplitude * o.at(float(x) / float(w), float(y) / float(h));
                amplitude *= 0.55f;
            }
            v = std::fmod(v * 2.2f, 1.0f) * 3.0f;  // bands through the palette
            const int i = qMin(2, int(v));
            const float t = v - float(i);
            const QColor &a = palette[i], &b = palette[i + 1];
            line[x] = qRgb(int(float(a.red()) + t * float(b.red() - a.red())),
                           int(float(a.green()) + t * float(b.green() - a.green())),
                           int(float(a.blue()) + t * float(b.blue() - a.blue())));
        }
    }
    QImage picture = small.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        const QColor c = QColor::fromHsv(random.bounded(360), random.bounded(256), random.bounded(256), 60 + random.bounded(150));
        painter.setPen(QPen(c.darker(), 2 + random.bounded(12)));
        painter.setBrush(c);
        const QRect r(random.bounded(width), random.bounded(height), 40 + random.bounded(width / 4), 40 + random.bounded(height / 4));
        if (i % 3 == 0)
            painter.drawEllipse(r);
        else if (i % 3 == 1)
            painter.drawRect(r);
        else
            painter.drawLine(r.topLeft(), r.bottomRight());
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    for (int i = 0; i < 12; ++i) {
        font.setPixelSize(20 + random.bounded(160));
        painter.setFont(font);
        painter.setPen(QColor::fromHsv(random.bounded(360), random.bounded(256), random.bounded(256)));
        painter.drawText(random.bounded(width), random.bounded(height),
                         QStringLiteral("Picture %1, line %2: the quick brown fox").arg(seed).arg(i));
    }
    painter.end();

    // Sensor grain, strongest in the shadows as in a photograph.
    quint32 state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const QRgb p = line[x];
            const int g = int(state % 21) - 10;
            line[x] = qRgb(qBound(0, qRed(p) + g, 255), qBound(0, qGreen(p) + g + int((state >> 8) % 5) - 2, 255),
                           qBound(0, qBlue(p) + g + int((state >> 16) % 5) - 2, 255));
        }
    }
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);  // the text needs the font database
    if (argc != 3 && argc != 6) {
        std::fprintf(stderr, "usage: bench_makepictures DIR COUNT [WIDTH HEIGHT QUALITY]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    const int width = argc == 6 ? std::atoi(argv[3]) : 4000;
    const int height = argc == 6 ? std::atoi(argv[4]) : 3000;
    const int quality = argc == 6 ? std::atoi(argv[5]) : 92;
    if (!QDir().mkpath(dir))
        return 1;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < qMax(1u, std::thread::hardware_concurrency()); ++t)
        workers.emplace_back([&] {
            for (int i; (i = next++) < count;) {
                QImageWriter writer(dir + QStringLiteral("/photo-%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')), "jpeg");
                writer.setQuality(quality);
                if (!writer.write(landscape(width, height, quint32(i + 1))))
                    failed = true;
            }
        });
    for (std::thread &t : workers)
        t.join();
    return failed ? 1 : 0;
}
