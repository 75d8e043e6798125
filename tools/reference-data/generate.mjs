// Writes the reference panels' data from the standards' machine-readable data:
// the modern style definition, the value files of every property the shipped
// definitions name, the shared value files, the element list, and the grammar
// extract that the tests check every value row against.
//   node generate.mjs <scratch folder with node_modules> <data folder>
// Run through generate.sh, which installs the pinned packages first.

import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const [scratch, dataDir] = process.argv.slice(2).map((p) => path.resolve(p));
if (!scratch || !dataDir) {
    console.error('usage: node generate.mjs <scratch> <data>');
    process.exit(2);
}
const require = createRequire(path.join(scratch, 'package.json'));
const packageVersion = (name) =>
    JSON.parse(fs.readFileSync(path.join(scratch, 'node_modules', name, 'package.json'), 'utf8')).version;

const webref = require('@webref/css/css.json');
const html = require('@webref/elements/html.json');
const features = require('web-features/data.json');
const mdnProperties = require('mdn-data/css/properties.json');
const mdnSyntaxes = require('mdn-data/css/syntaxes.json');
const csstree = require('css-tree');
const colourNames = require('color-name').default; // an ES module

const sources = Object.fromEntries(
    ['@webref/css', '@webref/elements', 'mdn-data', 'web-features', 'css-tree', 'color-name'].map((n) => [n, packageVersion(n)]));

const MODERN = 'CSS (Baseline 2026)';
const HISTORICAL = ['CSS Level 1', 'CSS Level 2'];

// ---------------------------------------------------------------------------
// The standards' data

const properties = new Map();
for (const p of webref.properties)
    if (p.syntax && !properties.has(p.name))
        properties.set(p.name, p);

// Types and functions; a scoped definition ("type() for attr()") only where no general one exists.
const types = new Map();
for (const scoped of [false, true])
    for (const t of [...webref.types, ...webref.functions])
        if (t.syntax && Boolean(t.for) === scoped && !types.has(t.name))
            types.set(t.name, t.syntax);

// Types that CSS Speech defines in prose only, written out so that voice-family can be read.
const PROSE_TYPES = {
    'age': 'child | young | old',
    'gender': 'male | female | neutral',
    'voice-family-name': '<string> | <custom-ident>+',
};
for (const [name, syntax] of Object.entries(PROSE_TYPES))
    if (!types.has(name))
        types.set(name, syntax);

const baseline = new Map();
for (const feature of Object.values(features.features))
    for (const [key, status] of Object.entries(feature.status?.by_compat_key ?? {})) {
        const m = /^css\.properties\.([a-z-]+)$/.exec(key);
        if (m)
            baseline.set(m[1], status.baseline);
    }

// A row is offered only when the standard's grammar takes it and MDN's data, which
// follows what browsers ship, takes it too: drafts' keywords stay out.
// css-tree reads url(x) itself; the standard's url() grammar names a token it has no rule for.
const NATIVE_TYPES = new Set(['url', 'url()']);
const standardLexer = csstree.fork({
    properties: Object.fromEntries([...properties].map(([n, p]) => [n, p.syntax])),
    types: Object.fromEntries([...types].filter(([n]) => !NATIVE_TYPES.has(n))),
}).lexer;
const shippedLexer = csstree.fork({
    properties: Object.fromEntries(Object.entries(mdnProperties).map(([n, p]) => [n, p.syntax])),
    types: Object.fromEntries(Object.entries(mdnSyntaxes).map(([n, s]) => [n, s.syntax])),
}).lexer;

function matches(lexer, property, value) {
    try {
        return Boolean(lexer.matchProperty(property, value).matched);
    } catch {
        return false;
    }
}

function takes(property, value) {
    return matches(standardLexer, property, value)
        && (!(property in mdnProperties) || matches(shippedLexer, property, value));
}

const namedColours = types.get('named-color').split('|').map((s) => s.trim());

// ---------------------------------------------------------------------------
// Value rows: short sentences of the grammar, in the grammar's order

const parsed = new Map();
function parse(syntax) {
    if (!parsed.has(syntax))
        parsed.set(syntax, csstree.definitionSyntax.parse(syntax));
    return parsed.get(syntax);
}

