# Installation rules and packages. Linux: vantor and vantor-book in games/, the default book
# in share/games/vantor and the man pages vantor.6 and vantor-book.6, as a Debian package
# (cpack -G DEB). Windows: the .exe files, Book.db, README.txt and the licences of what they
# carry, as a zip.
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION 0.5)
set(CPACK_PACKAGE_VENDOR Vantor)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "UCI chess engine")
set(CPACK_PACKAGE_DESCRIPTION "A chess engine for UCI chess GUIs, with an SQLite opening book and
optional Gaviota endgame tablebases, and vantor-book, which builds opening books from PGN.")

if(WIN32)
  set(VANTOR_SQLITE_LICENCIA "" CACHE FILEPATH "SQLite's licence notice, for the zip")
  install(TARGETS vantor vantor-book bench perft_suite RUNTIME DESTINATION .)
  install(FILES ${CMAKE_BINARY_DIR}/Book.db DESTINATION .)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/readme-windows.txt ${CMAKE_BINARY_DIR}/README.txt
                 NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/book/lichess/COPYING.txt DESTINATION licences
          RENAME OPENINGS.txt)
  if(VANTOR_SQLITE_LICENCIA)
    install(FILES ${VANTOR_SQLITE_LICENCIA} DESTINATION licences RENAME SQLITE.txt)
  else()
    message(WARNING "VANTOR_SQLITE_LICENCIA not set: the zip lacks SQLite's notice")
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME vantor-0.5-win32)
else()
  install(TARGETS vantor vantor-book RUNTIME DESTINATION games)
  install(FILES ${CMAKE_BINARY_DIR}/Book.db DESTINATION share/games/vantor)
  install(FILES ${CMAKE_SOURCE_DIR}/book/lichess/COPYING.txt DESTINATION share/doc/vantor
          RENAME COPYING.openings)
  foreach(pagina vantor vantor-book)
    set(gz ${CMAKE_BINARY_DIR}/man/${pagina}.6.gz)
    add_custom_command(OUTPUT ${gz}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/man/${pagina}.6 ${gz}
      DEPENDS ${CMAKE_SOURCE_DIR}/man/${pagina}.6 VERBATIM)
    list(APPEND VANTOR_MAN ${gz})
    install(FILES ${gz} DESTINATION share/man/man6)
  endforeach()
  add_custom_target(man ALL DEPENDS ${VANTOR_MAN})
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantor developers")
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libgaviotatb1, gaviotatb")
endif()
include(CPack)
