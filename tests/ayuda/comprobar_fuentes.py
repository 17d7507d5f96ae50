#!/usr/bin/python3
"""No broken link and no missing picture in the help's source.

    comprobar_fuentes.py AYUDA CAPTURAS

AYUDA is the help's source folder; CAPTURAS the folder where the build put the pictures
of the windows (the topics name them "capturas/NAME.png"). Checks every link, picture and
stylesheet of every topic, every entry of the table of contents and of the index, the
project's file list and its context map. Prints each problem and exits 1 if there is any.
"""
import html.parser
import os
import re
import sys
import urllib.parse


class Pagina(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids = set()
        self.enlaces = []   # (kind, target)
        self.titulo = ""
        self._en_titulo = False
        self.objetos = []   # "Local" values of the sitemap objects

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "a" and "name" in a:
            self.ids.add(a["name"])
        if tag == "a" and "href" in a:
            self.enlaces.append(("enlace", a["href"]))
        if tag == "img":
            self.enlaces.append(("imagen", a.get("src", "")))
        if tag == "link" and a.get("rel", "").lower() == "stylesheet":
            self.enlaces.append(("estilo", a.get("href", "")))
        if tag == "param" and (a.get("name") or "").lower() == "local":
            self.objetos.append(a.get("value", ""))
        if tag == "title":
            self._en_titulo = True

    def handle_endtag(self, tag):
        if tag == "title":
            self._en_titulo = False

    def handle_data(self, data):
        if self._en_titulo:
            self.titulo += data


def leer(ruta, codificacion="utf-8"):
    with open(ruta, encoding=codificacion) as f:
        return f.read()


def main():
    ayuda, capturas = sys.argv[1], sys.argv[2]
    problemas = []

    def existe(nombre):
        if nombre.startswith("capturas/"):
            return os.path.isfile(os.path.join(capturas, nombre[len("capturas/"):]))
        return os.path.isfile(os.path.join(ayuda, nombre))

    temas = sorted(f for f in os.listdir(ayuda) if f.endswith(".html"))
    if not temas:
        problemas.append("no hay ningún tema .html en " + ayuda)
    paginas = {}
    for t in temas:
        p = Pagina()
        p.feed(leer(os.path.join(ayuda, t)))
        paginas[t] = p
        if not p.titulo.strip():
            problemas.append(f"{t}: no tiene título")

    def comprobar(origen, tipo, destino):
        if not destino:
            problemas.append(f"{origen}: {tipo} vacío")
            return
        if re.match(r"^[a-z]+:", destino):
            problemas.append(f"{origen}: {tipo} fuera de la ayuda: {destino}")
            return
        partes = urllib.parse.urldefrag(destino)
        archivo = partes.url or origen
        if not existe(archivo):
            problemas.append(f"{origen}: {tipo} a un archivo que no existe: {destino}")
            return
        if partes.fragment:
            if archivo not in paginas:
                problemas.append(f"{origen}: ancla en algo que no es un tema: {destino}")
            elif partes.fragment not in paginas[archivo].ids:
                problemas.append(f"{origen}: ancla que no existe: {destino}")

    for t, p in paginas.items():
        for tipo, destino in p.enlaces:
            comprobar(t, tipo, destino)

    # The project: its files, its table of contents, its index and its context map.
    proyecto = leer(os.path.join(ayuda, "ITACA.hhp"), "latin-1")
    secciones = {}
    actual = None
    for linea in proyecto.splitlines():
        linea = linea.strip()
        if re.match(r"^\[.*\]$", linea):
            actual = linea[1:-1].upper()
            secciones[actual] = []
        elif linea and actual:
            secciones[actual].append(linea)
    opciones = dict(l.split("=", 1) for l in secciones.get("OPTIONS", []) if "=" in l)
    archivos = secciones.get("FILES", [])
    for a in archivos:
        if not existe(a):
            problemas.append(f"ITACA.hhp: [FILES] nombra un archivo que no existe: {a}")
    for t in temas:
        if t not in archivos:
            problemas.append(f"ITACA.hhp: el tema {t} no está en [FILES]")
    for clave in ("Contents file", "Index file", "Default topic"):
        if not existe(opciones.get(clave, "")):
            problemas.append(f"ITACA.hhp: {clave} no existe: {opciones.get(clave)}")
    alias = dict(l.split("=", 1) for l in secciones.get("ALIAS", []))
    for nombre, archivo in alias.items():
        if archivo not in temas:
            problemas.append(f"ITACA.hhp: el alias {nombre} nombra un tema que no existe: {archivo}")
    definidos = {}
    for l in secciones.get("MAP", []):
        m = re.match(r"#include\s+(\S+)", l)
        if m:
            for d in re.finditer(r"#define\s+(\w+)\s+(\d+)", leer(os.path.join(ayuda, m.group(1)))):
                definidos[d.group(1)] = int(d.group(2))
    for nombre in alias:
        if nombre not in definidos:
            problemas.append(f"ITACA.hhp: el alias {nombre} no tiene número en el mapa de contexto")

    for sitemap in (opciones.get("Contents file", ""), opciones.get("Index file", "")):
        if not existe(sitemap):
            continue
        p = Pagina()
        p.feed(leer(os.path.join(ayuda, sitemap), "latin-1"))
        if not p.objetos:
            problemas.append(f"{sitemap}: no tiene ninguna entrada")
        for destino in p.objetos:
            comprobar(sitemap, "entrada", destino)

    for p in problemas:
        print(p)
    print(f"{len(temas)} temas; {sum(len(p.enlaces) for p in paginas.values())} enlaces, imágenes y hojas de estilo;"
          f" {len(problemas)} problemas.")
    return 1 if problemas else 0


if __name__ == "__main__":
    sys.exit(main())
