# Makes the Windows package (run with cmake -P by the target paquete_windows): a folder
# with everything that goes beside Sesionix, zipped.
file(REMOVE_RECURSE ${CARPETA})
file(MAKE_DIRECTORY ${CARPETA}/platforms ${CARPETA}/styles ${CARPETA}/translations)
# Sesionix starts the program by this name.
file(COPY_FILE ${PROGRAMA} ${CARPETA}/Pasahorario.exe)
file(COPY ${CLI} ${DLLS} DESTINATION ${CARPETA})
file(COPY ${KIT}/plugins/platforms/qwindows.dll DESTINATION ${CARPETA}/platforms)
file(COPY ${KIT}/plugins/styles/qwindowsvistastyle.dll DESTINATION ${CARPETA}/styles)
file(COPY ${TRADUCCION} DESTINATION ${CARPETA}/translations)
if(EXISTS ${AYUDA})
  file(COPY ${AYUDA} DESTINATION ${CARPETA})
endif()
# Symbols are of no use to a school: stripped, MinGW's libstdc++ shrinks tenfold.
if(STRIP)
  file(GLOB binarios ${CARPETA}/*.exe ${CARPETA}/lib*.dll)
  execute_process(COMMAND ${STRIP} --strip-unneeded ${binarios} RESULT_VARIABLE r)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "No se han podido limpiar los símbolos de ${binarios}.")
  endif()
endif()
# The notes in Windows' line ends.
file(READ ${LEEME} texto)
string(REPLACE "\r\n" "\n" texto "${texto}")
string(REPLACE "\n" "\r\n" texto "${texto}")
file(WRITE ${CARPETA}/LEEME.txt "${texto}")
file(REMOVE ${ZIP})
file(GLOB contenido RELATIVE ${CARPETA} ${CARPETA}/*)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${contenido}
                WORKING_DIRECTORY ${CARPETA} RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "No se ha podido crear ${ZIP}.")
endif()
