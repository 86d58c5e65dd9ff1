// Small helpers for building the page's elements and its words.

export function element(tag, props = {}, ...children) {
  const { attrs, dataset, ...rest } = props;
  const node = Object.assign(document.createElement(tag), rest);
  for (const [name, value] of Object.entries(attrs || {})) node.setAttribute(name, value);
  Object.assign(node.dataset, dataset);
  node.append(...children.filter((c) => c !== null && c !== undefined && c !== false));
  return node;
}

// Writes a property (or, named with "@", an attribute) of an element only
// when it changes: a write, even of the same value, has the browser lay out
// and paint again.
export function put(node, name, value) {
  if (name[0] === '@') {
    if (node.getAttribute(name.slice(1)) !== value) node.setAttribute(name.slice(1), value);
  } else if (node[name] !== value) node[name] = value;
}

// The engine's output formats as the options of a list.
export function formatOptions(formats) {
  return formats.map((f) => element('option', { value: f.letter, textContent: `${f.name} (${f.extension})` }));
}

// What is worth knowing about a bank's file, as the engine's notes say it
// (`warning`: about a file about to be written, which would not read back
// as written).
export function notesBox(name, notes, title = 'Worth knowing', warning = false) {
  return element('div', { className: warning ? 'notes warning' : 'notes', attrs: { role: 'note', 'aria-label': warning ? title : `Worth knowing about ${name}` } },
    element('p', { className: 'notes-title', textContent: title }),
    element('ul', {}, ...notes.map((n) => element('li', { textContent: n.text, dataset: { code: n.code } }))));
}

export function button(text, onClick, { label, className = 'quiet', ...props } = {}) {
  const node = element('button', { type: 'button', className, textContent: text, ...props });
  if (label) node.setAttribute('aria-label', label);
  node.addEventListener('click', onClick);
  return node;
}

// 65536 as "65,536". (Not toLocaleString: its first call loads locale data,
// which costs more than reading a bank.)
export function count(n) {
  return String(n).replace(/\B(?=(\d{3})+(?!\d))/g, ',');
}

// The name, or with a number before its extension when it is `taken`:
// "New bank (2)" and the extension, beside "New bank" and the extension.
export function numbered(wanted, taken) {
  const dot = wanted.lastIndexOf('.') > 0 ? wanted.lastIndexOf('.') : wanted.length;
  const [stem, extension] = [wanted.slice(0, dot), wanted.slice(dot)];
  let name = wanted;
  for (let n = 2; taken(name); n++) name = `${stem} (${n})${extension}`;
  return name;
}

export function plural(n, word) {
  return `${count(n)} ${word}${n === 1 ? '' : 's'}`;
}

// Offers bytes (or a Blob) as a download under the name.
export function download(bytes, name, type = 'application/octet-stream') {
  const url = URL.createObjectURL(bytes instanceof Blob ? bytes : new Blob([bytes], { type }));
  const link = element('a', { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// Draws a part of the page again without losing the keyboard: when the
// element that had the focus inside `container` is gone, the focus goes to
// the new element with the same data-key, and text being typed there goes
// with it.
export function keepingFocus(container, draw) {
  const had = document.activeElement;
  const key = had && container.contains(had) ? had.dataset.key : undefined;
  draw();
  if (key === undefined || (had.isConnected && container.contains(had))) return;
  const again = container.querySelector(`[data-key="${CSS.escape(key)}"]`);
  if (!again) return;
  if (['INPUT', 'TEXTAREA'].includes(had.tagName) && again.tagName === had.tagName && again.type === had.type && again.value !== had.value) {
    again.value = had.value;
    again.setSelectionRange(had.selectionStart, had.selectionEnd);
  }
  again.focus();
}

// Puts `nodes` into `container` in place of what it holds, unless they are
// what it holds already (the same markup): what has not changed stays as it
// is, with the keyboard and any text in it.
const drawnMarkup = new WeakMap();
export function redraw(container, nodes) {
  const list = nodes.filter((n) => n !== null && n !== undefined && n !== false && n !== '');
  const markup = list.map((n) => (typeof n === 'string' ? n : n.outerHTML)).join('\n');
  if (drawnMarkup.get(container) === markup) return;
  drawnMarkup.set(container, markup);
  keepingFocus(container, () => container.replaceChildren(...list));
}

// The bytes of a File, or null when the browser could not read it.
export async function fileBytes(file) {
  try {
    return new Uint8Array(await file.arrayBuffer());
  } catch {
    return null;
  }
}

// Calls `draw` once things have been quiet for a moment, however often it
// is asked for until then: for what follows other banks (the same-sound
// marks), while a hundred of them are being read.
export function whenSettled(draw, ms = 250) {
  let timer = 0;
  return () => {
    clearTimeout(timer);
    timer = setTimeout(draw, ms);
  };
}

// Calls `draw` once before the next frame however often it is asked for in
// the meantime (a timer stands in where frames are not drawn).
export function coalesced(draw) {
  let pending = false;
  const run = () => {
    if (!pending) return;
    pending = false;
    draw();
  };
  return () => {
    if (pending) return;
    pending = true;
    requestAnimationFrame(run);
    setTimeout(run, 100);
  };
}
