#!/usr/bin/python3
"""Writes examples/centro.xml: the centre file of an invented secondary school.

IES Tossal de les Oliveres, a school of the Comunitat Valenciana as ITACA exports it:
teachers, courses, groups, subjects in Valencian and Castilian, occupations, rooms, two
timetable templates (MATI, the morning, and VESP, the afternoon) and the weekly
timetables of every group and the teachers' occupations. The school has a few of the
quirks real exports carry: blank attributes written as a single space, a teacher
without a second surname, teachers with the same initials, a group whose main tutor is
blank, a room without code, codes longer than Sesionix's short codes, and sections the
transfer does not read (alumnos, matriculas).

The output is the same on every run (a fixed seed places the lessons).
Usage: /usr/bin/python3 examples/generar_centro.py [OUTPUT]
"""
import os
import random
import sys
from xml.sax.saxutils import quoteattr

DIAS = ["L", "M", "X", "J", "V"]

# ---------------------------------------------------------------- templates and sessions
PLANTILLAS = [
    ("MATI", "Horari de matí", "Horario de mañana", "M"),
    ("VESP", "Horari de vesprada", "Horario de tarde", "V"),
]
SESIONES = {
    "MATI": [(1, "08:00", "08:55"), (2, "08:55", "09:50"), (3, "09:50", "10:45"),
             (4, "11:15", "12:10"), (5, "12:10", "13:05"), (6, "13:05", "14:00"),
             (7, "14:00", "14:55")],
    "VESP": [(8, "15:00", "15:55"), (9, "15:55", "16:50"), (10, "16:50", "17:45"),
             (11, "18:05", "19:00"), (12, "19:00", "19:55"), (13, "19:55", "20:50")],
}

# ---------------------------------------------------------------- teachings and courses
ENSENANZAS = [
    ("3", "ESO", "Educació Secundària Obligatòria", "Educación Secundaria Obligatoria"),
    ("5", "BAT", "Batxillerat", "Bachillerato"),
]
# code, parent, abbreviation, teaching, Valencian name, Castilian name
CURSOS = [
    ("3001", " ", "1ESO", "3", "1r d'ESO", "1º de ESO"),
    ("3002", " ", "2ESO", "3", "2n d'ESO", "2º de ESO"),
    ("3003", " ", "3ESO", "3", "3r d'ESO", "3º de ESO"),
    ("3004", " ", "4ESO", "3", "4t d'ESO", "4º de ESO"),
    ("3005", "3002", "PMAR1", "3", "Programa de millora (1r any)", "Programa de mejora (1er año)"),
    ("5001", " ", "1BAT", "5", "1r de Batxillerat", "1º de Bachillerato"),
    ("5002", " ", "2BAT", "5", "2n de Batxillerat", "2º de Bachillerato"),
]

