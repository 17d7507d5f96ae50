# Runs the benchmark script once at the smallest scale. The test fails when the script
# ends with a non-zero status, and when its table lacks the row of scale 1.
# Called as: cmake -DBENCH=... -DCOMPILACION=... -DTRABAJO=... -P ejecutar_bench.cmake
execute_process(
  COMMAND "${BENCH}" --compilacion "${COMPILACION}" --escalas 1 --repeticiones 1 --trabajo "${TRABAJO}"
  RESULT_VARIABLE estado
  OUTPUT_VARIABLE salida
  ERROR_VARIABLE errores)
message("${salida}")
if(NOT estado EQUAL 0)
  message(FATAL_ERROR "bench/run terminó con el estado «${estado}»:\n${errores}")
endif()
set(numero "[0-9.]+")
set(rango "${numero} \\(${numero}–${numero}\\)")
if(NOT salida MATCHES "\\| 1 \\| 5\\.[0-9] MB \\| ${rango} \\| [0-9]+ \\| ${rango} \\| ${numero} \\| [0-9]+ \\| ${numero} \\| ${rango} \\| ${numero} \\| [0-9]+ \\| ${numero} \\|")
  message(FATAL_ERROR "La tabla de bench/run no tiene la fila de la escala 1:\n${salida}\n${errores}")
endif()
