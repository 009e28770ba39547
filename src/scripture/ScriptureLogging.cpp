#include "ScriptureLogging.h"

Q_LOGGING_CATEGORY(lcScripture, "lectorum.scripture")
