#include "platform/scanner/SaneScanWorker.h"

#include "platform/engine/EngineError.h"
#include "platform/scanner/ScannerSource.h"

#include <new>
#include <utility>

namespace scanvo::scanner {

namespace {

constexpr int kMaxFramesPerPage = 3;  // red, green and blue of a three-pass scan

}  // namespace

void SaneScanWorker::run()
{
    int result = ResultSuccess;
    try {
        for (int pages = 0;; ++pages) {
            bool feederEmpty = false;
            result = readPage(&feederEmpty);
            // The feeder running empty ends a job that has pages; an empty feeder at the start
            // is reported, since the user gets nothing.
            if (feederEmpty && m_job.feeder && pages > 0)
                result = ResultSuccess;
            if (result != ResultSuccess || feederEmpty || !m_job.feeder || m_stop.load())
                break;
        }
    } catch (const std::bad_alloc&) {
        result = ResultOutOfMemory;
    }
    // A device that cannot return to idle has failed, even after a job that went well.
    const int ended = m_device.endScan();
    emit finished(result == ResultSuccess ? ended : result);
}

QList<engine::Image> SaneScanWorker::takePages()
{
    QMutexLocker lock(&m_pagesMutex);
    return std::exchange(m_pages, {});
}

int SaneScanWorker::readPage(bool* feederEmpty)
{
    QList<RasterFrame> frames;
    bool lastFrame = false;
    while (!lastFrame) {
        if (frames.size() == kMaxFramesPerPage)
            return ResultDeviceError;
        RasterFrame frame;
        const int result = m_device.readFrame(&frame, &lastFrame);
        if (result == ResultNoDocuments && frames.isEmpty()) {
            *feederEmpty = true;
            return result;
        }
        if (result != ResultSuccess)
            return result;
        frames.append(std::move(frame));
    }
    // The feeder goes on to the next sheet while this one becomes a page.
    if (m_job.feeder)
        m_device.requestFrame();
    try {
        engine::Image page = PageFromFrames(frames, m_job.xDpi, m_job.yDpi, m_job.threshold);
        {
            QMutexLocker lock(&m_pagesMutex);
            m_pages.append(std::move(page));
        }
        emit pageReady();
    } catch (const engine::EngineError& error) {
        return error.number() == engine::ErrOutOfMemory ? ResultOutOfMemory : ResultDeviceError;
    }
    return ResultSuccess;
}

}  // namespace scanvo::scanner
