#include "intake/views.h"

#include "common/time_text.h"

namespace picmove {

void AppendLogLine(ProgressLogView& log, const Text& message) { log.Append(TimeTextNow() + message + "\r\n"); }

}  // namespace picmove
