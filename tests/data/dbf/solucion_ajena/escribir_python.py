"""Writes a solution table with Debian's python3-dbf: dBase III with N fields for DIA and
HORA (db3), or Visual FoxPro with I fields (vfp), in Windows-1252.
Usage: /usr/bin/python3 escribir_python.py TABLA db3|vfp FILAS
FILAS holds one row a line, "ASIG|TAREA|DIA|HORA|MARCO|CODGRUPO|PROF|AULA", in UTF-8.
"""
import sys, dbf
ruta, tipo, filas = sys.argv[1], sys.argv[2], sys.argv[3]
numero = 'N(3,0)' if tipo == 'db3' else 'I'
t = dbf.Table(ruta, 'ASIG C(10); TAREA C(10); DIA %s; HORA %s; MARCO C(1); CODGRUPO C(10); PROF C(10); AULA C(10)'
              % (numero, numero), dbf_type=tipo, codepage='cp1252')
t.open(dbf.READ_WRITE)
for linea in open(filas, encoding='utf-8').read().splitlines():
    c = linea.split('|')
    t.append((c[0], c[1], int(c[2]), int(c[3]), c[4], c[5], c[6], c[7]))
t.close()
