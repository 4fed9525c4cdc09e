#pragma once
// Storing each page a scan job acquires: which file and position it goes to by the document's
// type, the job's type and the scan mode, the new file's name, the files moved to make room, and
// the counters that keep the job's pages in scan order.

#include "core/ControlState.h"

#include <QString>
#include <QtGlobal>

namespace scanvo {

// What one scan job has done so far.
struct ScanJobRun {
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
};

// The mode a job in m_ScanMode places its pages in, by what the document holds now.
qint16 EffectiveScanMode(const ControlState& state);

// Stores one acquired page: shows it in mtMain (which takes it over), writes it with the Save settings and moves the
// current position on. False (with run.failure saying why) when it could not be stored; the
// document's files and m_Files are then as before this page.
bool OnAcquiredPage(ControlState& state, ScanJobRun& run, engine::Image image);

}  // namespace scanvo
