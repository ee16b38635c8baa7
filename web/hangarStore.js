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
