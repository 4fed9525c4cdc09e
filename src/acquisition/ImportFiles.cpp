// Importing files.
#include "acquisition/ImportFiles.h"

#include "acquisition/AcquisitionTexts.h"
#include "acquisition/NewFiles.h"
#include "core/BusyPointer.h"
#include "core/CaughtFailure.h"
#include "core/DocumentType.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "document/DocumentFiles.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "document/FileDialogFilter.h"
#include "document/FileList.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "saving/Compression.h"
#include "saving/PageSaving.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace scanvo {

namespace {

namespace T = acquisition_texts;

// The first file of a document filled by import takes counter 1 of the naming rule.
constexpr qint64 kImportInitValue = 1;
// Page counters are 16-bit.
constexpr int kMaxPages = 32767;

// The extension a file keeps in a mixed document, as the document lists it.
QString OwnExtension(const QString& path)
{
    return IsJpegName(path) || ExtensionOf(path).compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("jpg")
               : QStringLiteral("tif");
}

// A page was read or stored; the import goes on. A failure to read ends it with the engine's
// "number/description"; a failure to store with its own message.
struct ImportStop {
    QString text;
    bool readFailure;
};

// Copies of the chosen files that lie in the document's own directory. Importing moves the
// document's files to make room, so such a file could be moved away, or another take its name,
// before its pages are read: its pages are read from a copy made before anything moves.
class SourceSnapshots {
public:
    // The files to read in place of files, in the same order and with the same names.
    QStringList take(const QStringList& files, const QString& documentDirectory)
    {
        const QString directory = QFileInfo(documentDirectory).canonicalFilePath();
        QStringList sources;
        for (const QString& file : files) {
            const QFileInfo info(file);
            if (directory.isEmpty() || info.canonicalPath() != directory) {
                sources.append(file);
                continue;
            }
            if (!m_Copies.isValid())
                throw ImportStop{QString::number(engine::ErrFileWrite) + u'/' + m_Copies.errorString(), true};
            // One folder per file: two chosen files may share a name only in different folders,
            // but the copies keep the names, whose extension tells a file's type.
            const QString folder = m_Copies.path() + u'/' + QString::number(sources.size());
            const QString copy = folder + u'/' + info.fileName();
            if (!QDir().mkpath(folder) || !QFile::copy(file, copy))
                throw ImportStop{QString::number(engine::ErrFileRead) + u'/' + T::kCannotReadFile.arg(file), true};
            sources.append(copy);
        }
        return sources;
    }

private:
    QTemporaryDir m_Copies;
};

class Importer {
public:
    explicit Importer(ControlState& state)
        : m_State(state), m_Directory(DocumentDirectoryPath(state.props.m_LocalPath, state.props.m_DocName))
    {
    }

    // The pages of every file, in order, into the document's one file behind the current page.
    // The file is written once whatever the number of pages: the pages before and after the
    // imported ones are copied as they are stored.
    void IntoMultiPageDocument(const QStringList& files)
    {
        const QString target = MultiPageFilePath(m_Directory, m_State.props.m_DocName);
        g_CurrentFilePath = target;
        int stored = 0;
        try {
            stored = QFileInfo::exists(target) ? engine::PageCount(target) : 0;
        } catch (...) {
            throw ImportStop{StoreFailureText(), false};
        }
        const int before = qBound(0, int(m_State.doc.m_CurrentPage), stored);

        // Every page to import; a file that cannot be read ends the list, the files before it
        // are imported all the same.
        QList<PageSource> sources;
        std::optional<ImportStop> readStop;
        for (const QString& file : files) {
            try {
                const int count = engine::PageCount(file);
                for (int i = 1; i <= count; ++i)
                    sources.append({file, i});
            } catch (...) {
                readStop = ImportStop{ReadFailureText(), true};
                break;
            }
        }
        if (int(stored + sources.size()) > kMaxPages)
            throw ImportStop{T::kTooManyPages.arg(kMaxPages), false};

        // A page that cannot be read leaves the file as it was: it is written again with the
        // pages before that one.
        qsizetype written = WriteMultiPageFile(target, stored, before, sources, &readStop);
        if (written < sources.size() && written > 0) {
            sources.resize(written);
            written = WriteMultiPageFile(target, stored, before, sources, nullptr);
        }
        m_State.doc.m_PageCount = static_cast<qint16>(stored + written);
        m_State.doc.m_CurrentPage = static_cast<qint16>(before + written);
        if (readStop)
            throw *readStop;
    }

