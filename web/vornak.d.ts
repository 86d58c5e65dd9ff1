// Types of the vornak package (web/vornak.mjs, web/vornak-node.mjs for node,
// and web/vornak-client.mjs), with their documentation: this file is the
// reference of the engine's interface. docs/api.md is made from it
// (scripts/build-api-docs); the README keeps the recipes.

/**
 * Vornak's engine: the vornak tool's library compiled to WebAssembly, an ES
 * module with the WebAssembly inside, for pages, workers and node programs.
 * Every run is the tool's: the same exit code, the same output byte for
 * byte, the same files.
 *
 * The package's entries: `vornak` (this module; node gets
 * `web/vornak-node.mjs`, whose workers are node worker threads),
 * `vornak/client` (only {@link createVornakWorker} and what it needs, without
 * the engine, for pages that run the engine in a worker), `vornak/worker` (the
 * engine's worker as a file: `web/vornak-worker.mjs`, a module worker for
 * browsers, and `web/vornak-worker-node.mjs` for node), `vornak/wasm` (the
 * engine's WebAssembly as a file of its own, `web/vornak.wasm`, for
 * `createVornak({ wasm })`) and `vornak/version` (the version alone). `import { version } from 'vornak'` costs a bundle
 * nothing too: the module runs nothing on import that a bundler keeps when
 * only `version` is used.
 *
 * Every answer has `ok` beside the tool's `exitCode` (`ok` is true exactly
 * when the exit code is 0), and success and failure are separate types, so
 * that TypeScript narrows on either (`if (converted.ok)` or
 * `if (converted.exitCode === 0)`) and the fields of a success need no `!`.
 * Every option object takes only the keys declared for it.
 *
 * Bad input is never an exception: the answer carries the tool's exit code,
 * the reason and the message, and a request that `compose` or `convert`
 * cannot meet is answered in words. What is thrown (or rejected, in a
 * worker) is a {@link VornakError}.
 *
 * @module vornak
 */

/**
 * What an error of the engine is:
 *
 * | Code | Thrown as | When |
 * |---|---|---|
 * | `bad-option` | `TypeError` (`RangeError` from {@link textToBytes}) | the call itself is wrong; the message names what was given and what is expected |
 * | `too-large` | `RangeError` | {@link bytesToText} of more bytes than a string of this JavaScript engine may hold (about 512 MiB in V8) |
 * | `aborted` | `VornakError` | the call's `signal` was aborted (its `cause` is the signal's reason); the engine answers the next call |
 * | `disposed` | `VornakError` | a call after `dispose()`, or one that waited for a worker when it was disposed |
 * | `stopped` | `VornakError` | the engine failed (it is then stopped, and a new one can be made), or could not start |
 * | `wasm-blocked` | `VornakError` | WebAssembly may not be compiled here: a Content-Security-Policy without `'wasm-unsafe-eval'` in `script-src` (the message says so) |
 * | `worker-failed` | `VornakError` | the engine's worker could not be started (a Content-Security-Policy without `blob:` in `worker-src`: the message says to allow it or to start the worker from its file), or its script failed, or it ended (also when whoever holds it calls its `terminate()`): the call it was at and every later one |
 * | `worker-timeout` | `VornakError` | the worker did not answer within `startTimeout`: it is not a worker that serves the engine |
 *
 * Each call is one request, which the engine reads and checks. What a
 * request holds is data as JSON holds it: text, numbers, true, false,
 * null, lists and plain objects; a key left `undefined` is left out.
 * `bad-option` answers, by one rule for every call: `undefined` or a hole
 * in a list (`names`, `parameters`, `programs`, `sounds`: null is the
 * value for none where a list takes one), a number that is not finite, any
 * other object (a `Map`, a `Date`, a function) where data is expected, and
 * text with a lone half of a surrogate pair; and by the engine's reading:
 * an option object with a key not declared for it (`frist`, `conversion`:
 * the message names the key and the keys there are), `args` not an array
 * of strings, an argument or a name with a NUL character, files neither an
 * object nor a `Map`, a file name that is not a plain relative path, is
 * also another name's folder, or is longer than the tool's system takes,
 * bytes of another type, a model, group, range, program number, format
 * letter or count that is not one of those declared, `first` above `last`,
 * a list of `parameters` with `null` in it or longer than a bank, a sound
 * for `similar` that is none (or holds a value beyond its range), a
 * `signal` that is not an `AbortSignal`, an `inputLimit` that is not a
 * whole number of bytes, a `wasm` that is none of those declared, and the
 * worker options that are not as declared. The rules and their words are
 * the same for every call, on the calling thread and in a worker, and the
 * engine goes on after them. After `dispose()` every call is `disposed`.
 */
export type VornakErrorCode =
  | 'bad-option'
  | 'too-large'
  | 'aborted'
  | 'disposed'
  | 'stopped'
  | 'wasm-blocked'
  | 'worker-failed'
  | 'worker-timeout';

/**
 * The class of every error the engine throws or rejects with: `error
 * instanceof VornakError` holds for each, the caller's mistakes (TypeErrors
 * and RangeErrors with the code `bad-option`) included.
 */
export declare class VornakError extends Error {
  constructor(code: VornakErrorCode, message: string);
  /** Which error it is. */
  code: VornakErrorCode;
}

/**
 * The tool's exit codes other than 0:
 *
 * | Code | Cause | Message |
 * |---|---|---|
 * | 1 | `/?`, no input file name, an export switch without a name | the usage text, after "Not enough command line information" or "Export file name missing" |
 * | 1 | the input file cannot be opened | "No input file" |
 * | 1 | the export failed | none |
 * | 2 | no memory for the input, or an input above `inputLimit` | "Error allocating buffer" |
 * | 3 | an FXB file that does not hold together, or a Halvic chunk too short | "Can't load .fxb file" |
 * | 3 | an FXB file that is not a 2.V bank | "Not a valid 2.V fxb-file" |
 * | 5 | a bad Waveterm A or B file | "Invalid FLEX file", "Invalid Waveterm B Dxxx.USR file" |
 * | 6 | no known header and shorter than 5120 bytes | "Unknown file format" |
 * | 1, 2, 3, 4, 6, 10, 11, 12 | a damaged Corvel bank | none |
 * | 99 | any other failure while loading | none |
 */
export type VornakExitCode = 1 | 2 | 3 | 4 | 5 | 6 | 10 | 11 | 12 | 99;

/**
 * Why a file did not load, from the tool's loader (exit codes overlap: 1 is
 * a file that cannot be read and a damaged Corvel bank):
 *
 * | Reason | |
 * |---|---|
 * | `no-input` | the file cannot be opened or read |
 * | `too-large` | more than `inputLimit`, or than the engine's memory holds |
 * | `unknown-format` | no known header, and too short for a bare memory image |
 * | `not-a-bank` | an FXB file that holds one program (an FXP preset), or neither kind of bank |
 * | `other-plugin` | an FXB bank of another plug-in |
 * | `damaged` | a format that was recognised, but whose data do not hold together |
 * | `unexpected` | any other failure |
 */
export type VornakLoadReason =
  | 'no-input'
  | 'too-large'
  | 'unknown-format'
  | 'not-a-bank'
  | 'other-plugin'
  | 'damaged'
  | 'unexpected';

/**
 * Bytes as the engine takes them: a Uint8Array, an ArrayBuffer, or any view
 * of one. The bytes it answers are Uint8Arrays.
 */