const COLOUR = '<color>';
const EXAMPLES = {
    length: ['0', '10px', '1em'],
    percentage: ['50%'],
    number: ['1'],
    integer: ['1'],
    time: ['0.3s'],
    angle: ['45deg'],
    flex: ['1fr'],
    resolution: ['2dppx'],
    string: ['""'],
    url: ['url()'],
    'url()': ['url()'],
    'src()': [],
    gradient: ['linear-gradient(white, black)'],
    color: [COLOUR],
    // Names the grammar leaves open: the predefined counter styles that every browser knows.
    'counter-style-name': ['disc', 'circle', 'square', 'decimal', 'decimal-leading-zero', 'lower-roman', 'upper-roman',
        'lower-greek', 'lower-alpha', 'upper-alpha', 'disclosure-open', 'disclosure-closed'],
};
// One example per function; null leaves a function out (images made of images, drafts).
const FUNCTIONS = {
    'repeat': 'repeat(3, 1fr)',
    'minmax': 'minmax(100px, 1fr)',
    'fit-content': 'fit-content(20em)',
    'cubic-bezier': 'cubic-bezier(0.25, 0.1, 0.25, 1)',
    'steps': 'steps(4, end)',
    'linear': null,
    'counter': 'counter(item)',
    'counters': 'counters(item, ".")',
    'attr': 'attr(title)',
    'linear-gradient': 'linear-gradient(white, black)',
    'radial-gradient': 'radial-gradient(white, black)',
    'conic-gradient': 'conic-gradient(white, black)',
    'repeating-linear-gradient': 'repeating-linear-gradient(white, black 10px)',
    'repeating-radial-gradient': 'repeating-radial-gradient(white, black 10px)',
    'repeating-conic-gradient': 'repeating-conic-gradient(white, black 10%)',
    'translate': 'translate(10px, 10px)',
    'rotate': 'rotate(45deg)',
    'scale': 'scale(1.5)',
    'skew': 'skew(10deg)',
    'matrix': 'matrix(1, 0, 0, 1, 0, 0)',
    'perspective': 'perspective(500px)',
    'blur': 'blur(4px)',
    'brightness': 'brightness(1.5)',
    'contrast': 'contrast(1.5)',
    'drop-shadow': 'drop-shadow(2px 2px 4px black)',
    'grayscale': 'grayscale(1)',
    'hue-rotate': 'hue-rotate(90deg)',
    'invert': 'invert(1)',
    'opacity': 'opacity(0.5)',
    'saturate': 'saturate(2)',
    'sepia': 'sepia(1)',
    'inset': 'inset(10px)',
    'circle': 'circle(50%)',
    'ellipse': 'ellipse(50% 30%)',
    'polygon': 'polygon(0 0, 100% 0, 50% 100%)',
    'path': null,
    'shape': null,
    'rect': null,
    'xywh': null,
    'cross-fade': null,
    'element': null,
    'image': null,
    'image-set': null,
    'paint': null,
    'type': null,
    'src': null,
    'env': null,
    'var': null,
    'light-dark': null,
};
const CAP = 150;
const MAX_DEPTH = 9;

const cap = (rows) => rows.slice(0, CAP);

// Every row of the first alternative with each of the second's, then every further
// alternative of the first with the second's first: all keywords, few combinations.
function combine(first, second) {
    if (!first.length || !second.length)
        return [];
    return cap([...second.map((b) => first[0].concat(b)), ...first.slice(1).map((a) => a.concat(second[0]))]);
}

function typeRows(name, depth) {
    if (name in EXAMPLES)
        return EXAMPLES[name].map((v) => [v]);
    if (name.startsWith('calc') || depth > MAX_DEPTH || !types.has(name))
        return [];
    return rowsOf(parse(types.get(name)), depth + 1);
}

