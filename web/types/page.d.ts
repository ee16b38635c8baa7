// The types tsc checks the page's scripts by (web/tsconfig.json): what
// emscripten gives the modules' scripts (wire.js, bindings.js,
// hangarBindings.js), the layouts of the C functions' answers and what
// read() makes of them, and the modules as the page imports them.

// ---- In the modules' scripts: emscripten's runtime and the C functions ----
declare var Module: Record<string, unknown>;
declare var HEAPU8: Uint8Array, HEAPU32: Uint32Array, HEAPF64: Float64Array;
// A C function as wire.js calls it: numbers (addresses, lengths, flags) in,
// a number or nothing out.
type CFunction = (...wire: number[]) => number;
declare var _tx_reply: CFunction, _tx_arena: CFunction, _tx_lapReply: CFunction;
declare var _tx_inputs: CFunction, _tx_acceptsLineChar: CFunction, _tx_maxFileBytes: CFunction,
  _tx_chartCurves: CFunction, _tx_realChange: CFunction, _tx_caseInputs: CFunction, _tx_flightRecord: CFunction,
  _tx_new: CFunction, _tx_separator: CFunction, _tx_text: CFunction, _tx_setText: CFunction,
  _tx_stepLines: CFunction, _tx_current: CFunction, _tx_headingCue: CFunction, _tx_recalculate: CFunction,
  _tx_figureLines: CFunction, _tx_shown: CFunction, _tx_whatIfText: CFunction, _tx_setWhatIfText: CFunction,
  _tx_whatIf: CFunction, _tx_open: CFunction, _tx_save: CFunction, _tx_savedAs: CFunction, _tx_report: CFunction,
  _tx_defaults: CFunction, _tx_conditionDefaults: CFunction, _tx_chartTable: CFunction,
  _tx_shownCalculated: CFunction, _tx_metric: CFunction, _tx_setMetric: CFunction, _tx_unitText: CFunction,
  _tx_figureUnit: CFunction, _tx_storedText: CFunction, _tx_setStoredText: CFunction, _tx_advice: CFunction,
  _tx_conditionsSummary: CFunction, _tx_conditionsRefusal: CFunction, _tx_pressureAltitude: CFunction,
  _tx_altimeterNote: CFunction, _tx_keepAsA: CFunction, _tx_openA: CFunction, _tx_clearA: CFunction,
  _tx_languages: CFunction, _tx_metricLocale: CFunction, _tx_useCatalogue: CFunction, _tx_said: CFunction,
  _tx_pluralForms: CFunction;
declare var _tx_hangarLoad: CFunction, _tx_hangarCommit: CFunction, _tx_hangarDrop: CFunction,
  _tx_hangarList: CFunction, _tx_hangarDeleted: CFunction, _tx_hangarOpen: CFunction, _tx_hangarAdd: CFunction,
  _tx_hangarKeep: CFunction, _tx_hangarRename: CFunction, _tx_hangarDuplicate: CFunction,
  _tx_hangarDelete: CFunction, _tx_hangarLogFlight: CFunction, _tx_hangarCorrect: CFunction,
  _tx_hangarDeleteFlight: CFunction, _tx_hangarImport: CFunction, _tx_imported: CFunction,
  _tx_hangarFile: CFunction, _tx_hangarIndex: CFunction, _tx_fileName: CFunction, _tx_flightFields: CFunction, _tx_logColumns: CFunction,
  _tx_logRows: CFunction, _tx_logCsv: CFunction;

// ---- An answer's layout (wire.js's read) and what read makes of it ----
type Run = readonly [string, ...string[]];
type Names = readonly (string | Run)[];
interface Layout {
  readonly texts?: Names;
  readonly numbers?: Names;
  readonly bytes?: boolean;
  readonly orNothing?: boolean;  // or no texts and no numbers at all
}
type TextOf<L> = L extends {readonly bytes: true} ? Uint8Array<ArrayBuffer> : string;
type RunsOf<T> = T extends Names ? Extract<T[number], Run> : never;
type SinglesOf<T> = T extends Names ? Extract<T[number], string> : never;
type RunName<R> = R extends readonly [infer N extends string, ...string[]] ? N : never;
type FieldsOf<R, V> = R extends readonly [string, ...infer F extends readonly string[]] ? {[P in F[number]]: V} : never;
type RunIn<T, N> = Extract<RunsOf<T>, readonly [N, ...string[]]>;
// A run named N: its values (without fields), or its items with the fields
// of the texts' run and of the numbers' run of that name.
type IsNever<T> = [T] extends [never] ? true : false;
type RunValue<L extends Layout, N, T = RunIn<L['texts'], N>, M = RunIn<L['numbers'], N>> =
  IsNever<M> extends true ? (T extends readonly [string] ? TextOf<L>[] : Array<FieldsOf<T, TextOf<L>>>) :
  IsNever<T> extends true ? (M extends readonly [string] ? Float64Array : Array<FieldsOf<M, number>>) :
  Array<FieldsOf<T, TextOf<L>> & FieldsOf<M, number>>;
