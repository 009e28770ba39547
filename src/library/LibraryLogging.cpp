#include "LibraryLogging.h"

Q_LOGGING_CATEGORY(lcLibrary, "lectorum.library", QtInfoMsg)