# ---------------------------------------------------------------- teachers
# department, first surname, second surname, name, type, entry date, teaching
DOCENTES = [
    ("VAL", "Ferrer", "Puig", "Joan", "D", "01/09/1998", "3"),
    ("VAL", "Martí", "Soler", "Empar", "D", "01/09/2004", "3"),
    ("VAL", "Llopis", "Bertomeu", "Vicent", "I", "02/09/2019", "3"),
    ("CAS", "Navarro", "Ruiz", "Carmen", "D", "01/09/2001", "3"),
    ("CAS", "Sánchez", "Gil", "Andrés", "D", "01/09/2010", "3"),
    ("CAS", "Pérez", "Moll", "Lucía", "I", "09/09/2019", "3"),
    ("ANG", "Brown", " ", "Sarah", "D", "01/09/2007", "3"),
    ("ANG", "Climent", "Sendra", "Neus", "D", "01/09/2003", "3"),
    ("ANG", "Gisbert", "Mas", "Òscar", "D", "01/09/2012", "3"),
    ("ANG", "Ribes", "Castelló", "Marta", "I", "02/09/2019", "3"),
    ("MAT", "García", "Llopis", "Pere", "D", "01/09/1995", "3"),
    ("MAT", "Gil", "Lloret", "Pau", "D", "01/09/2008", "3"),
    ("MAT", "Sanchis", "Torres", "Amparo", "D", "01/09/2000", "3"),
    ("MAT", "Mompó", "Vidal", "Rafael", "D", "01/09/2015", "3"),
    ("MAT", "Esteve", "Server", "Lluïsa", "I", "16/09/2019", "3"),
    ("GEH", "Gómez", "Lledó", "Pilar", "D", "01/09/1999", "3"),
    ("GEH", "Tormo", "Ivars", "Xavier", "D", "01/09/2006", "3"),
    ("GEH", "Alberola", "Camps", "Teresa", "D", "01/09/2011", "3"),
    ("GEH", "Bataller", "Roig", "Josep", "I", "02/09/2019", "3"),
    ("BIG", "Ortolà", "Signes", "Anna", "D", "01/09/2002", "3"),
    ("BIG", "Pastor", "Frasquet", "Miquel", "D", "01/09/2009", "3"),
    ("BIG", "Colomer", "Bou", "Rosa", "I", "02/09/2019", "3"),
    ("FQU", "Segarra", "Peiró", "Enric", "D", "01/09/1997", "3"),
    ("FQU", "Cabanes", "Montaner", "Isabel", "D", "01/09/2013", "3"),
    ("FQU", "Verdú", "Sala", "Jordi", "I", "02/09/2019", "3"),
    ("TEC", "Lorente", "Tena", "Ferran", "D", "01/09/2005", "3"),
    ("TEC", "Vives", "Planells", "Sílvia", "D", "01/09/2014", "3"),
    ("EFI", "Domènech", "Borràs", "Toni", "D", "01/09/2003", "3"),
    ("EFI", "Marco", "Puchol", "Laia", "D", "01/09/2016", "3"),
    ("MUS", "Fuster", "Arnau", "Maria", "D", "01/09/2000", "3"),
    ("MUS", "Soriano", "Calatayud", "Alfons", "I", "02/09/2019", "3"),
    ("DIB", "Pla", "Giner", "Clara", "D", "01/09/2008", "3"),
    ("DIB", "Estellés", "Mira", "Vicent", "D", "01/09/2017", "5"),
    ("FIL", "Ivorra", "Benavent", "Salvador", "D", "01/09/1996", "5"),
    ("FIL", "Sempere", "Cano", "Elena", "D", "01/09/2012", "5"),
    ("CLA", "Bernabeu", "Ferri", "Àngels", "D", "01/09/2001", "5"),
    ("REL", "Guillem", "Bonet", "Josefa", "R", "01/09/2010", "3"),
    ("ECO", "Penalva", "Crespo", "Marc", "D", "01/09/2018", "5"),
    ("FRA", "Aracil", "Jordà", "Mireia", "D", "01/09/2009", "3"),
    ("ORI", "Moltó", "Beneyto", "Francesca", "D", "01/09/2004", "3"),
    ("INF", "Carbonell", "Ribera", "David", "D", "01/09/2011", "3"),
    ("ANG", "Llorca", "Valor", "Ester", "I", "01/10/2019", "5"),
    ("MAT", "Sancho", "Gadea", "Ramon", "I", "01/10/2019", "3"),
]
# Teachers who teach only in the afternoon, or not at all this year.
SOLO_VESPRADA = {("Estellés", "Vicent"), ("Llorca", "Ester")}
SIN_CLASES = {("Sancho", "Ramon")}
# The teacher whose first e-mail address is blank.
SIN_EMAIL1 = ("Pastor", "Miquel")

# ---------------------------------------------------------------- subjects

