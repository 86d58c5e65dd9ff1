// Builds the web edition from its sources (web/engine/, web/src/) and the
// WebAssembly engine:
//   web/vornak.mjs   the engine as an ES module with its WebAssembly inside,
//                    for pages and node programs
//   web/vornak-node.mjs  the same for node, whose workers are worker threads
//                    (web/vornak-worker*.mjs are its workers as files)
//   web/vornak-client.mjs  the client of an engine in a worker, for pages
//                    that run the engine only there: no engine inside
//   web/vornak-version.mjs  the version alone, a module that costs a bundle
//                    nothing
//   web/vornak.html  the page, its modules bundled with the engine (whose
//                    worker it runs) and the ZIP writer into one script, and
//                    everything else inside, so that one file works offline
//                    and from a file:// path
// The engine's sources take the emscripten build as two files that are kept
// in the repository, so that a change to the JavaScript needs no
// emscripten build: web/engine/glue.js (the glue, as a module) and
// web/vornak.wasm (the WebAssembly, which the package ships as a file of its
// own too). With --engine, they are made again from that build first.
// Usage: node web/build.mjs [--check] [--engine build-web/vornak-engine.js]
// (its vornak-engine.wasm beside it). With --check nothing is written: the
// build fails when the files in web/ differ from what the sources make now.
// Either way package.json and web/engine/version.js must carry the version of
// CMakeLists.txt. makeOutputs() gives the outputs to the tests.
import { createHash } from 'node:crypto';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

import { build, transform } from 'esbuild';

const here = new URL('.', import.meta.url);
const read = (path) => readFileSync(new URL(path, here), 'utf8');
const enginePath = (name) => fileURLToPath(new URL(`engine/${name}`, here));

