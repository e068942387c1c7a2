# Run by `cmake --install`: the sample settings under etc, unless a settings file is there already
# (an administrator's edits are never replaced), and an absolute link to them beside the program,
# as Debian's policy asks of links between top-level directories.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(etc /etc)
else()
  set(etc ${CMAKE_INSTALL_PREFIX}/etc)
endif()
set(settings ${etc}/quorlane/Quorlane.ini)
set(link ${CMAKE_INSTALL_PREFIX}/${QUORLANE_PROGRAM_DIR}/Quorlane.ini)
# file(INSTALL) adds DESTDIR itself; if(EXISTS) and file(CREATE_LINK) do not.
if(EXISTS $ENV{DESTDIR}${settings} OR IS_SYMLINK $ENV{DESTDIR}${settings})
  message(STATUS "Keeping: $ENV{DESTDIR}${settings} (settings already there; the sample is not installed)")
else()
  file(INSTALL ${QUORLANE_SAMPLE_SETTINGS} DESTINATION ${etc}/quorlane)
endif()
message(STATUS "Installing: $ENV{DESTDIR}${link} -> ${settings}")
file(CREATE_LINK ${settings} $ENV{DESTDIR}${link} SYMBOLIC)
