#!/usr/bin/env python3
"""Writes appdir/Clib_J2A1_USB0.LIB, the compilation library of the J2A1 brick.

The library is data; this script is how we keep its many similar entries consistent. After running
it, stamp the integrity code with:  out/src/cli/tarvel lib --stamp appdir/Clib_J2A1_USB0.LIB
The instruction set is described in docs/brick-isa.md.
"""
import pathlib

KEYWORDS = {"MOD", "HLP", "FSIZE", "FIXHEAD", "DEFAULT", "BRICKMODEL", "BRICKMEM", "VELATRIXCODE",
            "SETVERSION", "LIBVERSION", "BEGINSET", "SET", "MACTION", "MTIME", "END"}

out = []


def line(text=""):
    out.append(text)


# ---- instruction set -------------------------------------------------------------------------
INSTRUCTIONS = [
    # short forms: opcode in bits 0..4 (bits 0..1 never both 0), variable or constant in bits 5..7
    ("LDA", "$01", "ARGINVAR"), ("STA", "$02", "ARGINVAR"), ("ADDV", "$03", "ARGINVAR"),
    ("SUBV", "$05", "ARGINVAR"), ("ORV", "$06", "ARGINVAR"), ("ANDV", "$07", "ARGINVAR"),
    ("XORV", "$09", "ARGINVAR"), ("CMPV", "$0A", "ARGINVAR"), ("LDI", "$0B", "ARGINVAROUTCST"),
    ("DJNZ", "$0D", "ARGINVARADDR"), ("IN", "$0E", "ARGINVAROUTCST"), ("SEND", "$0F", "ARGINVAROUTCST"),
    ("TST", "$11", "ARGINCST"), ("LEDV", "$12", "ARGINVAR"), ("LAMPV", "$13", "ARGINVAR"),
    ("LTHRV", "$15", "ARGINVAR"), ("RND", "$16", "ARGINVAR"), ("WHILE", "$17", "ARGINCST"),
    ("UNTIL", "$19", "ARGINCST"), ("MOTL", "$1A", "ARGINCST"), ("MOTR", "$1B", "ARGINCST"),
    # whole-byte forms
    ("TONE", "$1D", "ARGQUADCST"), ("RET", "$3D", "ARGVOID"), ("STOP", "$5D", "ARGVOID"),
    ("HALT", "$7D", "ARGVOID"), ("RESTART", "$9D", "ARGVOID"), ("LOCK", "$BD", "ARGVOID"),
    ("BEEPOK", "$DD", "ARGVOID"), ("BEEPERR", "$FD", "ARGVOID"),
    ("JMP", "$1E", "ARGADDR"), ("JZ", "$3E", "ARGADDR"), ("JNZ", "$5E", "ARGADDR"), ("JC", "$7E", "ARGADDR"),
    ("JNC", "$9E", "ARGADDR"), ("JT", "$BE", "ARGADDR"), ("JF", "$DE", "ARGADDR"), ("CALL", "$FE", "ARGADDR"),
    ("LDK", "$1F", "ARGOUTCST"), ("ADDK", "$3F", "ARGOUTCST"), ("SUBK", "$5F", "ARGOUTCST"),
    ("ORK", "$7F", "ARGOUTCST"), ("ANDK", "$9F", "ARGOUTCST"), ("XORK", "$BF", "ARGOUTCST"),
    ("CMPK", "$DF", "ARGOUTCST"), ("LTHR", "$FF", "ARGOUTCST"),
    # long forms: first byte with bits 0..1 clear, opcode in the second byte (0..127)
    ("NOP", "$00", "ARGTWOBYTESVOID"), ("LEDK", "$01", "ARG6BITCST"), ("LEDON", "$02", "ARG6BITCST"),
    ("LEDAND", "$03", "ARG6BITCST"), ("LAMP", "$04", "ARG6BITCST"), ("TONEV", "$05", "ARGTWOBYTESVOID"),
    ("TOUCHEN", "$06", "ARGTWOBYTESVOID"), ("WAITK", "$10", "ARGTWOVARCST"), ("SETR", "$11", "ARGTWOVARCST"),
    ("WAITV", "$12", "ARGTWOVARS"), ("BTST", "$13", "ARGBIT"), ("INC", "$14", "ARGOUTVAR"),
    ("DEC", "$15", "ARGOUTVAR"), ("MOV", "$16", "ARGTWOVARS"), ("JVZ", "$17", "ARGTWOINVARADDR"),
    ("LJMP", "$18", "ARGTWOBYTESADDR"),
    # motion: no opcode byte, recognised by bit 7 of the second byte
    ("MOVE", "$00", "ARGMTIME"),
]
MACTIONS = ["AVANZA", "RETROCEDE", "DOBLAIZQ", "DOBLADER", "GIRAIZQ", "GIRADER", "DIRIZQ", "DIRDER"]
MTIMES = ["CENT", "DECI", "SEG", "MILI"]

