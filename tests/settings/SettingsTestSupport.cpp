#include "SettingsTestSupport.h"

#include <QFile>

#include "settings/Settings.h"

namespace scanvo::test {

void SettingsTestBase::SetUp()
{
    ASSERT_TRUE(m_Dir.isValid());
    m_HadConfigDir = qEnvironmentVariableIsSet("SCANVO_CONFIG_DIR");
    m_OldConfigDir = qgetenv("SCANVO_CONFIG_DIR");
    qputenv("SCANVO_CONFIG_DIR", QFile::encodeName(m_Dir.path()));
    g_Settings = SettingsRecord{};
    g_IniFile.clear();
    SetPrompter(&m_Prompter);
}

void SettingsTestBase::TearDown()
{
    SetPrompter(nullptr);
    if (m_HadConfigDir)
        qputenv("SCANVO_CONFIG_DIR", m_OldConfigDir);
    else
        qunsetenv("SCANVO_CONFIG_DIR");
}

QByteArray ReadBytes(const QString& file)
{
    QFile in(file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
    return in.readAll();
}

void WriteBytes(const QString& file, const QByteArray& bytes)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
    ASSERT_EQ(out.write(bytes), bytes.size());
}

QStringList ReadLines(const QString& file)
{
    QStringList lines = QString::fromUtf8(ReadBytes(file)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

}  // namespace scanvo::test
