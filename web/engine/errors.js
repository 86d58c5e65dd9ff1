// Errors of the engine. Every error it throws is a VornakError (`error
// instanceof VornakError`), whose `code` says which it is (VornakErrorCode in
// web/vornak.d.ts). The caller's mistakes stay TypeErrors (RangeErrors from
// textToBytes), as JavaScript's own are; the others are made by the
// VornakError constructor. Either kind carries the mark that `instanceof
// VornakError` looks for, so that it holds across copies of the module too.

const mark = /* @__PURE__ */ Symbol.for('vornak.error');

export function marked(error, code) {
  error.code = code;
  Object.defineProperty(error, mark, { value: true });
  return error;
}

// (Made by a function, so that a bundle that uses none of the engine drops
// it.)
export const VornakError = /* @__PURE__ */ (() => {
  class VornakError extends Error {
    constructor(code, message) {
      super(message);
      marked(this, code);
    }

    static [Symbol.hasInstance](value) {
      return value !== null && typeof value === 'object' && value[mark] === true;
    }
  }
  // Its name stays whatever a bundler or minifier calls the class.
  Object.defineProperty(VornakError, 'name', { value: 'VornakError', configurable: true });
  Object.defineProperty(VornakError.prototype, 'name', { value: 'VornakError', writable: true, configurable: true });
  return VornakError;
})();

// A value as a message shows it: short strings quoted, objects by their kind.
export function show(value) {
  if (typeof value === 'string') return JSON.stringify(value.length > 60 ? `${value.slice(0, 60)}…` : value);
  if (value === null || (typeof value !== 'object' && typeof value !== 'function')) return String(value);
  return Object.prototype.toString.call(value);
}

// A mistake of the caller: a TypeError with the code bad-option.
export const refusal = (message) => marked(new TypeError(`vornak: ${message}`), 'bad-option');

export function refuse(message) {
  throw refusal(message);
}

// A call whose signal was aborted; the signal's reason is its cause.
export const aborted = (signal) => {
  const error = new VornakError('aborted', 'vornak: the call was aborted');
  error.cause = signal?.reason;
  return error;
};

// An error that is not the engine's own, as the engine stopping.
export function stoppedBy(error, what) {
  if (error instanceof VornakError) return error;
  return new VornakError('stopped', `vornak: the engine ${what}: ${error?.message ?? error}`);
}

// An error as a worker sends it, and back.
export function errorData(error) {
  const ours = error instanceof VornakError;
  return {
    name: ours && (error.name === 'TypeError' || error.name === 'RangeError') ? error.name : 'VornakError',
    code: ours ? error.code : 'stopped',
    message: String(error?.message ?? error),
  };
}

export function errorFrom(data) {
  const Type = { TypeError, RangeError }[data.name];
  return Type ? marked(new Type(data.message), data.code) : new VornakError(data.code, data.message);
}