NOMBRES = {
    "VAL": ("Valencià: Llengua i Literatura", "Valenciano: Lengua y Literatura"),
    "CAS": ("Castellà: Llengua i Literatura", "Castellano: Lengua y Literatura"),
    "ANG": ("Primera Llengua Estrangera: Anglès", "Primera Lengua Extranjera: Inglés"),
    "MAT": ("Matemàtiques", "Matemáticas"),
    "GEH": ("Geografia i Història", "Geografía e Historia"),
    "BIG": ("Biologia i Geologia", "Biología y Geología"),
    "FQU": ("Física i Química", "Física y Química"),
    "EFI": ("Educació Física", "Educación Física"),
    "MUS": ("Música", "Música"),
    "EPV": ("Educació Plàstica, Visual i Audiovisual", "Educación Plástica, Visual y Audiovisual"),
    "TEC": ("Tecnologia", "Tecnología"),
    "TUT": ("Tutoria", "Tutoría"),
    "REL": ("Religió", "Religión"),
    "VET": ("Valors Ètics", "Valores Éticos"),
    "FRA": ("Segona Llengua Estrangera: Francès", "Segunda Lengua Extranjera: Francés"),
    "CCL": ("Cultura Clàssica", "Cultura Clásica"),
    "ECO": ("Economia", "Economía"),
    "LLA": ("Llatí", "Latín"),
    "INF": ("Tecnologies de la Informació i la Comunicació",
            "Tecnologías de la Información y la Comunicación"),
    "CULTCIENTIF": ("Cultura Científica", "Cultura Científica"),
    "FIL": ("Filosofia", "Filosofía"),
    "DTE": ("Dibuix Tècnic I", "Dibujo Técnico I"),
    "HES": ("Història d'Espanya", "Historia de España"),
    "HFI": ("Història de la Filosofia", "Historia de la Filosofía"),
    "FIS": ("Física", "Física"),
    "QUI": ("Química", "Química"),
    "BIO": ("Biologia", "Biología"),
    "MAT4": ("Matemàtiques Orientades a les Ensenyances Acadèmiques",
             "Matemáticas Orientadas a las Enseñanzas Académicas"),
    "MATB1": ("Matemàtiques I", "Matemáticas I"),
    "MATB2": ("Matemàtiques II", "Matemáticas II"),
    "ALS": ("Àmbit Lingüístic i Social", "Ámbito Lingüístico y Social"),
    "ACM": ("Àmbit Científic i Matemàtic", "Ámbito Científico y Matemático"),
}
DEPARTAMENTO = {
    "VAL": "VAL", "CAS": "CAS", "ANG": "ANG", "MAT": "MAT", "MAT4": "MAT", "MATB1": "MAT",
    "MATB2": "MAT", "GEH": "GEH", "HES": "GEH", "BIG": "BIG", "BIO": "BIG",
    "CULTCIENTIF": "BIG", "FQU": "FQU", "FIS": "FQU", "QUI": "FQU", "EFI": "EFI",
    "MUS": "MUS", "EPV": "DIB", "DTE": "DIB", "TEC": "TEC", "REL": "REL", "VET": "FIL",
    "FIL": "FIL", "HFI": "FIL", "FRA": "FRA", "CCL": "CLA", "LLA": "CLA", "ECO": "ECO",
    "INF": "INF", "TUT": None, "ALS": None, "ACM": None,
}

