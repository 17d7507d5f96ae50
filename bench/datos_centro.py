"""Catalogues of a large Valencian secondary school, the raw material of perfil_grande.py.

Every text is in Valencian and Castilian where ITACA carries both, and uses only
characters that ISO-8859-1 holds, since ITACA writes its centre files in that encoding.
"""

# --- People -------------------------------------------------------------------------

NOMBRES = [
    "Josep", "Vicent", "Joan", "Francesc", "Jordi", "Pau", "Andreu", "Salvador", "Enric",
    "Vicente", "José", "Juan", "Francisco", "Miguel", "Antonio", "Manuel", "Javier",
    "Carlos", "David", "Rafael", "Pedro", "Luis", "Alejandro", "Sergio", "Pablo", "Rubén",
    "Maria", "Amparo", "Núria", "Montserrat", "Neus", "Empar", "Carme", "Rosa", "Pilar",
    "María José", "Ana", "Laura", "Cristina", "Marta", "Elena", "Isabel", "Lucía",
    "Raquel", "Sonia", "Beatriz", "Inmaculada", "Desamparados", "Àngels", "Mercè",
    "Maria Dolors", "Júlia", "Irene", "Clara", "Sara", "Paula", "Alba", "Noelia",
    "Joaquín", "Ramón", "Óscar", "Iván", "Àlex", "Guillem", "Marc", "Adrià", "Hugo",
]

APELLIDOS = [
    "Garcia", "García", "Martínez", "López", "Sánchez", "Pérez", "Gómez", "Fernández",
    "Ferrer", "Puig", "Soler", "Navarro", "Llopis", "Martí", "Ribes", "Vidal", "Mira",
    "Sanchis", "Cervera", "Bosch", "Climent", "Estellés", "Fuster", "Gil", "Juan",
    "Moll", "Ortells", "Peiró", "Roig", "Sempere", "Tormo", "Vila", "Alborch", "Bataller",
    "Cardona", "Domènech", "Escrivà", "Ferrandis", "Gisbert", "Ibáñez", "Jordà",
    "Llorens", "Mollà", "Noguera", "Oltra", "Pastor", "Ramírez", "Sáez", "Torres",
    "Úbeda", "Valls", "Zaragozà", "Castelló", "Monzó", "Carbonell", "Gimeno", "Muñoz",
    "Romero", "Alonso", "Serrano", "Ruiz", "Hernández", "Díaz", "Moreno", "Jiménez",
    "Morales", "Ortega", "Delgado", "Castro", "Belda", "Aparici", "Company", "Segarra",
]

DOMINIOS = ["gva.es", "edu.gva.es", "gmail.com", "hotmail.com", "yahoo.es", "outlook.com"]

LOCALIDADES = [
    ("46001", "València"), ("46100", "Burjassot"), ("46900", "Torrent"), ("46470", "Catarroja"),
    ("46960", "Aldaia"), ("46950", "Xirivella"), ("46920", "Mislata"), ("46970", "Alaquàs"),
    ("46017", "València"), ("46980", "Paterna"), ("46133", "Meliana"), ("46800", "Xàtiva"),
]

CALLES = [
    "C/ Major", "Av. del Port", "C/ de la Pau", "C/ Sant Vicent", "Pl. de l'Església",
    "Av. Blasco Ibáñez", "C/ Cervantes", "C/ dels Tarongers", "C/ Dr. Fleming",
    "Av. de la Constitució", "C/ Sueca", "C/ del Mar", "Camí Reial",
]

# --- Teachings, courses and groups -----------------------------------------------------

# (key, code, abbreviation, Valencian name, Castilian name)
ENSENANZAS = [
    ("ESO", 3, "ESO", "Educació Secundària Obligatòria", "Educación Secundaria Obligatoria"),
    ("BAT", 5, "BAT", "Batxillerat", "Bachillerato"),
    ("FPB", 7, "FPB", "Formació Professional Bàsica", "Formación Profesional Básica"),
    ("CFGM", 8, "CFGM", "Cicles Formatius de Grau Mitjà", "Ciclos Formativos de Grado Medio"),
    ("CFGS", 9, "CFGS", "Cicles Formatius de Grau Superior", "Ciclos Formativos de Grado Superior"),
    ("ESPA", 12, "EPA", "Educació Secundària per a Persones Adultes",
     "Educación Secundaria para Personas Adultas"),
    ("PROG", 31, "PROG", "Programes d'atenció a la diversitat", "Programas de atención a la diversidad"),
]

