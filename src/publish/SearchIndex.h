#pragma once

#include "PublishTypes.h"

#include <QByteArray>

// search-index.json: for each sermon its page, title, preacher, passage, series and date,
// and the distinct words of its big idea, topics and outline (folded to lower case without
// accents, as the script folds what is typed), so that a search by a word of the outline
// finds the sermon without shipping the outline twice.
namespace SearchIndex {

QByteArray document(const QList<const PublishSermon *> &sermons);
// The words as the index keeps them.
QStringList words(const QString &text);

} // namespace SearchIndex
