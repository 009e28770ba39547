#pragma once

#include "PublishTypes.h"

// The passage's text on the sermon pages, read through the scripture library from a Bible
// whose licence allows publishing it (BibleVersion::mayPublish). The window and
// lectorum-mkdb --publish both come here, so the licence is checked in one place.
namespace PublishPassages {

// The installed version named `version` when its licence allows publishing; an empty name
// when it is not installed or may not be published.
QString publishable(const QString &version);
// Fills each sermon's passage text and version from `version`; false (nothing filled) when
// the version may not be published.
bool add(QList<PublishSermon> &sermons, const QString &version);

} // namespace PublishPassages
