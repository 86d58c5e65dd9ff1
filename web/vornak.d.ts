// Types of the vornak package (web/vornak.mjs, and web/vornak-node.mjs for
// node). The README's section "The engine's interface" describes each one.

/**
 * What an error of the engine is: "bad-option" (a TypeError: the call was
 * given something it does not take; a RangeError from textToBytes),
 * "too-large" (a RangeError: more text than a string may hold), "disposed",
 * "stopped" (the engine failed, or could not start), "wasm-blocked"
 * (WebAssembly may not be compiled here: a Content-Security-Policy without
 * 'wasm-unsafe-eval'), "worker-failed" (the worker could not be started, or
 * failed), "worker-timeout" (it did not start in time).
 */
export type VornakErrorCode =
  | 'bad-option'
  | 'too-large'
  | 'disposed'
  | 'stopped'
  | 'wasm-blocked'
  | 'worker-failed'
  | 'worker-timeout';

/**
 * Every error the engine throws or rejects with: `error instanceof
 * VornakError` holds for each, the caller's mistakes (TypeErrors) included.
 */
export declare class VornakError extends Error {
  constructor(code: VornakErrorCode, message: string);
  code: VornakErrorCode;
}

/** The tool's exit codes other than 0 (see the README's "Exit codes"). */
export type VornakExitCode = 1 | 2 | 3 | 4 | 5 | 6 | 10 | 11 | 12 | 99;

/**
 * Why a file did not load: "no-input" (it cannot be opened or read),
 * "too-large" (more than inputLimit, or than memory holds), "unknown-format"
 * (no known header, and too short for a memory image), "not-a-bank" (an FXB
 * file that holds one program, or neither kind of bank), "other-plugin" (an
 * FXB bank of another plug-in), "damaged" (a format that was recognised, but
 * whose data do not hold together), "unexpected" (any other failure).
 */
export type VornakLoadReason =
  | 'no-input'
  | 'too-large'
  | 'unknown-format'
  | 'not-a-bank'
  | 'other-plugin'
  | 'damaged'
  | 'unexpected';

/** Bytes as the engine takes them: a Uint8Array, an ArrayBuffer, or any view of one. */
export type VornakBytes = Uint8Array | ArrayBuffer | ArrayBufferView;

/**
 * The input files of a run: relative file names ("bank.syx", "banks/a.syx")
 * to their bytes.
 */
export type VornakFiles = { readonly [name: string]: VornakBytes } | ReadonlyMap<string, VornakBytes>;

export interface VornakOptions {
  /**
   * The most bytes an input file may hold (a whole number, or Infinity):
   * a larger one gets exit code 2 and "Error allocating buffer". Default
   * limits().inputLimit, 1 GiB, what the tool allows a pipe.
   */
  inputLimit?: number;
}

/** A worker, as the browser's Worker or node's worker_threads Worker. */
export interface VornakWorkerHandle {
  postMessage(message: unknown, transfer?: unknown): void;
  terminate(): unknown;
}

export interface VornakWorkerOptions extends VornakOptions {
  /**
   * A worker that serves the engine (the package's vornak/worker, or
   * `vornakWorkerScript`); the engine owns it from then on. By default the
   * engine starts one itself.
   */
  worker?: VornakWorkerHandle;
  /**
   * Hand the buffers of the bytes given over to the worker instead of
   * copying them: they are detached (empty) in the caller afterwards. A
   * view of a part of a buffer is copied instead. Default false.
   */
  transfer?: boolean;
  /** How long the worker may take to start, in ms (default 30000), or Infinity. */
  startTimeout?: number;
}

/**
 * The engine's limits and defaults: `inputLimit` (the engine's, bytes),
 * `nameLength` (the most bytes of a program or bank name), `firstProgram`
 * and `lastProgram` (the range /P gives when left out), `defaultFormat`
 * (compose's), `fileNameLength` and `pathLength` (the most bytes, as UTF-8,
 * of a file name between slashes and of a path, as the tool's system takes
 * them).
 */
