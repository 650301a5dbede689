// VERSALiX4 Studio: patching the canvas in place. The server answers "what
// changed since canvas version N" (GET /api/delta) with the SVG of just the
// top-level objects that changed, each with its place, and the ids of the
// deleted ones; this replaces those elements in the inline SVG without
// parsing the rest again. When a delta cannot be put in place the page loads
// the whole document instead (vxCanvasPatch answers false).
"use strict";

(function () {
  const SVG_NS = "http://www.w3.org/2000/svg";

  // Definitions that came with deltas, newest first: {el, uids}. One goes
  // when every object it came with has been replaced or deleted.
  let deltaDefs = [];

  function byUid(root, uid) { return root.querySelector(`[data-vx-uid="${uid}"]`); }
  // Whether an object stands inside a group shared with its neighbours (one
  // that undoes its layer's transform).
  function shared(el) { const w = el.parentNode; return !!(w && w.getAttribute && w.getAttribute("data-vx-wrap") === "1"); }

  // Puts el just after (or before) anchor. An anchor inside a shared group
  // has the group split there: el carries the group's transform itself.
  function place(el, anchor, after) {
    if (!shared(anchor)) { if (after) anchor.after(el); else anchor.before(el); return; }
    const wrap = anchor.parentNode, tail = wrap.cloneNode(false);
    for (let n = after ? anchor.nextSibling : anchor, next; n; n = next) { next = n.nextSibling; tail.appendChild(n); }
    wrap.after(el);
    if (tail.firstChild) el.after(tail);
  }

  function forget(uid) {
    deltaDefs = deltaDefs.filter((d) => {
      d.uids.delete(uid);
      if (d.uids.size) return true;
      d.el.remove();
      return false;
    });
  }

  // The changed objects' markup, parsed at once under the document's own
  // namespace declarations.
  function parse(root, delta, parts) {
    let ns = "";
    for (const a of root.attributes) if (a.name === "xmlns" || a.name.startsWith("xmlns:")) ns += ` ${a.name}="${a.value}"`;
    if (!/\sxmlns="/.test(ns)) ns += ` xmlns="${SVG_NS}"`;
    const text = `<svg${ns}><defs>${parts[0]}</defs>${parts.slice(1).join("")}</svg>`;
    const parsed = new DOMParser().parseFromString(text, "image/svg+xml");
    if (parsed.getElementsByTagName("parsererror").length) return null;
    const made = new Map();
    for (const el of parsed.documentElement.children)
      if (el.hasAttribute("data-vx-uid")) made.set(Number(el.getAttribute("data-vx-uid")), el);
    return { defs: parsed.documentElement.firstElementChild, made };
  }

  // Makes `old` equal `made` by changing only what differs (attributes,
  // text, members), so that the browser keeps what it built for the rest;
  // a member of another kind is replaced.
  function morph(old, made) {
    for (const a of Array.from(old.attributes))
      if (!made.hasAttributeNS(a.namespaceURI, a.localName)) old.removeAttributeNS(a.namespaceURI, a.localName);
    for (const a of made.attributes)
      if (old.getAttributeNS(a.namespaceURI, a.localName) !== a.value) old.setAttributeNS(a.namespaceURI, a.name, a.value);
    const olds = old.childNodes, mades = made.childNodes;
    let i = 0;
    for (; i < mades.length; ++i) {
      const o = olds[i], m = mades[i];
      if (!o) old.appendChild(document.importNode(m, true));
      else if (o.nodeType !== m.nodeType || o.nodeName !== m.nodeName) o.replaceWith(document.importNode(m, true));
      else if (m.nodeType === Node.ELEMENT_NODE) morph(o, m);
      else if (o.nodeValue !== m.nodeValue) o.nodeValue = m.nodeValue;
    }
    while (olds.length > i) old.lastChild.remove();
  }

  // An object made of the same elements: sets the attributes of each
  // element of its subtree (document order) to those sent, leaving the
  // canvas marks alone, and path data too where none is sent (the shapes
  // stayed). Nothing changes unless every element is there.
  function repaint(el, paint) {
    if (el.getAttribute("data-vx-wrap") === "own") el = el.firstElementChild;
    if (!el) return false;
    const els = [el, ...el.querySelectorAll("*")];
    if (els.length !== paint.length || els.some((e, i) => e.nodeName !== paint[i][0])) return false;
    els.forEach((e, i) => {
      const want = paint[i][1];
      const kept = (name) => (name === "d" && !("d" in want)) || name.startsWith("data-vx-");
      for (const a of Array.from(e.attributes))
        if (!kept(a.name) && !(a.name in want)) e.removeAttributeNS(a.namespaceURI, a.localName);
      for (const name in want) {
        if (e.getAttribute(name) === want[name]) continue;
        const colon = name.indexOf(":");
        const ns = colon < 0 ? null : e.lookupNamespaceURI(name.slice(0, colon));
        e.setAttributeNS(ns, name, want[name]);
      }
    });
    return true;
  }

  // Puts an object's element in the group the new path data is written
  // in: one of its own with transform t (a group that undoes its layer's
  // transform), or none (t null). Answers the object's element now, null
  // when it stands in a group shared with others that differs.
  function rewrap(el, uid, t) {
    const own = el.getAttribute("data-vx-wrap") === "own";
    const now = own ? el.getAttribute("transform") : shared(el) ? el.parentNode.getAttribute("transform") : null;
    if (now === t) return el;
    if (own && t !== null) { el.setAttribute("transform", t); return el; }
    if (own) {
      const inner = el.firstElementChild;
      if (!inner) return null;
      inner.setAttribute("data-vx-uid", uid);
      el.replaceWith(inner);
      return inner;
    }
    if (shared(el)) return null;
    const g = document.createElementNS(SVG_NS, "g");
    g.setAttribute("transform", t);
    g.setAttribute("data-vx-wrap", "own");
    g.setAttribute("data-vx-uid", uid);
    el.replaceWith(g);
    el.removeAttribute("data-vx-uid");
    g.appendChild(el);
    return g;
  }

  // Applies delta (its definitions' markup, then the markup of each object
  // not only repainted, in parts) to the shown document root; false: load
  // the whole document.
  window.vxCanvasPatch = function (root, delta, parts) {
    if (!root || delta.whole) return false;
    if (!delta.objects.length && !delta.deleted.length) return true;
    if (parts.length !== delta.objects.filter((o) => !o.paint).length + 1) return false;
    for (const o of delta.objects) {
      if (!o.paint) continue;
      let el = byUid(root, o.uid);
      if (el && o.wrap !== undefined) el = rewrap(el, o.uid, o.wrap);
      if (!el || !repaint(el, o.paint)) return false;
      forget(o.uid);
    }
    const parsed = parse(root, delta, parts);
    if (!parsed) return false;
    for (const uid of delta.deleted) {
      const el = byUid(root, uid);
      if (el) el.remove();
      forget(uid);
    }
    // An object inside a shared group comes in a group of its own: it is
    // placed anew.
    for (const o of delta.objects) {
      if (o.paint) continue;
      const el = byUid(root, o.uid);
      if (el && (!o.inPlace || shared(el))) el.remove();
      forget(o.uid);
    }
    // Bottom first: the object below each one is in place before it.
    for (const o of delta.objects) {
      if (o.paint) continue;
      const node = parsed.made.get(o.uid);
      if (!node) return false;
      const here = o.inPlace && byUid(root, o.uid);
      if (here && here.nodeName === node.nodeName) { morph(here, node); continue; }
      if (here) here.remove();
      const el = document.importNode(node, true);
      const anchor = o.after ? byUid(root, o.after) : o.before ? byUid(root, o.before) : null;
      if ((o.after || o.before) && !anchor) return false;
      if (anchor) place(el, anchor, !!o.after);
      else {
        const layer = root.querySelector(`[data-vx-layer="${o.layer}"]`);
        if (!layer) return false;  // a layer without an element of its own
        layer.appendChild(el);
      }
    }
    if (parsed.defs && parsed.defs.childNodes.length) {
      // Newest first, so that an id written again wins over its older copy.
      const defs = document.importNode(parsed.defs, true);
      root.insertBefore(defs, root.firstChild);
      deltaDefs.unshift({ el: defs, uids: new Set(delta.objects.map((o) => o.uid)) });
    }
    return true;
  };

  // A whole document was shown: earlier deltas' definitions went with it.
  window.vxCanvasPatch.reset = function () { deltaDefs = []; };
})();
