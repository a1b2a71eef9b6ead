# Installing and packaging.
#   Debian and other Unix-likes: the program into games/ under the prefix, the
#   manual page into section 6, the copyright and changelog into
#   share/doc/struinpaadje;  cpack -G DEB  makes the .deb.
#   Windows (the mingw preset): struinpaadje.exe and LEESMIJ.txt at the top;
#   cpack  makes the .zip.
include(GNUInstallDirs)

if(WIN32)
  set(STRUIN_INSTALL_BINDIR "." CACHE STRING "Where the program goes, under the prefix")
  install(TARGETS struinpaadje RUNTIME DESTINATION ${STRUIN_INSTALL_BINDIR})
  # A text file for Windows has Windows line ends.
  configure_file(${CMAKE_SOURCE_DIR}/packaging/LEESMIJ.txt ${CMAKE_BINARY_DIR}/LEESMIJ.txt @ONLY
                 NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/LEESMIJ.txt DESTINATION .)
else()
  set(STRUIN_INSTALL_BINDIR "games" CACHE STRING "Where the program goes, under the prefix")
  install(TARGETS struinpaadje RUNTIME DESTINATION ${STRUIN_INSTALL_BINDIR})
  # The manual page and the changelog go in gzipped, without a time stamp (a
  # Debian package wants them so).
  foreach(bestand struinpaadje.6 changelog)
    add_custom_command(
      OUTPUT ${bestand}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${bestand} ${bestand}
      COMMAND gzip -9nf ${bestand}
      DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${bestand}
      VERBATIM)
  endforeach()
  add_custom_target(struin_gezipt ALL DEPENDS struinpaadje.6.gz changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/struinpaadje.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME "struinpaadje")
set(CPACK_PACKAGE_VENDOR "De Struinpaadje")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Nederlandstalig puzzelspel voor de tekstconsole")
# The package's long description: one line each, as the package shows them.
set(CPACK_PACKAGE_DESCRIPTION "Wandel door een bos van 4 bij 4 plekken, speel zes minispelletjes, verzamel
zes voorwerpen en bereik het eindpunt. Voor een terminal van 80 bij 25 tekens.")
set(CPACK_PACKAGE_CONTACT "Het Struinpaadje-team <team@struinpaadje.nl>")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_OUTPUT_FILE_PREFIX "${CMAKE_BINARY_DIR}/pakketten")

if(WIN32)
  set(CPACK_GENERATOR "ZIP")
  set(CPACK_SYSTEM_NAME "win64")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR "DEB")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
  set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
  set(CPACK_DEBIAN_PACKAGE_SECTION "games")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
  find_program(STRUIN_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(STRUIN_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12)")
  endif()
endif()

include(CPack)
