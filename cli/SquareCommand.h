// locatrix-cli square LOC...: the bounds, centre and size of each locator's square.
#pragma once

#include "CommandResult.h"
#include "ToolboxOptions.h"

namespace cli {

class CSquareCommand {
public:
    static CommandResult Run(const ToolboxOptions& options);
};

} // namespace cli
