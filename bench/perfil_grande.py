"""The profile "grande" of generar_centro.py: a realistic large secondary school, scaled.

At scale 1 the file is one large school: about 150 teachers, 70 groups, 45 courses,
450 subjects, 60 rooms, 40 occupations, 3 timetable templates, 6,000 group timetable
lines, 900 occupation timetable lines, and the sections that a real export carries and
the transfer does not read (1,500 students with their enrolments, families, staff
catalogues...), 55 sections in all. Scale k holds k such schools' worth of elements in
each section, every code unique as ITACA gives them. The same scale and seed always give
the same bytes. Its catalogues are in datos_centro.py, the unread sections in
secciones_ignoradas.py.
"""
import random

import centro_xml
import datos_centro as D
import secciones_ignoradas


class Documentos:
    """Identity-document numbers, unique across the whole file. They come from a generator
    of their own, so that drawing them never shifts the choices that shape a school."""

    def __init__(self, semilla):
        self.usados = set()
        self.rng = random.Random("%s/documentos" % semilla)

    def nuevo(self, extranjero=False):
        rng = self.rng
        while True:
            n = rng.randrange(10**7, 10**8) if not extranjero else rng.randrange(10**6, 10**7)
            texto = centro_xml.dni(n, extranjero)
            if texto not in self.usados:
                self.usados.add(texto)
                return texto


def vacio_o(rng, valor, probabilidad):
    """ITACA writes a blank attribute as a single space."""
    return " " if rng.random() < probabilidad else valor


