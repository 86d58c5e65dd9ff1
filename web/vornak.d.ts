// Types of the vornak package (web/vornak.mjs, and web/vornak-node.mjs for
// node). The README's section "The engine's interface" describes each one.

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
   * 1 GiB, what the tool allows a pipe.
   */
  inputLimit?: number;
}

/** A worker, as the browser's Worker or node's worker_threads Worker. */
export interface VornakWorkerHandle {
  postMessage(message: unknown): void;
  terminate(): unknown;
}

export interface VornakWorkerOptions extends VornakOptions {
  /**
   * A worker that runs `vornakWorkerScript`; the engine owns it from then on.
   * By default the engine starts one itself.
   */
  worker?: VornakWorkerHandle;
}

/** One run of the tool. */
export interface VornakRunResult {
  /** The tool's exit code. */
  exitCode: number;
  /** What it printed, decoded by the text rule (see bytesToText). */
  stdout: string;
  /** What it printed, as bytes. */
  stdoutBytes: Uint8Array;
  /**
   * Every file the run wrote, by its name relative to the run's folder
   * (as the export switch named it, without "./" and resolved "..").
   */
  files: { [name: string]: Uint8Array };
}

/** The model hint of a description, as the switches /2.2 and /2.3 give it. */
export type VornakModel = '2.2' | '2.3' | 2 | 3;

export interface VornakDescribeOptions {
  /** Reads a memory image as this model; left out, the data decide. */
  model?: VornakModel | null;
}

/** What one file holds, as the tool loads it. */
export interface VornakDescription {
  /** The tool's exit code for loading the file; 0 when it loaded. */
  exitCode: number;
  /** The tool's message, "" when it printed none. */
  message: string;
  /** The format recognised ("" when none was), also when reading it then failed. */
  format: string;
  /** The rest only when the file loaded: "2.2", "2.3" or "2.V". */
  model?: string;
  bankName?: string;
  programs?: number;
  combis?: number;
  combisInUse?: number;
  /** Program names as the listing shows them. */
  names?: string[];
}

/** An engine on the calling thread: each call blocks it until it is done. */
export interface Vornak {
  /** Runs the tool with the command line (without the program name) on the input files. */
  run(args: readonly string[], files?: VornakFiles | null): VornakRunResult;
  /** Loads one file as the tool would and says what it holds. */
  describe(name: string, bytes: VornakBytes, options?: VornakDescribeOptions | null): VornakDescription;
  /** Lets go of the engine and its memory; every later call throws. */
  dispose(): void;
}

/** An engine in a worker: the same calls, answered by promises. */
export interface VornakWorker {
  run(args: readonly string[], files?: VornakFiles | null): Promise<VornakRunResult>;
  describe(name: string, bytes: VornakBytes, options?: VornakDescribeOptions | null): Promise<VornakDescription>;
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

export default createVornak;
