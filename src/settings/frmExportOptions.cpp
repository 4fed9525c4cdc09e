// Export settings dialog.
#include "settings/frmExportOptions.h"

#include "settings/ExportSettings.h"
#include "settings/SettingsTexts.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scanvo {

namespace T = settings_texts;

frmExportOptions::frmExportOptions(QWidget* parent)
    : FormDialog(QStringLiteral("frmExportOptions"), T::kExportOptionsCaption, parent)
{
    framLanguage = new QGroupBox(T::kExportLanguageFrame, this);
    framLanguage->setObjectName(QStringLiteral("framLanguage"));
    auto* languages = new QVBoxLayout(framLanguage);
    for (const ExportLanguageChoice& choice : ExportLanguageChoices()) {
        auto* option = new QRadioButton(QCoreApplication::translate("ExportSettings", choice.text), framLanguage);
        option->setObjectName(QString::fromLatin1(choice.name));
        languages->addWidget(option);
        m_LanguageOptions.append(option);
    }
    chkPdfA = new QCheckBox(T::kExportPdfACheck, this);
    chkPdfA->setObjectName(QStringLiteral("chkPdfA"));

    auto* main = new QVBoxLayout(this);
    main->addWidget(framLanguage);
    main->addWidget(chkPdfA);
    main->addLayout(ButtonRow());

    LoadOnce();
}

void frmExportOptions::LoadForm()
{
    const ExportSettings stored = ReadExportSettings();
    const auto choices = ExportLanguageChoices();
    for (qsizetype i = 0; i < m_LanguageOptions.size(); ++i)
        m_LanguageOptions[i]->setChecked(stored.Languages == QLatin1String(choices[size_t(i)].languages));
    chkPdfA->setChecked(stored.PdfA != 0);
}

void frmExportOptions::cmdOK_Click()
{
    ExportSettings chosen = ReadExportSettings();
    const auto choices = ExportLanguageChoices();
    for (qsizetype i = 0; i < m_LanguageOptions.size(); ++i) {
        if (m_LanguageOptions[i]->isChecked())
            chosen.Languages = QString::fromLatin1(choices[size_t(i)].languages);
    }
    chosen.PdfA = chkPdfA->isChecked() ? 1 : 0;
    StoreExportSettings(chosen);
    Accept();
}

}  // namespace scanvo
