"""The sections of a real ITACA export that the transfer does not read: catalogues, staff
records, evaluation calendars, students with their enrolments and families, and so on.

They are there so that the centre file has the size and shape of a real one. Each section
is a generator of attribute lists, made per school block from its own seeded generator.
"""
import random

import datos_centro as D

ALUMNOS_POR_ESCUELA = 1500


def _rng(semilla, b, seccion):
    # The same for every school block: each block makes the same choices of structure, so
    # that scale k holds exactly k times the elements of scale 1.
    return random.Random("%s/%s" % (semilla, seccion))


def _fecha(rng, desde, hasta):
    return "%02d/%02d/%d" % (rng.randrange(1, 29), rng.randrange(1, 13), rng.randrange(desde, hasta))


def _alumnos(e, semilla, documentos):
    """The students of a school block, made once: 1,500 spread over its groups."""
    if hasattr(e, "alumnos"):
        return e.alumnos
    rng = _rng(semilla, e.b, "alumnos")
    nombres = random.Random("%s/%d/alumnos" % (semilla, e.b))
    grupos = [g for g in e.grupos]
    e.alumnos = []
    for i in range(ALUMNOS_POR_ESCUELA):
        g = grupos[i % len(grupos)]
        adulto = g["ensenanza"] != e.ensenanzas["ESO"]["ensenanza"]
        cp, municipio = rng.choice(D.LOCALIDADES)
        e.alumnos.append({
            "nia": str(10000000 + 100000 * e.b + i), "grupo": g, "curso": g["cursos"][0],
            "documento": documentos.nuevo(rng.random() < 0.06) if adulto or rng.random() < 0.6 else " ",
            "nombre": nombres.choice(D.NOMBRES), "apellido1": nombres.choice(D.APELLIDOS),
            "apellido2": nombres.choice(D.APELLIDOS) if rng.random() > 0.04 else " ",
            "sexo": rng.choice("HM"), "fecha_nacimiento": _fecha(rng, 1995 if adulto else 2007, 2013),
            "domicilio": "%s, %d" % (rng.choice(D.CALLES), rng.randrange(1, 120)),
            "cp": cp, "municipio": municipio, "telefono": "6%08d" % rng.randrange(10**8),
            "sip": "%08d" % rng.randrange(10**8), "familiares": 1 if rng.random() < 0.3 else 2,
        })
    return e.alumnos


