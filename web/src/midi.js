// The instrument over MIDI, through the browser's Web MIDI API: receive a
// dump from it, send a dump to it. MIDI access is asked for only when the
// user receives or sends, never on opening the page.
//
// The page holds this module's controls (the elements whose ids begin with
// "midi-", in page.html). Each operation is given `tell(text)`, the status
// line of the region it was started from, for what happens. What a dump is
// (the bytes that begin it, its size, the extension of its file) the page
// hands over from the engine's description of the SysEx format.

import { keepChoices, keptChoices } from './collection.js';
import { count } from './dom.js';

// A message that grows this much past a whole dump is not one: it is
// dropped, so that a message that never ends cannot take more memory.
const MESSAGE_MARGIN = 1024;
// A dump that has begun and brings no byte for this long has stopped.
const STALL_MS = 2000;
const DEFAULT_PAUSE_MS = 150;
const MAX_PAUSE_MS = 10000;

// A MIDI cable runs at 31,250 baud, ten bits a byte (start, eight, stop).
function cableMs(bytes) {
  return (bytes * 10 * 1000) / 31250;
}

function seconds(ms) {
  return `${(ms / 1000).toFixed(1)} s`;
}

// How long a message of this many bytes takes on a MIDI cable, in words.
export const cableTime = (bytes) => seconds(cableMs(bytes));

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// "received 2026-12-07 14.05" and the dump's extension, in local time.
function receivedName(date, extension) {
  const two = (n) => String(n).padStart(2, '0');
  return `received ${date.getFullYear()}-${two(date.getMonth() + 1)}-${two(date.getDate())} `
    + `${two(date.getHours())}.${two(date.getMinutes())}${extension}`;
}

// Finds the dump in what an input delivers. The Web MIDI API delivers one
// whole message per event, but some systems deliver a long SysEx in parts,
// so the bytes are taken as one MIDI stream: real-time bytes (clock, active
// sensing: F8 to FF) are skipped wherever they stand; anything outside a
// SysEx is ignored; a SysEx that does not begin with the header (another
// maker's) is skipped to its end; a status byte other than F7 ends a SysEx
// unfinished.
class DumpAssembler {
  #header;
  #bytes;
  #state = 'outside'; // or 'dump', or 'other': inside another SysEx
  length = 0; // bytes of the dump gathered so far

  constructor({ header, size }) {
    this.#header = header;
    this.#bytes = new Uint8Array(size + MESSAGE_MARGIN);
  }

  // Takes one event's bytes. Answers { dump } when a dump is complete (the
  // rest of the event is not looked at), { problem } when a dump was given
  // up, else null.
  push(data) {
    let problem = null;
    for (const byte of data) {
      if (byte >= 0xf8) continue;
      if (byte === 0xf0) {
        if (this.length > this.#header.length) problem = 'interrupted';
        this.#bytes[0] = byte;
        this.length = 1;
        this.#state = 'dump';
      } else if (this.#state === 'other') {
        if (byte >= 0x80) this.#state = 'outside';
      } else if (this.#state === 'dump') {
        if (byte === 0xf7 && this.length >= this.#header.length) {
          this.#bytes[this.length++] = byte;
          const dump = this.#bytes.slice(0, this.length);
          this.#reset('outside');
          return { dump };
        }
        if (byte >= 0x80) {
          if (this.length > this.#header.length) problem = 'interrupted';
          this.#reset('outside');
        } else if (this.length < this.#header.length && byte !== this.#header[this.length]) {
          this.#reset('other');
        } else if (this.length === this.#bytes.length - 1) {
          problem = 'too long';
          this.#reset('other');
        } else {
          this.#bytes[this.length++] = byte;
        }
      }
    }
    return problem ? { problem } : null;
  }

  #reset(state) {
    this.length = 0;
    this.#state = state;
  }
}

// Why there is no MIDI, in words a user can act on.
function accessProblem(error) {
  if (error && (error.name === 'NotAllowedError' || error.name === 'SecurityError')) {
    return 'MIDI access was refused, so the page cannot reach the instrument. Allow MIDI (with SysEx) for this page '
      + 'in the browser’s site settings and try again. Everything else on the page works without it.';
  }
  return `The browser could not start MIDI on this computer (${(error && error.message) || error}). `
    + 'Check that a MIDI interface is connected and working, then try again. Everything else on the page works without it.';
}

// `format`: the name of the dump's format, as the engine gives it.
const noWebMidi = (format) => 'This browser offers no MIDI to this page (some browsers have no Web MIDI, others refuse it '
  + `to a page opened from a file). Everything else works; to send a bank, write it as a ${format} and `
  + 'send that with a SysEx utility.';

export class Instrument {
  #ui;
  #settings = { input: '', output: '', pause: DEFAULT_PAUSE_MS };
  #access = null;
  #asking = null;
  #listening = null; // { input, assembler, onMessage, timer, tell, done }
  #sending = Promise.resolve();
  #cableFreeAt = 0; // when the last message sent has left the cable
  #fallbackUrl = null;
  #dump; // { header, size, extension, name }