function rowsOf(node, depth) {
    switch (node.type) {
    case 'Keyword':
        return [[node.name]];
    case 'Token':
        return [[node.value]];
    case 'Comma':
        return [[',']];
    case 'String':
        return [[node.value.slice(1, -1)]];
    case 'Function':
        return [[node.name + '(']];
    case 'Type':
        return typeRows(node.name, depth);
    case 'Property': {
        const p = properties.get(node.name);
        return p && depth <= MAX_DEPTH ? rowsOf(parse(p.syntax), depth + 1) : [];
    }
    case 'Multiplier': {
        const inner = rowsOf(node.term, depth);
        const count = Math.max(node.min, 1);
        const repeated = inner.map((r) => {
            let out = r;
            for (let i = 1; i < count; ++i)
                out = out.concat(node.comma ? [','] : [], r);
            return out;
        });
        return cap(node.min === 0 ? [[], ...repeated] : repeated);
    }
    case 'Group': {
        const children = node.terms.map((t) => rowsOf(t, depth));
        if (node.combinator === '|' || node.combinator === '||') {
            const rows = children.flat();
            return cap(node.combinator === '||' ? rows.filter((r) => r.length) : rows);
        }
        const first = node.terms[0];
        if (first?.type === 'Function') {
            const example = FUNCTIONS[first.name];
            if (example !== undefined)
                return example === null ? [] : [[example]];
        }
        const rows = children.reduce((acc, rows) => combine(acc, rows), [[]]);
        return first?.type === 'Function' ? rows.slice(0, 1) : rows;
    }
    default:
        return [];
    }
}

// A comma beside a part that was left out goes too, as the grammar allows.
function render(tokens) {
    const kept = [];
    for (const t of tokens) {
        if (t === ',' && (!kept.length || kept.at(-1) === ',' || kept.at(-1).endsWith('(')))
            continue;
        if (t === ')' && kept.at(-1) === ',')
            kept.pop();
        kept.push(t);
    }
    if (kept.at(-1) === ',')
        kept.pop();
    let text = '';
    for (const t of kept) {
        if (text && !text.endsWith('(') && t !== ',' && t !== ')')
            text += ' ';
        text += t;
    }
    return text;
}

// The blank-separated parts of a row, functions kept whole.
function topLevelParts(text) {
    const parts = [];
    let depth = 0;
    let current = '';
    for (const c of text) {
        if (c === ' ' && depth === 0) {
            parts.push(current);
            current = '';
            continue;
        }
        depth += c === '(' ? 1 : c === ')' ? -1 : 0;
        current += c;
    }
    parts.push(current);
    return parts.filter((p) => p);
}

function isColourProperty(name) {
    const p = properties.get(name);
    return Boolean(p) && !(p.longhands?.length) && takes(name, '#FF0000');
}

// The rows of a property's own value file: [{text, children}].
function valueRows(name, { mixed = false } = {}) {
    const seen = new Set();
    let rows = [];
    const add = (text, children = []) => {
        if (!seen.has(text)) {
            seen.add(text);
            rows.push({ text, children });
        }
    };
    if (mixed)
        add('mixed');
    const texts = rowsOf(parse(properties.get(name).syntax), 0).map(render);
    for (const raw of texts) {
        if (raw === COLOUR) {
            if (takes(name, 'red')) {
                add('currentcolor');
                add('transparent');
                add('<named-color>', namedColours.map((c) => ({ text: c, children: [] })));
            }
            continue;
        }
        // A url() among other values has no file to ask for; named grid lines have no name.
        if (!raw || raw.includes('url()') && raw !== 'url()' || raw.includes('['))
            continue;
        const text = raw.split(COLOUR).join('black');
        if (!seen.has(text) && (text === 'url()' ? takes(name, 'url(x)') : takes(name, text)))
            add(text);
    }
    // A combination of values that are rows of their own teaches nothing new.
    rows = rows.filter(({ text }) => {
        const parts = topLevelParts(text).filter((p) => p !== '/' && p !== ',');
        return parts.length < 2 || !(parts.every((p) => seen.has(p)) || parts.includes('""'));
    });
    return rows.slice(0, 40);
}

// ---------------------------------------------------------------------------
// The modern definition: every Baseline property, by topic

const GROUPS = ['Box', 'Margin', 'Padding', 'Border', 'Border-Style', 'Border-Width', 'Positioning', 'Flexbox', 'Grid',
    'Alignment', 'Columns', 'Logical', 'Font', 'Text', 'Color and Background', 'Lists', 'Generate', 'Tables',
    'Transforms', 'Animation', 'Effects', 'Scroll', 'Container', 'Behaviors', 'Printing', 'SVG', 'Other'];