def secciones(escuelas, semilla, documentos):
    def por_escuela(seccion, hacer):
        def filas():
            for e in escuelas:
                yield from hacer(e, _rng(semilla, e.b, seccion))
        return filas

    def catalogo(seccion, valores):
        return por_escuela(seccion, lambda e, rng: (
            [("codigo", "%d" % (1000 * e.b + i + 1))] + list(v) for i, v in enumerate(valores)))

    def alumnos(e, rng):
        for a in _alumnos(e, semilla, documentos):
            yield [("nia", a["nia"]), ("documento", a["documento"]), ("nombre", a["nombre"]),
                   ("apellido1", a["apellido1"]), ("apellido2", a["apellido2"]), ("sexo", a["sexo"]),
                   ("fecha_nacimiento", a["fecha_nacimiento"]), ("nacionalidad", "ESP" if rng.random() < 0.9 else "MAR"),
                   ("pais_nacimiento", "724"), ("provincia_nacimiento", "46"),
                   ("municipio_nacimiento", a["municipio"]), ("domicilio", a["domicilio"]), ("cp", a["cp"]),
                   ("municipio", a["municipio"]), ("telefono", a["telefono"]),
                   ("email", " " if rng.random() < 0.4 else "%s%s@alu.edu.gva.es" % (a["nia"], a["sexo"].lower())),
                   ("sip", a["sip"]), ("repetidor", "S" if rng.random() < 0.08 else "N")]

    def matriculas(e, rng):
        for a in _alumnos(e, semilla, documentos):
            g = a["grupo"]
            yield [("alumno", a["nia"]), ("curso", a["curso"]["codigo"]), ("grupo", g["codigo"]),
                   ("ensenanza", g["ensenanza"]), ("estado", "M"), ("fecha_matricula", _fecha(rng, 2024, 2025)),
                   ("turno", g["turno"]), ("programa_linguistico", rng.choice(["PEV", "PEPLI", "PIL"])),
                   ("repite", "S" if rng.random() < 0.08 else "N")]

    def matriculas_contenido(e, rng):
        for a in _alumnos(e, semilla, documentos):
            asignaturas = a["curso"]["asignaturas"]
            elegidas = asignaturas if len(asignaturas) <= 10 else \
                asignaturas[:7] + rng.sample(asignaturas[7:], min(3, len(asignaturas) - 7))
            for c in elegidas:
                yield [("alumno", a["nia"]), ("curso", c["curso"]), ("contenido", c["codigo"]),
                       ("grupo", a["grupo"]["codigo"]), ("tipo", "O" if rng.random() < 0.7 else "P"),
                       ("exento", "N"), ("idioma", rng.choice(["V", "C", " "]))]

    def materias_pendientes(e, rng):
        alumnos_ = _alumnos(e, semilla, documentos)
        for a in rng.sample(alumnos_, 220):
            c = rng.choice(a["curso"]["asignaturas"])
            yield [("alumno", a["nia"]), ("contenido", c["codigo"]), ("curso", c["curso"]),
                   ("curso_academico", "2023")]

    def familiares(e, rng):
        for a in _alumnos(e, semilla, documentos):
            for k in range(a["familiares"]):
                yield [("documento", documentos.nuevo()), ("nombre", rng.choice(D.NOMBRES)),
                       ("apellido1", a["apellido1"] if k == 0 else rng.choice(D.APELLIDOS)),
                       ("apellido2", rng.choice(D.APELLIDOS)), ("telefono", "6%08d" % rng.randrange(10**8)),
                       ("email", " " if rng.random() < 0.3 else "familia%s@%s" % (a["nia"], rng.choice(D.DOMINIOS))),
                       ("domicilio", a["domicilio"]), ("cp", a["cp"]), ("municipio", a["municipio"])]

    def alumnos_familiar(e, rng):
        for a in _alumnos(e, semilla, documentos):
            for k in range(a["familiares"]):
                yield [("alumno", a["nia"]), ("orden", str(k + 1)), ("parentesco", "P" if k == 0 else "M"),
                       ("tutor_legal", "S"), ("recibe_notificaciones", "S" if rng.random() < 0.8 else "N")]

    def telefonos(e, rng):
        for a in _alumnos(e, semilla, documentos):
            for k in range(rng.choice([2, 2, 3])):
                yield [("alumno", a["nia"]), ("telefono", "%d%08d" % (rng.choice([6, 9]), rng.randrange(10**8))),
                       ("tipo", rng.choice(["M", "F", "T"])), ("preferente", "S" if k == 0 else "N")]

    def muestra_alumnos(n, campos):
        def hacer(e, rng):
            for a in rng.sample(_alumnos(e, semilla, documentos), n):
                yield [("alumno", a["nia"])] + campos(rng, a)
        return hacer

    def docentes_de(campos):
        def hacer(e, rng):
            for d in e.docentes:
                fila = campos(rng, d)
                if fila is not None:
                    yield [("docente", d["documento"])] + fila
        return hacer

    def grupos_de(n, campos):
        def hacer(e, rng):
            for g in e.grupos:
                for k in range(n):
                    yield [("grupo", g["codigo"])] + campos(rng, g, k)
        return hacer

    def miembros_equipo(e, rng):
        for g in e.grupos:
            profes = sorted({d["documento"] for (grupo, _, _), ds in e.docencia.items() if grupo == g["codigo"]
                             for d in ds})
            for p in profes:
                yield [("grupo", g["codigo"]), ("docente", p), ("rol", "T" if p == g["tutor_ppal"] else "P")]

    def reuniones_miembros(e, rng):
        for r in range(30):
            for d in rng.sample(e.docentes, 8):
                yield [("reunion", str(1000 * e.b + r + 1)), ("docente", d["documento"]),
                       ("asiste", "S" if rng.random() < 0.9 else "N")]

    provincias = [("nombre", "Província %02d" % i) for i in range(1, 53)]
    municipios = [("nombre", "Municipi %03d" % i) for i in range(1, 121)]
    paises = [("nombre", "País %02d" % i) for i in range(1, 41)]
    especialidades = [("nombre", "Especialitat %02d" % i) for i in range(1, 41)]
    ciclos = [("nombre", c[2]) for c in D.CURSOS if c[4] in ("FPB", "CFGM", "CFGS") and c[0][0] == "1"]

    return {
        "idiomas": ("idioma", catalogo("idiomas", [[("nombre", n)] for n in ["Valencià", "Castellà", "Anglés", "Francés"]])),
        "paises": ("pais", catalogo("paises", [[p] for p in paises])),
        "provincias": ("provincia", catalogo("provincias", [[p] for p in provincias])),
        "municipios": ("municipio", catalogo("municipios", [[m, ("provincia", "46")] for m in municipios])),
        "turnos": ("turno", catalogo("turnos", [[("nombre", n)] for n in ["Matí", "Vesprada", "Nit", "Partit"]])),
        "tipos_docente": ("tipo_docente", catalogo("tipos_docente", [[("nombre", n)] for n in
                                                                    ["Docent", "Interí", "Educador", "Especialista", "Substitut"]])),
        "cuerpos": ("cuerpo", catalogo("cuerpos", [[("nombre", n)] for n in
                                                  ["590 Secundària", "591 Professors Tècnics de FP", "592 EOI",
                                                   "594 Música i Arts Escèniques", "595 Arts Plàstiques", "597 Mestres"]])),
        "especialidades": ("especialidad", catalogo("especialidades", [[e] for e in especialidades])),
        "departamentos": ("departamento", catalogo("departamentos", [[("abreviatura", d[0]), ("nombre_val", d[1]),
                                                                      ("nombre_cas", d[2])] for d in D.DEPARTAMENTOS])),
        "edificios": ("edificio", catalogo("edificios", [[("nombre", n)] for n in ["Edifici principal", "Aulari", "Tallers"]])),
        "tipos_aula": ("tipo_aula", catalogo("tipos_aula", [[("nombre", n)] for n in
                                                          ["Ordinària", "Laboratori", "Informàtica", "Taller", "Música",
                                                           "Plàstica", "Gimnàs", "Altres"]])),
        "jornadas": ("jornada", catalogo("jornadas", [[("nombre", n), ("horas", h)] for n, h in
                                                     [("Completa", "18"), ("Mitja", "9"), ("Dos terços", "12"), ("Un terç", "6")]])),
        "reducciones": ("reduccion", catalogo("reducciones", [[("nombre", "Reducció %d" % i), ("horas", str(i % 3 + 1))]
                                                              for i in range(1, 11)])),
        "cargos": ("cargo", catalogo("cargos", [[("nombre", "Càrrec %02d" % i)] for i in range(1, 17)])),
        "ciclos": ("ciclo", catalogo("ciclos", [[c] for c in ciclos])),
        "programas_linguisticos": ("programa_linguistico", catalogo("programas_linguisticos", [
            [("abreviatura", a), ("nombre", n)] for a, n in
            [("PEV", "Programa d'Ensenyament en Valencià"), ("PEPLI", "Programa Plurilingüe"),
             ("PIL", "Programa d'Immersió Lingüística"), ("PPEV", "Programa Plurilingüe en Valencià")]])),
        "docentes_departamento": ("docente_departamento", por_escuela("docentes_departamento", docentes_de(
            lambda rng, d: [("departamento", d["departamento"]), ("fecha_alta", d["fecha_ingreso"])]))),
        "puestos": ("puesto", por_escuela("puestos", docentes_de(
            lambda rng, d: [("puesto", "%06d" % rng.randrange(10**6)), ("cuerpo", "590"),
                            ("especialidad", d["departamento"]), ("jornada", "1"),
                            ("fecha_toma_posesion", d["fecha_ingreso"])]))),
        "docentes_cargo": ("docente_cargo", por_escuela("docentes_cargo", docentes_de(
            lambda rng, d: [("cargo", str(rng.randrange(1, 17)))] if rng.random() < 0.2 else None))),
        "docentes_reduccion": ("docente_reduccion", por_escuela("docentes_reduccion", docentes_de(
            lambda rng, d: [("reduccion", str(rng.randrange(1, 11))), ("horas", "2")] if rng.random() < 0.23 else None))),
        "evaluaciones": ("evaluacion", catalogo("evaluaciones", [[("nombre", n)] for n in
                                                                ["Avaluació inicial", "Primera", "Segona", "Final"]])),
        "calendario_evaluaciones": ("fecha_evaluacion", por_escuela("calendario_evaluaciones", lambda e, rng: (
            [("evaluacion", str(k % 4 + 1)), ("ensenanza", x["ensenanza"]), ("fecha", _fecha(rng, 2024, 2026))]
            for k, x in enumerate(list(e.ensenanzas.values())[:3] * 4)))),
        "festivos": ("festivo", por_escuela("festivos", lambda e, rng: (
            [("fecha", _fecha(rng, 2024, 2026)), ("descripcion", "Festiu %d" % (k + 1))] for k in range(14)))),
        "equipos_docentes": ("equipo_docente", por_escuela("equipos_docentes", grupos_de(
            1, lambda rng, g, k: [("coordinador", g["tutor_ppal"])]))),
        "miembros_equipo_docente": ("miembro_equipo_docente", por_escuela("miembros_equipo_docente", miembros_equipo)),
        "sesiones_evaluacion": ("sesion_evaluacion", por_escuela("sesiones_evaluacion", grupos_de(
            4, lambda rng, g, k: [("evaluacion", str(k + 1)), ("fecha", _fecha(rng, 2024, 2026)),
                                  ("hora", "%02d:00" % rng.randrange(15, 20))]))),
        "reuniones": ("reunion", por_escuela("reuniones", lambda e, rng: (
            [("codigo", str(1000 * e.b + r + 1)), ("descripcion", "Reunió %d" % (r + 1)),
             ("fecha", _fecha(rng, 2024, 2026))] for r in range(30)))),
        "miembros_reunion": ("miembro_reunion", por_escuela("miembros_reunion", reuniones_miembros)),
        "actividades": ("actividad", por_escuela("actividades", lambda e, rng: (
            [("codigo", str(1000 * e.b + k + 1)), ("descripcion", "Activitat complementària %d" % (k + 1)),
             ("fecha", _fecha(rng, 2024, 2026)), ("responsable", rng.choice(e.docentes)["documento"])]
            for k in range(40)))),
        "alumnos": ("alumno", por_escuela("alumnos", alumnos)),
        "matriculas": ("matricula", por_escuela("matriculas", matriculas)),
        "matriculas_contenido": ("matricula_contenido", por_escuela("matriculas_contenido", matriculas_contenido)),
        "materias_pendientes": ("materia_pendiente", por_escuela("materias_pendientes", materias_pendientes)),
        "familiares": ("familiar", por_escuela("familiares", familiares)),
        "alumnos_familiar": ("alumno_familiar", por_escuela("alumnos_familiar", alumnos_familiar)),
        "telefonos": ("telefono", por_escuela("telefonos", telefonos)),
        "alumnos_nee": ("alumno_nee", por_escuela("alumnos_nee", muestra_alumnos(
            90, lambda rng, a: [("tipo", rng.choice(["TEA", "TDAH", "DIS", "ACNEAE"])), ("dictamen", "S")]))),
        "ayudas": ("ayuda", por_escuela("ayudas", muestra_alumnos(
            220, lambda rng, a: [("tipo", rng.choice(["Llibres", "Menjador", "Transport"])),
                                 ("importe", "%d.00" % rng.randrange(50, 400))]))),
        "rutas_transporte": ("ruta_transporte", por_escuela("rutas_transporte", lambda e, rng: (
            [("codigo", str(100 * e.b + k + 1)), ("descripcion", "Ruta %s" % rng.choice(D.LOCALIDADES)[1])]
            for k in range(8)))),
        "alumnos_ruta": ("alumno_ruta", por_escuela("alumnos_ruta", muestra_alumnos(
            180, lambda rng, a: [("ruta", str(rng.randrange(1, 9)))]))),
        "empresas_fct": ("empresa_fct", por_escuela("empresas_fct", lambda e, rng: (
            [("cif", "B%08d" % rng.randrange(10**8)), ("nombre", "Empresa %s %d, S.L." % (rng.choice(D.APELLIDOS), k)),
             ("municipio", rng.choice(D.LOCALIDADES)[1])] for k in range(80)))),
        "alumnos_fct": ("alumno_fct", por_escuela("alumnos_fct", muestra_alumnos(
            120, lambda rng, a: [("empresa", "B%08d" % rng.randrange(10**8)), ("horas", "400")]))),
        "recursos": ("recurso", por_escuela("recursos", lambda e, rng: (
            [("codigo", str(1000 * e.b + k + 1)), ("descripcion", "Recurs %d" % (k + 1)),
             ("aula", rng.choice(e.aulas)["codigo"])] for k in range(40)))),
    }
