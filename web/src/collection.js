// The collection kept in this browser (IndexedDB), so that the banks and the
// new bank are there again when the page is opened again. Nothing leaves the
// computer. What the engine answered for each bank is kept with it, so that
// opening the page needs no engine work; the bytes are kept apart and read
// when a bank is first used.
//   banks: { id, name, size, summary, built, order }
//   files: the bytes, by the bank's id
//   meta:  "newBank": the new bank's name and slots
const DB_NAME = 'vornak';
const STORES = ['banks', 'files', 'meta'];

let opened = null;

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

// Everything kept: { banks: [{ id, name, size, summary, built }], newBank }.
export async function loadCollection() {
  return transaction('readonly', async ({ banks, meta }) => {
    const [records, newBank] = await Promise.all([request(banks.getAll()), request(meta.get('newBank'))]);
    records.sort((a, b) => a.order - b.order);
    order = records.length ? records[records.length - 1].order : 0;
    return { banks: records, newBank: newBank || null };
  });
}

export function keepBank(bank) {
  const record = { id: bank.id, name: bank.name, size: bank.bytes.length, summary: bank.summary, built: bank.built, order: bank.order ??= ++order };
  return transaction('readwrite', ({ banks, files }) => {
    banks.put(record);
    files.put(bank.bytes, bank.id);
  });
}

export function keptBytes(id) {
  return transaction('readonly', ({ files }) => request(files.get(id)));
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
