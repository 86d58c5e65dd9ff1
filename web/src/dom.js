// Small helpers for building the page's elements and its words.

export function element(tag, props = {}, ...children) {
  const { attrs, dataset, ...rest } = props;
  const node = Object.assign(document.createElement(tag), rest);
  for (const [name, value] of Object.entries(attrs || {})) node.setAttribute(name, value);
  Object.assign(node.dataset, dataset);
  node.append(...children.filter((c) => c !== null && c !== undefined && c !== false));
  return node;
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

// `stem` + `extension`, or with a number when that is `taken`:
// "New bank (2).syx".
export function numbered(stem, extension, taken) {
  let name = stem + extension;
  for (let n = 2; taken(name); n++) name = `${stem} (${n})${extension}`;
  return name;
}

export function plural(n, word) {
  return `${count(n)} ${word}${n === 1 ? '' : 's'}`;
}

const status = () => document.getElementById('status');

// The page's one status line, which screen readers announce.
export function say(text) {
  status().textContent = text;
}

// Offers bytes as a download under the name.
export function download(bytes, name, type = 'application/octet-stream') {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = element('a', { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}
