// Files in one ZIP archive, made on the page's thread a part at a time, so
// that a large file never holds the page up for long.
import { Zip, ZipDeflate, ZipPassThrough } from 'fflate';

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
