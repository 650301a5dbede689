// The file browser of Open, Save As and Export PNG: the folders and the
// .svg and .png files inside the folder the studio may use (GET /api/files),
// navigable, with a name field. The server decides what may be opened or
// written and says why it refuses a name; the page only lists and sends.
"use strict";

(function () {
  const studio = window.vxStudio, api = studio.api;
  const TITLES = { open: "Open", saveas: "Save As", export: "Export PNG" };
  const EXTENSION = { open: ".svg", saveas: ".svg", export: ".png" };

  function baseName(path) { return String(path || "").split(/[\\/]/).pop(); }

  studio.fileDialog = function (kind) {
    if (document.querySelector(".filebrowser")) return;
    const doc = (studio.state && studio.state.document) || {};
    const ext = EXTENSION[kind];
    const el = document.createElement("section");
    el.className = "panel filedialog filebrowser";
    el.dataset.kind = kind;
    el.innerHTML = `<header class="titlebar"><span></span></header><form class="body">
      <div class="where"><button type="button" class="up" title="Enclosing folder">\u2191</button><span class="folder"></span></div>
      <ul class="filelist" role="listbox"></ul>
      <label>Name<input name="name" required autocomplete="off"></label>
      ${kind === "export" ? '<label>Width in pixels<input name="width" type="number" min="1" max="16384" value="800"></label>' : ""}
      <div class="buttons"><button type="button" class="cancel">Cancel</button><button class="primary"></button></div></form>`;
    el.querySelector(".titlebar span").textContent = TITLES[kind];
    el.querySelector("button.primary").textContent = TITLES[kind];
    const form = el.querySelector("form");
    const list = el.querySelector(".filelist");
    const name = doc.name || "Untitled.svg";
    form.name.value = kind === "export" ? name.replace(/\.svg$/i, "") + ".png" : kind === "open" ? "" : baseName(name);
    let folder = "", parent = null;

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
        const usable = entry.kind === "folder" || "." + entry.kind === ext;
        if (!usable) li.classList.add("disabled");
        li.addEventListener("click", () => {
          if (entry.kind === "folder") show(join(entry.name));
          else if (usable) form.name.value = entry.name;
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
    function join(n) { return folder ? folder + "/" + n : n; }

    const close = () => { el.remove(); $("veil").hidden = !api.modalOpen(); };
    async function submit() {
      let typed = form.name.value.trim();
      if (!typed) return;
      // A name without an extension gets the dialog's own.
      if (kind !== "open" && !/\.[^/.]+$/.test(typed)) typed += ext;
      const body = { path: join(typed) };
      if (kind === "export") body.width = Number(form.width.value);
      const answer = await api.post("/api/" + kind, body, kind);
      if (!answer) return;  // refused: the error is shown, the browser stays open
      close();
      if (kind === "open" && !answer.question) api.refitOnNextDocument();
      // Asked first whether changes may be lost: fitted once the answer opened it.
      if (kind === "open" && answer.question) openAsked = { path: doc.path };
      api.setStatus(TITLES[kind] + ": " + body.path);
    }

    el.querySelector(".up").addEventListener("click", () => { if (parent !== null) show(parent); });
    el.querySelector(".cancel").addEventListener("click", close);
    el.addEventListener("keydown", (e) => { if (e.key === "Escape") close(); e.stopPropagation(); });
    form.addEventListener("submit", (e) => { e.preventDefault(); submit(); });
    $("veil").hidden = false;
    document.body.appendChild(el);
    form.name.focus();
    show("");
  };

  let openAsked = null;  // {path}: an Open waiting for the answer to its question
  studio.onState.push((state) => {
    if (!openAsked || state.question) return;
    if (state.document && state.document.path !== openAsked.path) api.fit();
    openAsked = null;
  });

  function $(id) { return document.getElementById(id); }
})();