class Escuela:
    """One school's worth of the sections that the transfer reads (block b of the file).

    Every block makes the same choices of structure (who teaches what, how many lines a
    session has...), so that scale k holds exactly k times the elements of scale 1; the
    codes, the identity documents and the names differ from block to block."""

    def __init__(self, b, semilla, documentos):
        self.b = b
        rng = random.Random("%s/modelo" % semilla)
        self.nombres = random.Random("%s/%d/nombres" % (semilla, b))
        sufijo = "" if b == 0 else str(b)

        # Teachings.
        self.ensenanzas = {}
        for clave, codigo, abrev, nv, nc in D.ENSENANZAS:
            self.ensenanzas[clave] = {"ensenanza": str(codigo + 100 * b), "abreviatura": abrev,
                                      "nombre_val": nv, "nombre_cas": nc}

        # Courses, then their groups and subjects.
        self.cursos, self.grupos, self.contenidos = [], [], []
        codigo_curso = {}
        for i, (clave, abrev, nv, nc, ens, padre, raiz, letras, turno, cat) in enumerate(D.CURSOS):
            codigo_curso[clave] = str(2300000 + 100 * b + i)
        comunes_bat = {}
        siguiente = [0]

        def codigo_contenido():
            siguiente[0] += 1
            return str(3000000 + 1000 * b + siguiente[0])

        for clave, abrev, nv, nc, ens, padre, raiz, letras, turno, cat in D.CURSOS:
            curso = {"clave": clave, "codigo": codigo_curso[clave], "abreviatura": abrev,
                     "nombre_val": nv, "nombre_cas": nc, "ensenanza": self.ensenanzas[ens]["ensenanza"],
                     "padre": codigo_curso[padre] if padre else vacio_o(rng, "", 0.5),
                     "padre_clave": padre, "asignaturas": []}
            self.cursos.append(curso)
            if cat in D.ASIGNATURAS:
                lista = D.ASIGNATURAS[cat]
            else:
                lista = D.modulos(cat, int(abrev[0]))
            for k, (val, cas, horas, dep, sala) in enumerate(lista):
                codigo = codigo_contenido()
                if cat == "ESPA" and abrev == "ESPA I" and k < 2:
                    # Two long codes that share their first eight and last two characters.
                    codigo = "EPA%05d%s01" % (b, "CO" if k == 0 else "SO")
                self._anadir_contenido(curso, codigo, val, cas, horas, dep, sala)
            if clave[1:] in ("BCT", "BHCS", "BART"):
                anyo = int(clave[0])
                for val, cas, horas, dep, sala in D.COMUNES_BAT[anyo]:
                    codigo = comunes_bat.setdefault((anyo, val), None) or codigo_contenido()
                    comunes_bat[(anyo, val)] = codigo
                    self._anadir_contenido(curso, codigo, val, cas, horas, dep, sala)

        por_clave = {c["clave"]: c for c in self.cursos}
        for curso in self.cursos:
            clave = curso["clave"]
            definicion = next(d for d in D.CURSOS if d[0] == clave)
            raiz, letras, turno = definicion[6], definicion[7], definicion[8]
            for letra in letras:
                numero = next(ch for ch in clave if ch.isdigit())
                codigo = numero + raiz + sufijo + letra
                nombre_val = "%s %s" % (curso["nombre_val"], letra)
                enlaces = [curso]
                if curso["padre_clave"]:
                    enlaces.append(por_clave[curso["padre_clave"]])
                self.grupos.append({"codigo": codigo, "nombre": nombre_val, "turno": turno,
                                    "ensenanza": curso["ensenanza"], "cursos": enlaces,
                                    "plantilla": D.PLANTILLA_DE_TURNO[turno]})

        # Teachers, by department.
        self.docentes = []
        self.por_departamento = {}
        for dep, _, _, cuantos in D.DEPARTAMENTOS:
            for _ in range(cuantos):
                d = self._docente(rng, documentos, dep)
                self.docentes.append(d)
                self.por_departamento.setdefault(dep, []).append(d)
        rng.shuffle(self.docentes)

        # Rooms.
        self.aulas = []
        for codigo, nombre, tipo in D.AULAS:
            if codigo.strip() and b:
                codigo = "%s.%d" % (codigo, b)
            self.aulas.append({"codigo": codigo, "nombre": nombre, "tipo": tipo})
        self.aulas_de_tipo = {}
        for a in self.aulas:
            if a["codigo"].strip():
                self.aulas_de_tipo.setdefault(a["tipo"], []).append(a["codigo"])
        ordinarias = self.aulas_de_tipo[""]
        self.plantilla_de_grupo = {g["codigo"]: g["plantilla"] for g in self.grupos}
        for i, g in enumerate(self.grupos):
            g["aula"] = ordinarias[i % len(ordinarias)]

        self.ocupaciones = [{"codigo": str(num + 10000 * b), "nombre_val": nv, "nombre_cas": nc,
                             "peso": peso} for num, nv, nc, peso in D.OCUPACIONES]
        self.plantillas = [{"codigo": str(num + 10 * b), "descripcion_val": dv, "descripcion_cas": dc,
                            "turno": turno, "sesiones": sesiones}
                           for num, dv, dc, turno, sesiones in D.PLANTILLAS]

        self._repartir_docencia(rng)

    def _anadir_contenido(self, curso, codigo, val, cas, horas, dep, sala):
        c = {"codigo": codigo, "curso": curso["codigo"], "nombre_val": val, "nombre_cas": cas,
             "horas": horas, "departamento": dep, "sala": sala}
        curso["asignaturas"].append(c)
        self.contenidos.append(c)

    def _docente(self, rng, documentos, dep):
        extranjero = rng.random() < 0.03
        sin_segundo = rng.random() < 0.02
        nombre = self.nombres.choice(D.NOMBRES)
        ap1 = self.nombres.choice(D.APELLIDOS)
        ap2 = " " if extranjero or sin_segundo else self.nombres.choice(D.APELLIDOS)
        usuario = "%s%s" % (nombre.split()[0][0], ap1)
        usuario = usuario.lower().translate(str.maketrans("àáèéíïòóúüç·ñ ", "aaeeiioouuc-n_"))
        email1 = "%s%d@%s" % (usuario, rng.randrange(1, 99), rng.choice(D.DOMINIOS))
        return {
            "documento": documentos.nuevo(extranjero), "nombre": nombre, "apellido1": ap1,
            "apellido2": ap2, "sexo": rng.choice("HM"),
            "fecha_nacimiento": "%02d/%02d/%d" % (rng.randrange(1, 29), rng.randrange(1, 13),
                                                  rng.randrange(1960, 1997)),
            "tipo_docente": rng.choices(["D", "I", "E", "d"], [85, 9, 5, 1])[0],
            "fecha_ingreso": "%02d/09/%d" % (rng.randrange(1, 16), rng.randrange(1985, 2024)),
            "departamento": dep, "email1": vacio_o(rng, email1, 0.12),
            "email2": "%s@%s" % (usuario, rng.choice(D.DOMINIOS)),
            "telefono": "6%08d" % rng.randrange(10**8), "carga": 0, "ensenanzas": {}, "grupos": {},
        }

    def _repartir_docencia(self, rng):
        """Gives every subject of every group one or two teachers, and picks tutors."""
        self.docencia = {}
        for g in self.grupos:
            profes = set()
            for curso in g["cursos"]:
                for c in curso["asignaturas"]:
                    candidatos = self.por_departamento[c["departamento"]]
                    elegidos = sorted(candidatos, key=lambda d: (d["carga"], rng.random()))[:2]
                    n = 2 if rng.random() < 0.15 and len(elegidos) > 1 else 1
                    for d in elegidos[:n]:
                        d["carga"] += c["horas"]
                        d["ensenanzas"][g["ensenanza"]] = d["ensenanzas"].get(g["ensenanza"], 0) + 1
                        d["grupos"][g["codigo"]] = d["grupos"].get(g["codigo"], 0) + c["horas"]
                        profes.add(d["documento"])
                    self.docencia[(g["codigo"], c["codigo"], curso["codigo"])] = elegidos[:n]
            tutor = rng.choice(sorted(profes))
            r = rng.random()
            g["tutor_ppal"], g["tutor_sec"] = (tutor, " ") if r < 0.85 else \
                ((" ", tutor) if r < 0.95 else (" ", " "))
        for d in self.docentes:
            d["ensenanza"] = max(d["ensenanzas"], key=d["ensenanzas"].get) if d["ensenanzas"] \
                else self.ensenanzas["ESO"]["ensenanza"]


