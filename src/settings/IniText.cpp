// UTF-8 and GB18030 decoding of INI files.
#include "settings/IniText.h"

#include <QStringDecoder>

#include <iconv.h>

#include <cerrno>

namespace scanvo {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
constexpr char16_t kByteOrderMark = 0xFEFF;

}  // namespace

QString DecodeGb18030WithIconv(const QByteArray& bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", "GB18030");
    if (cd == iconv_t(-1))
        return QString::fromLatin1(bytes);
    // Every GB18030 sequence of n bytes becomes at most n UTF-16 code units.
    QByteArray out(bytes.size() * 2 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte that is no GB18030 sequence becomes U+FFFD, as Qt's decoder does.
        if (outLeft < 2)
            break;
        *outPtr++ = char(0xFD);
        *outPtr++ = char(0xFF);
        outLeft -= 2;
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    const qsizetype units = (out.size() - qsizetype(outLeft)) / 2;
    return QString(reinterpret_cast<const QChar*>(out.constData()), units);
}

QString DecodeGb18030(const QByteArray& bytes)
{
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return DecodeGb18030WithIconv(bytes);
    // The decoder holds back an incomplete sequence at the end instead of replacing it; a line
    // break after the last byte makes it emit U+FFFD for that sequence.
    QString text = decoder.decode(bytes + '\n');
    text.chop(1);
    return text;
}

IniText DecodeIniText(const QByteArray& bytes)
{
    IniText result;
    QByteArray body = bytes;
    if (body.startsWith(kUtf8Bom)) {
        result.utf8Bom = true;
        body.remove(0, kUtf8Bom.size());
    }
    // Only the first mark is the file's; a second one is text and is kept, or it would be lost
    // each time the file is written and read again.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (utf8.hasError()) {
        text = DecodeGb18030(body);
        result.utf8Bom = false;
    }
    result.text = text;
    return result;
}

QByteArray EncodeIniText(const IniText& text)
{
    QByteArray bytes = text.text.toUtf8();
    // Text that starts with U+FEFF needs a mark before it, or reading would take it for the mark.
    if (text.utf8Bom || text.text.startsWith(QChar(kByteOrderMark)))
        bytes.prepend(kUtf8Bom);
    return bytes;
}

}  // namespace scanvo