# Weekly plan of each course in the morning: (subject key, ITACA code, hours); a tuple of
# entries in one item is taught at the same time to the same group (optional subjects).
PLAN = {
    "3001": [("VAL", "VAL1", 3), ("CAS", "CAS1", 3), ("ANG", "ANG1", 4), ("MAT", "MAT1", 4),
             ("GEH", "GEH1", 3), ("BIG", "BIG1", 3), ("EFI", "EFI1", 2), ("MUS", "MUS1", 2),
             ("EPV", "EPV1", 2), ("TUT", "TUT", 1), (("REL", "REL1"), ("VET", "VET1"), 1),
             ("FRA", "FRA1", 2)],
    "3002": [("VAL", "VAL2", 3), ("CAS", "CAS2", 3), ("ANG", "ANG2", 3), ("MAT", "MAT2", 4),
             ("GEH", "GEH2", 3), ("FQU", "FQU2", 3), ("EFI", "EFI2", 2), ("MUS", "MUS2", 2),
             ("TEC", "TEC2", 3), ("TUT", "TUT", 1), (("REL", "REL2"), ("VET", "VET2"), 1),
             ("FRA", "FRA2", 2)],
    "3003": [("VAL", "VAL3", 3), ("CAS", "CAS3", 3), ("ANG", "ANG3", 3), ("MAT", "MAT3", 4),
             ("GEH", "GEH3", 3), ("BIG", "BIG3", 2), ("FQU", "FQU3", 2), ("EFI", "EFI3", 2),
             ("TEC", "TEC3", 2), ("EPV", "EPV3", 2), ("TUT", "TUT", 1),
             (("REL", "REL3"), ("VET", "VET3"), 1), ("CCL", "CCL3", 2)],
    "3004": [("VAL", "VAL4", 3), ("CAS", "CAS4", 3), ("ANG", "ANG4", 4), ("MAT4", "MAT4", 4),
             ("GEH", "GEH4", 3), ("EFI", "EFI4", 2), ("TUT", "TUT", 1),
             (("REL", "REL4"), ("VET", "VET4"), 1), (("ECO", "ECO4"), ("LLA", "LLA4"), 3),
             (("INF", "INF4"), ("CULTCIENTIF", "CULTCIENTIF4"), 3), ("FIL", "FIL4", 3)],
    "5001": [("VAL", "VAL1B", 3), ("CAS", "CAS1B", 3), ("ANG", "ANG1B", 3), ("FIL", "FIL1B", 3),
             ("EFI", "EFI1B", 2), ("MATB1", "MAT1B", 4), ("FQU", "FQU1B", 4),
             ("BIG", "BIG1B", 4), ("DTE", "DTE1B", 4)],
    "5002": [("VAL", "VAL2B", 3), ("CAS", "CAS2B", 3), ("ANG", "ANG2B", 3), ("HES", "HES2B", 4),
             ("HFI", "HFI2B", 2), ("MATB2", "MAT2B", 4), ("FIS", "FIS2B", 4), ("QUI", "QUI2B", 4),
             ("BIO", "BIO2B", 4)],
}
# Subjects with no group in the morning: the afternoon French of 4t and the PMAR areas.
EXTRA_CONTENIDOS = [("FRA", "FRA4", "3004"), ("ALS", "ALS", "3005"), ("ACM", "ACM", "3005")]

# ---------------------------------------------------------------- groups
# code, name, shift, teaching, course, home room
GRUPOS = [
    ("1ESOA", "1r ESO A", "M", "3", "3001", "A01"),
    ("1ESOB", "1r ESO B", "M", "3", "3001", "A02"),
    ("1ESOC", "1r ESO C", "M", "3", "3001", "A03"),
    ("2ESOA", "2n ESO A", "M", "3", "3002", "A04"),
    ("2ESOB", "2n ESO B", "M", "3", "3002", "A05"),
    ("2ESOC", "2n ESO C", "M", "3", "3002", "A06"),
    ("3ESOA", "3r ESO A", "M", "3", "3003", "A07"),
    ("3ESOB", "3r ESO B", "M", "3", "3003", "A08"),
    ("4ESOA", "4t ESO A", "M", "3", "3004", "A09"),
    ("4ESOB", "4t ESO B", "M", "3", "3004", "A10"),
    ("1BATA", "1r Batxillerat A", "M", "5", "5001", "A11"),
    ("2BATA", "2n Batxillerat A", "M", "5", "5002", "A12"),
    ("1BATB", "1r Batxillerat B (vesprada)", "V", "5", "5001", "A11"),
]
GRUPO_SIN_TUTOR_PPAL = "3ESOB"

# ---------------------------------------------------------------- occupations and rooms
OCUPACIONES = [
    ("10001", "Guàrdia", "Guardia"),
    ("10002", "Guàrdia de pati", "Guardia de patio"),
    ("10003", "Tutoria amb famílies", "Tutoría con familias"),
    ("10004", "Reunió de departament", "Reunión de departamento"),
    ("10005", "Cap de departament", "Jefatura de departamento"),
    ("10006", "Coordinació TIC", "Coordinación TIC"),
    ("10007", "Biblioteca", "Biblioteca"),
    ("10008", "Reunió d'equip educatiu", "Reunión de equipo educativo"),
    ("20003", "Coordinació de convivència", "Coordinación de convivencia"),
]
AULAS = [("A%02d" % i, "Aula %d" % i) for i in range(1, 13)] + [
    ("LAB1", "Laboratori de Física i Química"),
    ("LAB2", "Laboratori de Biologia"),
    ("LABORATORI3", "Laboratori de Ciències 3"),
    ("INF1", "Aula d'Informàtica 1"),
    ("INF2", "Aula d'Informàtica 2"),
    ("MUS", "Aula de Música"),
    ("PLA", "Aula de Plàstica"),
    ("TEC", "Taller de Tecnologia"),
    ("GIM", "Gimnàs"),
    ("BIB", "Biblioteca"),
    ("SAL", "Sala d'Actes"),
    ("DESD1", "Aula de desdoblament 1"),
    ("DESD2", "Aula de desdoblament 2"),
    (" ", "Pati cobert"),
]
AULA_ESPECIAL = {"EFI": "GIM", "MUS": "MUS", "TEC": "TEC", "EPV": "PLA", "DTE": "PLA",
                 "INF": "INF1", "VET": "DESD1", "LLA": "DESD2", "CULTCIENTIF": "LAB2",
                 "BIG": "LAB2", "BIO": "LAB2", "FIS": "LAB1", "QUI": "LAB1"}
