#pragma once
// The members one control instance shares between its parts, grouped by what they describe. The
// control owns exactly one ControlState. The operations of the other folders are free functions
// that take the groups they read and write (ControlProperties&, ChildWidgets&, ...), so a reader
// sees from a signature what a function may touch; a function takes the whole state when a table
// fixes its signature or when it hands the state on to another such function. Each group keeps its
// own invariants: counts that follow from a list are read from the list, never stored beside it.

#include "core/DocumentType.h"
#include "core/PageHistory.h"
#include "platform/engine/Image.h"
#include "platform/scanner/ScannerSource.h"

#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolBar;
class QWidget;

namespace scanvo {

namespace engine {
class ImageViewer;
}
class FileListView;

// The file the shown page comes from, shared by every control of the process; empty while no
// document is listed.
extern QString g_CurrentFilePath;

// The document's files, numbered from 1 as everywhere else in the control.
class FilePaths {
public:
    int count() const { return static_cast<int>(m_paths.size()); }
    bool isEmpty() const { return m_paths.isEmpty(); }
    // File n, 1 <= n <= count().
    const QString& at(int n) const { return m_paths.at(n - 1); }
    void set(int n, const QString& path) { m_paths[n - 1] = path; }
    void append(const QString& path) { m_paths.append(path); }
    // Inserts path so that it becomes file n (1 <= n <= count() + 1).
    void insert(int n, const QString& path) { m_paths.insert(n - 1, path); }
    void remove(int n) { m_paths.removeAt(n - 1); }
    void clear() { m_paths.clear(); }
    // All files in order, as a 0-based list.
    const QStringList& toList() const { return m_paths; }

private:
    QStringList m_paths;
};

// The properties a container persists, as the control holds them.
struct ControlProperties {
    quint32 m_BackColor = 0xFFC0C0;
    QString m_LocalPath;
    qint16 m_DocType = DocTypeSinglePageTiff;
    QString m_DocName;
    QString m_DocNameRule;
    qint16 m_ImagingBarAlign = 3;
    qint16 m_ScanBarAlign = 1;
    qint16 m_ImagingButtonCaption = 1;
};

// Where the user is in the open document.
struct DocumentPosition {
    // m_DocType as it was at first show; DocTypeDetect makes every list build detect.
    qint16 m_RequestedDocType = DocTypeSinglePageTiff;
    FilePaths m_Files;
    int m_CurrentFile = 0;
    qint16 m_PageCount = 0;
    qint16 m_CurrentPage = 0;
    qint16 m_ShownPage = 0;
    qint16 m_SelectMode = 0;
    bool m_PageModified = false;
    bool m_FileNavBusy = false;
    // Damaged files of the open document whose loss the user has been told of; told once per opening.
    QStringList m_DamageReported;

    // The file count (m_FileCount) is the length of m_Files; a mixed document moves through it by
    // m_CurrentFile.
    int FileCount() const { return m_Files.count(); }
};

// The display of the viewer and its pointer tools: the zoom the zoom box shows and the steps start
// from, the trim box (0 off, 1 on), and how a drag in the viewer selects (0 not at all, 1
// rectangle, 2 to 4 the viewer's other shapes).
struct ViewerState {
    qint32 m_ZoomPercent = 100;
    qint16 m_TrimRegionOn = 0;
    qint16 m_RegionShape = 0;
    // The selection region of the page on view, in image pixels; empty while there is none.
    QRect m_Selection;
};

// The pointer tool armed on the viewer; at most one is. With none armed a drag selects as
// m_RegionShape says and a click does nothing more. The colour picker, the trim box and the grid
// stand apart: the picker samples the colour a click lands on, beside the paint tool or under the
// deskew line; arming any tool switches it off, and it disarms the region and comment tools.
enum class PointerTool : qint8 { None, ClearInside, ClearOutside, Crop, Comment, Paint, DeskewLine };

struct ControlState;

class PointerToolState {
public:
    PointerTool ActiveTool() const { return m_Tool; }
    // The tools' flags (0 off, 1 on) as the rest of the control names them, read from the one
    // armed tool.
    qint16 m_ClearToolOn() const { return Armed(PointerTool::ClearInside); }
    qint16 m_TrimToolOn() const { return Armed(PointerTool::ClearOutside); }
    qint16 m_CropToolOn() const { return Armed(PointerTool::Crop); }
    qint16 m_CommentToolOn() const { return Armed(PointerTool::Comment); }
    qint16 m_PickColorOn() const { return m_Picker ? 1 : 0; }
    qint16 m_PaintToolOn() const { return Armed(PointerTool::Paint); }
    qint16 m_DeskewLineMode() const { return Armed(PointerTool::DeskewLine); }

