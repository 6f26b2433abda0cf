# Drives the program by real X keys, step by step from screen_reader.cases,
# and checks the words heard after each step: those that must be heard and
# those that must not. Only speech that comes after a step's keys counts
# for it. Prints each step that fails and exits non-zero if any does.
# With SCREEN_READER_VERBOSE=1 in the environment every step prints what
# was heard.
import os, re, subprocess, sys, time

cases, heard_file, orca_log = sys.argv[1:4]

def size(path):
    with open(path, "rb") as f:
        return f.seek(0, 2)

def heard_since(offset):
    with open(heard_file, "rb") as f:
        f.seek(offset)
        return f.read().decode("utf-8", "replace")

# Words as heard: lower case, without the signs between them; a decimal
# comma stays inside its number.
def words(text):
    return re.findall(r"\w+(?:,\w+)*", text.lower())

def count(text, phrase):
    have, want = words(text), words(phrase)
    return sum(have[i:i + len(want)] == want for i in range(len(have) - len(want) + 1)) if want else 0

# A phrase must be heard; with " ×N" after it, exactly N times.
def heard_right(text, phrase):
    phrase, times, n = phrase.partition(" ×")
    if times and not n.isdigit():
        raise ValueError(f"not a count: «{phrase} ×{n}»")
    return count(text, phrase) == int(n) if times else count(text, phrase) > 0

def contains(text, phrase):
    return count(text, phrase) > 0

def send(verb, argument):
    if verb == "key":
        subprocess.run(["xdotool", "key", "--delay", "60", *argument.split()], check=True)
    elif verb == "type":
        subprocess.run(["xdotool", "type", "--delay", "60", "--", argument], check=True)
    elif verb != "start":
        raise ValueError(f"unknown step «{verb}»")

# A step is over when what it must hear was heard, or after 8 s, and once
# both speech and Orca's log have been still for half a second.
def settle(start, must):
    end = time.time() + 8
    while time.time() < end and not all(contains(heard_since(start), p.partition(" ×")[0]) for p in must):
        time.sleep(0.05)
    still, last = time.time(), (size(heard_file), size(orca_log))
    end = time.time() + 5
    while time.time() < end and time.time() - still < 0.5:
        time.sleep(0.05)
        now = (size(heard_file), size(orca_log))
        if now != last:
            still, last = time.time(), now
    return heard_since(start)

failed = steps = 0
for number, line in enumerate(open(cases, encoding="utf-8"), 1):
    if not line.strip() or line.startswith("#"):
        continue
    fields = [f.strip() for f in line.rstrip("\n").split("|")]
    if len(fields) != 3:
        print(f"FAIL line {number}: not «step | heard | not heard»: {line.strip()}")
        failed += 1
        continue
    step, must, mustnot = fields
    verb, _, argument = step.partition(" ")
    must = [p.strip() for p in must.split(";") if p.strip()]
    mustnot = [p.strip() for p in mustnot.split(";") if p.strip()]
    # The window's opening is heard before the first step.
    start = 0 if verb == "start" else size(heard_file)
    try:
        send(verb, argument)
    except (ValueError, subprocess.CalledProcessError) as e:
        print(f"FAIL line {number}: {e}")
        failed += 1
        continue
    steps += 1
    heard = settle(start, must)
    try:
        faults = [f"not heard «{p}»" for p in must if not heard_right(heard, p)]
    except ValueError as e:
        faults = [str(e)]
    faults += [f"heard «{p}»" for p in mustnot if contains(heard, p)]
    said = " / ".join(heard.split("\n")).strip(" /")
    if faults:
        failed += 1
        print(f"FAIL line {number}: {step}: {'; '.join(faults)}; heard: «{said}»")
    elif os.environ.get("SCREEN_READER_VERBOSE") == "1":
        print(f"ok   line {number}: {step}: «{said}»")
print(f"{steps} steps, {failed} failed")
sys.exit(1 if failed or not steps else 0)
