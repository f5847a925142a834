// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/WaveFile.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

// The context of the problems' texts for translation.
struct WaveFile {
    Q_DECLARE_TR_FUNCTIONS(WaveFile)
};

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

bool readExactly(QIODevice &device, char *buffer, qint64 size)
{
    return device.read(buffer, size) == size;
}

bool skip(QIODevice &device, qint64 size)
{
    if (!device.isSequential())
        return device.pos() + size <= device.size() && device.seek(device.pos() + size);
    return device.skip(size) == size;
}

}  // namespace

QString waveFileProblem(QIODevice &device)
{
    char riff[12];
    if (!readExactly(device, riff, sizeof riff) || memcmp(riff, "RIFF", 4) != 0 || memcmp(riff + 8, "WAVE", 4) != 0)
        return WaveFile::tr("The file is not a wave file.");

    bool haveFormat = false;
    for (;;) {
        char header[8];
        if (!readExactly(device, header, sizeof header))
            break;
        const quint32 size = qFromLittleEndian<quint32>(header + 4);
        // Chunks are padded to an even length.
        const qint64 padded = qint64(size) + (size & 1);

        if (memcmp(header, "fmt ", 4) == 0) {
            if (size < 16)
                return WaveFile::tr("The wave file's format chunk is damaged.");
            char fmt[40] = {};
            const qint64 wanted = qMin<qint64>(size, sizeof fmt);
            if (!readExactly(device, fmt, wanted) || !skip(device, padded - wanted))
                return WaveFile::tr("The wave file's format chunk is damaged.");
            quint16 tag = qFromLittleEndian<quint16>(fmt);
            const quint16 channels = qFromLittleEndian<quint16>(fmt + 2);
            const quint32 rate = qFromLittleEndian<quint32>(fmt + 4);
            const quint16 bits = qFromLittleEndian<quint16>(fmt + 14);
            // The extensible form names the real format in its sub-format GUID.
            if (tag == kExtensible && size >= 26)
                tag = qFromLittleEndian<quint16>(fmt + 24);
            const bool pcm = tag == kPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
            const bool floating = tag == kFloat && bits == 32;
            if (!pcm && !floating)
                return WaveFile::tr("The wave file's sample format (format %1, %2 bits) is not supported.")
                    .arg(tag)
                    .arg(bits);
            if (channels == 0 || rate == 0)
                return WaveFile::tr("The wave file's format chunk is damaged.");
            haveFormat = true;
            continue;
        }
        if (memcmp(header, "data", 4) == 0) {
            if (!haveFormat)
                return WaveFile::tr("The wave file has no format chunk before its data.");
            if (size == 0)
                return WaveFile::tr("The wave file holds no sound.");
            return {};
        }
        if (!skip(device, padded))
            break;
    }
    return haveFormat ? WaveFile::tr("The wave file holds no sound.")
                      : WaveFile::tr("The wave file has no format chunk.");
}
