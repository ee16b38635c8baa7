// The trim charts as SVG, as the desktop draws them: line tension, leadout
// position, line projection and leadout rake over a range of one input, each
// curve on a scale of its own in its own colour, the current case marked in
// the text's colour. Figures, curves and the least span of a scale come from
// the core; this only draws.

import {said, T as saidWith} from './language.js?b=@BUILD@';

const NS = 'http://www.w3.org/2000/svg';
const CLASSES = {LineTension: 'tension', LeadoutPosition: 'leadout', LineProjection: 'bow', LeadoutRake: 'rake',
                 LapTime: 'bow'};

// Ticks at 1, 2, 2.5 or 5 × 10^n covering [lo, hi] with about n steps.
export function niceTicks(lo, hi, steps = 5) {
  if (!(hi > lo)) { hi = lo + 1; }
  const raw = (hi - lo) / steps;
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  const step = [1, 2, 2.5, 5, 10].map(m => m * power).find(s => s >= raw * (1 - 1e-9));
  const first = Math.floor(lo / step + 1e-9) * step, last = Math.ceil(hi / step - 1e-9) * step;
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

// A text wider than its room (a long translation) is pressed into it.
function fit(text, room) {
  const width = text.getComputedTextLength();
  if (width > room) {
    text.setAttribute('textLength', room.toFixed(1));
    text.setAttribute('lengthAdjust', 'spacingAndGlyphs');
  }
  return text;
}

// chart: {title (a "\n" where a narrow chart breaks it), xTitle, rows, current, curves: [{key, name, unit}],
// widen(key, lo, hi) -> [lo, hi]}; optionally xTicks(lo, hi, about) and xText(x) for the input's ticks,
// dots to mark every row, and
// empty, what to say when there are too few rows to draw.
export function drawChart(figure, chart) {
  figure.replaceChildren();
  const {title, xTitle, rows, current, curves} = chart;
  const ok = rows.filter(r => r.ok);
  // Drawn at the figure's own width so the text stays readable on a phone.
  const W = Math.round(Math.max(300, Math.min(760, figure.clientWidth || 640)));
  const narrow = W < 560;
  const scaleWidth = narrow ? 34 : 46, titled = !narrow;  // wide charts title each scale beside it
  const side = 2 * scaleWidth + (titled ? 16 : 0);
  const lines = narrow ? title.split('\n') : [title.replace('\n', ' ')];
  const L = side, R = side, T = 16 + 18 * lines.length, B = narrow ? 64 + 20 * curves.length : 94;
  const H = narrow ? 300 + 20 * curves.length : 380;
  const svg = el('svg', {viewBox: `0 0 ${W} ${H + T - 34}`, role: 'img', 'aria-label': title.replace('\n', ' ')},
                 figure);
  lines.forEach((line, i) => fit(el('text', {x: W / 2, y: 18 + 18 * i, 'text-anchor': 'middle', 'font-weight': 'bold'},
                                   svg, line), W - 8));
  if (ok.length < 2) {
    el('text', {x: W / 2, y: H / 2, 'text-anchor': 'middle'}, svg,
       chart.empty || 'No figures to draw: ' + (rows[0]?.error || ''));
    return;
  }
  const xs = ok.map(r => r.input);
  let xLo = Math.min(...xs), xHi = Math.max(...xs);
  if (xHi === xLo) { xLo -= 1; xHi += 1; }  // rows at one input (flights of one day) stand in the middle
  const px = x => L + (x - xLo) / (xHi - xLo) * (W - L - R);
  const bottom = H + T - 34 - B;

  // One scale per curve: curves 0 and 2 on the left, 1 and 3 on the right,
  // the first of each side nearest the plot.
  const scales = curves.map((c, i) => {
    const vals = ok.map(r => r.figures[c.key]);
    const [lo, hi] = chart.widen(c.key, Math.min(...vals), Math.max(...vals));
    const ticks = niceTicks(lo, hi, 4);
    const left = i % 2 === 0, x = left ? L - (i >> 1) * scaleWidth : W - R + (i >> 1) * scaleWidth;
    return {lo: ticks[0], hi: ticks[ticks.length - 1], ticks, left, x};
  });
  const py = (v, i) => T + (1 - (v - scales[i].lo) / (scales[i].hi - scales[i].lo)) * (bottom - T);

  for (const t of scales[0].ticks)
    el('line', {x1: L, x2: W - R, y1: py(t, 0), y2: py(t, 0), class: 'grid'}, svg);
  curves.forEach((c, i) => {
    const s = scales[i], cls = CLASSES[c.key] || '';
    el('line', {x1: s.x, x2: s.x, y1: T, y2: bottom, class: 'scale ' + cls}, svg);
    for (const t of s.ticks)
      el('text', {x: s.left ? s.x - 4 : s.x + 4, y: py(t, i) + 4, 'text-anchor': s.left ? 'end' : 'start',
                  class: 'tick ' + cls}, svg, Number(t.toPrecision(6)));
    if (titled) {
      const tx = s.left ? s.x - scaleWidth + 2 : s.x + scaleWidth - 2, ty = (T + bottom) / 2;
      el('text', {x: tx, y: ty, 'text-anchor': 'middle', transform: `rotate(-90 ${tx} ${ty})`,
                  class: 'tick ' + cls}, svg, `${c.name} (${c.unit})`);
    }
  });
  const xTicks = chart.xTicks ? chart.xTicks(xLo, xHi, narrow ? 3 : 6) : niceTicks(xLo, xHi, narrow ? 4 : 6);
  for (const t of xTicks.filter(t => t >= xLo - 1e-9 && t <= xHi + 1e-9)) {
    el('line', {x1: px(t), x2: px(t), y1: bottom, y2: bottom + 5, class: 'axis'}, svg);
    el('text', {x: px(t), y: bottom + 18, 'text-anchor': 'middle'}, svg,
       chart.xText ? chart.xText(t) : Number(t.toPrecision(6)));
  }
  el('line', {x1: L, x2: W - R, y1: bottom, y2: bottom, class: 'axis'}, svg);
  el('text', {x: W / 2, y: bottom + 36, 'text-anchor': 'middle'}, svg, xTitle);

  const here = ok.find(r => Math.fround(r.input) === Math.fround(current));
  curves.forEach((c, i) => {
    const cls = CLASSES[c.key] || '';
    const d = ok.map((r, j) => `${j ? 'L' : 'M'}${px(r.input).toFixed(1)},${py(r.figures[c.key], i).toFixed(1)}`).join('');
    el('path', {d, class: cls, fill: 'none', 'stroke-width': 2}, svg);
    if (chart.dots)
      for (const r of ok) el('circle', {cx: px(r.input), cy: py(r.figures[c.key], i), r: 3, class: cls}, svg);
    if (here)
      el('circle', {cx: px(here.input), cy: py(here.figures[c.key], i), r: 4.5, class: 'marker ' + cls}, svg)
        .appendChild(document.createElementNS(NS, 'title')).textContent =
          saidWith('%s %s %s at %s', c.name, Number(here.figures[c.key].toPrecision(4)), c.unit, Number(here.input.toPrecision(4)));
    // The legend names each curve, its unit and the side of its scale.
    const where = scales[i].left ? (i < 2 ? 'scale left' : 'scale far left') : (i < 2 ? 'scale right' : 'scale far right');
    const lx = narrow ? 12 : 12 + (i % 2) * (W / 2), ly = narrow ? bottom + 60 + i * 20 : bottom + 60 + (i >> 1) * 20;
    el('rect', {x: lx, y: ly - 6, width: 14, height: 4, class: cls}, svg);
    fit(el('text', {x: lx + 20, y: ly}, svg, saidWith('%s (%s), %s', c.name, c.unit, said(where))),
        (narrow ? W : lx + W / 2) - lx - 24);
  });
}
