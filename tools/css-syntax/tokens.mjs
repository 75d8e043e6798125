// Writes the tokens css-tree's tokenizer finds in a table of edge cases and in lines
// drawn from the real framework sheets, as the fixture the tokenizer's test compares
// with. Offsets are in UTF-16 code units.
//   node tokens.mjs <scratch folder with node_modules> <sheets folder> <fixture.json>
// Run through generate.sh, which installs the pinned packages first.

import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const [scratch, sheets, fixture] = process.argv.slice(2).map((p) => path.resolve(p));
if (!scratch || !sheets || !fixture) {
    console.error('usage: node tokens.mjs <scratch> <sheets> <fixture.json>');
    process.exit(2);
}
const require = createRequire(path.join(scratch, 'package.json'));
const csstree = require('css-tree');
const version = JSON.parse(fs.readFileSync(path.join(scratch, 'node_modules/css-tree/package.json'), 'utf8')).version;

// css-tree's type numbers, named as the program names them.
const NAMES = {
    Ident: 'Ident', Function: 'Function', AtKeyword: 'AtKeyword', Hash: 'Hash', String: 'String',
    BadString: 'BadString', Url: 'Url', BadUrl: 'BadUrl', Delim: 'Delim', Number: 'Number',
    Percentage: 'Percentage', Dimension: 'Dimension', WhiteSpace: 'Whitespace', CDO: 'Cdo', CDC: 'Cdc',
    Colon: 'Colon', Semicolon: 'Semicolon', Comma: 'Comma', LeftSquareBracket: 'LeftBracket',
    RightSquareBracket: 'RightBracket', LeftParenthesis: 'LeftParen', RightParenthesis: 'RightParen',
    LeftCurlyBracket: 'LeftBrace', RightCurlyBracket: 'RightBrace', Comment: 'Comment',
};
const byNumber = new Map(Object.entries(csstree.tokenTypes).map(([name, n]) => [n, NAMES[name]]));

const EDGE_CASES = {
    // comments
    'empty comment': '/**/',
    'comment between words': 'a/* b */c',
    'comment left open': 'a /* b',
    'comment whose star is its first': '/*/ x */y',
    'stray comment end': '*/ a',
    'comment marks in a string': '"/*" a "*/"',
    // strings
    'double and single quotes': `"a" 'b'`,
    'escaped quote': '"a\\"b" x',
    'escaped backslash before quote': '"a\\\\" x',
    'unclosed string at the line end': '"abc\ndef"',
    'unclosed string at the end': "'abc",
    'escaped line end continues': '"a\\\nb" c',
    'escaped CR LF continues': '"a\\\r\nb" c',
    'string with braces and semicolons': 'a { content: "}" } .x {}',
    'declaration inside a string': 'a { content: "x; color: red" }',
    'hex escape in a string': '"\\41 x\\000042y"',
    'backslash at the end': '"a\\',
    // escapes in names
    'hex escape with its blank': '\\41 b c',
    'escaped digit starts a class': '.\\31 23 a',
    'escaped colon': 'a\\:hover:b',
    'lone backslash': '\\',
    'backslash before a line end': 'a\\\nb',
    'escaped id': '#\\31 a',
    'escape of a letter': '\\g',
    'too long hex escape': '\\1234567',
    // addresses
    'plain address': 'url(x.png)',
    'address with blanks': 'url(  x.png  )',
    'address with a blank inside': 'url(x y)',
    'quoted address': 'url("x.png")',
    'quoted address with blanks': "url(  'x' )",
    'parenthesis in an address': 'url(x(y))',
    'quote in an address': 'url(x"y) z',
    'escaped parenthesis in an address': 'url(x\\)y) z',
    'upper case address': 'URL(x)',
    'address left open': 'url(x',
    'empty address': 'url()',
    'address holding a declaration': 'a { background: url(x;color:red) }',
    'address holding a typo': 'a { background: url(p;colr:red) }',
    'escaped u in url': 'u\\rl(x)',
    'control character in an address': 'url(a\u0001b) c',
    'escaped line end in an address': 'url(a\\\nb) c',
    'url as a word': 'url x',
    // numbers
    'numbers': '1 +1 -1 .5 1. 1.5e3 1e 1e+ 1e-2px 10% 1px',
    'number then name': '1-x 1--x +.5em -.5e-3% 1.2.3 e3',
    'escaped unit': '1\\70 x',
    'plus and minus alone': '+ - +a -a',
    // names
    'names': '-x --x - -- -1 a-b_c _x',
    'escaped name after minus': '-\\31 x',
    'non-ASCII names': 'é ñx 中文 😀x',
    // hashes and at-keywords
    'hashes': '#a #1 #- # #é #-1',
    'at-keywords': '@media @-webkit-keyframes @ @1 @--x @\\31 x',
    // markup comments
    'CDO and CDC': '<!-- a --> <!- ---> <!--a-->',
    // punctuation
    'punctuation': ':;,[](){}',
    'delimiters': '! ~= |= ^= $= *= || & > + ~ * / = <',
    'white space kinds': 'a\tb\r\nc\fd  \n e',
    // whole sheets
    'font face': '@font-face { font-family: "X"; src: url(x.woff2); font-display: swap; unicode-range: U+0-FF }',
    'block in a custom property': 'a{--x:{b}}',
    'block in a function': 'a{b:f(x{y})}',
    'nesting': '.card { &:hover { color: red } .title { b: c } }',
    'attribute with a string': 'a[href$=".pdf"] { x: y }',
    'important': 'a{color:red!important}',
    'media query': '@media (min-width: 600px) and (max-width:1px) { .x { y: z } }',
    'keyframes': '@keyframes spin { 0% { a: b } to { c: d } }',
    'unicode range': 'u+0-7F, U+0025-00FF, u+4??',
};

