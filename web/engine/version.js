// The tool's version, as its banner prints it: CMakeLists.txt's, which
// web/build.mjs holds this to.
export const version = '1.10';
