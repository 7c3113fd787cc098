// locatrix-cli adif [FILE.adi]: the log with DISTANCE filled in, to -o OUT or standard output.
#pragma once

#include "cli/CommandResult.h"
#include "cli/ToolboxOptions.h"

namespace cli {

class CAdifCommand {
public:
    // The log is read whole before anything is written; -o OUT is written whole or not at
    // all. result.out holds the log when it goes to standard output.
    static CommandResult Run(const ToolboxOptions& options);
};

} // namespace cli
