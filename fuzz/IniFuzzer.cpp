// The INI reader on any bytes, as GetIniString and WriteIniString use it: decoding (UTF-8 or the
// old code page), looking keys up, replacing a value and reading the text back. A value set is read
// back as set, and the text round-trips.
#include "FuzzSupport.h"

#include "settings/IniDocument.h"
#include "settings/IniText.h"

#include <cstddef>
#include <cstdint>

using namespace scanvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniText text = DecodeIniText(bytes);
    if (DecodeIniText(EncodeIniText(text)).text != text.text)
        scanvofuzz::Violated("the text does not survive being written and read again");

    IniDocument document = IniDocument::FromText(text.text);
    for (const char* key : {"Tif1Compress", "JpgQualityValue", "LocalPath", ""})
        (void)document.Value(QStringLiteral("Save"), QString::fromLatin1(key));
    document.SetValue(QStringLiteral("Save"), QStringLiteral("JpgQualityValue"), QStringLiteral("77"));
    // As WriteIniString stores it: the edited text, written with the file's mark and read again.
    const IniText written{document.ToText(), text.utf8Bom};
    if (DecodeIniText(EncodeIniText(written)).text != written.text)
        scanvofuzz::Violated("an edited text does not survive being written and read again");
    const IniDocument reread = IniDocument::FromText(written.text);
    if (reread.Value(QStringLiteral("Save"), QStringLiteral("JpgQualityValue")) != QStringLiteral("77"))
        scanvofuzz::Violated("a value set is not read back");
    return 0;
}
