#pragma once

#include <QByteArray>

// The site's style sheet and its one script, written beside the pages.
namespace SiteAssets {

// Readable on a phone and a wide screen, contrast above 7:1 in the light and dark schemes,
// visible focus, no web fonts.
QByteArray styleSheet();
// The search (a JSON index read by the script, results built as text nodes, never as markup)
// and the players' reported lengths. Every page works without it but the search.
QByteArray script();

} // namespace SiteAssets
