// ShutdownTimeButton: the moment Windows was last shut down, appended to the log.
#include <string>

#include "app/handlers.h"
#include "interception/log.h"
#include "platform/resource_data.h"
#include "resources/resource_ids.h"
#include "tools/script_host.h"

namespace quenvar {

void OnShutdownTimeButtonClicked() {
    // Starts with a line break and ends without one: the next log line
    // continues right after the date.
    std::string line = "\r\n你的系统上次关闭时间为:";
    if (ScriptControl* host = ScriptHost()) {
        // From the second click on the host already knows the function; a
        // refused repeated definition leaves it as it was.
        host->AddCode(ResourceBytes(IDR_SHUTDOWN_TIME_SCRIPT));
        // Any failure, a script run-time error included, leaves the prefix alone.
        if (std::optional<std::string> moment = host->Run("test")) line += *moment;
    }
    AppendToLog(line.c_str());
}

}  // namespace quenvar
