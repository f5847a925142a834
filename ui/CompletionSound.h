#pragma once
// Where the completion sound is looked for: "ready.wav" beside the program.

#include "GenerationOptions.h"

#include <QFileInfo>

inline QString completionSoundPath(const GenerationOptions &options)
{
    return options.ProgramDir + QStringLiteral("ready.wav");  // ProgramDir ends with a separator
}

inline bool completionSoundExists(const GenerationOptions &options)
{
    return QFileInfo(completionSoundPath(options)).isFile();
}
