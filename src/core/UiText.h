#pragma once
// UiText: a text the user sees, declared once as its Chinese source and translated each time it is
// used. The constants are made before any translator is installed, so holding a translated QString
// would freeze the language of whichever moment made it; a UiText asks the translators again.

#include <QCoreApplication>
#include <QString>

#include <utility>

namespace scanvo {

class UiText {
public:
    constexpr UiText(const char* context, const char* source) : m_context(context), m_source(source) {}

    QString toString() const { return QCoreApplication::translate(m_context, m_source); }
    operator QString() const { return toString(); }  // NOLINT: call sites take it as a QString

    template <typename... Args>
    QString arg(Args&&... args) const
    {
        return toString().arg(std::forward<Args>(args)...);
    }
    template <typename... Args>
    QString section(Args&&... args) const
    {
        return toString().section(std::forward<Args>(args)...);
    }
    bool isEmpty() const { return *m_source == '\0'; }

    constexpr const char* context() const { return m_context; }
    constexpr const char* source() const { return m_source; }

    friend bool operator==(const UiText& a, const QString& b) { return a.toString() == b; }
    friend bool operator==(const UiText& a, const UiText& b) { return a.toString() == b.toString(); }
    friend QString operator+(const UiText& a, const QString& b) { return a.toString() + b; }
    friend QString operator+(const QString& a, const UiText& b) { return a + b.toString(); }

private:
    const char* m_context;
    const char* m_source;  // UTF-8
};

}  // namespace scanvo

// A UiText of the context and source given as literals; lupdate reads it as QT_TRANSLATE_NOOP
// (the translations' build passes -tr-function-alias QT_TRANSLATE_NOOP+=SCANVO_TEXT).
#define SCANVO_TEXT(context, source) ::scanvo::UiText(context, source)
