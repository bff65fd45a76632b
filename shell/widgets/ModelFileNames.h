#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace quarlo {

// File names cross between the windows (QString) and the models (std::string, the bytes the
// system takes) in the system's file-name encoding, so that any name the system can hold
// comes back unchanged.
inline std::string ModelFileName(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

inline QString WindowFileName(const std::string& fileName)
{
    return QFile::decodeName(fileName.c_str());
}

}  // namespace quarlo
