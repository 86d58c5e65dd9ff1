// A stand-in for the Web MIDI API, for machines without MIDI: installed in
// place of navigator.requestMIDIAccess before the page's own scripts run
// (page.addInitScript({ path })). It follows the API as Chromium implements
// it, because it is the only instrument the tests have:
//   - requestMIDIAccess(options) answers a MIDIAccess asynchronously, or
//     rejects as Chromium does when permission is refused (NotAllowedError)
//     or the system has no MIDI (InvalidStateError);
//   - MIDIAccess: inputs and outputs as maplike MIDIInputMap/MIDIOutputMap of
//     the connected ports by id, sysexEnabled, onstatechange;
//   - ports: id, name, manufacturer, version, type, state, connection,
//     onstatechange, open() and close(); a statechange event (with .port)
//     goes to the port and to every access on each change;
//   - MIDIInput: onmidimessage and addEventListener('midimessage') (either
//     opens the port); events are MIDIMessageEvents with `data` and
//     `timeStamp`, delivered only while the port is open;
//   - MIDIOutput.send(data, timestamp) accepts only complete messages: no
//     running status, no reserved status, no SysEx without F7, no status
//     byte inside a SysEx, and SysEx only when access was granted with
//     sysex: true; else a TypeError or an InvalidAccessError, with
//     Chromium's messages.
// The tests play the instrument through window.midiStandIn:
//   setup({ inputs, outputs, failure, absent })  ports by name; failure
//       'refused' or 'platform'; absent: no Web MIDI in this browser
//   deliver(name, events, { split })  each event's bytes to the input of that
//       name, one task each; whole messages only unless split is true
//   connect(type, name), disconnect(type, name)  a port plugged in or out
//   requests: the options of every requestMIDIAccess call
//   sent: { port, data, timestamp, at } for every message sent
//   delivered: performance.now() when the last event was dispatched
(() => {
  const RESERVED = new Set([0xf4, 0xf5, 0xf9, 0xfd]);

  // Bytes of a message with this status byte, the status included.
  function messageLength(status) {
    if (status < 0xc0 || (status >= 0xe0 && status < 0xf0)) return 3;
    if (status < 0xe0) return 2;
    return { 0xf1: 2, 0xf2: 3, 0xf3: 2 }[status] || 1;
  }

  // Chromium's check of the bytes given to send().
  function validate(data, sysexEnabled) {
    const at = (i) => `at index ${i} (${data[i]}).`;
    for (let i = 0; i < data.length;) {
      const status = data[i];
      if (status < 0x80) throw new TypeError(`Running status is not allowed ${at(i)}`);
      if (status === 0xf7) throw new TypeError(`Unexpected end of system exclusive message ${at(i)}`);
      if (RESERVED.has(status)) throw new TypeError(`Reserved status is not allowed ${at(i)}`);
      if (status === 0xf0) {
        if (!sysexEnabled) throw new DOMException(`System exclusive message is not allowed ${at(i)}`, 'InvalidAccessError');
        let end = i + 1;
        while (end < data.length && data[end] < 0x80) end++;
        if (end === data.length) throw new TypeError('System exclusive message is not ended by end of system exclusive message.');
        if (data[end] !== 0xf7) throw new TypeError(`System exclusive message contains a status byte ${at(end)}`);
        i = end + 1;
        continue;
      }
      const length = messageLength(status);
      for (let k = 1; k < length; k++) {
        if (i + k >= data.length) throw new TypeError('Message is incomplete.');
        if (data[i + k] >= 0x80) throw new TypeError(`Unexpected status byte ${at(i + k)}`);
      }
      i += length;
    }
  }

  // An `on<type>` attribute over addEventListener, as event handlers are.
  function handlerAttribute(target, type, onSet = () => {}) {
    let handler = null;
    Object.defineProperty(target, `on${type}`, {
      get: () => handler,
      set: (value) => {
        if (handler) target.removeEventListener(type, handler);
        handler = typeof value === 'function' ? value : null;
        if (handler) {
          target.addEventListener(type, handler);
          onSet();
        }
      },
    });
  }

  // What the system has: { id, type, name, state }; each access makes its
  // own port objects for them, as a browser does.
  let devices = [];
  let failure = null;
  let nextId = 0;
  const accesses = [];

  function stateChanged(device) {
    for (const access of accesses) {
      const port = access.portOf(device);
      for (const target of [port, access]) {
        const event = new Event('statechange');
        Object.defineProperty(event, 'port', { value: port });
        target.dispatchEvent(event);
      }
    }
  }

  class MIDIPort extends EventTarget {
    #device;
    #connection = 'closed';
    constructor(device, access) {
      super();
      this.#device = device;
      this.access = access;
      handlerAttribute(this, 'statechange');
    }
    get id() { return this.#device.id; }
    get name() { return this.#device.name; }
    get manufacturer() { return 'Stand-in'; }
    get version() { return '1.0'; }
    get type() { return this.#device.type; }
    get state() { return this.#device.state; }
    get connection() { return this.#connection; }
    setConnection(value) {
      if (this.#connection === value) return;
      this.#connection = value;
      stateChanged(this.#device);
    }
    open() {
      this.setConnection(this.state === 'connected' ? 'open' : 'pending');
      return Promise.resolve(this);
    }
    close() {
      this.setConnection('closed');
      return Promise.resolve(this);
    }
  }

  class MIDIInput extends MIDIPort {
    constructor(device, access) {
      super(device, access);
      handlerAttribute(this, 'midimessage', () => this.open());
    }
    addEventListener(type, listener, options) {
      super.addEventListener(type, listener, options);
      if (type === 'midimessage' && listener) this.open();
    }
  }

  class MIDIOutput extends MIDIPort {
    send(data, timestamp = 0) {
      const bytes = data instanceof Uint8Array ? data : Array.from(data, (value, i) => {
        if (!Number.isInteger(value) || value < 0 || value > 0xff) throw new TypeError(`The value at index ${i} (${value}) is greater than 0xFF.`);
        return value;
      });
      if (this.state === 'disconnected') throw new DOMException('Port is disconnected.', 'InvalidStateError');
      validate(bytes, this.access.sysexEnabled);
      if (this.connection !== 'open') this.open();
      window.midiStandIn.sent.push({ port: this.name, data: Array.from(bytes), timestamp, at: performance.now() });
    }
  }

  class PortMap {
    #map;
    constructor(list) {
      this.#map = new Map(list.map((port) => [port.id, port]));
    }
    get size() { return this.#map.size; }
    get(id) { return this.#map.get(id); }
    has(id) { return this.#map.has(id); }
    keys() { return this.#map.keys(); }
    values() { return this.#map.values(); }
    entries() { return this.#map.entries(); }
    forEach(callback, thisArg) { this.#map.forEach((port, id) => callback.call(thisArg, port, id, this)); }
    [Symbol.iterator]() { return this.#map.entries(); }
  }
  class MIDIInputMap extends PortMap {}
  class MIDIOutputMap extends PortMap {}

  class MIDIAccess extends EventTarget {
    #ports = new Map();
    constructor(sysexEnabled) {
      super();
      Object.defineProperty(this, 'sysexEnabled', { value: sysexEnabled, enumerable: true });
      handlerAttribute(this, 'statechange');
    }
    portOf(device) {
      if (!this.#ports.has(device)) this.#ports.set(device, new (device.type === 'input' ? MIDIInput : MIDIOutput)(device, this));
      return this.#ports.get(device);
    }
    #connected(type) {
      return devices.filter((d) => d.type === type && d.state === 'connected').map((d) => this.portOf(d));
    }
    get inputs() { return new MIDIInputMap(this.#connected('input')); }
    get outputs() { return new MIDIOutputMap(this.#connected('output')); }
  }

  function requestMIDIAccess(options = {}) {
    window.midiStandIn.requests.push({ ...options });
    return new Promise((resolve, reject) => setTimeout(() => {
      if (failure === 'refused') reject(new DOMException('Permission to use Web MIDI API was not granted.', 'NotAllowedError'));
      else if (failure === 'platform') reject(new DOMException('Platform dependent initialization failed.', 'InvalidStateError'));
      else {
        const access = new MIDIAccess(Boolean(options && options.sysex));
        accesses.push(access);
        resolve(access);
      }
    }, 0));
  }

  const device = (type, name) => ({ id: `${type}-${++nextId}`, type, name, state: 'connected' });
  const find = (name, type) => {
    const found = devices.find((d) => d.name === name && (!type || d.type === type) && d.state === 'connected');
    if (!found) throw new Error(`stand-in: no ${type || 'port'} named ${name}`);
    return found;
  };

  window.midiStandIn = {
    requests: [],
    sent: [],
    delivered: 0,
    setup({ inputs = ['Stand-in MIDI'], outputs = ['Stand-in MIDI'], failure: fails = null, absent = false } = {}) {
      devices = [...inputs.map((name) => device('input', name)), ...outputs.map((name) => device('output', name))];
      failure = fails;
      if (absent) delete Navigator.prototype.requestMIDIAccess;
      else Object.defineProperty(Navigator.prototype, 'requestMIDIAccess', { value: requestMIDIAccess, writable: true, configurable: true });
    },
    connect(type, name) {
      const added = device(type, name);
      devices.push(added);
      stateChanged(added);
    },
    disconnect(type, name) {
      const gone = find(name, type);
      gone.state = 'disconnected';
      stateChanged(gone);
      for (const access of accesses) {
        const port = access.portOf(gone);
        if (port.connection === 'open') port.setConnection('pending');
      }
    },
    // Answers how many events the page could hear (the input open).
    async deliver(name, events, { split = false } = {}) {
      const source = find(name, 'input');
      let heard = 0;
      for (const bytes of events) {
        if (!split) validate(bytes, true);
        await new Promise((resolve) => setTimeout(resolve, 0));
        for (const access of accesses) {
          const input = access.portOf(source);
          if (source.state !== 'connected' || input.connection !== 'open') continue;
          window.midiStandIn.delivered = performance.now();
          input.dispatchEvent(new MIDIMessageEvent('midimessage', { data: Uint8Array.from(bytes) }));
          heard += 1;
        }
      }
      return heard;
    },
  };
  window.midiStandIn.setup();
})();