# Courses: (key, abbreviation, Valencian name, Castilian name, teaching, parent key or None,
#           group code stem, groups as (letter, shift), subject catalogue key)
# A top-level course whose abbreviation does not begin with a digit is one that the
# transfer leaves out; real schools have a few (adult education, shared programmes).
CURSOS = [
    ("1ESO", "1ESO", "1r d'ESO", "1º de ESO", "ESO", None, "ESO", "ABCDEF", "M", "ESO1"),
    ("2ESO", "2ESO", "2n d'ESO", "2º de ESO", "ESO", None, "ESO", "ABCDEF", "M", "ESO2"),
    ("3ESO", "3ESO", "3r d'ESO", "3º de ESO", "ESO", None, "ESO", "ABCDE", "M", "ESO3"),
    ("4ESO", "4ESO", "4t d'ESO", "4º de ESO", "ESO", None, "ESO", "ABCDE", "M", "ESO4"),
    ("2PMAR", "2PMAR", "2n PMAR", "2º PMAR", "ESO", "2ESO", "PMA", "A", "M", "PMAR"),
    ("3DIV", "3DIV", "3r Diversificació", "3º Diversificación", "ESO", "3ESO", "DIV", "A", "M", "DIV"),
    ("4DIV", "4DIV", "4t Diversificació", "4º Diversificación", "ESO", "4ESO", "DIV", "A", "M", "DIV"),
    ("1BAT", "1BAT", "1r de Batxillerat", "1º de Bachillerato", "BAT", None, "BAT", "", "M", "BATP"),
    ("2BAT", "2BAT", "2n de Batxillerat", "2º de Bachillerato", "BAT", None, "BAT", "", "M", "BATP"),
    ("1BCT", "1BCT", "1r Batx. Ciències i Tecnologia", "1º Bach. Ciencias y Tecnología", "BAT",
     "1BAT", "BAT", "AB", "M", "BCT1"),
    ("1BHCS", "1BHCS", "1r Batx. Humanitats i C. Socials", "1º Bach. Humanidades y C. Sociales",
     "BAT", "1BAT", "BAT", "CD", "M", "BHCS1"),
    ("1BART", "1BART", "1r Batx. Arts", "1º Bach. Artes", "BAT", "1BAT", "BAT", "E", "M", "BART1"),
    ("2BCT", "2BCT", "2n Batx. Ciències i Tecnologia", "2º Bach. Ciencias y Tecnología", "BAT",
     "2BAT", "BAT", "AB", "M", "BCT2"),
    ("2BHCS", "2BHCS", "2n Batx. Humanitats i C. Socials", "2º Bach. Humanidades y C. Sociales",
     "BAT", "2BAT", "BAT", "CD", "M", "BHCS2"),
    ("2BART", "2BART", "2n Batx. Arts", "2º Bach. Artes", "BAT", "2BAT", "BAT", "E", "M", "BART2"),
    ("1FIO", "1FIO", "1r FPB Informàtica d'Oficina", "1º FPB Informática de Oficina", "FPB", None,
     "FIO", "A", "P", "FIO"),
    ("2FIO", "2FIO", "2n FPB Informàtica d'Oficina", "2º FPB Informática de Oficina", "FPB", None,
     "FIO", "A", "P", "FIO"),
    ("1FSA", "1FSA", "1r FPB Serveis Administratius", "1º FPB Servicios Administrativos", "FPB",
     None, "FSA", "A", "P", "FSA"),
    ("2FSA", "2FSA", "2n FPB Serveis Administratius", "2º FPB Servicios Administrativos", "FPB",
     None, "FSA", "A", "P", "FSA"),
    ("1SMR", "1SMR", "1r Sistemes Microinformàtics i Xarxes", "1º Sistemas Microinformáticos y Redes",
     "CFGM", None, "SMR", "AB", "M", "SMR"),
    ("2SMR", "2SMR", "2n Sistemes Microinformàtics i Xarxes", "2º Sistemas Microinformáticos y Redes",
     "CFGM", None, "SMR", "AB", "M", "SMR"),
    ("1GA", "1GA", "1r Gestió Administrativa", "1º Gestión Administrativa", "CFGM", None, "GA", "A",
     "P", "GA"),
    ("2GA", "2GA", "2n Gestió Administrativa", "2º Gestión Administrativa", "CFGM", None, "GA", "A",
     "P", "GA"),
    ("1ACO", "1ACO", "1r Activitats Comercials", "1º Actividades Comerciales", "CFGM", None, "ACO",
     "A", "V", "ACO"),
    ("2ACO", "2ACO", "2n Activitats Comercials", "2º Actividades Comerciales", "CFGM", None, "ACO",
     "A", "V", "ACO"),
    ("1IEA", "1IEA", "1r Instal·lacions Elèctriques i Automàtiques",
     "1º Instalaciones Eléctricas y Automáticas", "CFGM", None, "IEA", "A", "P", "IEA"),
    ("2IEA", "2IEA", "2n Instal·lacions Elèctriques i Automàtiques",
     "2º Instalaciones Eléctricas y Automáticas", "CFGM", None, "IEA", "A", "P", "IEA"),
    ("1CAE", "1CAE", "1r Cures Auxiliars d'Infermeria", "1º Cuidados Auxiliares de Enfermería",
     "CFGM", None, "CAE", "A", "V", "CAE"),
    ("2CAE", "2CAE", "2n Cures Auxiliars d'Infermeria", "2º Cuidados Auxiliares de Enfermería",
     "CFGM", None, "CAE", "A", "V", "CAE"),
    ("1DAW", "1DAW", "1r Desenvolupament d'Aplicacions Web", "1º Desarrollo de Aplicaciones Web",
     "CFGS", None, "DAW", "V", "V", "DAW"),
    ("2DAW", "2DAW", "2n Desenvolupament d'Aplicacions Web", "2º Desarrollo de Aplicaciones Web",
     "CFGS", None, "DAW", "V", "V", "DAW"),
    ("1DAM", "1DAM", "1r Desenvolupament d'Aplicacions Multiplataforma",
     "1º Desarrollo de Aplicaciones Multiplataforma", "CFGS", None, "DAM", "AB", "M", "DAM"),
    ("2DAM", "2DAM", "2n Desenvolupament d'Aplicacions Multiplataforma",
     "2º Desarrollo de Aplicaciones Multiplataforma", "CFGS", None, "DAM", "AB", "M", "DAM"),
    ("1ASIR", "1ASIR", "1r Administració de Sistemes Informàtics en Xarxa",
     "1º Administración de Sistemas Informáticos en Red", "CFGS", None, "ASI", "AB", "P", "ASIR"),
    ("2ASIR", "2ASIR", "2n Administració de Sistemes Informàtics en Xarxa",
     "2º Administración de Sistemas Informáticos en Red", "CFGS", None, "ASI", "AB", "P", "ASIR"),
    ("1AFI", "1AFI", "1r Administració i Finances", "1º Administración y Finanzas", "CFGS", None,
     "AFI", "A", "V", "AFI"),
    ("2AFI", "2AFI", "2n Administració i Finances", "2º Administración y Finanzas", "CFGS", None,
     "AFI", "A", "V", "AFI"),
    ("1MKT", "1MKT", "1r Màrqueting i Publicitat", "1º Marketing y Publicidad", "CFGS", None, "MKT",
     "A", "V", "MKT"),
    ("2MKT", "2MKT", "2n Màrqueting i Publicitat", "2º Marketing y Publicidad", "CFGS", None, "MKT",
     "A", "V", "MKT"),
    ("1EI", "1EI", "1r Educació Infantil", "1º Educación Infantil", "CFGS", None, "EI", "A", "P", "EI"),
    ("2EI", "2EI", "2n Educació Infantil", "2º Educación Infantil", "CFGS", None, "EI", "A", "P", "EI"),
    ("ESPA1", "ESPA I", "ESPA Nivell I", "ESPA Nivel I", "ESPA", None, "EPA", "AB", "V", "ESPA"),
    ("ESPA2", "ESPA II", "ESPA Nivell II", "ESPA Nivel II", "ESPA", None, "EPA", "A", "V", "ESPA"),
    ("AC", "AC", "Aula Compartida", "Aula Compartida", "PROG", None, "ACO", "", "M", "AC"),
    ("PROA", "PROA+", "Programa PROA+", "Programa PROA+", "PROG", None, "PRO", "", "M", "PROA"),
]

