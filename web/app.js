// The calculator page: reads the form on every change, computes the states
// with the hygra package (WebAssembly, in this page) and shows every property,
// the chart and the library's own message when a state cannot be computed.
import { State, PAIRS, properties, propertyInfo, pressureAt, version } from './hygra/src/index.js';
import { drawChart, chartCaption } from './chart.js';
import { prettyUnit, shortNumber, inputNumber, csv } from './format.js';

const $ = (id) => document.getElementById(id);

// Short names of the inputs for the list of pairs.
const inputWords = {
  TDB: 'dry bulb', TWB: 'wet bulb', TDEW: 'dew point', RH: 'relative humidity',
  W: 'humidity ratio', HM: 'enthalpy', SM: 'entropy', VM: 'specific volume',
};

// Across a change of units a state is carried by its dry bulb (a change of
// scale), its humidity ratio (the same in both systems) and its pressure (in
// the ratio of the library's two sea-level pressures); the pair's inputs are
// then read from it in the new units.
const FEET_PER_METRE = 1 / 0.3048; // the international foot
const temperatures = new Set(['TDB', 'TWB', 'TDEW']);

function convertTemperature(t, units) {
  return units === 'IP' ? t * 1.8 + 32 : (t - 32) / 1.8;
}

function convertPressure(p, units) {
  const psiPerBar = pressureAt(0, 'IP') / pressureAt(0, 'SI');
  return units === 'IP' ? p * psiPerBar : p / psiPerBar;
}

function inputUnit(name, units) {
  if (name === 'RH') return 'fraction 0–1';
  if (name === 'W') return units === 'IP' ? 'lb/lb' : 'kg/kg';
  return prettyUnit(propertyInfo(name).unit(units));
}

const form = {
  pair: () => Number($('pair').value),
  units: () => document.querySelector('input[name=units]:checked').value,
  pressureKind: () => document.querySelector('input[name=pressure-kind]:checked').value,
  process: () => $('process').checked,
};

let lastStates = [null, null];
let lastCsv = '';

function setup() {
  for (const [type, [first, second]] of PAIRS.entries()) {
    const option = new Option(`${inputWords[first] ?? first} + ${inputWords[second] ?? second}`, String(type));
    $('pair').add(option);
  }
  $('pair').value = String(PAIRS.findIndex(([a, b]) => a === 'TDB' && b === 'RH'));
  const body = $('table').tBodies[0];
  for (const p of properties()) {
    const row = body.insertRow();
    row.dataset.name = p.name;
    const name = row.insertCell();
    name.append(p.name);
    const meaning = document.createElement('small'); // shown under the name on a narrow screen
    meaning.className = 'meaning-inline';
    meaning.textContent = p.meaning;
    name.append(meaning);
    row.insertCell().textContent = p.meaning;
    for (const which of ['value1', 'value2']) {
      const cell = row.insertCell();
      cell.className = `num ${which}`;
    }
    row.insertCell().className = 'unit';
  }
  labels();
}

// The labels and units of the inputs, for the pair and the unit system chosen.
function labels() {
  const [first, second] = PAIRS[form.pair()];
  const units = form.units();
  for (const suffix of ['', '2']) {
    $(`first${suffix}-label`).textContent = `${first} · ${propertyInfo(first).meaning}`;
    $(`second${suffix}-label`).textContent = `${second} · ${propertyInfo(second).meaning}`;
    $(`first${suffix}-unit`).textContent = inputUnit(first, units);
    $(`second${suffix}-unit`).textContent = inputUnit(second, units);
  }
  const altitude = form.pressureKind() === 'ALT';
  $('pressure-label').textContent = altitude ? 'altitude of the standard atmosphere' : 'total pressure';
  $('pressure-unit').textContent = altitude ? (units === 'IP' ? 'ft' : 'm') : prettyUnit(propertyInfo('P').unit(units));
  for (const row of $('table').tBodies[0].rows) {
    row.cells[4].textContent = prettyUnit(propertyInfo(row.dataset.name).unit(units));
  }
}