// One version: CMakeLists.txt's, which the tool's banner prints; the package
// has it with its patch number.
function checkVersions() {
  const version = /project\(vornak VERSION ([\d.]+)/.exec(read('../CMakeLists.txt'))[1];
  const packageVersion = JSON.parse(read('../package.json')).version;
  const semver = [...version.split('.'), '0', '0'].slice(0, 3).join('.');
  if (packageVersion !== semver) return `package.json has version ${packageVersion}; CMakeLists.txt says ${version}: make it ${semver}`;
  if (!read('engine/version.js').includes(`export const version = '${version}';`)) {
    return `web/engine/version.js does not say version ${version}, as CMakeLists.txt does`;
  }
  return null;
}

// The glue and the WebAssembly from the emscripten build. The glue is the
// C++ build's alone: a function that makes a module, evaluated only when an
// engine is made.
export function engineFiles(engine) {
  const glue = readFileSync(engine, 'utf8');
  const loaderExports = /\nif \(typeof exports === 'object' && typeof module === 'object'\)\n.*\n(else if .*\n.*\n){2}/;
  if (!loaderExports.test(glue)) throw new Error(`${engine}: the glue's loader exports were not found`);
  return {
    'engine/glue.js': [
      '// The emscripten glue of the engine\'s WebAssembly (web/vornak.wasm), made by',
      '// web/build.mjs from the emscripten build (scripts/build-web): not to be',
      '// edited.',
      'export default function createModule(options) {',
      glue.replace(loaderExports, '\n'),
      'return createVornakModule(options);',
      '}',
      '',
    ].join('\n'),
    'vornak.wasm': readFileSync(engine.replace(/\.js$/, '.wasm')),
  };
}

const heading = (what) => [
  `// ${what}: lists PPG Wave banks and converts them between formats,`,
  '// with the same code and the same results as the vornak command-line tool.',
  '// Made by web/build.mjs from web/engine/; the types and their documentation',
  '// are web/vornak.d.ts.',
  '',
].join('\n');

// Modules of web/engine/ that the bundles have in another form: `made`
// gives the text of each, by its file name.
const replacing = (made) => ({
  name: 'replacing',
  setup(bundler) {
    bundler.onResolve({ filter: /^\.\/(wasm-default|worker-code)\.js$/ }, ({ path, importer, namespace }) => (
      (namespace === 'made' || importer.startsWith(enginePath(''))) && made[path.slice(2)] !== undefined
        ? { path: path.slice(2), namespace: 'made' } : undefined));
    bundler.onLoad({ filter: /.*/, namespace: 'made' }, ({ path }) => ({ contents: made[path], loader: 'js', resolveDir: enginePath('') }));
  },
});

const bundle = async (entry, options) => (await build({
  entryPoints: [fileURLToPath(new URL(entry, here))],
  bundle: true,
  format: 'esm',
  legalComments: 'none',
  target: 'es2022',
  write: false,
  ...options,
})).outputFiles[0].text;

// Every output, by its name in web/, made from the sources (the engine's
// glue and WebAssembly as web/engine/glue.js and web/vornak.wasm hold them).
export async function makeOutputs() {
  const wasm = readFileSync(new URL('vornak.wasm', here));
  // The WebAssembly, gzipped (it is most of the page's weight; the engine
  // inflates it with the platform's DecompressionStream), the same bytes
  // every time (no file name or time in the header), so that the check
  // compares like with like.
  const base64 = gzipSync(wasm, { level: 9 }).toString('base64');
  // The worker's script: the engine and the worker's side of it as one
  // classic script, minified, which takes the WebAssembly from the variable
  // that the module puts before it (vornakWorkerScript); kept as text in the
  // module, so that no bundler of a program that uses the module can
  // change it.
  const inflating = (from) => `import { inflated } from './inflate.js';\nexport const defaultWasm = () => inflated(${from});\n`;
  const workerCode = await bundle('engine/worker-script.js', {
    format: 'iife',
    minify: true,
    plugins: [replacing({ 'wasm-default.js': inflating('vornakWasmGzipBase64') })],
  });
  const inline = replacing({
    'wasm-default.js': `export const wasmGzipBase64 = "${base64}";\n${inflating('wasmGzipBase64')}`,
    'worker-code.js': `import { wasmGzipBase64 } from './wasm-default.js';\nexport const vornakWorkerScript = /* @__PURE__ */ (() => ` +
      `\`var vornakWasmGzipBase64 = "\${wasmGzipBase64}";\\n\` + ${JSON.stringify(workerCode)})();\n`,
  });

  // The module: the engine on the calling thread, its worker's script, and
  // the client of an engine in a worker; its node entry beside it.
  const module = heading('Vornak\'s engine, an ES module with the WebAssembly inside') +
    await bundle('engine/module.js', { plugins: [inline] });
  const node = `${read('engine/node.js').replaceAll("'./module.js'", "'./vornak.mjs'")}// Made by web/build.mjs from web/engine/node.js.\n`;
  // The client alone, for pages that run the engine only in a worker.
  const client = heading('The client of Vornak\'s engine in a worker, without the engine') +
    await bundle('engine/client-module.js', {});

  // The page's modules (web/src/*.js, from app.js on) bundled into its one
  // inline script, with the engine (the package's own worker runs it) and
  // the ZIP writer from its npm package.
  const app = await bundle('src/app.js', { minify: true, plugins: [inline] });
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
  // Only the page's own inline script and style may run or apply, nothing
  // is fetched, and no connection can be made.
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
  const version = /'([\d.]+)'/.exec(read('engine/version.js'))[1];
  const page = fill('page.html', read('src/page.html').replace(/\n[ \t]+/g, '\n'), { csp, style, app, version: `V${version}` });

  const versionModule = [
    '// The version of Vornak\'s engine, as the tool\'s banner prints it: the',
    '// package\'s vornak/version, made by web/build.mjs.',
    `export const version = '${version}';`,
    '',
  ].join('\n');
  return {
    'vornak.mjs': module,
    'vornak-node.mjs': node,
    'vornak-client.mjs': client,
    'vornak.html': page,
    'vornak-version.mjs': versionModule,
  };
}

async function main(args) {
  const check = args.includes('--check');
  const at = args.indexOf('--engine');
  const fail = (message) => {
    console.error(message);
    process.exit(1);
  };
  const versions = checkVersions();
  if (versions) fail(versions);
  // The engine's files first: the bundles are made from them.
  const compare = (outputs) => {
    for (const [name, content] of Object.entries(outputs)) {
      const path = new URL(name, here);
      const same = existsSync(path) && Buffer.from(content).equals(readFileSync(path));
      if (!check) {
        if (!same) writeFileSync(path, content);
        console.log(`web/${name}: ${Buffer.byteLength(content)} bytes`);
      } else if (!same) {
        console.error(`web/${name} is not what the sources make: run scripts/build-web and commit the result`);
        process.exitCode = 1;
      }
    }
  };
  if (at >= 0) compare(engineFiles(args[at + 1]));
  compare(await makeOutputs());
}

if (process.argv[1] === fileURLToPath(import.meta.url)) await main(process.argv.slice(2));
