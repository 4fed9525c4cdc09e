// The shared members' own rules.
#include "core/ControlState.h"

namespace scanvo {

QString g_CurrentFilePath;

}  // namespace scanvo
