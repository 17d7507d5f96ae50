#!/usr/bin/python3
"""Writes an ITACA centre file of an invented secondary school, from one of two profiles.

    generar_centro.py [--perfil grande|ejemplo] [-s ESCALA] [--semilla N]
                      [--codificacion iso-8859-1|utf-8] [-o SALIDA] [--resumen]

grande (the default, perfil_grande.py): a large school for the benchmark and the tests
of large files, scaled by -s and drawn from --semilla. ejemplo (perfil_ejemplo.py): the
small sample school that ./run carries from ITACA to Sesionix and back, the file
examples/centro.xml. Either way the same options give the same bytes. Only the standard
library is used.
"""
import argparse
import sys

import centro_xml
import perfil_ejemplo
import perfil_grande


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--perfil", choices=["grande", "ejemplo"], default="grande",
                   help="the school to write (default grande)")
    p.add_argument("-s", "--escala", type=int, help="scale factor of the profile grande (default 1)")
    p.add_argument("--semilla", type=int, help="seed of the profile grande (default 2024)")
    p.add_argument("--codificacion", choices=["iso-8859-1", "utf-8"], default="iso-8859-1")
    p.add_argument("-o", "--salida", help="output file (default: standard output)")
    p.add_argument("--resumen", action="store_true", help="print the elements of each section to stderr")
    a = p.parse_args()
    if a.perfil == "ejemplo":
        if a.escala is not None or a.semilla is not None:
            p.error("el perfil ejemplo no admite -s ni --semilla: la escuela de ejemplo es una sola")
        raiz, secciones = perfil_ejemplo.secciones()
    else:
        escala = 1 if a.escala is None else a.escala
        if escala < 1:
            p.error("la escala debe ser 1 o más")
        raiz, secciones = perfil_grande.secciones(escala, 2024 if a.semilla is None else a.semilla)
    destino = open(a.salida, "w", encoding=a.codificacion, newline="\n") if a.salida else \
        open(sys.stdout.fileno(), "w", encoding=a.codificacion, newline="\n", closefd=False)
    with destino:
        cuentas = centro_xml.escribir(destino, a.codificacion, raiz, secciones)
    if a.resumen:
        for nombre, n in cuentas:
            print("%-26s %8d" % (nombre, n), file=sys.stderr)


if __name__ == "__main__":
    main()
