#!/usr/bin/python3
"""VERSALiX4 Studio in a real browser: headless Chromium driven by Selenium.

Each scene starts `versalix4 studio FILE --no-browser --port 0` on a copy of
the built-in sample, works the page with the mouse and keyboard as a person
would, saves, and compares the file byte for byte with what the command line
writes for the same values. Screenshots of the steps go to --gallery. The
time from a Live Update or drag step on 10,000 segments to the page's redraw
is printed, never asserted.

Usage: browser_test.py --app PATH/versalix4 --gallery DIR [--keep]
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.request

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
ADDRESS = re.compile(r"^VERSALiX4 Studio: (http://127\.0\.0\.1:\d+/\?token=[0-9a-f]{32})$")

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import Select, WebDriverWait
except ImportError as error:  # setup.sh installs python3-selenium: its absence is a failure
    sys.exit(f"browser_test: python3-selenium is missing ({error}); run scripts/setup.sh")


class Failure(Exception):
    pass


def check(condition, text):
    if not condition:
        raise Failure(text)


class Studio:
    """One `versalix4 studio` process and the browser page on it."""

    def __init__(self, app, driver, path):
        self.proc = subprocess.Popen([app, "studio", path, "--no-browser", "--port", "0"],
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        line = self.proc.stdout.readline().strip()
        match = ADDRESS.match(line)
        if not match:
            self.proc.kill()
            raise Failure(f"studio printed {line!r}, not its address; stderr: {self.proc.stderr.read()}")
        self.url, self.driver = match.group(1), driver
        driver.get(self.url)
        self.wait("window.vxStudio && vxStudio.ready && !!vxStudio.svgText()", "the page to show the document")

    def close(self):
        self.menu("File", "Quit Studio")
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
        check(self.proc.returncode == 0, f"studio ended with {self.proc.returncode}: {self.proc.stderr.read()}")

    def js(self, expression, *args):
        return self.driver.execute_script("return " + expression, *args)

    def wait(self, condition, what, timeout=60):
        try:
            WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
                lambda d: d.execute_script("return " + condition))
        except Exception:
            errors = self.js("vxStudio.errors")
            raise Failure(f"waited {timeout} s for {what}; page errors: {errors}; {self.js('vxStudio.busy()')}")

    def settle(self):
        self.wait("vxStudio.idle()", "the page to show every answer")

    def state(self):
        return self.js("vxStudio.state")

    def point(self, x, y):
        p = self.js("vxStudio.clientPoint(arguments[0], arguments[1])", x, y)
        return p["x"], p["y"]

    def drag(self, points):
        """Presses at the first point, moves through the others, releases at the
        last; client coordinates."""
        builder = ActionBuilder(self.driver, duration=0)
        builder.pointer_action.move_to_location(*map(round, points[0]))
        builder.pointer_action.pointer_down()
        for p in points[1:]:
            builder.pointer_action.move_to_location(*map(round, p))
        builder.pointer_action.pointer_up()
        builder.perform()
        self.settle()

    def doc_drag(self, a, b, steps):
        pts = [self.point(a[0] + (b[0] - a[0]) * i / steps, a[1] + (b[1] - a[1]) * i / steps)
               for i in range(steps + 1)]
        self.drag(pts)

    def menu(self, *path):
        """Clicks through the menu bar: menu("Filter", "3D Transform...")."""
        bar = self.driver.find_element(By.CSS_SELECTOR, "#menus")
        title = [b for b in bar.find_elements(By.CSS_SELECTOR, ".menutitle") if b.text == path[0]]
        check(title, f"no menu {path[0]!r}")
        title[0].click()
        menu = title[0].find_element(By.XPATH, "..")
        for name in path[1:]:
            entries = [e for e in menu.find_elements(By.CSS_SELECTOR, ".entry")
                       if e.is_displayed() and e.text.split("\n")[0] == name]
            check(entries, f"no menu entry {name!r} under {path}")
            ActionChains(self.driver).move_to_element(entries[0]).perform()
            if name == path[-1]:
                entries[0].click()
                break
            menu = entries[0].find_element(By.XPATH, "..")
        self.settle()

    def keys(self, *chord):
        chain = ActionChains(self.driver)
        for k in chord[:-1]:
            chain.key_down(k)
        chain.send_keys(chord[-1])
        for k in reversed(chord[:-1]):
            chain.key_up(k)
        chain.perform()
        self.settle()

    def type_into(self, box, text):
        """Types over a field's text as a person does (select all, type, Enter):
        the field is never left empty, so only the value typed goes out."""
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(text, Keys.ENTER)
        self.settle()

    def item(self, dialog, name):
        """The page's element of the item the resource source names."""
        return self.driver.find_element(By.CSS_SELECTOR, f'.dialog[data-dialog="{dialog}"] [data-name="{name}"]')

    def dialog(self, name):
        for d in self.state()["dialogs"]:
            if d["name"] == name:
                return d
        return None

    def items(self, dialog):
        """The dialog's items by their resource names."""
        return {i["name"]: i for i in self.dialog(dialog)["items"] if i["name"]}

    def save(self):
        self.keys(Keys.CONTROL, "s")
        self.wait("!vxStudio.state.document.dirty", "the document to be saved")

    def shot(self, gallery, name):
        self.driver.save_screenshot(os.path.join(gallery, name + ".png"))


