# Run by `cmake --install`: the sample settings under etc, and a relative link to them beside the
# program, so that a packaged tree can be unpacked anywhere and still find its settings.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(etc /etc)
else()
  set(etc ${CMAKE_INSTALL_PREFIX}/etc)
endif()
set(settings ${etc}/quorlane/Quorlane.ini)
set(link ${CMAKE_INSTALL_PREFIX}/${QUORLANE_PROGRAM_DIR}/Quorlane.ini)
# file(INSTALL) adds DESTDIR itself; file(CREATE_LINK) does not.
file(INSTALL ${QUORLANE_SAMPLE_SETTINGS} DESTINATION ${etc}/quorlane)
file(RELATIVE_PATH target ${CMAKE_INSTALL_PREFIX}/${QUORLANE_PROGRAM_DIR} ${settings})
message(STATUS "Installing: $ENV{DESTDIR}${link} -> ${target}")
file(CREATE_LINK ${target} $ENV{DESTDIR}${link} SYMBOLIC)
