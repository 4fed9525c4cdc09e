#include "platform/pdf/PdfAssembler.h"
#include "platform/pdf/PdfArchive.h"
#include "platform/pdf/PdfMessages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"

#include <QFile>
#include <QTemporaryFile>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <map>
#include <unistd.h>

namespace scanvo::pdf {

using engine::EngineError;

namespace {

QPDFObjectHandle Name(const char* name)
{
    return QPDFObjectHandle::newName(name);
}

// Points with three decimals: PDF readers take no exponent form.
std::string Number(double value)
{
    return QString::number(value, 'f', 3).toStdString();
}

QPDFObjectHandle ColourSpace(const PdfImage& image)
{
    switch (image.colours) {
    case PdfImage::Colours::Rgb:
        return Name("/DeviceRGB");
    case PdfImage::Colours::Indexed: {
        QPDFObjectHandle space = QPDFObjectHandle::newArray();
        space.appendItem(Name("/Indexed"));
        space.appendItem(Name("/DeviceRGB"));
        space.appendItem(QPDFObjectHandle::newInteger(image.palette.size() / 3 - 1));
        space.appendItem(QPDFObjectHandle::newString(image.palette.toStdString()));
        return space;
    }
    case PdfImage::Colours::Grey:
        break;
    }
    return Name("/DeviceGray");
}

// The filter and its parameters that decode the image's data.
std::pair<QPDFObjectHandle, QPDFObjectHandle> Decoding(const PdfImage& image)
{
    QPDFObjectHandle parms = QPDFObjectHandle::newNull();
    switch (image.coding) {
    case PdfImage::Coding::Fax:
        parms = QPDFObjectHandle::newDictionary();
        parms.replaceKey("/K", QPDFObjectHandle::newInteger(-1));
        parms.replaceKey("/Columns", QPDFObjectHandle::newInteger(image.width));
        parms.replaceKey("/Rows", QPDFObjectHandle::newInteger(image.height));
        return {Name("/CCITTFaxDecode"), parms};
    case PdfImage::Coding::Dct:
        if (image.rgbJpeg) {
            parms = QPDFObjectHandle::newDictionary();
            parms.replaceKey("/ColorTransform", QPDFObjectHandle::newInteger(0));
        }
        return {Name("/DCTDecode"), parms};
    case PdfImage::Coding::Flate:
        if (image.flatePredictor) {
            parms = QPDFObjectHandle::newDictionary();
            parms.replaceKey("/Predictor", QPDFObjectHandle::newInteger(image.flatePredictor));
            parms.replaceKey("/Colors", QPDFObjectHandle::newInteger(image.components));
            parms.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(image.bitsPerComponent));
            parms.replaceKey("/Columns", QPDFObjectHandle::newInteger(image.width));
        }
        break;
    }
    return {Name("/FlateDecode"), parms};
}

}  // namespace

// Image data kept in a temporary file until qpdf writes each stream.
class PdfAssembler::Spool : public QPDFObjectHandle::StreamDataProvider {
public:
    Spool()
    {
        if (!m_file.open())
            throw EngineError(engine::ErrFileWrite, engine::msg::cannotWrite(m_file.fileTemplate()));
    }

    void add(QPDFObjGen object, const QByteArray& data)
    {
        const qint64 offset = m_file.size();
        if (!m_file.seek(offset) || m_file.write(data) != data.size())
            throw EngineError(engine::ErrFileWrite, engine::msg::cannotWrite(m_file.fileName(), m_file.errorString()));
        m_extents[object] = {offset, data.size()};
    }

    void provideStreamData(QPDFObjGen const& object, Pipeline* pipeline) override
    {
        const auto [offset, size] = m_extents.at(object);
        constexpr qint64 kChunk = 1 << 20;
        if (!m_file.seek(offset))
            throw std::runtime_error(m_file.errorString().toStdString());
        for (qint64 done = 0; done < size;) {
            const QByteArray chunk = m_file.read(std::min(kChunk, size - done));
            if (chunk.isEmpty())
                throw std::runtime_error(m_file.errorString().toStdString());
            pipeline->write(reinterpret_cast<const unsigned char*>(chunk.constData()), size_t(chunk.size()));
            done += chunk.size();
        }
        pipeline->finish();
    }

private:
    QTemporaryFile m_file;
    std::map<QPDFObjGen, std::pair<qint64, qint64>> m_extents;
};

