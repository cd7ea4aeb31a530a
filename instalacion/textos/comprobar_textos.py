#!/usr/bin/env python3
"""Comprueba un fichero de textos de la interfaz (formato "N texto").

Uso: python3 comprobar_textos.py [es.txt ...]

Comprueba: numeración completa 1..677 (y después, hasta 900, las que haya),
en orden y sin repetir;
cada texto dentro de la longitud de su línea; sin espacios al final; solo
caracteres de Windows-1252; límites más estrictos de algunos usos (ayudas
de la pantalla de itinerarios: 26; respuestas del cuestionario: 12).
"""
import os
import re
import sys

# Textos de relleno que nunca deben quedar en el catálogo.
RELLENO = re.compile(r"\bTODO\b|(?i:lorem|xxx|\btexto \d+)")

# Longitud máxima de cada línea del catálogo (línea o intervalo: longitud).
LONGITUDES = """
1:40 2:6 3-4:25 5:22 6:10 7:11 8-10:10 11:11 12:10 13:11 14-18:32 19:10 20:20
21-28:40 29:32 30:30 31:10 32:40 33:15 34:18 35:30 36-38:18 39:30 40-41:18
42:40 43-46:18 47:25 48:18 49:25 50:18 51:15 52:18 53:30 54:18 55:6 56-66:40
67:30 68-74:40 75:25 76:50 77:55 78:20 79-89:40 90:10 91:50 92-97:15 98:20
99-102:15 103:25 104-110:15 111:25 112:15 113:20 114-121:15 122:20 123:15
124:30 125:40 126-141:15 142-145:45 146-152:50 153:40 154-162:20 163:75
164-165:45 166-167:60 168-174:45 175:10 176-177:45 178:50 179-187:25 188:2
189:75 190:15 191-199:25 200:30 201-202:55 203-221:25 222:10 223:30 224:45
225-228:70 229:30 230-231:40 232-239:70 240:45 241:15 242:25 243-244:40
245-251:25 252:8 253-254:35 255-265:25 266:30 267-268:25 269-270:50 271:30
272:40 273-274:35 275-276:15 277:20 278-281:15 282:25 283:35 284:15 285-287:30
288:35 289-294:30 295:40 296-297:30 298:10 299-303:30 304:10 305-307:30 308:10
309-336:30 337:35 338-343:40 344-345:20 346-465:30 466-479:22 480-483:29 484:33 485-486:22
487:40 488:30 489-491:22 492:27 493:35 494-498:22 499:27 500:35 501:15 502:30
503:20 504-510:22 511:15 512-514:10 515-519:35 520-521:22 522:10 523:35
524-528:25 529-532:40 533-535:20 536:10 537-538:15 539-549:70 550-551:15
552:45 553:25 554:10 555:22 556:40 557:25 558-561:30 562-575:35 576:20 577:40
578:30 579:25 580:35 581-582:25 583:12 584:30 585:50 586:22 587-588:15 589:25
590-591:10 592:22 593:20 594:30 595:50 596:45 597:35 598-600:15 601:35 602:50
603-621:25 622-623:20 624:25 625-626:20 627-628:25 629:35 630:40 631:35
632-639:65 640-641:30 642-650:65 651-652:30 653-659:15 660:40 661-663:25
664-669:10 670:2 671:12 672:25 673-674:40 675-677:15 678-900:75
"""

# Usos que cortan el texto antes que su línea.
# Ayudas de la pantalla de itinerarios y cuestionarios de ESO: 26 caracteres.
AYUDA_ITINERARIOS = ([22, 23, 24, 25, 26, 27, 28] + list(range(185, 188))
                     + list(range(192, 199)) + list(range(203, 221))
                     + list(range(232, 240)) + list(range(245, 252))
                     + list(range(255, 263)))
# Textos de las respuestas del cuestionario de ESO: 12 caracteres.
RESPUESTAS = list(range(127, 142))


def tabla_longitudes():
    tabla = {}
    for trozo in LONGITUDES.split():
        rango, longitud = trozo.split(":")
        if "-" in rango:
            a, b = (int(x) for x in rango.split("-"))
        else:
            a = b = int(rango)
        for n in range(a, b + 1):
            tabla[n] = int(longitud)
    return tabla


def comprobar(ruta):
    tabla = tabla_longitudes()
    assert sorted(tabla) == list(range(1, 901)), "tabla de longitudes incompleta"
    errores = []
    vistos = []
    textos = {}
    with open(ruta, encoding="utf-8") as f:
        for numero_renglon, renglon in enumerate(f, 1):
            renglon = renglon.rstrip("\n").rstrip("\r")
            donde = f"{ruta}:{numero_renglon}"
            if not renglon.strip() or renglon.startswith("#"):
                if renglon != renglon.rstrip():
                    errores.append(f"{donde}: espacios al final")
                continue
            if renglon != renglon.rstrip():
                errores.append(f"{donde}: espacios al final")
            numero, _, texto = renglon.partition(" ")
            if not numero.isdigit():
                errores.append(f"{donde}: no empieza por un número")
                continue
            n = int(numero)
            vistos.append(n)
            textos[n] = texto
            if n not in tabla:
                errores.append(f"{donde}: la línea {n} no existe")
                continue
            if len(texto) > tabla[n]:
                errores.append(f"{donde}: línea {n} con {len(texto)} "
                               f"caracteres, máximo {tabla[n]}: {texto!r}")
            if n in AYUDA_ITINERARIOS and len(texto) > 26:
                errores.append(f"{donde}: línea {n} pasa de 26 caracteres "
                               f"(ayuda de itinerarios)")
            if n in RESPUESTAS and len(texto) > 12:
                errores.append(f"{donde}: línea {n} pasa de 12 caracteres "
                               f"(respuesta del cuestionario)")
            if not texto.strip():
                errores.append(f"{donde}: línea {n} vacía")
            try:
                texto.encode("cp1252")
            except UnicodeEncodeError:
                errores.append(f"{donde}: carácter fuera de Windows-1252")
            if RELLENO.search(texto):
                errores.append(f"{donde}: texto de relleno")
    # 1..677 complete; the later lines, in order, only those in use.
    esperadas = list(range(1, 678)) + sorted(n for n in set(vistos) if n > 677)
    if vistos != esperadas:
        faltan = sorted(set(esperadas) - set(vistos))
        repetidas = sorted({n for n in vistos if vistos.count(n) > 1})
        errores.append(f"{ruta}: numeración incorrecta; faltan {faltan}, "
                       f"repetidas {repetidas}, en orden: "
                       f"{vistos == sorted(vistos)}")
    return errores


def main():
    rutas = sys.argv[1:] or [os.path.join(os.path.dirname(__file__), "es.txt")]
    errores = []
    for ruta in rutas:
        errores += comprobar(ruta)
    for e in errores:
        print(e)
    print("correcto" if not errores else f"{len(errores)} errores")
    return 1 if errores else 0


if __name__ == "__main__":
    sys.exit(main())
