// The colour picker's chooser: the browser's own colour chooser, the colour
// as text ("#rrggbb", "cmyk(C,M,Y,K)" or "gray(G)" in percent, so a four-
// colour or gray colour can be kept as it is) and the document's colours as
// swatches. The text is what the answer sends.
"use strict";

(function () {
  const studio = window.vxStudio;
  const HEX = /^#[0-9a-f]{6}$/i;

  studio.colourChooser = function (q) {
    const current = q.current || { text: "", rgb: "#000000" };
    const el = document.createElement("div");
    el.className = "colourchooser";
    el.innerHTML = `<div class="row"><input type="color" name="picker" title="Colour">
      <input name="colourtext" autocomplete="off" spellcheck="false" title="#rrggbb, cmyk(C,M,Y,K) or gray(G)">
      <span class="was" title="The colour now"></span></div><div class="swatches"></div>`;
    const picker = el.querySelector("[name=picker]"), text = el.querySelector("[name=colourtext]");
    picker.value = current.rgb;
    text.value = current.text;
    const was = el.querySelector(".was");
    was.style.background = current.rgb;
    was.textContent = current.text ? "" : "none";
    picker.addEventListener("input", () => { text.value = picker.value; });
    text.addEventListener("input", () => { if (HEX.test(text.value.trim())) picker.value = text.value.trim(); });
    const swatches = el.querySelector(".swatches");
    for (const s of q.swatches || []) {
      if (!s) continue;
      const b = document.createElement("button");
      b.type = "button";
      b.className = "swatch";
      b.title = s.text;
      b.dataset.colour = s.text;
      b.style.background = s.rgb;
      b.addEventListener("click", () => { text.value = s.text; picker.value = s.rgb; });
      swatches.appendChild(b);
    }
    swatches.hidden = !swatches.children.length;
    return { el, value: () => text.value.trim(), focus: () => text.focus() };
  };
})();
