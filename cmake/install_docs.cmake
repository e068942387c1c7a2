# The documents a Linux install carries, in the forms Debian asks for: manual pages in English and
# Japanese, the changelog (from CHANGELOG.md) and the machine-readable copyright file; the pages and
# the changelog gzipped with neither name nor time inside.
set(QUORLANE_DOC_DIR share/doc/quorlane)
set(changelog ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
set(docs ${CMAKE_CURRENT_BINARY_DIR}/docs)

# The newest release in the changelog dates the manual pages.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} release REGEX "^## \\[[0-9]" LIMIT_COUNT 1)
string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+" QUORLANE_RELEASE_DATE "${release}")

set(QUORLANE_COPYRIGHT_SOURCE "")
if(QUORLANE_HOMEPAGE)
  set(QUORLANE_COPYRIGHT_SOURCE "Source: ${QUORLANE_HOMEPAGE}\n")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/linux/copyright.in ${docs}/copyright @ONLY)
install(FILES ${docs}/copyright DESTINATION ${QUORLANE_DOC_DIR})

add_custom_command(OUTPUT ${docs}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -D INPUT=${changelog} -D OUTPUT=${docs}/changelog -D PACKAGE=quorlane
          -D "MAINTAINER=${QUORLANE_MAINTAINER}" -P ${CMAKE_CURRENT_LIST_DIR}/debian_changelog.cmake
  DEPENDS ${changelog} ${CMAKE_CURRENT_LIST_DIR}/debian_changelog.cmake VERBATIM)
install(FILES ${docs}/changelog.gz DESTINATION ${QUORLANE_DOC_DIR})

set(documents ${docs}/changelog.gz)
foreach(language en ja)
  set(man man/${language}/man1)  # English pages lie in man/man1 itself
  string(REPLACE "man/en/" "man/" man ${man})
  set(page ${docs}/${man}/quorlane.1)
  string(REPLACE "${docs}/man/" "${PROJECT_SOURCE_DIR}/resources/man/" source ${page})
  configure_file(${source}.in ${page}.in @ONLY)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${page}.in ${page}
    COMMAND gzip -9nf ${page}
    DEPENDS ${page}.in VERBATIM)
  install(FILES ${page}.gz DESTINATION share/${man})
  list(APPEND documents ${page}.gz)
endforeach()
add_custom_target(quorlane_docs ALL DEPENDS ${documents})

# Without an e-mail address (the default: the project has none to give) the Maintainer field and the
# changelog's sign-off are not what Debian's tools parse; lintian is told why, in the package.
if(NOT QUORLANE_MAINTAINER MATCHES "<.+@.+>")
  file(WRITE ${docs}/lintian-overrides "\
# The maintainer names the project only, which has no e-mail address of its own; whoever hands the
# package out sets QUORLANE_MAINTAINER to \"Name <address>\", and these go away.
quorlane: malformed-contact Maintainer *
quorlane: syntax-error-in-debian-changelog *
")
  install(FILES ${docs}/lintian-overrides DESTINATION share/lintian/overrides RENAME quorlane)
endif()
