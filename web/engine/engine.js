// The engine on the calling thread: the C functions of src/web/engine.cpp
// over the WebAssembly, called with bytes. A call hands its input files over
// (vornak_file: one copy into the engine's memory), makes the call, and reads
// its JSON answer and the bytes it made. Every call works on a bank in its
// start-up state, as a new process of the tool would.
import createModule from 'vornak:glue';

import { fileMap, Withheld } from './bytes.js';
import {
  checkCompose, checkConvert, checkDescribe, checkEngineOptions, checkListing, checkRun, checkSimilar, outputName, utf8,
} from './checks.js';
import { stoppedBy, VornakError } from './errors.js';
import { bytesToText, parseAnswer } from './text.js';
import { compileEngine } from './wasm.js';

export async function createVornak(options) {
  try {
    const o = checkEngineOptions(options);
    const compiled = await compileEngine();
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

const utf8Text = /* @__PURE__ */ new TextDecoder();

function engineOver(module, inputLimit) {
  let stopped = null;
  const live = () => {
    if (stopped) throw stopped;
  };

  // The JSON answer at `at`, decoded by the one rule for text; null is no
  // answer (the engine ran out of memory for it).
  const answerAt = (at) => {
    if (!at) throw new VornakError('stopped', 'vornak: the engine ran out of memory');
    const heap = module.HEAPU8;
    return parseAnswer(heap.subarray(at, heap.indexOf(0, at)));
  };
  // The `size` bytes a call left at vornak_bytes(), from `from` on.
  const made = (from, size) => {
    const at = module._vornak_bytes() + from;
    return module.HEAPU8.slice(at, at + size);
  };

  if (inputLimit !== undefined) module._vornak_limit_input(Math.min(inputLimit, 4294967295));
  const limits = answerAt(module._vornak_limits());
  if (inputLimit !== undefined) limits.inputLimit = inputLimit;
  const facts = { formats: answerAt(module._vornak_formats()), limits };

  // Each call: its checks first, then the work, with the memory it takes
  // given back. Anything unexpected on the way stops the engine, never
  // leaving it half set.
  const blocks = [];
  const alloc = (size) => {
    const block = module._malloc(Math.max(size, 4));
    if (!block) throw new VornakError('stopped', 'vornak: the engine ran out of memory');
    blocks.push(block);
    return block;
  };
  const work = (task) => {
    live();
    try {
      return task();
    } catch (error) {
      stopped = stoppedBy(error, 'stopped');
      throw stopped;
    } finally {
      for (const block of blocks.splice(0)) module._free(block);
    }
  };

  // Whole numbers, and byte strings (null for a null pointer) NUL-terminated
  // behind an array of pointers to them, in the engine's memory.
  const ints = (numbers) => {
    const block = alloc(4 * numbers.length);
    module.HEAP32.set(numbers, block >> 2);
    return block;
  };
  const doubles = (numbers) => {
    const block = alloc(8 * numbers.length);
    module.HEAPF64.set(numbers, block >> 3);
    return block;
  };
  const byteStrings = (list) => {
    const block = alloc(list.reduce((n, b) => n + (b ? b.length + 1 : 0), 4 * list.length));
    let at = block + 4 * list.length;
    list.forEach((b, i) => {
      module.HEAPU32[(block >> 2) + i] = b ? at : 0;
      if (!b) return;
      module.HEAPU8.set(b, at);
      module.HEAPU8[at + b.length] = 0;
      at += b.length + 1;
    });
    return block;
  };
  const strings = (list) => byteStrings(list.map((s) => (s === null ? null : utf8.encode(s))));
  const string = (text) => module.HEAPU32[strings([text]) >> 2];

  // Hands the files of a call over: their bytes are copied into the engine's
  // memory once, into the buffer the loader reads in place. Bytes above the
  // limit, or more than the engine's memory holds, are not copied: the
  // engine answers them as too large.
  const give = (files) => {
    for (const [name, bytes] of files) {
      const size = bytes.length;
      const at = module._vornak_file(string(name), Math.min(size, 4294967295));
      if (at && !(bytes instanceof Withheld)) module.HEAPU8.set(bytes, at);
    }
  };

  const answered = (answer) => ({ ok: answer.exitCode === 0, ...answer });

  function runOn(args, files) {
    give(files);
    const argv = ['vornak', ...args];
    const answer = answerAt(module._vornak_run(argv.length, strings(argv)));
    const stdoutBytes = made(0, answer.output);
    const written = [];
    let at = answer.output;
    for (const file of answer.files) {
      const name = utf8Text.decode(made(at, file.name));
      written.push([name, made(at + file.name, file.size)]);
      at += file.name + file.size;
    }
    return { ok: answer.exitCode === 0, exitCode: answer.exitCode, stdout: bytesToText(stdoutBytes), stdoutBytes, files: fileMap(written) };
  }

  const notConverted = (exitCode, reason, message, explanation) => ({ ok: false, exitCode, reason, message, explanation, bytes: null });

  const engine = {
    run(args, files) {
      const asked = checkRun(facts, args, files);
      return work(() => runOn(asked.args, asked.inputs));
    },

    describe(name, bytes, options) {
      const asked = checkDescribe(facts, name, bytes, options);
      return work(() => {
        give([asked.file]);
        return answered(answerAt(module._vornak_describe(asked.hint, ints(asked.only), asked.count, asked.conversions,
          asked.first, asked.last, asked.group)));
      });
    },

    listing(name, bytes, options) {
      const asked = checkListing(facts, name, bytes, options);
      return work(() => {
        const ran = runOn(asked.args, asked.inputs);
        return { ok: ran.ok, exitCode: ran.exitCode, text: ran.stdout };
      });
    },

    formats() {
      return work(() => answerAt(module._vornak_formats()));
    },

    limits() {
      live();
      return { ...limits };
    },

    // A bank built from programs of the banks given, written in a format.
    compose(request) {
      const r = checkCompose(facts, request);
      live();
      if (r.refusal) return { ok: false, exitCode: 1, reason: 'bad-request', message: r.refusal, bytes: null };
      // The new values of every slot, one setting after another.
      const set = r.slots.flatMap((s, i) => (s ? s.set.map(([part, label, value]) => ({ slot: i, part, label, value })) : []));
      // Each label is handed over once, however many slots set it.
      const labels = [...new Set(set.map((s) => s.label))];
      const labelAt = (block) => {
        const at = new Map(labels.map((label, i) => [label, module.HEAPU32[(block >> 2) + i]]));
        return ints(set.map((s) => at.get(s.label)));
      };
      return work(() => {
        give(r.banks);
        const answer = answered(answerAt(module._vornak_compose(r.slots.length,
          strings(r.slots.map((s) => (s ? s.bank : null))), ints(r.slots.map((s) => (s ? s.program : 0))),
          byteStrings(r.slots.map((s) => s?.name ?? null)), r.format.letter.charCodeAt(0), r.hint, r.group,
          r.bankName ? module.HEAPU32[byteStrings([r.bankName]) >> 2] : 0, set.length, ints(set.map((s) => s.slot)),
          ints(set.map((s) => s.part)), labelAt(strings(labels)), doubles(set.map((s) => s.value)))));
        const { size, ...rest } = answer;
        return { ...rest, bytes: answer.exitCode === 0 ? made(0, size) : null };
      });
    },

    // The bank written in another format as the tool's export writes it,
    // with what the file keeps of it and the input's notes; or why not.
    convert(bytes, options) {
      const o = checkConvert(facts, bytes, options);
      live();
      if (o.refusal) return notConverted(1, 'bad-request', o.refusal, o.refusal);
      return work(() => {
        give([['input', o.input]]);
        const answer = answerAt(module._vornak_convert(o.format.letter.charCodeAt(0), o.hint, o.first, o.last, o.group,
          o.names ? o.names.length : 0, o.names ? byteStrings(o.names) : 0));
        if (answer.exitCode !== 0) return notConverted(answer.exitCode, answer.reason, answer.message, answer.explanation);
        return { ok: true, exitCode: 0, reason: '', message: '', explanation: '', bytes: made(0, answer.size),
          fileName: outputName(o.name, o.format), keeps: answer.keeps, notes: answer.notes };
      });
    },

    // The sounds among `sounds` nearest to `sound`, nearest first. The sounds
    // are read once: a later call with an equal list (or the same text)
    // searches them again.
    similar(sound, sounds, options) {
      const asked = checkSimilar(facts, sound, sounds, options, lastSounds);
      return work(() => {
        let list = 0;
        let size = 0;
        if (!asked.same) {
          const lines = typeof asked.sounds === 'string';
          const source = lines ? asked.sounds : asked.sounds.join('\n');
          // Sounds as describe answers them are ASCII: their bytes are
          // written straight into the engine's memory, one a character (a
          // new array of 10 MB took browsers five times as long). Other
          // characters take the room their UTF-8 bytes need.
          list = alloc(source.length);
          const { read, written } = utf8.encodeInto(source, module.HEAPU8.subarray(list, list + source.length));
          size = written;
          if (read < source.length) {
            const text = utf8.encode(source);
            size = text.length;
            list = alloc(size);
            module.HEAPU8.set(text, list);
          }
          lastSounds = lines ? asked.sounds : asked.sounds.slice();
        }
        return answerAt(module._vornak_similar(string(asked.sound), list, size, asked.count));
      });
    },

    // Lets go of the engine's memory; any later call throws.
    dispose() {
      stopped = new VornakError('disposed', 'vornak: the engine was disposed');
      module = null;
    },
  };
  let lastSounds = null;
  return engine;
}
