// A small psychrometric chart as SVG, every curve drawn through states the
// library computes: saturation and relative-humidity curves from dry bulb and
// relative humidity, enthalpy lines from humidity ratio and enthalpy (ending on
// the saturation curve at the state of relative humidity 1 and that enthalpy),
// and the marked states at their dry bulb and humidity ratio.
import { props, pressureAt } from './hygra/src/index.js';

const SVG = 'http://www.w3.org/2000/svg';
// Margins of the plot in the SVG's units; the width follows the container (so
// that text keeps its size on a phone), the height follows the width.
const margins = { left: 30, right: 50, top: 14, bottom: 40 };

// Per unit system: default dry-bulb range, its tick step, the humidity-ratio
// axis (its scale from kg/kg and its top at sea level, with tick step) and the
// step between enthalpy lines.
const systems = {
  SI: { tdb: [-10, 50], tdbStep: 5, wScale: 1000, wUnit: 'g/kg', wTop: 30, wStep: 5, hStep: 10, hUnit: 'kJ/kg', tUnit: '°C' },
  IP: { tdb: [10, 120], tdbStep: 10, wScale: 7000, wUnit: 'gr/lb', wTop: 200, wStep: 20, hStep: 5, hUnit: 'Btu/lb', tUnit: '°F' },
};

const linspace = (a, b, n) => Float64Array.from({ length: n }, (_, i) => a + ((b - a) * i) / (n - 1));

function element(name, attributes = {}, parent = null) {
  const node = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
  if (parent) parent.appendChild(node);
  return node;
}

// The ranges of the plot: the defaults, widened to hold every point.
function ranges(system, units, pressure, points) {
  let [low, high] = system.tdb;
  for (const p of points) {
    low = Math.min(low, Math.floor((p.tdb - system.tdbStep) / system.tdbStep) * system.tdbStep);
    high = Math.max(high, Math.ceil((p.tdb + system.tdbStep) / system.tdbStep) * system.tdbStep);
  }
  const seaLevel = pressureAt(0, units);
  let top = system.wTop * Math.min(4, seaLevel / pressure);
  const saturatedAtHigh = props('W', { TDB: high, RH: 1, P: pressure, units, errors: 'nan' }) * system.wScale;
  if (Number.isFinite(saturatedAtHigh)) top = Math.min(top, saturatedAtHigh * 1.05);
  for (const p of points) top = Math.max(top, p.w * system.wScale * 1.1);
  const wStep = top > system.wStep * 12 ? system.wStep * 4 : top < system.wStep * 2 ? system.wStep / 5 : system.wStep;
  top = Math.max(wStep, Math.ceil(top / wStep) * wStep);
  const span = high - low;
  const tdbStep = span > system.tdbStep * 16 ? system.tdbStep * 4 : span > system.tdbStep * 8 ? system.tdbStep * 2 : system.tdbStep;
  return { tdb: [low, high], tdbStep, w: [0, top], wStep };
}

/**
 * Draws the chart into a container: units "SI" or "IP", the pressure (bar or
 * psi), and points [{ tdb, w, label }] (w in kg/kg) joined in order by arrows
 * when process is true.
 */
