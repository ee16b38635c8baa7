// The lap timer's panel, loaded when the panel is first opened. Two ways to
// time the laps: a helper taps at each pass, or the phone the pilot holds or
// pockets counts the pilot's own turns. The core (LapBindings.cpp) judges
// the laps and words what is shown; this file gathers the taps and the
// motion samples, and hands the mean to Lap Time as if typed.
import {flightLog, onFlightLog} from './laphook.js?b=@BUILD@';
import {said, count} from './language.js?b=@BUILD@';

/** @type {(id: any) => any} */
const $ = id => document.getElementById(id);

// A press this long stops the pilot's timer; shorter touches (a lit screen
// in a pocket gets touched) do nothing.
const HOLD_TO_STOP_MS = 1500;
// Samples go to the core in batches this often.
const BATCH_MS = 250;
// A timer that hears no motion sample this long after starting has no sensors.
const SILENT_MS = 3000;
// devicemotion's accelerationIncludingGravity is low-passed with this time
// constant to give gravity: the pilot's sway and the turn's own pull on a
// phone at the hip are far quicker or far smaller than a change of the way
// the phone is held.
const GRAVITY_SECONDS = 0.3;
const RADIANS_PER_DEGREE = Math.PI / 180;

const SENSORS_MISSING = 'Motion sensors are missing or were refused here: tap at each pass instead.';

let tethrix, separator;
let taps = [];
let shown = {laps: [], use: {count: 0, mean: 0, text: ''}, timedBy: 'taps'};
/** @type {any} */
let flight = null;  // the pilot's timer while it runs

// The numbers the next call reads (taps, or samples of seven numbers); the
// room for them first, as making it may move the core's memory.
function put(numbers) {
  const at = tethrix._tx_lapIn(numbers.length) >> 3;
  tethrix.HEAPF64.set(numbers, at);
}

// Each lap's line into a list, the newest on top.
function list(element, laps) {
  element.replaceChildren(...laps.map(lap => {
    const li = document.createElement('li');
    li.textContent = said(lap.line);
    if (!lap.counted) li.className = 'left-out';
    return li;
  }).reverse());
}
function show(judged, timedBy) {
  shown = {...judged, timedBy};
  $('LapSummary').textContent = said(judged.summary);
  list($('LapTimes'), judged.laps);
  $('UseLapTime').disabled = !judged.use.count;
  showLogButton();
}
// The hangar opens after the page is ready: the button's place is kept
// until then, so that Time my laps never moves under a thumb.
function showLogButton() {
  $('LogFlight').classList.toggle('unplaced', !flightLog());
  $('LogFlight').disabled = !shown.use.count;
}
function say(text) { $('LapNote').textContent = said(text); }

function judgeTaps() {
  put(taps);
  tethrix._tx_lapsOfTaps(separator.charCodeAt(0));
  show(tethrix.judgedLaps(), 'taps');
}

// ---- The helper's taps: the press is the pass ----

function tap(seconds) {
  if (flight) return;
  if (shown.timedBy !== 'taps') taps = [];
  taps.push(seconds);
  if (navigator.vibrate) navigator.vibrate(15);
  judgeTaps();
}

// ---- The pilot's own turn ----

