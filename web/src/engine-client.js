// The page's side of the engine's worker: requests become promises. A worker
// that dies (out of memory, say) fails the requests it held and is started
// again for the next one.
export class EngineClient {
  #url;
  #worker = null;
  #pending = new Map();
  #next = 0;
  #onReady;

  // `source` is the worker's script (the engine and its message loop);
  // `onReady(ok)` is told when a worker's engine is ready or failed to start.
  constructor(source, onReady = () => {}) {
    this.#url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    this.#onReady = onReady;
    this.#start();
  }

  #start() {
    const worker = new Worker(this.#url);
    worker.onmessage = ({ data }) => {
      if ('ready' in data) {
        this.#onReady(data.ready);
        return;
      }
      const request = this.#pending.get(data.id);
      this.#pending.delete(data.id);
      if (!request) return;
      if (data.error) request.reject(new Error(data.error));
      else request.resolve(data.answer);
    };
    worker.onerror = (event) => {
      event.preventDefault();
      this.#fail(worker, new Error(event.message || 'The engine stopped.'));
    };
    this.#worker = worker;
  }

  #fail(worker, error) {
    if (worker !== this.#worker) return;
    worker.terminate();
    this.#worker = null;
    for (const request of this.#pending.values()) request.reject(error);
    this.#pending.clear();
  }

  // One call of the engine in the worker: `method` is one of the engine's
  // functions (describe, run, compose, formats) or "zip".
  call(method, ...args) {
    if (!this.#worker) this.#start();
    const id = ++this.#next;
    return new Promise((resolve, reject) => {
      this.#pending.set(id, { resolve, reject });
      this.#worker.postMessage({ id, method, args });
    });
  }
}
