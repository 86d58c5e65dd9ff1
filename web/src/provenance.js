// Where each bank came from, and where each sound was first seen. A bank
// keeps its origin: the file given to the page, the file inside it that the
// bank is (a ZIP archive's member, a disk image's file, with the disk's
// label and date), and when it was added; its bytes' digest is kept beside
// it. A sound was first seen in the program that holds it in the bank added
// earliest; banks kept before origins were kept count as the earliest, in
// the order they were added.
import { plural } from './dom.js';
import { programsOf } from './sound-index.js';
import { where } from './state.js';

// Bounds on an origin read back, far above what a disk holds.
const LONGEST = 4096; // characters of a text
const MOST_OTHERS = 4096; // a disk's files that are no banks

// `origin`: { file, member (the file inside it, or null), disk (null, or
// what disks.js keeps of the disk), added (an ISO time; now, by default) }
export function originOf({ file, member = null, disk = null, added = new Date().toISOString() }) {
  return { file, member, disk, added };
}

const isText = (value) => typeof value === 'string' && value.length <= LONGEST;

// An origin as kept or saved, checked; null where there is none that fits
// (a bank kept by an earlier page, or a damaged record).
export function cleanOrigin(origin) {
  if (!origin || typeof origin !== 'object' || !isText(origin.file) || !origin.file) return null;
  return {
    file: origin.file,
    member: isText(origin.member) && origin.member ? origin.member : null,
    disk: cleanDisk(origin.disk),
    added: isText(origin.added) && !Number.isNaN(Date.parse(origin.added)) ? origin.added : null,
  };
}

function cleanDisk(disk) {
  if (!disk || typeof disk !== 'object' || !isText(disk.label) || !isText(disk.date) || !Number.isInteger(disk.volume)) return null;
  const others = Array.isArray(disk.others) ? disk.others.slice(0, MOST_OTHERS)
    .filter((f) => f && isText(f.name) && isText(f.kind) && isText(f.why)).map(({ name, kind, why }) => ({ name, kind, why })) : [];
  return { label: disk.label, volume: disk.volume, date: disk.date, image: isText(disk.image) ? disk.image : '',
    digest: isText(disk.digest) ? disk.digest : null, others };
}

const pad = (n) => String(n).padStart(2, '0');

// The day of an ISO time, as this computer's calendar has it: "2025-05-12";
// '' for none.
export function dayOf(added) {
  const time = Date.parse(added ?? '');
  if (Number.isNaN(time)) return '';
  const d = new Date(time);
  return `${d.getFullYear()}-${pad(d.getMonth() + 1)}-${pad(d.getDate())}`;
}

// A bank by its name, and the archive it was taken out of: "a.syx in
// songs.zip" (a disk's file is named after the disk already).
function bankText(bank) {
  const o = bank.origin;
  return o && o.member && !o.disk && o.file !== bank.name ? `${bank.name} in ${o.file}` : bank.name;
}

// A disk as its label says it: 'disk "WAVETERM", volume 1, 07-14-86'.
export const diskText = (disk) => `disk “${disk.label}”, volume ${disk.volume}, ${disk.date}`;

// Where a bank came from, in words, for its sheet: "D001.USR on disk.dsk
// (disk …), added 2025-05-12".
export function originText(bank) {
  const o = bank.origin;
  if (!o) return `${bank.name}, kept before this page kept where banks came from`;
  const from = o.disk ? `${o.member} on ${o.file} (${diskText(o.disk)})` : o.member ? `${o.member} in ${o.file}` : o.file;
  const day = dayOf(o.added);
  return `${from}${day ? `, added ${day}` : ''}`;
}

// The moment a bank was added, for ordering; -Infinity where it is not known.
const addedAt = (bank) => {
  const time = Date.parse(bank.origin?.added ?? '');
  return Number.isNaN(time) ? -Infinity : time;
};
const earlier = (a, b) => addedAt(a.bank) - addedAt(b.bank) || (a.bank.order ?? Infinity) - (b.bank.order ?? Infinity)
  || a.program - b.program;

// The programs an "also in" names before it counts the rest.
const NAMED = 3;

// Where the sound of a program was first seen, and where else it is:
// "First seen in disk.dsk/D001.USR, program 3, on 2025-05-12; also in
// demo23.syx, program 3; song.fxb, program 7; and 2 others." (once the
// index of the collection is made).
export function provenanceText(bank, program) {
  const hits = programsOf(bank.summary.sounds[program]);
  if (!hits.length) return '';
  let first = hits[0];
  for (const hit of hits) if (earlier(hit, first) < 0) first = hit;
  const day = dayOf(first.bank.origin?.added);
  const others = hits.filter((hit) => hit !== first);
  const also = others.slice(0, NAMED).map((hit) => where({ name: bankText(hit.bank) }, hit.program));
  if (others.length > NAMED) also.push(`and ${plural(others.length - NAMED, 'other')}`);
  return `First seen in ${where({ name: bankText(first.bank) }, first.program)}${day ? `, on ${day}` : ''}`
    + `${also.length ? `; also in ${also.join('; ')}` : ''}.`;
}
