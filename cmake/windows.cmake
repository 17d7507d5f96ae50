# Windows: what the desktop program needs beside it (MinGW's and Qt's DLLs, Qt's plugins),
# put beside the built programs so that they run under Wine, and the package
# Pasahorario-<version>-win64.zip that goes into Sesionix's folder.

# MinGW's run-time DLLs, which the Qt DLLs use (our own programs link them statically).
set(PH_DLLS_MINGW)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE ruta OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${ruta}" OR NOT EXISTS "${ruta}")
    find_file(ruta_${dll} ${dll} PATHS /usr/${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32/lib NO_DEFAULT_PATH)
    set(ruta ${ruta_${dll}})
  endif()
  if(NOT EXISTS "${ruta}")
    message(FATAL_ERROR "No se encuentra ${dll} de MinGW-w64.")
  endif()
  list(APPEND PH_DLLS_MINGW ${ruta})
endforeach()

set(PASAHORARIO_CLI_LINUX "" CACHE FILEPATH "pasahorario-cli of a Linux build, for comparing tables")

if(NOT TARGET pasahorario OR NOT Qt6_DIR)
  return()
endif()
get_filename_component(PH_KIT_QT "${Qt6_DIR}/../../.." ABSOLUTE)
set(PH_DLLS_QT ${PH_KIT_QT}/bin/Qt6Core.dll ${PH_KIT_QT}/bin/Qt6Gui.dll ${PH_KIT_QT}/bin/Qt6Widgets.dll)

# Qt's Spanish translation comes from Debian's qt6-translations-l10n.
find_file(PH_QTBASE_ES qtbase_es.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT PH_QTBASE_ES)
  message(FATAL_ERROR "Falta qtbase_es.qm: instale el paquete de Debian qt6-translations-l10n.")
endif()

# Beside the desktop program and the Qt Test programs, for the runs under Wine, as the
# package lays them out.
foreach(destino ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/tests/app)
  file(COPY ${PH_DLLS_MINGW} ${PH_DLLS_QT} ${PH_KIT_QT}/bin/Qt6Test.dll DESTINATION ${destino})
  file(COPY ${PH_KIT_QT}/plugins/platforms ${PH_KIT_QT}/plugins/styles DESTINATION ${destino})
  file(COPY ${PH_QTBASE_ES} DESTINATION ${destino}/translations)
endforeach()

# The package. The help file is taken when the build made one.
set(PH_PAQUETE ${CMAKE_BINARY_DIR}/Pasahorario-${PROJECT_VERSION}-win64.zip)
# The help file: this build's, else the one the Linux build beside it made.
set(PH_AYUDA_LINUX)
if(PASAHORARIO_CLI_LINUX)
  get_filename_component(carpeta_linux "${PASAHORARIO_CLI_LINUX}" DIRECTORY)
  set(PH_AYUDA_LINUX ${carpeta_linux}/ITACA.chm)
endif()
set(PH_DEPENDENCIAS_PAQUETE pasahorario pasahorario-cli)
add_custom_target(paquete_windows ALL
  COMMAND ${CMAKE_COMMAND}
          -DPROGRAMA=$<TARGET_FILE:pasahorario> -DCLI=$<TARGET_FILE:pasahorario-cli>
          "-DDLLS=${PH_DLLS_MINGW};${PH_DLLS_QT}" -DKIT=${PH_KIT_QT} -DTRADUCCION=${PH_QTBASE_ES}
          "-DAYUDAS=${CMAKE_BINARY_DIR}/ITACA.chm;${PH_AYUDA_LINUX}" -DLEEME=${CMAKE_SOURCE_DIR}/paquete/LEEME.txt
          -DSTRIP=${CMAKE_STRIP} -DCARPETA=${CMAKE_BINARY_DIR}/paquete-windows -DZIP=${PH_PAQUETE}
          -P ${CMAKE_SOURCE_DIR}/cmake/paquete_windows.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/paquete_windows.cmake ${CMAKE_SOURCE_DIR}/paquete/LEEME.txt
  BYPRODUCTS ${PH_PAQUETE}
  COMMENT "Paquete ${PH_PAQUETE}"
  VERBATIM)
add_dependencies(paquete_windows ${PH_DEPENDENCIAS_PAQUETE})

# The package unpacked as a school installs it, under Wine. PASAHORARIO_CLI_LINUX names the
# Linux build's pasahorario-cli, whose tables the Windows one must equal byte for byte.
if(CMAKE_CROSSCOMPILING_EMULATOR)
  add_test(NAME paquete_windows
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/windows/probar_paquete.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                   ${PH_PAQUETE} ${CMAKE_SOURCE_DIR}/examples/centro.xml ${CMAKE_BINARY_DIR}/prueba-paquete
                   "${PASAHORARIO_CLI_LINUX}" ${CMAKE_SOURCE_DIR}/tests/data/xml/centro_windows1252.xml
                   ${CMAKE_SOURCE_DIR}/tests/data/xml/centro_sin_declaracion_1252.xml)
  # Alone: its virtual display must not serve the Qt Test programs that run meanwhile.
  set_tests_properties(paquete_windows PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