# ---- templates -----------------------------------------------------------------------------------
entries = []  # (key words, size, body lines)


def mod(f, s, o, size, *body):
    entries.append((f"MOD {f} {s} {o}", size, list(body)))


# motors: MOTL/MOTR direction 0 stop, 1 forward, 2 backward; option 10 both, 11 A (left), 12 B (right)
for subtype, direction in ((10, 1), (11, 2), (17, 0)):
    mod(10, subtype, 10, 2, f" MOTL {direction}", f" MOTR {direction}")
    mod(10, subtype, 11, 1, f" MOTL {direction}")
    mod(10, subtype, 12, 1, f" MOTR {direction}")
for subtype, (two, steer, timing) in {
        12: ("DOBLAIZQ", "DIRIZQ", "CENT, _GLOBAL_MOTTIME"),
        13: ("DOBLADER", "DIRDER", "CENT, _GLOBAL_MOTTIME"),
        14: ("GIRAIZQ", "DIRIZQ", "DECI, _GLOBAL_SPIN_90"),
        15: ("GIRADER", "DIRDER", "DECI, _GLOBAL_SPIN_90")}.items():
    mod(10, subtype, 13, 2, f" MOVE {two}, {timing}")
    mod(10, subtype, 14, 2, f" MOVE {steer}, {timing}")
mod(10, 16, "*", 2, " LAMP 1")  # a path starts with its light on; its steps follow

# path steps: the direction relative to the last heading in eighths of a turn counter-clockwise from
# 90 degrees to the right (10 right, 12 ahead, 14 left, 16 back), then drive _CST2 tenths
TURNS = {10: ("DER", 90), 11: ("DER", 45), 12: None, 13: ("IZQ", 45), 14: ("IZQ", 90),
         15: ("IZQ", 135), 16: ("IZQ", 180), 17: ("DER", 135)}
for family, spin in ((18, "GIRA"), (19, "DIR")):
    for direction, turn in TURNS.items():
        body = [] if turn is None else [f" MOVE {spin}{turn[0]}, DECI, _GLOBAL_SPIN_{turn[1]}"]
        body.append(" MOVE AVANZA, DECI, _CST2")
        mod(family, direction, 10, 2 * len(body), *body)
    mod(family, 18, 11, 2, " LAMP 0")
    mod(family, 18, 12, 2, " LAMP 1")

# outputs
mod(11, 10, 10, 1, " LAMPV _VAR1")
mod(11, 10, 12, 2, " LAMP 1")
mod(11, 10, 13, 2, " LAMP 0")
mod(11, 11, 10, 1, " LEDV _VAR1")
mod(11, 11, 11, 2, " LEDK _LABEL_ABC")
mod(11, 11, 12, 2, " LEDON _LABEL_ABC")
mod(11, 11, 13, 2, " LEDAND _LABEL_NOTABC")
mod(11, 12, 10, 2, " TONEV")
mod(11, 12, 11, 5, " TONE _TOUR_1, _TOUR_2, _TOUR_3, _TOUR_4")
mod(11, 12, 14, 5, " TONE _XCST1, _XCST2, _XCST3, _XCST4")
mod(11, 12, 16, 1, " BEEPOK")
mod(11, 12, 17, 1, " BEEPERR")
mod(11, 13, 10, 2, " SEND _VAR1, _LCST2")

# inputs: IN variable, source code
for (subtype, option), code in {(10, 11): 0, (10, 10): 1, (11, 10): 2, (12, 10): 3, (12, 12): 4,
                                (13, 10): 5, (13, 13): 6, (14, 12): 7}.items():
    mod(12, subtype, option, 2, f" IN _VAR1, {code}")

# waits
for subtype, unit in ((10, "SEG"), (11, "DECI"), (17, "CENT"), (18, "MILI")):
    mod(13, subtype, 10, 3, f" WAITK {unit}, _LCST1")
    mod(13, subtype, 11, 2, f" WAITV {unit}, _VAR1")
