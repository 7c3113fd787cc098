// locatrix-cli map A B -o FILE.svg: the great-circle map centred on A.
#pragma once

#include "cli/CommandResult.h"
#include "cli/ToolboxOptions.h"

namespace cli {

class CMapCommand {
public:
    static CommandResult Run(const ToolboxOptions& options);
};

} // namespace cli
