// The page around the game: the canvas and its scaling, the test interface window.corvanes, the
// player's controls file in the browser's storage, the log, full screen and the PNG of a frame.
// The game itself (corvanes.js and its WebAssembly) calls in through Module.corvanesPage.
'use strict';
(function () {
  const params = new URLSearchParams(location.search);
  const scripted = params.has('input');
  const state = { passes: 0, done: false, trace: [], log: [], error: null };
  window.corvanes = state;

  const byId = (id) => document.getElementById(id);
  const canvas = byId('canvas');
  const stage = byId('stage');
  const notice = byId('notice');
  const logText = byId('log-text');
  const controlsText = byId('controls-text');

  function showNotice(text, restart) {
    notice.textContent = text;
    if (restart) {
      const again = document.createElement('button');
      again.type = 'button';
      again.textContent = 'Start again';
      // The run-long state starts afresh only with a new page.
      again.addEventListener('click', () => location.reload());
      notice.append(document.createElement('br'), again);
    }
    notice.hidden = false;
  }

  if (typeof WebAssembly !== 'object') {
    showNotice('Corvanes needs a browser that runs WebAssembly, and this one does not.');
    state.done = true;
    return;
  }

  // The picture fits the page with its shape kept, on whole device pixels, drawn nearest-pixel.
  function layout() {
    const ratio = window.devicePixelRatio || 1;
    const scale = Math.min(stage.clientWidth / canvas.width, stage.clientHeight / canvas.height);
    const width = Math.max(1, Math.floor(canvas.width * scale * ratio));
    const height = Math.max(1, Math.floor((width * canvas.height) / canvas.width));
    canvas.style.width = width / ratio + 'px';
    canvas.style.height = height / ratio + 'px';
  }
  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', layout);
  layout();

  const context = canvas.getContext('2d', { alpha: false });
  let image = null;

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else if (document.documentElement.requestFullscreen) {
      // The whole page, so that its buttons and panels stay at hand.
      document.documentElement.requestFullscreen().catch(() => {});
    }
  }
  byId('full-screen').addEventListener('click', toggleFullScreen);

  // A click on the picture locks the pointer to it (refused, the mouse still works over it) and
  // still counts as a click in the game.
  canvas.addEventListener('mousedown', () => {
    if (scripted || document.pointerLockElement === canvas || !canvas.requestPointerLock) return;
    try {
      const asked = canvas.requestPointerLock();
      if (asked && asked.catch) asked.catch(() => {});
    } catch (refused) {
      // The mouse keeps working without the lock.
    }
  });
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());

  // Sound may start only after the player did something on the page.
  let audio = null;
  function resumeAudio() {
    if (audio && audio.context.state === 'suspended') audio.context.resume().catch(() => {});
  }
  document.addEventListener('pointerdown', resumeAudio, true);
  document.addEventListener('keydown', resumeAudio, true);

  function appendLog(lines) {
    for (const line of lines) {
      state.log.push(line);
      console.log(line);
    }
    if (!byId('log-panel').hidden && lines.length) logText.textContent += lines.join('\n') + '\n';
  }

  function linesOf(text) {
    if (!text) return [];
    const lines = text.split('\n');
    lines.pop();
    return lines;
  }

  const page = {
    setCanvasSize(width, height) {
      canvas.width = width;
      canvas.height = height;
      image = null;
      layout();
    },
    drawFrame(heap, pointer, width, height) {
      if (!image || image.data.buffer !== heap.buffer || image.pointer !== pointer) {
        image = new ImageData(new Uint8ClampedArray(heap.buffer, pointer, width * height * 4),
                              width, height);
        image.pointer = pointer;
      }
      context.putImageData(image, 0, 0);
    },
    savePng() {
      canvas.toBlob((blob) => {
        if (!blob) return;
        const link = document.createElement('a');
        link.href = URL.createObjectURL(blob);
        link.download = 'corvanes-' + new Date().toISOString().replace(/[:.]/g, '-') + '.png';
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
      }, 'image/png');
    },
    toggleFullScreen,
    showCursor(show) {
      canvas.style.cursor = show ? '' : 'none';
    },
    message(caption, text) {
      console.warn(caption + ': ' + text);
      showNotice(caption + ': ' + text);
    },
    openAudio(rate) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return false;
      try {
        const context = new Context({ sampleRate: rate });
        const node = context.createScriptProcessor(2048, 0, 2);
        node.onaudioprocess = (e) => {
          const out = e.outputBuffer;
          const frames = out.length;
          const at = Module._corvanes_mix_audio(frames) >> 1;
          const mix = Module.HEAP16;
          const left = out.getChannelData(0);
          const right = out.getChannelData(1);
          for (let i = 0; i < frames; ++i) {
            left[i] = mix[at + 2 * i] / 32768;
            right[i] = mix[at + 2 * i + 1] / 32768;
          }
        };
        node.connect(context.destination);
        audio = { context, node };
        return true;
      } catch (failure) {
        return false;
      }
    },
    closeAudio() {
      if (!audio) return;
      audio.node.disconnect();
      audio.context.close().catch(() => {});
      audio = null;
    },
    publish(passes, trace, log) {
      state.passes = passes;
      for (const line of linesOf(trace)) state.trace.push(line);
      appendLog(linesOf(log));
    },
    firstPass() {
      state.firstPassMs = performance.now();
    },
    stats(times) {
      state.stats = { passMs: Array.from(times) };
    },
    fail(message) {
      state.error = message;
      console.error('corvanes: ' + message);
      showNotice(message);
      state.done = true;
    },
    done(status) {
      state.doneMs = performance.now();
      state.status = status;
      state.done = true;
      if (!scripted) {
        document.exitPointerLock && document.pointerLockElement && document.exitPointerLock();
        const limit = Number(params.get('frames'));
        showNotice(params.has('frames') && state.passes >= limit
          ? 'The game has ended after ' + state.passes + ' passes.'
          : 'Escape ended the game.', true);
      }
    },
  };

  // The player's own controls file lives in the browser's storage.
  let database = null;
  const storage = {
    open() {
      database = database || new Promise((resolve, reject) => {
        const request = indexedDB.open('corvanes', 1);
        request.onupgradeneeded = () => request.result.createObjectStore('files');
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
      });
      return database;
    },
    load(name) {
      return storage.open().then((db) => new Promise((resolve) => {
        const request = db.transaction('files').objectStore('files').get(name);
        request.onsuccess = () => resolve(typeof request.result === 'string' ? request.result : null);
        request.onerror = () => resolve(null);
      })).catch(() => null);
    },
    save(name, text) {
      return storage.open().then((db) => new Promise((resolve) => {
        const transaction = db.transaction('files', 'readwrite');
        transaction.objectStore('files').put(text, name);
        transaction.oncomplete = () => resolve(true);
        transaction.onerror = () => resolve(false);
      })).catch(() => false);
    },
  };

  // The warnings of the controls panel: the game reads one entry from each line that holds no
  // "//", its number read as a stream reads an int; a line without one repeats the entry before.
  const entryNames = ['steering (0 keys, 1 joystick)', 'turn around', 'thrust', 'shoot ahead',
                      'shoot up', 'shoot down', 'mode up', 'mode down', 'steer up', 'steer down',
                      'steer left', 'steer right'];
  function controlsWarnings(text) {
    const warnings = [];
    const lines = text.split('\n');
    if (lines[lines.length - 1] === '') lines.pop();
    let entry = 0;
    lines.forEach((line, index) => {
      if (line.includes('//') || entry >= entryNames.length) return;
      const where = 'line ' + (index + 1) + ' (' + entryNames[entry] + '): ';
      const found = /^[ \t\v\f\r]*([+-]?\d+)/.exec(line);
      const value = found ? Number(found[1]) : NaN;
      if (!found || value < -2147483648 || value > 2147483647) {
        warnings.push(where + 'no number, so it keeps the value before');
      } else if (entry === 0 ? value !== 0 && value !== 1 : value < 0 || (value > 255 && value < 2000)) {
        warnings.push(where + value + ' is outside the codes the game knows ' +
                      (entry === 0 ? '(0 or 1)' : '(keys 0 to 255, joystick buttons from 2000)'));
      }
      entry += 1;
    });
    return warnings;
  }

  function showWarnings() {
    const list = byId('controls-warnings');
    list.replaceChildren(...controlsWarnings(controlsText.value).map((warning) => {
      const item = document.createElement('li');
      item.textContent = warning;
      return item;
    }));
  }

  let runtimeReady = false;
  controlsText.addEventListener('input', () => {
    const text = controlsText.value;
    showWarnings();
    storage.save('controls.cfg', text);
    // A scripted run plays with its own controls.
    if (runtimeReady && !scripted) Module.FS.writeFile('/game/controls.cfg', text);
  });
  // Keys typed into the page's own fields are not the game's.
  for (const type of ['keydown', 'keyup', 'keypress']) {
    controlsText.addEventListener(type, (e) => e.stopPropagation());
  }
  controlsText.addEventListener('focus', () => runtimeReady && Module._corvanes_release_keys());

  byId('controls-button').addEventListener('click', () => {
    const panel = byId('controls-panel');
    panel.hidden = !panel.hidden;
    byId('log-panel').hidden = true;
  });
  byId('log-link').addEventListener('click', (e) => {
    e.preventDefault();
    const panel = byId('log-panel');
    panel.hidden = !panel.hidden;
    byId('controls-panel').hidden = true;
    if (!panel.hidden) logText.textContent = state.log.map((line) => line + '\n').join('');
  });

  const setup = { script: null, controls: null };
  function fetchScript() {
    const name = params.get('input');
    if (!name) return Promise.resolve();
    return fetch(name, { cache: 'no-store' })
      .then((response) => (response.ok ? response.text() : null))
      .catch(() => null)
      .then((text) => { setup.script = text; });
  }

  // Fetched while the game's own files load.
  const setupDone = Promise.all([fetchScript(), storage.load('controls.cfg').then((text) => {
    setup.controls = text;
  })]);

  window.Module = {
    canvas,
    corvanesPage: page,
    corvanesSetup: setup,
    print: (line) => console.log(line),
    printErr: (line) => console.warn(line),
    preRun: [() => {
      Module.addRunDependency('corvanes-setup');
      setupDone.then(() => Module.removeRunDependency('corvanes-setup'));
    }],
    onRuntimeInitialized() {
      state.runtimeMs = performance.now();
      runtimeReady = true;
      controlsText.value = setup.controls !== null ? setup.controls
        : Module.FS.readFile('/game/controls.cfg', { encoding: 'utf8' });
      showWarnings();
    },
    onAbort(what) {
      page.fail('the game stopped: ' + what);
    },
  };

  const game = document.createElement('script');
  game.src = 'corvanes.js';
  game.onerror = () => page.fail('cannot load corvanes.js');
  document.body.append(game);
})();