    void ImportFile(const QString& file)
    {
        switch (m_State.props.m_DocType) {
        case DocTypeSinglePageTiff:
        case DocTypeSinglePageJpeg:
            ForEachPage(file, [this](const engine::Image& page) { IntoNewSinglePageFile(page); });
            break;
        default:
            IntoMixedDocument(file);
            break;
        }
    }

    int pagesImported() const { return m_Pages; }

private:
    template <typename Store>
    void ForEachPage(const QString& file, Store store)
    {
        int count = 0;
        try {
            count = engine::PageCount(file);
        } catch (...) {
            throw ImportStop{ReadFailureText(), true};
        }
        for (int i = 1; i <= count; ++i) {
            engine::Image page;
            try {
                page = engine::LoadPage(file, i);
            } catch (...) {
                throw ImportStop{ReadFailureText(), true};
            }
            store(page);
            ++m_Pages;
            SetStatusText(m_State.widgets, T::kImportingPage.arg(m_Pages));
        }
    }

    struct PageSource {
        QString file;
        int page;
    };

    // Writes target anew: its first before pages, the pages of sources, then its other pages.
    // The number of sources written: all of them, or, when one cannot be read and readStop is
    // given, none (with *readStop saying why) and the index of that one. A failure to write
    // leaves target as it was.
    qsizetype WriteMultiPageFile(const QString& target, int stored, int before, const QList<PageSource>& sources,
                                 std::optional<ImportStop>* readStop)
    {
        if (sources.isEmpty())
            return 0;
        try {
            engine::TiffPageWriter writer(target, int(stored + sources.size()));
            writer.addStoredPages(target, 1, before);
            for (qsizetype i = 0; i < sources.size(); ++i) {
                engine::Image page;
                try {
                    page = engine::LoadPage(sources[i].file, sources[i].page);
                } catch (...) {
                    if (!readStop)
                        throw;
                    *readStop = ImportStop{ReadFailureText(), true};
                    return i;
                }
                const engine::SaveOptions options = OptionsFor(page, target, QString());
                writer.add(page, options.format, options.bits, options.quality);
                SetStatusText(m_State.widgets, T::kImportingPage.arg(m_Pages + i + 1));
            }
            writer.addStoredPages(target, before + 1, stored - before);
            writer.commit();
        } catch (const ImportStop&) {
            throw;
        } catch (...) {
            throw ImportStop{StoreFailureText(), false};
        }
        m_Pages += int(sources.size());
        return sources.size();
    }

    static QString ReadFailureText()
    {
        const Failure failure = CaughtFailure(engine::ErrFileRead);
        return QString::number(failure.number) + u'/' + failure.description;
    }

    static QString StoreFailureText()
    {
        return NumberedDescription(CaughtFailure(engine::ErrFileWrite));
    }

    engine::SaveOptions OptionsFor(const engine::Image& page, const QString& path, const QString& extension) const
    {
        const int bits = page.depth();
        const int format = ChooseFileFormat(m_State.props, bits, extension);
        return FittedSaveOptions(path, format, bits, QualityFactorFor(format));
    }

    void IntoNewSinglePageFile(const engine::Image& page)
    {
        const QString extension =
            m_State.props.m_DocType == DocTypeSinglePageJpeg ? QStringLiteral("jpg") : QStringLiteral("tif");
        NewFilePlace place = NewPlace(m_State.doc.m_CurrentPage + 1, extension, false);
        engine::SaveOptions options = OptionsFor(page, place.path, QString());
        options.mode = engine::SaveNew;
        try {
            engine::SavePage(page, place.path, options);
        } catch (...) {
            throw ImportStop{UndoNewFilePlace(m_State.doc.m_Files, place, StoreFailureText()), false};
        }
        g_CurrentFilePath = place.path;
        ++m_State.doc.m_CurrentPage;
        ++m_State.doc.m_PageCount;
    }

