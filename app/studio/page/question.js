// The plug-in's questions as modal questions in the page: a yes/no alert,
// the colour picker (its chooser from colour.js) or the folder chooser (the
// file browser of files.js). The plug-in call that
// asked waits on the server until the answer comes (POST /api/answer);
// Escape answers No or cancels the picker, which leaves everything as it was.
"use strict";

(function () {
  const studio = window.vxStudio, api = studio.api;
  let shown = null;  // {id, el, veil}

  studio.onState.push((state) => {
    const q = state.question;
    if (shown && (!q || q.id !== shown.id)) { shown.el.remove(); shown.veil.remove(); shown = null; }
    if (q && !shown) show(q);
  });

  function show(q) {
    const answer = (body) => api.post("/api/answer", Object.assign({ id: q.id }, body), "answer");
    if (q.kind === "folder") {
      const veil = document.createElement("div");
      veil.className = "questionveil";
      document.body.appendChild(veil);
      shown = { id: q.id, el: studio.folderChooser(q, answer), veil };
      return;
    }
    const colour = q.kind === "colour";
    const el = document.createElement("section");
    el.className = "panel filedialog question";
    el.dataset.question = q.kind;
    el.tabIndex = -1;
    el.innerHTML = `<header class="titlebar"><span></span></header><div class="body">
      <p class="text"></p><div class="buttons"><button type="button" class="no"></button><button type="button" class="primary yes"></button></div></div>`;
    el.querySelector(".titlebar span").textContent = colour ? "Choose a Colour" : "VERSALiX4";
    el.querySelector(".text").textContent = q.text || (colour ? "" : "?");
    el.querySelector(".text").hidden = !q.text;
    const no = el.querySelector(".no"), yes = el.querySelector(".yes");
    no.textContent = colour ? "Cancel" : "No";
    yes.textContent = colour ? "OK" : "Yes";
    const chooser = colour ? studio.colourChooser(q) : null;
    if (chooser) el.querySelector(".buttons").before(chooser.el);

    async function reply(body) {
      no.disabled = yes.disabled = true;
      // Refused (a mistyped colour): the question stays for another try.
      if (!await answer(body)) no.disabled = yes.disabled = false;
    }
    const accept = () => reply(colour ? { colour: chooser.value() } : { yes: true });
    const refuse = () => reply(colour ? { cancel: true } : { yes: false });
    yes.addEventListener("click", accept);
    no.addEventListener("click", refuse);
    el.addEventListener("keydown", (e) => {
      e.stopPropagation();
      if (e.key === "Escape") { e.preventDefault(); refuse(); }
      else if (e.key === "Enter") { e.preventDefault(); accept(); }
    });
    // Over everything, palettes included: nothing else can be used until the answer.
    const veil = document.createElement("div");
    veil.className = "questionveil";
    document.body.append(veil, el);
    (chooser ? chooser.focus : () => yes.focus())();
    shown = { id: q.id, el, veil };
  }
})();