export type VornakBytes = Uint8Array | ArrayBuffer | ArrayBufferView;

/**
 * Input files: an object or a `Map` of names to bytes. A name is a relative
 * path below the run's folder (`bank.syx`, `banks/a.syx`), as the tool's
 * command line would name a file in its working folder.
 */
export type VornakFiles = { readonly [name: string]: VornakBytes } | ReadonlyMap<string, VornakBytes>;

export interface VornakOptions {
  /**
   * The most bytes an input file may hold, a whole number or `Infinity`
   * (default `limits().inputLimit`, 1 GiB, what the tool allows a pipe). A
   * larger input gets the tool's answer for an input it has no memory for:
   * exit code 2 and "Error allocating buffer" (after the banner and the `/v`
   * echo, in a run), reason `too-large`; so does any input of 2 GiB or more,
   * which the engine's memory cannot hold, whatever the limit. An engine in
   * a worker does not send such an input to the worker at all.
   */
  inputLimit?: number;
  /**
   * The engine's WebAssembly, where it is not to come from the module
   * itself (which carries it inline): the package's file (`vornak/wasm`,
   * `web/vornak.wasm`) as its bytes, as a URL (a `URL`, or its text; the
   * engine fetches it, and compiles it as it streams in where the server
   * gives it the type `application/wasm`; in node a `file:` URL is read),
   * or a `WebAssembly.Module` compiled already. An engine in a worker hands
   * it to its worker (a URL as its text, resolved against the page). Each
   * URL is compiled once for all engines made by the module.
   */
  wasm?: VornakBytes | string | VornakUrl | object;
}

/** A URL, as the `URL` of browsers and node. */
export interface VornakUrl {
  readonly href: string;
}

/**
 * An `AbortSignal`, as browsers and node make them (`AbortController`,
 * `AbortSignal.timeout()`): a call given one that is aborted, before its
 * answer, is rejected (thrown, on the calling thread) with a
 * {@link VornakError} of the code `aborted`, at once; an engine in a worker
 * drops the call if it has not begun it, and answers the next one after
 * it either way.
 */
export interface VornakAbortSignal {
  readonly aborted: boolean;
  readonly reason?: unknown;
  addEventListener(type: 'abort', listener: () => void, options?: { once?: boolean }): void;
  removeEventListener(type: 'abort', listener: () => void): void;
}

/** What every call takes: its `signal` (in its own options, or as the options of `run`, `formats` and `limits`). */
export interface VornakCallOptions {
  /** Aborts the call ({@link VornakAbortSignal}). */
  signal?: VornakAbortSignal | null;
}

/** A worker, as the browser's Worker or node's worker_threads Worker. */
export interface VornakWorkerHandle {
  postMessage(message: unknown, transfer?: unknown): void;
  terminate(): unknown;
}

export interface VornakWorkerOptions extends VornakOptions {
  /**
   * A worker that serves the engine: the package's worker file
   * (`vornak/worker`), {@link vornakWorkerScript}, or one that calls
   * {@link serveVornak}; the engine owns it from then on (its `terminate()`
   * ends the engine: the call it was at and every later one are rejected
   * with `worker-failed`). Left out, the
   * engine starts one itself: `vornak` in a browser from a blob: URL of
   * {@link vornakWorkerScript}, in node a worker thread; `vornak/client` the
   * worker file beside it (`vornak-worker.mjs`, as a module worker).
   */
  worker?: VornakWorkerHandle;
  /**
   * Hand the buffers of the bytes given over to the worker instead of
   * copying them (default false): they are detached in the caller (their
   * `byteLength` becomes 0). A view of a part of a buffer (a node `Buffer`
   * often is one, of a pool shared with others) is copied instead, so that
   * nothing beside it is taken from the caller; bytes above `inputLimit`
   * are not sent.
   */
  transfer?: boolean;
  /**
   * The milliseconds the worker may take to start (default 30000), or
   * `Infinity`; then it is ended and the promise rejected (`worker-timeout`).
   */
  startTimeout?: number;
}

/** The engine's limits and defaults, for a program to check and offer what the tool takes rather than to know it. */
export interface VornakLimits {
  /** The engine's `inputLimit` (1073741824 unless another was given; `Infinity` when that was). */
  inputLimit: number;
  /** The most bytes of a program or bank name that `compose` and `convert` write (27). */
  nameLength: number;
  /** The first program of the range `/P` gives when it is left out (0). */
  firstProgram: number;
  /** The last program of the range `/P` gives when it is left out (255). */
  lastProgram: number;
  /** The output of `compose` when none is asked for ('S'). */
  defaultFormat: VornakFormatLetter;
  /**
   * The most bytes (as UTF-8) of a file name, a part of a path between
   * slashes, as the tool's system takes them (255): a longer one is refused
   * there as the system refuses it (an export to it fails, an input of that
   * name is "No input file"; an input file given with such a name is a
   * `bad-option`).
   */
  fileNameLength: number;
  /** The most bytes of a whole path, likewise (4095). */
  pathLength: number;
  /** The most programs a bank holds (65536): `describe`'s list of programs and `compose`'s slots may not be longer. */
  mostPrograms: number;
  /** Every code a note may have. */
  noteCodes: VornakNoteCode[];
  /** Every reason a failure may have. */
  reasons: (VornakLoadReason | 'bad-request' | 'no-memory')[];
  /**
   * The models a memory image may be read as (the switches `/2.2` and
   * `/2.3`), for a page to offer: the `model` option takes one by its
   * `model` or its `number`.
   */
  models: VornakModelInfo[];
  /**
   * Each value of the listing's range, in the order of describe's
   * `parameterLabels.program` and `.group`: what `set` of a compose slot
   * takes for it.
   */
  values: { program: VornakValueRange<VornakProgramLabel>[]; group: VornakValueRange<VornakGroupLabel>[] };
  /**
   * Each value of a combi, in the listing's order (as describe's
   * `combiValues` give them): what a combi of convert's `edits` takes.
   */
  combiValues: VornakValueRange<VornakCombiLabel>[];
}

/**
 * The labels of a program's own values that the listing shows, in its
 * order (describe's `parameterLabels.program`): what the `program` part of
 * a compose slot's `set` takes.
 */
export type VornakProgramLabel = 'WAVETABLE' | 'KEYB-SPLIT' | 'KEYB' | 'TTUNE';

/**
 * The labels of a group's values that the listing shows, in its order
 * (describe's `parameterLabels.group`): what the `a` and `b` parts of a
 * compose slot's `set` take. The unlabelled columns of the listing's
 * `SEMIT`, `P:` and `GR:` lines are named by their position.
 */
export type VornakGroupLabel =
  | 'UW' | 'SW' | 'KW' | 'KF' | 'KL' | 'MW' | 'MF' | 'ML'
  | 'BD' | 'BI' | 'TW' | 'TF' | 'TL' | 'TM' | 'VF' | 'VL'
  | 'DETU' | 'MO' | 'MS' | 'EO' | 'ES' | 'SEMIT 1' | 'SEMIT 2' | 'SEMIT 3'
  | 'SEMIT 4' | 'SEMIT 5' | 'SEMIT 6' | 'SEMIT 7' | 'SEMIT 8' | 'P:1' | 'P:2' | 'P:3'
  | 'P:4' | 'P:5' | 'P:6' | 'P:7' | 'P:8' | 'P:9' | 'P:10' | 'P:11'
  | 'GR:1' | 'GR:2' | 'GR:3' | 'GR:4' | 'GR:5' | 'GR:6' | 'GR:7' | 'GR:8'
  | 'GR:9' | 'GR:10' | 'GR:11';

