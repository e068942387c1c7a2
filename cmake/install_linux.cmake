# Installs the Qt program as a Linux desktop application. The program reads Quorlane.ini beside
# its own executable, so it gets a directory of its own with a launcher link on the PATH; the
# Quorlane.ini there is a link to the administrator's file under etc. Its manual pages, changelog
# and copyright file come with it (install_docs.cmake).
set(QUORLANE_PROGRAM_DIR lib/quorlane)
set(QUORLANE_LINUX_RESOURCES ${PROJECT_SOURCE_DIR}/resources/linux)

install(TARGETS quorlane RUNTIME DESTINATION ${QUORLANE_PROGRAM_DIR})

# The launcher is a relative link made in the build tree; installing a link installs the link.
file(CREATE_LINK ../${QUORLANE_PROGRAM_DIR}/quorlane ${CMAKE_CURRENT_BINARY_DIR}/quorlane-launcher
     SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quorlane-launcher DESTINATION bin RENAME quorlane)

# Where etc lies is known only when installing: /etc for the /usr prefix, as GNUInstallDirs has it.
install(CODE "set(QUORLANE_SAMPLE_SETTINGS \"${PROJECT_SOURCE_DIR}/resources/Quorlane.ini\")
              set(QUORLANE_PROGRAM_DIR \"${QUORLANE_PROGRAM_DIR}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install_settings.cmake)

# The home page and screenshot in the metainfo only where a packager has given them.
set(QUORLANE_METAINFO_LINKS "")
if(QUORLANE_SCREENSHOT_URL)
  string(APPEND QUORLANE_METAINFO_LINKS "  <screenshots>
    <screenshot type=\"default\">
      <caption>A meeting under way: elapsed time and cost so far</caption>
      <caption xml:lang=\"ja\">会議中の画面：経過時間と発生費用</caption>
      <image>${QUORLANE_SCREENSHOT_URL}</image>
    </screenshot>
  </screenshots>\n")
endif()
if(QUORLANE_HOMEPAGE)
  string(APPEND QUORLANE_METAINFO_LINKS "  <url type=\"homepage\">${QUORLANE_HOMEPAGE}</url>\n")
endif()
configure_file(${QUORLANE_LINUX_RESOURCES}/quorlane.desktop.in ${QUORLANE_APP_ID}.desktop @ONLY)
configure_file(${QUORLANE_LINUX_RESOURCES}/quorlane.metainfo.xml.in ${QUORLANE_APP_ID}.metainfo.xml
               @ONLY)
set(configured ${CMAKE_CURRENT_BINARY_DIR}/${QUORLANE_APP_ID})
install(FILES ${configured}.desktop DESTINATION share/applications)
install(FILES ${configured}.metainfo.xml DESTINATION share/metainfo)

set(hicolor ${PROJECT_SOURCE_DIR}/resources/icon/hicolor)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${hicolor}/${size}x${size}/apps/quorlane.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${QUORLANE_APP_ID}.png)
endforeach()
install(FILES ${hicolor}/scalable/apps/quorlane.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${QUORLANE_APP_ID}.svg)

include(${CMAKE_CURRENT_LIST_DIR}/install_docs.cmake)