  // `dump` describes the instrument's dump, as the engine's formats() has
  // it for the SysEx format: { header, size }, the file's extension and the
  // format's name.
  constructor({ dump }) {
    this.#dump = dump;
    const $ = (id) => document.getElementById(`midi-${id}`);
    this.#ui = {
      receive: $('receive'), cancel: $('cancel'), ports: $('ports'), input: $('input'), output: $('output'), pause: $('pause'),
      progress: $('progress'), bar: $('progress-bar'), count: $('progress-text'), fallback: $('fallback'),
    };
    this.#loadSettings();
    const ui = this.#ui;
    ui.pause.value = String(this.#settings.pause);
    ui.bar.max = dump.size;
    ui.cancel.addEventListener('click', () => this.cancel());
    for (const kind of ['input', 'output']) {
      ui[kind].addEventListener('change', () => {
        this.#settings[kind] = ui[kind].selectedOptions[0]?.dataset.name || '';
        this.#saveSettings();
      });
    }
    ui.pause.addEventListener('change', () => {
      const ms = Math.round(Number(ui.pause.value));
      this.#settings.pause = ui.pause.value.trim() !== '' && ms >= 0 ? Math.min(ms, MAX_PAUSE_MS) : DEFAULT_PAUSE_MS;
      ui.pause.value = String(this.#settings.pause);
      this.#saveSettings();
    });
  }

  // ---- Settings: the ports by name, and the pause -------------------------

  #loadSettings() {
    const saved = keptChoices('midi') || {};
    for (const key of ['input', 'output']) if (typeof saved[key] === 'string') this.#settings[key] = saved[key];
    if (Number.isInteger(saved.pause) && saved.pause >= 0 && saved.pause <= MAX_PAUSE_MS) this.#settings.pause = saved.pause;
  }

  #saveSettings() {
    keepChoices('midi', this.#settings);
  }

  // ---- Access and ports ---------------------------------------------------

