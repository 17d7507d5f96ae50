#!/bin/bash
# The Windows package, unpacked into a fresh folder beside a Sesionix.ini that has other
# sections, as a school installs it: pasahorario-cli.exe makes the work tables from the
# sample centre file (byte for byte those of the Linux build, apart from the date of the
# header, when the Linux program is given), and Pasahorario.exe started by Sesionix as
# "Pasahorario.exe exportar x" shows its window and, closed, leaves the completion code in
# the ini beside it. The desktop program runs on Windows' own platform plugin, the one the
# package ships, on a virtual X display.
# The further centre files (another encoding, say) are compared with Linux's tables too.
# Usage: probar_paquete.sh EMULADOR PAQUETE.zip CENTRO.xml TRABAJO [PASAHORARIO_CLI_LINUX [CENTRO.xml...]]
set -u
emulador=$1 paquete=$2 centro=$3 trabajo=$4 cli_linux=${5:-}
shift 5 2>/dev/null || shift $#
mas_centros=("$@")
fallos=0
falla() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

rm -rf "$trabajo"
sesionix=$trabajo/Sesionix
mkdir -p "$sesionix" "$trabajo/Centro José Ñ" "$trabajo/stemp"
unzip -q "$paquete" -d "$sesionix" || { echo "FALLO: no se descomprime $paquete" >&2; exit 1; }
for f in Pasahorario.exe pasahorario-cli.exe LEEME.txt Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
         libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
         styles/qwindowsvistastyle.dll translations/qtbase_es.qm; do
  [[ -f $sesionix/$f ]] || falla "el paquete no tiene $f"
done
grep -q $'\r$' "$sesionix/LEEME.txt" || falla "LEEME.txt no tiene finales de línea de Windows"
printf '[Sesionix]\r\nRuta=C:\\SX19\r\n\r\n[Transformadores]\r\nOtro=7\r\n' > "$sesionix/Sesionix.ini"
cp "$centro" "$trabajo/Centro José Ñ/centro.xml"

# The command-line program from the package, on a folder with accents and spaces.
(cd "$trabajo" && "$emulador" Sesionix/pasahorario-cli.exe itaca-a-sesionix "Centro José Ñ/centro.xml" --stemp stemp) \
  > "$trabajo/cli.txt" 2>&1
estado=$?
[[ $estado -eq 0 ]] || falla "pasahorario-cli.exe termina con $estado: $(cat "$trabajo/cli.txt")"
tablas=(PROFT CURSOST GRUPOST ASIGNOMT AULAT ASIGT DIASHORAST)
for t in "${tablas[@]}"; do
  [[ -s $trabajo/stemp/$t.DBF ]] || falla "pasahorario-cli.exe no ha escrito $t.DBF"
done

# The same tables from the Linux program: equal apart from the header's date (bytes 1-3).
comparar() {  # comparar WINDOWS LINUX CENTRO
  local t a b distintos
  for t in "${tablas[@]}"; do
    a=$1/$t.DBF b=$2/$t.DBF
    if [[ ! -f $a || ! -f $b || $(stat -c %s "$a") != $(stat -c %s "$b") ]]; then
      falla "$3: $t.DBF no mide lo mismo en Windows y en Linux"
      continue
    fi
    # cmp -l numbers bytes from 1: the date is at 2, 3 and 4.
    distintos=$(cmp -l "$a" "$b" | awk '$1 < 2 || $1 > 4' | head -n 5)
    [[ -z $distintos ]] || falla "$3: $t.DBF difiere de la de Linux (posición, Windows, Linux en octal): $distintos"
  done
}
if [[ -n $cli_linux ]]; then
  mkdir -p "$trabajo/stemp-linux"
  "$cli_linux" itaca-a-sesionix "$trabajo/Centro José Ñ/centro.xml" --stemp "$trabajo/stemp-linux" >/dev/null 2>&1 ||
    falla "el pasahorario-cli de Linux ha fallado"
  comparar "$trabajo/stemp" "$trabajo/stemp-linux" "$(basename "$centro")"
  n=0
  for otro in "${mas_centros[@]}"; do
    n=$((n + 1))
    mkdir -p "$trabajo/otro$n/w" "$trabajo/otro$n/l"
    cp "$otro" "$trabajo/otro$n/centro.xml"
    (cd "$trabajo" && "$emulador" Sesionix/pasahorario-cli.exe itaca-a-sesionix "otro$n/centro.xml" --stemp "otro$n/w") \
      >/dev/null 2>&1 || falla "pasahorario-cli.exe falla con $(basename "$otro")"
    "$cli_linux" itaca-a-sesionix "$trabajo/otro$n/centro.xml" --stemp "$trabajo/otro$n/l" >/dev/null 2>&1 ||
      falla "el pasahorario-cli de Linux falla con $(basename "$otro")"
    comparar "$trabajo/otro$n/w" "$trabajo/otro$n/l" "$(basename "$otro")"
  done
fi

# The desktop program as Sesionix starts it; closed through its window, it writes 0.
# It runs in a Wine prefix of its own, as on a machine of its own: in the build's prefix the
# Windows desktop may already run without a display (started by a console program), and
# the window would then never reach the virtual display.
emulador_gui=$trabajo/wine-ejecutar
sed "s#WINEPREFIX='[^']*'#WINEPREFIX='$trabajo/wine'#" "$emulador" > "$emulador_gui"
chmod +x "$emulador_gui"
titulo="Exportar e importar datos entre Sesionix e ITACA"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  emulador=$1 sesionix=$2 titulo=$3
  (cd "$sesionix" && exec "$emulador" Pasahorario.exe exportar x) &
  programa=$!
  visto=0
  for _ in $(seq 1 240); do
    if xwininfo -root -tree 2>/dev/null | grep -qF "$titulo"; then visto=1; break; fi
    kill -0 $programa 2>/dev/null || break
    sleep 0.5
  done
  if [[ $visto == 1 ]]; then
    "$emulador" taskkill /im Pasahorario.exe >/dev/null 2>&1
  else
    echo "FALLO: no aparece la ventana «$titulo»" >&2
  fi
  for _ in $(seq 1 60); do kill -0 $programa 2>/dev/null || break; sleep 0.5; done
  if kill -0 $programa 2>/dev/null; then
    echo "FALLO: Pasahorario.exe no se cierra" >&2
    "$emulador" taskkill /f /im Pasahorario.exe >/dev/null 2>&1
    exit 1
  fi
  [[ $visto == 1 ]]
' _ "$emulador_gui" "$sesionix" "$titulo" || falla "el programa de escritorio no ha pasado"
ini=$(tr -d '\r' < "$sesionix/Sesionix.ini")
esperado=$'[Sesionix]\nRuta=C:\\SX19\n\n[Transformadores]\nOtro=7\nTransformado=0'
[[ $ini == "$esperado"* ]] || falla "Sesionix.ini queda así: $ini"

[[ $fallos -eq 0 ]] && echo "El paquete funciona."
[[ $fallos -eq 0 ]]
