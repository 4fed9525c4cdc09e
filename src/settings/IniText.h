#pragma once
// Text encoding of INI files: UTF-8 is written; a file that is not valid UTF-8 was written in the
// GB18030 (GBK) code page by an older installation and is read as such.

#include <QByteArray>
#include <QString>

namespace scanvo {

struct IniText {
    QString text;
    bool utf8Bom = false;  // kept when the file is written again
};

IniText DecodeIniText(const QByteArray& bytes);
QByteArray EncodeIniText(const IniText& text);

// GB18030 bytes as text; Qt's converter when it offers the encoding, otherwise glibc's iconv.
QString DecodeGb18030(const QByteArray& bytes);
// The iconv path of DecodeGb18030, for systems whose Qt offers no GB18030 converter.
QString DecodeGb18030WithIconv(const QByteArray& bytes);

}  // namespace scanvo
