// The version of Vornak's engine, as the tool's banner prints it: the
// package's vornak/version, made by web/build.mjs.
export const version = '1.10';
