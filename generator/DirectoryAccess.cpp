// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DirectoryAccess.h"

#include <QStringDecoder>

QString decodedFileName(QByteArrayView name)
{
    if (!name.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(name);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8(name);
}
