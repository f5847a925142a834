// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtSoundPlayer.h"

#include "platform/core/WaveFile.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::~QtSoundPlayer()
{
    close();
}

QString QtSoundPlayer::open(const QString &path)
{
    close();
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("Unable to open %1: %2").arg(shown, file.errorString());
    const QString problem = waveFileProblem(file);
    if (!problem.isEmpty())
        return shown + QStringLiteral(": ") + problem;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return tr("No sound output device is available to play %1.").arg(shown);

    effect = new QSoundEffect(device);
    openPath = path;
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this] {
        if (effect && effect->status() == QSoundEffect::Error && onError)
            onError(tr("The sound device cannot play %1.").arg(QDir::toNativeSeparators(openPath)));
    });
    effect->setSource(QUrl::fromLocalFile(path));
    return {};
}

void QtSoundPlayer::play()
{
    if (!effect)
        return;
    // From the start, also when the last playing has not ended yet.
    effect->stop();
    effect->play();
}

void QtSoundPlayer::close()
{
    delete effect;
    effect = nullptr;
    openPath.clear();
}

void QtSoundPlayer::setErrorHandler(std::function<void(const QString &)> handler)
{
    onError = std::move(handler);
}