def run(app, *args):
    done = subprocess.run([app, *args], capture_output=True, text=True)
    if done.returncode:
        raise Failure(f"versalix4 {' '.join(args)} ended with {done.returncode}: {done.stderr}")
    return done


def same_bytes(a, b, what):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        check(fa.read() == fb.read(), f"{what}: {a} and {b} differ")


def number(v):
    return repr(float(v)).removesuffix(".0")


# ---- scenes ------------------------------------------------------------

def scene_3d(ctx):
    path = ctx.copy("3d.svg")
    s = ctx.open(path)
    # The paper fills the page: with its layer locked, a band over the ring
    # and the curve takes just those two.
    lock = ".lock"
    s.driver.find_element(By.CSS_SELECTOR, f'#layerlist li[data-id="background"] {lock}').click()
    s.settle()
    s.doc_drag((30, 140), (375, 258), 6)
    check(sorted(s.state()["selection"]) == ["curve", "ring"], f"band selected {s.state()['selection']}")
    s.shot(ctx.gallery, "studio-select")
    s.driver.find_element(By.CSS_SELECTOR, f'#layerlist li[data-id="background"] {lock}').click()
    s.settle()

    s.menu("Filter", "3D Transform...")
    name = next((d["name"] for d in s.state()["dialogs"] if d["modal"]), None)
    check(name, "3D Transform opened no modal dialog")
    before = s.dialog(name)
    preview = s.item(name, "Preview")
    r = preview.rect
    cx, cy = r["x"] + r["width"] / 2, r["y"] + r["height"] / 2
    s.drag([(cx + dx, cy + dy) for dx, dy in [(0, 0), (10, 4), (22, 9), (35, 14), (45, 20)]])
    check(s.dialog(name) != before, "turning the preview changed nothing in the dialog")
    Select(s.item(name, "Kind")).select_by_visible_text("Sphere")
    s.settle()
    for field in ("CursorH", "CursorV"):  # the sphere's radius: typed in, as a user would
        s.type_into(s.item(name, field), "30")
    s.shot(ctx.gallery, "studio-3d-dialog")

    items = s.items(name)
    kind = next(e["text"] for e in items["Kind"]["entries"] if e["selected"])
    check(kind == "Sphere", f"the kind popup shows {kind}")
    args = ["3d", ctx.sample, "-o", ctx.out("3d-ref.svg"), "--select", "ring,curve", "--kind", kind,
            "--pre", ",".join(number(items["Pre" + a]["value"]) for a in "XYZ"),
            "--post", ",".join(number(items["Post" + a]["value"]) for a in "XYZ"),
            "--perspective", number(items["Perspective"]["value"]),
            "--cursor", number(items["CursorH"]["value"]) + "," + number(items["CursorV"]["value"])]
    for n in range(1, 5):
        row = items[f"Row{n}"]
        if row["visible"] and row["enabled"]:
            args += ["--value", f"{n}={number(row['value'])}"]
    if items["Before"]["value"]:
        args.append("--before")
    if items["AnchorsOnly"]["value"]:
        args.append("--anchors-only")
    s.item(name, "Ok").click()
    s.wait(f"!vxStudio.state.dialogs.some(d => d.name === {name!r})", "the 3D dialog to close")
    s.settle()
    s.shot(ctx.gallery, "studio-3d-result")
    s.save()
    run(ctx.app, *args)
    same_bytes(path, ctx.out("3d-ref.svg"), "3D Transform from the page vs versalix4 " + " ".join(args))

    s.keys(Keys.CONTROL, "z")
    s.save()
    run(ctx.app, "convert", ctx.sample, "-o", ctx.out("convert-ref.svg"))
    same_bytes(path, ctx.out("convert-ref.svg"), "after Undo (vs versalix4 convert of the sample)")
    s.shot(ctx.gallery, "studio-undo")
    s.keys(Keys.CONTROL, Keys.SHIFT, "z")
    s.save()
    same_bytes(path, ctx.out("3d-ref.svg"), "after Redo")
    s.close()


