// Where a timed flight goes once the lap timer has its mean: the trim log's
// code provides the hand that logs it (with the airplane and the conditions
// in force), and the timer offers "Log this flight" only while one is
// provided. A module of its own, so that either side may load first.
let logger = null;
const heard = new Set();

// log({lapTime, lapTimeText, laps, timedBy}): the mean in seconds, as
// Lap Time's text, the laps in it, and 'taps' or 'turns'. It answers, or
// resolves to, the text to show: what was logged, or why not. null
// withdraws it.
export function provideFlightLog(log) {
  logger = typeof log === 'function' ? log : null;
  for (const listener of heard) listener(logger);
}
export function flightLog() { return logger; }
export function onFlightLog(listener) { heard.add(listener); }
