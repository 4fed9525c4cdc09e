#pragma once
// ScannerSource: what the control needs of a scanner. Capability ids, item types and result codes
// are the TWAIN ones the scan job sends; implementations turn them into their device's options.

#include "platform/engine/Image.h"
#include "platform/scanner/ResultCode.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <limits>

class QDialog;
class QWidget;

namespace scanvo::scanner {

// TWAIN capability ids the scan job sends.
enum Capability : int {
    CapFeederEnabled = 0x1002,   // BOOL: scan from the document feeder
    CapDuplexEnabled = 0x1013,   // BOOL: both sides
    CapPixelType = 0x0101,       // UINT16: 0 black and white, 1 grey, 2 colour
    CapXResolution = 0x1118,     // FIX32: dots per inch
    CapYResolution = 0x1119,     // FIX32: dots per inch
    CapSupportedSizes = 0x1122,  // UINT16: 0 the whole scan area, 1 A4, 5 B5, 11 A3
    CapOrientation = 0x1110,     // UINT16: 0 portrait, 3 landscape (TWOR_ codes)
};

enum ItemType : int { ItemBool = 6, ItemUInt16 = 4, ItemFix32 = 7 };

// Pixel types of CapPixelType.
enum PixelType : int { PixelBlackWhite = 0, PixelGrey = 1, PixelColour = 2 };

// Acquire flags; bit 0 is the show-dialog bit.
enum AcquireFlags : int { AcquireNoUi = 2, AcquireShowUi = 3 };

// A capability sent without a value: accepted, and the device keeps its current setting.
inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

class ScannerSource : public QObject {
    Q_OBJECT
public:
    // Runs a device dialog modally and returns QDialog::exec's result.
    using DialogRunner = std::function<int(QDialog&)>;

    using QObject::QObject;
    ~ScannerSource() override = default;

    // Opens the connection; option is the initial option value (0), owner the owning window.
    virtual int start(int option, QWidget* owner) = 0;
    // Closes the connection; errors are ignored.
    virtual void end() = 0;

    virtual int sourceCount() = 0;
    virtual QString sourceName(int index) = 0;  // 0-based, in the source manager's order
    virtual QString defaultSource() = 0;
    virtual int selectSource(const QString& name) = 0;
    // The source a job uses: the one selected, else the default; empty when there is none.
    virtual QString currentSource() { return defaultSource(); }

    virtual int setCapability(int capability, int itemType, double value) = 0;
    virtual int enableAcquisition() = 0;
    // Returns after the last page: 0, ResultCancelled, or another code on device failure. Raises
    // pageAcquired on the calling (user-interface) thread once per page while it runs.
    virtual int acquire(int flags) = 0;
    // Asks a running acquire to end once the page in hand is delivered: no further page is
    // raised, the device stops feeding, and acquire returns as after a job that went well (unless
    // the device failed first). For a caller that cannot take more pages. Does nothing between jobs.
    virtual void stopAcquisition() = 0;

    // Within a pageAcquired handler: the page itself, handed over instead of copied (a page is
    // megabytes); the event's argument is null afterwards. Null outside a handler and once taken.
    engine::Image takeAcquiredPage();

    // How device dialogs are shown; without a runner they run with QDialog::exec.
    void setDialogRunner(DialogRunner runner) { m_dialogRunner = std::move(runner); }

signals:
    // One scanned page, in scan order, while acquire runs.
    void pageAcquired(const scanvo::engine::Image& image);

protected:
    // Raises pageAcquired for page, which a handler may take (takeAcquiredPage).
    void raisePageAcquired(engine::Image& page);
    int runDialog(QDialog& dialog);
    QWidget* owner() const;  // the window start was given; null once it is gone
    void setOwner(QWidget* owner);

private:
    DialogRunner m_dialogRunner;
    QPointer<QObject> m_owner;
    engine::Image* m_pageInEvent = nullptr;
};

}  // namespace scanvo::scanner
