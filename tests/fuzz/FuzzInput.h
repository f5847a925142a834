// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a fuzzer's bytes into decisions: one byte per choice, so mutations
// of one byte change one choice. Past the end every read gives zero.

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// An invariant the code under test must keep; a violation is a finding.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

class FuzzInput {
public:
    FuzzInput(const uint8_t *bytes, size_t length) : data(bytes), size(length) {}

    quint8 byte() { return pos < size ? data[pos++] : 0; }
    bool flag() { return byte() & 1; }
    int below(int n) { return n > 0 ? byte() % n : 0; }
    qint32 int32()
    {
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | byte();
        return qint32(v);
    }
    // A length byte, then that many bytes (fewer at the end of the data).
    QByteArray chunk()
    {
        const size_t n = qMin<size_t>(byte(), size - pos);
        const QByteArray out(reinterpret_cast<const char *>(data + pos), qsizetype(n));
        pos += n;
        return out;
    }
    QByteArray rest()
    {
        const QByteArray out(reinterpret_cast<const char *>(data + pos), qsizetype(size - pos));
        pos = size;
        return out;
    }

private:
    const uint8_t *data;
    size_t size;
    size_t pos = 0;
};
