// The file browser of Open, Save As and Export PNG, and of the plug-in's
// folder chooser: the folders and the .svg and .png files inside the folder
// the studio may use (GET /api/files), navigable, with a name field. The
// server decides what may be opened or written and says why it refuses a
// name; the page only lists and sends.
"use strict";

(function () {
  const studio = window.vxStudio, api = studio.api;
  const TITLES = { open: "Open", saveas: "Save As", export: "Export PNG" };
  const EXTENSION = { open: ".svg", saveas: ".svg", export: ".png" };

  function baseName(path) { return String(path || "").split(/[\\/]/).pop(); }

  // The browser's element, not yet shown. o: {title, action (the primary
  // button), ext (files that can be chosen; none: folders only), name (the
  // name field's first text; undefined: no field), width (Export's field),
  // text (a message above the list), submit(folder, name), cancel()}.
  function browser(o) {
    const el = document.createElement("section");
    el.className = "panel filedialog filebrowser";
    el.innerHTML = `<header class="titlebar"><span></span></header><form class="body">
      <p class="text" hidden></p>
      <div class="where"><button type="button" class="up" title="Enclosing folder">\u2191</button><span class="folder"></span></div>
      <ul class="filelist" role="listbox"></ul>
      ${o.name !== undefined ? '<label>Name<input name="name" required autocomplete="off"></label>' : ""}
      ${o.width ? '<label>Width in pixels<input name="width" type="number" min="1" max="16384" value="800"></label>' : ""}
      <div class="buttons"><button type="button" class="cancel">Cancel</button><button class="primary"></button></div></form>`;
    el.querySelector(".titlebar span").textContent = o.title;
    el.querySelector("button.primary").textContent = o.action;
    if (o.text) { const t = el.querySelector(".text"); t.textContent = o.text; t.hidden = false; }
    const form = el.querySelector("form");
    const list = el.querySelector(".filelist");
    const nameField = form.querySelector("[name=name]"), widthField = form.querySelector("[name=width]");
    if (nameField) nameField.value = o.name;
    let folder = "", parent = null;
    const join = (n) => (folder ? folder + "/" + n : n);

    async function show(to) {
      let listing;
      try { listing = JSON.parse(await api.getText("/api/files?folder=" + encodeURIComponent(to))); }
      catch (e) { api.showError(e.message); return; }
      folder = listing.folder;
      parent = listing.parent;
      el.querySelector(".folder").textContent = "/" + folder;
      el.querySelector(".up").disabled = parent === null;
      list.replaceChildren();
      for (const entry of listing.entries) {
        const li = document.createElement("li");
        li.className = entry.kind;
        li.textContent = entry.name;
        li.dataset.name = entry.name;
        const usable = entry.kind === "folder" || (nameField && "." + entry.kind === o.ext);
        if (!usable) li.classList.add("disabled");
        li.addEventListener("click", () => {
          if (entry.kind === "folder") show(join(entry.name));
          else if (usable) nameField.value = entry.name;
        });
        li.addEventListener("dblclick", () => { if (usable && entry.kind !== "folder") submit(); });
        list.appendChild(li);
      }
      if (listing.more) {
        const li = document.createElement("li");
        li.className = "disabled";
        li.textContent = "(more entries not listed)";
        list.appendChild(li);
      }
    }
    function submit() {
      const name = nameField ? nameField.value.trim() : "";
      if (nameField && !name) return;
      o.submit(folder, name, widthField ? Number(widthField.value) : undefined);
    }

    el.querySelector(".up").addEventListener("click", () => { if (parent !== null) show(parent); });
    el.querySelector(".cancel").addEventListener("click", o.cancel);
    el.addEventListener("keydown", (e) => { if (e.key === "Escape") o.cancel(); e.stopPropagation(); });
    form.addEventListener("submit", (e) => { e.preventDefault(); submit(); });
    el.start = () => { (nameField || el.querySelector("button.primary")).focus(); show(""); };
    return el;
  }

  studio.fileDialog = function (kind) {
    if (document.querySelector(".filebrowser")) return;
    const doc = (studio.state && studio.state.document) || {};
    const docName = doc.name || "Untitled.svg";
    const close = () => { el.remove(); $("veil").hidden = !api.modalOpen(); };
    const el = browser({
      title: TITLES[kind], action: TITLES[kind], ext: EXTENSION[kind], width: kind === "export",
      name: kind === "export" ? docName.replace(/\.svg$/i, "") + ".png" : kind === "open" ? "" : baseName(docName),
      cancel: close,
      async submit(folder, typed, width) {
        // A name without an extension gets the dialog's own.
        if (kind !== "open" && !/\.[^/.]+$/.test(typed)) typed += EXTENSION[kind];
        const body = { path: folder ? folder + "/" + typed : typed };
        if (kind === "export") body.width = width;
        const answer = await api.post("/api/" + kind, body, kind);
        if (!answer) return;  // refused: the error is shown, the browser stays open
        close();
        if (kind === "open" && !answer.question) api.refitOnNextDocument();
        // Asked first whether changes may be lost: fitted once the answer opened it.
        if (kind === "open" && answer.question) openAsked = { path: doc.path };
        api.setStatus(TITLES[kind] + ": " + body.path);
      },
    });
    el.dataset.kind = kind;
    $("veil").hidden = false;
    document.body.appendChild(el);
    el.start();
  };

  // The plug-in's folder chooser (a question, question.js): the folder the
  // browser shows when Choose is pressed is the answer.
  studio.folderChooser = function (q, answer) {
    const el = browser({
      title: "Choose a Folder", action: "Choose", text: q.text,
      submit: (folder) => answer({ folder }),
      cancel: () => answer({ cancel: true }),
    });
    el.dataset.kind = "folder";
    document.body.appendChild(el);
    el.start();
    return el;
  };

  let openAsked = null;  // {path}: an Open waiting for the answer to its question
  studio.onState.push((state) => {
    if (!openAsked || state.question) return;
    if (state.document && state.document.path !== openAsked.path) api.fit();
    openAsked = null;
  });

  function $(id) { return document.getElementById(id); }
})();
