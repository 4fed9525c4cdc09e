// Caught exceptions as failures.
#include "core/CaughtFailure.h"

#include "core/CoreTexts.h"
#include "platform/engine/EngineError.h"

#include <exception>
#include <new>

namespace scanvo {

Failure CaughtFailure(int fallbackNumber)
{
    try {
        throw;
    } catch (const engine::EngineError& error) {
        return {error.number(), error.description()};
    } catch (const std::bad_alloc&) {
        return {engine::ErrOutOfMemory, core_texts::kOutOfMemory};
    } catch (const std::exception& error) {
        return {fallbackNumber, QString::fromLocal8Bit(error.what())};
    } catch (...) {
        return {fallbackNumber, core_texts::kUnknownFailure};
    }
}

QString NumberedDescription(const Failure& failure)
{
    return QString::number(failure.number) + u',' + failure.description;
}

}  // namespace scanvo