def filas_leidas(escuelas, semilla):
    """The sections that the transfer reads, each a generator of attribute lists."""
    def plantillas():
        for e in escuelas:
            for p in e.plantillas:
                yield [("codigo", p["codigo"]), ("descripcion_val", p["descripcion_val"]),
                       ("descripcion_cas", p["descripcion_cas"]), ("turno", p["turno"])]

    def sesiones():
        for e in escuelas:
            for p in e.plantillas:
                for dia in D.DIAS:
                    for orden, (desde, hasta, patio) in enumerate(p["sesiones"], 1):
                        yield [("plantilla", p["codigo"]), ("dia_semana", dia), ("sesion_orden", str(orden)),
                               ("hora_desde", desde), ("hora_hasta", hasta),
                               ("tipo", "R" if patio else "L")]

    def docentes():
        for e in escuelas:
            for d in e.docentes:
                yield [("documento", d["documento"]), ("nombre", d["nombre"]), ("apellido1", d["apellido1"]),
                       ("apellido2", d["apellido2"]), ("sexo", d["sexo"]),
                       ("fecha_nacimiento", d["fecha_nacimiento"]), ("tipo_docente", d["tipo_docente"]),
                       ("fecha_ingreso", d["fecha_ingreso"]), ("departamento", d["departamento"]),
                       ("ensenanza", d["ensenanza"]), ("email1", d["email1"]), ("email2", d["email2"]),
                       ("telefono", d["telefono"])]

    def ensenanzas():
        for e in escuelas:
            for x in e.ensenanzas.values():
                yield [("ensenanza", x["ensenanza"]), ("abreviatura", x["abreviatura"]),
                       ("nombre_val", x["nombre_val"]), ("nombre_cas", x["nombre_cas"])]

    def cursos():
        for e in escuelas:
            for c in e.cursos:
                yield [("codigo", c["codigo"]), ("padre", c["padre"]), ("abreviatura", c["abreviatura"]),
                       ("nombre_val", c["nombre_val"]), ("nombre_cas", c["nombre_cas"]),
                       ("ensenanza", c["ensenanza"])]

    def cursos_grupo():
        for e in escuelas:
            for g in e.grupos:
                for c in g["cursos"]:
                    yield [("grupo", g["codigo"]), ("curso", c["codigo"])]

    def grupos():
        for e in escuelas:
            for g in e.grupos:
                yield [("codigo", g["codigo"]), ("nombre", g["nombre"]), ("turno", g["turno"]),
                       ("ensenanza", g["ensenanza"]), ("tutor_ppal", g["tutor_ppal"]),
                       ("tutor_sec", g["tutor_sec"]), ("aula", g["aula"])]

    def contenidos():
        for e in escuelas:
            for c in e.contenidos:
                yield [("codigo", c["codigo"]), ("curso", c["curso"]), ("nombre_val", c["nombre_val"]),
                       ("nombre_cas", c["nombre_cas"]), ("horas", str(c["horas"])),
                       ("departamento", c["departamento"])]

    def ocupaciones():
        for e in escuelas:
            for o in e.ocupaciones:
                yield [("codigo", o["codigo"]), ("nombre_val", o["nombre_val"]), ("nombre_cas", o["nombre_cas"])]

    def aulas():
        for e in escuelas:
            for a in e.aulas:
                yield [("codigo", a["codigo"]), ("nombre", a["nombre"]), ("capacidad", "30")]

    def horarios_grupo():
        for e in escuelas:
            yield from lineas_grupo(e, random.Random("%s/horarios_grupo" % semilla))

    def horarios_ocupacion():
        for e in escuelas:
            yield from lineas_ocupacion(e, random.Random("%s/horarios_ocupacion" % semilla))

    return {
        "plantillas_horario": ("plantilla_horario", plantillas), "sesiones_horario": ("sesion_horario", sesiones),
        "docentes": ("docente", docentes), "ensenanzas": ("ensenanza", ensenanzas), "cursos": ("curso", cursos),
        "cursos_grupo": ("curso_grupo", cursos_grupo), "grupos": ("grupo", grupos),
        "contenidos": ("contenido", contenidos), "ocupaciones": ("ocupacion", ocupaciones),
        "aulas": ("aula", aulas), "horarios_grupo": ("horario_grupo", horarios_grupo),
        "horarios_ocupaciones": ("horario_ocupacion", horarios_ocupacion),
    }


