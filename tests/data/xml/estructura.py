"""Prints the element tree of an XML file as Python's own parser reads it.

One line per element: indentation by depth, the tag, then every attribute in the order
the file gives it as name=value with the value in JSON quotes. Text found anywhere inside
the root element is reported on a line of its own starting with "TEXTO", so that a
writer that adds whitespace between elements is seen.
Usage: /usr/bin/python3 estructura.py FILE
"""
import json
import sys
import xml.etree.ElementTree as ET


def mostrar(elemento, nivel, es_raiz):
    atributos = ''.join(' %s=%s' % (k, json.dumps(v, ensure_ascii=False))
                        for k, v in elemento.attrib.items())
    print('  ' * nivel + elemento.tag + atributos)
    if elemento.text is not None:
        print('TEXTO ' + json.dumps(elemento.text, ensure_ascii=False))
    for hijo in elemento:
        mostrar(hijo, nivel + 1, False)
    if not es_raiz and elemento.tail is not None:
        print('TEXTO ' + json.dumps(elemento.tail, ensure_ascii=False))


sys.stdout.reconfigure(encoding='utf-8')
mostrar(ET.parse(sys.argv[1]).getroot(), 0, True)
