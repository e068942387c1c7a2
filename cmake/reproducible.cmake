# Two builds of one commit in different directories give the same bytes: no build paths in the
# objects, no link time in Windows programs, and the packages dated SOURCE_DATE_EPOCH, which is
# the time of the commit unless the caller sets it.
if(NOT MSVC)
  add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=" "-ffile-prefix-map=${PROJECT_BINARY_DIR}/=")
endif()
if(MINGW)
  add_link_options(-Wl,--no-insert-timestamp)
endif()

set(QUORLANE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if("${QUORLANE_SOURCE_DATE_EPOCH}" STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE QUORLANE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
endif()
if("${QUORLANE_SOURCE_DATE_EPOCH}" STREQUAL "")  # no git: the day of the last release in CHANGELOG.md
  file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md release REGEX "^## \\[[0-9]" LIMIT_COUNT 1)
  string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+" release "${release}")
  execute_process(COMMAND date -u -d "${release}" +%s OUTPUT_VARIABLE QUORLANE_SOURCE_DATE_EPOCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()

# cpack reads SOURCE_DATE_EPOCH from its environment; this file is read by every cpack run.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_dates.cmake)
set(CPACK_QUORLANE_SOURCE_DATE_EPOCH ${QUORLANE_SOURCE_DATE_EPOCH})
