
// ---- The engine's interface -------------------------------------------------

// Text the tool prints is bytes; names in banks may hold any byte. It is
// decoded as UTF-8 when it is valid UTF-8, else byte for byte (ISO 8859-1),
// so that no byte is lost or merged with another.
function vornakDecodeText(bytes) {
  try {
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    }
    return text;
  }
}

// Collects standard output byte by byte, as the engine writes it.
class VornakByteSink {
  constructor() {
    this.bytes = new Uint8Array(1 << 16);
    this.length = 0;
  }
  push(byte) {
    if (this.length === this.bytes.length) {
      const larger = new Uint8Array(this.bytes.length * 2);
      larger.set(this.bytes);
      this.bytes = larger;
    }
    this.bytes[this.length++] = byte;
  }
  take() {
    const taken = this.bytes.slice(0, this.length);
    this.length = 0;
    return taken;
  }
}

/**
 * Creates an engine. Each call of `run` is one run of the vornak tool:
 *
 *   const vornak = await createVornak();
 *   const { exitCode, stdout, files } =
 *       vornak.run(['/Sout.syx', 'bank.fxb'], { 'bank.fxb': bytes });
 *
 * `args` is the command line without the program name; `files` maps the input
 * file names to their bytes (Uint8Array). Every run starts in an empty folder
 * of the engine's own memory file system, with the bank in its start-up state,
 * exactly as a new process of the tool; nothing outside the engine is read or
 * written. The result holds the exit code, the text the tool printed (and its
 * bytes, `stdoutBytes`), and every file the run wrote, by the name it was
 * given (name to Uint8Array).
 *
 * `describe(name, bytes, { model })` loads one file as the tool would and
 * answers what it holds: { exitCode, message, format, model, bankName,
 * programs, combis, combisInUse, names }. `model` is the /2.x hint (2 or 3).
 *
 * Bad input never throws: it gives the tool's message and exit code. Only a
 * failure of the engine itself throws; the engine is then unusable and a new
 * one can be created.
 */
