# Quorlane.exe: the Win32 front end, its resources, and the zip handed out (CPack).

# Version texts from project(VERSION): 1,0,0,0 for the fixed record, 1.00 for the strings.
set(QUORLANE_VERSION_COMMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(QUORLANE_VERSION_DOTS
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits LESS 2)
  set(QUORLANE_VERSION_SHORT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(QUORLANE_VERSION_SHORT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
set(QUORLANE_ICON "${PROJECT_SOURCE_DIR}/resources/quorlane.ico")
set(QUORLANE_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/quorlane.manifest")
configure_file("${PROJECT_SOURCE_DIR}/resources/windows/quorlane.manifest.in" "${QUORLANE_MANIFEST}"
               @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/windows/quorlane.rc.in"
               "${CMAKE_CURRENT_BINARY_DIR}/quorlane.rc" @ONLY)

# A GUI program with wWinMain; the C++ runtime linked in, so that it needs only Windows' own DLLs;
# unused code dropped and symbols stripped in the optimised builds.
function(quorlane_link_as_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  target_link_options(${target} PRIVATE -municode -static
    $<$<CONFIG:MinSizeRel,Release>:-s -Wl,--gc-sections>)
endfunction()

enable_language(RC)
# The icon, manifest and version record: linked into Quorlane.exe and into the benchmarks' floor.
add_library(quorlane_resources OBJECT "${CMAKE_CURRENT_BINARY_DIR}/quorlane.rc")
set_source_files_properties("${CMAKE_CURRENT_BINARY_DIR}/quorlane.rc" PROPERTIES
  OBJECT_DEPENDS "${QUORLANE_ICON};${QUORLANE_MANIFEST}")

add_executable(quorlane_win32_program win_main.cpp)
set_target_properties(quorlane_win32_program PROPERTIES OUTPUT_NAME Quorlane)
target_link_libraries(quorlane_win32_program PRIVATE quorlane_resources quorlane_win32
                      quorlane_warnings)
quorlane_link_as_windows_program(quorlane_win32_program)
# The linker's map tells what the program holds of the runtime libraries (ThirdPartyNotices.txt).
target_link_options(quorlane_win32_program PRIVATE
  "-Wl,-Map=$<TARGET_FILE_DIR:quorlane_win32_program>/Quorlane.map")
quorlane_copy_sample_settings(quorlane_win32_program)

# The zip: the program, its settings, the read-me, the licence and the notices (as the MSI).
install(TARGETS quorlane_win32_program RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/resources/Quorlane.ini"
              "${PROJECT_SOURCE_DIR}/resources/windows/Readme.txt"
              "${PROJECT_SOURCE_DIR}/resources/windows/ThirdPartyNotices.txt"
        DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME License.txt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorlane)
set(CPACK_PACKAGE_FILE_NAME "Quorlane-${PROJECT_VERSION}-windows-x64")
include(CPack)
