
// ---- The page's worker ------------------------------------------------------
// Runs the engine above off the page's thread, so that a large or difficult
// file never blocks the page. Requests are answered in the order they come:
//   { id, method, args } -> { id, answer }
// where `method` is one of the engine's functions (describe, run, compose,
// formats) called with `args`, or "zip" (name to bytes -> the archive's
// bytes); { id, error } when the engine itself failed, and a new engine then
// serves the next request. The ZIP writer (fflate) is loaded before this
// script.

// Fresh WebAssembly code runs several times slower the first few times; a
// few runs on a blank memory image before the page hears that the engine is
// ready make the user's first file as quick as the next.
function vornakWarmUp(engine) {
  const files = { 'warm-up.bin': new Uint8Array(5120) };
  for (let i = 0; i < 4; i++) {
    engine.describe('warm-up.bin', files['warm-up.bin'], { parameters: false });
    engine.run(['warm-up.bin'], files);
    engine.run(['/Wwarm-up.crv', 'warm-up.bin'], files);
  }
  return engine;
}

// One engine, made once: requests that come while it is being made wait for
// the same one.
let vornakEngine = null;
function vornakEngineReady() {
  vornakEngine ??= createVornak().then(vornakWarmUp);
  return vornakEngine;
}

// The buffers of the bytes in an answer, handed over instead of copied.
function vornakTransfers(answer, into = new Set()) {
  if (answer instanceof Uint8Array) into.add(answer.buffer);
  else if (answer && typeof answer === 'object') Object.values(answer).forEach((v) => vornakTransfers(v, into));
  return [...into];
}

const vornakMethods = new Set(['describe', 'run', 'compose', 'formats']);

self.onmessage = async ({ data }) => {
  const { id, method, args } = data;
  try {
    let answer;
    if (method === 'zip') {
      answer = self.fflate.zipSync(args[0]);
    } else if (vornakMethods.has(method)) {
      answer = (await vornakEngineReady())[method](...args);
    } else {
      throw new Error(`no such request: ${method}`);
    }
    self.postMessage({ id, answer }, vornakTransfers(answer));
  } catch (error) {
    vornakEngine = null;
    self.postMessage({ id, error: String((error && error.message) || error) });
  }
};

vornakEngineReady().then(
  () => self.postMessage({ ready: true }),
  (error) => {
    vornakEngine = null;
    self.postMessage({ ready: false, error: String(error) });
  },
);
