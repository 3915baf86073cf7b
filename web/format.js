// How the page writes numbers, units and CSV.

// The library's ASCII units as a person reads them.
const unitText = [
  [/degC/g, '°C'], [/degF/g, '°F'], [/m3/g, 'm³'], [/ft3/g, 'ft³'], [/m2/g, 'm²'], [/ft2/g, 'ft²'],
  [/\(kg K\)/g, '(kg·K)'], [/\(m K\)/g, '(m·K)'], [/\(lb °F\)/g, '(lb·°F)'], [/\(h ft °F\)/g, '(h·ft·°F)'],
  [/Pa s/g, 'Pa·s'], [/\(ft h\)/g, '(ft·h)'],
];

export function prettyUnit(unit) {
  return unitText.reduce((text, [pattern, replacement]) => text.replace(pattern, replacement), unit);
}

/** A value for the table: six significant digits, no exponent for ordinary magnitudes. */
export function shortNumber(value) {
  if (!Number.isFinite(value)) return String(value);
  if (value === 0) return '0';
  const magnitude = Math.abs(value);
  if (magnitude >= 1e-4 && magnitude < 1e7) return String(Number(value.toPrecision(6)));
  return value.toExponential(5).replace(/\.?0+e/, 'e');
}

/** A number rounded for an input field, when the page fills one in: eight significant digits. */
export function inputNumber(value) {
  return String(Number(value.toPrecision(8)));
}

function csvField(text) {
  return /[",\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text;
}

/**
 * The properties as CSV, every value to full precision (the shortest text
 * that reads back as the same number); an empty field where one failed.
 */
export function csv(properties, columns, units) {
  const head = ['name', 'meaning', ...(columns.length > 1 ? columns.map((c) => c.title) : ['value']), 'unit'];
  const lines = [head.join(',')];
  for (const p of properties) {
    const values = columns.map((c) => (c.values && Number.isFinite(c.values[p.name]) ? String(c.values[p.name]) : ''));
    lines.push([p.name, csvField(p.meaning), ...values, csvField(p.unit(units))].join(','));
  }
  return `${lines.join('\n')}\n`;
}
