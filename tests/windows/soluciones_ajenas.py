"""Makes, on Linux, the solution tables of other dBase engines that the Windows tests read:
Free Pascal's TDbf at level 7 and python3-dbf's dBase III and Visual FoxPro, from the rows
of tests/data/dbf/solucion_ajena/filas.txt (the Linux tests write the same ones live).
Usage: /usr/bin/python3 soluciones_ajenas.py FUENTES ESCRIBIRDBF CARPETA
"""
import os
import subprocess
import sys

fuentes, escribirdbf, carpeta = sys.argv[1:4]
datos = os.path.join(fuentes, 'tests', 'data', 'dbf', 'solucion_ajena')
filas = os.path.join(datos, 'filas.txt')
os.makedirs(carpeta, exist_ok=True)

# TDbf at level 7, binary integers for DIA and HORA.
texto = ('NIVEL 7\nCAMPO ASIG C 10\nCAMPO TAREA C 10\nCAMPO DIA I\nCAMPO HORA I\nCAMPO MARCO C 1\n'
         'CAMPO CODGRUPO C 10\nCAMPO PROF C 10\nCAMPO AULA C 10\n')
nombres = ['ASIG', 'TAREA', 'DIA', 'HORA', 'MARCO', 'CODGRUPO', 'PROF', 'AULA']
for linea in open(filas, encoding='utf-8').read().splitlines():
    texto += 'FILA\n' + ''.join('%s=%s\n' % (n, v) for n, v in zip(nombres, linea.split('|')))
descripcion = os.path.join(carpeta, 'descripcion-tdbf.txt')
with open(descripcion, 'w', encoding='utf-8') as f:
    f.write(texto)
for ruta in [os.path.join(carpeta, n) for n in ('SOLUC-TDbfNivel7.DBF', 'SOLUC-PythonDBaseIII.DBF',
                                                 'SOLUC-PythonVisualFoxPro.DBF')]:
    if os.path.exists(ruta):
        os.remove(ruta)
subprocess.run([escribirdbf, descripcion, os.path.join(carpeta, 'SOLUC-TDbfNivel7.DBF')], check=True)
for motor, tipo in (('PythonDBaseIII', 'db3'), ('PythonVisualFoxPro', 'vfp')):
    subprocess.run(['/usr/bin/python3', os.path.join(datos, 'escribir_python.py'),
                    os.path.join(carpeta, 'SOLUC-%s.DBF' % motor), tipo, filas], check=True)
