"""The profile "ejemplo" of generar_centro.py: the sample school, examples/centro.xml.

IES Tossal de les Oliveres, a school of the Comunitat Valenciana as ITACA exports it:
teachers, courses, groups, subjects in Valencian and Castilian, occupations, rooms, two
timetable templates (MATI, the morning, and VESP, the afternoon) and the weekly
timetables of every group and the teachers' occupations. The school has a few of the
quirks real exports carry: blank attributes written as a single space, a teacher
without a second surname, teachers with the same initials, a group whose main tutor is
blank, a room without code, codes longer than Sesionix's short codes, and sections the
transfer does not read (alumnos, matriculas). Its catalogues are in datos_ejemplo.py.

Unlike the large school, whose lines are drawn at random, every lesson here is placed
without clashes of group, teacher or room; the first seed from 2019 on that places them
all is used, so the output is the same on every run.
"""
import random
import sys

import centro_xml
import datos_ejemplo as D


def sin_acentos(texto):
    tabla = str.maketrans("àáèéíïòóúüçñÀÁÈÉÍÒÓÚÇÑ·'", "aaeeiioouucnAAEEIOOUCN  ")
    return texto.translate(tabla).replace(" ", "").lower()


class Horario:
    """Places the morning lessons without clashes of group, teacher or room."""

    def __init__(self, aleatorio):
        self.rnd = aleatorio
        self.ocupado = {}  # (kind, key, day, order) -> count

    def libre(self, clave, dia, orden, capacidad=1):
        return self.ocupado.get((clave, dia, orden), 0) < capacidad

    def tomar(self, clave, dia, orden):
        self.ocupado[(clave, dia, orden)] = self.ocupado.get((clave, dia, orden), 0) + 1

    def colocar(self, grupo, entradas, horas, ordenes):
        """entradas: [(code, teacher, room)] taught together; returns [(day, order)]."""
        huecos = []
        por_dia = {d: 0 for d in D.DIAS}
        for _ in range(horas):
            candidatos = [(d, o) for d in D.DIAS for o in ordenes]
            self.rnd.shuffle(candidatos)
            candidatos.sort(key=lambda h: (por_dia[h[0]], h[1] == 7))
            for dia, orden in candidatos:
                if not self.libre(("g", grupo), dia, orden):
                    continue
                if any(not self.libre(("p", p["dni"]), dia, orden) for _, p, _ in entradas):
                    continue
                if any(not self.libre(("a", a), dia, orden, D.CAPACIDAD.get(a, 1)) for _, _, a in entradas):
                    continue
                self.tomar(("g", grupo), dia, orden)
                for _, p, a in entradas:
                    self.tomar(("p", p["dni"]), dia, orden)
                    self.tomar(("a", a), dia, orden)
                por_dia[dia] += 1
                huecos.append((dia, orden))
                break
            else:
                return None
        return huecos

    def libre_docente(self, docente, dia, orden):
        return self.libre(("p", docente["dni"]), dia, orden)