# --- Subjects ----------------------------------------------------------------------------
# (Valencian name, Castilian name, weekly hours, department, kind of room)
# Kinds of room: "" the group's own room, or a room kind of AULAS.

_COMUNES_ESO = [
    ("Llengua Castellana i Literatura", "Lengua Castellana y Literatura", 4, "CAS", ""),
    ("Valencià: Llengua i Literatura", "Valenciano: Lengua y Literatura", 4, "VAL", ""),
    ("Primera Llengua Estrangera: Anglés", "Primera Lengua Extranjera: Inglés", 3, "ANG", ""),
    ("Matemàtiques", "Matemáticas", 4, "MAT", ""),
    ("Geografia i Història", "Geografía e Historia", 3, "GH", ""),
    ("Educació Física", "Educación Física", 2, "EF", "gim"),
    ("Tutoria", "Tutoría", 1, "ORI", ""),
    ("Religió", "Religión", 1, "REL", ""),
    ("Atenció Educativa", "Atención Educativa", 1, "FIL", ""),
]

ASIGNATURAS = {
    "ESO1": _COMUNES_ESO + [
        ("Biologia i Geologia", "Biología y Geología", 3, "BIO", "lab"),
        ("Educació Plàstica, Visual i Audiovisual", "Educación Plástica, Visual y Audiovisual", 2,
         "DIB", "pla"),
        ("Música", "Música", 2, "MUS", "mus"),
        ("Tecnologia i Digitalització", "Tecnología y Digitalización", 2, "TEC", "tal"),
        ("Francés", "Francés", 2, "FRA", ""),
        ("Taller de Robòtica", "Taller de Robótica", 2, "TEC", "inf"),
        ("Projecte Interdisciplinari", "Proyecto Interdisciplinar", 2, "ORI", ""),
        ("Oratòria", "Oratoria", 2, "CAS", ""),
    ],
    "ESO2": _COMUNES_ESO + [
        ("Física i Química", "Física y Química", 3, "FQ", "lab"),
        ("Música", "Música", 2, "MUS", "mus"),
        ("Tecnologia i Digitalització", "Tecnología y Digitalización", 2, "TEC", "tal"),
        ("Francés", "Francés", 2, "FRA", ""),
        ("Cultura Clàssica", "Cultura Clásica", 2, "LLA", ""),
        ("Educació en Valors Cívics i Ètics", "Educación en Valores Cívicos y Éticos", 1, "FIL", ""),
        ("Iniciació a l'Activitat Emprenedora", "Iniciación a la Actividad Emprendedora", 2, "ECO", ""),
        ("Escacs a l'Aula", "Ajedrez en el Aula", 2, "MAT", ""),
    ],
    "ESO3": _COMUNES_ESO + [
        ("Biologia i Geologia", "Biología y Geología", 2, "BIO", "lab"),
        ("Física i Química", "Física y Química", 2, "FQ", "lab"),
        ("Educació Plàstica, Visual i Audiovisual", "Educación Plástica, Visual y Audiovisual", 2,
         "DIB", "pla"),
        ("Tecnologia i Digitalització", "Tecnología y Digitalización", 2, "TEC", "tal"),
        ("Francés", "Francés", 2, "FRA", ""),
        ("Cultura Clàssica", "Cultura Clásica", 2, "LLA", ""),
        ("Programació i Robòtica", "Programación y Robótica", 2, "INF", "inf"),
        ("Teatre", "Teatro", 2, "CAS", ""),
    ],
    "ESO4": _COMUNES_ESO + [
        ("Biologia i Geologia", "Biología y Geología", 3, "BIO", "lab"),
        ("Física i Química", "Física y Química", 3, "FQ", "lab"),
        ("Economia i Emprenedoria", "Economía y Emprendimiento", 3, "ECO", ""),
        ("Llatí", "Latín", 3, "LLA", ""),
        ("Digitalització", "Digitalización", 3, "INF", "inf"),
        ("Expressió Artística", "Expresión Artística", 3, "DIB", "pla"),
        ("Formació i Orientació Personal i Professional",
         "Formación y Orientación Personal y Profesional", 3, "FOL", ""),
        ("Filosofia", "Filosofía", 2, "FIL", ""),
        ("Música", "Música", 3, "MUS", "mus"),
    ],
    "PMAR": [
        ("Àmbit Lingüístic i Social", "Ámbito Lingüístico y Social", 8, "ORI", ""),
        ("Àmbit Científic i Matemàtic", "Ámbito Científico y Matemático", 7, "ORI", ""),
        ("Àmbit de Llengua Estrangera", "Ámbito de Lengua Extranjera", 3, "ANG", ""),
        ("Àmbit Pràctic", "Ámbito Práctico", 3, "TEC", "tal"),
        ("Educació Física", "Educación Física", 2, "EF", "gim"),
        ("Tutoria Específica", "Tutoría Específica", 1, "ORI", ""),
        ("Religió", "Religión", 1, "REL", ""),
        ("Música", "Música", 2, "MUS", "mus"),
        ("Educació Plàstica, Visual i Audiovisual", "Educación Plástica, Visual y Audiovisual", 2,
         "DIB", "pla"),
        ("Atenció Educativa", "Atención Educativa", 1, "FIL", ""),
    ],
    "BATP": [
        ("Tutoria de Batxillerat", "Tutoría de Bachillerato", 1, "ORI", ""),
        ("Religió", "Religión", 1, "REL", ""),
    ],
}
ASIGNATURAS["DIV"] = ASIGNATURAS["PMAR"]
for _clave in ("ESO1", "ESO2", "ESO3", "ESO4"):
    ASIGNATURAS[_clave] = ASIGNATURAS[_clave] + [
        ("Reforç de Matemàtiques", "Refuerzo de Matemáticas", 1, "MAT", ""),
        ("Reforç de Valencià", "Refuerzo de Valenciano", 1, "VAL", ""),
        ("Segona Llengua Estrangera: Alemany", "Segunda Lengua Extranjera: Alemán", 2, "ANG", ""),
        ("Taller d'Anglés Oral", "Taller de Inglés Oral", 1, "ANG", ""),
    ]

