#pragma once
// The members one control instance shares between its parts. The control owns exactly one
// ControlState; the operations of the document, viewer, acquisition and command folders are free
// functions that take it by reference. Parts that need further members add them here, under the
// names they use.

#include "platform/scanner/ScannerSource.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <memory>

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

struct ControlState {
    // The control itself (an Imaging): parent of messages and dialogs, owner of the scanner source.
    QWidget* control = nullptr;

    // Persisted properties kept by the control.
    quint32 m_BackColor = 0xFFC0C0;
    QString m_LocalPath;
    qint16 m_DocType = 2;
    QString m_DocName;
    QString m_DocNameRule;
    qint16 m_ImagingBarAlign = 3;
    qint16 m_ScanBarAlign = 1;
    qint16 m_ImagingButtonCaption = 1;

    // The open document.
    qint16 m_RequestedDocType = 2;  // m_DocType as it was at first show; -1 makes every list build detect
    FilePaths m_Files;
    int m_FileCount = 0;
    int m_CurrentFile = 0;
    qint16 m_PageCount = 0;
    qint16 m_CurrentPage = 0;
    qint16 m_ShownPage = 0;
    qint16 m_SelectMode = 0;
    bool m_PageModified = false;
    bool m_FileNavBusy = false;

    // Browsing: the zoom the zoom box shows and the steps start from, the trim box of the pointer
    // tools (0 off, 1 on), how a drag in the viewer selects (0 not at all, 1 rectangle, 2 to 4 the
    // viewer's other shapes), and the mode a scan started from the file list runs in (1 append).
    qint32 m_ZoomPercent = 100;
    qint16 m_TrimRegionOn = 0;
    qint16 m_RegionShape = 0;
    qint16 m_ScanMode = 0;

    // Saving: the type the running scan writes, and what the next acquired page is saved with
    // (engine format code, bits per pixel 1, 8 or 24, quality factor).
    qint16 m_ScanDocType = 0;
    qint16 m_SaveFormat = 0;
    qint16 m_SaveBits = 0;
    qint16 m_SaveQuality = 128;

    // The scanner source, opened at initialise and closed at terminate; null when none could be made.
    std::unique_ptr<scanner::ScannerSource> m_Scanner;

    // Child controls. The two panes exist from the start; the rest is created by the parts that
    // fill them and stays null until then.
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

}  // namespace scanvo
