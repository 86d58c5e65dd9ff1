// The types are the interface's reference (docs/api.md is made from them):
// every field the engine answers, on every example file and on files it
// refuses, is a field the types declare, of the declared type; and every
// field they declare in an answer is answered somewhere.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';

import ts from 'typescript';

import { createVornak } from '../../web/engine/module.js';
import { flexDisk } from './flex-disk.mjs';
import { exampleFiles, root } from './support.mjs';

const typesPath = join(root, 'web/vornak.d.ts');
const program = ts.createProgram([typesPath], { strict: true, noEmit: true, types: [], lib: ['lib.es2022.d.ts'] });
const checker = program.getTypeChecker();
const source = program.getSourceFile(typesPath);
const exported = new Map(checker.getExportsOfModule(checker.getSymbolAtLocation(source)).map((s) => [s.name, s]));

// A declared field: its interface or type and its name, by its place in the file.
const fieldName = (property) => {
  const declaration = property.declarations[0];
  const { line } = source.getLineAndCharacterOfPosition(declaration.getStart());
  return `${property.name} (web/vornak.d.ts:${line + 1})`;
};
const ours = (property) => property.declarations?.[0]?.getSourceFile() === source;

// The problems of `value` as a `type` (none: it is one), with the declared
// fields it answers added to `seen`.
function problems(value, type, path, seen) {
  if (type.isUnion()) {
    const members = type.types;
    for (const member of members) {
      const found = new Set();
      if (problems(value, member, path, found).length === 0) {
        for (const field of found) seen.add(field);
        return [];
      }
    }
    return [`${path}: ${JSON.stringify(value)?.slice(0, 80)} is none of ${checker.typeToString(type)}`];
  }
  const { flags } = type;
  if (type.isStringLiteral() || type.isNumberLiteral()) return value === type.value ? [] : [`${path}: not ${type.value}`];
  if (flags & ts.TypeFlags.BooleanLiteral) return String(value) === checker.typeToString(type) ? [] : [`${path}: not ${checker.typeToString(type)}`];
  if (flags & ts.TypeFlags.String) return typeof value === 'string' ? [] : [`${path}: not a string`];
  if (flags & ts.TypeFlags.Number) return typeof value === 'number' ? [] : [`${path}: not a number`];
  if (flags & ts.TypeFlags.Null) return value === null ? [] : [`${path}: not null`];
  if (type.symbol?.name === 'Uint8Array') return value instanceof Uint8Array ? [] : [`${path}: not a Uint8Array`];
  if (checker.isArrayType(type)) {
    if (!Array.isArray(value)) return [`${path}: not an array`];
    const [element] = checker.getTypeArguments(type);
    return value.flatMap((item, i) => problems(item, element, `${path}[${i}]`, seen));
  }
  if (value === null || typeof value !== 'object' || Array.isArray(value)) return [`${path}: not an object`];
  const found = [];
  const index = checker.getIndexInfosOfType(type)[0];
  for (const key of Object.keys(value)) {
    const property = checker.getPropertyOfType(type, key);
    if (!property && !index) found.push(`${path}.${key}: a field the types do not declare`);
    else if (!property) found.push(...problems(value[key], index.type, `${path}.${key}`, seen));
    else {
      if (ours(property)) seen.add(fieldName(property));
      found.push(...problems(value[key], checker.getTypeOfSymbol(property), `${path}.${key}`, seen));
    }
  }
  for (const property of checker.getPropertiesOfType(type)) {
    if (!(property.flags & ts.SymbolFlags.Optional) && !(property.name in value)) found.push(`${path}.${property.name}: missing`);
  }
  return found;
}

// Every field the types declare in the answers of these types.
function declaredFields(type, into = new Set(), walked = new Set()) {
  if (walked.has(type)) return into;
  walked.add(type);
  if (type.isUnion() || type.isIntersection()) type.types.forEach((t) => declaredFields(t, into, walked));
  else if (checker.isArrayType(type)) declaredFields(checker.getTypeArguments(type)[0], into, walked);
  else if (type.flags & ts.TypeFlags.Object && type.symbol?.name !== 'Uint8Array') {
    for (const property of checker.getPropertiesOfType(type)) {
      if (!ours(property)) continue;
      into.add(fieldName(property));
      declaredFields(checker.getNonNullableType(checker.getTypeOfSymbol(property)), into, walked);
    }
  }
  return into;
}

// The answer type of each function of an engine.
const engineType = checker.getDeclaredTypeOfSymbol(exported.get('Vornak'));
const answerType = (name) => checker.getReturnTypeOfSignature(checker.getTypeOfSymbol(checker.getPropertyOfType(engineType, name)).getCallSignatures()[0]);

test('every field the engine answers is declared in the types, and every field declared in an answer is answered', async () => {
  const vornak = await createVornak();
  const answers = [];
  const ask = (name, ...args) => answers.push([name, vornak[name](...args), `${name}(${JSON.stringify(args[0])?.slice(0, 40)})`]);
  // The examples, a dump cut short (which has a note) and a file that does
  // not load.
  const examples = exampleFiles();
  const files = { ...examples, 'cut.syx': examples['demo23.syx'].slice(0, 3000), 'cut.fxb': examples['demo23-o.fxb'].slice(0, 300) };
  ask('formats');
  ask('limits');
  for (const [name, bytes] of Object.entries(files)) {
    ask('run', ['/Sout.syx', '-L', name], { [name]: bytes });
    ask('describe', name, bytes);
    ask('describe', name, bytes, { parameters: false, conversions: false });
    ask('listing', name, bytes);
    for (const { letter } of vornak.formats()) ask('convert', bytes, { to: letter, name });
    ask('compose', { banks: { [name]: bytes }, programs: [{ bank: name, program: 0, name: 'One' }, null], format: 'W' });
    const { sounds } = vornak.describe(name, bytes, { parameters: false, conversions: false });
    if (sounds) ask('similar', sounds[0], sounds, { count: 2 });
  }
  // A disk with a bank, a file that is none and one that cannot be read;
  // and a file that is no disk.
  const disk = flexDisk();
  disk.add('D001.USR', examples['demo23-a.usr']);
  disk.add('README.TXT', new Uint8Array(300));
  const loop = disk.add('LOOP.USR', examples['demo23-a.usr']);
  disk.link(loop[3], loop[1]);
  ask('disk', disk.image);
  ask('describe', 'disk.dsk', disk.image);
  ask('disk', examples['demo23.syx']);
  ask('compose', { banks: {}, programs: [{ bank: 'none', program: 0 }] });
  // A value set that a memory image holds only in steps of 2.
  ask('compose', { banks: { 'demo23.syx': files['demo23.syx'] }, programs: [{ bank: 'demo23.syx', program: 3, set: { a: { 'P:3': 41 } } }] });
  ask('convert', files['demo23.syx'], { to: 'O', names: ['x'.repeat(28)] });
  ask('convert', files['demo23.syx'], { to: 'S', edits: { programs: { 3: { a: { 'P:3': 41 } } }, combis: { 0: { 'BK 1': 5 } } } });
  vornak.dispose();

  const seen = new Set();
  for (const [name, answer, label] of answers) assert.deepEqual(problems(answer, answerType(name), label, seen), [], label);
  const declared = new Set();
  for (const name of new Set(answers.map(([n]) => n))) declaredFields(answerType(name), declared);
  assert.deepEqual([...declared].filter((field) => !seen.has(field)), [], 'declared, but never answered');
  assert.ok(declared.size > 50, `${declared.size} fields declared`);
});
