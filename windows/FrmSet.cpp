#include "platform/qt/Forms.h"

namespace gh {

// The window is being written; until then the command opens nothing.
void Forms::OpenSettings() {}

} // namespace gh
