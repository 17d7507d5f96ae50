#!/usr/bin/python3
"""ITACA.chm read back by an independent reader, Debian's python3-chm (chmlib).

    comprobar_chm.py ITACA.chm AYUDA CAPTURAS

Checks that the file opens; that every topic, the stylesheet and every picture of the
source (AYUDA, with the pictures the build made in CAPTURAS) are in it, byte for byte;
that context numbers 1 and 3 name the topics of the main window and of the transfers;
that the table of contents lists every topic; that the index names only topics that are
there; and the default topic and title. Exits 1 on any problem.
"""
import os
import re
import struct
import sys

from chm import chmlib

# Written out from what the help is for, not taken from its project file.
CONTEXTOS = {1: "ventana_principal.html", 3: "transferencias.html"}
TEMA_INICIAL = "inicio.html"
TITULO = "Ayuda de Pasahorario"


def main():
    ruta_chm, ayuda, capturas = sys.argv[1:4]
    problemas = []
    chm = chmlib.chm_open(ruta_chm.encode())
    if not chm:
        print(f"chmlib no puede abrir {ruta_chm}")
        return 1

    def leer(nombre):
        r, ui = chmlib.chm_resolve_object(chm, nombre.encode("utf-8"))
        if r != chmlib.CHM_RESOLVE_SUCCESS:
            return None
        n, datos = chmlib.chm_retrieve_object(chm, ui, 0, ui.length)
        return datos if n == ui.length else None

    nombres = []

    def anotar(_chm, ui, _contexto):
        nombres.append(ui.path.decode("utf-8"))
        return chmlib.CHM_ENUMERATOR_CONTINUE

    chmlib.chm_enumerate(chm, chmlib.CHM_ENUMERATE_NORMAL | chmlib.CHM_ENUMERATE_FILES, anotar, None)
    dentro = set(nombres)

    # Every file of the source, the same bytes.
    temas = sorted(f for f in os.listdir(ayuda) if f.endswith(".html"))
    fuentes = [(t, os.path.join(ayuda, t)) for t in temas + ["estilo.css"]]
    imagenes = set()
    for t in temas:
        with open(os.path.join(ayuda, t), encoding="utf-8") as f:
            imagenes.update(re.findall(r'<img[^>]*\ssrc="([^"]+)"', f.read()))
    if not imagenes:
        problemas.append("los temas no tienen ninguna imagen")
    for i in sorted(imagenes):
        fuentes.append((i, os.path.join(capturas, i[len("capturas/"):])))
    for nombre, ruta in fuentes:
        datos = leer("/" + nombre)
        if datos is None:
            problemas.append(f"falta /{nombre}")
            continue
        with open(ruta, "rb") as f:
            if f.read() != datos:
                problemas.append(f"/{nombre} no es igual que {ruta}")
        if nombre.endswith(".png") and not datos.startswith(b"\x89PNG\r\n\x1a\n"):
            problemas.append(f"/{nombre} no es una imagen PNG")

    # #SYSTEM: a version, then (code, length, data) entries. 0 contents, 1 index,
    # 2 default topic, 3 title.
    sistema = leer("/#SYSTEM") or b""
    campos = {}
    i = 4
    while i + 4 <= len(sistema):
        codigo, largo = struct.unpack_from("<HH", sistema, i)
        campos[codigo] = sistema[i + 4:i + 4 + largo].split(b"\0")[0].decode("latin-1")
        i += 4 + largo
    if campos.get(2) != TEMA_INICIAL:
        problemas.append(f"el tema inicial es {campos.get(2)!r}, no {TEMA_INICIAL!r}")
    if campos.get(3) != TITULO:
        problemas.append(f"el título es {campos.get(3)!r}, no {TITULO!r}")

    def locales(nombre):
        datos = leer("/" + nombre) if nombre else None
        if datos is None:
            problemas.append(f"falta el archivo {nombre!r} que nombra #SYSTEM")
            return []
        return re.findall(r'<param\s+name="Local"\s+value="([^"]*)"', datos.decode("latin-1"), re.I)

    contenido = locales(campos.get(0))
    # Each topic has an entry of its own (not only entries for places inside it).
    for t in temas:
        if t not in contenido:
            problemas.append(f"la tabla de contenido no lista el tema {t}")
    for l in contenido + locales(campos.get(1)):
        if "/" + l.split("#")[0] not in dentro:
            problemas.append(f"la tabla de contenido o el índice nombran {l}, que no está en el archivo")

    # The context map: #IVB holds a length, then (number, offset in #STRINGS) pairs.
    ivb = leer("/#IVB")
    cadenas = leer("/#STRINGS") or b""
    mapa = {}
    if ivb is None:
        problemas.append("el archivo no tiene mapa de contexto (#IVB)")
    else:
        (largo,) = struct.unpack_from("<I", ivb, 0)
        for j in range(4, 4 + largo, 8):
            numero, desplazamiento = struct.unpack_from("<II", ivb, j)
            mapa[numero] = cadenas[desplazamiento:cadenas.index(b"\0", desplazamiento)].decode("utf-8")
    for numero, tema in CONTEXTOS.items():
        nombre = mapa.get(numero)
        if nombre is None:
            problemas.append(f"el número de contexto {numero} no está en el mapa")
            continue
        # chmcmd writes the topic's name after the folder it was compiled in.
        if nombre != tema and not nombre.endswith("/" + tema):
            problemas.append(f"el número de contexto {numero} lleva a {nombre!r}, no a {tema!r}")
        if "/" + tema not in dentro:
            problemas.append(f"el tema {tema} del número {numero} no está en el archivo")

    for p in problemas:
        print(p)
    print(f"{len(dentro)} archivos en {ruta_chm}; {len(temas)} temas; {len(imagenes)} imágenes;"
          f" contexto {sorted(mapa)}; {len(problemas)} problemas.")
    return 1 if problemas else 0


if __name__ == "__main__":
    sys.exit(main())