/**
 * The labels of a combi's values, as its listing (the CP lines) shows them:
 * the eight program numbers (`BK 1` to `BK 8`, 0..255), the keyboard mode
 * (`KBM`, shown as its low seven bits, 0..127), `MULTI` (0..255), and for
 * group a and group b the number of the BK entry it plays (`GR:a BK`,
 * 0..7), its `DET` (0..3) and its seven split keys (`GR:a SPL 1` to
 * `GR:a SPL 7`, 0..255; `SPL 1` is also the listing's `KEY`).
 */
export type VornakCombiLabel =
  | 'BK 1' | 'BK 2' | 'BK 3' | 'BK 4' | 'BK 5' | 'BK 6' | 'BK 7' | 'BK 8'
  | 'KBM' | 'MULTI'
  | 'GR:a BK' | 'GR:a DET' | 'GR:a SPL 1' | 'GR:a SPL 2' | 'GR:a SPL 3' | 'GR:a SPL 4' | 'GR:a SPL 5' | 'GR:a SPL 6' | 'GR:a SPL 7'
  | 'GR:b BK' | 'GR:b DET' | 'GR:b SPL 1' | 'GR:b SPL 2' | 'GR:b SPL 3' | 'GR:b SPL 4' | 'GR:b SPL 5' | 'GR:b SPL 6' | 'GR:b SPL 7';

/** A value of the listing and its whole range, one of {@link VornakLimits.values} (or of {@link VornakLimits.combiValues}). */
export interface VornakValueRange<Label extends string = VornakProgramLabel | VornakGroupLabel> {
  /** Its label, as describe's `parameterLabels` gives it ("P:3"). */
  label: Label;
  /**
   * The least value, in the units the listing shows (TTUNE 400 for the
   * stored 0; every other value as stored, 0).
   */
  min: number;
  /** The greatest value, likewise: the widest any format holds (TTUNE 499, P:3 63, KEYB 15). */
  max: number;
  /** Whether it is a switch: 0 or 1, listed as a single flag (VL, VF, MW, MS, MO, MF, ML, TF, TL, TM, TW, UW, EO, ES); false for every combi value. */
  flag: boolean;
}

/**
 * What the files of an output format hold of a value, in the units the
 * listing shows: the values from `min` to `max` in steps of `step` (a PPG
 * memory image keeps P:3 as 0, 2, … 62, P:2 as 0, 16, 32, 48; a 2.V bank
 * holds KEYB 0..3; a Corvel bank every whole number of the range).
 */
export interface VornakHeld {
  min: number;
  max: number;
  step: number;
  /**
   * How the format's writer keeps a value between two steps, whatever
   * file it was read from or however it was set (compose's `set`,
   * convert's `edits`): 'down', to the step below it (P:3 41 in steps of 2
   * is written 40, 43 in steps of 4 is 40); a value above `max` comes back
   * as `max`. So a value lands alike whether typed or converted, byte for
   * byte.
   */
  rounding: 'down';
  /**
   * Whether the files hold it once for the whole bank (a Halvic bank's
   * TTUNE): every program gives back the bank's, the last one set.
   */
  bankWide: boolean;
}

/** A model a memory image may be read as, one of {@link VornakLimits.models}. */
export interface VornakModelInfo {
  /** Its switch without the slash ('2.2'), as the `model` option takes it. */
  model: '2.2' | '2.3';
  /** Its number (2), as the `model` option takes it too. */
  number: 2 | 3;
  /** Its name, for people ("PPG Wave 2.2"). */
  name: 'PPG Wave 2.2' | 'PPG Wave 2.3';
  /** How many programs its memory holds (100 on a Wave 2.2, 87 on a Wave 2.3). */
  programs: number;
  /** How many combis its memory holds after its programs (none on a Wave 2.2, 20 on a Wave 2.3). */
  combis: number;
}

/**
 * The files a run wrote (new ones, and inputs it replaced or changed), by
 * their names relative to the run's folder, as the export switch named them
 * but without `./` and with `..` resolved (`/S./sub/../out.syx` gives
 * `out.syx`): an object without a prototype, so that only files are found in
 * it (`files.constructor` is `undefined` unless the run wrote a file of that
 * name).
 */
export type VornakWrittenFiles = { [name: string]: Uint8Array };

/** What a run printed and wrote. */
export interface VornakRunOutput {
  /** What the tool printed, as text by the text rule (see {@link bytesToText}). */
  stdout: string;
  /** What it printed, as bytes. */
  stdoutBytes: Uint8Array;
  /** Every file the run wrote. */
  files: VornakWrittenFiles;
}

/** One run of the tool: `ok` when its exit code is 0. */
export type VornakRunResult =
  | (VornakRunOutput & { ok: true; exitCode: 0 })
  | (VornakRunOutput & { ok: false; exitCode: VornakExitCode });

/** The model hint, as the switches `/2.2` and `/2.3` give it; left out, the data decide. */
export type VornakModel = '2.2' | '2.3' | 2 | 3;

/** A 2.V group, as the switch `/G` gives it. */
export type VornakGroup = 'A' | 'B';

/** The switch letter of an output format, as {@link Vornak.formats} answers them. */
export type VornakFormatLetter = 'S' | 'A' | 'B' | 'F' | 'N' | 'O' | 'M' | 'W';

export interface VornakDescribeOptions extends VornakCallOptions {
  /** Reads a memory image as this model (`/2.2`, `/2.3`); left out, the data decide. */
  model?: VornakModel | null;
  /**
   * Whose values `parameters` holds: every program's (true, the default),
   * none (false), or those of the program numbers listed (numbers the bank
   * does not have are passed over; each program once).
   */
  parameters?: boolean | readonly number[];
  /**
   * Which reports `conversions` holds: one for each output format (true, the
   * default), none (false), or only that of the format with this switch
   * letter, in either case.
   */
  conversions?: boolean | VornakFormatLetter | Lowercase<VornakFormatLetter>;
  /** The first program the conversion reports write, as `/P` gives it (default 0). */
  first?: number | null;
  /** The last program the conversion reports write, as `/P` gives it (default 255), not below `first`. */
  last?: number | null;
  /** The group the conversion reports write to a 2.V bank, as `/G` gives it (default 'A'). */
  group?: VornakGroup | null;
}