export interface VornakLimits {
  inputLimit: number;
  nameLength: number;
  firstProgram: number;
  lastProgram: number;
  defaultFormat: VornakFormatLetter;
  fileNameLength: number;
  pathLength: number;
  /** The most programs a bank holds (65536). */
  mostPrograms: number;
  /** Every code a note may have. */
  noteCodes: VornakNoteCode[];
  /** Every reason a failure may have. */
  reasons: (VornakLoadReason | 'bad-request' | 'no-memory')[];
  /**
   * The models a memory image may be read as (the switches /2.2 and /2.3):
   * the `model` option takes one by its `model` or its `number`.
   */
  models: { model: '2.2' | '2.3'; number: 2 | 3; name: 'PPG Wave 2.2' | 'PPG Wave 2.3' }[];
}

/**
 * The files a run wrote, by their names relative to the run's folder (as
 * the export switch named them, without "./" and with ".." resolved): an
 * object without a prototype, so that only files are found in it.
 */
export type VornakWrittenFiles = { [name: string]: Uint8Array };

interface VornakRunOutput {
  /** What the tool printed, decoded by the text rule (see bytesToText). */
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

/** The model hint of a description, as the switches /2.2 and /2.3 give it. */
export type VornakModel = '2.2' | '2.3' | 2 | 3;

/** A 2.V group, as the switch /G gives it. */
export type VornakGroup = 'A' | 'B';

/** The switch letter of an output format, as formats() answers them. */
export type VornakFormatLetter = 'S' | 'A' | 'B' | 'F' | 'N' | 'O' | 'M' | 'W';

export interface VornakDescribeOptions {
  /** Reads a memory image as this model; left out, the data decide. */
  model?: VornakModel | null;
  /**
   * The programs whose values `parameters` holds: all of them (true, the
   * default), none (false), or the program numbers listed.
   */
  parameters?: boolean | readonly number[];
  /**
   * Which reports `conversions` holds: one for each output format (true,
   * the default), none (false), or the one of the format with this switch
   * letter.
   */
  conversions?: boolean | VornakFormatLetter | Lowercase<VornakFormatLetter>;
  /** The first program the conversion reports write, as /P gives it (default 0). */
  first?: number | null;
  /** The last program the conversion reports write, as /P gives it (default 255). */
  last?: number | null;
  /** The group the conversion reports write to a 2.V bank, as /G gives it (default 'A'). */
  group?: VornakGroup | null;
}

/**
 * What the tool notes about a file that loaded: "bare-image" (no known
 * header: read as a bare memory image), "short-dump" (a SysEx dump that ends
 * before its program memory does), "damaged-dump" (a dump whose nibble
 * stream is broken), "missing-end" (a whole dump without its closing F7),
 * "real-time-bytes" (MIDI real-time bytes inside a dump, skipped),
 * "trailing-bytes" (bytes after the data, not read), "count-mismatch" (a
 * header that announces more programs or data than the file holds),
 * "partial-image" (Waveterm A records that do not fill the memory),
 * "short-chunk" (a Halvic memory area shorter than the plug-in writes),
 * "cut-names" (names longer than the 27 characters kept), "out-of-range" (2.V
 * parameters that stand for no value, read as the nearest), "needs-model-switch"
 * (a Wave 2.2 memory may have been taken for a Wave 2.3 one). And about a file
 * a conversion writes: "reads-as-other-format" (the tool would recognise it as
 * another format), "needs-model-switch" (it reads back as the other model
 * unless /2.2 or /2.3 is given).
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

export interface VornakNote {
  code: VornakNoteCode;
  /** The same in plain words. */
  text: string;
}

/** One program's values as the listing shows them. */
export interface VornakProgramValues {
  /** The program's number, from 0. */
  number: number;
  /** Its own values, by the labels of parameterLabels.program. */
  program: string[];
  /** Group A's values, by the labels of parameterLabels.group. */
  a: string[];
  /** Group B's values, by the labels of parameterLabels.group. */
  b: string[];
}

