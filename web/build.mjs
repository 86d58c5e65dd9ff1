// Builds the web edition from the WebAssembly engine:
//   web/vornak.mjs   the engine as an ES module, for pages and node programs
//   web/vornak.html  the page, with the engine, its worker, the ZIP writer and
//                    everything else inside, so that one file works offline
//                    and from a file:// path
// Usage: node web/build.mjs [--check] <vornak-engine.js from the emscripten build>
// With --check nothing is written: the build fails when the files in web/
// differ from what the sources make now.
import { createHash } from 'node:crypto';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';

const here = new URL('.', import.meta.url);
const read = (path) => readFileSync(new URL(path, here), 'utf8');
const check = process.argv[2] === '--check';
const enginePath = process.argv[check ? 3 : 2];
if (!enginePath) {
  console.error('usage: node web/build.mjs [--check] <vornak-engine.js>');
  process.exit(2);
}
const engine = readFileSync(enginePath, 'utf8');
const version = 'V' + /project\(vornak VERSION ([\d.]+)/.exec(read('../CMakeLists.txt'))[1];

// The worker is a classic script (browsers do not start module workers from
// a page opened as a file): the engine's classic part, the ZIP writer from
// its npm package's UMD build (which sets self.fflate), and the message loop.
const begin = engine.indexOf('/* engine-begin');
const end = engine.indexOf('/* engine-end */');
if (begin < 0 || end < begin) throw new Error(`${enginePath}: engine markers not found`);
const fflate = read('../node_modules/fflate/umd/index.js');
const worker = [engine.slice(engine.indexOf('\n', begin) + 1, end), fflate, read('src/worker.js')].join('\n');

const dataUrl = (source) => `data:text/javascript;base64,${Buffer.from(source).toString('base64')}`;
const importmap = JSON.stringify({
  imports: {
    './engine-client.js': dataUrl(read('src/engine-client.js')),
    './explain.js': dataUrl(read('src/explain.js')),
    './midi.js': dataUrl(read('src/midi.js')),
  },
});
const app = read('src/app.js');
const style = read('src/style.css');
for (const [name, text] of Object.entries({ worker, app, style })) {
  if (/<\/(script|style)/i.test(text)) throw new Error(`${name} holds a closing tag and cannot be inlined`);
}

// Only the page's own inline script, import map and style may run or apply,
// nothing is fetched, and no connection can be made.
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
const csp = [
  "default-src 'none'",
  `script-src ${hash(importmap)} ${hash(app)} data: 'wasm-unsafe-eval'`,
  'worker-src blob:',
  `style-src ${hash(style)}`,
  'img-src data: blob:',
  "connect-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join('; ');

const fill = { csp, style, importmap, worker, app, version };
const page = read('src/page.html').replace(/\{\{(\w+)\}\}/g, (_, key) => {
  if (!(key in fill)) throw new Error(`page.html: unknown placeholder ${key}`);
  return fill[key];
});

const outputs = { 'vornak.mjs': engine, 'vornak.html': page };
for (const [name, text] of Object.entries(outputs)) {
  const path = new URL(name, here);
  if (!check) {
    writeFileSync(path, text);
    console.log(`web/${name}: ${Buffer.byteLength(text)} bytes`);
  } else if (!existsSync(path) || readFileSync(path, 'utf8') !== text) {
    console.error(`web/${name} is not what the sources make: run scripts/build-web and commit the result`);
    process.exitCode = 1;
  }
}