# Parallel lines in one session of a group: optional subjects and split classes.
PARALELAS = ([1, 2, 3, 4, 5], [10, 20, 30, 25, 15])


def lineas_grupo(e, rng):
    for g in e.grupos:
        p = e.plantillas[g["plantilla"]]
        opciones = []
        for curso in g["cursos"]:
            for c in curso["asignaturas"]:
                for d in e.docencia[(g["codigo"], c["codigo"], curso["codigo"])]:
                    opciones.append((curso, c, d))
        pesos = [c["horas"] for _, c, _ in opciones]
        for dia in D.DIAS:
            for orden, (desde, hasta, patio) in enumerate(p["sesiones"], 1):
                if patio:
                    continue
                n = rng.choices(*PARALELAS)[0]
                vistas = set()
                for _ in range(n):
                    curso, c, d = rng.choices(opciones, pesos)[0]
                    if (c["codigo"], d["documento"]) in vistas:
                        continue
                    vistas.add((c["codigo"], d["documento"]))
                    if c["sala"]:
                        aula = rng.choice(e.aulas_de_tipo[c["sala"]])
                    else:
                        aula = g["aula"]
                    yield [("plantilla", p["codigo"]), ("dia_semana", dia), ("sesion_orden", str(orden)),
                           ("hora_desde", desde), ("hora_hasta", hasta), ("grupo", g["codigo"]),
                           ("ensenanza", g["ensenanza"]), ("curso", curso["codigo"]),
                           ("contenido", c["codigo"]), ("docente", d["documento"]),
                           ("aula", vacio_o(rng, aula, 0.04)),
                           ("idioma", rng.choices([" ", "V", "C", "A"], [70, 15, 10, 5])[0])]


