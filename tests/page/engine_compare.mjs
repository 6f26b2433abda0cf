// The engine on WebAssembly solves byte for byte as the native console front
// end: every example of the golden files, with each file's flags, odd input
// lines and 20 000 seeded random examples go through both, and the first
// block that differs is shown as both print it.
// Usage: node engine_compare.mjs NATIVE_TAMBREL_SOLVE WASM_TAMBREL_SOLVE_JS GOLDEN_DIR
import { spawnSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';

const [nativeSolve, wasmSolve, goldenDir] = process.argv.slice(2);

// Solves the examples with both front ends; returns how many were compared.
function compare(name, examples, flags) {
    const input = Buffer.from(examples.join('\n') + '\n', 'latin1');
    const run = (command, args) => spawnSync(command, [...args, ...flags],
        { input, maxBuffer: 1 << 30, encoding: 'latin1' });
    const native = run(nativeSolve, []);
    const wasm = run(process.execPath, [wasmSolve]);
    for (const r of [native, wasm])
        if (r.error || r.status !== 0) throw new Error(`${name}: ${r.error ?? r.stderr}`);
    if (native.stdout === wasm.stdout && native.stderr === wasm.stderr) return examples.length;
    const a = native.stdout.split('\n\n'), b = wasm.stdout.split('\n\n');
    let i = 0;
    while (i < a.length && a[i] === b[i]) ++i;
    const utf8 = (s) => Buffer.from(s ?? '(nothing)', 'latin1').toString('utf8');
    console.error(`${name}: the first block that differs\n-- native:\n${utf8(a[i])}\n-- wasm:\n${utf8(b[i])}`);
    if (native.stderr !== wasm.stderr) console.error(`standard error, native:\n${utf8(native.stderr)}\n-- wasm:\n${utf8(wasm.stderr)}`);
    process.exit(1);
}

// A small seeded generator (mulberry32), so every run draws the same
// examples.
let seed = 20240611;
function random() {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const below = (n) => Math.floor(random() * n);
const pick = (items) => items[below(items.length)];
const digits = (n) => Array.from({ length: n }, () => below(10)).join('');

// Numbers of every shape the number text meets: short and long, commas at
// either end, leading zeros, halfway digits, the range edge, values too
// small or too large for a float.
const numberShapes = [
    () => String(below(20)),
    () => digits(1 + below(7)),
    () => digits(1 + below(4)) + ',' + digits(1 + below(8)),
    () => ',' + digits(1 + below(3)),
    () => digits(1 + below(3)) + ',',
    () => '0'.repeat(1 + below(4)) + digits(1 + below(3)),
    () => digits(7) + ',5' + pick(['', '0', '00001']),
    () => digits(1 + below(30)) + ',' + digits(below(30)),
    () => '0,' + '0'.repeat(below(50)) + digits(1 + below(12)),
    () => '1' + digits(35 + below(10)),
    () => pick(['9999999', '9999999,4', '9999999,5', '10000000', '8388608,5', '0,0001', '0,00009999995', ',']),
];
const number = () => pick(random() < 0.6 ? numberShapes.slice(0, 3) : numberShapes)();

// An example from numbers, the operators, brackets and roots, at most depth
// brackets deep; a sign may stand where one is allowed, first in the
// example or in a bracket.
function expression(depth) {
    const parts = [];
    for (let n = 1 + below(4); n > 0; --n) {
        let term = number();
        if (depth > 0 && random() < 0.3) term = pick(['(', 'K(', '2(']) + expression(depth - 1) + ')';
        parts.push((!parts.length && random() < 0.3 ? pick(['-', '-', '+-', '--']) : '') + term);
        if (n > 1) parts.push(pick(['+', '-', '*', '/', '\\', '^', '*', '/']));
    }
    return parts.join('');
}

// Some examples are broken a little, to reach the checks and their
// messages.
function example() {
    let text = expression(below(4));
    if (random() < 0.15) {
        const at = below(text.length + 1);
        text = text.slice(0, at) + pick(['(', ')', '()', '+', '*', 'K', ',', ' ', 'x', '']) + text.slice(at + below(2));
    }
    return text;
}

let compared = 0;
for (const file of readdirSync(goldenDir).filter((f) => f.endsWith('.txt')).sort()) {
    const text = readFileSync(`${goldenDir}/${file}`, 'latin1');
    const examples = [...text.matchAll(/^example: (.*)$/gm)].map((m) => m[1]);
    const flags = text.match(/^flags: (.*)$/m)?.[1].split(' ') ?? [];
    compared += compare(file, examples, flags);
}
// What a file may hold besides examples: a CR before the line end, bytes
// that are not UTF-8, a NUL, the longest example and one character more.
const longest = '(' + '0'.repeat(9997) + '1)';
compared += compare('odd lines', ['1+1\r', '\xff\xfe', '3\0+4', longest, longest + '1', ''], []);
compared += compare('random examples', Array.from({ length: 20000 }, example), []);
console.log(`${compared} examples solved alike by the native and the WebAssembly engine`);
