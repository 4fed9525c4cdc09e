#include "platform/scanner/helper/SaneStatus.h"

#include "platform/scanner/ResultCode.h"

#include <sane/sane.h>

namespace scanvo::scanner {

int ResultFromSaneStatus(int status)
{
    switch (static_cast<SANE_Status>(status)) {
    case SANE_STATUS_GOOD:
    case SANE_STATUS_EOF:
        return ResultSuccess;
    case SANE_STATUS_CANCELLED:
        return ResultCancelled;
    case SANE_STATUS_INVAL:
        return ResultBadValue;
    case SANE_STATUS_NO_DOCS:
        return ResultNoDocuments;
    case SANE_STATUS_DEVICE_BUSY:
        return ResultDeviceBusy;
    case SANE_STATUS_JAMMED:
    case SANE_STATUS_COVER_OPEN:
        return ResultPaperProblem;
    case SANE_STATUS_ACCESS_DENIED:
        return ResultAccessDenied;
    case SANE_STATUS_NO_MEM:
        return ResultOutOfMemory;
    case SANE_STATUS_UNSUPPORTED:
    case SANE_STATUS_IO_ERROR:
        break;
    }
    return ResultDeviceError;
}

}  // namespace scanvo::scanner