  // The MIDI access, asked for on the first Receive or Send; null, with the
  // reason told, when there is none. A refusal is not remembered: the next
  // press asks again.
  async #midi(tell) {
    if (this.#access) return this.#access;
    if (typeof navigator.requestMIDIAccess !== 'function') {
      tell(noWebMidi(this.#dump.name));
      return null;
    }
    if (!this.#asking) {
      tell('Asking the browser for MIDI access…');
      this.#asking = navigator.requestMIDIAccess({ sysex: true });
    }
    try {
      const access = await this.#asking;
      if (!this.#access) {
        this.#access = access;
        access.addEventListener('statechange', (event) => this.#portChanged(event.port));
        this.#showPorts();
        this.#ui.ports.hidden = false;
      }
      return access;
    } catch (error) {
      tell(accessProblem(error));
      return null;
    } finally {
      this.#asking = null;
    }
  }

  #portChanged(port) {
    this.#showPorts();
    const listening = this.#listening;
    if (listening && port === listening.input && port.state === 'disconnected') {
      this.#stopListening(`The MIDI input “${port.name}” was disconnected; receiving stopped and nothing was loaded.`);
    }
  }

  // Lists the connected ports by name. The one chosen stays chosen; else the
  // one remembered by name; else the only one there is.
  #showPorts() {
    for (const kind of ['input', 'output']) {
      const select = this.#ui[kind];
      const ports = [...this.#access[`${kind}s`].values()].filter((p) => p.state !== 'disconnected');
      const chosen = ports.find((p) => p.id === select.value)
        || ports.find((p) => p.name === this.#settings[kind])
        || (ports.length === 1 ? ports[0] : null);
      const options = ports.map((port) => {
        const option = new Option(port.name, port.id, false, port === chosen);
        option.dataset.name = port.name;
        return option;
      });
      if (!chosen) options.unshift(new Option(ports.length ? 'Choose…' : `No MIDI ${kind} found`, '', true, true));
      select.replaceChildren(...options);
    }
  }

  // The chosen port, or null with what to do told; the settings open at it.
  #chosen(kind, tell) {
    const select = this.#ui[kind];
    const port = select.value ? this.#access[`${kind}s`].get(select.value) : null;
    if (port && port.state !== 'disconnected') return port;
    const empty = select.options.length === 1 && !select.value;
    tell(empty
      ? `No MIDI ${kind} is connected. Connect the MIDI interface, then try again.`
      : `Choose the MIDI ${kind} the instrument’s MIDI ${kind === 'input' ? 'Out' : 'In'} is connected to, then try again.`);
    select.closest('details').open = true;
    select.focus();
    return null;
  }

  // The output to send to, asking for access first; null, with why told.
  async output(tell) {
    if (!(await this.#midi(tell))) return null;
    return this.#chosen('output', tell);
  }

  // ---- Receiving -----------------------------------------------------------

  // Listens for one dump on the chosen input; answers { name, bytes } when
  // one has come, or null (no access, cancelled, stopped), with what
  // happened told.
  async receive(tell) {
    if (this.#listening) {
      tell('The page is already waiting for a dump.');
      return null;
    }
    if (!(await this.#midi(tell)) || this.#listening) return null;
    const input = this.#chosen('input', tell);
    if (!input) return null;
    return new Promise((done) => {
      const listening = { input, assembler: new DumpAssembler(this.#dump), timer: 0, tell, done };
      listening.onMessage = (event) => this.#take(listening, event.data);
      input.addEventListener('midimessage', listening.onMessage);
      input.open().catch(() => {}); // a port that cannot open says so through its state
      this.#listening = listening;
      const ui = this.#ui;
      this.#showProgress(0);
      ui.progress.hidden = false;
      const hadFocus = document.activeElement === ui.receive;
      ui.receive.hidden = true;
      ui.cancel.hidden = false;
      if (hadFocus) ui.cancel.focus();
      tell(`Waiting for a dump on “${input.name}”. Start the dump on the instrument as its manual describes.`);
    });
  }

  cancel() {
    this.#stopListening('Receiving cancelled; nothing was loaded.');
  }

  #showProgress(length) {
    this.#ui.bar.value = length;
    this.#ui.count.textContent = `${count(length)} of ${count(this.#dump.size)} bytes`;
  }

  #take(listening, data) {
    if (listening !== this.#listening) return;
    const { assembler } = listening;
    const before = assembler.length;
    const outcome = assembler.push(data);
    if (outcome && outcome.dump) {
      this.#stopListening(`Dump received from “${listening.input.name}”: ${count(outcome.dump.length)} bytes.`, outcome.dump);
      return;
    }
    if (outcome) {
      listening.tell(outcome.problem === 'too long'
        ? `A SysEx message longer than a dump was ignored; still waiting on “${listening.input.name}”.`
        : `A dump was cut off by other MIDI data and ignored; still waiting on “${listening.input.name}”.`);
    }
    if (assembler.length === before) return; // clock and the like do not keep a stopped dump alive
    this.#showProgress(assembler.length);
    clearTimeout(listening.timer);
    if (assembler.length > 0) {
      listening.timer = setTimeout(() => this.#stopListening(
        `The dump stopped after ${count(assembler.length)} of ${count(this.#dump.size)} bytes: nothing came for `
        + `${seconds(STALL_MS)}. Nothing was loaded; press Receive and start the dump again.`), STALL_MS);
    }
  }

  // Stops listening, tells `message`, and answers the receiver: the dump,
  // when one came.
  #stopListening(message, dump = null) {
    const listening = this.#listening;
    if (!listening) return;
    this.#listening = null;
    clearTimeout(listening.timer);
    listening.input.removeEventListener('midimessage', listening.onMessage);
    const ui = this.#ui;
    const hadFocus = document.activeElement === ui.cancel;
    ui.progress.hidden = true;
    ui.cancel.hidden = true;
    ui.receive.hidden = false;
    if (hadFocus) ui.receive.focus();
    listening.tell(message);
    listening.done(dump && { name: receivedName(new Date(), this.#dump.extension), bytes: dump });
  }

  // ---- Sending -------------------------------------------------------------

  // Sends a dump, { name, bytes }, as one message to the output; messages
  // leave one after another, with the pause between them. The dump is
  // offered as a file too, for a system that drops large SysEx messages.
  // Answers whether the browser took it.
  send(output, label, file, tell) {
    this.#offerDownload(file);
    const duration = cableMs(file.bytes.length);
    this.#sending = this.#sending.then(() => this.#transmit(output, label, file.bytes, duration, tell));
    return this.#sending;
  }

  async #transmit(output, label, bytes, duration, tell) {
    const wait = this.#cableFreeAt + this.#settings.pause - performance.now();
    if (wait > 0) {
      tell(`Waiting ${seconds(wait)} before sending ${label}: the message before is still on the cable, then comes the pause.`);
      await sleep(wait);
    }
    try {
      output.send(bytes);
    } catch (error) {
      tell(`The browser did not send ${label} (${error.message}). Send the dump with a SysEx utility instead; `
        + 'it can be downloaded under “Instrument: ports and pause”.');
      return false;
    }
    this.#cableFreeAt = performance.now() + duration;
    tell(`Sending ${label} to “${output.name}”: ${count(bytes.length)} bytes, ${seconds(duration)} on a MIDI cable…`);
    await sleep(duration);
    tell(`Sent ${label} to “${output.name}” (${count(bytes.length)} bytes).`);
    return true;
  }

  // The dump as a file, for a system that drops large SysEx messages.
  #offerDownload({ name, bytes }) {
    if (this.#fallbackUrl) URL.revokeObjectURL(this.#fallbackUrl);
    this.#fallbackUrl = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = Object.assign(document.createElement('a'), { href: this.#fallbackUrl, download: name, textContent: `Download ${name}` });
    const command = Object.assign(document.createElement('code'), { textContent: `amidi -p PORT -s "${name}"` });
    this.#ui.fallback.replaceChildren('Some systems drop large SysEx messages. If the instrument received nothing, ',
      link, ' and send it with a command-line sender: ', command, ' (amidi -l lists the ports).');
  }
}