// The group of a property by the short name of the standard that defines it.
const BY_STANDARD = {
    'css-box': 'Box', 'css-sizing': 'Box', 'css-display': 'Box', 'css-overflow': 'Box', 'css-images': 'Box',
    'css-position': 'Positioning', 'css-page-floats': 'Positioning', 'css-anchor-position': 'Positioning',
    'css-flexbox': 'Flexbox', 'css-grid': 'Grid', 'css-align': 'Alignment', 'css-gaps': 'Alignment',
    'css-multicol': 'Columns', 'css-logical': 'Logical',
    'css-fonts': 'Font', 'css-text': 'Text', 'css-text-decor': 'Text', 'css-inline': 'Text',
    'css-writing-modes': 'Text', 'css-ruby': 'Text',
    'css-color': 'Color and Background', 'css-backgrounds': 'Color and Background',
    'css-color-adjust': 'Color and Background',
    'css-lists': 'Lists', 'css-content': 'Generate', 'css-tables': 'Tables',
    'css-transforms': 'Transforms', 'motion': 'Transforms',
    'css-animations': 'Animation', 'css-transitions': 'Animation',
    'filter-effects': 'Effects', 'compositing': 'Effects', 'css-masking': 'Effects', 'css-shapes': 'Effects',
    'css-scroll-snap': 'Scroll', 'css-scrollbars': 'Scroll', 'css-overscroll': 'Scroll',
    'css-conditional': 'Container', 'css-contain': 'Container',
    'css-ui': 'Behaviors', 'css-break': 'Printing', 'css-page': 'Printing',
    'fill-stroke': 'SVG', 'svgwg': 'SVG',
};