/**
 * What the tool notes about a file that loaded, and about a file a
 * conversion writes:
 *
 * | Code | |
 * |---|---|
 * | `bare-image` | the file has no header of a known kind and was read as a bare memory image: it is not 5120 bytes long, or bits that a PPG memory always leaves empty are set in it (probably not a program bank) |
 * | `short-dump` | a SysEx dump that ends before the 5120 bytes of a program memory: which programs and combis are complete in the model it was read as, and which combis are lost. Where its closing F7 comes early, bytes may as well have been lost on the way, and the note says that then nothing of it can be trusted |
 * | `damaged-dump` | a SysEx dump whose nibble stream is broken: bytes lost or added (its F7 does not follow the 10,240 data bytes of a memory; where, the dump does not say), or a status byte inside (the byte and where it stands; in a dump of the right length what it spoils, else what came through before it) |
 * | `missing-end` | a SysEx dump with all its data but no closing F7 |
 * | `real-time-bytes` | MIDI real-time bytes (F8 to FF: clock, active sensing) inside a SysEx dump, skipped as MIDI allows: how many, and where |
 * | `trailing-bytes` | bytes after the data, not read |
 * | `count-mismatch` | a header that announces more than the file holds (a 2.V bank whose data hold fewer programs than it counts, a Waveterm B file shorter than its data length) |
 * | `partial-image` | Waveterm A load records that fill only part of the program memory; the rest is read as zeros |
 * | `short-chunk` | a Halvic bank whose memory area is shorter than the plug-in writes, though long enough for the program memory |
 * | `cut-names` | names longer than the 27 characters Vornak keeps, cut |
 * | `out-of-range` | 2.V parameters that stand for no value (not a number, below 0, or above 1 and no quotient of a whole value), read as the nearest: how many, and the programs that hold them, which are not to be trusted |
 * | `reads-as-other-format` | (a written file) the tool would recognise it as another format, so its programs would not come back |
 * | `needs-model-switch` | (a file that loaded) a memory image read as a Wave 2.3 memory because a combi is marked in use, though bits that a Wave 2.3 memory leaves empty are set in it and, read as a Wave 2.2 memory, it sets none: if it came from a Wave 2.2, `/2.2` reads it as one. (A written file) the memory image reads back as the other model without `/2.2` or `/2.3`; a Waveterm A file takes no switch: the programs it cannot bring back are counted in `dropped`, and a Wave 2.3 memory comes back with 13 programs more, made of its combis' bytes |
 */
export type VornakNoteCode =
  | 'bare-image'
  | 'short-dump'
  | 'damaged-dump'
  | 'missing-end'
  | 'real-time-bytes'
  | 'trailing-bytes'
  | 'count-mismatch'
  | 'partial-image'
  | 'short-chunk'
  | 'cut-names'
  | 'out-of-range'
  | 'reads-as-other-format'
  | 'needs-model-switch';

/** Something a careful user should know about a file. */
export interface VornakNote {
  /** What kind of thing it is. */
  code: VornakNoteCode;
  /** The same in plain words, with the numbers of the file. */
  text: string;
}

/**
 * One program's values as numbers in the units the listing shows (`TTUNE`
 * is 440 for the stored 40), as a compose slot's `set` takes them.
 */
export interface VornakProgramValues {
  /** The program's number, from 0. */
  number: number;
  /** Its own values, by the labels of `parameterLabels.program`. */
  program: number[];
  /** Group A's values, by the labels of `parameterLabels.group`. */
  a: number[];
  /** Group B's values, by the labels of `parameterLabels.group`. */
  b: number[];
}

/**
 * What writing a bank in one output format keeps of it, found by writing
 * the bank with the format's own writer and reading the bytes back as the
 * tool reads a file, without a model switch; where the file does not read
 * back as written, a note says so, and the values are compared with the file
 * read as what it was written as.
 */
export interface VornakConversionReport {
  /** The format's switch letter. */
  letter: VornakFormatLetter;
  /** How many of the bank's programs the file holds. */
  programs: number;
  /** The first of them; the others follow it in order. */
  first: number;
  /** The program slots the file has: 100 in a memory image (87 when it holds combis), 128 in a 2.V bank, the bank's programs in a Corvel bank. */
  slots: number;
  /**
   * Slots that get the format's fill program, the default program (named
   * "Basic 2.2" in a 2.V bank). For a bank that compose builds, its empty
   * slots count here, with the format's slots beyond the bank, and
   * `programs` counts the slots that take a program.
   */
  filled: number;
  /** Memory image slots left as zero bytes, when the bank has fewer programs than the image holds. */
  blank: number;
  /**
   * Whether every program name written comes back as the file gave it (a
   * memory image's own names, "PPG Program 012", count as kept; program
   * names written that were cut to 27 characters when the file was read do
   * not).
   */
  names: boolean;
  /** The combis the file holds. */
  combis: number;
  /**
   * What does not come back, in words: "program names of 3 programs",
   * "group B of 2 programs", "all 5 combis", "the exact values of 1 combi
   * (cut to what the format holds)", "the bank name", …
   */
  dropped: string[];
  /** How the file reads back where not as written (`reads-as-other-format`, `needs-model-switch`). */
  notes: VornakNote[];
  /**
   * The programs written that cannot be trusted, by their numbers in the
   * bank written from (for `compose`, the slots), ascending: those whose
   * values the file they come from does not wholly and reliably hold (its
   * `untrusted`, as describe answers it); [] when none. The sentence says
   * them ("52 cannot be trusted (programs 48 to 99)").
   */
  untrusted: number[];
  /** The whole report as one sentence, as the page shows it. */
  text: string;
}

/**
 * The formats a file is recognised as (and, for a file that did not load,
 * "FXB bank": an FXB file that did not hold together).
 */
export type VornakInputFormat =
  | 'V8 SysEx dump'
  | 'Waveterm A file'
  | 'Waveterm B file'
  | 'Waldorf 2.V parameter bank'
  | 'Waldorf 2.V chunk bank'
  | 'Halvic bank'
  | 'Corvel bank'
  | 'FXB bank'
  | 'PPG memory image';

/**
 * What a failure to load may have recognised beside the formats of banks: a
 * FLEX disk image, which holds files, not a bank ({@link Vornak.disk} lists
 * and reads them).
 */
export type VornakContainerFormat = 'FLEX disk image';

