#!/bin/sh
# Runs a Qt Test program under Wine for CTest. Wine does not pass QT_ environment
# variables on, so the platform is chosen on the command line; a QtTest program without a
# console reports only when asked for a file, which is printed afterwards.
# Usage: prueba_qt_wine.sh EMULADOR PROGRAMA.exe [arguments...]
emulador=$1
programa=$2
shift 2
resultado=${programa%.exe}.resultado.txt
rm -f "$resultado"
"$emulador" "$programa" -platform offscreen -o "$resultado,txt" "$@"
estado=$?
if [ -f "$resultado" ]; then
  cat "$resultado"
else
  echo "$programa no ha dejado resultados (estado $estado)." >&2
  [ "$estado" -eq 0 ] && estado=1
fi
exit "$estado"