/** What writing a bank in one output format keeps of it. */
export interface VornakConversionReport {
  /** The format's switch letter. */
  letter: VornakFormatLetter;
  /** How many of the bank's programs the file holds. */
  programs: number;
  /** The first of them; the others follow it in order. */
  first: number;
  /** The program slots the file has. */
  slots: number;
  /** Slots that get the format's fill program. */
  filled: number;
  /** Memory image slots left as zero bytes. */
  blank: number;
  /** Whether every program name written comes back. */
  names: boolean;
  /** The combis the file holds. */
  combis: number;
  /** What does not come back, in words ("all 5 combis", "group B of 2 programs"). */
  dropped: string[];
  /** How the file reads back where not as written. */
  notes: VornakNote[];
  /** The whole report as one sentence. */
  text: string;
}

/** The formats a file is recognised as. */
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

/** What a file that loaded holds. */
export interface VornakBankDescription {
  ok: true;
  exitCode: 0;
  reason: '';
  message: '';
  explanation: '';
  /** The format recognised. */
  format: VornakInputFormat;
  /** Whether the file holds program names (else every name is "PPG Program 012"). */
  holdsNames: boolean;
  /** What the tool notes about the file. */
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
  model: '2.2' | '2.3' | '2.V';
  modelName: 'PPG Wave 2.2' | 'PPG Wave 2.3' | 'Waldorf 2.V';
  bankName: string;
  programs: number;
  combis: number;
  combisInUse: number;
  /** Program names as the listing shows them. */
  names: string[];
  /**
   * Each program's sound: everything it holds but its name, at the
   * resolution it was read with. Two programs' sounds are equal exactly
   * when the programs are, whatever their names.
   */
  sounds: string[];
  /**
   * Each program's 51-byte packed record in hexadecimal, as a PPG memory
   * stores it (for a memory image, the 51 bytes it stores): equal records
   * are programs the instrument holds alike.
   */
  records: string[];
  /**
   * For each program, the sound of the 2.V program that a 2.V bank makes of
   * its group A and of its group B. A 2.V program written from group B of
   * another has, for A, what that one has for B.
   */
  keptBy2V: { A: string; B: string }[];
  /** The labels of the values in `parameters`, as the listing names them. */
  parameterLabels: { program: string[]; group: string[] };
  /** The values of the programs asked for, in program order. */
  parameters: VornakProgramValues[];
  /** For each output format, in formats() order: what writing the bank in it keeps (unless conversions: false). */
  conversions?: VornakConversionReport[];
}

/** Why a file did not load. */
export interface VornakLoadFailure {
  ok: false;
  /** The tool's exit code for loading the file. */
  exitCode: VornakExitCode;
  reason: VornakLoadReason;
  /** The tool's message, "" when it printed none. */
  message: string;
  /** Why the file did not load, in plain words with what to try. */
  explanation: string;
  /** The format recognised ("" when none was), also when reading it then failed. */
  format: VornakInputFormat | '';
  holdsNames: boolean;
  /** Empty. */
  notes: VornakNote[];
}

export interface VornakListingOptions {
  /** Reads a memory image as this model; left out, the data decide. */
  model?: VornakModel | null;
  /** The programs listed (/P); either left out is the tool's default. */
  first?: number | null;
  last?: number | null;
}

/** A listing: `ok` when the tool's exit code is 0; `text` what it printed. */
export type VornakListing = { ok: true; exitCode: 0; text: string } | { ok: false; exitCode: VornakExitCode; text: string };

export interface VornakSimilarOptions {
  /** How many sounds to find (default 5). */
  count?: number | null;
}

/** A sound found near another: its place in the list searched, and how far it is. */
export interface VornakNeighbour {
  index: number;
  /** Each value's difference over its own range, added up (a different wavetable or switch counts 1). */
  distance: number;
}

/** What one file holds, as the tool loads it, or why it did not load. */
export type VornakDescription = VornakBankDescription | VornakLoadFailure;

