#include "core/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <optional>

namespace scanvo {

namespace {

// The control's own translations are built into the library under this prefix.
const QString kOwnTranslations = QStringLiteral(":/scanvo/i18n");

std::optional<QLocale> g_ChosenLocale;

// What is installed: the locale, for which application object, and the two translators (owned by
// that object, so a new application object starts without them).
struct Installed {
    QLocale locale;
    QPointer<QCoreApplication> application;
    QPointer<QTranslator> own;
    QPointer<QTranslator> qt;
};
std::optional<Installed> g_Installed;

void Remove(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// A translator of the named catalogue for locale from folder; null when there is none.
QTranslator* Load(const QLocale& locale, const QString& catalogue, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, catalogue, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

void Install(const QLocale& locale)
{
    if (g_Installed) {
        Remove(g_Installed->own);
        Remove(g_Installed->qt);
    }
    Installed installed{locale, QCoreApplication::instance(), nullptr, nullptr};
    // Chinese is the texts' own language: no catalogue of ours, only Qt's.
    if (locale.language() != QLocale::Chinese)
        installed.own = Load(locale, QStringLiteral("scanvo"), kOwnTranslations);
    installed.qt = Load(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    g_Installed = installed;
}

QLocale WantedLocale()
{
    return g_ChosenLocale ? *g_ChosenLocale : UiLocaleFor(QLocale::system());
}

}  // namespace

QLocale UiLocaleFor(const QLocale& desktop)
{
    switch (desktop.language()) {
    case QLocale::Chinese:
    case QLocale::English:
        return desktop;
    case QLocale::C:
        return QLocale(QLocale::Chinese, QLocale::China);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

void InstallUiTranslations()
{
    if (QCoreApplication::instance() == nullptr)
        return;
    if (g_Installed && g_Installed->application == QCoreApplication::instance())
        return;
    Install(WantedLocale());
}

bool ChooseUiLanguage(const QString& localeName)
{
    if (localeName.isEmpty()) {
        g_ChosenLocale.reset();
    } else {
        const QLocale locale(localeName);
        const bool isC = localeName == QLatin1String("C") || localeName == QLatin1String("POSIX");
        if (locale.language() == QLocale::C && !isC)
            return false;
        g_ChosenLocale = UiLocaleFor(locale);
    }
    if (QCoreApplication::instance() != nullptr)
        Install(WantedLocale());
    return true;
}

QLocale CurrentUiLocale()
{
    return g_Installed ? g_Installed->locale : WantedLocale();
}

}  // namespace scanvo