    // 1 while the comment entry box has the focus: the keys are the box's then.
    qint16 m_CommentEntry = 0;
    // The ends of the last deskew line drawn, in image pixels.
    float m_LineX1 = 0, m_LineY1 = 0, m_LineX2 = 0, m_LineY2 = 0;
    // The remembered trim box in viewer pixels; all 0 until it is first placed. While the trim box
    // tool is on, m_TrimFrame is the frame drawn over the page (viewer pixels), which the user
    // moves and resizes; it is empty while no frame is drawn.
    float m_TrimBoxLeft = 0, m_TrimBoxTop = 0, m_TrimBoxRight = 0, m_TrimBoxBottom = 0;
    QRectF m_TrimFrame;
    // The colour the picker took and the paint tool paints with (0xRRGGBB); lblColor shows it.
    quint32 m_PaintColor = 0x000000;

private:
    // Arming is done in one place (viewer/ToolModes), which also disarms the tool armed before.
    friend void ArmPointerTool(ControlState& state, PointerTool tool);
    friend void SetPickColor(ControlState& state, bool on);
    qint16 Armed(PointerTool tool) const { return m_Tool == tool ? 1 : 0; }
    PointerTool m_Tool = PointerTool::None;
    bool m_Picker = false;
};

// Cut, copy and paste: the region the last cut or copy took its pixels from, those pixels (the
// internal clipboard), and whether the selection's pixels are already lifted off the page (after
// paste or the first drag), so that dragging it does not whiten the page under it again.
struct ClipboardState {
    QRect m_SavedRegion;
    engine::Image m_ClipboardImage;
    bool m_SelectionPasted = false;
};

// The modes a scan runs in.
enum ScanModeCode : qint16 { ScanAppend = 1, ScanInsert = 2, ScanReplace = 3 };

// Scanning and what an acquired page is saved with.
struct ScanJobState {
    // The mode a scan runs in (a ScanModeCode; 0 before the first), and the type the running scan
    // writes.
    qint16 m_ScanMode = 0;
    qint16 m_ScanDocType = 0;
    // The multi-page file named in the scan dialog for this job; empty: named by the rule.
    QString m_ScanFileName;
    // m_ScanDocType of the last page stored, kept between jobs (1: the next page continues that
    // multi-page file).
    qint16 m_LastScanDocType = 0;
    // What the next acquired page is saved with: engine format code, bits per pixel 1, 8 or 24,
    // quality factor.
    qint16 m_SaveFormat = 0;
    qint16 m_SaveBits = 0;
    qint16 m_SaveQuality = 128;
    // The scanner source, opened at initialise and closed at terminate; null when none could be made.
    std::unique_ptr<scanner::ScannerSource> m_Scanner;
};

// The control and its child controls, all built once with the control (BuildControlSurface) and
// never null afterwards: code below the control uses them without checking.
struct ChildWidgets {
    // The control itself (an Imaging): parent of messages and dialogs, owner of the scanner source.
    QWidget* control = nullptr;
    QWidget* picLeft = nullptr;
    QWidget* picMain = nullptr;
    QWidget* picImaging = nullptr;
    engine::ImageViewer* mtMain = nullptr;
    QToolBar* tbMain = nullptr;
    QToolBar* tbFileNav = nullptr;
    QToolBar* tbFileOperate = nullptr;
    QToolBar* tbCommon = nullptr;
    QToolBar* tbImaging = nullptr;
    FileListView* lvwFileList = nullptr;
    QComboBox* cboCurrentFile = nullptr;
    QComboBox* cboCurrentPage = nullptr;
    QComboBox* cboZoomFactor = nullptr;
    QStatusBar* sbTotalInfo = nullptr;
    // Overlays of the viewer: grid guides 0-4 horizontal, 5-9 vertical; the colour sample; the
    // comment entry box and its font button.
    std::array<QFrame*, 10> linGrid{};
    QLabel* lblColor = nullptr;
    QLineEdit* txtPageNumber = nullptr;
    QPushButton* cmdFont = nullptr;
    // What the pointer tools draw over the page (selection frame, trim box, guide line).
    QWidget* overlay = nullptr;
};

struct ControlState {
    ControlProperties props;  // what the container persists
    DocumentPosition doc;     // the open document's files and the page on view
    ViewerState view;         // zoom, trim box, selection
    PointerToolState tools;   // the armed pointer tool and what the tools remember
    ClipboardState clip;      // cut, copy and paste
    ScanJobState scan;        // the scanner and what acquired pages are saved with
    ChildWidgets widgets;     // the control's child controls
    PageHistory m_History;
    // The paper size last chosen for the canvas (frmResizeCanvas's list entry), kept between uses.
    qint16 m_CanvasIndex = 0;
    // Set by the control: puts its toolbars and panes into the no-document state, as after opening
    // an empty directory, once a command below it has deleted the document's last page or file.
    std::function<void()> DocumentEmptied;
};

}  // namespace scanvo
