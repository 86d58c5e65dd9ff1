// The engine on the calling thread: the C functions of src/web/engine.cpp
// over the WebAssembly, called with bytes. A call hands its input files
// over (vornak_file: one copy into the engine's memory), passes its request
// as JSON text, and reads its JSON answer and the bytes it made. Every call
// works on a bank in its start-up state, as a new process of the tool
// would.
import { fileMap, Withheld } from './bytes.js';
import { refusal, stoppedBy, VornakError } from './errors.js';
import createModule from './glue.js';
import { calls, checkAborted, checkEngineOptions, similarCall } from './request.js';
import { bytesToText } from './text.js';
import { compileEngine } from './wasm.js';

// A call as the calling side of a worker packaged it (serve.js): its name,
// request text, inputs and, for similar, the text of the sounds.
export const served = /* @__PURE__ */ Symbol('vornak.served');

export async function createVornak(options) {
  try {
    const o = checkEngineOptions(options);
    const compiled = await compileEngine(o.wasm);
    const module = await new Promise((resolve, reject) => {
      createModule({
        instantiateWasm(imports, receive) {
          WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled), reject);
          return {};
        },
        print() {},
        printErr() {},
      }).then(resolve, reject);
    });
    return engineOver(module, o.inputLimit);
  } catch (error) {
    throw stoppedBy(error, 'could not start');
  }
}

const utf8 = /* @__PURE__ */ new TextEncoder();
const utf8Text = /* @__PURE__ */ new TextDecoder();

function engineOver(module, inputLimit) {
  let stopped = null;
  const live = () => {
    if (stopped) throw stopped;
  };

  // The JSON answer at `at`; null is no answer (the engine ran out of
  // memory for it).
  const answerAt = (at) => {
    if (!at) throw new VornakError('stopped', 'vornak: the engine ran out of memory');
    const heap = module.HEAPU8;
    return JSON.parse(utf8Text.decode(heap.subarray(at, heap.indexOf(0, at))));
  };
  // The `size` bytes a call left at vornak_bytes(), from `from` on.
  const made = (from, size) => {
    const at = module._vornak_bytes() + from;
    return module.HEAPU8.slice(at, at + size);
  };

  if (inputLimit !== undefined) module._vornak_limit_input(Math.min(inputLimit, 4294967295));
  const limits = answerAt(module._vornak_limits());
  if (inputLimit !== undefined) limits.inputLimit = inputLimit;

  // Each call's work, with the memory it takes given back. Anything
  // unexpected on the way stops the engine, never leaving it half set.
  const blocks = [];
  const alloc = (size) => {
    const block = module._malloc(Math.max(size, 4));
    if (!block) throw new VornakError('stopped', 'vornak: the engine ran out of memory');
    blocks.push(block);
    return block;
  };
  const work = (task) => {
    try {
      return task();
    } catch (error) {
      stopped = stoppedBy(error, 'stopped');
      throw stopped;
    } finally {
      for (const block of blocks.splice(0)) module._free(block);
    }
  };

  // Hands the files of a call over: their bytes are copied into the engine's
  // memory once, into the buffer the loader reads in place. Bytes above the
  // limit, or more than the engine's memory holds, are not copied: the
  // engine answers them as too large.
  const give = (inputs) => {
    for (const bytes of inputs) {
      const at = module._vornak_file(Math.min(bytes.length, 4294967295));
      if (at && !(bytes instanceof Withheld)) module.HEAPU8.set(bytes, at);
    }
  };
  // The sounds of similar: sounds as describe answers them are ASCII, and
  // are written straight into the engine's memory, one byte a character (a
  // new array of 10 MB took browsers five times as long); other characters
  // take the room their UTF-8 bytes need.
  const giveText = (text) => {
    let at = module._vornak_text(text.length);
    if (!at) throw new VornakError('stopped', 'vornak: the engine ran out of memory');
    if (utf8.encodeInto(text, module.HEAPU8.subarray(at, at + text.length)).read < text.length) {
      const bytes = utf8.encode(text);
      at = module._vornak_text(bytes.length);
      if (!at) throw new VornakError('stopped', 'vornak: the engine ran out of memory');
      module.HEAPU8.set(bytes, at);
    }
  };

  // Each call's answer, from the engine's and the bytes it made.
  const withBytes = ({ size, ...answer }) => ({ ...answer, bytes: answer.ok ? made(0, size) : null });
  const finish = {
    run(answer) {
      const stdoutBytes = made(0, answer.output);
      const written = [];
      let at = answer.output;
      for (const file of answer.files) {
        written.push([utf8Text.decode(made(at, file.name)), made(at + file.name, file.size)]);
        at += file.name + file.size;
      }
      return { ok: answer.ok, exitCode: answer.exitCode, stdout: bytesToText(stdoutBytes), stdoutBytes, files: fileMap(written) };
    },
    listing: (answer) => ({ ok: answer.ok, exitCode: answer.exitCode, text: bytesToText(made(0, answer.output)) }),
    describe: (answer) => answer,
    convert: withBytes,
    compose: withBytes,
    // Each readable file's bytes, in the order of the files.
    disk(answer) {
      if (!answer.ok) return answer;
      let at = 0;
      const files = answer.files.map((file) => {
        const bytes = file.holds === 'unreadable' ? null : made(at, file.size);
        at += file.size;
        return { ...file, bytes };
      });
      return { ...answer, files };
    },
    similar: (answer) => answer,
  };

  // One call: its request (JSON text) and inputs, as request.js packages
  // them. A request the engine refuses is the caller's mistake, which
  // leaves the engine as it is.
  const perform = (name, request, inputs, text = null) => {
    const answer = work(() => {
      give(inputs);
      if (text !== null) giveText(text);
      const bytes = utf8.encode(request);
      const at = alloc(bytes.length);
      module.HEAPU8.set(bytes, at);
      const got = answerAt(module[`_vornak_${name}`](at, bytes.length));
      return got !== null && typeof got.refused === 'string' ? got : finish[name](got);
    });
    if (answer !== null && typeof answer.refused === 'string') throw refusal(answer.refused);
    return answer;
  };
  const call = (name, args) => {
    live();
    const c = calls[name](...args);
    checkAborted(c.signal);
    return perform(name, c.request, c.inputs);
  };

  let lastSounds = null;
  const engine = {
    run: (...args) => call('run', args),
    describe: (...args) => call('describe', args),
    listing: (...args) => call('listing', args),
    compose: (...args) => call('compose', args),
    convert: (...args) => call('convert', args),
    disk: (...args) => call('disk', args),
    formats(options) {
      live();
      checkAborted(calls.formats(options).signal);
      return work(() => answerAt(module._vornak_formats()));
    },
    limits(options) {
      live();
      checkAborted(calls.limits(options).signal);
      return { ...limits };
    },
    // The sounds are read once: a later call with an equal list (or the
    // same text) searches them again.
    similar(sound, sounds, options) {
      live();
      const c = similarCall(sound, sounds, options, lastSounds);
      checkAborted(c.signal);
      const found = perform('similar', c.request, [], c.text);
      lastSounds = c.keep;
      return found;
    },
    // Lets go of the engine's memory; any later call throws.
    dispose() {
      stopped = new VornakError('disposed', 'vornak: the engine was disposed');
      module = null;
    },
  };
  Object.defineProperty(engine, served, {
    value(name, request, inputs, text) {
      live();
      return perform(name, request, inputs, text);
    },
  });
  return engine;
}
