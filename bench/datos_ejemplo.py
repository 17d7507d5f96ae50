"""Catalogues of the sample school, IES Tossal de les Oliveres: the raw material of
perfil_ejemplo.py. Texts in Valencian and Castilian, in characters ISO-8859-1 holds.
"""

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