/** What a file that loaded holds. */
export interface VornakBankDescription {
  ok: true;
  exitCode: 0;
  reason: '';
  message: '';
  explanation: '';
  /** The format recognised. */
  format: VornakInputFormat;
  /**
   * Whether the file holds program names: a format whose files keep names.
   * Where it does not (a SysEx dump, a Waveterm file, a memory image, a
   * Halvic bank), every name is the image's own, "PPG Program 012".
   */
  holdsNames: boolean;
  /** Whether the file holds files rather than a bank: false for a bank. */
  holdsFiles: false;
  /** What a careful user should know about the file. */
  notes: VornakNote[];
  /**
   * "damaged" when the file's data are broken (a SysEx nibble stream with a
   * byte lost, added or replaced), "cut" when the file ends before all its
   * data (a short dump, load records that leave part of the memory unfilled,
   * a header that announces more than the file holds), "" otherwise: notes
   * such as bytes after the data or a bare image are no damage.
   */
  damage: '' | 'cut' | 'damaged';
  /**
   * The program numbers, ascending, whose values the file does not wholly
   * and reliably hold (every program of a dump that lost or gained bytes,
   * those after a status byte added to it or the one a status byte spoils,
   * those not wholly in a cut one, the default programs of a 2.V bank beyond
   * its data, 2.V programs with parameters that stand for no value); [] for
   * a whole bank.
   */
  untrusted: number[];
  /**
   * The switch letter of the output format whose files are of this file's
   * format and layout ('S' for a SysEx dump, 'A' for a Waveterm A file, 'B'
   * for a Waveterm B file or a bare memory image, 'N' for a 2.V parameter
   * bank, 'F' or 'O' for a 2.V chunk bank by its version, 'M' for a Halvic
   * bank, 'W' for a Corvel bank), or null where none writes such files: a
   * copy of the bank in its own format is a compose in that format.
   */
  writesAs: VornakFormatLetter | null;
  /** "2.V" for a 2.V bank, else "2.3" for a bank of up to 87 programs and "2.2" for a larger one, as the listing's header says. */
  model: '2.2' | '2.3' | '2.V';
  /** The same in words. */
  modelName: 'PPG Wave 2.2' | 'PPG Wave 2.3' | 'Waldorf 2.V';
  /** The bank's name as the listing shows it, "" when it has none. */
  bankName: string;
  /** How many programs the bank has. */
  programs: number;
  /** How many combis it has. */
  combis: number;
  /** How many of the combis are marked in use. */
  combisInUse: number;
  /** The program names as the listing shows them (control bytes as `?`). */
  names: string[];
  /**
   * Each program's sound: everything it holds but its name, at the
   * resolution it was read with (both groups, wavetable, keyboard, tuning,
   * and the values only a 2.V or Corvel bank keeps). Two sounds are equal
   * exactly when the programs are, whatever their names and whatever files
   * they came from. The text is the program's record, then each value the
   * record alone would not give (`;p13=45`, `;a0=63`).
   */
  sounds: string[];
  /**
   * Each program's 51-byte packed record, as a PPG memory stores it (both
   * groups, wavetable and keyboard, some values at a coarser step), as 102
   * hexadecimal digits; for a memory image (a dump, a Waveterm or Halvic
   * bank) the 51 bytes it stores, bits that no value holds included: equal
   * records are programs the instrument holds alike, though they may differ
   * in values only a 2.V or Corvel bank keeps.
   */
  records: string[];
  /**
   * For each program, the sound of the 2.V program that a 2.V bank makes of
   * its group A and of its group B, found by the 2.V writer and reader
   * themselves. A 2.V program keeps itself either way, so a 2.V program
   * written from group B of another has, for `A`, what that one has for `B`.
   */
  keptBy2V: { A: string; B: string }[];
  /**
   * The labels of the values the listing shows, each once, in the listing's
   * order: the program's own (`WAVETABLE`, `KEYB-SPLIT`, `KEYB`, `TTUNE`) and
   * one group's (`UW`, `SW`, …, `SEMIT 1` to `SEMIT 8`, then `P:1` to `P:11`
   * and `GR:1` to `GR:11`, the unlabelled columns of the listing's `P:` and
   * `GR:` lines, named by their position).
   */
  parameterLabels: { program: VornakProgramLabel[]; group: VornakGroupLabel[] };
  /** The values of the programs asked for (`parameters` of the options), in program order. */
  parameters: VornakProgramValues[];
  /**
   * Every combi of the bank (20 in a Wave 2.3 memory, none in a Wave 2.2
   * memory or a 2.V bank), in order, with its values as the listing shows
   * them: what convert's `edits` set for a combi.
   */
  combiValues: VornakCombiValues[];
  /**
   * What writing the bank in each output format keeps, one report for each
   * (or for the one format asked for), in the order of
   * {@link Vornak.formats}, for the range and group of the options; left
   * out with `conversions: false`.
   */
  conversions?: VornakConversionReport[];
}

/** Why a file did not load. */
export interface VornakLoadFailure {
  ok: false;
  /** The tool's exit code for loading the file. */
  exitCode: VornakExitCode;
  /** Why, as a code. */
  reason: VornakLoadReason;
  /** The tool's message, "" when it printed none (a damaged Corvel bank has only a code). */
  message: string;
  /** Why the file did not load, in plain words with what to try. */
  explanation: string;
  /** The format recognised ("" when none was), also when reading it then failed. */
  format: VornakInputFormat | VornakContainerFormat | '';
  /** Whether the format recognised holds program names. */
  holdsNames: boolean;
  /**
   * Whether the file is a disk image, which holds files rather than a bank
   * (reason `not-a-bank`, or why the image cannot be read):
   * {@link Vornak.disk} lists it and gives each file's bytes, which
   * `describe` reads as the banks they are.
   */
  holdsFiles: boolean;
  /** Empty. */
  notes: VornakNote[];
}

/** What one file holds, as the tool loads it, or why it did not load. */
export type VornakDescription = VornakBankDescription | VornakLoadFailure;

export interface VornakListingOptions extends VornakCallOptions {
  /** Reads a memory image as this model (`/2.2`, `/2.3`); left out, the data decide. */
  model?: VornakModel | null;
  /** The first program listed (`/P`); left out, the tool's default. */
  first?: number | null;
  /** The last program listed (`/P`), not below `first`; left out, the tool's default. */
  last?: number | null;
}

/** A listing: `ok` when the tool's exit code is 0; `text` what it printed (its banner first). */
export type VornakListing = { ok: true; exitCode: 0; text: string } | { ok: false; exitCode: VornakExitCode; text: string };

export interface VornakSimilarOptions extends VornakCallOptions {
  /** How many sounds to find, from 1 to `limits().mostPrograms` (65,536; default 5). */
  count?: number | null;
}

/** A sound found near another. */
export interface VornakNeighbour {
  /** Its place in the list searched. */
  index: number;
  /** How far it is: each value's difference over its own range, added up (a different wavetable or switch counts 1). */
  distance: number;
}

/** A combi of a bank, one of describe's `combiValues`. */
export interface VornakCombiValues {
  /** Its number, from 0 (the listing's CP number). */
  combi: number;
  /** Whether it is marked in use: the listing shows only those that are. */
  used: boolean;
  /** Its name as the listing shows it ("" but in a Corvel bank that names it). */
  name: string;
  /**
   * Its values, by label, in the listing's units. The `BK` entries are
   * program numbers of the bank (describe's `names` name them).
   */
  values: { [label in VornakCombiLabel]: number };
}

/** An output format, in the engine's words, one for each export switch. */
export interface VornakFormat {
  /** Its export switch letter, upper case. */
  letter: VornakFormatLetter;
  /** Its name, for people choosing an output ("V8 SysEx dump"). */
  name: string;
  /** The extension of the files it writes, with its dot (".syx"). */
  extension: string;
  /** Whether `/P` (`first` and `last` of `convert`) chooses the programs written. */
  range: boolean;
  /** Whether `/G` (`group` of `convert`) chooses the group written. */
  group: boolean;
  /** The most programs a bank built by `compose` may have in it: 100 for a memory image (a built bank has no combis), 128 for a 2.V bank, 65536 for a Corvel bank. */
  capacity: number;
  /** How many groups of a program its files hold (a 2.V bank holds one). */
  groups: 1 | 2;
  /** The labels of the listed values its files do not hold ("KEYB-SPLIT" in a 2.V bank, "TTUNE" in a memory image). */
  valuesNotHeld: string[];
  /** Whether it keeps program names (the memory image formats, S, A, B and M, do not). */
  names: boolean;
  /**
   * The sound (as describe answers `sounds`) of the program its files hold
   * in the slots a bank has no program for (compose's null slots, a range
   * shorter than the file).
   */
  fillSound: string;
  /** The sound of a memory image slot its files leave blank (zero bytes); null when they leave none. */
  blankSound: string | null;
  /**
   * What its files hold of each value of the listing, by label: the values
   * they keep ({@link VornakHeld}), or null where they keep none of it
   * (TTUNE in a memory image, KEYB-SPLIT in a 2.V bank). A 2.V bank holds
   * one group: the group values are those of the group it receives.
   */
  values: { program: { [label in VornakProgramLabel]: VornakHeld | null }; group: { [label in VornakGroupLabel]: VornakHeld | null } };
  /** The SysEx dump only: the MIDI message its file is, the bytes that begin it ([240, 41, 1, 13]) and its size (10245). */
  dump?: { header: number[]; size: number };
}

