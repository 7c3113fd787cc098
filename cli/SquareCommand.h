// locatrix-cli square LOC...: the bounds, centre and size of each locator's square.
#pragma once

#include "cli/CommandResult.h"
#include "cli/ToolboxOptions.h"

namespace cli {

class CSquareCommand {
public:
    static CommandResult Run(const ToolboxOptions& options);
};

} // namespace cli