/** An output format, in the engine's words. */
export interface VornakFormat {
  /** Its export switch letter. */
  letter: VornakFormatLetter;
  /** Its name, for people choosing an output. */
  name: string;
  /** The extension of the files it writes, with its dot. */
  extension: string;
  /** Whether /P (convert's first and last) chooses the programs written. */
  range: boolean;
  /** Whether /G (convert's group) chooses the group written. */
  group: boolean;
  /** The most programs a bank built by compose may have in it. */
  capacity: number;
  /** How many groups of a program its files hold (a 2.V bank holds one). */
  groups: 1 | 2;
  /** The labels of the listed values its files do not hold ("KEYB-SPLIT" in a 2.V bank). */
  valuesNotHeld: string[];
  /** Whether it keeps program names. */
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
   * The SysEx dump only: the MIDI message it is, the bytes that begin it
   * and its size in bytes.
   */
  dump?: { header: number[]; size: number };
}

/** A slot of a bank that compose builds: a program of one of the banks given. */
export interface VornakSlot {
  /** The bank's name among `banks`. */
  bank: string;
  /** The program's number in that bank, from 0. */
  program: number;
  /** A new name (at most 27 bytes, no control characters); left out, the program keeps its own. */
  name?: string | null;
}

export interface VornakComposeRequest {
  /** The banks the programs come from, by name. */
  banks: VornakFiles;
  /** The new bank's slots in order; null (or undefined) is a slot the format fills. */
  programs: ReadonlyArray<VornakSlot | null | undefined>;
  /** The output format's switch letter (default 'S'). */
  format?: VornakFormatLetter | Lowercase<VornakFormatLetter>;
  /** How memory images among the banks are read. */
  model?: VornakModel | null;
  /** The group a 2.V output receives (default 'A'). */
  group?: VornakGroup | null;
  /** The new bank's name (at most 27 bytes, no control characters). */
  bankName?: string | null;
}

/** A bank that compose built, or why it could not. */
export type VornakComposeResult =
  | {
      ok: true;
      exitCode: 0;
      reason: '';
      message: '';
      /** The file, as the format's export writes it. */
      bytes: Uint8Array;
      /** What the file keeps of the built bank. */
      report: VornakConversionReport;
    }
  | {
      ok: false;
      /**
       * 1 for a request that cannot be met, the tool's exit code for a bank
       * that cannot be read, 2 for a bank above inputLimit; 1 or 2 when the
       * engine's memory runs out.
       */
      exitCode: VornakExitCode;
      /** A bank's load failure, "bad-request" for the request, "no-memory". */
      reason: VornakLoadReason | 'bad-request' | 'no-memory';
      /** What stands in the way, in words. */
      message: string;
      bytes: null;
    };

export interface VornakConvertOptions {
  /** The output format's switch letter, in either case. */
  to: VornakFormatLetter | Lowercase<VornakFormatLetter>;
  /** The first program written (/P), where the format takes a range; default 0. */
  first?: number | null;
  /** The last program written (/P), not below `first`; default 255. */
  last?: number | null;
  /** The group written (/G), where the format takes one; default 'A'. */
  group?: VornakGroup | null;
  /** Reads a memory image as this model (/2.2, /2.3); left out, the data decide. */
  model?: VornakModel | null;
  /** The input's file name, for `fileName` (default "bank"). */
  name?: string | null;
  /**
   * New names for the programs, by their numbers (null keeps a program's
   * own): the bank is written by the format's writer with these names.
   */
  names?: readonly (string | null)[] | null;
}