# Subjects common to the three branches of one Bachillerato year: ITACA gives each one
# code, shared by the three branch courses.
COMUNES_BAT = {
    1: [
        ("Llengua Castellana i Literatura I", "Lengua Castellana y Literatura I", 3, "CAS", ""),
        ("Valencià: Llengua i Literatura I", "Valenciano: Lengua y Literatura I", 3, "VAL", ""),
        ("Llengua Estrangera I: Anglés", "Lengua Extranjera I: Inglés", 3, "ANG", ""),
        ("Filosofia", "Filosofía", 3, "FIL", ""),
        ("Educació Física", "Educación Física", 2, "EF", "gim"),
    ],
    2: [
        ("Llengua Castellana i Literatura II", "Lengua Castellana y Literatura II", 3, "CAS", ""),
        ("Valencià: Llengua i Literatura II", "Valenciano: Lengua y Literatura II", 3, "VAL", ""),
        ("Llengua Estrangera II: Anglés", "Lengua Extranjera II: Inglés", 3, "ANG", ""),
        ("Història d'Espanya", "Historia de España", 3, "GH", ""),
        ("Història de la Filosofia", "Historia de la Filosofía", 3, "FIL", ""),
    ],
}

ASIGNATURAS.update({
    "BCT1": [
        ("Matemàtiques I", "Matemáticas I", 4, "MAT", ""),
        ("Física i Química", "Física y Química", 4, "FQ", "lab"),
        ("Biologia, Geologia i Ciències Ambientals", "Biología, Geología y Ciencias Ambientales", 4,
         "BIO", "lab"),
        ("Dibuix Tècnic I", "Dibujo Técnico I", 4, "DIB", "pla"),
        ("Tecnologia i Enginyeria I", "Tecnología e Ingeniería I", 4, "TEC", "tal"),
        ("Tecnologies de la Informació i la Comunicació I", "Tecnologías de la Información y la Comunicación I",
         2, "INF", "inf"),
        ("Anatomia Aplicada", "Anatomía Aplicada", 2, "BIO", "lab"),
    ],
    "BHCS1": [
        ("Matemàtiques Aplicades a les Ciències Socials I", "Matemáticas Aplicadas a las Ciencias Sociales I",
         4, "MAT", ""),
        ("Llatí I", "Latín I", 4, "LLA", ""),
        ("Grec I", "Griego I", 4, "LLA", ""),
        ("Economia", "Economía", 4, "ECO", ""),
        ("Història del Món Contemporani", "Historia del Mundo Contemporáneo", 4, "GH", ""),
        ("Literatura Universal", "Literatura Universal", 4, "CAS", ""),
        ("Francés I", "Francés I", 2, "FRA", ""),
    ],
    "BART1": [
        ("Dibuix Artístic I", "Dibujo Artístico I", 4, "DIB", "pla"),
        ("Cultura Audiovisual", "Cultura Audiovisual", 4, "DIB", "inf"),
        ("Projectes Artístics", "Proyectos Artísticos", 4, "DIB", "pla"),
        ("Volum", "Volumen", 4, "DIB", "pla"),
        ("Anàlisi Musical I", "Análisis Musical I", 4, "MUS", "mus"),
        ("Llenguatge i Pràctica Musical", "Lenguaje y Práctica Musical", 4, "MUS", "mus"),
    ],
    "BCT2": [
        ("Matemàtiques II", "Matemáticas II", 4, "MAT", ""),
        ("Física", "Física", 4, "FQ", "lab"),
        ("Química", "Química", 4, "FQ", "lab"),
        ("Biologia", "Biología", 4, "BIO", "lab"),
        ("Dibuix Tècnic II", "Dibujo Técnico II", 4, "DIB", "pla"),
        ("Geologia i Ciències Ambientals", "Geología y Ciencias Ambientales", 4, "BIO", "lab"),
        ("Tecnologia i Enginyeria II", "Tecnología e Ingeniería II", 4, "TEC", "tal"),
    ],
    "BHCS2": [
        ("Matemàtiques Aplicades a les Ciències Socials II",
         "Matemáticas Aplicadas a las Ciencias Sociales II", 4, "MAT", ""),
        ("Llatí II", "Latín II", 4, "LLA", ""),
        ("Grec II", "Griego II", 4, "LLA", ""),
        ("Empresa i Disseny de Models de Negoci", "Empresa y Diseño de Modelos de Negocio", 4, "ECO", ""),
        ("Geografia", "Geografía", 4, "GH", ""),
        ("Història de l'Art", "Historia del Arte", 4, "GH", ""),
        ("Psicologia", "Psicología", 2, "FIL", ""),
    ],
    "BART2": [
        ("Dibuix Artístic II", "Dibujo Artístico II", 4, "DIB", "pla"),
        ("Disseny", "Diseño", 4, "DIB", "pla"),
        ("Fonaments Artístics", "Fundamentos Artísticos", 4, "DIB", "pla"),
        ("Tècniques d'Expressió Graficoplàstica", "Técnicas de Expresión Gráfico-plástica", 4, "DIB",
         "pla"),
        ("Història de la Música i de la Dansa", "Historia de la Música y de la Danza", 4, "MUS", "mus"),
    ],
})

