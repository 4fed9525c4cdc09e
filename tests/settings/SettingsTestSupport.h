#pragma once
// Shared pieces of the settings tests: a prompter that records messages and answers folder
// questions from a script, a private settings directory per test, and file helpers.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Prompter.h"

namespace scanvo::test {

struct RecordedMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

class RecordingPrompter final : public Prompter {
public:
    std::vector<RecordedMessage> messages;
    QStringList folderAnswers;  // answers of chooseFolder, first first; empty string = cancelled
    QStringList folderTitles;

    void showMessage(QWidget*, const QString& text, const QString& title, MessageIcon icon) override
    {
        messages.push_back({text, title, icon});
    }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    QStringList chooseFiles(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString& title, const QString&) override
    {
        folderTitles << title;
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }
    bool chooseFont(QWidget*, QFont&) override { return false; }
    int runDialog(QDialog&) override { return 0; }
};

// Points the settings directory at a fresh temporary directory, resets the settings record and
// routes messages to a RecordingPrompter for the duration of one test.
class SettingsTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return m_Dir.filePath(name); }
    QString IniFile() const { return Path(QStringLiteral("scanvo.ini")); }

    QTemporaryDir m_Dir;
    RecordingPrompter m_Prompter;

private:
    QByteArray m_OldConfigDir;
    bool m_HadConfigDir = false;
};

QByteArray ReadBytes(const QString& file);
void WriteBytes(const QString& file, const QByteArray& bytes);
// The non-empty lines of a UTF-8 file.
QStringList ReadLines(const QString& file);

}  // namespace scanvo::test
