# The browser.
#   With emscripten (cmake --preset web): the program and the page in web/
#   become one site in build/web/site, ready for any static host, with a
#   service worker that keeps it playable offline.
#   With the normal compiler: the browser suite (tests/web) joins ctest under
#   the label "web" when emscripten, chromium, node and npm are present (not in
#   the sanitizer build: it would only run the same site again).

if(EMSCRIPTEN)
  set(STRUIN_SITE ${CMAKE_BINARY_DIR}/site)
  set_target_properties(struinpaadje PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${STRUIN_SITE})
  # The page starts main itself (ccall, async) so that it gets the exit
  # status once the game has ended after its last awaited key.
  target_link_options(struinpaadje PRIVATE -sASYNCIFY -sINVOKE_RUN=0 -sENVIRONMENT=web
                      -sALLOW_MEMORY_GROWTH -sEXPORTED_RUNTIME_METHODS=ccall)
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

  # The release package: the site in one folder with a LEESMIJ.txt on putting
  # it online, zipped (target webzip).
  set(STRUIN_WEBNAAM struinpaadje-${PROJECT_VERSION}-web)
  set(STRUIN_PAKKETTEN ${CMAKE_BINARY_DIR}/pakketten)
  add_custom_target(webzip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${STRUIN_PAKKETTEN}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${STRUIN_SITE} ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/LEESMIJ-web.txt
            ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}/LEESMIJ.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${STRUIN_PAKKETTEN}
            ${CMAKE_COMMAND} -E tar cf ${STRUIN_WEBNAAM}.zip --format=zip ${STRUIN_WEBNAAM}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${STRUIN_PAKKETTEN}/${STRUIN_WEBNAAM}
    DEPENDS struinpaadje dienstwerker
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