mod(13, 12, 12, 3, " LTHR _GLOBAL_LUZ", " WHILE 0")
mod(13, 12, 13, 3, " LTHR _GLOBAL_LUZ", " UNTIL 0")
# threshold held in a variable: the translator takes option - 2, the descriptions option + 2
for option, word in ((10, "WHILE"), (11, "UNTIL"), (14, "WHILE"), (15, "UNTIL")):
    mod(13, 12, option, 2, " LTHRV _GLOBAL_LUZ", f" {word} 0")
for subtype, condition in ((13, 1), (14, 2), (15, 3), (16, 4)):
    mod(13, subtype, 12, 1, f" WHILE {condition}")
    mod(13, subtype, 13, 1, f" UNTIL {condition}")

# calculations: result = first operand op second operand, through the accumulator
for subtype, op in ((10, "ADD"), (11, "SUB"), (12, "OR"), (13, "AND"), (14, "XOR")):
    mod(14, subtype, 11, 4, " LDA _VAR1", f" {op}K _CST2", " STA _RSLT")
    mod(14, subtype, 12, 3, " LDA _VAR1", f" {op}V _VAR2", " STA _RSLT")
mod(14, 15, 11, 2, " LDI _VAR2, _CST1")
mod(14, 15, 12, 2, " MOV _VAR2, _VAR1")
mod(14, 15, 13, 1, " RND _VAR2")

# decisions: family 15 jumps when the answer is NO, family 16 when it is YES.
# After CMP: Z = (A equal to the operand), C = (A below the operand).
COMPARE = {  # subtype: (load the second operand first?, flag jump when YES, flag jump when NO)
    10: (False, "JZ", "JNZ"), 11: (False, "JNZ", "JZ"), 12: (True, "JC", "JNC"),
    13: (False, "JC", "JNC"), 14: (False, "JNC", "JC"), 15: (True, "JNC", "JC")}
for family in (15, 16):
    for subtype, (swap, yes, no) in COMPARE.items():
        jump = yes if family == 16 else no
        if swap:
            mod(family, subtype, 10, 5, " LDK _CST2", " CMPV _VAR1", f" {jump} _CLABEL")
            mod(family, subtype, 11, 4, " LDA _VAR2", " CMPV _VAR1", f" {jump} _CLABEL")
        else:
            mod(family, subtype, 10, 5, " LDA _VAR1", " CMPK _CST2", f" {jump} _CLABEL")
            mod(family, subtype, 11, 4, " LDA _VAR1", " CMPV _VAR2", f" {jump} _CLABEL")
    jump = "JT" if family == 16 else "JF"
    mod(family, 16, "*", 5, " LTHR _GLOBAL_LUZ", " TST 0", f" {jump} _CLABEL")
    mod(family, 16, 11, 4, " LTHRV _GLOBAL_LUZ", " TST 0", f" {jump} _CLABEL")
    for subtype, condition in ((17, 1), (18, 2), (19, 3), (20, 5)):
        mod(family, subtype, "*", 3, f" TST {condition}", f" {jump} _CLABEL")
mod(15, 21, "*", 2, " DJNZ _VAR1, _CLABEL")

# structure
mod(17, 10, 10, 0, "_PLACECLABEL:")
mod(17, 10, 11, 2, "_PLACECLABEL:", " TOUCHEN")
mod(17, 11, "*", 0, "_PLACECLABEL:")
mod(17, 12, "*", 2, " JMP _CLABEL")
mod(17, 13, "*", 0, "_PLACELABEL:", "_PLACECLABEL:")
mod(17, 14, "*", 2, " CALL _LABEL")
mod(17, 15, "*", 1, " RET")
for option, body in ((10, " STOP"), (11, " HALT"), (12, " RESTART"), (13, " LOCK")):
    mod(17, 16, option, 1, body)
mod(17, 16, 14, 2, " JMP C0_Inicio")

