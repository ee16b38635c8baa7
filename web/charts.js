// The trim charts as SVG: line tension (left scale) and leadout position and
// line projection (right scale) over a range of one input, the current case
// marked. Figures come from the session; this only draws.

const NS = 'http://www.w3.org/2000/svg';
export const SERIES = [
  {key: 'LineTension', name: 'Line Tension', cls: 'tension', axis: 0},
  {key: 'LeadoutPosition', name: 'Leadout Position', cls: 'leadout', axis: 1},
  {key: 'LineProjection', name: 'Line Projection', cls: 'bow', axis: 1},
];

// Ticks at 1, 2, 2.5 or 5 × 10^n covering [lo, hi] with about n steps.
export function niceTicks(lo, hi, steps = 5) {
  if (!(hi > lo)) { hi = lo + 1; }
  const raw = (hi - lo) / steps;
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  const step = [1, 2, 2.5, 5, 10].map(m => m * power).find(s => s >= raw);
  const first = Math.floor(lo / step) * step, last = Math.ceil(hi / step) * step;
  const ticks = [];
  for (let v = first; v <= last + step / 2; v += step)
    ticks.push(Math.abs(v) < step * 1e-9 ? 0 : Number(v.toPrecision(12)));
  return ticks;
}

function el(name, attrs, parent, text) {
  const e = document.createElementNS(NS, name);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
  if (text !== undefined) e.textContent = text;
  parent.appendChild(e);
  return e;
}

// units: each series' unit by its key, as the session names it.
export function drawChart(figure, title, xLabel, rows, current, units) {
  figure.replaceChildren();
  const ok = rows.filter(r => r.ok);
  // Drawn at the figure's own width so the text stays readable on a phone;
  // a narrow chart stacks its legend.
  const W = Math.round(Math.max(300, Math.min(640, figure.clientWidth || 640)));
  const narrow = W < 560, L = narrow ? 40 : 58, R = L, T = 34, B = narrow ? 110 : 70;
  const H = narrow ? 360 : 330;
  const svg = el('svg', {viewBox: `0 0 ${W} ${H}`, role: 'img', 'aria-label': title}, figure);
  el('text', {x: W / 2, y: 18, 'text-anchor': 'middle', 'font-weight': 'bold'}, svg, title);
  if (ok.length < 2) {
    el('text', {x: W / 2, y: H / 2, 'text-anchor': 'middle'}, svg, 'No figures to draw: ' + (rows[0]?.error || ''));
    return;
  }
  const xs = ok.map(r => r.input);
  const xt = niceTicks(Math.min(...xs), Math.max(...xs), 6);
  const xLo = Math.min(...xs), xHi = Math.max(...xs);
  const scales = [0, 1].map(axis => {
    const vals = ok.flatMap(r => SERIES.filter(s => s.axis === axis).map(s => r.figures[s.key]));
    const lo = axis === 1 ? Math.min(0, ...vals) : Math.min(...vals);
    const ticks = niceTicks(lo, Math.max(...vals), 5);
    return {lo: ticks[0], hi: ticks[ticks.length - 1], ticks};
  });
  const px = x => L + (x - xLo) / (xHi - xLo) * (W - L - R);
  const py = (v, axis) => T + (1 - (v - scales[axis].lo) / (scales[axis].hi - scales[axis].lo)) * (H - T - B);
  for (const t of scales[0].ticks) {
    el('line', {x1: L, x2: W - R, y1: py(t, 0), y2: py(t, 0), class: 'grid'}, svg);
    el('text', {x: L - 6, y: py(t, 0) + 4, 'text-anchor': 'end'}, svg, t);
  }
  for (const t of scales[1].ticks)
    el('text', {x: W - R + 6, y: py(t, 1) + 4}, svg, t);
  for (const t of xt.filter(t => t >= xLo - 1e-9 && t <= xHi + 1e-9)) {
    el('line', {x1: px(t), x2: px(t), y1: H - B, y2: H - B + 5, class: 'axis'}, svg);
    el('text', {x: px(t), y: H - B + 18, 'text-anchor': 'middle'}, svg, t);
  }
  el('line', {x1: L, x2: W - R, y1: H - B, y2: H - B, class: 'axis'}, svg);
  el('text', {x: W / 2, y: H - B + 36, 'text-anchor': 'middle'}, svg, xLabel);
  SERIES.forEach((s, i) => {
    const d = ok.map((r, j) => `${j ? 'L' : 'M'}${px(r.input).toFixed(1)},${py(r.figures[s.key], s.axis).toFixed(1)}`).join('');
    el('path', {d, class: s.cls, fill: 'none', 'stroke-width': 2}, svg);
    const here = ok.find(r => Math.fround(r.input) === Math.fround(current));
    if (here)
      el('circle', {cx: px(here.input), cy: py(here.figures[s.key], s.axis), r: 4.5, class: s.cls}, svg)
        .appendChild(document.createElementNS(NS, 'title')).textContent =
          `${s.name} ${here.figures[s.key].toPrecision(4)} ${units[s.key]} at ${here.input.toPrecision(4)}`;
    const lx = narrow ? L : L + i * 180, ly = narrow ? H - B + 60 + i * 20 : H - 16;
    el('rect', {x: lx, y: ly - 6, width: 14, height: 4, class: s.cls}, svg);
    el('text', {x: lx + 20, y: ly}, svg, `${s.name} (${units[s.key]})`);
  });
}
