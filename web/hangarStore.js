// The hangar on the device, in IndexedDB: the core's record texts, one per
// airplane and per flight, exactly as an export writes them, and a
// generation that every change counts up. A change is written in one
// transaction, and only when the generation is still the one this tab last
// read: a tab that is behind another reads the store again and makes its
// edit anew, so no tab writes a record over a newer one it has not seen.
//
// Database "Tethrix", version 1, each store keyed by the record's id (or
// the meta value's name) apart from the value, the record's text alone (the
// quickest to read back in bulk):
//   airplanes  id -> the airplane's record text
//   flights    id -> the flight's record text
//   meta       "generation" -> a count
//              "index" -> {generation, airplanes: {id: {lastFlown, flights:
//              [ids]}}, deleted: [{id, name, flights: [ids]}]}: what a start
//              reads before the flights, trusted only while its generation
//              is the store's (another tab, or an older page, may have
//              changed the records since)
export const DATABASE = 'Tethrix';
const VERSION = 1;
const STORES = ['airplanes', 'flights', 'meta'];

const done = request => new Promise((resolve, reject) => {
  request.onsuccess = () => resolve(request.result);
  request.onerror = () => reject(request.error);
});

// The database, or a rejection saying why there is none (site data
// blocked, no IndexedDB, another tab holding an older version open).
export function openStore() {
  return new Promise((resolve, reject) => {
    let request;
    try {
      request = indexedDB.open(DATABASE, VERSION);
    } catch (e) {
      reject(e);
      return;
    }
    request.onupgradeneeded = () => {
      const db = request.result;
      for (const name of STORES) if (!db.objectStoreNames.contains(name)) db.createObjectStore(name);
    };
    request.onblocked = () => reject(new Error('another tab of Tethrix holds an older version of it open'));
    request.onerror = () => reject(request.error || new Error('the browser refused to open it'));
    request.onsuccess = () => {
      const db = request.result;
      db.onversionchange = () => db.close();  // a newer page wants it: this one gives way
      resolve(db);
    };
  });
}

const generationOf = value => (Number.isInteger(value) ? value : 0);

// Everything stored, in one read: {airplanes, flights: record texts, generation}.
export async function readStore(db) {
  const tx = db.transaction(STORES, 'readonly');
  const [airplanes, flights, meta] = await Promise.all([
    done(tx.objectStore('airplanes').getAll()), done(tx.objectStore('flights').getAll()),
    done(tx.objectStore('meta').get('generation'))]);
  // A value that is no text (not this page's) is handed on as one, for the core to refuse.
  const records = list => list.map(r => (typeof r === 'string' ? r : String(r)));
  return {airplanes: records(airplanes), flights: records(flights), generation: generationOf(meta)};
}

const isText = v => typeof v === 'string';
const isIds = v => Array.isArray(v) && v.every(isText);
function usableIndex(index, generation) {
  if (!index || typeof index !== 'object' || index.generation !== generation) return null;
  const {airplanes, deleted} = index;
  if (!airplanes || typeof airplanes !== 'object' || !Array.isArray(deleted)) return null;
  const ok = Object.values(airplanes).every(a => a && isText(a.lastFlown) && isIds(a.flights)) &&
             deleted.every(d => d && isText(d.id) && isText(d.name) && isIds(d.flights));
  return ok ? index : null;
}

// A start's first read, without the flights: the airplanes, the index and
// the flights of the airplane open ({airplanes, flights, generation,
// index}), or null when the index is missing, behind the store or does
// not match what it indexes (the whole store must then be read).
export async function readStart(db, open) {
  const tx = db.transaction(STORES, 'readonly');
  const meta = tx.objectStore('meta');
  const store = tx.objectStore('airplanes');
  const [airplanes, ids, generation, index] = await Promise.all([
    done(store.getAll()), done(store.getAllKeys()), done(meta.get('generation')), done(meta.get('index'))]);
  const usable = usableIndex(index, generationOf(generation));
  const indexed = usable && Object.keys(usable.airplanes);
  if (!usable || !airplanes.every(isText) || ids.length !== indexed.length ||
      !ids.every(id => Object.hasOwn(usable.airplanes, id))) return null;
  const flightIds = Object.hasOwn(usable.airplanes, open) ? usable.airplanes[open].flights : [];
  const flights = await Promise.all(flightIds.map(id => done(tx.objectStore('flights').get(id))));
  if (!flights.every(isText)) return null;
  return {airplanes, flights, generation: usable.generation, index: usable};
}

// Keeps the index of the store as of generation, unless it has moved on.
export function writeIndex(db, generation, index) {
  return new Promise(resolve => {
    let tx;
    try {
      tx = db.transaction(['meta'], 'readwrite');
    } catch {
      resolve();
      return;
    }
    const meta = tx.objectStore('meta');
    meta.get('generation').onsuccess = e => {
      if (generationOf(e.target.result) === generation) meta.put({generation, ...index}, 'index');
    };
    tx.oncomplete = tx.onabort = tx.onerror = () => resolve();
  });
}

// Writes a change (the core's records) over the store of generation:
// resolves the new generation, or null when the store has moved on since
// (nothing written); rejects with the reason when the browser did not keep
// it (full, blocked, closed).
export function writeChange(db, generation, change) {
  return new Promise((resolve, reject) => {
    let tx;
    try {
      tx = db.transaction(STORES, 'readwrite');
    } catch (e) {
      reject(e);
      return;
    }
    let stale = false;
    const meta = tx.objectStore('meta');
    meta.get('generation').onsuccess = e => {
      if (generationOf(e.target.result) !== generation) {
        stale = true;
        tx.abort();
        return;
      }
      const airplanes = tx.objectStore('airplanes'), flights = tx.objectStore('flights');
      for (const {id, record} of change.putAirplanes) airplanes.put(record, id);
      for (const id of change.removedAirplanes) airplanes.delete(id);
      for (const {id, record} of change.putFlights) flights.put(record, id);
      for (const id of change.removedFlights) flights.delete(id);
      meta.put(generation + 1, 'generation');
    };
    tx.oncomplete = () => resolve(generation + 1);
    tx.onabort = () => (stale ? resolve(null) : reject(tx.error || new Error('the browser did not keep it')));
  });
}

// Tells the other tabs of a change, and hears theirs.
const channel = typeof BroadcastChannel === 'function' ? new BroadcastChannel('Tethrix.hangar') : null;
export function announce(generation) { channel?.postMessage({generation}); }
export function hearChanges(heard) { if (channel) channel.onmessage = e => heard(e.data && e.data.generation); }
