# Makes the page one self-contained file (cmake -P, from Web.cmake): the
# site's index.html with its style sheets and scripts inside, the loader with
# the wasm inside (SINGLE_FILE) for struinpaadje.js, and the icon as a data
# URL. What only a site has goes: the manifest, the preload. `data-los` on
# <html> tells the page that it is this file (no service worker; a file://
# address is fine).
#   cmake -DSITE=<site folder> -DLADER=<single-file loader> -DUIT=<html> -P EenBestand.cmake
file(READ ${SITE}/index.html html)
string(REGEX REPLACE "<html " "<html data-los " html "${html}")
string(REGEX REPLACE "[ ]*<link rel=\"(manifest|apple-touch-icon|preload)\"[^>]*>\n" "" html
       "${html}")

file(READ ${SITE}/icoon.svg icoon)
foreach(paar "%;%25" "#;%23" "<;%3C" ">;%3E" "\";%22" " ;%20" "\n;%0A")
  list(GET paar 0 teken)
  list(GET paar 1 code)
  string(REPLACE "${teken}" "${code}" icoon "${icoon}")
endforeach()
string(REPLACE "href=\"icoon.svg\"" "href=\"data:image/svg+xml,${icoon}\"" html "${html}")

# Inlines a file, unless its text would end the element early.
function(binnen patroon element)
  string(REGEX MATCHALL "${patroon}" verwijzingen "${html}")
  foreach(verwijzing ${verwijzingen})
    string(REGEX REPLACE ".*(src|href)=\"([^\"]+)\".*" "\\2" naam "${verwijzing}")
    set(bron ${SITE}/${naam})
    if(naam STREQUAL "struinpaadje.js")
      set(bron ${LADER})
    endif()
    file(READ ${bron} inhoud)
    string(FIND "${inhoud}" "</${element}" eind)
    if(NOT eind EQUAL -1)
      message(FATAL_ERROR "${naam} bevat </${element} en kan niet in de pagina")
    endif()
    string(REPLACE "${verwijzing}" "<${element}>\n${inhoud}</${element}>" html "${html}")
  endforeach()
  set(html "${html}" PARENT_SCOPE)
endfunction()
binnen("<link rel=\"stylesheet\" href=\"[^\"]+\">" style)
binnen("<script src=\"[^\"]+\"[^>]*></script>" script)

# Nothing may point to a file any more.
string(REGEX MATCHALL "(src|href)=\"[^\"]*\"" verwijzingen "${html}")
foreach(verwijzing ${verwijzingen})
  if(NOT verwijzing MATCHES "=\"(data:|#)")
    message(FATAL_ERROR "de pagina als één bestand verwijst nog naar een bestand: ${verwijzing}")
  endif()
endforeach()
file(WRITE ${UIT} "${html}")