# ---- help texts (| breaks a line, the inverted exclamation mark ends the text) -----------------
HELP = {
    "10 10 *": "Enciende uno o los dos motores para que el robot avance.|Los motores siguen encendidos hasta que otro bloque los cambie o los apague.",
    "10 11 *": "Enciende uno o los dos motores hacia atrás.|El robot retrocede hasta que otro bloque cambie los motores.",
    "10 12 *": "El robot dobla hacia la izquierda durante el Tiempo de Motor de los ajustes|y después detiene los motores.",
    "10 13 *": "El robot dobla hacia la derecha durante el Tiempo de Motor de los ajustes|y después detiene los motores.",
    "10 14 *": "El robot gira sobre sí mismo en sentido contrario al reloj (un cuarto de vuelta)|y después se detiene.",
    "10 15 *": "El robot gira sobre sí mismo en el sentido del reloj (un cuarto de vuelta)|y después se detiene.",
    "10 16 *": "Recorre el camino dibujado en el editor de recorridos:|gira y avanza tramo por tramo, encendiendo o apagando la luz donde se indicó.",
    "10 17 *": "Apaga uno o los dos motores.",
    "11 10 *": "Enciende o apaga la luz externa del Ladrillo,|o la hace seguir el valor de una variable (encendida si no es cero).",
    "11 11 *": "Cambia los leds A, B y C de la pantalla del Ladrillo:|todos según una variable o un dibujo, o solo los leds elegidos.",
    "11 12 *": "Hace sonar el parlante del Ladrillo: un tono con frecuencia, duración y volumen,|un sonido de OK o de ERROR, o una melodía completa.",
    "11 13 *": "Envía el valor de una variable a la PC, que lo muestra en el Monitor|en hexadecimal, decimal, binario o como letra.",
    "12 10 *": "Lee el sensor de luz y guarda en una variable|la intensidad de la luz (0 a 255) o la cantidad de pulsos de luz contados.",
    "12 11 *": "Lee el sensor de tacto y guarda en una variable|1 si está presionado o 0 si no lo está.",
    "12 12 *": "Lee el control remoto infrarrojo y guarda en una variable|el dato recibido o la cantidad de pulsos contados.",
    "12 13 *": "Escucha el micrófono y guarda en una variable|la cantidad de sonidos contados o la frecuencia del sonido.",
    "12 14 *": "Guarda en una variable el último mensaje enviado desde la PC.",
    "13 10 *": "Espera la cantidad de segundos indicada (un número o una variable)|antes de pasar al bloque siguiente.",
    "13 11 *": "Espera la cantidad de décimas de segundo indicada|antes de pasar al bloque siguiente. 10 décimas son un segundo.",
    "13 17 *": "Espera la cantidad de centésimas de segundo indicada.",
    "13 18 *": "Espera la cantidad de milésimas de segundo indicada.",
    "13 12 *": "Espera mientras (o hasta que) el sensor de luz vea más luz que el Umbral de los ajustes.",
    "13 13 *": "Espera mientras (o hasta que) el sensor de tacto esté presionado.",
    "13 14 *": "Espera mientras (o hasta que) llegue una señal del control remoto.",
    "13 15 *": "Espera mientras (o hasta que) el micrófono escuche un sonido.",
    "13 16 *": "Espera mientras (o hasta que) llegue un mensaje de la PC.",
    "14 10 *": "Suma: guarda en la variable resultado la suma de una variable y un número u otra variable.|Los valores van de 0 a 255 y dan la vuelta al pasar de 255.",
    "14 11 *": "Resta: guarda en la variable resultado la resta de una variable menos un número u otra variable.",
    "14 12 *": "O inclusiva: combina bit a bit una variable con un número u otra variable.",
    "14 13 *": "Y: deja solo los bits que están en la variable y también en el número o la otra variable.",
    "14 14 *": "O exclusiva: invierte los bits de la variable que están en el número o la otra variable.",
    "14 15 *": "Carga una variable con un número, con el valor de otra variable|o con un valor al azar.",
    "15 10 *": "Compara una variable con un número u otra variable.|Si la respuesta es NO salta a la etiqueta elegida, si es SI continúa.",
    "15 11 *": "Compara si una variable es distinta de un número u otra variable.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 12 *": "Compara si una variable es mayor que un número u otra variable.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 13 *": "Compara si una variable es menor que un número u otra variable.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 14 *": "Compara si una variable es mayor o igual que un número u otra variable.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 15 *": "Compara si una variable es menor o igual que un número u otra variable.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 16 *": "Pregunta si el sensor de luz ve más luz que el Umbral.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 17 *": "Pregunta si el sensor de tacto está presionado.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 18 *": "Pregunta si llega una señal del control remoto.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 19 *": "Pregunta si el micrófono escucha un sonido.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 20 *": "Pregunta si la última espera de un sensor terminó por tiempo agotado.|Si la respuesta es NO salta a la etiqueta elegida.",
    "15 21 *": "Repite: resta uno a la variable y, mientras no llegue a cero,|vuelve a la etiqueta elegida. Con 3 en la variable, repite 3 veces.",
    "16 10 *": "Compara una variable con un número u otra variable.|Si la respuesta es SI salta a la etiqueta elegida, si es NO continúa.",
    "16 11 *": "Compara si una variable es distinta de un número u otra variable.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 12 *": "Compara si una variable es mayor que un número u otra variable.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 13 *": "Compara si una variable es menor que un número u otra variable.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 14 *": "Compara si una variable es mayor o igual que un número u otra variable.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 15 *": "Compara si una variable es menor o igual que un número u otra variable.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 16 *": "Pregunta si el sensor de luz ve más luz que el Umbral.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 17 *": "Pregunta si el sensor de tacto está presionado.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 18 *": "Pregunta si llega una señal del control remoto.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 19 *": "Pregunta si el micrófono escucha un sonido.|Si la respuesta es SI salta a la etiqueta elegida.",
    "16 20 *": "Pregunta si la última espera de un sensor terminó por tiempo agotado.|Si la respuesta es SI salta a la etiqueta elegida.",
    "17 10 *": "Aquí comienza el programa.|Puede elegir que el sensor de tacto quede habilitado (la tecla de encendido se desactiva).",
    "17 11 *": "Una etiqueta marca un lugar del programa al que pueden saltar|los saltos, las decisiones y las repeticiones.",
    "17 12 *": "Salta a la etiqueta elegida y sigue desde allí.|Después de un salto debe venir una etiqueta.",
    "17 13 *": "Aquí comienza una subrutina: un grupo de bloques con nombre|que el programa principal puede llamar las veces que quiera.",
    "17 14 *": "Llama a una subrutina: ejecuta sus bloques y vuelve|para seguir con el bloque siguiente.",
    "17 15 *": "Termina la subrutina y vuelve al bloque que sigue a la llamada.",
    "17 16 *": "Termina el programa: apaga el Ladrillo, devuelve el mando a la PC,|lo reinicia, lo deja bloqueado o vuelve al inicio.",
}

