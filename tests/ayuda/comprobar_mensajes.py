#!/usr/bin/python3
"""Every text the program shows a person has its entry in the help.

    comprobar_mensajes.py FUENTES AYUDA

Builds the table of the program's own message texts from its code (FUENTES: the source
tree), so that a new message is in the table as soon as it is written: the string
literals of every statement that makes a message (an Error thrown, a message box, a run
that ends with a message, the reasons appended to them, the two questions and the
reminder). Each literal piece with letters in it, with runs of blanks made one, must
appear in the messages topic; the titles of the report's categories must appear in the
report's topic. A variable part of a message (a file name, a value) is not checked: the
help shows it as "…". Prints the missing texts and exits 1 if any is missing.
"""
import html
import os
import re
import sys

CARPETAS = ("common", "transfer", "import", "export", "app")

# What starts a statement whose literals are texts for a person.
DISPARADORES = re.compile(
    r"\bthrow\b|\bError\s*\(|\bTerminar\s*\(|\bMensaje\s*\(|\bMostrarMensaje\s*\(|\bMostrarFinal\s*\("
    r"|\bAbandonar\s*\(|\bErrorAlEscribir\s*\(|\bErrorAlAbrir\s*\(|\bdanada\s*\(|\binvalida\s*\("
    r"|\bmotivo\s*=(?!=)|\bprimero\s*=(?!=)|\bmensaje\s*=(?!=)|\bkRecordatorio\w*\s*=(?!=)|\bstatic const std::string t\s*="
    r"|^\s*case\s+[\w:]+:\s*return\b|\bVacio\(\)\)\s*return\b|\bNombres\s*\(|\bMensaje\(const std::string& ruta")

TOPICO_MENSAJES = "mensajes.html"
TOPICO_INFORME = "informe.html"


def trozos(fuente):
    """The code as a list of ("codigo", text) and ("cadena", value) pieces, without comments."""
    piezas = []
    i, n = 0, len(fuente)
    codigo = []
    while i < n:
        c = fuente[i]
        if fuente.startswith("//", i):
            i = fuente.find("\n", i)
            i = n if i < 0 else i
        elif fuente.startswith("/*", i):
            i = fuente.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif c == "'":
            j = i + 1
            while j < n and fuente[j] != "'":
                j += 2 if fuente[j] == "\\" else 1
            codigo.append("' '")
            i = j + 1
        elif c == '"':
            if fuente[i - 1:i] == "R":
                raise SystemExit("cadena sin procesar: amplíe comprobar_mensajes.py")
            j = i + 1
            valor = []
            while j < n and fuente[j] != '"':
                if fuente[j] == "\\":
                    e = fuente[j + 1]
                    valor.append({"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\", "'": "'"}.get(e, "\\" + e))
                    j += 2
                else:
                    valor.append(fuente[j])
                    j += 1
            if codigo:
                piezas.append(("codigo", "".join(codigo)))
                codigo = []
            piezas.append(("cadena", "".join(valor)))
            i = j + 1
        else:
            codigo.append(c)
            i += 1
    if codigo:
        piezas.append(("codigo", "".join(codigo)))
    return piezas


def sentencias(fuente):
    """Statements (split at ';', '{' and '}') as (code text, [literal pieces])."""
    resultado = []
    texto, literales, pendiente = [], [], None
    for tipo, valor in trozos(fuente):
        if tipo == "cadena":
            # Adjacent literals are one string.
            pendiente = (pendiente or "") + valor
            texto.append('""')
            continue
        partes = re.split(r"([;{}])", valor)
        for k, parte in enumerate(partes):
            if k % 2 == 1:
                if pendiente is not None:
                    literales.append(pendiente)
                    pendiente = None
                resultado.append(("".join(texto), literales))
                texto, literales = [], []
                continue
            if parte.strip() and pendiente is not None:
                literales.append(pendiente)
                pendiente = None
            texto.append(parte)
    return resultado


def normal(texto):
    return " ".join(texto.split())


def texto_de_html(ruta):
    with open(ruta, encoding="utf-8") as f:
        contenido = f.read()
    contenido = re.sub(r"<[^>]+>", " ", contenido)
    return normal(html.unescape(contenido))


def main():
    fuentes, ayuda = sys.argv[1], sys.argv[2]
    mensajes = texto_de_html(os.path.join(ayuda, TOPICO_MENSAJES))
    informe = texto_de_html(os.path.join(ayuda, TOPICO_INFORME))
    tabla = {}  # piece -> where it is made
    categorias = {}
    for carpeta in CARPETAS:
        for raiz, _, archivos in os.walk(os.path.join(fuentes, carpeta)):
            for a in sorted(archivos):
                if not a.endswith((".cpp", ".h")):
                    continue
                ruta = os.path.join(raiz, a)
                with open(ruta, encoding="utf-8") as f:
                    codigo = f.read()
                relativa = os.path.relpath(ruta, fuentes)
                for texto, literales in sentencias(codigo):
                    if not DISPARADORES.search(texto):
                        continue
                    # A Qt argument ("%1") is a variable part, like a concatenated value.
                    piezas = [normal(p) for lit in literales for p in re.split(r"%\d", lit)]
                    for pieza in piezas:
                        if not re.search(r"[^\W\d_]", pieza):
                            continue
                        if "--depurar" in sys.argv:
                            print(relativa, "|", texto.strip()[:100], "|", pieza)
                        if "TituloCategoria" in codigo and re.search(r"case\s+Categoria::|Vacio\(\)", texto):
                            categorias.setdefault(pieza, relativa)
                        elif re.search(r"^\s*case\s+[\w:]+:", texto) and "DescripcionErrno" not in codigo:
                            continue  # other switch tables hold no texts for a person
                        else:
                            tabla.setdefault(pieza, relativa)
    faltan = [(p, d) for p, d in sorted(tabla.items()) if p not in mensajes]
    faltan += [(p, d + " (tema del informe)") for p, d in sorted(categorias.items()) if p not in informe]
    for p, d in faltan:
        print(f"falta en la ayuda: «{p}» ({d})")
    print(f"{len(tabla)} textos de mensajes y {len(categorias)} clases de aviso del programa;"
          f" {len(faltan)} sin ayuda.")
    if len(tabla) < 20 or not categorias:
        print("la tabla de mensajes sale casi vacía: ¿ha cambiado la forma del código?")
        return 1
    return 1 if faltan else 0


if __name__ == "__main__":
    sys.exit(main())