function readNumber(id, what) {
  const text = $(id).value.trim();
  const value = Number(text);
  if (text === '' || !Number.isFinite(value)) {
    throw new Error(text === '' ? `type a number for ${what}` : `${what}: "${text}" is not a number`);
  }
  return value;
}

// The state of one pair of fields ('' or '2'), or the error that stops it.
function readState(suffix) {
  const [first, second] = PAIRS[form.pair()];
  const units = form.units();
  const kind = form.pressureKind();
  const inputs = {
    [first]: readNumber(`first${suffix}`, propertyInfo(first).meaning),
    [second]: readNumber(`second${suffix}`, propertyInfo(second).meaning),
    [kind]: readNumber('pressure', kind === 'P' ? 'the total pressure' : 'the altitude'),
    units,
  };
  return new State(inputs);
}

function compute() {
  const units = form.units();
  const states = [null, null];
  const messages = [];
  const wanted = form.process() ? ['', '2'] : [''];
  wanted.forEach((suffix, i) => {
    try {
      states[i] = readState(suffix);
    } catch (error) {
      const which = form.process() ? (i ? 'State 2: ' : 'State 1: ') : '';
      messages.push(which + error.message.charAt(0).toUpperCase() + error.message.slice(1));
    }
  });
  $('message').textContent = messages.join('\n');
  $('message').hidden = messages.length === 0;
  document.body.classList.toggle('with-process', form.process());

  const columns = states.map((state, i) => ({ title: `state ${i + 1}`, values: state ? state.toObject({ errors: 'nan' }) : null, state }));
  for (const row of $('table').tBodies[0].rows) {
    const name = row.dataset.name;
    columns.forEach((column, i) => {
      const cell = row.cells[2 + i];
      const value = column.values?.[name];
      cell.dataset.value = value === undefined ? '' : String(value);
      if (value === undefined) {
        cell.textContent = '';
        cell.title = '';
      } else if (Number.isNaN(value)) {
        cell.textContent = '—';
        try {
          column.state.get(name);
          cell.title = '';
        } catch (error) {
          cell.title = error.message;
        }
      } else {
        cell.textContent = shortNumber(value);
        cell.title = String(value);
      }
    });
  }
  lastCsv = states[0] ? csv(properties(), columns.slice(0, wanted.length), units) : '';
  $('copy').disabled = !states[0];
  lastStates = states;

  $('process-summary').textContent = states[0] && states[1] ? processSummary(states[0], states[1]) : '';

  const points = states.filter(Boolean).map((s, i) => ({ tdb: s.TDB, w: s.W, label: String(states.indexOf(s) + 1) }));
  const pressure = states.find(Boolean)?.pressure ?? pressureOrNull();
  if (pressure !== null) {
    try {
      drawChart($('chart'), { units, pressure, points, process: form.process() && points.length === 2 });
      $('chart-caption').textContent = chartCaption(units, pressure, prettyUnit(propertyInfo('P').unit(units)));
    } catch (error) {
      $('chart').replaceChildren();
      $('chart-caption').textContent = `No chart: ${error.message}`;
    }
  }
}

// What the process does, per mass of dry air: the changes of dry bulb, humidity ratio and enthalpy.
function processSummary(from, to) {
  const units = from.units;
  const change = (value, digits) => `${value >= 0 ? '+' : '−'}${Math.abs(value).toFixed(digits)}`;
  const wScale = units === 'IP' ? 7000 : 1000; // grains per lb, g per kg
  return `From 1 to 2: dry bulb ${change(to.TDB - from.TDB, 2)} ${prettyUnit(propertyInfo('TDB').unit(units))}, `
    + `humidity ratio ${change((to.W - from.W) * wScale, 2)} ${units === 'IP' ? 'gr/lb' : 'g/kg'}, `
    + `enthalpy ${change(to.HM - from.HM, 2)} ${prettyUnit(propertyInfo('HM').unit(units))} of dry air.`;
}

