// The text rule. The tool prints bytes, and names in banks may hold any
// byte. Each byte is one character by one fixed table, the WHATWG
// windows-1252 decoding: bytes below 0x80 and from 0xA0 up are the
// characters of the same number, 0x80 to 0x9F the windows-1252 characters
// (or, where it has none, the control character of the same number). The
// 256 characters all differ, so the text gives back its bytes.
import { bytesOf } from './bytes.js';
import { marked, refuse, show } from './errors.js';

const from80 = [
  0x20ac, 0x81, 0x201a, 0x192, 0x201e, 0x2026, 0x2020, 0x2021, 0x2c6, 0x2030, 0x160, 0x2039, 0x152, 0x8d, 0x17d, 0x8f,
  0x90, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x2dc, 0x2122, 0x161, 0x203a, 0x153, 0x9d, 0x17e, 0x178,
];

// The table and its reverse, made at the first use.
let characters = null;
let byteOfCharacter = null;
function tables() {
  if (!characters) {
    characters = Uint16Array.from({ length: 256 }, (_, b) => (b >= 0x80 && b < 0xa0 ? from80[b - 0x80] : b));
    byteOfCharacter = new Map([...characters].map((code, byte) => [code, byte]));
  }
  return characters;
}

// Whether this JavaScript engine holds a string of n characters: asked of
// a rope of that length (strings joined without copying their characters).
function textFits(n) {
  try {
    for (let text = '', piece = 'x'; n > 0; n = Math.floor(n / 2)) {
      if (n % 2) text += piece;
      if (n > 1) piece += piece;
    }
    return true;
  } catch (error) {
    if (error instanceof RangeError) return false;
    throw error;
  }
}

export function bytesToText(bytes) {
  const view = bytesOf('bytes', bytes);
  if (view.length > 1 << 24 && !textFits(view.length)) {
    throw marked(new RangeError(`vornak: ${view.length} bytes make more text than a string may hold here`), 'too-large');
  }
  const table = tables();
  let text = '';
  const chunk = new Uint16Array(8192);
  for (let at = 0; at < view.length; at += chunk.length) {
    const part = view.subarray(at, at + chunk.length);
    for (let i = 0; i < part.length; i++) chunk[i] = table[part[i]];
    text += String.fromCharCode.apply(null, chunk.subarray(0, part.length));
  }
  return text;
}

export function textToBytes(text) {
  if (typeof text !== 'string') refuse(`text must be a string, not ${show(text)}`);
  tables();
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) {
    const byte = byteOfCharacter.get(text.charCodeAt(i));
    if (byte === undefined) {
      const code = text.charCodeAt(i).toString(16).toUpperCase().padStart(4, '0');
      throw marked(new RangeError(`vornak: the character U+${code} at ${i} stands for no byte`), 'bad-option');
    }
    bytes[i] = byte;
  }
  return bytes;
}
