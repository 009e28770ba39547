#include "SiteAssets.h"

QByteArray SiteAssets::styleSheet()
{
    return QByteArrayLiteral(
        R"css(:root { color-scheme: light dark; --text: #1a1a1a; --back: #ffffff;
  --link: #0b4f9c; --muted: #4a4a4a; --line: #c8c8c8; }
@media (prefers-color-scheme: dark) {
  :root { --text: #f0f0f0; --back: #121212; --link: #9cc9ff; --muted: #c4c4c4; --line: #555555; }
}
* { box-sizing: border-box; }
body { margin: 0; background: var(--back); color: var(--text);
  font: 1.125rem/1.6 system-ui, "DejaVu Sans", sans-serif; }
header, main, footer { max-width: 44rem; margin: 0 auto; padding: 0 1rem; }
header { border-bottom: 1px solid var(--line); padding-top: 1rem; }
footer { border-top: 1px solid var(--line); margin-top: 2rem; color: var(--muted); font-size: 0.9rem; }
a { color: var(--link); }
a:focus, input:focus, button:focus { outline: 3px solid var(--link); outline-offset: 2px; }
.skip { position: absolute; left: -999px; }
.skip:focus { left: 1rem; top: 1rem; background: var(--back); padding: 0.5rem; }
.site-name { font-size: 1.3rem; font-weight: bold; margin: 0; }
nav ul { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: 0.25rem 1rem; }
h1 { font-size: 1.8rem; line-height: 1.25; }
ol.sermons, ul.groups { padding-left: 1.2rem; }
ol.sermons li, ul.groups li { margin: 0.5rem 0; }
.meta { color: var(--muted); font-size: 0.95rem; }
dl.facts { display: grid; grid-template-columns: max-content 1fr; gap: 0.25rem 1rem; }
dl.facts dt { font-weight: bold; }
dl.facts dd { margin: 0; }
audio, video { width: 100%; max-width: 100%; }
.outline p { margin: 0.2rem 0; }
.outline .level-1 { margin-left: 1.5rem; } .outline .level-2 { margin-left: 3rem; }
.outline .level-3 { margin-left: 4.5rem; } .outline .level-4 { margin-left: 6rem; }
.outline .section { margin-top: 1rem; }
blockquote { margin: 0; padding-left: 1rem; border-left: 4px solid var(--line); }
img.cover { max-width: 12rem; height: auto; }
input[type=search] { font-size: 1rem; padding: 0.4rem; width: 100%; max-width: 24rem; }
button { font-size: 1rem; padding: 0.4rem 0.8rem; }
@media (max-width: 30rem) { dl.facts { grid-template-columns: 1fr; } h1 { font-size: 1.5rem; } }
)css");
}

QByteArray SiteAssets::script()
{
    return QByteArrayLiteral(R"js("use strict";
// Lectorum's site script: the search over search-index.json and the players' lengths.
(function () {
  function fold(text) {
    return String(text || "").normalize("NFKD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
  }

  function showLengths() {
    var players = document.querySelectorAll("audio, video");
    Array.prototype.forEach.call(players, function (player) {
      function report() {
        if (!isFinite(player.duration)) return;
        player.setAttribute("data-reported-duration", player.duration.toFixed(2));
        var label = document.getElementById(player.id + "-length");
        if (label) {
          var s = Math.round(player.duration);
          label.textContent = Math.floor(s / 60) + ":" + ("0" + (s % 60)).slice(-2);
        }
      }
      if (player.readyState >= 1) report();
      player.addEventListener("loadedmetadata", report);
    });
  }

  function runSearch() {
    var results = document.getElementById("search-results");
    var status = document.getElementById("search-status");
    var box = document.getElementById("search-words");
    if (!results || !box) return;
    var query = new URLSearchParams(window.location.search).get("q") || "";
    box.value = query;
    var terms = fold(query).split(/\s+/).filter(function (t) { return t.length > 0; });
    if (terms.length === 0) return;
    var request = new XMLHttpRequest();
    request.open("GET", results.getAttribute("data-index"));
    request.onload = function () {
      var index;
      try { index = JSON.parse(request.responseText); } catch (e) { index = null; }
      if (!index) { status.textContent = status.getAttribute("data-failed"); return; }
      var found = index.sermons.filter(function (s) {
        var text = fold([s.t, s.p, s.r, s.s, s.w].join(" "));
        return terms.every(function (t) { return text.indexOf(t) >= 0; });
      });
      status.textContent = (found.length === 1 ? status.getAttribute("data-one")
                            : status.getAttribute("data-many")).replace("%n", found.length);
      found.forEach(function (s) {
        var item = document.createElement("li");
        var link = document.createElement("a");
        link.href = s.u;
        link.textContent = s.t;
        link.dir = "auto";
        item.appendChild(link);
        var meta = document.createElement("span");
        meta.className = "meta";
        meta.textContent = " " + [s.d, s.p, s.r].filter(Boolean).join(" \u00b7 ");
        item.appendChild(meta);
        results.appendChild(item);
      });
    };
    request.onerror = function () { status.textContent = status.getAttribute("data-failed"); };
    request.send();
  }

  document.addEventListener("DOMContentLoaded", function () {
    showLengths();
    runSearch();
  });
})();
)js");
}