def scene_border(ctx):
    """Live Border follows the slider while it is dragged; the file after
    the release equals `versalix4 effect Border --set` with the final value."""
    path = ctx.copy("border.svg")
    s = ctx.open(path)
    s.doc_drag((30, 30), (375, 140), 4)
    check(s.state()["selection"] == ["shapes"], f"band selected {s.state()['selection']}")
    name = open_border(s)
    before = s.js("vxStudio.svgText()")
    s.item(name, "Apply").click()
    s.settle()
    applied = s.js("vxStudio.svgText()")
    check(applied != before, "Apply in Live Border left the canvas as it was")
    check(s.state()["selection"], "the new effect art is not selected after Apply")
    s.save()
    shutil.copyfile(path, ctx.out("border-applied.svg"))
    release = slide(s, name, "ArcSlider", 40, hold=True)
    s.wait(f"vxStudio.svgText() !== {applied!r}", "the canvas to follow the slider before its release")
    s.shot(ctx.gallery, "studio-live-border")
    release()
    arc = s.items(name)["ArcSlider"]["value"]
    check(arc != 0, "the slider's drag left the arc at 0")
    s.save()
    run(ctx.app, "effect", "Border", ctx.sample, "-o", ctx.out("border-ref.svg"), "--select", "shapes",
        "--set", f"gradient-arc={number(arc)}")
    same_bytes(path, ctx.out("border-ref.svg"), f"Live Border's slider vs versalix4 effect Border --set gradient-arc={arc}")
    for chord, want in (((Keys.CONTROL, "z"), "border-applied.svg"), ((Keys.CONTROL, Keys.SHIFT, "z"), "border-ref.svg")):
        s.keys(*chord)  # the slider's drag is one undo step
        s.save()
        same_bytes(path, ctx.out(want), f"Undo or Redo of the slider's drag vs {want}")
    # The angle dial follows the hand too, and its drag is one undo step.
    r, shown = s.item(name, "AngleDial").rect, s.js("vxStudio.svgText()")
    x, y = r["x"] + r["width"] / 2, r["y"] + r["height"] / 2
    release = hold_drag(s, [(x + 8, y), (x + 6, y - 5), (x, y - 8), (x - 6, y - 5)])
    s.wait(f"vxStudio.svgText() !== {shown!r}", "the canvas to follow the angle dial before its release")
    release()
    s.keys(Keys.CONTROL, "z")
    s.save()
    same_bytes(path, ctx.out("border-ref.svg"), "Undo of the angle dial's drag")
    s.close()


