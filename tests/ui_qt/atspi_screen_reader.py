# The desktop program as a screen reader meets it through AT-SPI; started by
# atspi_screen_reader.sh with the program running on its display and AT-SPI bus.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
focused = []  # the controls that took the focus, in order
notices = []  # the names of the notifications shown, in order


def check(ok, what):
    return ok or failures.append(what)


def heard(event):
    try:
        if event.type.startswith("object:state-changed:focused") and event.detail1:
            focused.append(event.source)
        elif (event.type.startswith("object:state-changed:showing") and event.detail1
              and event.source.getRole() == pyatspi.ROLE_NOTIFICATION):
            notices.append(event.source.name)
    except Exception:  # a control gone before it was looked at
        return


def pump(until, seconds):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if until() or time.time() > end:
            return until()
        time.sleep(0.02)  # between two looks


def settle():  # until no new focus comes for a moment
    count = -1
    while len(focused) != count:
        count = len(focused)
        pump(lambda: False, 0.25)


def spoken(control):
    # What Orca says a control is: an entry or a list by its labels, else by its name.
    labels = [r.getTarget(i) for r in control.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]
    names = [label.name for label in labels if label.getRole() == pyatspi.ROLE_LABEL]
    entry = control.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
    return " ".join(names) if entry and names else control.name


def press(*keys):
    count = len(focused)
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)
    if not pump(lambda: len(focused) > count, 5):
        return None
    settle()
    return spoken(focused[-1])


def tab_cycle(what):
    stops = []
    for _ in range(200):
        stop = press("Tab")
        if not check(stop is not None, f"{what}: Tab moved the focus nowhere after {stops[-1:]}"):
            break
        if stops and stop == stops[0]:
            return stops
        stops.append(stop)
    check(False, f"{what}: the Tab key never came round: {stops}")
    return stops


def tab_to(name, what):
    for _ in range(80):
        if press("Tab") == name:
            return True
    return check(False, f"{what}: the Tab key never reached {name!r}")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


desktop = pyatspi.Registry.getDesktop(0)
pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused",
                                       "object:state-changed:showing")
if not pump(lambda: any(a is not None and a.name == "Payvanta" for a in desktop), 30):
    sys.exit("FAIL: the program never showed on the AT-SPI bus")
app = next(a for a in desktop if a is not None and a.name == "Payvanta")
settle()

# Every Tab stop of every tab is named, once in its tab; the summary is among them, and
# Ctrl+Tab says the name of the tab it goes to.
tabs = ["Help", "Project Information", "Hoist", "Trolley", "Bridge", "Inventory Costs"]
for number, tab in enumerate(tabs):
    stops = tab_cycle(tab)
    check(all(stops), f"{tab}: unnamed Tab stops among {stops}")
    check(len(set(stops)) == len(stops), f"{tab}: Tab stops of one name among {stops}")
    check(any(s.startswith("Total: $") for s in stops), f"{tab}: no total among {stops}")
    if tab == "Hoist":
        check("Hoist step 5 time, seconds" in stops, f"the fifth step is no Tab stop: {stops}")
    if tab == "Inventory Costs":
        check("Trolley contactor NEMA size" in stops, f"NEMA sizes not told apart: {stops}")
    if number + 1 < len(tabs):
        count = len(notices)
        press("ctrl+Tab")
        check(pump(lambda: notices[count:] == [tabs[number + 1]], 5),
              f"Ctrl+Tab to {tabs[number + 1]} said {notices[count:]}")

# Every button is described; the summary's dividing line is no window of its own. Real
# Time Summary takes the focus to the total.
controls = [c for window in app if window is not None for c in descendants(window)]
buttons = {c.name: c for c in controls if c.getRole() == pyatspi.ROLE_PUSH_BUTTON}
check(all(b.description for n, b in buttons.items() if n != "Scroll Left" and n != "Scroll Right"),
      f"buttons without description: {[n for n, b in buttons.items() if not b.description]}")
frames = [c.name for c in controls if c.getRole() == pyatspi.ROLE_FRAME]
check(not frames, f"windows within the window: {frames}")
count = len(focused)
buttons["Real Time Summary"].queryAction().doAction(0)
pump(lambda: len(focused) > count, 5)
settle()
check(spoken(focused[-1]).startswith("Total: $"), f"Real Time Summary went to {spoken(focused[-1])!r}")

# A value typed digit by digit is followed by one notice of the new total.
press("ctrl+Tab")  # the Help tab
press("ctrl+Tab")
if tab_to("Number of Lifts per Turn", "Project Information"):
    count = len(notices)
    press("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "80", "25"], check=True)
    pump(lambda: False, 2.5)
    check(len(notices[count:]) == 1 and notices[-1].startswith("Total: $"),
          f"a new rate was followed by the notices {notices[count:]}")

# A message comes as an alert with its text and without the title's underscore; once it
# is answered the focus is back in the field.
for _ in range(4):
    press("ctrl+Tab")
if tab_to("Shoe Life in Days", "Inventory Costs"):
    press("ctrl+a")
    subprocess.run(["xdotool", "type", "0"], check=True)
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    alerts = lambda: [c for c in app if c is not None and c.getRole() == pyatspi.ROLE_ALERT]
    if check(pump(lambda: alerts(), 5), "no alert came"):
        texts = [c.name for c in descendants(alerts()[0]) if c.getRole() == pyatspi.ROLE_LABEL]
        check(alerts()[0].name == "Stravolux QVR", f"the alert is called {alerts()[0].name!r}")
        check("Shoe Life must have a value of at least 1." in texts, f"the alert says {texts}")
        check(press("Return") == "Shoe Life in Days", "the focus did not go back to the field")

# A report opens on its first value; each value is heard with its caption, the table
# cells with their row and column, once each; closed, the focus is back in the field.
first = press("alt+v", "Return")
values = [v for v in tab_cycle("the hoist page") if v != "Print Form"]
check(values[-1:] == [first], f"the page opened on {first!r}, not its first value")
check(len(values) == 112, f"the hoist page has {len(values)} values, not all but the page number")
check(len(set(values)) == len(values), "hoist values of one name")
check(all(": " in v for v in values[:-1]), f"uncaptioned: {[v for v in values if ': ' not in v]}")
check(any(v.startswith("Speed 1, Hoist DCCP KW: ") for v in values), "no hoist table cell")
check(press("Escape") == "Shoe Life in Days", "after the report the focus is not in the field")

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