function pressureOrNull() {
  try {
    const value = readNumber('pressure', 'pressure');
    return form.pressureKind() === 'P' ? value : pressureAt(value, form.units());
  } catch {
    return null;
  }
}

// A new pair: its inputs are filled from the states shown, so they stay the same states.
function pairChanged() {
  const [first, second] = PAIRS[form.pair()];
  ['', '2'].forEach((suffix, i) => {
    const state = lastStates[i];
    if (!state) return;
    try {
      $(`first${suffix}`).value = inputNumber(state.get(first));
      $(`second${suffix}`).value = inputNumber(state.get(second));
    } catch {
      // a property the state cannot give leaves the field as typed
    }
  });
  labels();
  compute();
}

// New units: the states shown are kept and their inputs given in the new units.
function unitsChanged() {
  const units = form.units();
  const [first, second] = PAIRS[form.pair()];
  const kind = form.pressureKind();
  const typed = Number($('pressure').value.trim());
  if ($('pressure').value.trim() !== '' && Number.isFinite(typed)) {
    const altitude = units === 'IP' ? typed * FEET_PER_METRE : typed / FEET_PER_METRE;
    $('pressure').value = inputNumber(kind === 'ALT' ? altitude : convertPressure(typed, units));
  }
  ['', '2'].forEach((suffix, i) => {
    const state = lastStates[i];
    if (!state || state.units === units) {
      // No state to carry: temperatures change scale, the rest stays as typed.
      for (const [id, name] of [[`first${suffix}`, first], [`second${suffix}`, second]]) {
        const value = Number($(id).value.trim());
        if (temperatures.has(name) && $(id).value.trim() !== '' && Number.isFinite(value)) {
          $(id).value = inputNumber(convertTemperature(value, units));
        }
      }
      return;
    }
    try {
      const carried = new State({
        TDB: convertTemperature(state.TDB, units), W: state.W, P: convertPressure(state.pressure, units), units,
      });
      $(`first${suffix}`).value = inputNumber(carried.get(first));
      $(`second${suffix}`).value = inputNumber(carried.get(second));
    } catch {
      // a state that cannot be carried leaves its fields as typed
    }
  });
  labels();
  compute();
}

// Pressure or altitude: an altitude becomes its pressure; a pressure becomes sea level.
function pressureKindChanged() {
  const units = form.units();
  if (form.pressureKind() === 'P') {
    const altitude = Number($('pressure').value.trim());
    try {
      $('pressure').value = inputNumber(pressureAt(altitude, units));
    } catch {
      $('pressure').value = inputNumber(pressureAt(0, units));
    }
  } else {
    $('pressure').value = '0';
  }
  labels();
  compute();
}

async function copyCsv() {
  if (!lastCsv) return;
  let copied = false;
  try {
    await navigator.clipboard.writeText(lastCsv);
    copied = true;
  } catch {
    const area = document.createElement('textarea');
    area.value = lastCsv;
    document.body.appendChild(area);
    area.select();
    copied = document.execCommand('copy');
    area.remove();
  }
  $('copied').textContent = copied ? `Copied ${properties().length} properties as CSV` : 'The browser did not allow copying';
}

setup();
$('form').addEventListener('input', (event) => {
  if (event.target.id === 'pair') pairChanged();
  else if (event.target.name === 'units') unitsChanged();
  else if (event.target.name === 'pressure-kind') pressureKindChanged();
  else {
    if (event.target.id === 'process') $('state2').hidden = !form.process();
    compute();
  }
});
$('form').addEventListener('submit', (event) => event.preventDefault());
$('copy').addEventListener('click', copyCsv);
let resizing = 0; // the chart follows the width of its box
window.addEventListener('resize', () => {
  clearTimeout(resizing);
  resizing = setTimeout(compute, 100);
});
compute();
$('status').textContent = `hygra ${version()}, running in this page`;
document.body.dataset.ready = 'true';
