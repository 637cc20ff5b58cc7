// Subcommands not built yet answer with a usage error; each moves to its own file when it lands.
#include "commands.h"

