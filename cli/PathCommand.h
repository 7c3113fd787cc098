// locatrix-cli path A B: short and long path between two locators or positions.
#pragma once

#include "cli/CommandResult.h"
#include "cli/ToolboxOptions.h"
#include "engine/Place.h"

namespace cli {

class CPathCommand {
public:
    static CommandResult Run(const ToolboxOptions& options);

    // Reads the two ends of options.values, or says why not (status and err set).
    static bool ReadEnds(const ToolboxOptions& options, const char* command, Place ends[2], CommandResult& result);
};

} // namespace cli