type Reply<L extends Layout> =
  {[K in SinglesOf<L['texts']>]: TextOf<L>} &
  {[K in SinglesOf<L['numbers']>]: number} &
  {[N in RunName<RunsOf<L['texts']> | RunsOf<L['numbers']>>]: RunValue<L, N>};

// ---- The modules as the page imports them ----
// The bindings' answers as closed types: tsc takes an object literal in a
// .js file as open to any property, so that a name misspelt where the page
// reads an answer would pass unseen.
type Closed<T> =
  T extends string | number | boolean | null | undefined | ArrayBufferView ? T :
  T extends new (...args: infer A) => infer R ? new (...args: A) => Closed<R> :
  T extends (...args: infer A) => infer R ? (...args: A) => Closed<R> :
  T extends readonly (infer E)[] ? Closed<E>[] :
  {[K in keyof T]: Closed<T[K]>};
type TethrixModule = Closed<typeof TETHRIX> & {
  HEAPU8: Uint8Array;
  HEAPF64: Float64Array;
  // The lap timers (LapBindings.cpp), called by laptimer.js with numbers
  // written at _tx_lapIn; their answers are judgedLaps'.
  _tx_lapIn(count: number): number;
  _tx_lapsOfTaps(separator: number): void;
  _tx_turnNew(): number;
  _tx_turnAdd(counter: number, finish: boolean, separator: number): void;
  _tx_turnDelete(counter: number): void;
};
interface ModuleOptions {
  locateFile?: (path: string, folder: string) => string;
}
declare module '*/tethrix.js?b=@BUILD@' {
  export default function createTethrix(options?: ModuleOptions): Promise<TethrixModule>;
}
declare module '*/tethrix-hangar.js?b=@BUILD@' {
  export default function createHangar(options?: ModuleOptions): Promise<{hangar: Closed<typeof HANGAR>}>;
}
// The page's own modules, asked for under the build's name.
declare module '*/charts.js?b=@BUILD@' {
  const m: typeof import('../charts.js');
  export = m;
}
declare module '*/storage.js?b=@BUILD@' {
  const m: typeof import('../storage.js');
  export = m;
}
declare module '*/hangar.js?b=@BUILD@' {
  const m: typeof import('../hangar.js');
  export = m;
}
declare module '*/hangarStore.js?b=@BUILD@' {
  const m: typeof import('../hangarStore.js');
  export = m;
}
declare module '*/language.js?b=@BUILD@' {
  const m: typeof import('../language.js');
  export = m;
}
declare module '*/laphook.js?b=@BUILD@' {
  const m: typeof import('../laphook.js');
  export = m;
}

// ---- What the page puts on the window and the browser gives ----
interface Window {
  tethrixPage?: any;  // a kept start on the screen (index.html)
  tethrixStartMarkup?: unknown;
  tethrixStartDropped?: unknown;
  tethrixSession?: unknown;  // for the tests and the benchmarks
  tethrixLanguage?: string;  // the page's language, and its catalogue's text on the way (index.html)
  tethrixCatalogue?: Promise<string>;
  tethrixOutsideTexts?: () => Text[];
  tethrixSpeech?: unknown;  // for the tests
  showSaveFilePicker?: (options?: unknown) => Promise<any>;
}

// The Generic Sensor API, where the browser has it (laptimer.js).
declare class Gyroscope {
  constructor(options?: {frequency?: number});
  x: number; y: number; z: number; timestamp: number;
  start(): void; stop(): void;
  addEventListener(type: string, listener: (event: any) => void): void;
}
declare class GravitySensor extends Gyroscope {}
