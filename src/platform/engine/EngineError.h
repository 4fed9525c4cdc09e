#pragma once
// The one error type of the imaging engine: a number and a description, both shown to the user.

#include <QString>
#include <stdexcept>

namespace scanvo::engine {

// Error numbers raised by the engine. Callers show "number:description".
enum EngineErrorNumber : int {
    ErrInvalidArgument = 20001,  // an argument out of range or an image missing
    ErrOutOfMemory = 20002,      // the image would not fit in memory, or an allocation failed
    ErrFileNotFound = 20003,
    ErrFileRead = 20004,         // unreadable, corrupt, truncated or not an image
    ErrFileWrite = 20005,        // could not create, write, flush or rename
    ErrUnsupported = 20006,      // format code, depth or mode the operation does not handle
    ErrPageRange = 20007,        // page number outside the file
    ErrIncompatible = 20008,     // two images differ in depth or palette kind
    ErrOperation = 20009,        // a pixel operation failed inside the library
    ErrDamagedPages = 20010,     // a multi-page file whose later pages cannot be read: an edit would drop them
};

class EngineError : public std::runtime_error {
public:
    EngineError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }
    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }

private:
    int m_number;
    QString m_description;
};

}  // namespace scanvo::engine
