#pragma once
// The progress line on a terminal: a bar, pages done of all, files done of all, pages a second.

#include <QString>

namespace scanvo::tools {

struct BatchProgress {
    int pagesDone = 0;
    int pagesTotal = 0;
    int filesDone = 0;
    int filesTotal = 0;
};

// The line for progress after seconds, width characters wide at most (without "\r").
QString ProgressLine(const BatchProgress& progress, double seconds, int width);

// Writes progress lines over each other on a terminal (stderr); does nothing when stderr is not
// a terminal, so logs and pipes get only the summary.
class ProgressBar {
public:
    ProgressBar();
    void show(const BatchProgress& progress);
    // Clears the line before other output, so messages do not run into the bar.
    void clear();

private:
    bool m_terminal = false;
    int m_width = 80;
    qint64 m_startMs = 0;
    bool m_shown = false;
};

}  // namespace scanvo::tools
