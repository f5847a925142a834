// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks a wave file's header before the sound device is given it, so a file
// the device cannot play is reported when it is opened, not later.

#include <QString>

class QIODevice;

// Empty when the device holds a RIFF/WAVE file with integer PCM or float
// samples of 8, 16, 24 or 32 bits and a data chunk; otherwise what is wrong.
QString waveFileProblem(QIODevice &device);
