// Writes what postcss (with postcss-nested resolving nested rules) finds in the real
// framework sheets: per sheet the number of style rules and at-rules, and a digest of
// each sorted list, as the fixture the CSS reading's test compares with. Rules inside
// @keyframes and inside the descriptor blocks (@font-face, @page…) are no selectors.
// Selectors and preludes are written as the program writes them: white space outside
// strings as one blank, nothing at either end.
//   node selectors.mjs <scratch folder with node_modules> <sheets folder> <fixture.json> [dump folder]
// Run through generate.sh, which installs the pinned packages first. With a dump
// folder the lists themselves are written there too, to compare by hand.

import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const [scratch, sheets, fixture, dump] = process.argv.slice(2).map((p) => p && path.resolve(p));
if (!scratch || !sheets || !fixture) {
    console.error('usage: node selectors.mjs <scratch> <sheets> <fixture.json> [dump folder]');
    process.exit(2);
}
const require = createRequire(path.join(scratch, 'package.json'));
const postcss = require('postcss');
const nestedPlugin = require('postcss-nested');
const nested = nestedPlugin.default ?? nestedPlugin;
const version = (name) => JSON.parse(fs.readFileSync(path.join(scratch, 'node_modules', name, 'package.json'), 'utf8')).version;

const DESCRIPTOR_RULES = new Set(['font-face', 'page', 'property', 'counter-style', 'font-feature-values',
    'font-palette-values', 'color-profile', 'view-transition', 'position-try', 'function']);
const holdsNoSelectors = (name) => DESCRIPTOR_RULES.has(name) || name.endsWith('keyframes') || name.endsWith('viewport');

function insideNoSelectors(node) {
    for (let p = node.parent; p; p = p.parent)
        if (p.type === 'atrule' && holdsNoSelectors(p.name.toLowerCase()))
            return true;
    return false;
}

// White space outside strings as one blank.
function oneLine(text) {
    let out = '';
    let quote = null;
    let space = false;
    for (let i = 0; i < text.length; ++i) {
        const c = text[i];
        if (quote) {
            out += c;
            if (c === '\\' && i + 1 < text.length)
                out += text[++i];
            else if (c === quote)
                quote = null;
            continue;
        }
        if (/[ \t\n\r\f]/.test(c)) {
            space = true;
            continue;
        }
        if (space && out)
            out += ' ';
        space = false;
        if (c === '"' || c === "'")
            quote = c;
        out += c;
    }
    return out;
}

const digest = (list) => crypto.createHash('sha256').update([...list].sort().join('\n'), 'utf8').digest('hex');

const result = { source: `postcss ${version('postcss')}, postcss-nested ${version('postcss-nested')}`, sheets: {} };
const files = fs.existsSync(sheets) ? fs.readdirSync(sheets).filter((f) => f.endsWith('.css')).sort() : [];
if (files.length === 0)
    throw new Error(`no real sheets in ${sheets}: run tools/perf/fetch-sheets.sh first`);
for (const file of files) {
    const text = fs.readFileSync(path.join(sheets, file), 'utf8');
    const atRules = [];
    postcss.parse(text).walkAtRules((a) => {
        if (!insideNoSelectors(a))
            atRules.push(oneLine(`@${a.name}${a.params ? (a.raws.afterName || ' ') + a.params : ''}`));
    });
    const rules = [];
    postcss([nested]).process(text, { from: undefined }).root.walkRules((r) => {
        if (!insideNoSelectors(r))
            rules.push(oneLine(r.selector));
    });
    result.sheets[file] = { rules: rules.length, rulesDigest: digest(rules), atRules: atRules.length, atRulesDigest: digest(atRules) };
    if (dump) {
        fs.mkdirSync(dump, { recursive: true });
        fs.writeFileSync(path.join(dump, `${file}.rules`), [...rules].sort().join('\n') + '\n');
        fs.writeFileSync(path.join(dump, `${file}.at-rules`), [...atRules].sort().join('\n') + '\n');
    }
}
fs.mkdirSync(path.dirname(fixture), { recursive: true });
fs.writeFileSync(fixture, JSON.stringify(result, null, 1) + '\n');
console.log(`${files.length} sheets written to ${fixture}`);
