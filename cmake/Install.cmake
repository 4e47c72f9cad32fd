# Installation: the programs, the desktop entry and the icon in the hicolor
# theme, under the usual GNU folders below CMAKE_INSTALL_PREFIX.
#
# Included from the top-level CMakeLists.txt after every program's folder has
# been added, because it looks at which targets exist.
include(GNUInstallDirs)

install(TARGETS dividir-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window program is built only with the GUI enabled.
if(TARGET dividir)
  install(TARGETS dividir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(dividir_resources ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${dividir_resources}/dividir.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64)
  install(FILES ${dividir_resources}/icons/dividir-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME dividir.png)
endforeach()
install(FILES ${dividir_resources}/icons/dividir.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
