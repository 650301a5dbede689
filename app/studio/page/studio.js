// VERSALiX4 Studio: the page. It draws what the server's state says (the
// document, its layers, the plug-in's menus, tools, dialogs and palettes)
// and turns every user gesture into the same request the command line's
// user agent would make. It keeps no document state of its own: after each
// request it redraws from the server's answer and its change events.
"use strict";

(function () {
  const TOKEN = new URLSearchParams(location.search).get("token") || "";
  const SVG_NS = "http://www.w3.org/2000/svg";
  const CLICK_SLOP = 3;  // screen pixels a click may move before it is a drag

  // What the tests and the status line read.
  const studio = window.vxStudio = {
    state: null,          // the last /api/state answer
    shownVersion: -1,     // the state version the page shows
    timings: [],          // {what, ms, drawn}: request sent -> canvas patched, -> next frame
    rounds: [],           // each redraw: {what, fetch, network, show, frame} ms, the answer's size, whether the canvas changed
    pointerLog: [],       // every pointer event sent: {event, x, y, modifiers}
    errors: [],           // error texts shown
    ready: false,
    onState: [],          // functions of the page's other files, called with each state shown
  };

  // ---- requests -------------------------------------------------------

  function withToken(url) {
    if (!url) return url;
    return url + (url.includes("?") ? "&" : "?") + "token=" + encodeURIComponent(TOKEN);
  }

  // Requests waiting for the page to show their version: {version, t0, what}.
  const awaitingRedraw = [];

  // Every request carries the canvas version and the state tag the page
  // shows, so that its answer brings what changed with it: one round trip
  // per step.
  function syncUrl(path) {
    return path + (path.includes("?") ? "&" : "?") + "canvas=" + canvasVersion + "&state=" + encodeURIComponent(stateTag);
  }
  // An answer: a line of JSON, then (for a sync) the canvas's markup parts.
  function readAnswer(text) {
    const line = text.indexOf("\n");
    try {
      return { head: JSON.parse(line < 0 ? text : text.slice(0, line)), rest: line < 0 ? "" : text.slice(line + 1),
               size: text.length };
    } catch (_) {
      return null;
    }
  }

  // How long the browser's network side took for the last request to `url`
  // (sent -> last byte in): the rest of a round's fetch time is the page
  // waiting for its own thread (busy drawing, say). Null when unknown.
  function networkMs(url) {
    const entries = performance.getEntriesByName(new URL(url, location.href).href);
    const e = entries[entries.length - 1];
    if (performance.getEntriesByType("resource").length > 200) performance.clearResourceTimings();
    return e ? e.responseEnd - e.startTime : null;
  }

  let inFlight = 0;  // requests sent and not answered yet
  async function post(path, body, what) {
    inFlight++;
    try { return await send(path, body, what); } finally {
      inFlight--;
      // Change events that came meanwhile and that no answer brought.
      if (!inFlight && wantVersion > studio.shownVersion) refresh(wantVersion);
    }
  }
  async function send(path, body, what) {
    const t0 = performance.now();
    let answer;
    try {
      const url = syncUrl(path);
      const res = await fetch(url, {
        method: "POST",
        headers: { "Content-Type": "application/json", "X-VX-Token": TOKEN },
        body: JSON.stringify(body || {}),
      });
      answer = readAnswer(await res.text()) || { head: { error: "the server answered " + res.status }, rest: "" };
      answer.net = networkMs(url);
      if (typeof answer.head.version === "number") {
        if (res.ok) awaitingRedraw.push({ version: answer.head.version, t0, what: what || path });
        if (answer.head.cursor !== undefined) applyCursor(answer.head.cursor);
        showAnswer(answer, t0, answer.head.version, what || path);
      }
      if (!res.ok) {
        showError(answer.head.error || ("the server answered " + res.status));
        return null;
      }
    } catch (e) {
      showError("the studio server does not answer: " + e.message);
      return null;
    }
    return answer.head;
  }

  async function getText(path) {
    const res = await fetch(path, { headers: { "X-VX-Token": TOKEN }, cache: "no-store" });
    if (!res.ok) {
      const answer = await res.json().catch(() => ({}));
      throw new Error(answer.error || path + ": " + res.status);
    }
    return res.text();
  }

  // ---- state and redraw -------------------------------------------------

  let refreshing = false, refreshAgain = false, refreshFailing = false;
  let wantVersion = 0;    // the newest state version known to exist
  let canvasVersion = 0;  // the canvas version shown (0: none)
  let stateTag = "";      // names the state shown ("": none)
  let ended = false, events = null;  // ended: the studio has quit

  // Reads what changed until the page shows `version` (without one: once
  // more in any case).
  async function refresh(version) {
    if (ended) return;
    if (version === undefined) refreshAgain = true;
    else wantVersion = Math.max(wantVersion, version);
    if (refreshing) return;
    // Shown already (an answer brought it).
    if (!refreshAgain && wantVersion <= studio.shownVersion) { notePatched(null); return; }
    refreshing = true;
    try {
      while (refreshAgain || wantVersion > studio.shownVersion) {
        refreshAgain = false;
        const t0 = performance.now();
        const url = syncUrl("/api/sync");
        const answer = readAnswer(await getText(url));
        if (!answer) throw new Error("the answer is not JSON");
        answer.net = networkMs(url);
        showAnswer(answer, t0, null, "sync");
      }
    } catch (e) {
      if (ended) return;
      // Said once, then tried again until the server answers.
      if (!refreshFailing) showError("cannot read the studio's state: " + e.message);
      refreshFailing = true;
      setTimeout(refresh, 500);
      return;
    } finally {
      refreshing = false;
    }
    refreshFailing = false;
  }

  // Shows what an answer brought: the state's changed members and the
  // canvas delta. What does not chain on what the page shows is asked for
  // again (a whole state, the whole document).
  function showAnswer(answer, t0, version, what) {
    const { head, rest } = answer;
    if (version !== null) wantVersion = Math.max(wantVersion, version);
    if (!head.state && !head.canvas) { refresh(version === null ? undefined : version); return; }
    const t1 = performance.now();
    let chained = true;
    if (head.canvas) chained = showCanvas(head.canvas, rest);
    if (head.canvasError) showError(head.canvasError);
    if (head.state) chained = showStateChange(head.state) && chained;
    // The browser draws the newest canvas whenever it can, not every one
    // in between.
    const c = head.canvas;
    const round = { what, fetch: t1 - t0, network: answer.net === undefined ? null : answer.net, show: performance.now() - t1, frame: null, bytes: answer.size,
                    changed: !!c && (c.whole || c.objects.length > 0), server: head.serverMs || null };
    studio.rounds.push(round);
    notePatched(round);
    if (!chained) refresh();
  }

  function showStateChange(change) {
    if (change.whole) {
      stateTag = change.tag;
      showState(change.whole);
      return true;
    }
    if (change.base !== stateTag || !studio.state) { stateTag = ""; return false; }
    stateTag = change.tag;
    showState(Object.assign({}, studio.state, change.changed));
    return true;
  }

  // The requests whose answers the page now shows: how long each took from
  // being sent to the canvas being patched (ms), and to the next frame
  // (drawn, filled in when it starts).
  function notePatched(round) {
    const now = performance.now(), patched = [];
    while (awaitingRedraw.length && awaitingRedraw[0].version <= studio.shownVersion) {
      const w = awaitingRedraw.shift();
      patched.push({ what: w.what, ms: now - w.t0, drawn: null, version: w.version, t0: w.t0 });
    }
    studio.timings.push(...patched);
    requestAnimationFrame(() => {
      const t = performance.now();
      if (round) round.frame = t - now;
      for (const p of patched) p.drawn = t - p.t0;
    });
  }

  // The whole document, or the changed objects patched in place
  // (canvas_patch.js). `parts`: each markup part after a record separator.
  // False: the delta does not follow the version shown, or cannot be put in
  // place (ask again: the whole document comes).
  function showCanvas(delta, parts) {
    if (delta.version <= canvasVersion) return true;  // shown already, or older than what is
    if (delta.whole) {
      showDocument(parts.slice(1));
      window.vxCanvasPatch.reset();
    } else if (delta.from !== canvasVersion) {
      return false;
    } else if (!window.vxCanvasPatch(docSvg, delta, parts.slice(1).split("\x1e"))) {
      canvasVersion = 0;
      return false;
    }
    canvasVersion = delta.version;
    return true;
  }

  function listenForChanges() {
    events = new EventSource(withToken("/api/events"));
    events.onmessage = (e) => {
      let v = -1;
      try { v = JSON.parse(e.data).version; } catch (_) { /* a malformed event still means a change */ }
      if (v === -1) refresh();
      // While requests are out their answers will most likely bring it.
      else if (v > studio.shownVersion) { if (inFlight) wantVersion = Math.max(wantVersion, v); else refresh(v); }
    };
    events.onerror = () => setStatus("change events interrupted; reconnecting", true);
  }

  function showState(state) {
    studio.state = state;
    studio.shownVersion = state.version;
    showMenus(state.menus || []);
    showTools(state.tools || [], state.currentTool || "");
    showLayers(state.layers || []);
    showDialogs(state.dialogs || []);
    showSelection(state.selectionBounds);
    applyCursor(state.cursor);
    const d = state.document || {};
    const name = d.name || "Untitled";
    document.title = (d.dirty ? "\u2022 " : "") + name + " \u2014 VERSALiX4 Studio";
    $("docname").textContent = (d.path || name) + (d.dirty ? "  (modified)" : "");
    $("st-sel").textContent = (state.selection || []).length + " selected";
    $("st-version").textContent = "v" + state.version;
    if (state.message) setStatus(state.message);
    updateMenuEnabling();
    for (const f of studio.onState) f(state);
  }

  // ---- the document on the canvas --------------------------------------

  const view = { zoom: 1, panX: 40, panY: 40, fitted: false };
  let docSvg = null, viewBox = { x: 0, y: 0, w: 1, h: 1 };

  function showDocument(text) {
    const parsed = new DOMParser().parseFromString(text, "image/svg+xml");
    const root = parsed.documentElement;
    if (!root || root.nodeName !== "svg" || parsed.getElementsByTagName("parsererror").length) {
      showError("the document could not be shown");
      return;
    }
    const svg = document.importNode(root, true);
    const vb = svg.viewBox && svg.viewBox.baseVal;
    if (vb && vb.width > 0 && vb.height > 0) viewBox = { x: vb.x, y: vb.y, w: vb.width, h: vb.height };
    else viewBox = { x: 0, y: 0, w: parseFloat(svg.getAttribute("width")) || 100,
                     h: parseFloat(svg.getAttribute("height")) || 100 };
    svg.setAttribute("viewBox", `${viewBox.x} ${viewBox.y} ${viewBox.w} ${viewBox.h}`);
    svg.setAttribute("preserveAspectRatio", "none");
    const art = $("art");
    art.replaceChildren(svg);
    docSvg = svg;
    $("empty").hidden = true;
    if (!view.fitted) { fit(); view.fitted = true; } else layoutStage();
  }

  function layoutStage() {
    if (!docSvg) return;
    const w = viewBox.w * view.zoom, h = viewBox.h * view.zoom;
    docSvg.setAttribute("width", w);
    docSvg.setAttribute("height", h);
    const ov = $("overlay");
    ov.setAttribute("width", w);
    ov.setAttribute("height", h);
    ov.setAttribute("viewBox", `${viewBox.x} ${viewBox.y} ${viewBox.w} ${viewBox.h}`);
    ov.setAttribute("preserveAspectRatio", "none");
    $("stage").style.transform = `translate(${view.panX}px, ${view.panY}px)`;
    $("st-zoom").textContent = Math.round(view.zoom * 100) + " %";
  }

  function fit() {
    const c = $("canvas").getBoundingClientRect();
    const z = Math.min((c.width - 48) / viewBox.w, (c.height - 48) / viewBox.h);
    view.zoom = z > 0 ? z : 1;
    view.panX = (c.width - viewBox.w * view.zoom) / 2;
    view.panY = (c.height - viewBox.h * view.zoom) / 2;
    layoutStage();
  }

  function zoomAt(factor, clientX, clientY) {
    const c = $("canvas").getBoundingClientRect();
    const px = clientX - c.left, py = clientY - c.top;
    const z = Math.min(64, Math.max(0.02, view.zoom * factor));
    view.panX = px - (px - view.panX) * z / view.zoom;
    view.panY = py - (py - view.panY) * z / view.zoom;
    view.zoom = z;
    layoutStage();
  }

  // Screen point -> document units (the SVG's user space, y down).
  function toDocument(clientX, clientY) {
    const r = $("art").getBoundingClientRect();
    return { x: viewBox.x + (clientX - r.left) / view.zoom, y: viewBox.y + (clientY - r.top) / view.zoom };
  }

  // Document units -> screen point, for tests that move a real pointer.
  studio.clientPoint = (x, y) => {
    const r = $("art").getBoundingClientRect();
    return { x: r.left + (x - viewBox.x) * view.zoom, y: r.top + (y - viewBox.y) * view.zoom };
  };
  // Nothing sent and not yet shown.
  studio.idle = () => !inFlight && !refreshing && !pointerBusy && !pointerQueue.length && !actionBusy && !awaitingRedraw.length;
  studio.busy = () => ({ inFlight, refreshing, pointerBusy, queued: pointerQueue.length, actionBusy,
                         awaiting: awaitingRedraw.map((w) => w.version), shown: studio.shownVersion, wantVersion, canvasVersion });
  // The document as the canvas shows it (its elements, not the root's
  // size, which follows the zoom).
  studio.canvas = () => docSvg;
  studio.refreshCanvas = () => refresh();
  studio.svgText = () => docSvg ? Array.from(docSvg.childNodes, (n) => new XMLSerializer().serializeToString(n)).join("") : null;

  function showSelection(bounds) {
    const ov = $("overlay");
    ov.querySelectorAll(".bounds, .handle").forEach((n) => n.remove());
    if (!bounds) return;
    const [l, t, r, b] = bounds;
    const rect = svgEl("rect", { class: "bounds", x: Math.min(l, r), y: Math.min(t, b),
                                 width: Math.abs(r - l), height: Math.abs(b - t) });
    ov.appendChild(rect);
    const s = 3 / view.zoom;
    for (const [x, y] of [[l, t], [r, t], [l, b], [r, b], [(l + r) / 2, t], [(l + r) / 2, b], [l, (t + b) / 2], [r, (t + b) / 2]])
      ov.appendChild(svgEl("rect", { class: "handle", x: x - s, y: y - s, width: 2 * s, height: 2 * s }));
  }

  function svgEl(name, attrs) {
    const n = document.createElementNS(SVG_NS, name);
    for (const k in attrs) n.setAttribute(k, attrs[k]);
    return n;
  }

  // ---- canvas gestures ------------------------------------------------

  const keys = { space: false };
  let gesture = null;  // {kind: "pan"|"band"|"tool", ...}

  function modifiers(e) {
    const m = [];
    if (e.shiftKey) m.push("shift");
    if (e.altKey) m.push("alt");
    if (e.ctrlKey || e.metaKey) m.push("cmd");
    if (keys.space) m.push("space");
    return m;
  }

  function toolChosen() { return !!(studio.state && studio.state.currentTool); }

  // Pointer events go out one at a time and in order; while one is on its
  // way, a newer drag replaces a waiting one and hover moves are dropped.
  const pointerQueue = [];
  let pointerBusy = false;
  function sendPointer(event, p, e) {
    const body = { event, x: p.x, y: p.y, modifiers: modifiers(e) };
    if (event === "track" && (pointerBusy || pointerQueue.length)) return;
    const lastQueued = pointerQueue[pointerQueue.length - 1];
    if (event === "drag" && lastQueued && lastQueued.event === "drag") pointerQueue.pop();
    pointerQueue.push(body);
    pumpPointer();
  }
  async function pumpPointer() {
    if (pointerBusy) return;
    pointerBusy = true;
    while (pointerQueue.length) {
      const body = pointerQueue.shift();
      if (body.event !== "track") studio.pointerLog.push(body);
      await post("/api/pointer", body, "pointer " + body.event);
    }
    pointerBusy = false;
  }

  function onCanvasDown(e) {
    if (modalOpen()) return;
    $("canvas").focus();
    const p = toDocument(e.clientX, e.clientY);
    if (e.button === 1 || (e.button === 0 && keys.space && !toolChosen())) {
      gesture = { kind: "pan", x: e.clientX, y: e.clientY, panX: view.panX, panY: view.panY };
      $("canvas").classList.add("panning");
    } else if (e.button === 0 && toolChosen()) {
      gesture = { kind: "tool" };
      sendPointer("down", p, e);
    } else if (e.button === 0 && docSvg) {
      gesture = { kind: "band", start: p, sx: e.clientX, sy: e.clientY, moved: false, add: e.shiftKey };
    } else {
      return;
    }
    $("canvas").setPointerCapture(e.pointerId);
    e.preventDefault();
  }

  function onCanvasMove(e) {
    const p = toDocument(e.clientX, e.clientY);
    $("st-pos").textContent = `x ${p.x.toFixed(1)}  y ${p.y.toFixed(1)}`;
    if (!gesture) {
      if (toolChosen() && !modalOpen() && docSvg) sendPointer("track", p, e);
      return;
    }
    if (gesture.kind === "pan") {
      view.panX = gesture.panX + e.clientX - gesture.x;
      view.panY = gesture.panY + e.clientY - gesture.y;
      layoutStage();
    } else if (gesture.kind === "tool") {
      sendPointer("drag", p, e);
    } else if (gesture.kind === "band") {
      if (Math.hypot(e.clientX - gesture.sx, e.clientY - gesture.sy) > CLICK_SLOP) gesture.moved = true;
      if (!gesture.moved) return;
      let band = $("overlay").querySelector(".band");
      if (!band) $("overlay").appendChild(band = svgEl("rect", { class: "band" }));
      const s = gesture.start;
      band.setAttribute("x", Math.min(s.x, p.x));
      band.setAttribute("y", Math.min(s.y, p.y));
      band.setAttribute("width", Math.abs(p.x - s.x));
      band.setAttribute("height", Math.abs(p.y - s.y));
    }
  }

  function onCanvasUp(e) {
    if (!gesture) return;
    const g = gesture;
    gesture = null;
    const p = toDocument(e.clientX, e.clientY);
    $("canvas").classList.remove("panning");
    if (g.kind === "tool") {
      sendPointer("up", p, e);
    } else if (g.kind === "band") {
      const band = $("overlay").querySelector(".band");
      if (band) band.remove();
      if (g.moved) {
        const s = g.start;
        post("/api/select", { rect: [Math.min(s.x, p.x), Math.min(s.y, p.y), Math.max(s.x, p.x), Math.max(s.y, p.y)], add: g.add }, "select");
      } else {
        post("/api/select", { point: [p.x, p.y], add: g.add }, "select");
      }
    }
  }

  function onWheel(e) {
    e.preventDefault();
    if (e.ctrlKey || !e.shiftKey) zoomAt(Math.exp(-e.deltaY * 0.0015), e.clientX, e.clientY);
    else { view.panX -= e.deltaY; layoutStage(); }
  }

  // The plug-in's cursor as a CSS cursor; its hot spot is the image centre,
  // known once the image has loaded.
  let cursorUrl = null;
  function applyCursor(cursor) {
    const url = cursor && cursor.url ? withToken(cursor.url) : "";
    if (url === cursorUrl) return;
    cursorUrl = url;
    const canvas = $("canvas");
    if (!url) { canvas.style.cursor = toolChosen() ? "crosshair" : ""; return; }
    const img = new Image();
    img.onload = () => {
      if (cursorUrl === url)
        canvas.style.cursor = `url("${url}") ${img.naturalWidth >> 1} ${img.naturalHeight >> 1}, crosshair`;
    };
    img.src = url;
  }

  // ---- menus ----------------------------------------------------------

  const fileMenu = [
    { title: "Open\u2026", key: "Ctrl+O", run: () => fileDialog("open") },
    { title: "Save", key: "Ctrl+S", run: () => post("/api/save", {}, "save"), needsDoc: true },
    { title: "Save As\u2026", key: "Ctrl+Shift+S", run: () => fileDialog("saveas"), needsDoc: true },
    { title: "Export PNG\u2026", key: "Ctrl+E", run: () => fileDialog("export"), needsDoc: true },
    null,
    { title: "Quit Studio", run: quit },
  ];
  const editMenu = [
    { title: "Undo", key: "Ctrl+Z", run: undo, enabled: () => studio.state && studio.state.canUndo },
    { title: "Redo", key: "Ctrl+Shift+Z", run: redo, enabled: () => studio.state && studio.state.canRedo },
    null,
    { title: "Select All", key: "Ctrl+A", run: selectAll, needsDoc: true },
    { title: "Deselect", key: "Esc", run: () => post("/api/select", { ids: [], add: false }, "select"), needsDoc: true },
  ];
  const viewMenu = [
    { title: "Zoom In", key: "+", run: () => zoomCentre(1.25) },
    { title: "Zoom Out", key: "\u2212", run: () => zoomCentre(0.8) },
    { title: "Fit in Window", key: "0", run: fit },
    { title: "Actual Size", key: "1", run: () => { zoomCentre(1 / view.zoom); } },
  ];

  function zoomCentre(f) {
    const c = $("canvas").getBoundingClientRect();
    zoomAt(f, c.left + c.width / 2, c.top + c.height / 2);
  }

  let menusShown = "";
  function showMenus(menus) {
    const key = JSON.stringify(menus);
    if (key === menusShown) return;
    menusShown = key;
    // The plug-in's commands, by menu path ("Window > VERSALiX4"), in the
    // order the plug-in registered them.
    const tree = new Map();
    for (const m of menus) {
      const path = String(m.menu).split(">").map((s) => s.trim()).filter(Boolean);
      let level = tree;
      for (const name of path) {
        if (!level.has(name)) level.set(name, new Map());
        level = level.get(name);
      }
      level.set("\u0000" + m.command, { title: m.title, run: () => post("/api/command", { command: m.command }, m.title) });
    }
    const bar = $("menus");
    bar.replaceChildren();
    bar.appendChild(menu("File", fileMenu));
    bar.appendChild(menu("Edit", editMenu));
    bar.appendChild(menu("View", viewMenu));
    for (const [name, sub] of tree) bar.appendChild(menu(name, entriesOf(sub)));
  }

  function entriesOf(level) {
    const out = [];
    for (const [name, v] of level) {
      if (v instanceof Map) out.push({ title: name, sub: entriesOf(v) });
      else if (!v.title || v.title === "-") out.push(null);
      else out.push(v);
    }
    return out;
  }

  function menu(title, entries) {
    const m = document.createElement("div");
    m.className = "menu";
    const t = document.createElement("button");
    t.className = "menutitle";
    t.textContent = title;
    t.addEventListener("click", (e) => { e.stopPropagation(); const open = !m.classList.contains("open"); closeMenus(); if (open) m.classList.add("open"); });
    t.addEventListener("mouseenter", () => { if (document.querySelector(".menu.open") && !m.classList.contains("open")) { closeMenus(); m.classList.add("open"); } });
    m.append(t, menuList(entries));
    return m;
  }

  function menuList(entries) {
    const ul = document.createElement("ul");
    ul.className = "menulist";
    ul.setAttribute("role", "menu");
    for (const e of entries) {
      const li = document.createElement("li");
      if (!e) { li.className = "sep"; ul.appendChild(li); continue; }
      const b = document.createElement("button");
      b.className = "entry";
      b.setAttribute("role", "menuitem");
      b.textContent = e.title;
      if (e.key) { const k = document.createElement("span"); k.className = "key"; k.textContent = e.key; b.appendChild(k); }
      if (e.sub) { li.className = "sub"; li.append(b, menuList(e.sub)); }
      else {
        b._entry = e;
        b.addEventListener("click", (ev) => { ev.stopPropagation(); closeMenus(); if (!modalOpen()) e.run(); });
        li.appendChild(b);
      }
      ul.appendChild(li);
    }
    return ul;
  }

  function updateMenuEnabling() {
    const hasDoc = !!docSvg;
    document.querySelectorAll(".menulist .entry").forEach((b) => {
      const e = b._entry;
      if (!e) return;
      b.disabled = (e.needsDoc && !hasDoc) || (e.enabled && !e.enabled());
    });
  }

  function closeMenus() { document.querySelectorAll(".menu.open").forEach((m) => m.classList.remove("open")); }

  // ---- toolbox --------------------------------------------------------

  const ARROW = '<svg viewBox="0 0 20 20"><path d="M4 2 L4 17 L8 13 L11 19 L13 18 L10 12 L16 12 Z"/></svg>';
  let toolsShown = "";
  function showTools(tools, current) {
    const key = JSON.stringify(tools);
    const box = $("toolbox");
    if (key !== toolsShown) {
      toolsShown = key;
      box.replaceChildren(toolButton("", "Selection", "Click or drag a band to select; Shift adds", null));
      for (const t of tools) box.appendChild(toolButton(t.name, t.title || t.name, t.tip || "", t.icon));
    }
    box.querySelectorAll(".tool").forEach((b) => b.classList.toggle("active", b.dataset.name === current));
    const t = tools.find((x) => x.name === current);
    $("st-tool").textContent = t ? (t.title || t.name) + (t.tip ? ": " + t.tip : "") : "Selection";
  }

  function toolButton(name, title, tip, icon) {
    const b = document.createElement("button");
    b.className = "tool";
    b.dataset.name = name;
    b.title = tip ? `${title}: ${tip}` : title;
    b.setAttribute("aria-label", title);
    if (icon) { const img = new Image(); img.src = withToken(icon); img.alt = title; b.appendChild(img); }
    else b.innerHTML = ARROW;
    b.addEventListener("click", () => { if (!modalOpen()) post("/api/tool", { name }, "tool"); });
    return b;
  }

  // ---- layers ---------------------------------------------------------

  const EYE = '<svg viewBox="0 0 20 20"><path d="M1 10 C5 3 15 3 19 10 C15 17 5 17 1 10 Z" fill="none" stroke="currentColor" stroke-width="1.6"/><circle cx="10" cy="10" r="3"/></svg>';
  const LOCKED = '<svg viewBox="0 0 20 20"><rect x="4" y="9" width="12" height="9" rx="1"/><path d="M7 9 V6 a3 3 0 0 1 6 0 V9" fill="none" stroke="currentColor" stroke-width="1.8"/></svg>';
  const UNLOCKED = '<svg viewBox="0 0 20 20"><rect x="4" y="9" width="12" height="9" rx="1"/><path d="M7 9 V6 a3 3 0 0 1 6 0" fill="none" stroke="currentColor" stroke-width="1.8"/></svg>';

  function showLayers(layers) {
    const ul = $("layerlist");
    ul.replaceChildren();
    for (const l of layers) {
      const li = document.createElement("li");
      li.dataset.id = l.id;
      const eye = document.createElement("button");
      eye.className = "eye" + (l.visible ? "" : " off");
      eye.innerHTML = EYE;
      eye.title = l.visible ? "Hide layer" : "Show layer";
      eye.addEventListener("click", () => post("/api/layer", { id: l.id, visible: !l.visible }, "layer"));
      const lock = document.createElement("button");
      lock.className = "lock" + (l.locked ? "" : " off");
      lock.innerHTML = l.locked ? LOCKED : UNLOCKED;
      lock.title = l.locked ? "Unlock layer" : "Lock layer";
      lock.addEventListener("click", () => post("/api/layer", { id: l.id, locked: !l.locked }, "layer"));
      const name = document.createElement("span");
      name.className = "name";
      name.textContent = l.name || l.id;
      li.append(eye, lock, name);
      ul.appendChild(li);
    }
  }

  // ---- dialogs and palettes -------------------------------------------

  const panels = new Map();     // dialog name -> {el, body, items: Map}
  const placed = new Map();     // dialog name -> {left, top} the user dragged it to
  let paletteSlot = 0;

  // Read once: reading a computed style makes the browser work out every
  // style the last canvas patch changed there and then.
  let itemScale = 0;
  function scale() {
    if (!itemScale) itemScale = parseFloat(getComputedStyle(document.documentElement).getPropertyValue("--item-scale")) || 1.75;
    return itemScale;
  }

  function modalOpen() {
    return !!(studio.state && studio.state.question) || ((studio.state && studio.state.dialogs) || []).some((d) => d.modal);
  }

  function showDialogs(dialogs) {
    const names = new Set(dialogs.map((d) => d.name));
    for (const [name, p] of panels) if (!names.has(name)) { p.el.remove(); panels.delete(name); }
    for (const d of dialogs) showDialog(d);
    const modal = dialogs.find((d) => d.modal);
    $("veil").hidden = !modal;
    if (modal) {
      const p = panels.get(modal.name);
      if (p && !p.el.contains(document.activeElement)) p.el.focus();
    }
  }

  // Dialog actions go out one at a time, in the order the user made them.
  // A waiting tracking or live value of an item gives way to its newer one:
  // at most one value waits while another is on its way, the newest.
  // how: {tracking: the button stays down, live: a value sent while it is
  // down (the host notifies the plug-in after a tracking one), drag: the
  // number of the drag it belongs to (its values make one undo step)}.
  const actionQueue = [];
  let actionBusy = false, drags = 0;
  function newDrag() { return ++drags; }
  function dialogAction(d, action, how = {}) {
    return new Promise((resolve) => {
      const body = { dialog: d.name, action, tracking: !!how.tracking };
      if (how.drag) body.gesture = how.drag;
      if (how.tracking && how.live) body.live = true;
      const live = !!how.live;
      const last = actionQueue[actionQueue.length - 1];
      const slot = action.startsWith("set ") ? action.slice(0, action.indexOf("=") + 1) : null;
      if (slot && last && (last.body.tracking || last.live) && last.body.dialog === d.name && last.body.action.startsWith(slot)) {
        actionQueue.pop();
        last.resolve(null);
      }
      actionQueue.push({ body, resolve, live: !!live });
      pumpActions();
    });
  }
  async function pumpActions() {
    if (actionBusy) return;
    actionBusy = true;
    while (actionQueue.length) {
      const { body, resolve } = actionQueue.shift();
      resolve(await post("/api/dialog", body, body.action));
    }
    actionBusy = false;
  }

  function showDialog(d) {
    const S = scale();
    let p = panels.get(d.name);
    const [l, t, r, b] = d.bounds || [0, 0, 200, 200];
    if (!p) {
      const el = document.createElement("section");
      el.className = "panel dialog" + (d.modal ? " modal" : "");
      el.tabIndex = -1;
      el.dataset.dialog = d.name;
      const bar = document.createElement("header");
      bar.className = "titlebar";
      const title = document.createElement("span");
      bar.appendChild(title);
      // A palette's own menu (presets and the like): "choose menu=N".
      const menuButton = document.createElement("button");
      menuButton.className = "palmenu";
      menuButton.title = "Palette menu";
      menuButton.textContent = "\u2630";
      menuButton.addEventListener("click", (e) => {
        e.stopPropagation();
        popMenu(menuButton, panels.get(d.name).d.menu || [], (i) => dialogAction(panels.get(d.name).d, `choose menu=${i}${modText(e)}`));
      });
      bar.appendChild(menuButton);
      if (!d.modal) {
        const close = document.createElement("button");
        close.className = "close";
        close.title = "Close";
        close.textContent = "\u00D7";
        close.addEventListener("click", () => dialogAction(panels.get(d.name).d, "close"));
        bar.appendChild(close);
      }
      const body = document.createElement("div");
      body.className = "body";
      el.append(bar, body);
      $("palettes").appendChild(el);
      p = { el, body, title, menuButton, items: new Map(), d };
      panels.set(d.name, p);
      makeMovable(p, bar);
      el.addEventListener("keydown", (e) => onDialogKey(p, e));
      // Where it opens: modal dialogs in the middle, palettes down the right.
      const area = $("palettes").getBoundingClientRect();
      const w = (r - l) * S + 14, h = (b - t) * S + 40;
      let pos = placed.get(d.name);
      if (!pos) {
        if (d.modal) pos = { left: Math.max(8, (area.width - w) / 2), top: Math.max(8, (area.height - h) / 3) };
        else { pos = { left: Math.max(8, area.width - 230 - w - 16 * paletteSlot), top: 12 + 28 * paletteSlot }; paletteSlot = (paletteSlot + 1) % 6; }
        placed.set(d.name, pos);
      }
      el.style.left = pos.left + "px";
      el.style.top = pos.top + "px";
    }
    p.d = d;
    p.title.textContent = d.title || d.name;
    p.menuButton.hidden = !(d.menu && d.menu.length);
    p.body.style.width = (r - l) * S + "px";
    p.body.style.height = (b - t) * S + "px";
    const seen = new Set();
    for (const it of d.items || []) {
      const key = it.id + ":" + it.kind;
      seen.add(key);
      let node = p.items.get(key);
      if (!node) { node = makeItem(p, it); p.items.set(key, node); p.body.appendChild(node.el); }
      node.it = it;
      updateItem(p, node, S);
    }
    for (const [key, node] of p.items) if (!seen.has(key)) { node.el.remove(); p.items.delete(key); }
  }

  function onDialogKey(p, e) {
    if (!p.d.modal) return;
    const find = (kind) => (p.d.items || []).find((i) => i.kind === kind && i.enabled && i.visible);
    if (e.key === "Escape") { const c = find("cancel-button"); if (c) { e.preventDefault(); dialogAction(p.d, "press " + c.id); } }
    if (e.key === "Enter" && !(e.target instanceof HTMLInputElement)) { const ok = find("default-button"); if (ok) { e.preventDefault(); dialogAction(p.d, "press " + ok.id); } }
  }

  function makeMovable(p, bar) {
    bar.addEventListener("pointerdown", (e) => {
      if (e.target.closest("button")) return;
      const start = { x: e.clientX, y: e.clientY, left: p.el.offsetLeft, top: p.el.offsetTop };
      bar.setPointerCapture(e.pointerId);
      const move = (ev) => {
        p.el.style.left = start.left + ev.clientX - start.x + "px";
        p.el.style.top = start.top + ev.clientY - start.y + "px";
      };
      const up = (ev) => {
        bar.removeEventListener("pointermove", move);
        bar.removeEventListener("pointerup", up);
        const left = p.el.offsetLeft, top = p.el.offsetTop;
        placed.set(p.d.name, { left, top });
        if (ev.clientX !== start.x || ev.clientY !== start.y) {
          const [l, t, r, b] = p.d.bounds || [0, 0, 0, 0];
          const dx = Math.round((left - start.left) / scale()), dy = Math.round((top - start.top) / scale());
          dialogAction(p.d, `bounds ${l + dx},${t + dy},${r + dx},${b + dy}`);
        }
      };
      bar.addEventListener("pointermove", move);
      bar.addEventListener("pointerup", up);
    });
  }

  const NUMERIC = new Set(["edit-int", "edit-real", "spin-edit", "spin-edit-popup"]);
  const LISTS = new Set(["popup-list", "text-popup"]);
  const PICTURE_BUTTONS = new Set(["picture-button", "picture-check", "picture-radio"]);

  // One item's element, made once and then only updated, so that a field
  // being typed in or a slider being dragged keeps its focus.
  function makeItem(p, it) {
    const kind = it.kind;
    const node = { el: null, it };
    const act = (action) => dialogAction(p.d, action);
    if (kind === "button" || kind === "default-button" || kind === "cancel-button" || PICTURE_BUTTONS.has(kind)) {
      const b = document.createElement("button");
      b.addEventListener("click", (e) => act("press " + node.it.id + modText(e)));
      node.el = b;
    } else if (kind === "checkbox" || kind === "radio") {
      const label = document.createElement("label");
      const input = document.createElement("input");
      input.type = kind;
      const span = document.createElement("span");
      label.append(input, span);
      input.addEventListener("click", (e) => { e.preventDefault(); act("press " + node.it.id + modText(e)); });
      node.el = label; node.input = input; node.span = span;
    } else if (NUMERIC.has(kind) || kind === "edit-text") {
      const input = document.createElement("input");
      input.type = "text";
      input.spellcheck = false;
      const commit = () => {
        const text = input.value.trim();
        const num = Number(text);
        if (NUMERIC.has(kind) && text !== "" && Number.isFinite(num)) act(`set ${node.it.id}=${num}`);
        else act(`text ${node.it.id}=${input.value}`);
        input.dataset.dirty = "";
      };
      input.addEventListener("input", () => { input.dataset.dirty = "1"; });
      // Enter commits at once; the change event that may follow it (and a
      // change without typing) sends nothing more.
      input.addEventListener("change", () => { if (input.dataset.dirty) commit(); });
      input.addEventListener("keydown", (e) => {
        if (e.key === "Enter") { e.preventDefault(); if (input.dataset.dirty) commit(); }
        if (NUMERIC.has(kind) && (e.key === "ArrowUp" || e.key === "ArrowDown")) {
          e.preventDefault();
          const step = (e.shiftKey ? 10 : 1) * (e.key === "ArrowUp" ? 1 : -1);
          act(`set ${node.it.id}=${Number(node.it.value || 0) + step}`);
        }
      });
      node.input = input;
      if (kind === "spin-edit-popup") {
        const wrap = document.createElement("div");
        const more = document.createElement("button");
        more.className = "suggest";
        more.textContent = "\u25BE";
        more.tabIndex = -1;
        more.addEventListener("click", () => popMenu(more, node.it.entries || [], (i) => act(`choose ${node.it.id}=${i}`)));
        wrap.append(input, more);
        wrap.className = "spinwrap";
        node.el = wrap;
      } else node.el = input;
    } else if (LISTS.has(kind)) {
      const sel = document.createElement("select");
      sel.addEventListener("change", () => act(`choose ${node.it.id}=${sel.selectedIndex}`));
      node.el = sel; node.select = sel;
    } else if (kind === "popup-menu") {
      const b = document.createElement("button");
      b.textContent = "\u2630";
      b.title = "Menu";
      b.addEventListener("click", (e) => popMenu(b, node.it.entries || [], (i) => act(`choose ${node.it.id}=${i}${modText(e)}`)));
      node.el = b;
    } else if (kind === "slider") {
      const r = document.createElement("input");
      r.type = "range";
      r.step = "any";
      // The values a drag passes through reach the plug-in while it lasts,
      // each as a `set` like the final one (so Live Update follows the
      // hand); the final value is sent unless it is the last one sent.
      r.addEventListener("input", () => {
        if (!r.dataset.dragging) node.drag = newDrag();
        r.dataset.dragging = "1";
        node.lastLive = `set ${node.it.id}=${r.value}`;
        dialogAction(p.d, node.lastLive, { live: true, drag: node.drag });
      });
      r.addEventListener("change", () => {
        r.dataset.dragging = "";
        const final = `set ${node.it.id}=${r.value}`;
        if (final !== node.lastLive) dialogAction(p.d, final, { drag: node.drag });
        node.lastLive = null;
      });
      node.el = r;
    } else if (kind === "list-box") {
      const ul = document.createElement("ul");
      ul.addEventListener("click", (e) => { const li = e.target.closest("li"); if (li) act(`choose ${node.it.id}=${li.dataset.index}${modText(e)}`); });
      ul.addEventListener("dblclick", (e) => { const li = e.target.closest("li"); if (li) act(`double ${node.it.id}=${li.dataset.index}`); });
      node.el = ul;
    } else if (kind === "user") {
      node.el = userItem(p, node);
    } else if (kind === "picture") {
      node.el = document.createElement("div");
    } else if (kind === "multiline-text" || kind === "static-text") {
      node.el = document.createElement("div");
    } else {  // frame, separator and anything only drawn
      node.el = document.createElement("div");
    }
    node.el.classList.add("it", "it-" + kind);
    node.el.dataset.item = it.id;
    if (it.name) node.el.dataset.name = it.name;
    return node;
  }

  function modText(e) {
    const m = [];
    if (e && e.shiftKey) m.push("shift");
    if (e && e.altKey) m.push("alt");
    if (e && (e.ctrlKey || e.metaKey)) m.push("cmd");
    return m.length ? " " + m.join(" ") : "";
  }

  // A user item (the 3D preview, an angle dial, a swatch) shows the
  // drawer's raster. A drag in it goes out while it happens, in item
  // coordinates: tracking drags (the first presses, the others move with
  // the button down), one at a time with the points gathered meanwhile, and
  // a final drag that moves through the rest and releases; all of them one
  // undo step. A click is a press.
  function userItem(p, node) {
    const box = document.createElement("div");
    const img = new Image();
    img.draggable = false;
    img.alt = "";
    box.appendChild(img);
    node.img = img;
    let drag = null;  // {waiting: points not yet sent, moved, busy, released, last}
    const at = (e) => {
      const r = box.getBoundingClientRect(), S = r.width / Math.max(1, node.it.bounds[2] - node.it.bounds[0]);
      return [Math.round((e.clientX - r.left) / S), Math.round((e.clientY - r.top) / S)];
    };
    const add = (q) => {
      const last = drag.last;
      if (last && q[0] === last[0] && q[1] === last[1]) return false;
      drag.waiting.push(q);
      drag.last = q;
      return true;
    };
    const pump = async () => {
      const d = drag;
      if (!d || d.busy) return;
      d.busy = true;
      while (d.waiting.length || d.released) {
        const final = d.released && true;
        const pts = d.waiting.length ? d.waiting.splice(0) : [d.last];
        const text = `drag ${node.it.id}=${pts.map((x) => x.join(",")).join(":")}${d.mods}`;
        // On a palette the plug-in hears of each step (an angle dial's
        // Live Update follows it); a modal dialog's item only at the end.
        await dialogAction(p.d, text, { tracking: !final, live: !final && !p.d.modal, drag: d.number });
        if (final) { if (drag === d) drag = null; break; }
      }
      d.busy = false;
    };
    box.addEventListener("pointerdown", (e) => {
      if (e.button !== 0 || drag) return;
      box.setPointerCapture(e.pointerId);
      drag = { waiting: [], moved: false, busy: false, released: false, last: null, mods: modText(e), number: newDrag() };
      add(at(e));
      e.preventDefault();
    });
    box.addEventListener("pointermove", (e) => {
      if (!drag || drag.released) return;
      if (add(at(e))) { drag.moved = true; pump(); }
    });
    const release = (e) => {
      if (!drag || drag.released) return;
      if (!drag.moved) { drag = null; dialogAction(p.d, `press ${node.it.id}${modText(e)}`); return; }
      add(at(e));
      drag.released = true;
      pump();
    };
    box.addEventListener("pointerup", release);
    box.addEventListener("pointercancel", release);
    return box;
  }

  function updateItem(p, node, S) {
    const it = node.it, el = node.el;
    const [l, t, r, b] = it.bounds || [0, 0, 0, 0];
    Object.assign(el.style, { left: l * S + "px", top: t * S + "px", width: Math.max(1, r - l) * S + "px",
                              height: Math.max(1, b - t) * S + "px" });
    el.classList.toggle("hidden", it.visible === false);
    el.classList.toggle("disabled", it.enabled === false);
    const kind = it.kind, focused = el.contains(document.activeElement);
    const text = it.text == null ? "" : String(it.text);
    if (node.input && node.input.type === "text") {
      if (!focused || !node.input.dataset.dirty) { if (node.input.value !== text) node.input.value = text; }
      node.input.disabled = it.enabled === false;
    } else if (node.input) {  // check box, radio
      node.input.checked = Number(it.value) !== 0;
      node.span.textContent = text;
    } else if (node.select) {
      const entries = it.entries || [];
      const sig = entries.map((x) => x.text + (x.enabled === false ? "\u0001" : "")).join("\u0000");
      if (node.sig !== sig) {
        node.sig = sig;
        node.select.replaceChildren(...entries.map((x) => { const o = document.createElement("option"); o.textContent = x.separator ? "\u2500\u2500\u2500\u2500" : x.text; o.disabled = x.enabled === false || !!x.separator; return o; }));
      }
      const i = entries.findIndex((x) => x.selected);
      if (node.select.selectedIndex !== i) node.select.selectedIndex = i;
    } else if (kind === "slider") {
      el.min = it.min != null ? it.min : 0;
      el.max = it.max != null ? it.max : 100;
      if (!el.dataset.dragging && Number(el.value) !== Number(it.value)) el.value = it.value;
    } else if (kind === "list-box") {
      const entries = it.entries || [];
      el.replaceChildren(...entries.map((x, i) => {
        const li = document.createElement("li");
        li.textContent = x.text;
        li.dataset.index = i;
        if (x.selected) li.className = "selected";
        if (x.enabled === false) li.classList.add("disabled");
        return li;
      }));
    } else if (kind === "user") {
      // The raster's address changes whenever the drawer paints it again.
      if (it.raster && node.img.dataset.src !== it.raster) {
        node.img.dataset.src = it.raster;
        node.img.src = withToken(it.raster);
      }
      if (text) el.title = text;
    } else if (el.tagName === "BUTTON") {
      const pic = it.picture ? withToken(it.picture) : "";
      if (pic) {
        let img = el.querySelector("img");
        if (!img) { el.replaceChildren(img = new Image()); }
        if (img.dataset.src !== it.picture) { img.dataset.src = it.picture; img.src = pic; }
        el.title = text;
      } else if (kind !== "popup-menu" && el.textContent !== text) el.textContent = text;
      el.disabled = it.enabled === false;
      if (kind === "picture-check" || kind === "picture-radio") el.classList.toggle("on", Number(it.value) !== 0);
    } else if (kind === "picture") {
      const pic = it.picture ? withToken(it.picture) : "";
      if (pic && el.dataset.src !== it.picture) {
        el.dataset.src = it.picture;
        const img = new Image();
        img.src = pic;
        el.replaceChildren(img);
      }
    } else if (kind === "static-text" || kind === "multiline-text") {
      if (el.textContent !== text) el.textContent = text;
    }
  }

  function popMenu(anchor, entries, choose) {
    closePopMenus();
    const ul = document.createElement("ul");
    ul.className = "popmenu";
    entries.forEach((x, i) => {
      const li = document.createElement("li");
      li.textContent = x.text;
      if (x.separator) { li.className = "sep"; li.textContent = ""; }
      if (x.enabled === false || x.separator) li.classList.add("disabled");
      if (x.selected) li.classList.add("selected");
      li.addEventListener("click", (e) => { e.stopPropagation(); closePopMenus(); if (x.enabled !== false && !x.separator) choose(i); });
      ul.appendChild(li);
    });
    const r = anchor.getBoundingClientRect();
    ul.style.left = r.left + "px";
    ul.style.top = r.bottom + 2 + "px";
    document.body.appendChild(ul);
  }
  function closePopMenus() { document.querySelectorAll(".popmenu").forEach((m) => m.remove()); }

  // ---- document commands ----------------------------------------------

  // Every object of the unlocked, visible layers: a band around everything.
  function selectAll() { post("/api/select", { rect: [-1e9, -1e9, 1e9, 1e9], add: false }, "select"); }

  function undo() { if (!modalOpen()) post("/api/undo", {}, "undo"); }
  function redo() { if (!modalOpen()) post("/api/redo", {}, "redo"); }

  function quit() {
    post("/api/quit", {}, "quit").then((a) => {
      if (!a) return;
      ended = true;
      events.close();
      awaitingRedraw.length = 0;
      document.body.innerHTML = '<p style="padding:2em">The studio has ended. You can close this tab.</p>';
    });
  }

  // Open, Save As and Export PNG: the file browser (files.js).
  function fileDialog(kind) { studio.fileDialog(kind); }

  // ---- keyboard -------------------------------------------------------

  function onKeyDown(e) {
    // Keys typed into a field are the field's; a slider or check box with
    // the focus still lets the shortcuts through.
    const t = e.target;
    if ((t instanceof HTMLInputElement && !["range", "checkbox", "radio"].includes(t.type)) ||
        t instanceof HTMLSelectElement || t instanceof HTMLTextAreaElement) return;
    const mod = e.ctrlKey || e.metaKey;
    const k = e.key.toLowerCase();
    if (e.key === " " && !keys.space) { keys.space = true; e.preventDefault(); }
    if (modalOpen()) return;
    if (mod && k === "z" && !e.shiftKey) { e.preventDefault(); undo(); }
    else if (mod && ((k === "z" && e.shiftKey) || k === "y")) { e.preventDefault(); redo(); }
    else if (mod && k === "s" && e.shiftKey) { e.preventDefault(); fileDialog("saveas"); }
    else if (mod && k === "s") { e.preventDefault(); post("/api/save", {}, "save"); }
    else if (mod && k === "a") { e.preventDefault(); selectAll(); }
    else if (mod && k === "o") { e.preventDefault(); fileDialog("open"); }
    else if (mod && k === "e") { e.preventDefault(); fileDialog("export"); }
    else if (!mod && (k === "+" || k === "=")) zoomCentre(1.25);
    else if (!mod && k === "-") zoomCentre(0.8);
    else if (!mod && k === "0") fit();
    else if (!mod && k === "1") zoomCentre(1 / view.zoom);
    else if (k === "escape") { closeMenus(); closePopMenus(); post("/api/select", { ids: [], add: false }, "select"); }
  }
  function onKeyUp(e) { if (e.key === " ") keys.space = false; }

  // ---- status line ----------------------------------------------------

  function setStatus(text, isError) {
    const s = $("st-msg");
    s.textContent = text;
    s.classList.toggle("error", !!isError);
  }

  function showError(text) {
    studio.errors.push(text);
    setStatus(text, true);
    const t = document.createElement("div");
    t.className = "toast";
    t.textContent = text;
    $("toasts").appendChild(t);
    setTimeout(() => t.remove(), 6000);
  }

  function $(id) { return document.getElementById(id); }

  // What the page's other files (files.js, question.js ...) use.
  studio.api = { post, getText, showError, setStatus, modalOpen, withToken,
                 fit, refitOnNextDocument: () => { view.fitted = false; } };

  // ---- start ----------------------------------------------------------

  function start() {
    const c = $("canvas");
    c.addEventListener("pointerdown", onCanvasDown);
    c.addEventListener("pointermove", onCanvasMove);
    c.addEventListener("pointerup", onCanvasUp);
    c.addEventListener("pointercancel", onCanvasUp);
    c.addEventListener("wheel", onWheel, { passive: false });
    c.addEventListener("auxclick", (e) => e.preventDefault());
    window.addEventListener("keydown", onKeyDown);
    window.addEventListener("keyup", onKeyUp);
    window.addEventListener("blur", () => { keys.space = false; });
    document.addEventListener("click", () => { closeMenus(); closePopMenus(); });
    window.addEventListener("resize", layoutStage);
    $("empty").hidden = false;
    listenForChanges();
    refresh().then(() => { studio.ready = true; });
  }

  if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", start);
  else start();
})();
