// What the tool's messages and exit codes mean, in plain words, and what to
// try. The messages themselves come from the engine, as the tool prints them.
const byMessage = {
  'No input file': 'The file could not be read. Try choosing it again.',
  'Error allocating buffer':
    'The file is too large to be held in memory. Close other tabs or programs and try again, or check that this is really a bank file.',
  "Can't load .fxb file":
    'The file starts like an FXB bank, but its sizes do not match its contents: it is damaged or cut short. Try a fresh copy from where it came from.',
  'Not a valid 2.V fxb-file':
    'The FXB file is another plug-in’s bank, or a damaged 2.V bank. Vornak reads Waldorf 2.V, Halvic and Corvel banks only.',
  'Invalid Waveterm B Dxxx.USR file':
    'The file starts like a Waveterm B file ("WB") but is too short or damaged. Try a fresh copy from the disk.',
  'Invalid FLEX file':
    'The file starts with byte 02, as Waveterm A (FLEX) files do, but its first record is damaged. If it is not a Waveterm A file, it is in a format Vornak does not know.',
  'Unknown file format':
    'The file is none of the formats Vornak reads, and shorter than a bare PPG memory image (5120 bytes). Check that it is a bank and not a single program or another kind of file.',
};

// Explains a failed load or conversion: { message, exitCode, format } as the
// engine reported them. Answers a sentence or two.
export function explain({ message, exitCode, format }) {
  if (Object.hasOwn(byMessage, message)) return byMessage[message];
  if (format === 'Corvel bank') {
    return `The Corvel bank is damaged or cut short (the reader stopped with code ${exitCode}). Try a fresh copy, or save the bank again from the librarian.`;
  }
  if (exitCode === 1) return 'The converted file could not be written.';
  return `The file could not be read (exit code ${exitCode}).`;
}
