#pragma once
// The members one control instance shares between its parts, grouped by what they describe. The
// control owns exactly one ControlState; the operations of the other folders are free functions
// that take it (or the one group they need) by reference. Each group keeps its own invariants:
// counts that follow from a list are read from the list, never stored beside it.

#include "platform/engine/Image.h"
#include "platform/scanner/ScannerSource.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;
class QToolBar;
class QWidget;

namespace scanvo {

namespace engine {
class ImageViewer;
}

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
    qint16 m_DocType = 2;
    QString m_DocName;
    QString m_DocNameRule;
    qint16 m_ImagingBarAlign = 3;
    qint16 m_ScanBarAlign = 1;
    qint16 m_ImagingButtonCaption = 1;
};

// Where the user is in the open document.
struct DocumentPosition {
    qint16 m_RequestedDocType = 2;  // m_DocType as it was at first show; -1 makes every list build detect
    FilePaths m_Files;
    int m_CurrentFile = 0;
    qint16 m_PageCount = 0;
    qint16 m_CurrentPage = 0;
    qint16 m_ShownPage = 0;
    qint16 m_SelectMode = 0;
    bool m_PageModified = false;
    bool m_FileNavBusy = false;

    // The file count (m_FileCount) is the length of m_Files; a mixed document moves through it by
    // m_CurrentFile.
    int FileCount() const { return m_Files.count(); }
};

// The undo and redo history of the shown page: whole-page snapshots, newest last. Showing another
// page forgets it. The counts (m_UndoCount, m_RedoCount) are the lists' lengths.
class PageHistory {
public:
    int UndoCount() const { return static_cast<int>(m_Undo.size()); }
    int RedoCount() const { return static_cast<int>(m_Redo.size()); }
    void Clear();
    // A command is about to change the page: before goes onto the undo list and redo is forgotten.
    void Record(engine::Image before);
    // The page to show instead of current, which goes onto the other list. Only with a count >= 1.
    engine::Image Undo(engine::Image current);
    engine::Image Redo(engine::Image current);

private:
    std::vector<engine::Image> m_Undo;
    std::vector<engine::Image> m_Redo;
};

// The display of the viewer and its pointer tools: the zoom the zoom box shows and the steps start
// from, the trim box (0 off, 1 on), and how a drag in the viewer selects (0 not at all, 1
// rectangle, 2 to 4 the viewer's other shapes).
struct ViewerState {
    qint32 m_ZoomPercent = 100;
    qint16 m_TrimRegionOn = 0;
    qint16 m_RegionShape = 0;
};

// Scanning and what an acquired page is saved with.
struct ScanJobState {
    // The mode a scan runs in (1 append), and the type the running scan writes.
    qint16 m_ScanMode = 0;
    qint16 m_ScanDocType = 0;
    // What the next acquired page is saved with: engine format code, bits per pixel 1, 8 or 24,
    // quality factor.
    qint16 m_SaveFormat = 0;
    qint16 m_SaveBits = 0;
    qint16 m_SaveQuality = 128;
    // The scanner source, opened at initialise and closed at terminate; null when none could be made.
    std::unique_ptr<scanner::ScannerSource> m_Scanner;
};

// The control and its child controls. The two panes exist from the start; the rest is created
// with the control's surface and stays null until then.
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
    QListWidget* lvwFileList = nullptr;
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
};

struct ControlState : ControlProperties, DocumentPosition, ViewerState, ScanJobState, ChildWidgets {
    PageHistory m_History;
};

}  // namespace scanvo
