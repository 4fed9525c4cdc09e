#include "platform/pdf/TextLayer.h"
#include "platform/pdf/PdfMessages.h"

#include "platform/engine/EngineError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <leptonica/allheaders.h>
#include <omp.h>
#include <tesseract/baseapi.h>
#include <tesseract/renderer.h>

namespace scanvo::pdf {

using engine::EngineError;

QString TessdataDirectory()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return QDir::cleanPath(prefix);
    return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
}

QString LanguagePackage(const QString& language)
{
    return QStringLiteral("tesseract-ocr-") + language.toLower().replace(u'_', u'-');
}

QString MissingLanguageMessage(const QString& languages)
{
    const QString directory = TessdataDirectory();
    for (const QString& language : languages.split(u'+', Qt::SkipEmptyParts)) {
        if (!QFileInfo::exists(directory + u'/' + language + QStringLiteral(".traineddata")))
            return msg::missingLanguage(language, LanguagePackage(language));
    }
    if (languages.split(u'+', Qt::SkipEmptyParts).isEmpty())
        return msg::missingLanguage(languages, LanguagePackage(QStringLiteral("eng")));
    return {};
}

void RecognizeOnePageAThread()
{
    omp_set_max_active_levels(0);
}

TextRecognizer::TextRecognizer(const QString& languages)
    : m_api(std::make_unique<tesseract::TessBaseAPI>())
{
    const QString missing = MissingLanguageMessage(languages);
    if (!missing.isEmpty())
        throw EngineError(engine::ErrUnsupported, missing);
    const QByteArray directory = QFile::encodeName(TessdataDirectory());
    if (m_api->Init(directory.constData(), languages.toUtf8().constData(), tesseract::OEM_DEFAULT) != 0)
        throw EngineError(engine::ErrUnsupported, msg::missingLanguage(languages, LanguagePackage(languages.section(u'+', 0, 0))));
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
}

TextRecognizer::~TextRecognizer()
{
    if (m_api)
        m_api->End();
}

QByteArray TextRecognizer::textOnlyPage(Pix* pix, int dpi)
{
    if (!m_scratch.isValid())
        return {};
    m_api->SetInputImage(pixClone(pix));  // takes the reference it is given; the caller keeps pix
    m_api->SetImage(pix);
    m_api->SetSourceResolution(dpi);
    if (m_api->Recognize(nullptr) != 0)
        return {};
    const QString base = m_scratch.filePath(QStringLiteral("page-%1").arg(++m_pages));
    {
        const QByteArray baseName = QFile::encodeName(base);
        tesseract::TessPDFRenderer renderer(baseName.constData(), m_api->GetDatapath(), true);
        if (!renderer.happy() || !renderer.BeginDocument("") || !renderer.AddImage(m_api.get())
            || !renderer.EndDocument())
            return {};
    }  // the renderer closes its file here
    QFile file(base + QStringLiteral(".pdf"));
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    file.remove();
    m_api->Clear();
    return bytes;
}

}  // namespace scanvo::pdf
