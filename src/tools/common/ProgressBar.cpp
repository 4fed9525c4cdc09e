// The terminal progress line.
#include "tools/common/ProgressBar.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace scanvo::tools {

QString ProgressLine(const BatchProgress& progress, double seconds, int width)
{
    const double fraction = progress.pagesTotal > 0 ? double(progress.pagesDone) / progress.pagesTotal
                            : progress.filesTotal > 0 ? double(progress.filesDone) / progress.filesTotal
                                                      : 1.0;
    const QString counts = QCoreApplication::translate("ToolTexts", " %1/%2 pages, %3/%4 files, %5 pages/s")
                               .arg(progress.pagesDone)
                               .arg(progress.pagesTotal)
                               .arg(progress.filesDone)
                               .arg(progress.filesTotal)
                               .arg(seconds > 0 ? progress.pagesDone / seconds : 0.0, 0, 'f', 1);
    const int barWidth = std::max(0, width - int(counts.size()) - 2);
    const int filled = int(fraction * barWidth + 0.5);
    if (barWidth < 10)
        return counts.trimmed().left(width);
    return u'[' + QString(filled, u'#') + QString(barWidth - filled, u' ') + u']' + counts;
}

ProgressBar::ProgressBar() : m_terminal(isatty(STDERR_FILENO) == 1), m_startMs(QDateTime::currentMSecsSinceEpoch())
{
    winsize size{};
    if (m_terminal && ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        m_width = size.ws_col;
}

void ProgressBar::show(const BatchProgress& progress)
{
    if (!m_terminal)
        return;
    const double seconds = double(QDateTime::currentMSecsSinceEpoch() - m_startMs) / 1000.0;
    // One column short of the width: a full line would wrap on some terminals.
    const QByteArray line = ProgressLine(progress, seconds, m_width - 1).toLocal8Bit();
    std::fprintf(stderr, "\r%s", line.constData());
    std::fflush(stderr);
    m_shown = true;
}

void ProgressBar::clear()
{
    if (!m_terminal || !m_shown)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    m_shown = false;
}

}  // namespace scanvo::tools
