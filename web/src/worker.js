
// ---- The page's worker ------------------------------------------------------
// Runs the engine above off the page's thread, so that a large or difficult
// file never blocks the page. Requests are answered in the order they come:
//   { id, name, bytes, describe: { model } | null, runs: [args, ...] }
//   -> { id, summary, results: [{ exitCode, stdout, files }, ...] }
//   or { id, error } when the engine itself failed; a new engine then serves
//   the next request.
let vornakEngine = null;

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
}

async function vornakEngineReady() {
  if (!vornakEngine) {
    vornakEngine = await createVornak();
    vornakWarmUp(vornakEngine);
  }
  return vornakEngine;
}

self.onmessage = async ({ data: { id, name, bytes, describe, runs } }) => {
  try {
    const engine = await vornakEngineReady();
    const summary = describe ? engine.describe(name, bytes, describe) : null;
    const results = [];
    for (const args of runs) {
      if (summary && summary.exitCode !== 0) break;
      const { exitCode, stdout, files } = engine.run(args, { [name]: bytes });
      results.push({ exitCode, stdout, files });
    }
    const transfer = results.flatMap((r) => Object.values(r.files).map((f) => f.buffer));
    self.postMessage({ id, summary, results }, transfer);
  } catch (error) {
    vornakEngine = null;
    self.postMessage({ id, error: String((error && error.message) || error) });
  }
};

vornakEngineReady().then(
  () => self.postMessage({ ready: true }),
  (error) => self.postMessage({ ready: false, error: String(error) }),
);