def open_border(s):
    s.menu("Window", "VERSALiX4", "Live Border")
    name = next((d["name"] for d in s.state()["dialogs"] if "Border" in d["name"] or "Border" in d["title"]), None)
    check(name, f"Live Border opened no palette: {[d['name'] for d in s.state()['dialogs']]}")
    live = s.items(name)["LiveUpdate"]
    if not live["value"]:
        s.item(name, "LiveUpdate").click()
        s.settle()
    return name


def slide(s, dialog, item, pixels, hold=False):
    """Drags a slider's knob by pixels in five steps; with hold, the button
    stays down: answers the function that releases it."""
    r = s.item(dialog, item).rect
    x, y = r["x"] + r["width"] / 2, r["y"] + r["height"] / 2
    points = [(x + pixels * i / 5, y) for i in range(6)]
    return hold_drag(s, points) if hold else s.drag(points)


def hold_drag(s, points):
    """Presses at the first point (client coordinates) and moves through the
    others; answers the function that releases the button."""
    builder = ActionBuilder(s.driver, duration=0)
    builder.pointer_action.move_to_location(*map(round, points[0]))
    builder.pointer_action.pointer_down()
    for p in points[1:]:
        builder.pointer_action.move_to_location(*map(round, p))
    builder.perform()

    def release():
        up = ActionBuilder(s.driver, duration=0)
        up.pointer_action.pointer_up()
        up.perform()
        s.settle()
    return release


def scene_warp(ctx):
    path = ctx.copy("warp.svg")
    s = ctx.open(path)
    s.drag([s.point(85, 85)])
    check(s.state()["selection"] == ["shapes"], f"a click on the square selected {s.state()['selection']}")
    choose_tool(s, "Warp")
    check(s.state()["currentTool"] == "Warp", "the Warp tool is not chosen")
    s.keys("-")  # zoom out: the drag ends above the page
    s.keys("-")
    s.js("vxStudio.pointerLog.length = 0")
    s.doc_drag((85, 40), (85, -40), 8)
    log = s.js("vxStudio.pointerLog")
    check(log and log[0]["event"] == "down" and log[-1]["event"] == "up", f"pointer events sent: {log}")
    check((log[-1]["x"], log[-1]["y"]) == (log[-2]["x"], log[-2]["y"]),
          "the button came up away from the last drag point")
    s.shot(ctx.gallery, "studio-warp")
    s.save()
    drag = ":".join(f"{number(e['x'])},{number(e['y'])}" for e in log[:-1])
    run(ctx.app, "tool", "Warp", ctx.sample, "-o", ctx.out("warp-ref.svg"), "--select", "shapes", "--drag", drag)
    same_bytes(path, ctx.out("warp-ref.svg"), f"Warp from the page vs versalix4 tool Warp --drag {drag}")
    s.close()


