# Fills in the service worker of the web site (cmake -P, from Web.cmake):
# its cache is named after a hash of every file of the site, so that any
# change to the site reaches the players as a new cache, and it caches
# exactly those files.
#   cmake -DSITE=<site folder> -DSJABLOON=<web/sw.js> -P Dienstwerker.cmake
file(GLOB bestanden RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM bestanden sw.js)
list(SORT bestanden)
set(inhoud "")
set(lijst "")
foreach(bestand ${bestanden})
  file(SHA256 ${SITE}/${bestand} hash)
  string(APPEND inhoud "${bestand} ${hash}\n")
  list(APPEND lijst "'${bestand}'")
endforeach()
string(SHA256 versie "${inhoud}")
string(SUBSTRING ${versie} 0 16 STRUIN_CACHE)
list(JOIN lijst ", " STRUIN_BESTANDEN)
configure_file(${SJABLOON} ${SITE}/sw.js @ONLY)
