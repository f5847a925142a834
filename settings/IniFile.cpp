#include "IniFile.h"

IniFile::IniFile(const QString &path) : filePath(path) {}