def scene_ui(ctx):
    """Save As through the file browser, a question answered No, a colour picked."""
    os.makedirs(ctx.out("saved"), exist_ok=True)
    path = ctx.copy("ui.svg")
    s = ctx.open(path)
    s.menu("File", "Save As\u2026")
    browser = s.driver.find_element(By.CSS_SELECTOR, ".filebrowser")
    s.wait("!!document.querySelector('.filebrowser .filelist li[data-name=\"saved\"]')", "the folder in the list")
    browser.find_element(By.CSS_SELECTOR, '.filelist li[data-name="saved"]').click()
    s.wait("document.querySelector('.filebrowser .folder').textContent === '/saved'", "the folder to open")
    name = browser.find_element(By.NAME, "name")
    name.clear()
    name.send_keys("copy")  # the dialog adds .svg
    s.shot(ctx.gallery, "studio-file-browser")
    name.send_keys(Keys.ENTER)
    s.wait("vxStudio.state.document.path.endsWith('/saved/copy.svg')", "Save As to saved/copy.svg")
    run(ctx.app, "convert", ctx.sample, "-o", ctx.out("ui-ref.svg"))
    same_bytes(ctx.out("saved/copy.svg"), ctx.out("ui-ref.svg"), "Save As from the file browser")

    # A change, then Open asks before losing it: No leaves everything as it was.
    s.driver.find_element(By.CSS_SELECTOR, '#layerlist li[data-id="background"] .lock').click()
    s.settle()
    before = (s.js("vxStudio.svgText()"), s.state()["document"], s.state()["canUndo"])
    s.keys(Keys.CONTROL, "o")
    s.wait("!!document.querySelector('.filebrowser .filelist li[data-name=\"ui.svg\"]')", "the file list")
    s.driver.find_element(By.CSS_SELECTOR, '.filebrowser .filelist li[data-name="ui.svg"]').click()
    s.driver.find_element(By.CSS_SELECTOR, ".filebrowser button.primary").click()
    s.wait("!!document.querySelector('.question[data-question=yesno]')", "the question before Open")
    check("ui.svg" in s.state()["question"]["text"], f"the question: {s.state()['question']}")
    s.driver.find_element(By.CSS_SELECTOR, ".question .no").click()
    s.wait("!vxStudio.state.question && !document.querySelector('.question')", "the question to close")
    s.settle()
    check((s.js("vxStudio.svgText()"), s.state()["document"], s.state()["canUndo"]) == before,
          "answering No changed the document")

    # The colour picker of Live Trail's end colour: the chosen colour is the
    # one the next picker starts from.
    s.menu("Window", "VERSALiX4", "Live Trail")
    trail = next(d["name"] for d in s.state()["dialogs"] if "Trail" in d["name"])
    for colour in ("#ff8000", None):
        s.item(trail, "EndFillSwatch").click()
        s.wait("!!document.querySelector('.question[data-question=colour]')", "the colour picker")
        if colour is None:
            check(s.state()["question"]["current"]["rgb"] == "#ff8000", f"picked, then {s.state()['question']}")
            s.driver.find_element(By.CSS_SELECTOR, ".question .no").click()
        else:
            s.js("(() => { const i = document.querySelector('.question [name=picker]'); i.value = arguments[0];"
                 " i.dispatchEvent(new Event('input')); return true; })()", colour)
            s.shot(ctx.gallery, "studio-colour")
            s.driver.find_element(By.CSS_SELECTOR, ".question .yes").click()
        s.wait("!vxStudio.state.question && !document.querySelector('.question')", "the picker to close")
        s.settle()
    s.close()


def scene_timing(ctx):
    """10,000 segments: 20 paths of 500 curves. Prints the time from each
    drag step or Live Update to the canvas being patched and to the next
    frame: a Warp drag over every path, one over a single path (the others
    stay), and Live Border's slider over all of them; then checks that the
    patched canvas equals the whole document."""
    path = ctx.out("10k.svg")
    with open(path, "w") as f:
        # In a layer with a transform: objects written anew there come in
        # groups that undo it.
        f.write('<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" '
                'width="400" height="300" viewBox="0 0 400 300">\n'
                '<g id="paths" inkscape:groupmode="layer" transform="translate(0,0.5)">\n')
        for row in range(20):
            y = 20 + row * 13
            d = [f"M 20,{y}"] + [f"C {20 + i * 0.72 + 0.24},{y - 4} {20 + i * 0.72 + 0.48},{y + 4} "
                                 f"{20 + (i + 1) * 0.72},{y}" for i in range(500)]
            f.write(f'  <path id="p{row}" fill="none" stroke="#0055d4" d="{" ".join(d)}"/>\n')
        f.write("</g>\n</svg>\n")
    s = ctx.open(path)
    s.doc_drag((5, 5), (395, 295), 4)
    choose_tool(s, "Warp")
    timed(s, "Warp drag step, every path", "pointer drag", lambda: s.doc_drag((200, 150), (200, 100), 10))
    choose_tool(s, "")
    s.drag([s.point(92, 150)])  # an anchor of p10
    check(s.state()["selection"] == ["p10"], f"a click on p10 selected {s.state()['selection']}")
    choose_tool(s, "Warp")
    timed(s, "Warp drag step, one path of 20", "pointer drag", lambda: s.doc_drag((92, 150), (92, 110), 10))
    choose_tool(s, "")
    s.keys(Keys.CONTROL, "a")
    name = open_border(s)
    s.item(name, "Apply").click()
    s.settle()
    before = s.js("vxStudio.svgText()")
    timed(s, "Live Update (a value typed)", "set ", lambda: type_values(s, name, "ArcField", (25, -30, 60)))
    timed(s, "Live Update (slider drag step)", "set ", lambda: slide(s, name, "ArcSlider", 40))
    check(s.js("vxStudio.svgText()") != before, "Live Update on 10,000 segments changed nothing")
    s.shot(ctx.gallery, "studio-10k-segments")
    s.close()


