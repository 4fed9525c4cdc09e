// Remembered positions of documents in the position file.
#include <QRegularExpression>

#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace scanvo {

namespace {

const QString kImagePosSection = QStringLiteral("ImagePos");

}  // namespace

QString ImagePosKey(const QString& docName)
{
    // A trailing separator ("2019/box1/") does not make an empty last component.
    static const QRegularExpression separators(QStringLiteral("[/\\\\]+"));
    const QStringList parts = docName.split(separators, Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.last();
}

qint16 ReadImagePos(const QString& docName)
{
    const QString key = ImagePosKey(docName);
    if (key.isEmpty())
        return 0;
    // A value that does not fit reads as 0 too: nothing remembered.
    return IniNumber16(GetIniString(PositionFilePath(), kImagePosSection, key));
}

void WriteImagePos(const QString& docName, qint16 position)
{
    const QString key = ImagePosKey(docName);
    if (key.isEmpty())
        return;
    // A position that cannot be stored is simply not remembered.
    (void)WriteIniString(PositionFilePath(), kImagePosSection, key, QString::number(position));
}

}  // namespace scanvo
