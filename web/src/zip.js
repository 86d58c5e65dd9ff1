// Files in one ZIP archive, made on the page's thread a part at a time, so
// that a large file never holds the page up for long.
import { Zip, ZipDeflate } from 'fflate';

// About this much is deflated between two turns of the page's thread.
const PART = 1 << 19;
const pause = () => new Promise((resolve) => setTimeout(resolve, 0));

// `files`: [{ name, bytes }]. Answers the archive's bytes.
export async function zipFiles(files) {
  const parts = [];
  let failed = null;
  const archive = new Zip((error, data) => {
    if (error) failed = error;
    else parts.push(data);
  });
  for (const { name, bytes } of files) {
    const entry = new ZipDeflate(name, { level: 6 });
    archive.add(entry);
    for (let at = 0; at < bytes.length || at === 0; at += PART) {
      entry.push(bytes.subarray(at, at + PART), at + PART >= bytes.length);
      await pause();
    }
  }
  archive.end();
  if (failed) throw failed;
  const zip = new Uint8Array(parts.reduce((n, p) => n + p.length, 0));
  let at = 0;
  for (const part of parts) {
    zip.set(part, at);
    at += part.length;
  }
  return zip;
}