for _clave in ("BCT1", "BHCS1", "BART1", "BCT2", "BHCS2", "BART2"):
    ASIGNATURAS[_clave].append(("Projecte de Recerca", "Proyecto de Investigación", 2, "ORI", ""))

# Vocational modules: the first-year and second-year technical modules of each cycle.
_MODULOS = {
    "FIO": ("INF", ["Muntatge i manteniment de sistemes", "Operacions auxiliars per a la configuració",
                    "Ofimàtica i arxiu de documents", "Instal·lació i manteniment de xarxes",
                    "Ciències aplicades", "Comunicació i societat"],
            ["Montaje y mantenimiento de sistemas", "Operaciones auxiliares para la configuración",
             "Ofimática y archivo de documentos", "Instalación y mantenimiento de redes",
             "Ciencias aplicadas", "Comunicación y sociedad"]),
    "FSA": ("ADM", ["Tractament informàtic de dades", "Aplicacions bàsiques d'ofimàtica",
                    "Tècniques administratives bàsiques", "Arxiu i comunicació",
                    "Atenció al client", "Preparació de comandes"],
            ["Tratamiento informático de datos", "Aplicaciones básicas de ofimática",
             "Técnicas administrativas básicas", "Archivo y comunicación",
             "Atención al cliente", "Preparación de pedidos"]),
    "SMR": ("INF", ["Muntatge i manteniment d'equips", "Sistemes operatius monolloc",
                    "Aplicacions ofimàtiques", "Xarxes locals", "Sistemes operatius en xarxa",
                    "Seguretat informàtica", "Serveis en xarxa", "Aplicacions web"],
            ["Montaje y mantenimiento de equipos", "Sistemas operativos monopuesto",
             "Aplicaciones ofimáticas", "Redes locales", "Sistemas operativos en red",
             "Seguridad informática", "Servicios en red", "Aplicaciones web"]),
    "GA": ("ADM", ["Comunicació empresarial i atenció al client", "Operacions administratives de compravenda",
                   "Empresa i administració", "Tractament informàtic de la informació",
                   "Tècnica comptable", "Operacions administratives de recursos humans",
                   "Tractament de la documentació comptable", "Empresa a l'aula"],
           ["Comunicación empresarial y atención al cliente", "Operaciones administrativas de compraventa",
            "Empresa y administración", "Tratamiento informático de la información",
            "Técnica contable", "Operaciones administrativas de recursos humanos",
            "Tratamiento de la documentación contable", "Empresa en el aula"]),
    "ACO": ("COM", ["Dinamització del punt de venda", "Processos de venda", "Aplicacions informàtiques per al comerç",
                    "Gestió d'un xicotet comerç", "Tècniques d'emmagatzematge", "Venda tècnica",
                    "Servicis d'atenció comercial", "Comerç electrònic"],
            ["Dinamización del punto de venta", "Procesos de venta", "Aplicaciones informáticas para el comercio",
             "Gestión de un pequeño comercio", "Técnicas de almacén", "Venta técnica",
             "Servicios de atención comercial", "Comercio electrónico"]),
    "IEA": ("ELE", ["Automatismes industrials", "Electrònica", "Electrotècnia", "Instal·lacions elèctriques interiors",
                    "Instal·lacions de distribució", "Infraestructures comunes de telecomunicació",
                    "Instal·lacions domòtiques", "Instal·lacions solars fotovoltaiques"],
            ["Automatismos industriales", "Electrónica", "Electrotecnia", "Instalaciones eléctricas interiores",
             "Instalaciones de distribución", "Infraestructuras comunes de telecomunicación",
             "Instalaciones domóticas", "Instalaciones solares fotovoltaicas"]),
    "CAE": ("SAN", ["Operacions administratives i documentació sanitària", "Tècniques bàsiques d'infermeria",
                    "Higiene del medi hospitalari", "Promoció de la salut", "Tècniques d'ajuda odontològica",
                    "Relacions en l'equip de treball", "Cures en salut mental", "Primers auxilis"],
            ["Operaciones administrativas y documentación sanitaria", "Técnicas básicas de enfermería",
             "Higiene del medio hospitalario", "Promoción de la salud", "Técnicas de ayuda odontológica",
             "Relaciones en el equipo de trabajo", "Cuidados en salud mental", "Primeros auxilios"]),
    "DAW": ("INF", ["Sistemes informàtics", "Bases de dades", "Programació", "Llenguatges de marques",
                    "Entorns de desenvolupament", "Desenvolupament web en entorn client",
                    "Desenvolupament web en entorn servidor", "Desplegament d'aplicacions web",
                    "Disseny d'interfícies web"],
            ["Sistemas informáticos", "Bases de datos", "Programación", "Lenguajes de marcas",
             "Entornos de desarrollo", "Desarrollo web en entorno cliente",
             "Desarrollo web en entorno servidor", "Despliegue de aplicaciones web",
             "Diseño de interfaces web"]),
    "DAM": ("INF", ["Sistemes informàtics", "Bases de dades", "Programació", "Llenguatges de marques",
                    "Entorns de desenvolupament", "Accés a dades", "Desenvolupament d'interfícies",
                    "Programació multimèdia i dispositius mòbils", "Sistemes de gestió empresarial"],
            ["Sistemas informáticos", "Bases de datos", "Programación", "Lenguajes de marcas",
             "Entornos de desarrollo", "Acceso a datos", "Desarrollo de interfaces",
             "Programación multimedia y dispositivos móviles", "Sistemas de gestión empresarial"]),
    "ASIR": ("INF", ["Implantació de sistemes operatius", "Planificació i administració de xarxes",
                     "Fonaments de maquinari", "Gestió de bases de dades", "Administració de sistemes operatius",
                     "Serveis de xarxa i Internet", "Implantació d'aplicacions web",
                     "Administració de sistemes gestors de bases de dades", "Seguretat i alta disponibilitat"],
             ["Implantación de sistemas operativos", "Planificación y administración de redes",
              "Fundamentos de hardware", "Gestión de bases de datos", "Administración de sistemas operativos",
              "Servicios de red e Internet", "Implantación de aplicaciones web",
              "Administración de sistemas gestores de bases de datos", "Seguridad y alta disponibilidad"]),
    "AFI": ("ADM", ["Gestió de la documentació jurídica i empresarial", "Recursos humans i responsabilitat social",
                    "Ofimàtica i procés de la informació", "Procés integral de l'activitat comercial",
                    "Comunicació i atenció al client", "Gestió de recursos humans", "Gestió financera",
                    "Comptabilitat i fiscalitat", "Gestió logística i comercial"],
            ["Gestión de la documentación jurídica y empresarial", "Recursos humanos y responsabilidad social",
             "Ofimática y proceso de la información", "Proceso integral de la actividad comercial",
             "Comunicación y atención al cliente", "Gestión de recursos humanos", "Gestión financiera",
             "Contabilidad y fiscalidad", "Gestión logística y comercial"]),
    "MKT": ("COM", ["Gestió econòmica i financera de l'empresa", "Polítiques de màrqueting",
                    "Màrqueting digital", "Disseny i elaboració de material de comunicació",
                    "Mitjans i suports de comunicació", "Relacions públiques i organització d'esdeveniments",
                    "Investigació comercial", "Treball de camp en la investigació comercial",
                    "Llançament de productes i serveis"],
            ["Gestión económica y financiera de la empresa", "Políticas de marketing",
             "Marketing digital", "Diseño y elaboración de material de comunicación",
             "Medios y soportes de comunicación", "Relaciones públicas y organización de eventos",
             "Investigación comercial", "Trabajo de campo en la investigación comercial",
             "Lanzamiento de productos y servicios"]),
    "EI": ("SSC", ["Didàctica de l'educació infantil", "Autonomia personal i salut infantil", "El joc infantil i la seua metodologia",
                   "Expressió i comunicació", "Desenvolupament cognitiu i motor",
                   "Desenvolupament socioafectiu", "Habilitats socials", "Intervenció amb famílies",
                   "Primers auxilis"],
           ["Didáctica de la educación infantil", "Autonomía personal y salud infantil", "El juego infantil y su metodología",
            "Expresión y comunicación", "Desarrollo cognitivo y motor",
            "Desarrollo socioafectivo", "Habilidades sociales", "Intervención con familias",
            "Primeros auxilios"]),
}

