// The classic script that runs the engine in a worker (vornakWorkerScript):
// in the sources, one that loads the worker's module beside this file
// (worker-script.js), keeping the requests that come before it has loaded;
// web/build.mjs puts the engine itself, bundled into one script, in its
// place in the bundles.
const script = /* @__PURE__ */ new URL('./worker-script.js', import.meta.url).href;

export const vornakWorkerScript = `if (typeof self === 'undefined') import(${JSON.stringify(script)});
else {
  const early = [];
  const keep = (event) => early.push(event.data);
  self.addEventListener('message', keep);
  import(${JSON.stringify(script)}).then(() => {
    self.removeEventListener('message', keep);
    for (const data of early) self.dispatchEvent(new MessageEvent('message', { data }));
  });
}
`;

