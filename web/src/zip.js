// ZIP archives: files put into one on the page's thread a part at a time, so
// that a large file never holds the page up for long; the members of one
// given to the page read back, whole or not.
import { Zip, ZipDeflate, ZipPassThrough, inflateSync } from 'fflate';

// About this much is deflated between two turns of the page's thread.
const PART = 1 << 19;

// `files`: [{ name, bytes }]; `stored`: kept as they are, not compressed
// (quicker by far). Answers the archive as a Blob.
export async function zipFiles(files, { stored = false } = {}) {
  const parts = [];
  let failed = null;
  const archive = new Zip((error, data) => {
    if (error) failed = error;
    else parts.push(data);
  });
  // A turn of the page's thread: what waits runs, then the work goes on (by
  // a message, which the browser does not hold back as it does a timer).
  const { port1, port2 } = new MessageChannel();
  const pause = () => new Promise((resolve) => {
    port1.onmessage = resolve;
    port2.postMessage(0);
  });
  let since = 0; // bytes handled since the last turn
  for (const { name, bytes } of files) {
    const entry = stored ? new ZipPassThrough(name) : new ZipDeflate(name, { level: 6 });
    archive.add(entry);
    for (let at = 0; at < bytes.length || at === 0; at += PART) {
      const part = bytes.subarray(at, at + PART);
      entry.push(part, at + PART >= bytes.length);
      since += stored ? part.length / 8 : part.length; // storing costs a checksum alone
      if (since >= PART) {
        since = 0;
        await pause();
      }
    }
  }
  archive.end();
  port1.close();
  if (failed) throw failed;
  return new Blob(parts, { type: 'application/zip' });
}

// ---- Reading -------------------------------------------------------------------

// Whether the bytes begin as a ZIP archive does (its first local header).
export const isZip = (bytes) => bytes.length >= 4 && bytes[0] === 0x50 && bytes[1] === 0x4b && bytes[2] === 3 && bytes[3] === 4;

export class ZipRefused extends Error {}

// The ZIP checksum (CRC-32), eight bytes a step: eight tables of 256, each
// the one before moved on by a byte (a saved collection is a hundred MB).
const CRC = new Int32Array(8 * 256);
for (let n = 0; n < 256; n++) {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  CRC[n] = c;
}
for (let i = 256; i < CRC.length; i++) CRC[i] = (CRC[i - 256] >>> 8) ^ CRC[CRC[i - 256] & 0xff];
function crc32(b) {
  let c = -1;
  let i = 0;
  for (; i + 8 <= b.length; i += 8) {
    c ^= b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (b[i + 3] << 24);
    c = CRC[1792 + (c & 0xff)] ^ CRC[1536 + ((c >>> 8) & 0xff)] ^ CRC[1280 + ((c >>> 16) & 0xff)] ^ CRC[1024 + (c >>> 24)]
      ^ CRC[768 + b[i + 4]] ^ CRC[512 + b[i + 5]] ^ CRC[256 + b[i + 6]] ^ CRC[b[i + 7]];
  }
  for (; i < b.length; i++) c = CRC[(c ^ b[i]) & 0xff] ^ (c >>> 8);
  return (c ^ -1) >>> 0;
}

// The members of a ZIP archive: { files: Map of path to bytes, damaged:
// [path], cut }. The central directory at the archive's end lists them;
// an archive without one (cut short) is walked from its first local header
// on, as far as its members are whole (`cut`). A member whose bytes do not
// unpack to its size and checksum, or that is encrypted, is damaged; folders
// and the Finder's "__MACOSX/" copies are passed over. `most`: the most
// members, `limit`: the most bytes they unpack to, each and all together;
// more is refused (ZipRefused) before anything is unpacked.
export function readZip(bytes, { most, limit }) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const u16 = (at) => (at >= 0 && at + 2 <= bytes.length ? view.getUint16(at, true) : -1);
  const u32 = (at) => (at >= 0 && at + 4 <= bytes.length ? view.getUint32(at, true) : -1);
  const text = (at, length, utf8) => new TextDecoder(utf8 ? 'utf-8' : 'latin1').decode(bytes.subarray(at, at + length));
  // Where a member's data begin, from its local header, or -1.
  const dataAt = (local) => (u32(local) === 0x04034b50 ? local + 30 + u16(local + 26) + u16(local + 28) : -1);

  function central() {
    let end = bytes.length - 22;
    while (end >= 0 && bytes.length - end <= 22 + 0xffff && u32(end) !== 0x06054b50) end--;
    if (end < 0 || bytes.length - end > 22 + 0xffff) return null;
    const entries = [];
    for (let n = u16(end + 10), at = u32(end + 16); n > 0; n--) {
      if (u32(at) !== 0x02014b50) return null;
      const flags = u16(at + 8);
      const nameLength = u16(at + 28);
      entries.push({ name: text(at + 46, nameLength, flags & 0x800), flags, method: u16(at + 10), crc: u32(at + 16),
        packed: u32(at + 20), size: u32(at + 24), data: dataAt(u32(at + 42)) });
      at += 46 + nameLength + u16(at + 30) + u16(at + 32);
    }
    return entries;
  }

  function walk() {
    const entries = [];
    for (let at = 0; u32(at) === 0x04034b50;) {
      const flags = u16(at + 6);
      const entry = { name: text(at + 30, u16(at + 26), flags & 0x800), flags, method: u16(at + 8), crc: u32(at + 14),
        packed: u32(at + 18), size: u32(at + 22), data: dataAt(at) };
      if (flags & 8) {
        // The sizes follow the data, in a descriptor whose packed size is
        // the distance from the data.
        let d = entry.data;
        for (; d + 16 <= bytes.length; d++) if (u32(d) === 0x08074b50 && u32(d + 8) === d - entry.data) break;
        if (d + 16 > bytes.length) return { entries, lost: entry.name };
        Object.assign(entry, { crc: u32(d + 4), packed: u32(d + 8), size: u32(d + 12) });
        at = d + 16;
      } else {
        at = entry.data + entry.packed;
      }
      if (entry.data + entry.packed > bytes.length) return { entries, lost: entry.name };
      entries.push(entry);
    }
    return { entries, lost: null };
  }

  const listed = central();
  const walked = listed ? null : walk();
  const entries = (listed || walked.entries).filter((e) => !e.name.endsWith('/') && !e.name.startsWith('__MACOSX/'));
  if (entries.length > most) throw new ZipRefused(`it holds more than ${most.toLocaleString('en')} files`);
  let total = 0;
  for (const { size } of entries) {
    total += size;
    if (size > limit || total > limit) throw new ZipRefused('it unpacks to more than the page reads');
  }
  const files = new Map();
  const damaged = walked && walked.lost ? [walked.lost] : [];
  for (const e of entries) {
    let unpacked = null;
    if (!(e.flags & 1) && e.data >= 0 && e.data + e.packed <= bytes.length) {
      const packed = bytes.subarray(e.data, e.data + e.packed);
      try {
        if (e.method === 0 && e.packed === e.size) unpacked = packed.slice();
        else if (e.method === 8) unpacked = inflateSync(packed, { out: new Uint8Array(e.size) });
      } catch {
        unpacked = null;
      }
    }
    if (unpacked && unpacked.length === e.size && crc32(unpacked) === e.crc) files.set(e.name, unpacked);
    else damaged.push(e.name);
  }
  return { files, damaged, cut: Boolean(walked) };
}
