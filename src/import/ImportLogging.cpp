#include "ImportLogging.h"

Q_LOGGING_CATEGORY(lcImport, "lectorum.import")