// A recognised text page; the copies made of its objects read their data from here when written.
struct PdfAssembler::TextSource {
    QByteArray bytes;
    QPDF pdf;
};

PdfAssembler::PdfAssembler()
    : m_pdf(std::make_unique<QPDF>()), m_spool(std::make_shared<Spool>())
{
    m_pdf->emptyPDF();
}

PdfAssembler::~PdfAssembler() = default;

void PdfAssembler::addPage(const PdfImage& image, const QByteArray& textPdf)
{
    const double width = image.width * 72.0 / image.xDpi;
    const double height = image.height * 72.0 / image.yDpi;

    QPDFObjectHandle picture = m_pdf->newStream();
    QPDFObjectHandle dict = picture.getDict();
    dict.replaceKey("/Type", Name("/XObject"));
    dict.replaceKey("/Subtype", Name("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(image.width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(image.height));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(image.bitsPerComponent));
    dict.replaceKey("/ColorSpace", ColourSpace(image));
    if (image.invert)
        dict.replaceKey("/Decode", QPDFObjectHandle::parse("[1 0]"));
    m_spool->add(picture.getObjGen(), image.data);
    const auto [filter, parms] = Decoding(image);
    picture.replaceStreamData(m_spool, filter, parms);

    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/Im0", picture);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    const std::string draw = "q " + Number(width) + " 0 0 " + Number(height) + " 0 0 cm /Im0 Do Q\n";

    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", Name("/Page"));
    page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, width, height)));
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents", m_pdf->newStream(draw));
    QPDFPageObjectHelper helper(m_pdf->makeIndirectObject(page));

    if (!textPdf.isEmpty()) {
        auto source = std::make_unique<TextSource>();
        source->bytes = textPdf;
        source->pdf.processMemoryFile("text layer", source->bytes.constData(), size_t(source->bytes.size()));
        std::vector<QPDFPageObjectHelper> textPages = QPDFPageDocumentHelper(source->pdf).getAllPages();
        if (!textPages.empty()) {
            QPDFObjectHandle form = m_pdf->copyForeignObject(textPages.front().getFormXObjectForPage());
            xobjects.replaceKey("/Tx0", form);
            const std::string place = helper.placeFormXObject(
                form, "/Tx0", QPDFObjectHandle::Rectangle(0, 0, width, height), false, true, true);
            helper.addPageContents(m_pdf->newStream(place + "\n"), false);
            m_textSources.push_back(std::move(source));
        }
    }
    QPDFPageDocumentHelper(*m_pdf).addPage(helper, false);
    ++m_pages;
}

void PdfAssembler::write(int fd, const QString& shownAs, const DocumentInfo& info)
{
    const int copy = ::dup(fd);
    std::FILE* file = copy >= 0 ? ::fdopen(copy, "wb") : nullptr;
    if (!file) {
        if (copy >= 0)
            ::close(copy);
        throw EngineError(engine::ErrFileWrite, engine::msg::cannotWrite(shownAs));
    }
    try {
        DescribeDocument(*m_pdf, info);
        QPDFWriter writer(*m_pdf);
        writer.setOutputFile(QFile::encodeName(shownAs).constData(), file, false);
        // Images keep the coding they were given; only the page descriptions are compressed.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(true);
        writer.setObjectStreamMode(qpdf_o_generate);
        if (info.archival)
            writer.setMinimumPDFVersion("1.7");
        writer.write();
    } catch (const EngineError&) {
        std::fclose(file);
        throw;
    } catch (const std::exception& e) {
        std::fclose(file);
        throw EngineError(engine::ErrFileWrite, msg::pdfFailed(shownAs, QString::fromUtf8(e.what())));
    }
    // The buffered end of the file reaches the disk here: a full disk shows only now.
    const bool flushed = std::fflush(file) == 0 && !std::ferror(file);
    if (std::fclose(file) != 0 || !flushed)
        throw EngineError(engine::ErrFileWrite, engine::msg::cannotWrite(shownAs));
}

}  // namespace scanvo::pdf
