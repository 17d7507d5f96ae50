"""Writing a centre file as ITACA lays it out, for every profile of generar_centro.py.

A profile hands over the attributes of the root element and its sections in file order,
each section a name, the name of its elements and an iterable of attribute lists
[(name, value), ...]. Every element is written on a line of its own, attributes in the
order given, in double quotes.
"""

LETRAS_DNI = "TRWAGMYFPDXBNJZSQVHLCKE"


def dni(numero, extranjero=False):
    """A Spanish identity document (or a foreigner's NIE) with its check letter."""
    if extranjero:
        return "X%07d%s" % (numero % 10**7, LETRAS_DNI[numero % 10**7 % 23])
    return "%08d%s" % (numero, LETRAS_DNI[numero % 23])


def escapar(valor):
    return (valor.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def _elemento(nombre, atributos, sangria):
    return sangria + "<" + nombre + "".join(' %s="%s"' % (k, escapar(v)) for k, v in atributos)


def escribir(salida, codificacion, raiz, secciones):
    """Writes the file to the text stream salida; returns [(section, elements)].

    codificacion names the stream's encoding ("iso-8859-1" or "utf-8") for the XML
    declaration; raiz is the attribute list of <centro>."""
    nombre_codificacion = "ISO-8859-1" if codificacion == "iso-8859-1" else "UTF-8"
    salida.write('<?xml version="1.0" encoding="%s"?>\n' % nombre_codificacion)
    salida.write(_elemento("centro", raiz, "") + ">\n")
    cuentas = []
    for seccion, elemento, filas in secciones:
        salida.write("  <%s>\n" % seccion)
        n = 0
        for atributos in filas:
            salida.write(_elemento(elemento, atributos, "    ") + "/>\n")
            n += 1
        salida.write("  </%s>\n" % seccion)
        cuentas.append((seccion, n))
    salida.write("</centro>\n")
    return cuentas
