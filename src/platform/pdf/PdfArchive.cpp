#include "platform/pdf/PdfArchive.h"
#include "platform/pdf/PdfMessages.h"

#include "platform/engine/EngineError.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <qpdf/QPDF.hh>

namespace scanvo::pdf {

using engine::EngineError;

namespace {

const char* const kProducer = "Scanvo";

// Debian's free profiles first, then the colour manager's copy.
const char* const kProfiles[] = {
    "/usr/share/color/icc/sRGB.icc",
    "/usr/share/color/icc/colord/sRGB.icc",
};

// "D:20261210123456Z": the document information's date form.
std::string InfoDate(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'")).toStdString();
}

// "2026-12-10T12:34:56Z": the XMP date form.
QString XmpDate(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QString Xml(const QString& text)
{
    return text.toHtmlEscaped();
}

std::string Metadata(const DocumentInfo& info)
{
    const QString xmp = QStringLiteral(
        "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "  <rdf:Description rdf:about=\"\"\n"
        "    xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\"\n"
        "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
        "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
        "    xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
        "   <pdfaid:part>2</pdfaid:part>\n"
        "   <pdfaid:conformance>B</pdfaid:conformance>\n"
        "   <dc:format>application/pdf</dc:format>\n"
        "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
        "   <xmp:CreateDate>%2</xmp:CreateDate>\n"
        "   <xmp:ModifyDate>%2</xmp:ModifyDate>\n"
        "   <xmp:MetadataDate>%2</xmp:MetadataDate>\n"
        "   <xmp:CreatorTool>%3</xmp:CreatorTool>\n"
        "   <pdf:Producer>%3</pdf:Producer>\n"
        "  </rdf:Description>\n"
        " </rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end=\"w\"?>");
    return xmp.arg(Xml(info.title), XmpDate(info.created), QString::fromLatin1(kProducer)).toStdString();
}

QPDFObjectHandle OutputIntent(QPDF& pdf)
{
    const QString path = SrgbProfilePath();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw EngineError(engine::ErrUnsupported, msg::missingProfile(QString::fromLatin1(kProfiles[0])));
    QPDFObjectHandle profile = pdf.newStream(file.readAll().toStdString());
    profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(3));
    QPDFObjectHandle intent = QPDFObjectHandle::newDictionary();
    intent.replaceKey("/Type", QPDFObjectHandle::newName("/OutputIntent"));
    intent.replaceKey("/S", QPDFObjectHandle::newName("/GTS_PDFA1"));
    intent.replaceKey("/OutputConditionIdentifier", QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
    intent.replaceKey("/Info", QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
    intent.replaceKey("/DestOutputProfile", profile);
    return pdf.makeIndirectObject(intent);
}

}  // namespace

QString SrgbProfilePath()
{
    for (const char* path : kProfiles) {
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    }
    return {};
}

void DescribeDocument(QPDF& pdf, const DocumentInfo& info)
{
    QPDFObjectHandle documentInfo = QPDFObjectHandle::newDictionary();
    documentInfo.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(info.title.toStdString()));
    documentInfo.replaceKey("/Producer", QPDFObjectHandle::newString(kProducer));
    documentInfo.replaceKey("/Creator", QPDFObjectHandle::newString(kProducer));
    documentInfo.replaceKey("/CreationDate", QPDFObjectHandle::newString(InfoDate(info.created)));
    documentInfo.replaceKey("/ModDate", QPDFObjectHandle::newString(InfoDate(info.created)));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(documentInfo));
    if (!info.archival)
        return;

    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle intents = QPDFObjectHandle::newArray();
    intents.appendItem(OutputIntent(pdf));
    root.replaceKey("/OutputIntents", intents);
    QPDFObjectHandle metadata = pdf.newStream(Metadata(info));
    metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    root.replaceKey("/Metadata", metadata);
}

}  // namespace scanvo::pdf