// Readings of rate (radians a second) and gravity from the Generic Sensor
// API, gravity from devicemotion where its own sensor is missing or fails;
// onFail(error, heard) when the gyroscope fails, heard whether it had read.
function gyroscopeSource(onSample, onFail) {
  let gravity = null, heard = false;
  const gyroscope = new Gyroscope({frequency: 60});
  let stopGravity;
  const gravityFromMotion = () => motionGravity(g => { gravity = g; });
  if ('GravitySensor' in window) {
    const sensor = new GravitySensor({frequency: 60});
    sensor.addEventListener('reading', () => { gravity = [sensor.x, sensor.y, sensor.z]; });
    sensor.addEventListener('error', () => { sensor.stop(); stopGravity = gravityFromMotion(); });
    sensor.start();
    stopGravity = () => sensor.stop();
  } else {
    stopGravity = gravityFromMotion();
  }
  gyroscope.addEventListener('reading', () => {
    heard = true;
    if (gravity) onSample(gyroscope.timestamp / 1000, gyroscope.x, gyroscope.y, gyroscope.z, gravity);
  });
  gyroscope.addEventListener('error', e => {
    gyroscope.stop();
    stopGravity();
    onFail(e.error, heard);
  });
  gyroscope.start();
  return () => { gyroscope.stop(); stopGravity(); };
}
function motionGravity(onGravity) {
  let gravity = null, last = 0;
  const heard = e => {
    const a = e.accelerationIncludingGravity;
    if (!a || a.x === null || a.y === null || a.z === null) return;
    const t = e.timeStamp / 1000, k = gravity ? 1 - Math.exp(-(t - last) / GRAVITY_SECONDS) : 1;
    gravity = gravity ? gravity.map((g, i) => g + k * ([a.x, a.y, a.z][i] - g)) : [a.x, a.y, a.z];
    last = t;
    onGravity(gravity);
  };
  addEventListener('devicemotion', heard);
  return () => removeEventListener('devicemotion', heard);
}
// devicemotion's rotationRate: degrees a second, x as alpha, y as beta,
// z as gamma (as browsers report it).
function motionSource(onSample, onFail) {
  let gravity = null, heard = false;
  const stopGravity = motionGravity(g => { gravity = g; });
  const rate = e => {
    const r = e.rotationRate;
    if (!r || r.alpha === null || r.beta === null || r.gamma === null) {
      if (!heard) { stop(); onFail(null, false); }
      return;
    }
    heard = true;
    if (gravity)
      onSample(e.timeStamp / 1000, r.alpha * RADIANS_PER_DEGREE, r.beta * RADIANS_PER_DEGREE,
               r.gamma * RADIANS_PER_DEGREE, gravity);
  };
  const stop = () => { removeEventListener('devicemotion', rate); stopGravity(); };
  addEventListener('devicemotion', rate);
  return stop;
}

async function timeMyLaps() {
  if (flight) return;
  say('');
  // Asked on the tap itself: iOS grants the sensors only from one.
  // (iOS's requestPermission is in no standard, nor in TypeScript's types.)
  const motion = typeof DeviceMotionEvent !== 'undefined' ? /** @type {any} */ (DeviceMotionEvent) : undefined;
  if (motion && typeof motion.requestPermission === 'function') {
    let granted = 'denied';
    try { granted = await motion.requestPermission(); } catch {}
    if (granted !== 'granted') { say(SENSORS_MISSING); return; }
  }
  const counter = tethrix._tx_turnNew();
  flight = {counter, samples: [], stopSource: () => {}, wakeLock: null, batch: 0, silent: 0, heard: false};
  const onSample = (t, x, y, z, g) => {
    if (!flight || flight.counter !== counter) return;
    flight.heard = true;
    flight.samples.push(t, x, y, z, g[0], g[1], g[2]);
  };
  const missing = () => endFlight(SENSORS_MISSING, false);
  const onFail = (error, heard) => {
    if (!flight || flight.counter !== counter) return;
    // The gyroscope refused or gone before its first reading: devicemotion may still have one.
    if (!heard && flight.source === 'gyroscope') {
      flight.source = 'motion';
      flight.stopSource = motionSource(onSample, missing);
    } else if (!heard) {
      missing();
    } else {
      endFlight(`The motion sensors stopped${error ? ' (' + error.name + ')' : ''}.`, true);
    }
  };
  try {
    if (!('Gyroscope' in window)) throw new Error('no Gyroscope');
    flight.source = 'gyroscope';
    flight.stopSource = gyroscopeSource(onSample, onFail);
  } catch {
    flight.source = 'motion';
    flight.stopSource = motionSource(onSample, missing);
  }
  // The screen stays on while timing: sensors stop when it turns off.
  navigator.wakeLock?.request('screen').then(lock => {
    if (flight && flight.counter === counter) flight.wakeLock = lock;
    else lock.release();
  }).catch(() => {});
  flight.batch = setInterval(() => flush(false), BATCH_MS);
  flight.silent = setTimeout(() => { if (flight && !flight.heard) missing(); }, SILENT_MS);
  flush(false);  // what the core says before any sample: hold still
  $('LapTiming').hidden = false;
  document.addEventListener('visibilitychange', hidden);
}