# ---- the file ------------------------------------------------------------------------------------
line("; Libreria de compilacion del Ladrillo J2A1 (conexion USB)")
line("; Instrucciones y formato: docs/brick-isa.md y docs/library-format.md")
line()
line("BRICKMODEL J2A1")
line("BRICKMEM 256")
line("SETVERSION J2VM-1.0")
line("LIBVERSION J2A1-USB0-1.0")
line("VELATRIXCODE 0000000000000000")
line()
line("BEGINSET")
for mnemonic, opcode, kind in INSTRUCTIONS:
    line(f"SET {mnemonic} {opcode} {kind}")
line()
for i, name in enumerate(MACTIONS):
    line(f"MACTION {i} {name}")
for i, name in enumerate(MTIMES):
    line(f"MTIME {i} {name}")
line()
line("FIXHEAD")
line("{")
line("FSIZE 9")
for n, name in enumerate(["VRoja", "VAzul", "VVerde", "VRosa", "VNaranja", "VAux", "VCuenta"], start=1):
    line(f"{name} VAR {n}")
line(" SETR 0, _GLOBAL_SENSE100_TO")
line(" SETR 1, _GLOBAL_COUNT100_TO")
line(" SETR 2, _GLOBAL_APPID")
line("}")
line()
line("DEFAULT")
line("{")
line("FSIZE 2")
line(" NOP")
line("}")
line()
for key, size, body in entries:
    line(key)
    line("{")
    line(f"FSIZE {size}")
    for b in body:
        assert b.split()[0].upper() not in KEYWORDS or b.startswith(" "), b
        line(b)
    line("}")
line()
for key, text in HELP.items():
    line(f"HLP {key}")
    parts = text.split("|")
    for i, part in enumerate(parts):
        first = part.split()[0].upper()
        assert first not in KEYWORDS and ";" not in part and "}" not in part, part
        line(part + ("|" if i < len(parts) - 1 else "\u00a1"))
line()
line("END")

target = pathlib.Path(__file__).resolve().parent.parent / "appdir" / "Clib_J2A1_USB0.LIB"
target.write_bytes(("\r\n".join(out) + "\r\n").encode("cp1252"))
print(f"wrote {target} ({len(entries)} templates, {len(HELP)} help texts)")