    void IntoMixedDocument(const QString& file)
    {
        const QString extension = OwnExtension(file);
        const int k = m_State.doc.m_Files.isEmpty() ? 1 : m_State.doc.m_CurrentFile + 1;
        NewFilePlace place = NewPlace(k, extension, true);
        bool written = false;
        try {
            ForEachPage(file, [&](const engine::Image& page) {
                engine::SaveOptions options = OptionsFor(page, place.path, extension);
                // The first page makes the file; a JPEG file takes no second one.
                options.mode = written ? engine::SaveAppend : engine::SaveNew;
                try {
                    engine::SavePage(page, place.path, options);
                } catch (...) {
                    throw ImportStop{StoreFailureText(), false};
                }
                written = true;
            });
        } catch (ImportStop& stop) {
            // A file with some of its pages stays; a file not begun leaves no gap behind it.
            if (!written)
                stop.text = UndoNewFilePlace(m_State.doc.m_Files, place, stop.text);
            else
                FollowNewFile(place.path);
            throw;
        }
        FollowNewFile(place.path);
    }

    // The files as the directory lists them, the new one current.
    void FollowNewFile(const QString& path)
    {
        const qint16 type = m_State.props.m_DocType;
        m_State.props.m_DocType = DocTypeAllImages;
        CollectFiles(m_State.props, m_State.doc, m_Directory + QStringLiteral("/*.*"));
        m_State.props.m_DocType = type;
        m_State.doc.m_CurrentFile = int(m_State.doc.m_Files.toList().indexOf(path)) + 1;
        g_CurrentFilePath = path;
    }

    NewFilePlace NewPlace(int k, const QString& extension, bool keepOwnExtension)
    {
        try {
            return MakeRoomForNewFile(m_State.doc.m_Files, m_Directory, g_Settings.Scan.DocNameRule, kImportInitValue, k,
                                      extension, keepOwnExtension);
        } catch (const StoreFailure& failure) {
            throw ImportStop{failure.text, false};
        }
    }

    ControlState& m_State;
    QString m_Directory;
    int m_Pages = 0;
};

}  // namespace

bool ImportFiles(ControlState& state)
{
    if (!EnsureDocument(state.props, state.widgets))
        return false;
    // The page on view goes back to its own file now: later it would be written wherever the
    // import leaves the current file.
    if (!PageWrittenBack(state))
        return false;
    const QStringList files =
        ChosenFilePaths(CurrentPrompter().chooseFiles(state.widgets.control, T::kImportTitle, QString(), FileDialogFilter(state.props.m_DocType)));
    if (files.isEmpty())
        return false;

    BusyPointer busy;
    SetStatusText(state.widgets, T::kImporting);
    if (state.props.m_DocType == DocTypeMultiPageTiff)
        g_CurrentFilePath = MultiPageFilePath(DocumentDirectoryPath(state.props.m_LocalPath, state.props.m_DocName), state.props.m_DocName);
    Importer importer(state);
    bool stopped = false;
    const auto report = [&state](const ImportStop& stop) {
        if (stop.readFailure)
            ReportError(state.widgets.control, stop.text);
        else
            ReportError(state.widgets.control, T::kImportStoreFailed.arg(stop.text));
    };
    // Files of the document itself are read as they were chosen, before any file moves.
    SourceSnapshots snapshots;
    QStringList sources;
    try {
        sources = state.props.m_DocType == DocTypeMultiPageTiff
                      ? files
                      : snapshots.take(files, DocumentDirectoryPath(state.props.m_LocalPath, state.props.m_DocName));
    } catch (const ImportStop& stop) {
        report(stop);
        SetIdleStatusText(state.tools, state.widgets);
        return false;
    }
    if (state.props.m_DocType == DocTypeMultiPageTiff) {
        try {
            importer.IntoMultiPageDocument(sources);
        } catch (const ImportStop& stop) {
            report(stop);
            stopped = true;
        }
    } else {
        for (const QString& file : sources) {
            try {
                importer.ImportFile(file);
            } catch (const ImportStop& stop) {
                report(stop);
                stopped = true;
                break;
            }
        }
    }
    SetIdleStatusText(state.tools, state.widgets);
    if (importer.pagesImported() == 0 && stopped)
        return false;
    const qint16 position = state.props.m_DocType == DocTypeAllImages || state.props.m_DocType == DocTypeDetect
                                ? static_cast<qint16>(state.doc.m_CurrentFile)
                                : state.doc.m_CurrentPage;
    BuildFileList(state, position);
    return true;
}

}  // namespace scanvo
