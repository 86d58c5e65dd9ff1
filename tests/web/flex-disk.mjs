// FLEX disk images for the web tests, written without the code under test
// (as tests/flex_image.cpp writes them for the native tests): a disk as
// FLEX's NEWDISK leaves it, the System Information Record at track 0
// sector 3, the directory from track 0 sector 5, files written on the free
// sectors from track 1 on, 252 bytes a sector after a link and a record
// number; the disk as a raw sector image, track after track.
const SECTOR = 256;
const DATA = 252;

// What FLEX copies off the disk for a file written with these bytes: whole
// sectors of 252 bytes, the last padded with zeros.
export function asCopied(bytes) {
  const copied = new Uint8Array(Math.max(1, Math.ceil(bytes.length / DATA)) * DATA);
  copied.set(bytes);
  return copied;
}

// `sectors`: a track's, both sides together on a double-sided disk.
export function flexDisk({ tracks = 35, sectors = 10, label = 'WAVETERM', volume = 1, date = [7, 14, 86] } = {}) {
  const image = new Uint8Array(tracks * sectors * SECTOR);
  const total = tracks * sectors;
  const at = (track, sector) => (track * sectors + sector - 1) * SECTOR;
  const address = (index) => [Math.floor(index / sectors), (index % sectors) + 1];
  const put16 = (offset, value) => image.set([(value >> 8) & 0xff, value & 0xff], offset);
  const sir = at(0, 3);
  image.set([...label.slice(0, 11)].map((c) => c.charCodeAt(0)), sir + 0x10);
  put16(sir + 0x1b, volume);
  image.set([...date, tracks - 1, sectors], sir + 0x23);
  for (let s = 5; s < sectors; s++) image.set([0, s + 1], at(0, s));
  let free = sectors;
  let entries = 0;
  const freeChain = () => {
    for (let i = free; i + 1 < total; i++) image.set(address(i + 1), i * SECTOR);
    image.set(free < total ? [...address(free), ...address(total - 1)] : [0, 0, 0, 0], sir + 0x1d);
    put16(sir + 0x21, total - free);
  };
  freeChain();
  return {
    image,
    // Writes "NAME.EXT" on the next free sectors; answers its chain's
    // sectors as [track, sector].
    add(name, bytes, { date: day = [3, 9, 87], deleted = false } = {}) {
      const count = Math.max(1, Math.ceil(bytes.length / DATA));
      if (free + count > total) throw new Error('the test disk is full');
      const chain = [];
      for (let n = 0; n < count; n++) {
        const offset = (free + n) * SECTOR;
        image.fill(0, offset, offset + SECTOR);
        image.set(n + 1 < count ? address(free + n + 1) : [0, 0], offset);
        put16(offset + 2, n + 1);
        image.set(bytes.subarray(n * DATA, (n + 1) * DATA), offset + 4);
        chain.push(address(free + n));
      }
      free += count;
      freeChain();
      const entry = at(0, 5 + Math.floor(entries / 10)) + 16 + (entries % 10) * 24;
      entries += 1;
      const [base, extension = ''] = name.split('.');
      image.set([...base.slice(0, 8)].map((c) => c.charCodeAt(0)), entry);
      image.set([...extension.slice(0, 3)].map((c) => c.charCodeAt(0)), entry + 8);
      if (deleted) image[entry] |= 0x80;
      image.set([...chain[0], ...chain.at(-1)], entry + 13);
      put16(entry + 17, count);
      image.set(day, entry + 21);
      return chain;
    },
    // A sector's link set by hand.
    link([track, sector], to) {
      image.set(to, at(track, sector));
    },
  };
}
