
// ---- The page's worker ------------------------------------------------------
// Runs the engine above off the page's thread, so that a large or difficult
// file never blocks the page. Requests are answered in the order they come:
//   { id, name, bytes, describe: { model } | null, runs: [args, ...] }
//   -> { id, summary, results: [{ exitCode, stdout, files }, ...] }
//   { id, zip: { name: bytes, ... } } -> { id, zip: bytes of the archive }
// or { id, error } when the engine itself failed; a new engine then serves
// the next request. The ZIP writer (fflate) is loaded before this script.

// Fresh WebAssembly code runs several times slower the first few times; a
// few runs on a blank memory image before the page hears that the engine is
// ready make the user's first file as quick as the next.
function vornakWarmUp(engine) {
  const files = { 'warm-up.bin': new Uint8Array(5120) };
  for (let i = 0; i < 4; i++) {
    engine.describe('warm-up.bin', files['warm-up.bin']);
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

function vornakServe(engine, { name, bytes, describe, runs }) {
  const summary = describe ? engine.describe(name, bytes, describe) : null;
  const results = [];
  for (const args of runs) {
    if (summary && summary.exitCode !== 0) break;
    const { exitCode, stdout, files } = engine.run(args, { [name]: bytes });
    results.push({ exitCode, stdout, files });
  }
  return { summary, results };
}

self.onmessage = async ({ data }) => {
  try {
    if (data.zip) {
      const zip = self.fflate.zipSync(data.zip);
      self.postMessage({ id: data.id, zip }, [zip.buffer]);
      return;
    }
    const reply = vornakServe(await vornakEngineReady(), data);
    const transfer = reply.results.flatMap((r) => Object.values(r.files).map((f) => f.buffer));
    self.postMessage({ id: data.id, ...reply }, transfer);
  } catch (error) {
    vornakEngine = null;
    self.postMessage({ id: data.id, error: String((error && error.message) || error) });
  }
};

vornakEngineReady().then(
  () => self.postMessage({ ready: true }),
  (error) => {
    vornakEngine = null;
    self.postMessage({ ready: false, error: String(error) });
  },
);
