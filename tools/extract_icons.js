#!/usr/bin/env node
// Pulls single icons out of an Iconify JSON icon set and writes each one as a
// standalone SVG file.
//
//   node tools/extract_icons.js ICONS_JSON OUT_DIR NAME [NAME ...]
//
// Writes OUT_DIR/NAME.svg for every NAME. Aliases (with optional flips and
// rotation) are resolved. Exits non-zero if a name is not in the set.
'use strict';

const fs = require('fs');
const path = require('path');

function usage() {
  process.stderr.write('usage: extract_icons.js ICONS_JSON OUT_DIR NAME [NAME ...]\n');
  process.exit(2);
}

const [iconsPath, outDir, ...names] = process.argv.slice(2);
if (!iconsPath || !outDir || names.length === 0) usage();

const set = JSON.parse(fs.readFileSync(iconsPath, 'utf8'));
const icons = set.icons || {};
const aliases = set.aliases || {};
const defaults = {
  left: set.left || 0,
  top: set.top || 0,
  width: set.width || 16,
  height: set.height || 16,
};

// Returns {body, left, top, width, height, hFlip, vFlip, rotate} for a name.
function resolve(name, depth = 0) {
  if (depth > 8) throw new Error(`alias loop at "${name}"`);
  if (icons[name]) {
    return { ...defaults, hFlip: false, vFlip: false, rotate: 0, ...icons[name] };
  }
  const alias = aliases[name];
  if (!alias) return null;
  const parent = resolve(alias.parent, depth + 1);
  if (!parent) return null;
  return {
    ...parent,
    ...Object.fromEntries(['left', 'top', 'width', 'height']
      .filter((k) => alias[k] !== undefined).map((k) => [k, alias[k]])),
    hFlip: parent.hFlip !== !!alias.hFlip,
    vFlip: parent.vFlip !== !!alias.vFlip,
    rotate: ((parent.rotate || 0) + (alias.rotate || 0)) % 4,
  };
}

function toSvg(icon) {
  const { left, top, width, height } = icon;
  const cx = left + width / 2;
  const cy = top + height / 2;
  const transforms = [];
  if (icon.hFlip || icon.vFlip) {
    transforms.push(`translate(${cx} ${cy}) scale(${icon.hFlip ? -1 : 1} ${icon.vFlip ? -1 : 1}) translate(${-cx} ${-cy})`);
  }
  if (icon.rotate) transforms.push(`rotate(${icon.rotate * 90} ${cx} ${cy})`);
  let body = icon.body;
  if (transforms.length) body = `<g transform="${transforms.join(' ')}">${body}</g>`;
  const xlink = body.includes('xlink:') ? ' xmlns:xlink="http://www.w3.org/1999/xlink"' : '';
  return `<svg xmlns="http://www.w3.org/2000/svg"${xlink} width="${width}" height="${height}" ` +
    `viewBox="${left} ${top} ${width} ${height}">${body}</svg>\n`;
}

fs.mkdirSync(outDir, { recursive: true });
let missing = 0;
for (const name of names) {
  const icon = resolve(name);
  if (!icon) {
    process.stderr.write(`extract_icons: no icon named "${name}" in ${iconsPath}\n`);
    missing++;
    continue;
  }
  fs.writeFileSync(path.join(outDir, `${name}.svg`), toSvg(icon));
}
process.exit(missing ? 1 : 0);
