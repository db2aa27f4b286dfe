#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target into corpus/<target>/ from the golden scripts
(tests/golden/*.txt) and the examples the calculator's own help and panels use. Run again
after adding golden scripts; files are named by the SHA-1 of their content as libFuzzer does,
so inputs found by fuzzing sit beside them and nothing is written twice."""
import hashlib
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
GOLDEN = HERE.parent / "golden"
KEY_TABLE = HERE.parents[1] / "src" / "engine" / "key_table.cpp"

FORMULAS = [
    "2+(18-10)/7^2+sin(1)+sqrt(sqrt(5),3)*2", "（１＋２）×３", "2(3+4)", "(1+2)3",
    "3〔长度〕*25〔宽度〕+45〔梁东西方向长度〕*25〔个数〕", "((1+2)", "2+3*4", "SIN(1+2)",
    "SQRT(2+2,3)", "LN(-1)", "ABS(-2.5)", "(1+2)*3", "2(3)", "(2)3", "1/0+5", "-2^2", "3*-2^2",
    "3-2^2", "2^3^2", "8/4*2", "8-4+2", "2*-3", "SQRT(8,3)", "SQRT(8,-3)", "SQRT(-9)",
    "sina(0.5)", "sin(30)", "2 + 3", "-5", "12.5", "", "1E5", "SECA(0)", "ＳＩＮ（３０）",
    "SQRT(8，3)", "2．5＊2＾2", "COTA(0)+CSCA(2)-TANA(1)*COSA(0.5)", "LG(1000)/SEC(60)",
]
BIG = ["99999999999999999999 1", "0.1 0.25", "1.50 1.50", "3 5", "0.5 0.25", "0.1 0.1",
       "25 4", "123456789 987654321", "1 3 10", "100 3 10", "12 123 10", "10 4 10", "4 2",
       "1 300 3", "5 0", " ", "-5 1,000", "1.2.3 4.5.6 7"]
NUMBERS = ["12.5", "-3", "1.60217733e-19", "+7", ".5", "5.", " 42 ", "1E4932", "1e-4951",
           "-0", "", "-", ".", ",", "1,000", "0.1", "999999999999999999", "1E18", "1.5E20",
           "3.14159265358979323846264338327950288"]
WORDS = ["1435.75", "0", "10", "105", "10001", "100000000", "1.7", "0.75", "-2.5",
         "100005000", "1.05", "0.05", "20.456", "abc", "1E18", "1.5E20", "12345678901234"]
GRABS = ["合计：1,234.50元", "5 - 3", "12\n7.5\n3", "(1+2)*3", "---4", "a.5b", "价格 ¥12.80 × 3"]
INI = ("[Setup]\r\nDevice_point=2\r\nDevice_sound=1\r\n; 注释\r\nDevice_capture=\"3\"\r\n"
       "[Alarm]\r\nTip1=起床\r\n")
SETTINGS = ["Device_Science_calc", "Device_point", "Device_1000", "Device_angle",
            "Device_sound", "Device_AutoCopyTo", "Device_input_autoclip"]


def write(target, data):
    if isinstance(data, str):
        data = data.encode("utf-8")
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


def golden_lines(command):
    for script in sorted(GOLDEN.glob("*.txt")):
        for line in script.read_text(encoding="utf-8").splitlines():
            if line.startswith(command + " "):
                yield line[len(command) + 1:]


def key_walk(script_lines):
    """A golden script as the bytes of the key-walk target: face keys left-clicked, bases."""
    names = re.findall(r'\{"(\w+)"', KEY_TABLE.read_text(encoding="utf-8"))
    by_char = {**{str(d): f"k{d}" for d in range(10)}, **{c: f"k{c.lower()}" for c in "ABCDEF"},
               ".": "kp", "+": "kadd", "-": "ksub", "*": "ksum", "/": "kdiv", "=": "kdy"}
    bases = {"HEX": "Khex_on", "DEC": "kden_on", "OCT": "kocx_on", "BIN": "kbin_on"}
    out = bytearray()
    for line in script_lines:
        word, _, rest = line.partition(" ")
        if word == "keys":
            out += bytes(names.index(by_char[c]) for c in rest if c in by_char)
        elif word == "base" and rest in bases:
            out.append(names.index(bases[rest]))
        elif word in names:
            button = {"": 0, "left": 0, "right": 1, "middle": 2}.get(rest, 0)
            out.append(names.index(word) + button * len(names))
        elif word == "set" and rest.split(" ")[0] in SETTINGS:
            # The settings command of the walk (byte % 8 == 1 above the key range).
            out += bytes([3 * len(names) + ((1 - 3 * len(names)) % 8), 0])
    return bytes(out)


def main():
    formulas = FORMULAS + list(golden_lines("step")) + list(golden_lines("eval"))
    for f in formulas:
        write("gs_step", "0" + f)
        write("gs_normalise", f)
        write("formula_panel", "0" + f)
        write("formula_panel", "1" + f)
    write("gs_step", "3sin(30)")
    for line in BIG + [" ".join(w.split(" ")[1:]) for w in golden_lines("big")]:
        write("big_number", line)
    for n in NUMBERS + [w.split(" ", 1)[1] for w in golden_lines("words") if " " in w]:
        write("number_text", "0" + n)
        write("wording", n)
    write("number_text", b"\x01" + bytes.fromhex("0000000000000080ff3f"))
    for g in GRABS + [g.replace("\\n", "\n") for g in golden_lines("grab")]:
        write("grab", "0" + g)
        write("grab", "2" + g)
    for text in WORDS + GRABS + FORMULAS[:5]:
        write("wording", text)
        write("encoding", "0" + text)
        write("encoding", b"1" + text.encode("utf-16-le"))
        if all(c.encode("gbk", "ignore") for c in text):
            write("encoding", b"2" + text.encode("gbk"))
    for mark, codec, mode in [(b"\xef\xbb\xbf", "utf-8", 7), (b"\xff\xfe", "utf-16-le", 11),
                              (b"\xfe\xff", "utf-16-be", 15)]:
        write("settings_document", mark + INI.encode(codec))
        write("settings_document", mark + INI.encode(codec) + b"\0Setup\nDevice_sound\n0")
        write("encoding", bytes([mode]) + INI.encode(codec))
    write("settings_document", INI.encode("gbk"))
    write("settings_document", INI.encode("gbk") + b"\0Setup\nDevice_point\n 'x' ")
    write("settings_document", INI.encode("gbk") + b"\0New\nKey\n\xe4\xb8\xad")
    write("settings_document", b"[Setup]\nA=1")
    for script in sorted(GOLDEN.glob("*.txt")):
        walk = key_walk(script.read_text(encoding="utf-8").splitlines())
        if walk:
            write("key_walk", walk)


if __name__ == "__main__":
    main()