def type_values(s, dialog, item, values):
    """Types each value into a number field, with Enter, once the browser has
    drawn the one before (as a person sees it before typing the next)."""
    for v in values:
        s.wait("vxStudio.timings.every(t => t.drawn !== null)", "the frame of the value before")
        s.type_into(s.item(dialog, item), str(v))


def choose_tool(s, name):
    s.driver.find_element(By.CSS_SELECTOR, f'#toolbox .tool[data-name="{name}"]').click()
    s.settle()


def timed(s, what, kind, gesture):
    """Times the gesture's steps, then checks that the patched canvas equals
    the whole document."""
    s.js("(vxStudio.timings.length = 0, vxStudio.rounds.length = 0)")
    gesture()
    s.wait("vxStudio.timings.every(t => t.drawn !== null)", "the last frame")
    times = [t for t in s.js("vxStudio.timings") if t["what"].startswith(kind)]
    check(times, f"no timed {what}")
    rounds = s.js("vxStudio.rounds")
    med = lambda key, rows: statistics.median([r[key] for r in rows if r.get(key) is not None] or [float("nan")])
    print(f"timing: {what} on 10,000 segments: event sent -> canvas patched median "
          f"{med('ms', times):.1f} ms, max {max(t['ms'] for t in times):.1f} ms; -> next frame median "
          f"{med('drawn', times):.1f} ms, max {max(t['drawn'] for t in times):.1f} ms ({len(times)} steps; "
          f"per redraw: fetch {med('fetch', rounds):.1f} ms (network {med('network', rounds):.1f} ms), patch {med('show', rounds):.1f} ms, "
          f"{med('bytes', rounds) / 1000:.0f} kB)", flush=True)
    served = [r["server"] for r in rounds if r.get("server") and r["changed"]]
    if served:
        print("        server per changed step (ms): " + ", ".join(
            f"{k} median {statistics.median(x[k] for x in served):.1f}" for k in ("work", "canvas", "state")),
            flush=True)
    print("        steps (patched/next frame ms):", " ".join(f"{t['ms']:.0f}/{t['drawn']:.0f}" for t in times),
          "| redraws (fetch/patch ms, kB):", " ".join(f"{r.get('what')}:{r['fetch']:.0f}/{r['show']:.0f},{r['bytes'] / 1000:.0f}"
                                                    for r in rounds), flush=True)
    check(canvas_is_whole_document(s), f"after {what}, the patched canvas differs from the whole document")