def construir(semilla):
    rnd = random.Random(semilla)
    docentes = []
    for i, (dep, ap1, ap2, nom, tipo, fecha, ens) in enumerate(D.DOCENTES):
        docentes.append({"dep": dep, "ap1": ap1, "ap2": ap2, "nom": nom, "tipo": tipo,
                         "fecha": fecha, "ens": ens, "dni": centro_xml.dni(20481937 + 7919 * i),
                         "carga": 0})
    por_nombre = {(d["ap1"], d["nom"]): d for d in docentes}
    manana = [d for d in docentes
              if (d["ap1"], d["nom"]) not in D.SOLO_VESPRADA | D.SIN_CLASES]

    def profesor_para(dep, horas):
        candidatos = [d for d in manana if d["dep"] == dep]
        elegido = min(candidatos, key=lambda d: d["carga"])
        elegido["carga"] += horas
        return elegido

    # Teachers of each group and subject, department by department, balancing the load.
    lecciones = []  # (group, [(code, teacher, room)], hours)
    for codigo, _, _, _, curso, aula in D.GRUPOS:
        if codigo == "1BATB":
            continue
        for item in D.PLAN[curso]:
            if isinstance(item[0], tuple):
                partes, horas = item[:-1], item[-1]
            else:
                partes, horas = [(item[0], item[1])], item[2]
            entradas = []
            for clave, cod in partes:
                if clave == "TUT":
                    entradas.append([cod, None, aula])
                    continue
                dep = D.DEPARTAMENTO[clave]
                if codigo == "2ESOC" and cod == "MAT2":
                    # Mathematics of 2n C is shared: three periods and one of support.
                    a = profesor_para(dep, 3)
                    b = profesor_para(dep, 1)
                    lecciones.append((codigo, [[cod, a, aula]], 3))
                    lecciones.append((codigo, [[cod, b, aula]], 1))
                    entradas = None
                    break
                entradas.append([cod, profesor_para(dep, horas), D.AULA_ESPECIAL.get(clave, aula)])
            if entradas:
                lecciones.append((codigo, entradas, horas))

    # Tutors: among the teachers of the group, the one with fewest tutorships.
    tutorias = {}
    tutor_de = {}
    for codigo, *_ in D.GRUPOS:
        if codigo == "1BATB":
            tutor_de[codigo] = por_nombre[("Estellés", "Vicent")]
            continue
        profes = [e[1] for g, es, _ in lecciones if g == codigo for e in es if e[1]]
        profes = [p for p in profes if p["dep"] not in ("REL",)]
        tutor = min(profes, key=lambda p: (tutorias.get(p["dni"], 0), p["carga"], p["dni"]))
        tutorias[tutor["dni"]] = tutorias.get(tutor["dni"], 0) + 1
        tutor_de[codigo] = tutor
    for g, entradas, _ in lecciones:
        for e in entradas:
            if e[1] is None:
                e[1] = tutor_de[g]
                tutor_de[g]["carga"] += 1

    horario = Horario(rnd)
    lecciones.sort(key=lambda l: (-l[2] * len(l[1]), l[0], l[1][0][0]))
    colocadas = []
    for grupo, entradas, horas in lecciones:
        curso = next(g[4] for g in D.GRUPOS if g[0] == grupo)
        ordenes = [1, 2, 3, 4, 5, 6] + ([7] if curso.startswith("5") else [])
        huecos = horario.colocar(grupo, entradas, horas, ordenes)
        if huecos is None:
            return None
        for dia, orden in huecos:
            for cod, prof, aula in entradas:
                colocadas.append((grupo, dia, orden, cod, prof, aula))

    # Occupations in the morning, in the teachers' free periods.
    ocupaciones = []

    def ocupar(docente, codigo, horas):
        huecos = [(d, o) for d in D.DIAS for o in range(1, 8)
                  if horario.libre_docente(docente, d, o)]
        rnd.shuffle(huecos)
        huecos.sort(key=lambda h: h[1] == 7)
        for dia, orden in huecos[:horas]:
            horario.tomar(("p", docente["dni"]), dia, orden)
            ocupaciones.append(("MATI", dia, orden, docente, codigo))

    jefes = set()
    for d in manana:
        if d["dep"] not in jefes and d["dep"] not in ("ORI", "REL"):
            jefes.add(d["dep"])
            ocupar(d, "10005", 2)
        ocupar(d, "10001", 3 if d["carga"] < 14 else 2)
        if d["dep"] != "ORI":
            ocupar(d, "10004", 1)
        if d["dni"] in tutorias:
            ocupar(d, "10003", tutorias[d["dni"]])
        if d["carga"] < 10:
            ocupar(d, "10002", 1)
    ocupar(por_nombre[("Carbonell", "David")], "10006", 3)
    ocupar(por_nombre[("Fuster", "Maria")], "10007", 2)
    ocupar(por_nombre[("Alberola", "Teresa")], "10007", 2)
    ocupar(por_nombre[("Moltó", "Francesca")], "20003", 4)

    # The afternoon: group 1r Batxillerat B, the French of 4t A, team meetings.
    vesprada = []
    plan_b = [("ANG1B", por_nombre[("Llorca", "Ester")], "A11", [("L", 8), ("X", 9), ("V", 8)]),
              ("DTE1B", por_nombre[("Estellés", "Vicent")], "PLA",
               [("L", 9), ("M", 10), ("J", 8), ("V", 11)]),
              ("FIL1B", por_nombre[("Sempere", "Elena")], "A11", [("M", 8), ("J", 10), ("V", 9)]),
              ("EFI1B", por_nombre[("Marco", "Laia")], "GIM", [("X", 11), ("J", 12)])]
    for cod, prof, aula, huecos in plan_b:
        for dia, orden in huecos:
            vesprada.append(("1BATB", dia, orden, cod, prof, aula))
    for dia, orden in [("M", 8), ("J", 9)]:
        vesprada.append(("4ESOA", dia, orden, "FRA4", por_nombre[("Aracil", "Mireia")], "A09"))
    ocup_vesprada = []
    for nombre in [("Ferrer", "Joan"), ("Brown", "Sarah"), ("García", "Pere"), ("Gómez", "Pilar"),
                   ("Estellés", "Vicent"), ("Llorca", "Ester")]:
        ocup_vesprada.append(("VESP", "X", 12, por_nombre[nombre], "10008"))

    return docentes, tutor_de, colocadas, vesprada, ocupaciones + ocup_vesprada


def _filas(nombres, tuplas):
    """Attribute lists from tuples of values, with the attribute names given in one string."""
    nombres = nombres.split()
    return [list(zip(nombres, valores)) for valores in tuplas]