/** A bank converted, or why it could not be. */
export type VornakConvertResult =
  | {
      ok: true;
      exitCode: 0;
      reason: '';
      message: '';
      explanation: '';
      /** The file, byte for byte as the tool writes it. */
      bytes: Uint8Array;
      /** The input's name with the format's extension in place of its own. */
      fileName: string;
      /** What the file keeps of the bank. */
      keeps: VornakConversionReport;
      /** What the tool notes about the input. */
      notes: VornakNote[];
    }
  | {
      ok: false;
      /** The tool's exit code. */
      exitCode: VornakExitCode;
      /** The load's failure, or "no-memory" when the file could not be made. */
      reason: VornakLoadReason | 'no-memory';
      /** The tool's message ("" when it printed none). */
      message: string;
      /** The failure in plain words, with what to try. */
      explanation: string;
      bytes: null;
    };

/** An engine on the calling thread: each call blocks it until it is done. */
export interface Vornak {
  /** Runs the tool with the command line (without the program name) on the input files. */
  run(args: readonly string[], files?: VornakFiles | null): VornakRunResult;
  /** Loads one file as the tool would and says what it holds. */
  describe(name: string, bytes: VornakBytes, options?: VornakDescribeOptions | null): VornakDescription;
  /** The output formats, in the order they are offered to people. */
  formats(): VornakFormat[];
  /** The engine's limits and defaults. */
  limits(): VornakLimits;
  /** Builds a bank from programs of the banks given and writes it in a format. */
  compose(request: VornakComposeRequest): VornakComposeResult;
  /** Writes a bank in another format, as the tool does. */
  convert(bytes: VornakBytes, options: VornakConvertOptions): VornakConvertResult;
  /**
   * The sounds among `sounds` nearest to `sound` (5, or `count`), nearest
   * first, by the engine's distance over every value of the programs; equal
   * sounds are left out. The sounds are read once: a later call with the
   * same list searches it again at once.
   */
  similar(sound: string, sounds: readonly string[], options?: VornakSimilarOptions): VornakNeighbour[];
  /**
   * The tool's listing of the bank, as it prints it (its banner first): the
   * run of `vornak [/P…] [/2.x] name`; `ok` false and the tool's message
   * for a file it cannot read.
   */
  listing(name: string, bytes: VornakBytes, options?: VornakListingOptions): VornakListing;
  /** Lets go of the engine and its memory; every later call throws. */
  dispose(): void;
}

/** An engine in a worker: the same calls, answered by promises. */
export interface VornakWorker {
  run(args: readonly string[], files?: VornakFiles | null): Promise<VornakRunResult>;
  describe(name: string, bytes: VornakBytes, options?: VornakDescribeOptions | null): Promise<VornakDescription>;
  formats(): Promise<VornakFormat[]>;
  limits(): Promise<VornakLimits>;
  compose(request: VornakComposeRequest): Promise<VornakComposeResult>;
  convert(bytes: VornakBytes, options: VornakConvertOptions): Promise<VornakConvertResult>;
  similar(sound: string, sounds: readonly string[], options?: VornakSimilarOptions): Promise<VornakNeighbour[]>;
  listing(name: string, bytes: VornakBytes, options?: VornakListingOptions): Promise<VornakListing>;
  /** Ends the worker; calls that wait and every later call are rejected. */
  dispose(): void;
}

/** The tool's version, as its banner prints it ("1.10"). */
export declare const version: string;

/** Creates an engine that runs on the calling thread. */
export declare function createVornak(options?: VornakOptions | null): Promise<Vornak>;

/** Creates an engine that runs in a Web Worker, or in node in a worker thread. */
export declare function createVornakWorker(options?: VornakWorkerOptions | null): Promise<VornakWorker>;

/** Text by the engine's rule: one character for each byte, by the windows-1252 table. */
export declare function bytesToText(bytes: VornakBytes): string;

/** The bytes of text that bytesToText made; a RangeError for a character that stands for no byte. */
export declare function textToBytes(text: string): Uint8Array;

/** The classic script that runs an engine in a worker (see VornakWorkerOptions.worker). */
export declare const vornakWorkerScript: string;

/**
 * Answers createVornakWorker's requests in a worker of one's own: its global
 * scope (self), or node's parentPort.
 */
export declare function serveVornak(port: object): void;

export default createVornak;