/** A slot of a bank that `compose` builds: a program of one of the banks given. */
export interface VornakComposeSlot {
  /** The bank's name among `banks`. */
  bank: string;
  /** The program's number in that bank, from 0. */
  program: number;
  /** A new name (text by the text rule: at most 27 bytes, none a control byte); left out, the program keeps its own. */
  name?: string | null;
  /**
   * New values for the program: its own (`program`) and group A's and B's
   * (`a`, `b`), by the labels of describe's `parameterLabels`, in the units
   * the listing shows (TTUNE 400..499), whole numbers; the same whatever the
   * output format. Each is written as the format's writer writes the same
   * value read from any other file: down to the step below it, within its
   * `min`..`max` ({@link VornakFormat.values}, {@link VornakHeld.rounding});
   * `report.rounded` lists those that come
   * back otherwise than asked. A value the format does not hold at all (or
   * a group a 2.V bank does not receive) is set but does not come back, as
   * the report's `dropped` says. A label the listing does not show, or a
   * value outside the label's range ({@link VornakLimits.values}), is a
   * `bad-request`; a `set` of another form (a part other than these three,
   * a value that is not a whole number) throws `bad-option`.
   */
  set?: {
    program?: { [label in VornakProgramLabel]?: number };
    a?: { [label in VornakGroupLabel]?: number };
    b?: { [label in VornakGroupLabel]?: number };
  } | null;
}

/** @deprecated The former name of {@link VornakComposeSlot}. */
export type VornakSlot = VornakComposeSlot;

/** A value set in a compose slot that the file gives back otherwise than asked. */
export interface VornakRounded {
  /** The slot, from 0. */
  slot: number;
  /** Which of the slot's `set` it was given in. */
  part: 'program' | 'a' | 'b';
  /** Its label. */
  label: VornakProgramLabel | VornakGroupLabel;
  /** The value asked for. */
  asked: number;
  /** The value the file gives back, in the listing's units. */
  written: number;
}

/** What a bank built by `compose` keeps: the conversion report, and the values set that were rounded. */
export interface VornakComposeReport extends VornakConversionReport {
  /** The values set that the file gives back otherwise than asked, in slot order; [] when none. */
  rounded: VornakRounded[];
}

export interface VornakComposeRequest extends VornakCallOptions {
  /** The banks the programs come from, by name. */
  banks: VornakFiles;
  /** The new bank's slots in order; null is a slot the format fills. */
  programs: ReadonlyArray<VornakComposeSlot | null>;
  /** The output format's switch letter, in either case (default `limits().defaultFormat`, 'S'). */
  format?: VornakFormatLetter | Lowercase<VornakFormatLetter>;
  /** How memory images among the banks are read. */
  model?: VornakModel | null;
  /** The group a 2.V output receives (default 'A'). */
  group?: VornakGroup | null;
  /** The new bank's name, where the format keeps one (at most 27 bytes, no control bytes). */
  bankName?: string | null;
}

/** A bank that `compose` built, or why it could not. */
export type VornakComposeResult =
  | {
      ok: true;
      exitCode: 0;
      reason: '';
      message: '';
      /** The file, as the format's export writes it. */
      bytes: Uint8Array;
      /** What the file keeps of the built bank. */
      report: VornakComposeReport;
      /**
       * The sound of each slot's program as the file gives it back (as
       * describe answers `sounds`), for the slots the file holds: what a
       * program edited with `set` sounds like in the format, without
       * reading the file again.
       */
      sounds: string[];
      /** Each slot's packed record as the file gives it back (as describe answers `records`), likewise. */
      records: string[];
    }
  | {
      ok: false;
      /**
       * 1 for a request that cannot be met or when the engine's memory runs
       * out, the tool's exit code for a bank that cannot be read, 2 for a
       * bank above `inputLimit`.
       */
      exitCode: VornakExitCode;
      /**
       * `bad-request` for the request itself (no slots, more slots than the
       * format's `capacity`, a slot that names a bank not given or a program
       * the bank does not have, a name too long, with a control byte or with
       * a character that stands for no byte, a label of `set` that the
       * listing does not show or a value beyond its range), a bank's load
       * failure, or
       * `no-memory` ("The file could not be made: there is not enough memory.").
       */
      reason: VornakLoadReason | 'bad-request' | 'no-memory';
      /** What stands in the way, in words ("Slot 0: the bank "a.syx" has no program 99 (it holds 87, numbered from 0)."). */
      message: string;
      bytes: null;
    };

export interface VornakConvertOptions extends VornakCallOptions {
  /** The output format's switch letter, in either case; required. */
  to: VornakFormatLetter | Lowercase<VornakFormatLetter>;
  /** The first program written (`/P`), where the format takes a range; default 0. */
  first?: number | null;
  /** The last program written (`/P`), not below `first`; default 255. */
  last?: number | null;
  /** The group written (`/G`), where the format takes one; default 'A'. */
  group?: VornakGroup | null;
  /** Reads a memory image as this model (`/2.2`, `/2.3`); left out, the data decide. */
  model?: VornakModel | null;
  /** The input's file name, for `fileName` (default "bank"). */
  name?: string | null;
  /**
   * New names for the programs, by their numbers (null keeps a program's
   * own): the bank is written by the format's writer with these names, and
   * the report (`keeps`) is that of the bank so renamed, so that a format
   * without names says it does not keep them. A name the bank model cannot
   * hold (more than 27 bytes, a control byte, a character that stands for
   * no byte) is answered with `reason` `bad-request`.
   */
  names?: readonly (string | null)[] | null;
  /**
   * Edits of the bank's programs and combis, by their numbers: the bank is
   * read as without them, edited, and written whole as a plain convert
   * writes it (combis, model, names, bank name and settings, every bit it
   * keeps; `first`, `last`, `group` and `names` as without them). Its
   * report (`keeps`) is that of the bank so edited, and `keeps.rounded`
   * lists the values set that come back otherwise than asked.
   */
  edits?: VornakEdits | null;
}

/**
 * The edits of a bank that `convert` writes. A program or combi the bank
 * does not hold (a combi of a bank that holds none: a Wave 2.2 memory, a
 * 2.V bank), a label its listing does not show, or a value beyond its range
 * ({@link VornakLimits.values}, {@link VornakLimits.combiValues}) is a
 * `bad-request`, in words; an edit of another form (a key that is no
 * number, a value that is not a whole number, a sound that is no sound)
 * throws `bad-option`.
 */
export interface VornakEdits {
  /** The programs edited, by their numbers (from 0). */
  programs?: { [program: number]: VornakProgramEdit } | null;
  /**
   * The combis edited, by their numbers (from 0): new values by label, in
   * the units the listing shows. A combi given any value is marked in use
   * (a combi not in use is not listed, so a value set in it could not be
   * seen): editing a combi of an unused slot makes it one.
   * Every format that holds combis holds each of these values whole.
   */
  combis?: { [combi: number]: { [label in VornakCombiLabel]?: number } } | null;
}