_MODULOS_COMUNES = {
    1: [("Itinerari Personal per a l'Ocupabilitat I", "Itinerario Personal para la Empleabilidad I", 3,
         "FOL", ""),
        ("Anglés Professional", "Inglés Profesional", 2, "ANG", ""),
        ("Digitalització Aplicada als Sectors Productius", "Digitalización Aplicada a los Sectores Productivos",
         2, "INF", "inf"),
        ("Tutoria de Cicle", "Tutoría de Ciclo", 1, "FOL", "")],
    2: [("Itinerari Personal per a l'Ocupabilitat II", "Itinerario Personal para la Empleabilidad II", 3,
         "FOL", ""),
        ("Sostenibilitat Aplicada al Sistema Productiu", "Sostenibilidad Aplicada al Sistema Productivo", 1,
         "FOL", ""),
        ("Projecte Intermodular", "Proyecto Intermodular", 2, "FOL", ""),
        ("Mòdul Optatiu", "Módulo Optativo", 3, "FOL", ""),
        ("Formació en Empresa", "Formación en Empresa", 1, "FOL", ""),
        ("Tutoria de Cicle", "Tutoría de Ciclo", 1, "FOL", "")],
}


def modulos(ciclo, any_curs):
    """The modules of one year of a vocational cycle (FPB, CFGM or CFGS)."""
    dep, val, cas = _MODULOS[ciclo]
    mitad = (len(val) + 1) // 2
    tramo = range(0, mitad) if any_curs == 1 else range(mitad, len(val))
    sala = "inf" if dep == "INF" else ("tal" if dep in ("ELE", "SAN") else "")
    propios = [(val[i], cas[i], 4 + (i % 3), dep, sala) for i in tramo]
    return propios + _MODULOS_COMUNES[any_curs]


