#include "platform/scanner/ScriptedScannerSource.h"

namespace scanvo::scanner {

ScriptedScannerSource::ScriptedScannerSource(QObject* parent)
    : ScannerSource(parent), m_sources{QStringLiteral("Scripted Scanner")}
{
}

void ScriptedScannerSource::setSources(const QStringList& names, const QString& defaultName)
{
    m_sources = names;
    m_defaultSource = defaultName;
}

int ScriptedScannerSource::start(int /*option*/, QWidget* owner)
{
    ++m_startCount;
    if (m_startResult != ResultSuccess)
        return m_startResult;
    setOwner(owner);
    m_started = true;
    return ResultSuccess;
}

void ScriptedScannerSource::end()
{
    ++m_endCount;
    m_started = false;
    m_enabled = false;
}

int ScriptedScannerSource::sourceCount()
{
    return m_started ? int(m_sources.size()) : 0;
}

QString ScriptedScannerSource::sourceName(int index)
{
    return m_started && index >= 0 && index < m_sources.size() ? m_sources.at(index) : QString();
}

QString ScriptedScannerSource::defaultSource()
{
    if (!m_started)
        return {};
    return m_defaultSource.isEmpty() ? m_sources.value(0) : m_defaultSource;
}

QString ScriptedScannerSource::currentSource()
{
    return m_selected.isEmpty() ? defaultSource() : m_selected;
}

int ScriptedScannerSource::selectSource(const QString& name)
{
    if (!m_started)
        return ResultNotOpen;
    if (!m_sources.contains(name))
        return ResultNoSource;
    m_selected = name;
    return ResultSuccess;
}

int ScriptedScannerSource::setCapability(int capability, int itemType, double value)
{
    if (!m_started)
        return ResultNotOpen;
    if (m_acquiring)
        return ResultBusy;
    m_capabilityCalls.append({capability, itemType, value});
    return m_capabilityAnswers.value(capability, ResultSuccess);
}

int ScriptedScannerSource::enableAcquisition()
{
    if (!m_started)
        return ResultNotOpen;
    ++m_enableCount;
    m_enabled = true;
    return ResultSuccess;
}

int ScriptedScannerSource::acquire(int flags)
{
    if (!m_started)
        return ResultNotOpen;
    if (m_acquiring)
        return ResultBusy;
    if (!m_enabled)
        return ResultNotEnabled;
    m_enabled = false;
    m_acquireFlags.append(flags);
    if (m_scans.isEmpty())
        return ResultNoDocuments;
    const ScriptedScan scan = m_scans.takeFirst();
    m_acquiring = true;
    m_stopRequested = false;
    m_heldBack = 0;
    for (qsizetype i = 0; i < scan.pages.size(); ++i) {
        if (m_stopRequested) {
            m_heldBack = int(scan.pages.size() - i);
            break;
        }
        engine::Image page = scan.pages.at(i);
        raisePageAcquired(page);
        if (scan.betweenPages && i + 1 < scan.pages.size())
            scan.betweenPages(int(i) + 1);
    }
    m_acquiring = false;
    // A stop ahead of the failure keeps the device from reaching it.
    return m_stopRequested && m_heldBack > 0 ? ResultSuccess : scan.result;
}

void ScriptedScannerSource::stopAcquisition()
{
    if (m_acquiring)
        m_stopRequested = true;
}

}  // namespace scanvo::scanner
