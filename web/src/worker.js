
// ---- The page's worker ------------------------------------------------------
// Runs the engine above off the page's thread, so that a large or difficult
// file never blocks the page. Requests are answered in the order they come:
//   { id, name, bytes, describe: { model } | null, runs: [args, ...] }
//   -> { id, summary, results: [{ exitCode, stdout, files }, ...] }
//   or { id, error } when the engine itself failed; a new engine then serves
//   the next request.
let vornakEngine = null;

async function vornakEngineReady() {
  vornakEngine ??= await createVornak();
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
