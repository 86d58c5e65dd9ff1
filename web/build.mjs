// Builds the web edition from the WebAssembly engine:
//   web/vornak.mjs   the engine as an ES module, for pages and node programs
//                    (web/vornak-node.mjs adds node's worker threads to it;
//                    web/vornak-worker*.mjs are its workers as files)
//   web/vornak-client.mjs  the client of an engine in a worker, for pages
//                    that run the engine only there: no engine inside
//   web/vornak-version.mjs  the version alone, a module that costs a bundle
//                    nothing
//   web/vornak.html  the page, its modules bundled with the engine module
//                    above (whose worker it runs) and the ZIP writer into one
//                    script, and everything else inside, so that one file
//                    works offline and from a file:// path
// Usage: node web/build.mjs [--check] <vornak-engine.js from the emscripten build>
// (its vornak-engine.wasm beside it). With --check nothing is written: the
// build fails when the files in web/ differ from what the sources make now.
// Either way package.json must carry the version of CMakeLists.txt.
import { createHash } from 'node:crypto';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';

import { build, transform } from 'esbuild';

const here = new URL('.', import.meta.url);
const read = (path) => readFileSync(new URL(path, here), 'utf8');
const check = process.argv[2] === '--check';
const enginePath = process.argv[check ? 3 : 2];
if (!enginePath) {
  console.error('usage: node web/build.mjs [--check] <vornak-engine.js>');
  process.exit(2);
}
const fail = (message) => {
  console.error(message);
  process.exit(1);
};

// One version: CMakeLists.txt's, which the tool's banner prints; the package
// has it with its patch number.
const version = /project\(vornak VERSION ([\d.]+)/.exec(read('../CMakeLists.txt'))[1];
const packageVersion = JSON.parse(read('../package.json')).version;
const semver = [...version.split('.'), '0', '0'].slice(0, 3).join('.');
if (packageVersion !== semver) fail(`package.json has version ${packageVersion}; CMakeLists.txt says ${version}: make it ${semver}`);

// The WebAssembly binary, gzipped (it is most of the page's weight; the
// engine inflates it with the platform's DecompressionStream), the same bytes
// every time (no file name or time in the header), so that the check compares
// like with like. The emscripten glue is the C++ build's alone (a change to
// the JavaScript needs no relink): a function that makes a module, evaluated
// only when an engine is made.
const glue = readFileSync(enginePath, 'utf8');
const loaderExports = /\nif \(typeof exports === 'object' && typeof module === 'object'\)\n.*\n(else if .*\n.*\n){2}/;
if (!loaderExports.test(glue)) fail(`${enginePath}: the glue's loader exports were not found`);
const wasm = gzipSync(readFileSync(enginePath.replace(/\.js$/, '.wasm')), { level: 9 }).toString('base64');

// The engine's modules (web/engine/) import what the builds make by these
// names.
const made = (contents) => ({
  name: 'made',
  setup(bundler) {
    bundler.onResolve({ filter: /^vornak:/ }, ({ path }) => ({ path, namespace: 'made' }));
    bundler.onLoad({ filter: /.*/, namespace: 'made' }, ({ path }) => ({ contents: contents[path], loader: 'js' }));
  },
});
const sources = {
  'vornak:glue': `export default function createModule(options) {\n${glue.replace(loaderExports, '\n')}\nreturn createVornakModule(options);\n}\n`,
  'vornak:version': `export const version = '${version}';\n`,
};
const bundle = async (entry, options) => (await build({
  entryPoints: [new URL(entry, here).pathname],
  bundle: true,
  format: 'esm',
  legalComments: 'none',
  target: 'es2022',
  write: false,
  ...options,
})).outputFiles[0].text;

// The worker's script: the engine and the worker's side of it as one classic
// script, minified, which takes the WebAssembly from the variable that the
// module puts before it (vornakWorkerScript); kept as text in the module, so
// that no bundler of a program that uses the module can change it.
const workerCode = await bundle('engine/worker-script.js', {
  format: 'iife',
  minify: true,
  plugins: [made({ ...sources, 'vornak:wasm': 'export const wasmGzipBase64 = vornakWasmGzipBase64;\n' })],
});
const engineSources = {
  ...sources,
  'vornak:wasm': `export const wasmGzipBase64 = "${wasm}";\n`,
  'vornak:worker-code': `export default ${JSON.stringify(workerCode)};\n`,
};

const heading = (what) => [
  `// ${what}: lists PPG Wave banks and converts them between formats,`,
  '// with the same code and the same results as the vornak command-line tool.',
  '// Made by web/build.mjs from web/engine/ and the emscripten build; the',
  '// types and their documentation are web/vornak.d.ts.',
  '',
].join('\n');
// The module: the engine on the calling thread, its worker's script, and the
// client of an engine in a worker.
const module = heading('Vornak\'s engine, an ES module with the WebAssembly inside') +
  await bundle('engine/module.js', { plugins: [made(engineSources)] });
// The client alone, for pages that run the engine only in a worker.
const client = heading('The client of Vornak\'s engine in a worker, without the engine') +
  await bundle('engine/client-module.js', { plugins: [made(sources)] });

// The page's modules (web/src/*.js, from app.js on) bundled into its one
// inline script, with the engine's module (the page imports it as
// ../vornak.mjs: the package's own worker runs the engine) and the ZIP
// writer from its npm package.
const engineModule = {
  name: 'engine-module',
  setup(bundler) {
    bundler.onResolve({ filter: /^\.\.\/vornak\.mjs$/ }, () => ({ path: new URL('engine/module.js', here).pathname }));
  },
};
const app = await bundle('src/app.js', { minify: true, plugins: [engineModule, made(engineSources)] });
// The style minified, and the page's indentation dropped (it holds no
// preformatted text), so that the one file carries the engine and little
// else.
const style = (await transform(read('src/style.css'), { loader: 'css', minify: true })).code.trim();
for (const [name, text] of Object.entries({ app, style })) {
  if (/<\/(script|style)/i.test(text)) throw new Error(`${name} holds a closing tag and cannot be inlined`);
}

const fill = (name, text, values) => text.replace(/\{\{(\w+)\}\}/g, (_, key) => {
  if (!(key in values)) throw new Error(`${name}: unknown placeholder ${key}`);
  return values[key];
});

// Only the page's own inline script, import map and style may run or apply,
// nothing is fetched, and no connection can be made.
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
const csp = [
  "default-src 'none'",
  `script-src ${hash(app)} 'wasm-unsafe-eval'`,
  'worker-src blob:',
  `style-src ${hash(style)}`,
  'img-src data: blob:',
  "connect-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join('; ');

const page = fill('page.html', read('src/page.html').replace(/\n[ \t]+/g, '\n'), { csp, style, app, version: `V${version}` });

const versionModule = [
  '// The version of Vornak\'s engine, as the tool\'s banner prints it: the',
  '// package\'s vornak/version, made by web/build.mjs.',
  `export const version = '${version}';`,
  '',
].join('\n');

const outputs = { 'vornak.mjs': module, 'vornak-client.mjs': client, 'vornak.html': page, 'vornak-version.mjs': versionModule };
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