CAPACIDAD = {"GIM": 2}

# ---------------------------------------------------------------- pupils (not read)
ALUMNOS = [
    ("10234567", "Aitana", "Bolufer", "Sendra", "1ESOA"),
    ("10234568", "Hugo", "Calabuig", "Morant", "1ESOA"),
    ("10234569", "Noa", "Desco", "Aparici", "2ESOB"),
    ("10234570", "Pau", "Escrivà", "Ortiz", "2ESOC"),
    ("10234571", "Júlia", "Fenollar", "Gascó", "3ESOA"),
    ("10234572", "Marc", "Grau", "Huguet", "4ESOB"),
    ("10234573", "Lucía", "Iborra", "Juan", "1BATA"),
    ("10234574", "Àlex", "Ferrando", "Lluch", "2BATA"),
]


def dni(numero):
    return "%08d%s" % (numero, "TRWAGMYFPDXBNJZSQVHLCKE"[numero % 23])


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
        por_dia = {d: 0 for d in DIAS}
        for _ in range(horas):
            candidatos = [(d, o) for d in DIAS for o in ordenes]
            self.rnd.shuffle(candidatos)
            candidatos.sort(key=lambda h: (por_dia[h[0]], h[1] == 7))
            for dia, orden in candidatos:
                if not self.libre(("g", grupo), dia, orden):
                    continue
                if any(not self.libre(("p", p["dni"]), dia, orden) for _, p, _ in entradas):
                    continue
                if any(not self.libre(("a", a), dia, orden, CAPACIDAD.get(a, 1)) for _, _, a in entradas):
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
    for i, (dep, ap1, ap2, nom, tipo, fecha, ens) in enumerate(DOCENTES):
        docentes.append({"dep": dep, "ap1": ap1, "ap2": ap2, "nom": nom, "tipo": tipo,
                         "fecha": fecha, "ens": ens, "dni": dni(20481937 + 7919 * i),
                         "carga": 0})
    por_nombre = {(d["ap1"], d["nom"]): d for d in docentes}
    manana = [d for d in docentes
              if (d["ap1"], d["nom"]) not in SOLO_VESPRADA | SIN_CLASES]

    def profesor_para(dep, horas):
        candidatos = [d for d in manana if d["dep"] == dep]
        elegido = min(candidatos, key=lambda d: d["carga"])
        elegido["carga"] += horas
        return elegido

    # Teachers of each group and subject, department by department, balancing the load.
    lecciones = []  # (group, [(code, teacher, room)], hours)
    for codigo, _, _, _, curso, aula in GRUPOS:
        if codigo == "1BATB":
            continue
        for item in PLAN[curso]:
            if isinstance(item[0], tuple):
                partes, horas = item[:-1], item[-1]
            else:
                partes, horas = [(item[0], item[1])], item[2]
            entradas = []
            for clave, cod in partes:
                if clave == "TUT":
                    entradas.append([cod, None, aula])
                    continue
                dep = DEPARTAMENTO[clave]
                if codigo == "2ESOC" and cod == "MAT2":
                    # Mathematics of 2n C is shared: three periods and one of support.
                    a = profesor_para(dep, 3)
                    b = profesor_para(dep, 1)
                    lecciones.append((codigo, [[cod, a, aula]], 3))
                    lecciones.append((codigo, [[cod, b, aula]], 1))
                    entradas = None
                    break
                entradas.append([cod, profesor_para(dep, horas), AULA_ESPECIAL.get(clave, aula)])
            if entradas:
                lecciones.append((codigo, entradas, horas))

    # Tutors: among the teachers of the group, the one with fewest tutorships.
    tutorias = {}
    tutor_de = {}
    for codigo, *_ in GRUPOS:
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
        curso = next(g[4] for g in GRUPOS if g[0] == grupo)
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
        huecos = [(d, o) for d in DIAS for o in range(1, 8)
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


def escribir(ruta):
    for semilla in range(2019, 2119):
        datos = construir(semilla)
        if datos:
            break
    else:
        sys.exit("No se ha podido colocar el horario.")
    docentes, tutor_de, colocadas, vesprada, ocupaciones = datos
    a = quoteattr
    L = []
    L.append('<?xml version="1.0" encoding="ISO-8859-1"?>')
    L.append('<centro codigo="46999901" denominacion="IES Tossal de les Oliveres" curso="2019" '
             'fecha_exportacion="12/09/2019 10:32:15" version="1.4">')

    L.append('  <plantillas_horario>')
    for cod, val, cas, turno in PLANTILLAS:
        L.append('    <plantilla_horario codigo=%s descripcion_val=%s descripcion_cas=%s turno=%s/>'
                 % (a(cod), a(val), a(cas), a(turno)))
    L.append('  </plantillas_horario>')

    L.append('  <sesiones_horario>')
    for plantilla, _, _, _ in PLANTILLAS:
        for dia in DIAS:
            for orden, desde, hasta in SESIONES[plantilla]:
                L.append('    <sesion_horario plantilla=%s dia_semana=%s sesion_orden="%d" '
                         'hora_desde=%s hora_hasta=%s/>' % (a(plantilla), a(dia), orden, a(desde), a(hasta)))
    L.append('  </sesiones_horario>')

    L.append('  <ensenanzas>')
    for cod, abr, val, cas in ENSENANZAS:
        L.append('    <ensenanza ensenanza=%s abreviatura=%s nombre_val=%s nombre_cas=%s/>'
                 % (a(cod), a(abr), a(val), a(cas)))
    L.append('  </ensenanzas>')

    L.append('  <cursos>')
    for cod, padre, abr, ens, val, cas in CURSOS:
        L.append('    <curso codigo=%s padre=%s abreviatura=%s ensenanza=%s nombre_val=%s nombre_cas=%s/>'
                 % (a(cod), a(padre), a(abr), a(ens), a(val), a(cas)))
    L.append('  </cursos>')

    L.append('  <grupos>')
    for cod, nombre, turno, ens, _, _ in GRUPOS:
        tutor = tutor_de[cod]["dni"]
        ppal, sec = (" ", tutor) if cod == GRUPO_SIN_TUTOR_PPAL else (tutor, " ")
        L.append('    <grupo codigo=%s nombre=%s turno=%s ensenanza=%s tutor_ppal=%s tutor_sec=%s/>'
                 % (a(cod), a(nombre), a(turno), a(ens), a(ppal), a(sec)))
    L.append('  </grupos>')

    L.append('  <cursos_grupo>')
    for cod, _, _, _, curso, _ in GRUPOS:
        L.append('    <curso_grupo grupo=%s curso=%s/>' % (a(cod), a(curso)))
    L.append('  </cursos_grupo>')

    L.append('  <docentes>')
    for d in docentes:
        usuario = sin_acentos(d["nom"])[:1] + sin_acentos(d["ap1"])
        email1 = usuario + "@tossal.example"
        email2 = sin_acentos(d["nom"]) + "." + sin_acentos(d["ap1"]) + "@correu.example"
        if (d["ap1"], d["nom"]) == SIN_EMAIL1:
            email1 = " "
        L.append('    <docente documento=%s apellido1=%s apellido2=%s nombre=%s tipo_docente=%s '
                 'fecha_ingreso=%s ensenanza=%s email1=%s email2=%s/>'
                 % (a(d["dni"]), a(d["ap1"]), a(d["ap2"]), a(d["nom"]), a(d["tipo"]), a(d["fecha"]),
                    a(d["ens"]), a(email1), a(email2)))
    L.append('  </docentes>')

    L.append('  <contenidos>')
    vistos = set()
    contenidos = []
    for curso in ["3001", "3002", "3003", "3004", "5001", "5002"]:
        for item in PLAN[curso]:
            partes = item[:-1] if isinstance(item[0], tuple) else [(item[0], item[1])]
            for clave, cod in partes:
                if (cod, curso) not in vistos:
                    vistos.add((cod, curso))
                    contenidos.append((cod, curso, clave))
    for clave, cod, curso in EXTRA_CONTENIDOS:
        contenidos.append((cod, curso, clave))
    for cod, curso, clave in contenidos:
        val, cas = NOMBRES[clave]
        L.append('    <contenido codigo=%s curso=%s nombre_val=%s nombre_cas=%s/>'
                 % (a(cod), a(curso), a(val), a(cas)))
    L.append('  </contenidos>')

    L.append('  <ocupaciones>')
    for cod, val, cas in OCUPACIONES:
        L.append('    <ocupacion codigo=%s nombre_val=%s nombre_cas=%s/>' % (a(cod), a(val), a(cas)))
    L.append('  </ocupaciones>')

    L.append('  <aulas>')
    for cod, nombre in AULAS:
        L.append('    <aula codigo=%s nombre=%s/>' % (a(cod), a(nombre)))
    L.append('  </aulas>')

    grupos = {g[0]: g for g in GRUPOS}
    horas = {p: {o: (d, h) for o, d, h in s} for p, s in SESIONES.items()}

    def linea_grupo(plantilla, grupo, dia, orden, cod, prof, aula):
        desde, hasta = horas[plantilla][orden]
        g = grupos[grupo]
        return ('    <horario_grupo plantilla=%s dia_semana=%s sesion_orden="%d" hora_desde=%s '
                'hora_hasta=%s grupo=%s ensenanza=%s curso=%s contenido=%s docente=%s aula=%s '
                'idioma=" "/>' % (a(plantilla), a(dia), orden, a(desde), a(hasta), a(grupo), a(g[3]),
                                  a(g[4]), a(cod), a(prof["dni"]), a(aula)))

    orden_grupo = {g[0]: i for i, g in enumerate(GRUPOS)}
    clave = lambda c: (orden_grupo[c[0]], DIAS.index(c[1]), c[2], c[3])
    L.append('  <horarios_grupo>')
    for c in sorted(colocadas, key=clave):
        L.append(linea_grupo("MATI", *c))
    for c in sorted(vesprada, key=clave):
        L.append(linea_grupo("VESP", *c))
    L.append('  </horarios_grupo>')

    L.append('  <horarios_ocupaciones>')
    orden_docente = {d["dni"]: i for i, d in enumerate(docentes)}
    for plantilla, dia, orden, d, cod in sorted(
            ocupaciones, key=lambda o: (o[0], orden_docente[o[3]["dni"]], DIAS.index(o[1]), o[2])):
        desde, hasta = horas[plantilla][orden]
        L.append('    <horario_ocupacion plantilla=%s dia_semana=%s sesion_orden="%d" hora_desde=%s '
                 'hora_hasta=%s docente=%s ensenanza=%s ocupacion=%s/>'
                 % (a(plantilla), a(dia), orden, a(desde), a(hasta), a(d["dni"]), a(d["ens"]), a(cod)))
    L.append('  </horarios_ocupaciones>')

    L.append('  <alumnos>')
    for nia, nom, ap1, ap2, grupo in ALUMNOS:
        L.append('    <alumno NIA=%s nombre=%s apellido1=%s apellido2=%s grupo=%s/>'
                 % (a(nia), a(nom), a(ap1), a(ap2), a(grupo)))
    L.append('  </alumnos>')
    L.append('  <matriculas>')
    for nia, _, _, _, grupo in ALUMNOS:
        L.append('    <matricula alumno=%s curso=%s grupo=%s estado="M"/>'
                 % (a(nia), a(grupos[grupo][4]), a(grupo)))
    L.append('  </matriculas>')
    L.append('</centro>')

    with open(ruta, "w", encoding="iso-8859-1", newline="\n") as f:
        f.write("\n".join(L) + "\n")


if __name__ == "__main__":
    destino = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "centro.xml")
    escribir(destino)