// Lines from the real sheets: every line of up to 160 code units that holds something
// more than a blank, a brace or a declaration of letters only, a few per sheet, spread
// over the sheet; minified sheets give slices of their long line.
function sheetLines(file, count) {
    const text = fs.readFileSync(file, 'utf8');
    const lines = text.split('\n');
    const pieces = [];
    if (lines.length < 100) {
        for (let i = 0; i + 160 <= text.length && pieces.length < count; i += Math.floor(text.length / count))
            pieces.push(text.slice(i, i + 160));
        return pieces;
    }
    const interesting = lines.filter((l) => l.length <= 160 && /[\\"'@#(/%.!]/.test(l));
    const step = Math.max(1, Math.floor(interesting.length / count));
    for (let i = 0; i < interesting.length && pieces.length < count; i += step)
        pieces.push(interesting[i]);
    return pieces;
}

// css-tree puts the line end that cuts a string off into the bad string; CSS Syntax
// leaves it outside, where it is white space. Written here as the standard has it.
function tokens(text) {
    const out = [];
    csstree.tokenize(text, (type, start, end) => out.push([byNumber.get(type), start, end]));
    for (let i = 0; i < out.length; ++i) {
        const [kind, start, end] = out[i];
        const lineEnd = text.slice(start, end).search(/(\r\n|[\n\r\f])$/);
        if (kind !== 'BadString' || lineEnd < 0)
            continue;
        out[i] = [kind, start, start + lineEnd];
        if (out[i + 1]?.[0] === 'Whitespace')
            out[i + 1][1] = start + lineEnd;
        else
            out.splice(i + 1, 0, ['Whitespace', start + lineEnd, end]);
    }
    return out;
}

const cases = Object.entries(EDGE_CASES).map(([name, text]) => ({ name, text, tokens: tokens(text) }));
const sheetFiles = fs.existsSync(sheets) ? fs.readdirSync(sheets).filter((f) => f.endsWith('.css')).sort() : [];
if (sheetFiles.length === 0)
    throw new Error(`no real sheets in ${sheets}: run tools/perf/fetch-sheets.sh first`);
for (const file of sheetFiles)
    sheetLines(path.join(sheets, file), 60).forEach((text, i) => cases.push({ name: `${file} ${i + 1}`, text, tokens: tokens(text) }));

fs.mkdirSync(path.dirname(fixture), { recursive: true });
fs.writeFileSync(fixture, JSON.stringify({ source: `css-tree ${version}`, cases }, null, 0).replace(/\},\{"name"/g, '},\n{"name"') + '\n');
console.log(`${cases.length} cases written to ${fixture}`);