// The samples since the last batch to the core; what it makes of them shown.
function flush(finish) {
  put(flight.samples);
  flight.samples = [];
  tethrix._tx_turnAdd(flight.counter, finish, separator.charCodeAt(0));
  const judged = tethrix.judgedLaps();
  $('TurnSummary').textContent = said(judged.summary);
  list($('TurnLaps'), judged.laps.slice(-5));
  return judged;
}

// The pilot's timer stops: with the laps it had when keep, else none.
function endFlight(note, keep) {
  if (!flight) return;
  const {counter, batch, silent, stopSource, wakeLock} = flight;
  clearInterval(batch);
  clearTimeout(silent);
  stopSource();
  wakeLock?.release().catch(() => {});
  document.removeEventListener('visibilitychange', hidden);
  const judged = flush(true);
  flight = null;
  tethrix._tx_turnDelete(counter);
  $('LapTiming').hidden = true;
  if (keep) show(judged, 'turns');
  say(said(note).replace('{laps}', count('%n lap(s)', judged.laps.length)));
}
function hidden() {
  if (document.visibilityState === 'hidden')
    endFlight('The timer stopped when the screen locked or the page was hidden, after {laps}.', true);
}

// Touches are ignored while timing, but a press held HOLD_TO_STOP_MS.
function bindHoldToStop() {
  const overlay = $('LapTiming');
  let held = 0;
  const release = () => { clearTimeout(held); overlay.classList.remove('holding'); };
  overlay.addEventListener('pointerdown', e => {
    e.preventDefault();
    release();
    overlay.classList.add('holding');
    held = setTimeout(() => { release(); endFlight('Stopped after {laps}.', true); }, HOLD_TO_STOP_MS);
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave']) overlay.addEventListener(type, release);
  overlay.addEventListener('contextmenu', e => e.preventDefault());
}

// ---- The panel ----

export function openLapTimer(module, decimalSeparator) {
  tethrix = module;
  separator = decimalSeparator;
  $('TapLap').addEventListener('pointerdown', e => {
    if (e.pointerType === 'mouse' && e.button !== 0) return;
    e.preventDefault();  // no text selection, no focus moving under the helper's thumb
    tap(e.timeStamp / 1000);
  });
  // Space or Enter on the focused target taps too, once per press.
  $('TapLap').addEventListener('keydown', e => {
    if (e.key !== ' ' && e.key !== 'Enter') return;
    e.preventDefault();
    if (!e.repeat) tap(e.timeStamp / 1000);
  });
  $('StartAgainLaps').addEventListener('click', () => {
    taps = [];
    say('');
    judgeTaps();
  });
  $('TimeMyLaps').addEventListener('click', timeMyLaps);
  bindHoldToStop();
  // The mean into Lap Time as if typed, then recalculated as Calculate does.
  $('UseLapTime').addEventListener('click', () => {
    if (!shown.use.count) return;
    const field = $('LapTime');
    field.value = shown.use.text;
    field.dispatchEvent(new Event('input'));
    $('Calculate').click();
  });
  $('LogFlight').addEventListener('click', async () => {
    const log = flightLog();
    if (!log || !shown.use.count) return;
    const {count, mean, text} = shown.use;
    try {
      say(await log({lapTime: mean, lapTimeText: text, laps: count, timedBy: shown.timedBy}) || '');
    } catch (e) {
      say(`The flight was not logged: ${e.message}`);
    }
  });
  onFlightLog(showLogButton);
  judgeTaps();
}