def canvas_is_whole_document(s):
    """The objects the page shows equal those of the whole document (ids
    made up for deltas, the order of attributes and whether a group that
    undoes a layer's transform is shared set aside)."""
    base, token = s.url.split("/?token=")
    req = urllib.request.Request(base + "/api/delta?since=0", headers={"X-VX-Token": token})
    with urllib.request.urlopen(req) as answer:
        whole = answer.read().decode("utf-8").split("\n", 1)[1][1:]
    same = s.js("""(() => {
        const norm = (e) => e.nodeType === 3 ? e.nodeValue : e.nodeType !== 1 ? "" :
            `<${e.nodeName} ${Array.from(e.attributes).filter((a) => a.name !== "id" && a.name !== "data-vx-uid")
                .map((a) => a.name + "=" + a.value.replace(/#[\\w.-]+/g, "#")).sort().join(" ")}>` +
            Array.from(e.childNodes, norm).join("") + "</>";
        const wrapped = (w, e) => w && w.getAttribute("data-vx-wrap") ? w.getAttribute("transform") + norm(e) : norm(e);
        const doc = new DOMParser().parseFromString(arguments[0], "image/svg+xml");
        const a = Array.from(doc.querySelectorAll("[data-vx-uid]"), (e) => wrapped(e.parentNode, e));
        const b = Array.from(vxStudio.canvas().querySelectorAll("[data-vx-uid]"),
                             (e) => e.getAttribute("data-vx-wrap") === "own" ? wrapped(e, e.firstElementChild) : wrapped(e.parentNode, e));
        return a.length > 0 && a.length === b.length && a.every((x, i) => x === b[i]); })()""", whole)
    s.js("vxStudio.refreshCanvas()")  # the page's canvas version no longer chains
    s.settle()
    return same


# ---- the run -------------------------------------------------------------

class Context:
    def __init__(self, app, gallery, work, driver):
        self.app, self.gallery, self.work, self.driver = app, gallery, work, driver
        run(app, "demo", "-o", os.path.join(work, "demo"), "--width", "16")
        self.sample = os.path.join(work, "demo", "sample.svg")
        self.studios = []

    def out(self, name):
        return os.path.join(self.work, name)

    def copy(self, name):
        shutil.copyfile(self.sample, self.out(name))
        return self.out(name)

    def open(self, path):
        studio = Studio(self.app, self.driver, path)
        self.studios.append(studio)
        return studio

    def end_scene(self):
        """Stops what a failed scene left running."""
        for studio in self.studios:
            if studio.proc.poll() is None:
                studio.proc.kill()
                studio.proc.wait()
            elif studio.proc.returncode:  # it ended on its own: say why
                print(f"      studio ended with {studio.proc.returncode}: {studio.proc.stderr.read()[-6000:]}")
        self.studios.clear()


def browser():
    for path in (CHROMIUM, CHROMEDRIVER):
        if not os.access(path, os.X_OK):
            sys.exit(f"browser_test: {path} is missing; run scripts/setup.sh")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for arg in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=1400,900",
                "--force-device-scale-factor=1"):
        options.add_argument(arg)
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--gallery", required=True)
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    parser.add_argument("scenes", nargs="*", default=["3d", "border", "warp", "ui", "timing"])
    args = parser.parse_args()
    os.makedirs(args.gallery, exist_ok=True)
    work = tempfile.mkdtemp(prefix="vx-studio-")
    driver = browser()
    failures = 0
    try:
        ctx = Context(args.app, args.gallery, work, driver)
        for name in args.scenes:
            started = time.monotonic()
            # Each scene starts from the factory settings.
            os.environ["VERSALIX4_SETTINGS"] = os.path.join(work, "settings-" + name)
            try:
                globals()["scene_" + name](ctx)
                print(f"ok    {name} ({time.monotonic() - started:.1f} s)", flush=True)
            except Exception as error:  # every scene runs; each failure is reported
                failures += 1
                driver.save_screenshot(os.path.join(work, f"failed-{name}.png"))
                print(f"FAIL  {name}: {error}", flush=True)
            ctx.end_scene()
    finally:
        driver.quit()
        if args.keep or failures:
            print(f"work folder: {work}")
        else:
            shutil.rmtree(work)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