export function drawChart(container, { units, pressure, points, process }) {
  const system = systems[units];
  const r = ranges(system, units, pressure, points);
  const width = Math.round(Math.max(320, Math.min(680, container.clientWidth || 640)));
  const height = Math.round(width * 0.64);
  const { left, right, top, bottom } = margins;
  const x = (t) => left + ((t - r.tdb[0]) / (r.tdb[1] - r.tdb[0])) * (width - left - right);
  const y = (w) => height - bottom - ((w * system.wScale - r.w[0]) / (r.w[1] - r.w[0])) * (height - top - bottom);
  const path = (tdb, w) => {
    const parts = [];
    let pen = 'M';
    for (let i = 0; i < tdb.length; ++i) {
      if (!Number.isFinite(tdb[i]) || !Number.isFinite(w[i])) { pen = 'M'; continue; }
      parts.push(`${pen}${x(tdb[i]).toFixed(1)},${y(w[i]).toFixed(1)}`);
      pen = 'L';
    }
    return parts.join('');
  };

  const svg = element('svg', {
    viewBox: `0 0 ${width} ${height}`, role: 'img', 'aria-label': 'psychrometric chart',
    'data-tdb-min': r.tdb[0], 'data-tdb-max': r.tdb[1], 'data-w-max': r.w[1] / system.wScale,
  });
  const defs = element('defs', {}, svg);
  const clip = element('clipPath', { id: 'plot-area' }, defs);
  element('rect', { x: left, y: top, width: width - left - right, height: height - top - bottom }, clip);
  const marker = element('marker', { id: 'arrow', viewBox: '0 0 10 10', refX: 9, refY: 5, markerWidth: 7, markerHeight: 7, orient: 'auto-start-reverse' }, defs);
  element('path', { d: 'M0,0L10,5L0,10z', class: 'arrow-head' }, marker);

  // Grid and axes.
  const grid = element('g', { class: 'grid' }, svg);
  for (let t = Math.ceil(r.tdb[0] / r.tdbStep) * r.tdbStep; t <= r.tdb[1] + 1e-9; t += r.tdbStep) {
    element('line', { x1: x(t), x2: x(t), y1: top, y2: height - bottom }, grid);
    element('text', { x: x(t), y: height - bottom + 14, class: 'tick x' }, svg).textContent = String(t);
  }
  for (let w = 0; w <= r.w[1] + 1e-9; w += r.wStep) {
    element('line', { x1: left, x2: width - right, y1: y(w / system.wScale), y2: y(w / system.wScale) }, grid);
    element('text', { x: width - right + 4, y: y(w / system.wScale) + 4, class: 'tick y' }, svg).textContent = String(Number(w.toPrecision(6)));
  }
  element('rect', { x: left, y: top, width: width - left - right, height: height - top - bottom, class: 'frame' }, svg);
  element('text', { x: (left + width - right) / 2, y: height - 6, class: 'axis' }, svg).textContent = `dry-bulb temperature, ${system.tUnit}`;
  element('text', { x: width - 8, y: (top + height - bottom) / 2, class: 'axis', transform: `rotate(-90 ${width - 8} ${(top + height - bottom) / 2})` }, svg)
    .textContent = `humidity ratio, ${system.wUnit}`;

  const curves = element('g', { 'clip-path': 'url(#plot-area)' }, svg);
  const tdb = linspace(r.tdb[0], r.tdb[1], 121);
  const common = { P: pressure, units, errors: 'nan' };

  // Enthalpy lines: from the dry-air edge to the saturation curve.
  const hRange = props('HM', { TDB: Float64Array.of(r.tdb[0], r.tdb[1]), W: Float64Array.of(0, r.w[1] / system.wScale), ...common });
  for (let h = Math.ceil(hRange[0] / system.hStep) * system.hStep; h <= hRange[1]; h += system.hStep) {
    const end = props(['TDB', 'W'], { RH: 1, HM: h, ...common });
    if (!Number.isFinite(end.W)) continue;
    const w = linspace(0, end.W, 10);
    const t = props('TDB', { W: w, HM: h, ...common });
    element('path', { d: path(t, w), class: 'enthalpy', 'data-hm': h }, curves);
    if (end.TDB > r.tdb[0] && end.W < r.w[1] / system.wScale) {
      element('text', { x: x(end.TDB) - 3, y: y(end.W) - 3, class: 'label enthalpy-label' }, curves).textContent = String(h);
    }
  }
  // Relative humidity every 10 %, and saturation.
  // Each curve is labelled where it leaves the plot, unless that is too near a label already placed.
  const placed = [];
  for (let rh = 0.1; rh < 0.95; rh += 0.1) {
    const w = props('W', { TDB: tdb, RH: rh, ...common });
    element('path', { d: path(tdb, w), class: 'rh', 'data-rh': rh.toFixed(1) }, curves);
    const i = w.findLastIndex((v) => v < (r.w[1] / system.wScale) * 0.92);
    if (i < 10) continue;
    const at = [x(tdb[i]) - 4, y(w[i]) - 3];
    if (placed.some(([px, py]) => Math.hypot(px - at[0], py - at[1]) < 34)) continue;
    placed.push(at);
    element('text', { x: at[0], y: at[1], class: 'label rh-label' }, curves).textContent = `${Math.round(rh * 100)}%`;
  }
  element('path', { d: path(tdb, props('W', { TDB: tdb, RH: 1, ...common })), class: 'saturation' }, curves);

  // The states, joined in order when they make a process.
  const marks = element('g', { class: 'states' }, svg);
  if (process && points.length > 1) {
    for (let i = 1; i < points.length; ++i) {
      // The arrow stops at the edge of the point it reaches.
      const [x1, y1, x2, y2] = [x(points[i - 1].tdb), y(points[i - 1].w), x(points[i].tdb), y(points[i].w)];
      const length = Math.hypot(x2 - x1, y2 - y1);
      const cut = length > 12 ? 6 / length : 0;
      element('line', {
        x1, y1, x2: x2 - (x2 - x1) * cut, y2: y2 - (y2 - y1) * cut, class: 'process', 'marker-end': 'url(#arrow)',
      }, marks);
    }
  }
  for (const p of points) {
    element('circle', { cx: x(p.tdb), cy: y(p.w), r: 5, class: 'point', 'data-tdb': p.tdb, 'data-w': p.w, 'data-label': p.label }, marks);
    element('text', { x: x(p.tdb) + 8, y: y(p.w) - 8, class: 'point-label' }, marks).textContent = p.label;
  }
  container.replaceChildren(svg);
  return r;
}

/** The caption: what the lines are and their units. */
export function chartCaption(units, pressure, pressureUnit) {
  const s = systems[units];
  return `At ${Number(pressure.toPrecision(6))} ${pressureUnit}: saturation (bold), relative humidity every 10 %, `
    + `enthalpy every ${s.hStep} ${s.hUnit} of dry air (dashed).`;
}
