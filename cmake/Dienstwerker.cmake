# Fills in the service worker of the web site (cmake -P, from Web.cmake): its
# version is a hash of every file of the site, so that any change to the site
# reaches the players as a new cache. The worker caches exactly those files
# and checks what it fetched against the same hash, counted the same way:
# "name sha256\n" per file, sorted by name, hashed again.
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
