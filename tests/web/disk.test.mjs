// The engine's disk(): a FLEX disk image written by the tests is answered as
// the tool lists it, each file with its bytes as copied off the disk, which
// describe reads as the tool reads disk.dsk/NAME.EXT; a damaged disk and a
// file that is no disk are answered with the tool's messages.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { createVornak, createVornakWorker } from '../../web/engine/node.js';
import { asCopied, flexDisk } from './flex-disk.mjs';
import { decodeText, exampleFiles, runNative, sameBytes, toolMessage } from './support.mjs';

const vornak = await createVornak();
const examples = exampleFiles();

// A bank, a dump, a text file, a deleted bank and one whose chain loops.
function smallDisk(options) {
  const disk = flexDisk(options);
  disk.add('D001.USR', examples['demo23-a.usr']);
  disk.add('DUMP.SYX', examples['demo23.syx'], { date: [12, 31, 86] });
  disk.add('README.TXT', new Uint8Array(300).fill(0x78));
  disk.add('OLD.USR', examples['demo23-a.usr'], { deleted: true });
  const loop = disk.add('LOOP.USR', examples['demo23-a.usr']);
  disk.link(loop[3], loop[1]);
  return disk.image;
}

// The tool's listing of a disk, made from the answer as the tool prints it.
const many = (n, word) => `${n.toLocaleString('en')} ${word}${n === 1 ? '' : 's'}`;
function listed(disk) {
  const holds = (f) => {
    if (f.holds !== 'bank') return f.why ? `${f.kind}: ${f.why}` : f.kind;
    const text = `${f.kind}, ${many(f.programs, 'program')}${f.combis ? `, ${many(f.combis, 'combi')}` : ''}`;
    return f.why ? `${text} (${f.why})` : text;
  };
  const image = disk.image[0].toUpperCase() + disk.image.slice(1);
  return [`Disk "${disk.label}", volume ${disk.volume}, ${disk.date}`,
    `${image}: ${disk.tracks} tracks of ${disk.sectorsPerTrack} sectors, ${many(disk.freeSectors, 'sector')} free`, '',
    `${'File'.padEnd(12)} ${'Sectors'.padStart(7)}  ${'Date'.padEnd(8)}  Holds`,
    ...disk.files.map((f) => `${f.name.padEnd(12)} ${String(f.sectors).padStart(7)}  ${f.date.padEnd(8)}  ${holds(f)}`),
    '', `${many(disk.files.length, 'file')}, ${many(disk.banks, 'bank')}`, ...disk.notes.map((n) => `Note: ${n}`)].join('\n');
}

const afterBanner = (bytes) => decodeText(bytes).split('\n').slice(4).join('\n').trim();

test('a disk is answered as the tool lists it, each file with its bytes as copied off, read by describe as the tool reads it', async () => {
  for (const [options, model] of [[{}, undefined], [{ tracks: 80, sectors: 36, label: 'BANKS 1987', volume: 42, date: [12, 31, 99] }, '2.2']]) {
    const image = smallDisk(options);
    const disk = vornak.disk(image, { model });
    const args = model ? [`/${model}`, 'disk.dsk'] : ['disk.dsk'];
    assert.equal(listed(disk), afterBanner(runNative(args, { 'disk.dsk': image }).stdoutBytes), JSON.stringify(options));
    assert.deepEqual(disk.files.map((f) => [f.name, f.holds]),
      [['D001.USR', 'bank'], ['DUMP.SYX', 'bank'], ['README.TXT', 'not-a-bank'], ['LOOP.USR', 'unreadable']]);
    const written = [examples['demo23-a.usr'], examples['demo23.syx'], new Uint8Array(300).fill(0x78)];
    written.forEach((bytes, i) => assert.ok(sameBytes(disk.files[i].bytes, asCopied(bytes)), disk.files[i].name));
    assert.equal(disk.files[3].bytes, null);
    for (const file of disk.files.filter((f) => f.holds === 'bank')) {
      const native = runNative([...args.slice(0, -1), `disk.dsk/${file.name}`], { 'disk.dsk': image });
      assert.equal(vornak.listing(`disk.dsk/${file.name}`, file.bytes, { model }).text, decodeText(native.stdoutBytes), file.name);
    }
  }
  const worker = await createVornakWorker();
  const image = smallDisk();
  assert.deepEqual(await worker.disk(image), vornak.disk(image));
  worker.dispose();
});

test('a damaged disk and a file that is no disk get the tool\'s messages; describe says which files hold files', () => {
  const image = smallDisk();
  const damaged = Uint8Array.from([...'IMD 1.18\r\n'].map((c) => c.charCodeAt(0)).concat([0x1a, 5, 0, 0, 200, 1]));
  for (const [name, bytes, code] of [['damaged.imd', damaged, 5], ['demo23.syx', examples['demo23.syx'], 6]]) {
    const answer = vornak.disk(bytes);
    assert.deepEqual([answer.ok, answer.exitCode], [false, code], name);
    assert.ok(answer.explanation.length > 20, name);
    if (code === 5) assert.equal(answer.message, toolMessage(decodeText(runNative([name], { [name]: bytes }).stdoutBytes)));
    else assert.equal(answer.message, 'Not a disk image');
  }
  const described = (bytes) => vornak.describe('d', bytes, { parameters: false, conversions: false });
  assert.deepEqual([described(image).holdsFiles, described(image).reason], [true, 'not-a-bank']);
  assert.equal(described(damaged).holdsFiles, true);
  assert.equal(described(examples['demo23.syx']).holdsFiles, false);
});