/** The edit of one program of a bank that `convert` writes. */
export interface VornakProgramEdit {
  /**
   * A sound (as describe answers `sounds`) that replaces everything the
   * program holds but its name, before its values are set: a program blended
   * from another, for one.
   */
  sound?: string | null;
  /**
   * New values, as compose's `set` takes them
   * ({@link VornakComposeSlot.set}): by label, in the listing's units, each
   * written as the format's writer keeps it ({@link VornakHeld.rounding}).
   */
  program?: { [label in VornakProgramLabel]?: number } | null;
  /** New values of group A, likewise. */
  a?: { [label in VornakGroupLabel]?: number } | null;
  /** New values of group B, likewise. */
  b?: { [label in VornakGroupLabel]?: number } | null;
}

/** A value of convert's `edits` that the file gives back otherwise than asked. */
export interface VornakEditRounded {
  /** The program's number in the bank. */
  program: number;
  /** Which of its edit it was given in. */
  part: 'program' | 'a' | 'b';
  /** Its label. */
  label: VornakProgramLabel | VornakGroupLabel;
  /** The value asked for. */
  asked: number;
  /** The value the file gives back, in the listing's units. */
  written: number;
}

/** What the file that `convert` writes keeps of the bank, with its edits. */
export interface VornakConvertReport extends VornakConversionReport {
  /**
   * Given `edits` (an empty one too): the values set that the file gives
   * back otherwise than asked, in the order given; [] when none. Left out
   * without `edits`, so that the report is the one describe's
   * `conversions` gives for the bank. A value held
   * once for the whole bank (a Halvic bank's TTUNE) that replaced the own
   * value of other programs lists them too, as compose's `rounded` does.
   */
  rounded?: VornakEditRounded[];
}

/** A bank converted, or why it could not be. */
export type VornakConvertResult =
  | {
      ok: true;
      exitCode: 0;
      reason: '';
      message: '';
      explanation: '';
      /** The file, byte for byte as the tool's export writes it. */
      bytes: Uint8Array;
      /** `name` with the format's extension in place of its own (the part from its last dot): "demo23.syx" to O is "demo23.fxb". */
      fileName: string;
      /** What the file keeps of the bank: the conversion report for the format, range and group. */
      keeps: VornakConvertReport;
      /** What the tool notes about the input. */
      notes: VornakNote[];
    }
  | {
      ok: false;
      /** The tool's exit code (1 for a name or an edit refused, or a file that could not be made). */
      exitCode: VornakExitCode;
      /** The load's failure; `bad-request` for a name or an edit refused; `no-memory` when the file could not be made. */
      reason: VornakLoadReason | 'bad-request' | 'no-memory';
      /**
       * The tool's message for a file that does not load, never the banner
       * before it ("" when it prints none); for a name refused or a file that
       * could not be made, the same words as `explanation`.
       */
      message: string;
      /** The failure in plain words, with what to try. */
      explanation: string;
      bytes: null;
    };

export interface VornakDiskOptions extends VornakCallOptions {
  /** Reads the memory images among the disk's files as this model (`/2.2`, `/2.3`); left out, the data decide. */
  model?: VornakModel | null;
}

/** One file of a disk, as the tool lists it. */
export interface VornakDiskFile {
  /** Its name on the disk, "NAME.EXT" (a byte other than printable ASCII as `?`). */
  name: string;
  /** Its date as the directory gives it, as the tool shows it: "03-09-87" (month, day, two-digit year). */
  date: string;
  /** Its sectors, as the directory counts them. */
  sectors: number;
  /** The bytes of `bytes`: 252 a sector of its chain; 0 when it cannot be read. */
  size: number;
  /**
   * What it holds: a bank of a format the engine reads, no bank (the loader
   * refuses it, or none of its programs is whole in it, or it has no header
   * and is no clean PPG memory), or nothing that can be read (its chain
   * cannot be followed, or the files before it took as many sectors as the
   * disk holds).
   */
  holds: 'bank' | 'not-a-bank' | 'unreadable';
  /** The same in words: the bank's format ("Waveterm A file"), "not a bank", "cannot be read" or "not read". */
  kind: string;
  /** A bank's format; "" for any other file. */
  format: VornakInputFormat | '';
  /** A bank's programs; 0 for any other file. */
  programs: number;
  /** A bank's combis in use. */
  combis: number;
  /**
   * Why it is no bank or cannot be read; for a bank, why its bytes may not
   * be the file's as written or its programs not all whole; "" when there
   * is nothing to say.
   */
  why: string;
  /**
   * The file as FLEX copies it off the disk (every sector's 252 bytes, in
   * chain order), as `describe`, `convert` and the others take it; null
   * when it cannot be read.
   */
  bytes: Uint8Array | null;
}

/** What a disk image holds, as the tool lists it for `vornak disk.dsk`, or why it cannot be read. */
export type VornakDisk =
  | {
      ok: true;
      exitCode: 0;
      reason: '';
      message: '';
      explanation: '';
      /** The kind of image: "raw sector image" or "ImageDisk image". */
      image: string;
      /** The volume label. */
      label: string;
      /** The volume number. */
      volume: number;
      /** The disk's date, as the tool shows it ("07-14-86"). */
      date: string;
      /** Its tracks. */
      tracks: number;
      /** Its sectors a track, both sides together on a double-sided disk. */
      sectorsPerTrack: number;
      /** The free sectors, as its System Information Record counts them. */
      freeSectors: number;
      /** How many of its files are banks. */
      banks: number;
      /** What is worth knowing about the disk as a whole, in words. */
      notes: string[];
      /** Its files in directory order, deleted ones left out. */
      files: VornakDiskFile[];
    }
  | {
      ok: false;
      /** The tool's exit code: 6 for a file that is no disk image it reads, 5 for a damaged one, 1 or 2 as for any input. */
      exitCode: VornakExitCode;
      reason: VornakLoadReason;
      /** The tool's message ("Not a disk image"). */
      message: string;
      /** Why, in plain words, with what to try. */
      explanation: string;
    };

/**
 * An engine on the calling thread, made by {@link createVornak}: its
 * functions answer at once, and block the thread while they work. `run` is
 * the tool itself; the others answer the same library's findings as data.
 */
