// Scan jobs.
#include "acquisition/ScanJob.h"

#include "acquisition/AcquiredPage.h"
#include "acquisition/AcquisitionTexts.h"
#include "acquisition/ScanParameters.h"
#include "acquisition/ScanStop.h"
#include "acquisition/NewFiles.h"
#include "acquisition/frmScanPara.h"
#include "core/DocumentType.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "core/ToolbarStates.h"
#include "document/DocumentFiles.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "document/FileList.h"
#include "platform/engine/ImageViewer.h"
#include "saving/PageSaving.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"
#include "viewer/PageDisplay.h"

#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QLineEdit>
#include <QFileInfo>
#include <QWidget>

#include <utility>

namespace scanvo {

namespace {

namespace T = acquisition_texts;
using namespace scanner;

constexpr qint64 kViewerRefreshMs = 700;

// What a device failure was, in the user's words.
QString DeviceFailureText(int code)
{
    switch (code) {
    case ResultPaperProblem:
        return T::kPaperProblem;
    case ResultDeviceError:
        return T::kDeviceError;
    case ResultNoDocuments:
        return T::kNoDocuments;
    case ResultDeviceBusy:
        return T::kDeviceBusy;
    case ResultAccessDenied:
        return T::kAccessDenied;
    case ResultOutOfMemory:
        return T::kOutOfMemory;
    case ResultNotOpen:
    case ResultNoSource:
        return T::kNoScanner;
    default:
        return T::kOtherDeviceFailure;
    }
}

void ReportDeviceFailure(ChildWidgets& widgets, int code, int pagesStored, const QString& device = {})
{
    QString text = (device.isEmpty() ? T::kScanFailedBefore : T::kScanFailedOnDevice.arg(device)) +
                   DeviceFailureText(code) + T::kScanFailedCode.arg(code);
    if (pagesStored > 0)
        text += T::kPagesKept.arg(pagesStored);
    ReportError(widgets.control, text);
}

QString MultiPageFile(const ControlProperties& props)
{
    return MultiPageFilePath(DocumentDirectoryPath(props.m_LocalPath, props.m_DocName), props.m_DocName);
}

// A document without files takes the type the job writes.
void TakeJobTypeForNewDocument(ControlProperties& props, qint16 type)
{
    props.m_DocType = type;
    if (type == DocTypeMultiPageTiff)
        g_CurrentFilePath = MultiPageFile(props);
}

// The dialog prepared as the job's mode and the document's type ask.
void PrepareScanDialog(const ControlProperties& props, const ScanJobState& scan, frmScanPara& dialog)
{
    dialog.SaveDir = props.m_LocalPath;
    dialog.DocType = props.m_DocType;
    const bool replace = scan.m_ScanMode == ScanReplace;
    const QString currentName = QFileInfo(g_CurrentFilePath).completeBaseName();
    auto disableDocControls = [&dialog](bool docType, bool rule, bool initValue, bool name) {
        dialog.cboDocType->setEnabled(!docType);
        dialog.txtDocNameRule->setEnabled(!rule);
        dialog.txtInitValue->setEnabled(!initValue);
        dialog.txtDocName->setEnabled(!name);
    };
    switch (props.m_DocType) {
    case DocTypeAllImages:
    case DocTypeDetect:
        if (replace) {
            disableDocControls(true, true, true, true);
            dialog.DocName = currentName;
        } else {
            disableDocControls(false, false, false, props.m_DocType != DocTypeAllImages ||
                                                       g_Settings.Scan.CurrDocType != 0);
            dialog.DocName.clear();
        }
        break;
    case DocTypeMultiPageTiff:
        disableDocControls(true, true, true, true);
        dialog.DocName = QFileInfo(MultiPageFile(props)).completeBaseName();
        break;
    default:
        disableDocControls(true, replace, replace, true);
        dialog.DocName = replace ? currentName : QString();
        break;
    }
}

// The job's type and file name from the settings alone, or from the dialog. False when the user
// cancelled the dialog or no scanner could be chosen.
bool ChooseJobSettings(ControlProperties& props, ScanJobState& scan, ChildWidgets& widgets)
{
    const bool showDialog = g_Settings.Scan.ShowScanSetting == 1 || props.m_DocType == DocTypeAllImages;
    if (!showDialog) {
        scan.m_ScanFileName.clear();
        if (props.m_DocType == DocTypeDetect)
            TakeJobTypeForNewDocument(props, static_cast<qint16>(g_Settings.Scan.CurrDocType + 1));
        scan.m_ScanDocType = props.m_DocType;
        return true;
    }
    Prompter& prompter = CurrentPrompter();
    frmScanPara dialog(prompter, scan.m_Scanner.get(), widgets.control);
    PrepareScanDialog(props, scan, dialog);
    prompter.runDialog(dialog);
    if (dialog.SourceName.isEmpty()) {
        if (dialog.Action == 1)
            ReportDeviceFailure(widgets, ResultNoSource, 0);
        return false;
    }
    props.m_LocalPath = dialog.SaveDir;
    if (scan.m_Scanner) {
        const int selected = scan.m_Scanner->selectSource(dialog.SourceName);
        if (selected != ResultSuccess) {
            ReportDeviceFailure(widgets, selected, 0, dialog.SourceName);
            return false;
        }
    }
    // Only a mixed document stores pages under a name of the user's choice.
    scan.m_ScanFileName = props.m_DocType == DocTypeAllImages ? dialog.DocName : QString();
    if (props.m_DocType == DocTypeDetect)
        TakeJobTypeForNewDocument(props, dialog.DocType);
    scan.m_ScanDocType = dialog.DocType;
    return true;
}

// Disables the control for the job and enables it again on every way out.
class DisabledDuringJob {
public:
    explicit DisabledDuringJob(ControlState& state) : m_State(state)
    {
        m_State.widgets.control->setEnabled(false);
    }
    ~DisabledDuringJob()
    {
        SetIdleStatusText(m_State.tools, m_State.widgets);
        m_State.widgets.control->setEnabled(true);
        m_State.widgets.control->setFocus(Qt::OtherFocusReason);
    }
    DisabledDuringJob(const DisabledDuringJob&) = delete;
    DisabledDuringJob& operator=(const DisabledDuringJob&) = delete;

private:
    ControlState& m_State;
};

// Enables acquisition and acquires, storing every page as it arrives. The acquisition's result.
int Acquire(ControlState& state, ScanJobRun& run)
{
    ScannerSource* scanner = state.scan.m_Scanner.get();
    const int enabled = scanner->enableAcquisition();
    if (enabled != ResultSuccess)
        return enabled;
    // Drawing a whole page for the screen costs about as much as storing it: the viewer shows
    // the page just stored at most a few times a second, and the last one when the job ends.
    engine::ImageViewer* viewer = state.widgets.mtMain;
    const bool autoRepaint = viewer && viewer->autoRepaint();
    if (viewer)
        viewer->setAutoRepaint(false);
    // Counted from the job's start: a device that delivers pages quickly has its first one drawn
    // with the later ones, a slow one the moment it is stored. A page stored sooner than that is
    // drawn when the time is up, unless a later one has been drawn by then.
    QElapsedTimer sinceShown;
    sinceShown.start();
    QTimer pendingDraw;
    pendingDraw.setSingleShot(true);
    const auto draw = [&] {
        pendingDraw.stop();
        viewer->setAutoRepaint(true);
        viewer->setAutoRepaint(false);
        sinceShown.start();
    };
    QObject::connect(&pendingDraw, &QTimer::timeout, draw);
    const auto showStored = [&] {
        if (!viewer)
            return;
        const qint64 elapsed = sinceShown.elapsed();
        if (elapsed >= kViewerRefreshMs)
            draw();
        else if (!pendingDraw.isActive())
            pendingDraw.start(int(kViewerRefreshMs - elapsed));
    };
    // A page whose store ended before the next page came: shown, or its failure stops the device.
    run.pageSettled = [&] {
        if (run.failed)
            scanner->stopAcquisition();
        else
            showStored();
    };
    const QMetaObject::Connection connection = QObject::connect(
        scanner, &ScannerSource::pageAcquired, scanner, [&](const engine::Image& page) {
            // The page is handed over where the source allows it, and copied where not.
            engine::Image taken = scanner->takeAcquiredPage();
            if (taken.isNull())
                taken = page;
            const int storedBefore = run.pagesStored;
            if (!OnAcquiredPage(state, run, std::move(taken))) {
                scanner->stopAcquisition();
                return;
            }
            if (run.pagesStored != storedBefore)
                showStored();
            SetStatusText(state.widgets, T::kScanningPage.arg(run.pagesInHand()));
        });
    // A stop the user asks for ends the job as a cancel does, unless the device failed first.
    bool stopAsked = false;
    int result = ResultSuccess;
    {
        const ScanStop stop(state.widgets.control, [&] {
            stopAsked = true;
            scanner->stopAcquisition();
        });
        result = scanner->acquire(g_Settings.Scan.ShowNativeUI != 0 ? AcquireShowUi : AcquireNoUi);
    }
    if (stopAsked && result == ResultSuccess)
        result = ResultCancelled;
    QObject::disconnect(connection);
    // However the device ended, the last page may still be being written.
    FinishAcquiredPages(state, run);
    run.pageSettled = nullptr;
    if (viewer)
        viewer->setAutoRepaint(autoRepaint);
    return result;
}

// The document's list and view after the job: refilled and at the current position, or in
// replace mode the replaced page read back as it was stored.
void ShowJobResult(ControlState& state, const ScanJobRun& run)
{
    if (run.mode == ScanReplace) {
        if (state.props.m_DocType == DocTypeAllImages)
            GoToFile(state, state.doc.m_CurrentFile);
        else
            ShowPage(state, state.doc.m_CurrentPage);
        return;
    }
    if (state.props.m_DocType == DocTypeAllImages) {
        // The files as the directory orders them, so that a named file stands where the list
        // will always show it.
        const QString current = state.doc.m_CurrentFile >= 1 && state.doc.m_CurrentFile <= state.doc.FileCount()
                                    ? state.doc.m_Files.at(state.doc.m_CurrentFile)
                                    : g_CurrentFilePath;
        CollectFiles(state.props, state.doc, DocumentPattern(state.props));
        const int index = int(state.doc.m_Files.toList().indexOf(current)) + 1;
        state.doc.m_CurrentFile = index > 0 ? index : state.doc.FileCount();
        FillFileList(state.props, state.doc, state.widgets);
        GoToFile(state, state.doc.m_CurrentFile);
    } else {
        FillFileList(state.props, state.doc, state.widgets);
        ShowPage(state, state.doc.m_CurrentPage);
    }
    SetDocumentState(state);
}

}  // namespace

int ApplyScanCapabilities(ScanJobState& scan)
{
    ScannerSource* scanner = scan.m_Scanner.get();
    if (!scanner)
        return ResultNotOpen;
    for (const ScanParameter& parameter : ScanParameters()) {
        const qint16 setting = *parameter.setting;
        double value = kNoValue;
        if (parameter.itemType == ItemBool)
            value = setting != 0 ? 1 : 0;
        else if (setting >= 0 && setting < qint16(parameter.entries.size()))
            value = parameter.entries[setting].value;
        for (int capability : parameter.capabilities) {
            if (capability == 0)
                continue;
            const int result = scanner->setCapability(capability, parameter.itemType, value);
            if (!IsCapabilitySuccess(result))
                return result;
        }
    }
    return ResultSuccess;
}

bool StartScan(ControlState& state)
{
    if (!EnsureDocument(state.props, state.widgets))
        return false;
    if (!PageWrittenBack(state))
        return false;
    SetStatusText(state.widgets, T::kScanSetting);
    const qint16 typeBefore = state.props.m_DocType;
    const QString currentBefore = g_CurrentFilePath;
    if (!ChooseJobSettings(state.props, state.scan, state.widgets)) {
        SetIdleStatusText(state.tools, state.widgets);
        return false;
    }
    // The one file of a multi-page document, whatever file was shown last.
    if (state.props.m_DocType == DocTypeMultiPageTiff)
        g_CurrentFilePath = MultiPageFile(state.props);

    ScanJobRun run;
    run.mode = EffectiveScanMode(state.props, state.doc, state.scan);
    run.pagesAtEnd = state.props.m_DocType == DocTypeMultiPageTiff ? state.doc.m_PageCount == 0 : state.doc.m_Files.isEmpty();
    int result = ResultNotOpen;
    bool capabilitiesTaken = true;
    QString device;
    {
        DisabledDuringJob disabled(state);
        SetStatusText(state.widgets, T::kScanning);
        if (state.scan.m_Scanner) {
            result = g_Settings.Scan.ShowNativeUI == 0 ? ApplyScanCapabilities(state.scan) : ResultSuccess;
            capabilitiesTaken = result == ResultSuccess;
            // Taken before the job: a source whose connection ends during the job forgets its device.
            device = state.scan.m_Scanner->currentSource();
            if (capabilitiesTaken)
                result = Acquire(state, run);
        }
        if (run.pagesStored == 0 && typeBefore == DocTypeDetect) {
            // Nothing was stored: the document still has no files and no type.
            state.props.m_DocType = typeBefore;
            g_CurrentFilePath = currentBefore;
        }
        if (run.pagesStored > 0)
            ShowJobResult(state, run);
    }

    // Told once the control takes input again.
    if (run.failed)
        ReportError(state.widgets.control, T::kStoreFailed.arg(run.failure).arg(run.pagesStored));
    else if (result == ResultCancelled)
        Inform(state.widgets.control, T::kScanCancelled, MessageIcon::Warning);
    else if (result != ResultSuccess && capabilitiesTaken)
        ReportDeviceFailure(state.widgets, result, run.pagesStored, device);
    return run.pagesStored > 0;
}

void ChooseSaveDirectory(ControlState& state)
{
    Prompter& prompter = CurrentPrompter();
    frmImageDir dialog(prompter, state.widgets.control);
    dialog.SaveDir = state.props.m_LocalPath;
    prompter.runDialog(dialog);
    state.props.m_LocalPath = dialog.SaveDir;
    if (state.props.m_LocalPath.isEmpty())
        Inform(state.widgets.control, T::kNoLocalPath);
}

void EditScanSettings(ControlState& state)
{
    Prompter& prompter = CurrentPrompter();
    frmScanPara dialog(prompter, state.scan.m_Scanner.get(), state.widgets.control);
    dialog.SaveDir = state.props.m_LocalPath;
    dialog.DocType = state.props.m_DocType;
    dialog.cboDocType->setEnabled(state.props.m_DocType < DocTypeMultiPageTiff || state.props.m_DocType > DocTypeSinglePageJpeg);
    dialog.txtDocName->setEnabled(false);
    prompter.runDialog(dialog);
    if (dialog.SourceName.isEmpty())
        return;
    state.props.m_LocalPath = dialog.SaveDir;
    if (state.scan.m_Scanner)
        state.scan.m_Scanner->selectSource(dialog.SourceName);
}

bool AppendScan(ControlState& state)
{
    state.scan.m_ScanMode = ScanAppend;
    return StartScan(state);
}

bool InsertScan(ControlState& state)
{
    state.scan.m_ScanMode = ScanInsert;
    return StartScan(state);
}

bool ReplaceScan(ControlState& state)
{
    state.scan.m_ScanMode = ScanReplace;
    return StartScan(state);
}

}  // namespace scanvo
