// New files of a document.
#include "acquisition/NewFiles.h"

#include "acquisition/AcquisitionTexts.h"
#include "core/DocumentType.h"
#include "core/Prompter.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "saving/Compression.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"

#include <QDialog>
#include <QFileInfo>

namespace scanvo {

namespace {

namespace T = acquisition_texts;

QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

}  // namespace

bool EnsureDocument(ControlProperties& props, ChildWidgets& widgets)
{
    if (props.m_LocalPath.isEmpty()) {
        Prompter& prompter = CurrentPrompter();
        frmImageDir dialog(prompter, widgets.control);
        dialog.SaveDir = props.m_LocalPath;
        if (prompter.runDialog(dialog) == QDialog::Accepted)
            props.m_LocalPath = dialog.SaveDir;
    }
    if (props.m_LocalPath.isEmpty()) {
        Inform(widgets.control, T::kNoLocalPath);
        return false;
    }
    EnsureDirectory(RootDirectoryPath(props.m_LocalPath));
    // Pages are written below the root only, into a directory that exists.
    if (props.m_DocName.isEmpty() || !IsDocNameInsideRoot(props.m_DocName) ||
        !EnsureDirectory(DocumentDirectoryPath(props.m_LocalPath, props.m_DocName))) {
        Inform(widgets.control, T::kNoDocName);
        return false;
    }
    return true;
}

NewFilePlace MakeRoomForNewFile(FilePaths& files, const QString& directory, const QString& rule, qint64 initValue,
                                int k, const QString& extension, bool keepOwnExtension)
{
    const NameTaken taken = TakenInDirectory(directory);
    NewFilePlace place;
    place.filesBefore = files.toList();
    if (files.isEmpty()) {
        QString name = RuleFileName(ParseNameRule(rule), initValue, extension);
        // A file of that name that the document does not list (another type's) stays as it is.
        if (taken(name))
            name = ContinuationName(directory + u'/' + name, extension, taken);
        if (name.isEmpty())
            throw StoreFailure{T::kNoFreeName};
        place.path = directory + u'/' + name;
        files.append(place.path);
        return place;
    }
    const QString lastName = ContinuationName(files.at(files.count()), extension, taken);
    if (lastName.isEmpty())
        throw StoreFailure{T::kNoFreeName};
    const QString newLast = directory + u'/' + lastName;
    place.shift = RenamingShift::MakeRoom(place.filesBefore, k, newLast, keepOwnExtension);
    place.path = WithExtension(place.shift.FreedPath(), extension);
    if (place.path != place.shift.FreedPath() && QFileInfo::exists(place.path))
        throw StoreFailure{T::kNameTaken.arg(FileName(place.path))};
    if (!place.shift.Run()) {
        const QString& blocked = place.shift.blockedPath();
        throw StoreFailure{place.shift.blockedByExistingName()
                               ? T::kNameTaken.arg(FileName(blocked))
                               : T::kCannotMove.arg(FileName(blocked), place.shift.reason())};
    }
    QStringList shifted = place.shift.Shifted();
    shifted[qBound(1, k, int(place.filesBefore.size()) + 1) - 1] = place.path;
    files.clear();
    for (const QString& path : shifted)
        files.append(path);
    return place;
}

QString UndoNewFilePlace(FilePaths& files, NewFilePlace& place, const QString& failure)
{
    files.clear();
    for (const QString& path : place.filesBefore)
        files.append(path);
    if (place.shift.HasRun() && !place.shift.Undo())
        return failure + QStringLiteral("；") +
               T::kCannotMoveBack.arg(FileName(place.shift.blockedPath()), place.shift.reason());
    return failure;
}

engine::SaveOptions FittedSaveOptions(const QString& path, int format, int bits, int quality)
{
    engine::SaveOptions options;
    options.format = format;
    options.bits = bits;
    options.quality = quality;
    const auto& save = g_Settings.Save;
    if (IsJpegName(path) && !engine::IsJpegFileFormat(format)) {
        options.format = JpgFormatCode(save.JpgCompress);
        options.bits = bits == 1 ? 8 : bits;
        options.quality = QualityFactorFor(options.format);
    } else if (IsTiffName(path) && engine::IsJpegFileFormat(format)) {
        options.format = Tif2FormatCode(save.Tif2Compress);
        options.quality = QualityFactorFor(options.format);
    }
    return options;
}

}  // namespace scanvo
