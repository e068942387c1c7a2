# Quorlane-<version>-x64.msi beside the zip, for IT departments (msiexec /qn, Group Policy, Intune):
# built with wixl from Debian's msitools where it is installed.
find_program(QUORLANE_WIXL wixl)
find_program(QUORLANE_FAKETIME faketime)
if(NOT QUORLANE_WIXL OR NOT QUORLANE_FAKETIME)
  message(STATUS "wixl or faketime not found: no MSI package")
  return()
endif()

set(QUORLANE_MSI "${CMAKE_BINARY_DIR}/Quorlane-${PROJECT_VERSION}-x64.msi")
set(QUORLANE_BUILD_MSI "${PROJECT_SOURCE_DIR}/cmake/build_msi.cmake")
# All but the version and where it goes: the MSI test builds a later version from them too.
set(QUORLANE_MSI_DEFINITIONS -D "SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    -D "PROGRAM=$<TARGET_FILE:quorlane_win32_program>" -D "MANUFACTURER=${QUORLANE_MAINTAINER_NAME}"
    -D "EPOCH=${QUORLANE_SOURCE_DATE_EPOCH}")
set(windows "${PROJECT_SOURCE_DIR}/resources/windows")
add_custom_command(OUTPUT "${QUORLANE_MSI}"
  COMMAND ${CMAKE_COMMAND} ${QUORLANE_MSI_DEFINITIONS} -D "VERSION=${PROJECT_VERSION}"
          -D "WORK=${CMAKE_CURRENT_BINARY_DIR}/msi" -D "OUTPUT=${QUORLANE_MSI}" -P "${QUORLANE_BUILD_MSI}"
  DEPENDS quorlane_win32_program "${QUORLANE_BUILD_MSI}"
          "${windows}/Quorlane.wxs.in" "${PROJECT_SOURCE_DIR}/resources/Quorlane.ini"
          "${windows}/Readme.txt" "${windows}/ThirdPartyNotices.txt" "${PROJECT_SOURCE_DIR}/resources/quorlane.ico"
          "${PROJECT_SOURCE_DIR}/LICENSE"
  COMMENT "Building Quorlane-${PROJECT_VERSION}-x64.msi"
  VERBATIM)
add_custom_target(quorlane_msi ALL DEPENDS "${QUORLANE_MSI}")
