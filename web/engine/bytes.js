// Bytes as the engine takes, answers and sends them.
import { refuse, show } from './errors.js';

// Bytes of an input above the engine's limit that a worker's caller kept
// (client.js): only their number crosses, and the engine answers them by it.
export class Withheld {
  constructor(length) {
    this.length = length;
  }
}

// Bytes as given: a Uint8Array, an ArrayBuffer, or any view of one.
export function bytesOf(what, value) {
  if (value instanceof Uint8Array || value instanceof Withheld) return value;
  if (value instanceof ArrayBuffer) return new Uint8Array(value);
  if (ArrayBuffer.isView(value)) return new Uint8Array(value.buffer, value.byteOffset, value.byteLength);
  return refuse(`${what} must be a Uint8Array, an ArrayBuffer or a view of one, not ${show(value)}`);
}

// Files as answers hold them: names to bytes in an object without a
// prototype, so that no name ("constructor", "__proto__") finds anything
// but a file.
export function fileMap(entries) {
  const files = Object.create(null);
  for (const [name, bytes] of entries) {
    Object.defineProperty(files, name, { value: bytes, enumerable: true, writable: true, configurable: true });
  }
  return files;
}

// The places of the input bytes in a request as it goes to a worker (its
// `bytes`, the values of its `files`, the banks of its compose `request`),
// each replaced by what `change` makes of it.
export function withInputs(message, change) {
  if (message.bytes) message.bytes = change(message.bytes);
  for (const files of [message.files, message.request?.banks]) {
    if (files instanceof Map) for (const [name, bytes] of files) files.set(name, change(bytes));
  }
  return message;
}

// The buffers of the bytes in an answer, once each, to be handed over to
// another thread.
export function buffersOf(value, into = new Set()) {
  if (ArrayBuffer.isView(value)) {
    if (value.buffer instanceof ArrayBuffer) into.add(value.buffer);
  } else if (value instanceof Map) {
    for (const v of value.values()) buffersOf(v, into);
  } else if (value !== null && typeof value === 'object') {
    for (const key of Object.keys(value)) buffersOf(value[key], into);
  }
  return [...into];
}