def secciones():
    """The root's attributes and the sections in file order."""
    for semilla in range(2019, 2119):
        datos = construir(semilla)
        if datos:
            break
    else:
        sys.exit("No se ha podido colocar el horario.")
    docentes, tutor_de, colocadas, vesprada, ocupaciones = datos
    grupos = {g[0]: g for g in D.GRUPOS}
    horas = {p: {o: (d, h) for o, d, h in s} for p, s in D.SESIONES.items()}

    sesiones = [(p, dia, str(orden), desde, hasta) for p, *_ in D.PLANTILLAS for dia in D.DIAS
                for orden, desde, hasta in D.SESIONES[p]]
    tutores = []
    for cod, nombre, turno, ens, _, _ in D.GRUPOS:
        tutor = tutor_de[cod]["dni"]
        ppal, sec = (" ", tutor) if cod == D.GRUPO_SIN_TUTOR_PPAL else (tutor, " ")
        tutores.append((cod, nombre, turno, ens, ppal, sec))

    fichas = []
    for d in docentes:
        usuario = sin_acentos(d["nom"])[:1] + sin_acentos(d["ap1"])
        email1 = usuario + "@tossal.example"
        email2 = sin_acentos(d["nom"]) + "." + sin_acentos(d["ap1"]) + "@correu.example"
        if (d["ap1"], d["nom"]) == D.SIN_EMAIL1:
            email1 = " "
        fichas.append((d["dni"], d["ap1"], d["ap2"], d["nom"], d["tipo"], d["fecha"], d["ens"],
                       email1, email2))

    vistos = set()
    contenidos = []
    for curso in ["3001", "3002", "3003", "3004", "5001", "5002"]:
        for item in D.PLAN[curso]:
            partes = item[:-1] if isinstance(item[0], tuple) else [(item[0], item[1])]
            for clave, cod in partes:
                if (cod, curso) not in vistos:
                    vistos.add((cod, curso))
                    contenidos.append((cod, curso) + D.NOMBRES[clave])
    for clave, cod, curso in D.EXTRA_CONTENIDOS:
        contenidos.append((cod, curso) + D.NOMBRES[clave])

    def linea_grupo(plantilla, grupo, dia, orden, cod, prof, aula):
        desde, hasta = horas[plantilla][orden]
        g = grupos[grupo]
        return (plantilla, dia, str(orden), desde, hasta, grupo, g[3], g[4], cod, prof["dni"], aula, " ")

    orden_grupo = {g[0]: i for i, g in enumerate(D.GRUPOS)}
    clave = lambda c: (orden_grupo[c[0]], D.DIAS.index(c[1]), c[2], c[3])
    lineas = [linea_grupo("MATI", *c) for c in sorted(colocadas, key=clave)]
    lineas += [linea_grupo("VESP", *c) for c in sorted(vesprada, key=clave)]

    orden_docente = {d["dni"]: i for i, d in enumerate(docentes)}
    por_docente = sorted(ocupaciones, key=lambda o: (o[0], orden_docente[o[3]["dni"]], D.DIAS.index(o[1]), o[2]))
    lineas_ocupacion = [(plantilla, dia, str(orden)) + horas[plantilla][orden] + (d["dni"], d["ens"], cod)
                        for plantilla, dia, orden, d, cod in por_docente]

    raiz = [("codigo", "46999901"), ("denominacion", "IES Tossal de les Oliveres"), ("curso", "2019"),
            ("fecha_exportacion", "12/09/2019 10:32:15"), ("version", "1.4")]
    return raiz, [
        ("plantillas_horario", "plantilla_horario",
         _filas("codigo descripcion_val descripcion_cas turno", D.PLANTILLAS)),
        ("sesiones_horario", "sesion_horario",
         _filas("plantilla dia_semana sesion_orden hora_desde hora_hasta", sesiones)),
        ("ensenanzas", "ensenanza", _filas("ensenanza abreviatura nombre_val nombre_cas", D.ENSENANZAS)),
        ("cursos", "curso", _filas("codigo padre abreviatura ensenanza nombre_val nombre_cas", D.CURSOS)),
        ("grupos", "grupo", _filas("codigo nombre turno ensenanza tutor_ppal tutor_sec", tutores)),
        ("cursos_grupo", "curso_grupo", _filas("grupo curso", [(g[0], g[4]) for g in D.GRUPOS])),
        ("docentes", "docente", _filas("documento apellido1 apellido2 nombre tipo_docente fecha_ingreso "
                                       "ensenanza email1 email2", fichas)),
        ("contenidos", "contenido", _filas("codigo curso nombre_val nombre_cas", contenidos)),
        ("ocupaciones", "ocupacion", _filas("codigo nombre_val nombre_cas", D.OCUPACIONES)),
        ("aulas", "aula", _filas("codigo nombre", D.AULAS)),
        ("horarios_grupo", "horario_grupo",
         _filas("plantilla dia_semana sesion_orden hora_desde hora_hasta grupo ensenanza curso contenido "
                "docente aula idioma", lineas)),
        ("horarios_ocupaciones", "horario_ocupacion",
         _filas("plantilla dia_semana sesion_orden hora_desde hora_hasta docente ensenanza ocupacion",
                lineas_ocupacion)),
        ("alumnos", "alumno", _filas("NIA nombre apellido1 apellido2 grupo", D.ALUMNOS)),
        ("matriculas", "matricula", _filas("alumno curso grupo estado",
                                           [(a[0], grupos[a[4]][4], a[4], "M") for a in D.ALUMNOS])),
    ]
