// Disk images given to the page. The engine says which file is one
// (describe's holdsFiles) and what is on it (disk()): its banks join the
// collection in its place, each named after the image and its file on the
// disk ("disk.dsk/D001.USR") and read from the file's bytes as copied off
// the disk; the files that are no banks are said, and kept with the disk's
// label and date in each of its banks' origin.
import { plural } from './dom.js';
import { diskText, originOf } from './provenance.js';

// A file's name on the disk as the last part of a bank's name: FLEX allows
// a slash in a name ("A/B.USR") and a name of dots, which a path does not.
function partName(name) {
  const part = name.replace(/\//g, '_');
  return part === '.' || part === '..' ? `_${part}` : part;
}

// The banks on a disk image (`image`: { name, digest, origin }), as disk()
// answered it: [{ name, bytes, origin }], and the disk as they keep it.
export function diskBanks(image, answer) {
  const others = answer.files.filter((f) => f.holds !== 'bank').map(({ name, kind, why }) => ({ name, kind, why }));
  const disk = { label: answer.label, volume: answer.volume, date: answer.date, image: answer.image, digest: image.digest, others };
  const added = image.origin?.added;
  const banks = answer.files.filter((f) => f.holds === 'bank').map((f) => ({ name: `${image.name}/${partName(f.name)}`,
    bytes: f.bytes, origin: originOf({ file: image.name, member: f.name, disk, added }) }));
  return { banks, disk };
}

// The files of a disk that are no banks, in words: "README.TXT, not a bank
// (Unknown file format); LOOP.USR, cannot be read (…)"; the first `most`,
// then how many more.
export function othersText(others, most = Infinity) {
  const said = others.slice(0, most).map((f) => `${f.name}, ${f.kind}${f.why ? ` (${f.why})` : ''}`);
  if (others.length > most) said.push(`${plural(others.length - most, 'more file')}`);
  return said.join('; ');
}

// What the page says of a disk it opened: its banks added, those it had
// already, and the other files on it.
export function diskWords(name, disk, added, already) {
  const parts = [`${name}, ${diskText(disk)}: ${plural(added, 'bank')} added`];
  if (already) parts.push(`${plural(already, 'bank')} on it ${already === 1 ? 'is' : 'are'} here already, not added again`);
  if (disk.others.length) parts.push(`also on it: ${othersText(disk.others, 5)}`);
  return parts.join('; ');
}

// The line that heads a disk's banks in the Banks list: { title, facts,
// others }.
export function diskHeading(origin) {
  const { disk } = origin;
  return { title: origin.file, facts: diskText(disk),
    others: disk.others.length ? `Also on the disk: ${othersText(disk.others)}.` : '' };
}