def lineas_ocupacion(e, rng):
    pesos = [o["peso"] for o in e.ocupaciones]
    for d in e.docentes:
        plantilla = 0
        if d["grupos"]:
            grupo = max(d["grupos"], key=d["grupos"].get)
            plantilla = e.plantilla_de_grupo[grupo]
        p = e.plantillas[plantilla]
        huecos = [(dia, orden) for dia in D.DIAS for orden in range(1, len(p["sesiones"]) + 1)]
        n = max(1, round(rng.gauss(6, 2)))
        for dia, orden in rng.sample(huecos, min(n, len(huecos))):
            o = rng.choices(e.ocupaciones, pesos)[0]
            desde, hasta, _ = p["sesiones"][orden - 1]
            yield [("plantilla", p["codigo"]), ("dia_semana", dia), ("sesion_orden", str(orden)),
                   ("hora_desde", desde), ("hora_hasta", hasta), ("docente", d["documento"]),
                   ("ensenanza", d["ensenanza"]), ("ocupacion", o["codigo"])]


# The order of the sections in the file, as a real export lays them out: catalogues,
# staff, curriculum, timetables, students.
ORDEN = [
    "idiomas", "paises", "provincias", "municipios", "turnos", "tipos_docente", "cuerpos",
    "especialidades", "departamentos", "edificios", "tipos_aula", "aulas", "jornadas", "reducciones",
    "cargos", "ensenanzas", "ciclos", "programas_linguisticos", "cursos", "contenidos", "grupos",
    "cursos_grupo", "docentes", "docentes_departamento", "puestos", "docentes_cargo",
    "docentes_reduccion", "ocupaciones", "plantillas_horario", "sesiones_horario", "horarios_grupo",
    "horarios_ocupaciones", "evaluaciones", "calendario_evaluaciones", "festivos", "equipos_docentes",
    "miembros_equipo_docente", "sesiones_evaluacion", "reuniones", "miembros_reunion", "actividades",
    "alumnos", "matriculas", "matriculas_contenido", "materias_pendientes", "familiares",
    "alumnos_familiar", "telefonos", "alumnos_nee", "ayudas", "rutas_transporte", "alumnos_ruta",
    "empresas_fct", "alumnos_fct", "recursos",
]


def secciones(escala, semilla):
    """The root's attributes and the sections in file order, generated as they are written."""
    documentos = Documentos(semilla)
    escuelas = [Escuela(b, semilla, documentos) for b in range(escala)]
    leidas = filas_leidas(escuelas, semilla)
    ignoradas = secciones_ignoradas.secciones(escuelas, semilla, documentos)
    faltan = set(ORDEN) ^ (set(leidas) | set(ignoradas))
    assert not faltan, faltan
    raiz = [("codigo", "46019931"), ("denominacion", "IES Lluís Vives de l'Horta"), ("curso", "2024"),
            ("fecha_exportacion", "02/09/2024 10:31:07"), ("version", "2.4.1")]
    # Lazily: some sections draw identity documents as they are written, in this order.
    return raiz, ((nombre, elemento, filas()) for nombre in ORDEN
                  for elemento, filas in [leidas[nombre] if nombre in leidas else ignoradas[nombre]])