async function createVornak() {
  const sink = new VornakByteSink();
  const module = await createVornakModule({
    stdout: (byte) => { if (byte !== null) sink.push(byte); },
    stderr: () => {},
  });
  const FS = module.FS;
  const encoder = new TextEncoder();
  let runs = 0;
  let stopped = null;

  // The files a run writes: every file opened for writing, and every name a
  // file was renamed to (exports go through a temporary file), by absolute
  // path.
  const written = new Set();
  const open = FS.open;
  FS.open = (path, flags, ...rest) => {
    const stream = open(path, flags, ...rest);
    if (typeof flags === 'number' && (flags & 3) !== 0) written.add(FS.getPath(stream.node)); // O_WRONLY or O_RDWR
    return stream;
  };
  const rename = FS.rename;
  FS.rename = (from, to) => {
    rename(from, to);
    written.add(FS.getPath(FS.lookupPath(to).node));
  };

  // The memory file system keeps a folder's entries in a plain object, where
  // names such as "__proto__" or "hasOwnProperty" are not just names. Folders
  // get objects without a prototype instead, and their listing no longer
  // asks the object for its own methods.
  const MEMFS = FS.filesystems.MEMFS;
  const folderOps = MEMFS.ops_table.dir.node;
  const withoutPrototype = (node) => {
    if (node.node_ops === folderOps) node.contents = Object.assign(Object.create(null), node.contents);
    return node;
  };
  const createNode = MEMFS.createNode;
  MEMFS.createNode = (...args) => withoutPrototype(createNode(...args));
  folderOps.readdir = (node) => ['.', '..', ...Object.keys(node.contents)];
  (function convert(node) {
    withoutPrototype(node);
    if (node.node_ops === folderOps) Object.values(node.contents).forEach(convert);
  })(FS.lookupPath('/').node);

  // Every file and folder below the root, but for the devices and the
  // process's own view.
  function snapshot(dir = '/', into = new Set()) {
    for (const entry of FS.readdir(dir)) {
      if (entry === '.' || entry === '..') continue;
      const path = dir === '/' ? '/' + entry : dir + '/' + entry;
      if (path === '/dev' || path === '/proc') continue;
      into.add(path);
      if (FS.isDir(FS.lstat(path).mode)) snapshot(path, into);
    }
    return into;
  }

  // What the file system holds between runs; every run leaves it so.
  const baseline = snapshot();

  function removeTree(path) {
    if (FS.isDir(FS.lstat(path).mode)) {
      for (const entry of FS.readdir(path)) {
        if (entry !== '.' && entry !== '..') removeTree(path + '/' + entry);
      }
      FS.rmdir(path);
    } else {
      FS.unlink(path);
    }
  }

  // Input names are relative paths below the run's folder.
  function checkedName(name) {
    const parts = String(name).split('/');
    if (name === '' || parts.some((p) => p === '' || p === '.' || p === '..') || name.includes('\0')) {
      throw new TypeError(`vornak: not a plain relative file name: ${JSON.stringify(name)}`);
    }
    return parts;
  }

  // Bytes as given: a Uint8Array, an ArrayBuffer, or any view of one.
  function bytesOf(name, value) {
    if (value instanceof Uint8Array) return value;
    if (value instanceof ArrayBuffer) return new Uint8Array(value);
    if (ArrayBuffer.isView(value)) return new Uint8Array(value.buffer, value.byteOffset, value.byteLength);
    throw new TypeError(`vornak: the bytes of ${JSON.stringify(name)} must be a Uint8Array or an ArrayBuffer`);
  }

  // Runs `work` in a fresh folder that holds the files; answers its result
  // with the files the run wrote, then puts the file system back as it was.
  // Anything unexpected on the way leaves the engine stopped, never half set.
  function inFolder(files, work) {
    if (stopped) throw stopped;
    const inputs = Object.entries(files).map(([name, value]) => [checkedName(name), bytesOf(name, value)]);
    try {
      const dir = `/run${++runs}`;
      FS.mkdir(dir);
      for (const [parts, bytes] of inputs) {
        let path = dir;
        for (const part of parts.slice(0, -1)) {
          path += '/' + part;
          if (!FS.analyzePath(path).exists) FS.mkdir(path);
        }
        FS.writeFile(`${path}/${parts[parts.length - 1]}`, bytes);
      }
      written.clear();
      FS.chdir(dir);
      sink.take();
      const result = work();
      const stdoutBytes = sink.take();
      const outputs = {};
      for (const path of written) {
        const found = FS.analyzePath(path);
        if (!found.exists || !FS.isFile(found.object.mode)) continue; // a temporary file, renamed or removed
        const name = path.startsWith(dir + '/') ? path.slice(dir.length + 1) : path;
        Object.defineProperty(outputs, name, { value: FS.readFile(path), enumerable: true, writable: true, configurable: true });
      }
      FS.chdir('/');
      // Deepest first, so that folders are empty when they are removed.
      for (const path of [...snapshot()].filter((p) => !baseline.has(p)).reverse()) {
        if (FS.analyzePath(path).exists) removeTree(path);
      }
      return { ...result, stdout: vornakDecodeText(stdoutBytes), stdoutBytes, files: outputs };
    } catch (error) {
      stopped = new Error(`vornak: the engine stopped: ${error && error.message ? error.message : error}`);
      throw stopped;
    }
  }

  // Copies strings into the engine's memory, NUL-terminated, with an array of
  // pointers to them in front (argv); answers the block, to be freed.
  function allocStrings(strings) {
    const encoded = strings.map((s) => encoder.encode(String(s) + '\0'));
    const total = encoded.reduce((n, e) => n + e.length, 4 * encoded.length);
    const block = module._malloc(total);
    const heap = module.HEAPU8;
    const words = module.HEAPU32;
    let at = block + 4 * encoded.length;
    encoded.forEach((e, i) => {
      words[(block >> 2) + i] = at;
      heap.set(e, at);
      at += e.length;
    });
    return block;
  }

  function run(args, files = {}) {
    if (!Array.isArray(args)) throw new TypeError('vornak: args must be an array of strings');
    return inFolder(files, () => {
      const argv = ['vornak', ...args];
      const block = allocStrings(argv);
      try {
        return { exitCode: module._vornak_run(argv.length, block) };
      } finally {
        module._free(block);
      }
    });
  }

  // Copies whole numbers into the engine's memory (an int array); answers
  // the block, to be freed.
  function allocInts(numbers) {
    const block = module._malloc(4 * Math.max(numbers.length, 1));
    module.HEAP32.set(numbers, block >> 2);
    return block;
  }

  function answerAt(at) {
    const heap = module.HEAPU8;
    return JSON.parse(vornakDecodeText(heap.slice(at, heap.indexOf(0, at))));
  }

  function describe(name, bytes, { model, first = 0, last = 255, group = 'A', parameters = true, conversions = true } = {}) {
    const hint = model === 2 || model === '2.2' ? 2 : model === 3 || model === '2.3' ? 3 : -1;
    const only = Array.isArray(parameters) ? parameters : [];
    const result = inFolder({ [name]: bytes }, () => {
      const block = allocStrings([name]);
      const numbers = allocInts(only);
      try {
        const count = parameters === true ? -1 : only.length;
        return answerAt(module._vornak_describe(module.HEAPU32[block >> 2], hint, numbers, count, conversions ? 1 : 0,
          first, last, group === 'B' ? 1 : 0));
      } finally {
        module._free(numbers);
        module._free(block);
      }
    });
    const { stdout, stdoutBytes, files, ...summary } = result;
    return summary;
  }

  function formats() {
    return answerAt(module._vornak_formats());
  }

  function compose({ banks, programs, format, model, group = 'A', bankName } = {}) {
    const names = Object.keys(banks);
    const encodedName = (text) => text;
    const result = inFolder(banks, () => {
      const pointers = [];
      const strings = (list) => {
        const block = allocStrings(list.map((s) => (s === null ? '' : s)));
        list.forEach((s, i) => { if (s === null) module.HEAPU32[(block >> 2) + i] = 0; });
        pointers.push(block);
        return block;
      };
      try {
        const hint = model === 2 || model === '2.2' ? 2 : model === 3 || model === '2.3' ? 3 : -1;
        const slotBanks = strings(programs.map((p) => (p ? p.bank : null)));
        const slotNames = strings(programs.map((p) => (p && p.name != null ? encodedName(p.name) : null)));
        const numbers = allocInts(programs.map((p) => (p ? p.program : 0)));
        pointers.push(numbers);
        const bankName_ = bankName == null ? 0 : strings([bankName]);
        const answer = answerAt(module._vornak_compose(names.length, strings(names), programs.length, slotBanks, numbers,
          slotNames, (format || 'S').charCodeAt(0), hint, group === 'B' ? 1 : 0, bankName_ ? module.HEAPU32[bankName_ >> 2] : 0));
        const bytes = answer.exitCode === 0 ? module.HEAPU8.slice(module._vornak_bytes(), module._vornak_bytes() + answer.size) : null;
        return { exitCode: answer.exitCode, message: answer.message, bytes, report: answer.report };
      } finally {
        pointers.forEach((p) => module._free(p));
      }
    });
    const { stdout, stdoutBytes, files, ...answer } = result;
    return answer;
  }

  return { run, describe, formats, compose };
}
/* engine-end */
export { createVornak };
export default createVornak;
