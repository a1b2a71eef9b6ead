# The browser.
#   With emscripten (cmake --preset web): the program and the page in web/
#   become one site in build/web/site, ready for any static host, with a
#   service worker that keeps it playable offline, and one HTML file that
#   holds it all for a double-click.
#   With the normal compiler: the browser suite (tests/web) joins ctest under
#   the label "web" when emscripten, chromium, node and npm are present (not in
#   the sanitizer build: it would only run the same site again).

if(EMSCRIPTEN)
  set(STRUIN_SITE ${CMAKE_BINARY_DIR}/site)
  set_target_properties(struinpaadje PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${STRUIN_SITE})
  # The page starts main itself (ccall, async) so that it gets the exit
  # status once the game has ended after its last awaited key.
  set(STRUIN_WEBOPTIES -sASYNCIFY -sINVOKE_RUN=0 -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH
      -sEXPORTED_RUNTIME_METHODS=ccall)
  target_link_options(struinpaadje PRIVATE ${STRUIN_WEBOPTIES})
  # The icons' PNGs come from icoon.svg: rsvg-convert -w 192 -h 192 icoon.svg
  # -o icoon-192.png (package librsvg2-bin), the same for 512.
  set(STRUIN_PAGINA index.html speelveld.js speelveld.css manifest.webmanifest icoon.svg
      icoon-192.png icoon-512.png voorlezen.js)
  foreach(bestand ${STRUIN_PAGINA})
    configure_file(${CMAKE_SOURCE_DIR}/web/${bestand} ${STRUIN_SITE}/${bestand} COPYONLY)
  endforeach()
  # The service worker last, once every other file of the site is there.
  list(TRANSFORM STRUIN_PAGINA PREPEND ${STRUIN_SITE}/)
  add_custom_command(OUTPUT ${STRUIN_SITE}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${STRUIN_SITE} -DSJABLOON=${CMAKE_SOURCE_DIR}/web/sw.js
            -P ${CMAKE_SOURCE_DIR}/cmake/Dienstwerker.cmake
    DEPENDS struinpaadje ${STRUIN_PAGINA} ${CMAKE_SOURCE_DIR}/web/sw.js
            ${CMAKE_SOURCE_DIR}/cmake/Dienstwerker.cmake
    COMMENT "De service worker met de hash van de site")
  add_custom_target(dienstwerker ALL DEPENDS ${STRUIN_SITE}/sw.js)

  # The page as one file (target losbestand): build/web/los/struinpaadje.html
  # plays from a double-click, a USB stick or a learning platform's upload. The
  # same program with the wasm inside its loader (SINGLE_FILE), and the page's
  # scripts and styles inside the HTML; no service worker, no manifest.
  set(STRUIN_LOS ${CMAKE_BINARY_DIR}/los)
  add_executable(struinpaadje_los app/main.cpp console/achterkant/web.cpp)
  target_link_libraries(struinpaadje_los PRIVATE struin)
  target_link_options(struinpaadje_los PRIVATE ${STRUIN_WEBOPTIES} -sSINGLE_FILE)
  set_target_properties(struinpaadje_los PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${STRUIN_LOS})
  set(STRUIN_LOSSE_DELEN ${STRUIN_PAGINA})
  list(FILTER STRUIN_LOSSE_DELEN INCLUDE REGEX "[.](html|js|css|svg)$")
  add_custom_command(OUTPUT ${STRUIN_LOS}/struinpaadje.html
    COMMAND ${CMAKE_COMMAND} -DSITE=${STRUIN_SITE} -DLADER=${STRUIN_LOS}/struinpaadje_los.js
            -DUIT=${STRUIN_LOS}/struinpaadje.html -P ${CMAKE_SOURCE_DIR}/cmake/EenBestand.cmake
    DEPENDS struinpaadje_los ${STRUIN_LOSSE_DELEN} ${CMAKE_SOURCE_DIR}/cmake/EenBestand.cmake
    COMMENT "De pagina als één bestand: ${STRUIN_LOS}/struinpaadje.html")
  add_custom_target(losbestand ALL DEPENDS ${STRUIN_LOS}/struinpaadje.html)

  # The release package: the site in one folder with a LEESMIJ.txt on putting
  # it online and the page as one file beside it, zipped (target webzip); the
  # one file also lies beside the zip.
  set(STRUIN_WEBNAAM struinpaadje-${PROJECT_VERSION}-web)
  set(STRUIN_PAKKETTEN ${CMAKE_BINARY_DIR}/pakketten)
  add_custom_target(webzip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${STRUIN_PAKKETTEN}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${STRUIN_SITE} ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/LEESMIJ-web.txt
            ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}/LEESMIJ.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${STRUIN_LOS}/struinpaadje.html
            ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}/struinpaadje.html
    COMMAND ${CMAKE_COMMAND} -E copy ${STRUIN_LOS}/struinpaadje.html ${STRUIN_PAKKETTEN}
    COMMAND ${CMAKE_COMMAND} -E chdir ${STRUIN_PAKKETTEN}
            ${CMAKE_COMMAND} -E tar cf ${STRUIN_WEBNAAM}.zip --format=zip ${STRUIN_WEBNAAM}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}
    DEPENDS struinpaadje dienstwerker losbestand
    COMMENT "De site ingepakt: ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}.zip")
elseif(STRUIN_TESTS AND NOT WIN32 AND NOT STRUIN_SANITIZE)
  find_program(STRUIN_EMXX em++)
  find_program(STRUIN_CHROMIUM chromium)
  find_program(STRUIN_NODE node)
  find_program(STRUIN_NPM npm) # installs the suite's puppeteer-core
  if(STRUIN_EMXX AND STRUIN_CHROMIUM AND STRUIN_NODE AND STRUIN_NPM)
    # Builds the web preset itself, then measures: so it runs alone.
    add_test(NAME web.browser COMMAND ${CMAKE_SOURCE_DIR}/tests/web/draai.sh)
    set_tests_properties(web.browser PROPERTIES LABELS web RUN_SERIAL TRUE TIMEOUT 900)
  else()
    # Said on every configure (./test.sh shows it too), never left out unsaid.
    set(ontbreekt)
    foreach(paar EMXX:emscripten CHROMIUM:chromium NODE:nodejs NPM:npm)
      string(REPLACE ":" ";" paar ${paar})
      list(GET paar 0 programma)
      list(GET paar 1 pakket)
      if(NOT STRUIN_${programma})
        list(APPEND ontbreekt ${pakket})
      endif()
    endforeach()
    list(JOIN ontbreekt " " ontbreekt)
    message(NOTICE "De browsersuite (ctest -L web) is weggelaten: er ontbreekt ${ontbreekt}; "
            "installeer met apt-get install --no-install-recommends ${ontbreekt} en draai ./test.sh opnieuw.")
  endif()
endif()