function groupOf(name) {
    const href = properties.get(name).href;
    const standard = href.replace(/^https:\/\/[^/]+\//, '').replace(/\/.*$/, '').replace(/-\d+$/, '');
    if (/^(scroll|overscroll)/.test(name))
        return 'Scroll';
    if (/^(margin|padding)$|^(margin|padding)-(top|right|bottom|left)$/.test(name))
        return name.startsWith('margin') ? 'Margin' : 'Padding';
    if (/-(block|inline)(-|$)|^(block|inline)-size$/.test(name))
        return 'Logical';
    if (/^(outline|border)/.test(name))
        return name.endsWith('-style') ? 'Border-Style' : name.endsWith('-width') ? 'Border-Width' : 'Border';
    if (/^(column-rule|columns?$|column-(count|fill|span|width))/.test(name))
        return 'Columns';
    if (/^(counter-|content$|quotes$)/.test(name))
        return 'Generate';
    if (/^(opacity|box-shadow|filter|backdrop-filter|mix-blend-mode|isolation|clip-path|mask)/.test(name))
        return 'Effects';
    if (/^(flood|lighting|stop)-|^color-interpolation|^clip-rule$|^(fill|stroke|marker)/.test(name))
        return 'SVG';
    if (/^(orphans|widows|break-|page-break-)/.test(name))
        return 'Printing';
    if (name === 'z-index')
        return 'Positioning';
    if (name === 'touch-action' || name === 'field-sizing')
        return 'Behaviors';
    return BY_STANDARD[standard] ?? 'Other';
}

// Baseline as of the data: widely available ("high") and newly available ("low") alike
// work in every current major browser.
const modern = [...properties.keys()].filter((n) => ['high', 'low'].includes(baseline.get(n))).sort();
const modernGroups = new Map(GROUPS.map((g) => [g, []]));
for (const name of modern)
    modernGroups.get(groupOf(name)).push(name);
for (const [group, names] of modernGroups)
    if (!names.length)
        modernGroups.delete(group);
const modernColours = new Set(modern.filter(isColourProperty));

// ---------------------------------------------------------------------------
// The historical definitions, kept by hand: only their property lists are read here

function readLatin1Lines(file) {
    return fs.readFileSync(file, 'latin1').split(/\r\n|\r|\n/);
}

function definitionProperties(name) {
    const lines = readLatin1Lines(path.join(dataDir, 'styledefs', name + '.def'));
    const start = lines.findIndex((l) => l.toLowerCase() === '[properties]');
    const out = [];
    for (let i = start + 1; i < lines.length && lines[i] !== ''; ++i)
        out.push(lines[i]);
    return out;
}

// The value dispatch's classes for names without a file of their own.
const CLASS_COLOURS = new Set(('scrollbar-base-color scrollbar-3dlight-color scrollbar-arrow-color '
    + 'scrollbar-darkshadow-color scrollbar-face-color scrollbar-highlight-color scrollbar-shadow-color '
    + 'scrollbar-track-color border-color border-bottom-color border-left-color border-top-color border-right-color '
    + 'color -moz-outline-color outline-color background-color').split(' '));
const CLASS_MEASUREMENTS = ('margin margin-left margin-top margin-right margin-bottom padding padding-left padding-top '
    + 'padding-right padding-bottom text-indent line-height border-width border-left-width border-top-width '
    + 'border-right-width border-bottom-width border border-left border-top border-right border-bottom top left right '
    + 'bottom width max-width min-width height max-height min-height border-spacing outline-width').split(' ');
const CLASS_MIXES = ['font', 'background', 'list-style'];
const CLASS_PICTURES = ['background-image', 'list-style-image'];
const CLASS_BORDER_STYLES = ['border-style', 'border-bottom-style', 'border-top-style', 'border-left-style',
    'border-right-style'];

// Made at start, not shipped.
const MADE_AT_START = new Set(['font-family']);

const everyProperty = new Set(modern);
for (const def of HISTORICAL)
    for (const name of definitionProperties(def))
        everyProperty.add(name.replace(/:url\(\)$/, ''));

// ---------------------------------------------------------------------------
// Writing: single-byte text, every line followed by CR LF

function writeLines(file, lines) {
    const text = lines.map((l) => l + '\r\n').join('');
    if (/[^\x00-\x7f]/.test(text))
        throw new Error(`${file}: not ASCII`);
    fs.writeFileSync(file, Buffer.from(text, 'latin1'));
}

function treeLines(rows, depth = 0) {
    return rows.flatMap((r) => ['\t'.repeat(depth) + r.text, ...treeLines(r.children, depth + 1)]);
}

const inf = path.join(dataDir, 'inf');
const written = new Set();
function writeValueFile(name, rows) {
    if (!rows.length)
        return;
    writeLines(path.join(inf, name + '.inf'), treeLines(rows));
    written.add(name + '.inf');
}

for (const name of [...everyProperty].sort()) {
    if (!properties.has(name) || MADE_AT_START.has(name) || CLASS_COLOURS.has(name) || modernColours.has(name))
        continue;
    writeValueFile(name, valueRows(name, { mixed: CLASS_MIXES.includes(name) }));
}

// The shared files hold only what every property that may fall back to them takes.
function sharedRows(members, candidates) {
    const known = members.filter((m) => properties.has(m));
    return candidates.filter((c) => known.every((m) => (c === 'url()' ? takes(m, 'url(x)') : takes(m, c))))
        .map((text) => ({ text, children: [] }));
}
writeValueFile('massangaben', sharedRows(CLASS_MEASUREMENTS, [...EXAMPLES.length, ...EXAMPLES.percentage]));
writeValueFile('mixed', [{ text: 'mixed', children: [] }]);
writeValueFile('picture', sharedRows(CLASS_PICTURES, ['none', 'url()', ...EXAMPLES.gradient]));
writeValueFile('border-style', sharedRows(CLASS_BORDER_STYLES, types.get('line-style').split('|').map((s) => s.trim())));

// The element list: the names the program starts with, then today's HTML elements.
const LEGACY = ('a abbrev acronym address b big blockquote body button caption cite code comment dd dfn div dl dt em '
    + 'h1 h2 h3 h4 h5 h6 hr img input kbd label legend li listing ol p pre samp select small span strong table td '
    + 'textarea th tr tt ul var').split(' ');
const current = html.elements.filter((e) => !e.obsolete).map((e) => e.name).filter((n) => !LEGACY.includes(n)).sort();
writeLines(path.join(inf, 'selektoren.inf'), [...LEGACY, ...current]);
written.add('selektoren.inf');

// Value files of properties that today's standards no longer define stay as kept by hand;
// any other file is stale.
const kept = new Set([...everyProperty].filter((n) => !properties.has(n)).map((n) => n + '.inf'));
for (const file of fs.readdirSync(inf))
    if (file.endsWith('.inf') && !written.has(file) && !kept.has(file) && !MADE_AT_START.has(file.slice(0, -4)))
        fs.unlinkSync(path.join(inf, file));

// The modern definition.
const defLines = ['[groups]', ...modernGroups.keys(), '', '[properties]', ...[...modernGroups.values()].flat(), ''];
for (const [group, names] of modernGroups)
    for (const name of names)
        defLines.push(`[${name}]`, `group=${group}`, ...(modernColours.has(name) ? ['values=colours'] : []));
writeLines(path.join(dataDir, 'styledefs', MODERN + '.def'), defLines);
writeLines(path.join(dataDir, 'styledefs', 'styles.dat'), [...HISTORICAL, MODERN]);

// The grammar extract: each property of the shipped definitions with its syntax,
// initial value and Baseline status, every property and type its syntax reaches, and
// the names of all other properties.
const extractProperties = {};
const reachedTypes = new Set();
function addProperty(name) {
    if (name in extractProperties || !properties.has(name))
        return;
    const p = properties.get(name);
    extractProperties[name] = { syntax: p.syntax, initial: p.initial ?? '', baseline: baseline.get(name) ?? false };
    reach(p.syntax);
}
function reach(syntax) {
    csstree.definitionSyntax.walk(parse(syntax), (node) => {
        if (node.type === 'Type' && types.has(node.name) && !reachedTypes.has(node.name)) {
            reachedTypes.add(node.name);
            reach(types.get(node.name));
        } else if (node.type === 'Property') {
            addProperty(node.name);
        }
    });
}
for (const name of [...everyProperty].sort())
    addProperty(name);
// Every other name a standard or MDN knows, so that the editor marks only names nobody
// knows; their syntax is left out, as no panel offers them.
const otherNames = [...new Set([...webref.properties.map((p) => p.name), ...Object.keys(mdnProperties)])]
    .filter((n) => !n.startsWith('-') && !(n in extractProperties))
    .sort();
const sortedObject = (o) => Object.fromEntries(Object.keys(o).sort().map((k) => [k, o[k]]));
// The descriptors of the at-rules whose blocks hold descriptors rather than rules
// (@font-face, @page…), so that the editor offers them there and never marks them.
// The features of @media and @container are conditions, not descriptors.
const CONDITION_RULES = new Set(['@media', '@container']);
// MDN adds the names browsers still read that the standards renamed (font-stretch).
const mdnAtRules = require('mdn-data/css/at-rules.json');
const atRules = {};
for (const a of webref.atrules) {
    const descriptors = Object.fromEntries((a.descriptors ?? []).filter((d) => d.syntax)
        .map((d) => [d.name, { syntax: d.syntax, initial: d.initial ?? '' }]));
    for (const [name, d] of Object.entries(mdnAtRules[a.name]?.descriptors ?? {}))
        if (!(name in descriptors) && d.syntax)
            descriptors[name] = { syntax: d.syntax, initial: Array.isArray(d.initial) ? '' : d.initial ?? '' };
    if (CONDITION_RULES.has(a.name) || Object.keys(descriptors).length === 0)
        continue;
    atRules[a.name.slice(1)] = sortedObject(descriptors);
}
const extract = {
    sources,
    properties: sortedObject(extractProperties),
    otherNames,
    atRules: sortedObject(atRules),
    types: sortedObject(Object.fromEntries([...reachedTypes].map((t) => [t, types.get(t)]))),
};
fs.mkdirSync(path.join(dataDir, 'standards'), { recursive: true });
fs.writeFileSync(path.join(dataDir, 'standards', 'css-grammar.json'), JSON.stringify(extract, null, 1) + '\n');

// The named colours' values, for the editor's colour swatches: every name of the grammar's
// <named-color> but "transparent", which is no colour of its own.
const swatchColours = namedColours.filter((n) => n !== 'transparent');
const missing = swatchColours.filter((n) => !colourNames[n]);
if (missing.length)
    throw new Error(`named colours without a value: ${missing.join(' ')}`);
const hex = (rgb) => rgb.map((c) => c.toString(16).padStart(2, '0')).join('');
writeLines(path.join(dataDir, 'standards', 'named-colours.txt'),
    [`# CSS named colours (color-name ${sources['color-name']}): name and hexadecimal red, green, blue`,
        ...[...swatchColours].sort().map((n) => `${n} ${hex(colourNames[n])}`)]);

console.log(`${modern.length} properties in "${MODERN}", ${modernColours.size} of them colour properties; `
    + `${written.size} value files written`);