export interface Vornak {
  /**
   * One run of the tool, as a new process of it: the command line without
   * the program name, and the input files. The run's folder holds its input
   * files and nothing else, with the bank in its start-up state; nothing a
   * run writes survives it but through its answer. Everywhere outside that
   * folder the file system is read-only to the tool: an export name that is
   * absolute or climbs out of the folder with `..` is a failed export (exit
   * code 1, nothing printed after the banner), as is any export the tool
   * cannot write. Paths
   * are taken as the tool's system takes them ({@link VornakLimits.pathLength},
   * and `in.syx/`, `in.syx/.` or `in.syx/../out.syx` do not go through a
   * file `in.syx` as if it were a folder). Of the devices, `/dev/null` and
   * the standard streams are there: `/dev/stdin` is an empty input; a
   * terminal or a random device cannot be opened.
   */
  run(args: readonly string[], files?: VornakFiles | null, options?: VornakCallOptions | null): VornakRunResult;
  /** Loads one file as the tool would and says what it holds. `name` is only a name: the bytes decide the format. */
  describe(name: string, bytes: VornakBytes, options?: VornakDescribeOptions | null): VornakDescription;
  /** The output formats, in the order they are offered to people. */
  formats(options?: VornakCallOptions | null): VornakFormat[];
  /** The engine's limits and defaults. */
  limits(options?: VornakCallOptions | null): VornakLimits;
  /**
   * Builds a new bank from programs of the banks given and writes it in one
   * format. The built bank holds the programs of its slots with all their
   * values, under their new names where given; an empty slot gets the
   * format's fill program, the default program, named "Basic 2.2" in a 2.V
   * bank and "Basic" in a Corvel bank. It holds no combis: a memory image of
   * it holds up to 100 programs and is a Wave 2.2 memory, its slots beyond
   * the bank's programs left as zero bytes (the report's `blank`); when a
   * bank that a slot takes a program from has combis in use, the report's
   * `dropped` says so. A bank built of 2.V programs only is a 2.V bank. Its
   * bank-wide 2.V settings are those that the first program taken from a
   * bank carries; the defaults when every slot is empty. The answer says
   * what the file gives back of each slot (`sounds`, `records`), so that an
   * edited program needs no second call to be read.
   */
  compose(request: VornakComposeRequest): VornakComposeResult;
  /**
   * Writes the bank in `bytes` in another format: the file that the tool's
   * export writes, byte for byte (`/<letter>`, with `/P`, `/G` and `/2.x`
   * from the options where the format takes them), with what it keeps of
   * the bank and the notes about the input. The bank is read once and
   * written once. With `edits`, the bank read is edited before it is
   * written: the same file as a plain convert of a bank that held those
   * values.
   */
  convert(bytes: VornakBytes, options: VornakConvertOptions): VornakConvertResult;
  /**
   * The sounds among `sounds` (as `describe` answers them) nearest to
   * `sound`, nearest first, by the engine's distance over every value the
   * programs hold: each value's difference over its own range, a different
   * wavetable and each switch of a group counting one whole value. Sounds
   * equal to `sound` are left out. `sounds` is a list, or one text of them
   * a line (its lines split at each line break; a line break at its end
   * ends the last line): a text crosses to a worker as one string, where a
   * list of many thousand sounds is copied string by string. An answer's
   * `index` is the place in the list, or the number of the line. The
   * sounds are read once: a later call with an equal list (the same strings
   * in the same order) or an equal text searches them again at once, and a
   * worker engine does not send them again. A line that is no sound is
   * passed over; `sound` itself must be one, its values within their
   * ranges.
   */
  similar(sound: string, sounds: readonly string[] | string, options?: VornakSimilarOptions | null): VornakNeighbour[];
  /**
   * The tool's listing of the bank, as it prints it (its banner first) for
   * `vornak [/P…] [/2.x] name`; `ok` false and the tool's message for a file
   * it cannot read. `name` is only a name, as for `describe`.
   */
  listing(name: string, bytes: VornakBytes, options?: VornakListingOptions | null): VornakListing;
  /**
   * What a FLEX disk image holds (a raw sector image or an ImageDisk file,
   * as the Waveterm A's disks are kept), as the tool lists it for `vornak
   * disk.dsk`: the disk, and each file with what it holds and its bytes as
   * copied off the disk, which every other call reads as the file it is
   * (`describe` of a file's bytes answers what `vornak disk.dsk/NAME.EXT`
   * lists). However its links run, the files read together take no more
   * sectors than the disk holds. Any other file is answered `ok` false
   * ("Not a disk image"); `describe` says of a file whether it is one
   * (`holdsFiles`).
   */
  disk(bytes: VornakBytes, options?: VornakDiskOptions | null): VornakDisk;
  /**
   * Lets go of the engine and its memory (a worker is ended); every later
   * call throws (rejects, in a worker) a {@link VornakError} with the code
   * `disposed`, and so do calls that still wait for a worker.
   */
  dispose(): void;
}

/**
 * An engine in a worker, made by {@link createVornakWorker}: the same
 * functions as {@link Vornak}, answered by promises, which never block the
 * calling thread. The answers and refusals are those of an engine on the
 * calling thread (what JSON cannot carry is refused before anything is
 * sent, the rest by the worker's engine), and the promises are rejected
 * when the worker dies (`worker-failed`) or a call's signal is aborted
 * (`aborted`).
 */
export interface VornakWorker {
  run(args: readonly string[], files?: VornakFiles | null, options?: VornakCallOptions | null): Promise<VornakRunResult>;
  describe(name: string, bytes: VornakBytes, options?: VornakDescribeOptions | null): Promise<VornakDescription>;
  formats(options?: VornakCallOptions | null): Promise<VornakFormat[]>;
  limits(options?: VornakCallOptions | null): Promise<VornakLimits>;
  compose(request: VornakComposeRequest): Promise<VornakComposeResult>;
  convert(bytes: VornakBytes, options: VornakConvertOptions): Promise<VornakConvertResult>;
  similar(sound: string, sounds: readonly string[] | string, options?: VornakSimilarOptions | null): Promise<VornakNeighbour[]>;
  listing(name: string, bytes: VornakBytes, options?: VornakListingOptions | null): Promise<VornakListing>;
  disk(bytes: VornakBytes, options?: VornakDiskOptions | null): Promise<VornakDisk>;
  /** Ends the worker; calls that wait and every later call are rejected. */
  dispose(): void;
}

/** The tool's version, as its banner prints it ("1.10"; the package's version is 1.10.0); also alone as `vornak/version`. */
export declare const version: string;

/** Creates an engine that runs on the calling thread. */
export declare function createVornak(options?: VornakOptions | null): Promise<Vornak>;

/**
 * Creates an engine that runs in a Web Worker, or in node in a worker
 * thread (see {@link VornakWorkerOptions.worker}).
 */
export declare function createVornakWorker(options?: VornakWorkerOptions | null): Promise<VornakWorker>;

/**
 * Text by the engine's text rule. The tool prints bytes, and program names
 * may hold any byte: each byte is one character by one fixed table, the
 * WHATWG `windows-1252` decoding (bytes below 0x80 and from 0xA0 up are the
 * Unicode characters of the same number, 0x80 to 0x9F the windows-1252
 * characters, and the control character of the same number for 0x81, 0x8D,
 * 0x8F, 0x90 and 0x9D). The 256 characters all differ, so
 * {@link textToBytes} gives the bytes back. The tool shows the control bytes
 * 0x01 to 0x1F and 0x7F of a name as `?`; `describe` decodes its names by the
 * same rule. Arguments and file names reach the tool as UTF-8, so a name
 * beyond ASCII, echoed by `/v`, reads as its UTF-8 bytes, one character
 * each. Node's own `TextDecoder('windows-1252')` decodes as ISO 8859-1
 * (0x80 to 0x9F differ): use this.
 */
export declare function bytesToText(bytes: VornakBytes): string;

/** The bytes of text that {@link bytesToText} made; a RangeError (`bad-option`) for a character that stands for no byte. */
export declare function textToBytes(text: string): Uint8Array;

/**
 * The classic script that runs an engine in a worker: for `new Worker(…)`
 * from a blob: URL, or in node with `{ eval: true }`.
 */
export declare const vornakWorkerScript: string;

/**
 * Answers createVornakWorker's requests in a worker of one's own, after
 * importing the module: its global scope (`self`), or node's `parentPort`.
 * The package's worker files are just that. Anything else is a
 * `bad-option`.
 */
export declare function serveVornak(port: object): void;

export default createVornak;
