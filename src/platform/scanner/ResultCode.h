#pragma once
// The result codes of ScannerSource's setCapability and acquire. They have a header of their own
// because the scanner helper program answers in them too, and it knows nothing of images or widgets.

namespace scanvo::scanner {

// Result codes of setCapability and acquire.
enum ResultCode : int {
    ResultSuccess = 0,
    ResultCancelled = 20563,         // the user cancelled (acquire, or the device dialog)
    ResultCapUnsupported = 20566,    // the device lacks the capability; counts as success
    ResultValueAdjusted = 20568,     // the device took a nearby value; counts as success
    ResultNotOpen = 20570,           // start was not called, or end was
    ResultNoSource = 20571,          // no device selected or the name is unknown
    ResultNotEnabled = 20572,        // acquire without enableAcquisition
    ResultBusy = 20573,              // called while an acquisition is running
    ResultDeviceError = 20580,       // the device failed while scanning
    ResultBadValue = 20581,          // a value the capability cannot take at all
    ResultNoDocuments = 20582,       // the feeder was empty when the job began
    ResultDeviceBusy = 20583,        // the device is in use by someone else
    ResultPaperProblem = 20584,      // paper jammed or cover open
    ResultAccessDenied = 20585,      // the device refused access
    ResultOutOfMemory = 20586,       // a page did not fit in memory
};

inline bool IsCapabilitySuccess(int code)
{
    return code == ResultSuccess || code == ResultCapUnsupported || code == ResultValueAdjusted;
}

}  // namespace scanvo::scanner
