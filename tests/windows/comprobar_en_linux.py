"""Makes, on Linux, the checks that the Windows test programs kept for it.

Under Wine the tests cannot start xmllint, Free Pascal's TDbf tool or Python. Each such
check is kept instead (tests/apoyo/en_linux.h): the file the Windows program wrote is
copied into <build>/para-linux/<test>/ and a line of comprobaciones.jsonl there says
which check to make and what it must give. This script makes every one of them and names
the test of each one that fails.

Usage: /usr/bin/python3 comprobar_en_linux.py PARA_LINUX LEERDBF FUENTES
"""
import csv
import io
import json
import os
import subprocess
import sys


def ejecutar(orden):
    r = subprocess.run(orden, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return r.returncode, r.stdout.decode('utf-8', 'replace'), r.stderr.decode('utf-8', 'replace')


def volcado_tdbf(leerdbf, ruta):
    """TDbf's dump as the tests make it: field names, then one line per row, "|" apart;
    and the lines about the table itself."""
    codigo, salida, errores = ejecutar([leerdbf, ruta])
    if codigo != 0:
        return None, None, 'leerdbf ha fallado: ' + salida + errores
    campos, filas, cabecera = [], [], []
    for linea in salida.split('\n')[:-1] if salida.endswith('\n') else salida.split('\n'):
        if linea.startswith('FILA '):
            filas.append([])
        elif filas:
            filas[-1].append(linea[linea.find('=') + 1:])
        else:
            cabecera.append(linea)
            if linea.startswith('CAMPO '):
                campos.append(linea[6:linea.find(' ', 6)])
    texto = ''.join('|'.join(v) + '\n' for v in [campos] + filas)
    return texto, cabecera, None


def estructura(fuentes, ruta):
    codigo, salida, errores = ejecutar(
        ['/usr/bin/python3', os.path.join(fuentes, 'tests', 'data', 'xml', 'estructura.py'), ruta])
    return salida if codigo == 0 else None, errores


def leer_csv(ruta):
    salida = io.StringIO()
    with open(ruta, encoding='utf-8-sig', newline='') as f:
        for fila in csv.reader(f, delimiter=';'):
            print(len(fila), *(fila[i] for i in (0, 1, 3) if i < len(fila)), sep='\t', file=salida)
    return salida.getvalue()


def comprobar(c, ruta, leerdbf, fuentes):
    """None when the check holds, else what is wrong."""
    tipo, esperado = c['tipo'], c['esperado']
    if tipo == 'xml-bien-formado':
        codigo, salida, errores = ejecutar(['xmllint', '--noout', ruta])
        return None if codigo == 0 else 'xmllint: ' + salida + errores
    if tipo == 'xpath':
        expresion, _, valor = esperado.partition('\n')
        codigo, salida, errores = ejecutar(['xmllint', '--xpath', expresion, ruta])
        if salida.endswith('\n'):
            salida = salida[:-1]
        return None if salida == valor else 'xmllint --xpath %s da %r, no %r %s' % (expresion, salida, valor, errores)
    if tipo == 'tabla-tdbf':
        codigo, salida, errores = ejecutar([leerdbf, ruta])
        return None if codigo == 0 else 'TDbf: ' + salida + errores
    if tipo == 'volcado-tdbf':
        texto, cabecera, fallo = volcado_tdbf(leerdbf, ruta)
        if fallo:
            return fallo
        faltan = [l for l in c.get('cabecera', []) if l not in cabecera]
        if faltan:
            return 'leerdbf no dice %r; dice %r' % (faltan, cabecera)
        return None if texto == esperado else 'TDbf lee:\n%s\nnuestro motor:\n%s' % (texto, esperado)
    if tipo == 'estructura-xml':
        texto, errores = estructura(fuentes, ruta)
        return None if texto == esperado else 'Python lee:\n%s%s\nse esperaba:\n%s' % (texto, errores, esperado)
    if tipo == 'estructura-xml-contiene':
        texto, errores = estructura(fuentes, ruta)
        if texto is None:
            return 'estructura.py ha fallado: ' + errores
        mal = [l for l in esperado.splitlines()
               if (l.startswith('+') and l[1:] not in texto) or (l.startswith('-') and l[1:] in texto)]
        return None if not mal else 'Python lee:\n%s\nfalla: %r' % (texto, mal)
    if tipo == 'csv-python':
        texto = leer_csv(ruta)
        return None if texto == esperado else 'Python lee:\n%s\nla prueba leyó:\n%s' % (texto, esperado)
    return 'comprobación desconocida: ' + tipo


def main():
    carpeta, leerdbf, fuentes = sys.argv[1:4]
    hechas, fallos = 0, []
    if os.path.isdir(carpeta):
        for prueba in sorted(os.listdir(carpeta)):
            lista = os.path.join(carpeta, prueba, 'comprobaciones.jsonl')
            if not os.path.exists(lista):
                continue
            with open(lista, encoding='utf-8') as f:
                for linea in f:
                    c = json.loads(linea)
                    hechas += 1
                    fallo = comprobar(c, os.path.join(carpeta, prueba, c['archivo']), leerdbf, fuentes)
                    if fallo:
                        fallos.append('%s (%s, %s): %s' % (c['prueba'], c['tipo'], c['archivo'], fallo))
    for f in fallos:
        print('FALLO ' + f)
    print('%d comprobaciones hechas en Linux, %d fallidas' % (hechas, len(fallos)))
    return 1 if fallos else 0


if __name__ == '__main__':
    sys.exit(main())