ASIGNATURAS.update({
    "ESPA": [
        ("Àmbit de Comunicació", "Ámbito de Comunicación", 8, "CAS", ""),
        ("Àmbit Social", "Ámbito Social", 6, "GH", ""),
        ("Àmbit Científic i Tecnològic", "Ámbito Científico-Tecnológico", 8, "MAT", ""),
        ("Anglés per a Adults", "Inglés para Adultos", 3, "ANG", ""),
        ("Tutoria d'Adults", "Tutoría de Adultos", 1, "ORI", ""),
    ],
    "AC": [
        ("Taller de Competències Bàsiques", "Taller de Competencias Básicas", 10, "ORI", "tal"),
        ("Habilitats Socials", "Habilidades Sociales", 2, "ORI", ""),
    ],
    "PROA": [
        ("Reforç de Matemàtiques", "Refuerzo de Matemáticas", 2, "MAT", ""),
        ("Reforç de Llengua", "Refuerzo de Lengua", 2, "CAS", ""),
        ("Acompanyament Escolar", "Acompañamiento Escolar", 2, "ORI", ""),
    ],
})

# Departments: (code, Valencian name, Castilian name, teachers at s = 1)
DEPARTAMENTOS = [
    ("CAS", "Castellà", "Castellano", 9), ("VAL", "Valencià", "Valenciano", 9),
    ("ANG", "Anglés", "Inglés", 11), ("MAT", "Matemàtiques", "Matemáticas", 12),
    ("GH", "Geografia i Història", "Geografía e Historia", 9), ("EF", "Educació Física", "Educación Física", 5),
    ("ORI", "Orientació", "Orientación", 7), ("REL", "Religió", "Religión", 2),
    ("FIL", "Filosofia", "Filosofía", 5), ("BIO", "Biologia i Geologia", "Biología y Geología", 6),
    ("FQ", "Física i Química", "Física y Química", 6), ("DIB", "Dibuix", "Dibujo", 6),
    ("MUS", "Música", "Música", 4), ("TEC", "Tecnologia", "Tecnología", 5),
    ("FRA", "Francés", "Francés", 3), ("LLA", "Cultura Clàssica", "Cultura Clásica", 3),
    ("ECO", "Economia", "Economía", 3), ("INF", "Informàtica", "Informática", 17),
    ("ADM", "Administració i Gestió", "Administración y Gestión", 8),
    ("COM", "Comerç i Màrqueting", "Comercio y Marketing", 6),
    ("ELE", "Electricitat i Electrònica", "Electricidad y Electrónica", 4),
    ("SAN", "Sanitat", "Sanidad", 3), ("SSC", "Serveis Socioculturals", "Servicios Socioculturales", 3),
    ("FOL", "Formació i Orientació Laboral", "Formación y Orientación Laboral", 4),
]

