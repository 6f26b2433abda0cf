# Reads the cases of accessibility.cases against the running program on the
# accessibility bus; prints each case that fails and exits non-zero if any.
import subprocess, sys, time, warnings
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib

# Action names untranslated come only through a call marked deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning)

heard = []
def hear(e):
    try:
        heard.append((e.type, e.source.get_role_name(), e.source.get_name()))
    except GLib.Error:  # gone before it was read
        pass

listener = Atspi.EventListener.new(hear)
for kind in ("object:state-changed:showing", "object:children-changed"):
    listener.register(kind)

def wait(seconds=0.5):
    end = time.time() + seconds
    while time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)

def find(role, name, under=None):
    if under is None:
        apps = [Atspi.get_desktop(0).get_child_at_index(i) for i in range(Atspi.get_desktop(0).get_child_count())]
        return next((o for a in apps if a.get_name() == "tambrel" for o in [find(role, name, a)] if o), None)
    if under.get_role_name() == role and under.get_name() == name:
        return under
    return next((o for i in range(under.get_child_count()) for o in [find(role, name, under.get_child_at_index(i))] if o), None)

def offers(o, want):
    states = {s.value_nick for s in o.get_state_set().get_states()}
    actions = {Atspi.Action.get_action_name(o, i) for i in range(Atspi.Action.get_n_actions(o))} if "Action" in o.get_interfaces() else set()
    for w in want.split():
        if w.startswith("@"):
            if w[1:] not in actions: return f"no action {w[1:]} in {sorted(actions)}"
        elif (w.lstrip("-") in states) == w.startswith("-"):
            return f"state {w} not so in {sorted(states)}"

def check(verb, role, name, expected):
    # "heard" counts only what comes after the last key or press, so that an
    # earlier event cannot answer for a later one.
    if verb in ("key", "press"):
        heard.clear()
    if verb == "key":
        window = "^" + (name or "Тамбрель") + "$"
        # The window takes the focus in its own time, before the keys.
        subprocess.run(["xdotool", "search", "--name", window, "windowfocus", "--sync"])
        wait()
        subprocess.run(["xdotool", "key", "--delay", "50", *expected.split()])
        return wait(1)
    if verb == "heard":
        return None if (expected, role, name) in heard else f"nothing heard: {heard}"
    o = find(role, name)
    if o is None: return "not on the bus"
    if verb == "has": return offers(o, expected)
    if verb == "press":
        Atspi.Action.do_action(o, 0)
        return wait()
    if verb == "text":
        got = Atspi.Text.get_text(o, 0, -1)
    elif verb == "items":
        got = "; ".join(o.get_child_at_index(i).get_name().strip() for i in range(o.get_child_count()))
    elif verb == "description":
        got = o.get_description()
    elif verb == "keys":
        got = Atspi.Action.get_key_binding(o, 0)
    elif verb == "place":
        # Its index, and its parent's role, as the parent also counts it.
        index, parent = o.get_index_in_parent(), o.get_parent()
        same = parent.get_child_at_index(index) == o if index >= 0 else False
        got = f"{index} in {parent.get_role_name()}" + ("" if same else ", not its parent's child")
    elif verb == "run":
        # The attribute run at an offset: "OFFSET: START-END".
        offset = int(expected.split(":")[0])
        run = Atspi.Text.get_attribute_run(o, offset, False)
        got = f"{offset}: {run.start_offset}-{run.end_offset}"
    else:
        return f"unknown check «{verb}»"
    return None if got == expected else f"got «{got}»"

failed = 0
for line in open(sys.argv[1], encoding="utf-8"):
    if not line.strip() or line.startswith("#"): continue
    case = [c.strip() for c in line.split("|")]
    # What the program does in its own time is waited for, a few seconds.
    for _ in range(20):
        fault = check(*case)
        if not fault or case[0] in ("press", "key"): break
        wait(0.25)
    if fault:
        failed += 1
        print("FAIL", " | ".join(case), "→", fault)
print(f"{failed} failed")
sys.exit(1 if failed else 0)
