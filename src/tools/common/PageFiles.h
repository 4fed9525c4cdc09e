#pragma once
// The page files the command-line tools take: TIFF and JPEG files, a folder's in name order.

#include <QString>
#include <QStringList>

namespace scanvo::tools {

// A TIFF or JPEG file by its name.
bool IsPageFileName(const QString& name);

// The visible TIFF and JPEG files directly inside folder (not its subfolders'), in name order,
// as paths under folder.
QStringList FolderPageFiles(const QString& folder);

// The same file however it was named: its canonical path when it exists, else its clean
// absolute path.
QString FileIdentity(const QString& path);

}  // namespace scanvo::tools