# --- Occupations ----------------------------------------------------------------------------
# (number, Valencian name, Castilian name, weight among a teacher's occupation periods)
# The numbers are those ITACA gives; some end in the same three digits.
OCUPACIONES = [
    (101, "Guàrdia", "Guardia", 30), (102, "Guàrdia de pati", "Guardia de patio", 12),
    (103, "Guàrdia de biblioteca", "Guardia de biblioteca", 4), (104, "Reunió de departament", "Reunión de departamento", 10),
    (105, "Cap de departament", "Jefatura de departamento", 5), (106, "Atenció a famílies", "Atención a familias", 8),
    (107, "Coordinació TIC", "Coordinación TIC", 2), (108, "Coordinació de cicle", "Coordinación de ciclo", 2),
    (109, "Coordinació d'igualtat i convivència", "Coordinación de igualdad y convivencia", 2),
    (110, "Direcció", "Dirección", 2), (111, "Vicedirecció", "Vicedirección", 2),
    (112, "Prefectura d'estudis", "Jefatura de estudios", 3), (113, "Secretaria", "Secretaría", 2),
    (114, "Reunió d'equip docent", "Reunión de equipo docente", 4), (115, "Comissió de coordinació pedagògica",
                                                                     "Comisión de coordinación pedagógica", 1),
    (116, "Coordinació de FCT", "Coordinación de FCT", 2), (117, "Tutoria de FCT", "Tutoría de FCT", 3),
    (118, "Programa d'innovació", "Programa de innovación", 1),
    (119, "Pla de normalització lingüística", "Plan de normalización lingüística", 1),
    (120, "Biblioteca", "Biblioteca", 2), (121, "Manteniment de laboratori", "Mantenimiento de laboratorio", 2),
    (122, "Manteniment d'aula d'informàtica", "Mantenimiento de aula de informática", 2),
    (123, "Activitats extraescolars", "Actividades extraescolares", 1),
    (124, "Coordinació de qualitat", "Coordinación de calidad", 1), (125, "Consell escolar", "Consejo escolar", 1),
    (126, "Atenció a l'alumnat amb NEE", "Atención al alumnado con NEE", 3),
    (127, "Preparació de pràctiques", "Preparación de prácticas", 2),
    (128, "Reducció per majors de 55 anys", "Reducción por mayores de 55 años", 2),
    (129, "Reducció sindical", "Reducción sindical", 1), (130, "Coordinació Erasmus+", "Coordinación Erasmus+", 1),
    (131, "Projecte \"Escola Verda\"", "Proyecto \"Escuela Verde\"", 1), (132, "Mediació", "Mediación", 1),
    (133, "Reunió de tutors", "Reunión de tutores", 3), (134, "Guàrdia de transport", "Guardia de transporte", 1),
    (135, "Formació del professorat", "Formación del profesorado", 1),
    (136, "Coordinació del Pla d'Acció Tutorial", "Coordinación del Plan de Acción Tutorial", 1),
    (1101, "Guàrdia d'esplai", "Guardia de recreo", 2), (2101, "Guàrdia d'aula de convivència",
                                                          "Guardia de aula de convivencia", 2),
    (3104, "Reunió de cicle formatiu", "Reunión de ciclo formativo", 1),
    (4, "Tutoria", "Tutoría", 2),
]

# --- Rooms ----------------------------------------------------------------------------------
# (code, name, kind); a blank code is a room that ITACA holds without one.
AULAS = (
    [("A1%02d" % i, "Aula 1%02d" % i, "") for i in range(1, 16)]
    + [("A2%02d" % i, "Aula 2%02d" % i, "") for i in range(1, 16)]
    + [("LFIS", "Laboratori de Física", "lab"), ("LQUI", "Laboratori de Química", "lab"),
       ("LBIO", "Laboratori de Biologia", "lab"), ("LCN", "Laboratori de Ciències", "lab"),
       ("INF1", "Aula d'Informàtica 1", "inf"), ("INF2", "Aula d'Informàtica 2", "inf"),
       ("INF3", "Aula d'Informàtica 3", "inf"), ("INF4", "Aula d'Informàtica 4", "inf"),
       ("INF4", "Aula d'Informàtica 4 (annex)", "inf"), ("TEC1", "Taller de Tecnologia 1", "tal"),
       ("TEC2", "Taller de Tecnologia 2", "tal"), ("TELE", "Taller d'Electricitat", "tal"),
       ("SANI", "Aula Taller de Sanitat", "tal"), ("MUS", "Aula de Música", "mus"),
       ("MUS2", "Aula de Música 2", "mus"), ("PLA", "Aula de Plàstica", "pla"),
       ("DIB", "Aula de Dibuix", "pla"), ("GIM", "Gimnàs", "gim"), ("PIST", "Pista Poliesportiva", "gim"),
       ("BIB", "Biblioteca", ""), ("SAL", "Saló d'Actes", ""), ("a12", "Aula de Desdoblament 12", ""),
       ("A12", "Aula de Desdoblament 12 bis", ""),
       (" ", "Aula de Convivència", ""), (" ", "Sala de Professorat", ""), (" ", "Aula PT", ""),
       ("AULAPOLIV01", "Aula Polivalent 1", ""), ("AULAPOLIV02", "Aula Polivalent 2", ""),
       ("LABORATORIO", "Laboratori Antic", "lab"), ("TALL", "Taller Polivalent", "tal")]
)

# --- Timetable templates ---------------------------------------------------------------------
# (number, Valencian description, Castilian description, shift, Monday sessions as
#  (start, end) and whether the session is a break)
PLANTILLAS = [
    (21874, "Horari general de matí", "Horario general de mañana", "M",
     [("08:00", "08:55", False), ("08:55", "09:50", False), ("09:50", "10:45", False),
      ("10:45", "11:15", True), ("11:15", "12:10", False), ("12:10", "13:05", False),
      ("13:05", "14:00", False)]),
    (21875, "Horari de vesprada", "Horario de tarde", "V",
     [("15:00", "15:55", False), ("15:55", "16:50", False), ("16:50", "17:45", False),
      ("17:45", "18:05", True), ("18:05", "19:00", False), ("19:00", "19:55", False)]),
    (21876, "Horari de jornada partida", "Horario de jornada partida", "P",
     [("08:00", "08:55", False), ("08:55", "09:50", False), ("09:50", "10:45", False),
      ("10:45", "11:15", True), ("11:15", "12:10", False), ("12:10", "13:05", False),
      ("15:00", "15:55", False), ("15:55", "16:50", False)]),
]
# The template a group follows, by its shift.
PLANTILLA_DE_TURNO = {"M": 0, "V": 1, "P": 2}
DIAS = ["L", "M", "X", "J", "V"]
