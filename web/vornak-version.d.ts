// Types of vornak/version (web/vornak-version.mjs).

/** The tool's version, as its banner prints it ("1.10"). */
export declare const version: string;
