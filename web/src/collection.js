// What the page keeps in this browser, and nothing else does: the collection
// (IndexedDB), so that the banks and the new bank are there again when the
// page is opened again, and the choices (localStorage). Nothing leaves the
// computer. What the engine answered for each bank is kept with it, so that
// opening the page needs no engine work; the bytes are kept apart and read
// when a bank is first used.
//   banks: { id, name, size, summary, built, received, sameAs, digest, order }
//   files: the bytes, by the bank's id
//   meta:  "newBank": the new bank's name and slots
const DB_NAME = 'vornak';
const STORES = ['banks', 'files', 'meta'];

let opened = null;
let queue = Promise.resolve();
let failed = () => {};

// Storage work runs one after another; `report(error)` hears when the
// browser keeps nothing.
export function whenKeepingFails(report) {
  failed = report;
}

// Queues storage work; answers when it (and all before it) is done.
export function keep(work) {
  queue = queue.then(work).catch((error) => failed(error));
  return queue;
}

// Answers when all storage work asked for so far is done.
export const allKept = () => queue;

function request(req) {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

function open() {
  opened ??= new Promise((resolve, reject) => {
    if (typeof indexedDB === 'undefined') {
      reject(new Error('this browser keeps no data for pages'));
      return;
    }
    const req = indexedDB.open(DB_NAME, 1);
    req.onupgradeneeded = () => {
      const db = req.result;
      db.createObjectStore('banks', { keyPath: 'id' });
      db.createObjectStore('files');
      db.createObjectStore('meta');
    };
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
    req.onblocked = () => reject(new Error('the kept collection is in use by another tab'));
  });
  return opened;
}

// Runs `work(stores)` in one transaction and resolves when it is complete.
async function transaction(mode, work) {
  const db = await open();
  return new Promise((resolve, reject) => {
    const tx = db.transaction(STORES, mode);
    const stores = Object.fromEntries(STORES.map((name) => [name, tx.objectStore(name)]));
    let result;
    Promise.resolve(work(stores)).then((value) => { result = value; }, reject);
    tx.oncomplete = () => resolve(result);
    tx.onerror = () => reject(tx.error);
    tx.onabort = () => reject(tx.error || new Error('not kept'));
  });
}

let order = 0;

const isText = (value) => typeof value === 'string';
const isCount = (value) => Number.isInteger(value) && value >= 0;

// A record read back is taken only when it has the shape the page wrote: a
// damaged or foreign one is passed over, never shown half.
function wellFormed(r) {
  const s = r && r.summary;
  return Boolean(r && isText(r.id) && isText(r.name) && isCount(r.size) && Number.isFinite(r.order)
    && s && s.exitCode === 0 && isText(s.format) && isCount(s.programs)
    && Array.isArray(s.names) && s.names.length === s.programs && s.names.every(isText)
    && Array.isArray(s.sounds) && s.sounds.length === s.programs && s.sounds.every(isText)
    && Array.isArray(s.notes) && s.notes.every((n) => n && isText(n.text)));
}

// Everything kept: { banks: [{ id, name, size, summary, built, received,
// sameAs, order, digest }], newBank }.
export async function loadCollection() {
  return transaction('readonly', async ({ banks, meta }) => {
    const [records, newBank] = await Promise.all([request(banks.getAll()), request(meta.get('newBank'))]);
    const good = records.filter(wellFormed).map((r) => ({ id: r.id, name: r.name, size: r.size, summary: r.summary,
      built: r.built === true, received: r.received === true, sameAs: isText(r.sameAs) ? r.sameAs : null, order: r.order,
      digest: isText(r.digest) ? r.digest : null }));
    good.sort((a, b) => a.order - b.order);
    order = good.length ? good[good.length - 1].order : 0;
    return { banks: good, newBank: newBank || null };
  });
}

export function keepBank(bank) {
  const record = { id: bank.id, name: bank.name, size: bank.bytes.length, summary: bank.summary, built: bank.built,
    received: bank.received, sameAs: bank.sameAs, digest: bank.digest, order: bank.order ??= ++order };
  return transaction('readwrite', ({ banks, files }) => {
    banks.put(record);
    files.put(bank.bytes, bank.id);
  });
}

// A bank's bytes, or null when what is kept is not bytes.
export async function keptBytes(id) {
  const bytes = await transaction('readonly', ({ files }) => request(files.get(id)));
  return bytes instanceof Uint8Array ? bytes : null;
}

export function forgetBank(id) {
  return transaction('readwrite', ({ banks, files }) => {
    banks.delete(id);
    files.delete(id);
  });
}

export function keepNewBank(newBank) {
  return transaction('readwrite', ({ meta }) => {
    meta.put(JSON.parse(JSON.stringify(newBank)), 'newBank');
  });
}

export function forgetAll() {
  return transaction('readwrite', (stores) => {
    for (const name of STORES) stores[name].clear();
  });
}

// ---- Choices (localStorage) --------------------------------------------------

// The choices kept under a name, or null; storage may be switched off.
export function keptChoices(name) {
  try {
    return JSON.parse(localStorage.getItem(`vornak.${name}`) || 'null');
  } catch {
    return null;
  }
}

export function keepChoices(name, value) {
  try {
    localStorage.setItem(`vornak.${name}`, JSON.stringify(value));
  } catch {
    // Not remembered, then.
  }
}
