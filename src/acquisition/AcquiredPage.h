#pragma once
// Storing each page a scan job acquires: which file and position it goes to by the document's
// type, the job's type and the scan mode, the new file's name, the files moved to make room, and
// the counters that keep the job's pages in scan order.

#include "core/ControlState.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace scanvo {

class PageStoreQueue;
struct PlannedStore;

// What one scan job has done so far.
struct ScanJobRun {
    ScanJobRun();
    ~ScanJobRun();
    ScanJobRun(const ScanJobRun&) = delete;
    ScanJobRun& operator=(const ScanJobRun&) = delete;

    // The mode pages are placed in: m_ScanMode, except that a document with nothing to insert
    // before or to replace takes its pages appended.
    qint16 mode = 1;
    // Pages of the current multi-page file go behind its last page (a file begun by this job or
    // named in the dialog), not before the current one.
    bool pagesAtEnd = false;
    int pagesStored = 0;
    // Set by the first page that could not be stored; later pages of the job are refused.
    bool failed = false;
    QString failure;
    // The page being written on the store thread while the next one is received; it is settled
    // (counted, or undone) when the next page arrives and when the job ends.
    std::unique_ptr<PlannedStore> inFlight;
    std::unique_ptr<PageStoreQueue> storing;
    // Called on the job's thread when the page being written has been settled because its store
    // ended before the next page arrived: a slow device's page is shown, or its failure stops the
    // job, without waiting for the next page.
    std::function<void()> pageSettled;

    // The pages stored and the one being written: the page the job is at.
    int pagesInHand() const { return pagesStored + (inFlight ? 1 : 0); }
};

// The mode a job in m_ScanMode places its pages in, by what the document holds now.
qint16 EffectiveScanMode(const ControlProperties& props, const DocumentPosition& doc, const ScanJobState& scan);

// Stores one acquired page: decides its file and position, moves the current position on, and
// writes it with the Save settings on the store thread, while the next page is received. The page
// before it is settled first: once written it is counted and shown in mtMain (which takes it
// over). False (with run.failure saying why) when that page or this one could not be stored; the
// document's files, m_Files and the position are then as before the page that failed, and the
// job takes no more pages.
bool OnAcquiredPage(ControlState& state, ScanJobRun& run, engine::Image image);
// Settles the page still being written, as the next page would; every way out of a job passes
// here before the control takes input again. False when the job failed.
bool FinishAcquiredPages(ControlState& state, ScanJobRun& run);

}  // namespace scanvo
