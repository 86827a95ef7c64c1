// The practice board as a web page: the same board as the C++ model in board/ (layout, controls,
// picture), drawn pixel for pixel into the page's <canvas> and driven by the left mouse button,
// the pointer's moves (each with the event's time) and the keys.
//
// Query parameters, each falling back to its default when missing or not understood:
//   board=oekakiBBS|PaintBBS|ColourCode   the board kind (oekakiBBS)
//   canvas=WxH                 the canvas size, each side 1 to 2000 (300x300)
//   pos=X,Y                    where the board's top-left pixel lies in the page, in CSS pixels (0,0)
//   busy=N,K                   a busy board: every N-th of the first K canvas presses is missed (never)
//   busyms=N                   a canvas press less than N ms after the last one taken is missed (0: never)
//   stabiliser=N               a canvas drag's line lags N pixels behind the pointer (0)
//   cursor=1|0                 a pen cursor at the pointer over the canvas (on for ColourCode only)
//   opener=none|button|window  how a ColourCode board's code field is reached (none)
//   dropfocus=K                the K-th press on the code field or opening by "#" misses the focus (0: never)
//
// The page's title is the board's title followed by its record of presses and keys, in the lines
// of the report practice-board.exe writes (board/report.h) joined by " | ":
//   練習ボード - oekakiBBS | tool T | presses C K T P B | stray N M | busy N K D | busy_ms N D
//   | window_presses N | keys F E S D | codes N
// It shows the record at most every 100 ms (RECORD_INTERVAL_MS), so a reader reads it once the page
// has been left alone that long.
"use strict";

// ---- Points, rectangles and pictures, in board pixels: (0, 0) is the board's top-left corner ----

function point(x, y) {
  return { x: x, y: y };
}

function plus(a, b) {
  return point(a.x + b.x, a.y + b.y);
}

// Both corners inclusive, as the pixels of a drawing are counted.
class Rect {
  constructor(left, top, right, bottom) {
    this.left = left;
    this.top = top;
    this.right = right;
    this.bottom = bottom;
  }

  contains(p) {
    return p.x >= this.left && p.x <= this.right && p.y >= this.top && p.y <= this.bottom;
  }

  movedBy(d) {
    return new Rect(this.left + d.x, this.top + d.y, this.right + d.x, this.bottom + d.y);
  }
}

// Red in bits 0-7, green in bits 8-15, blue in bits 16-23.
function rgb(r, g, b) {
  return r | (g << 8) | (b << 16);
}

const WHITE = rgb(255, 255, 255);
const BLACK = rgb(0, 0, 0);

// width x height colours, row by row from the top.
class Raster {
  constructor(width, height, fill) {
    this.width = width;
    this.height = height;
    this.pixels = new Int32Array(width * height).fill(fill);
  }

  inside(x, y) {
    return x >= 0 && y >= 0 && x < this.width && y < this.height;
  }

  at(x, y) {
    return this.pixels[y * this.width + x];
  }

  // Pixels outside the picture are left alone.
  set(x, y, colour) {
    if (this.inside(x, y)) this.pixels[y * this.width + x] = colour;
  }
}

// ---- Layout: where the canvas and the colour controls lie ----

const OEKAKI_BBS = "oekakiBBS";
const PAINT_BBS = "PaintBBS";
const COLOUR_CODE = "ColourCode";  // the colour typed as a code, "#RRGGBB", into a text field
const KINDS = [OEKAKI_BBS, PAINT_BBS, COLOUR_CODE];  // numbered as in the report

// How a ColourCode board's field is reached: always there, beside a "#" button once it is
// pressed, or in a window over the canvas that the "#" button opens.
const OPENER_NONE = "none";
const OPENER_BUTTON = "button";
const OPENER_WINDOW = "window";
const OPENERS = [OPENER_NONE, OPENER_BUTTON, OPENER_WINDOW];

const RED = 0;
const GREEN = 1;
const BLUE = 2;
const CHANNELS = [RED, GREEN, BLUE];

const TENS_UP = "tensUp";
const TENS_DOWN = "tensDown";
const ONES_UP = "onesUp";
const ONES_DOWN = "onesDown";
const ARROWS = [TENS_UP, TENS_DOWN, ONES_UP, ONES_DOWN];

// The drawing tools, one button each, stacked from the top in this order.
const PEN = 0;
const BRUSH = 1;
const ERASER = 2;
const TOOLS = [PEN, BRUSH, ERASER];

const MAX_CANVAS_SIDE = 2000;
const CANVAS_ORIGIN = point(140, 12);
const MARGIN = 10;
const PANEL_HEIGHT = 170;

// The shapes of a control are offsets from its guide corner (the top-left pixel of the square
// mipro's magnifier shows over it); the corners of the three channels are stacked a pitch apart.
const OEKAKI_FIRST_CORNER = point(4, 0);
const OEKAKI_PITCH = 44;
const OEKAKI_LETTER = new Rect(9, 39, 17, 48);
const OEKAKI_BAR = new Rect(6, 54, 62, 64);
const OEKAKI_ARROWS = {
  [TENS_UP]: new Rect(65, 35, 73, 43),
  [TENS_DOWN]: new Rect(64, 49, 73, 58),
  [ONES_UP]: new Rect(85, 35, 93, 43),
  [ONES_DOWN]: new Rect(84, 49, 93, 58),
};
const OEKAKI_VALUE = new Rect(100, 46, 118, 52);

const PAINT_FIRST_CORNER = point(0, 0);
const PAINT_PITCH = 22;
const PAINT_BRACKET = new Rect(25, 43, 74, 59);
const PAINT_BRACKET_SOLID_BOTTOM = 51;
const PAINT_LETTER = new Rect(63, 46, 71, 55);
const PAINT_TRACK = new Rect(26, 44, 74, 57);
const PAINT_SLIDER_ZERO = point(26, 46);
const PAINT_VALUE = new Rect(80, 47, 98, 53);
const PAINT_SHIFT_ZONE = new Rect(23, 44, 78, 57);

// The ColourCode panel: the "#" button with the field beside it (where the field also lies when
// it is always there), and the swatch of the current colour below them; its icon is 7 x 7.
const CODE_OPENER = new Rect(8, 40, 22, 54);
const PANEL_CODE_FIELD = new Rect(28, 40, 83, 54);
const COLOUR_SWATCH = new Rect(8, 62, 31, 85);
const SWATCH_ICON_OFFSET = point(8, 8);
const SWATCH_ICON_SIDE = 7;
// The code window, from the canvas's first pixel: it lies across the canvas's top-left corner,
// over its frame and its top-left 100 x 48 pixels, with the field and the close button inside it.
const CODE_WINDOW = new Rect(-8, -8, 99, 47);
const WINDOW_CODE_FIELD = new Rect(6, 22, 61, 36);
const WINDOW_CLOSE = new Rect(85, 3, 95, 13);

// The tool buttons and swatches lie this far from the canvas: its border line and bare board.
const CONTROL_GAP = 4;
const TOOL_SIDE = 24;
const TOOL_PITCH = 26;
const SWATCH_SIDE = 16;
const SWATCH_PITCH = 18;
const PALETTE = [
  rgb(0, 0, 0), rgb(255, 255, 255), rgb(128, 128, 128), rgb(255, 0, 0), rgb(255, 255, 0),
  rgb(0, 255, 0), rgb(0, 255, 255), rgb(0, 0, 255), rgb(255, 0, 255), rgb(128, 64, 0),
];

class Layout {
  constructor(kind, canvasSize, opener) {
    this.kind = kind;
    this.opener = opener;
    this.canvasSize = canvasSize;
    const lastTool = this.toolButton(TOOLS[TOOLS.length - 1]);
    const lastSwatch = this.swatch(PALETTE.length - 1);
    this.boardSize = {
      width: Math.max(lastTool.right, lastSwatch.right) + 1 + MARGIN,
      height: Math.max(lastSwatch.bottom + 1 + MARGIN, PANEL_HEIGHT),
    };
  }

  // A tool's button, in a column starting a few pixels right of the canvas, level with its top.
  toolButton(tool) {
    const left = this.canvasRect().right + CONTROL_GAP;
    const top = CANVAS_ORIGIN.y + TOOL_PITCH * tool;
    return new Rect(left, top, left + TOOL_SIDE - 1, top + TOOL_SIDE - 1);
  }

  // A swatch of the palette, in a row starting a few pixels below the canvas and the tool column,
  // level with the canvas's left edge.
  swatch(index) {
    const belowCanvas = this.canvasRect().bottom + CONTROL_GAP;
    const belowTools = CANVAS_ORIGIN.y + TOOL_PITCH * TOOLS[TOOLS.length - 1] + TOOL_SIDE - 1 + CONTROL_GAP;
    const top = Math.max(belowCanvas, belowTools);
    const left = CANVAS_ORIGIN.x + SWATCH_PITCH * index;
    return new Rect(left, top, left + SWATCH_SIDE - 1, top + SWATCH_SIDE - 1);
  }

  canvasRect() {
    return new Rect(CANVAS_ORIGIN.x, CANVAS_ORIGIN.y, CANVAS_ORIGIN.x + this.canvasSize.width - 1,
                    CANVAS_ORIGIN.y + this.canvasSize.height - 1);
  }

  guideCorner(channel) {
    if (this.kind === OEKAKI_BBS) return plus(OEKAKI_FIRST_CORNER, point(0, OEKAKI_PITCH * channel));
    return plus(PAINT_FIRST_CORNER, point(0, PAINT_PITCH * channel));
  }

  // An oekakiBBS control: the letter, the value bar, the four arrow buttons (each the box of its
  // triangle) and the value text.
  oekakiControl(channel) {
    const at = this.guideCorner(channel);
    const arrows = {};
    for (const arrow of ARROWS) arrows[arrow] = OEKAKI_ARROWS[arrow].movedBy(at);
    return {
      letter: OEKAKI_LETTER.movedBy(at),
      bar: OEKAKI_BAR.movedBy(at),
      arrows: arrows,
      valueText: OEKAKI_VALUE.movedBy(at),
    };
  }

  // A PaintBBS slider: a bracket open at the bottom, solid down to solidBottom and dotted below,
  // around the track (where a press takes hold of the slider) with its letter; a press at the
  // zero point sets 5, and one in the shift zone with Shift held steps the value.
  paintControl(channel) {
    const at = this.guideCorner(channel);
    return {
      bracket: PAINT_BRACKET.movedBy(at),
      solidBottom: PAINT_BRACKET_SOLID_BOTTOM + at.y,
      letter: PAINT_LETTER.movedBy(at),
      track: PAINT_TRACK.movedBy(at),
      zero: plus(PAINT_SLIDER_ZERO, at),
      valueText: PAINT_VALUE.movedBy(at),
      shiftZone: PAINT_SHIFT_ZONE.movedBy(at),
    };
  }

  // ColourCode: the "#" button, the code field (in the window opener, where it lies inside the
  // window once that is open), the window with its close button, and the current colour's swatch.
  codeOpener() {
    return CODE_OPENER;
  }

  codeField() {
    return this.opener === OPENER_WINDOW ? WINDOW_CODE_FIELD.movedBy(CANVAS_ORIGIN) : PANEL_CODE_FIELD;
  }

  codeWindow() {
    return CODE_WINDOW.movedBy(CANVAS_ORIGIN);
  }

  codeClose() {
    return WINDOW_CLOSE.movedBy(CANVAS_ORIGIN);
  }

  colourSwatch() {
    return COLOUR_SWATCH;
  }

  swatchIcon() {
    const at = plus(topLeftOf(COLOUR_SWATCH), SWATCH_ICON_OFFSET);
    return new Rect(at.x, at.y, at.x + SWATCH_ICON_SIDE - 1, at.y + SWATCH_ICON_SIDE - 1);
  }
}

// ---- How the colour controls change a colour component ----

const MAX_COMPONENT = 255;
const UNITS_PER_PIXEL = 5;
const ARROW_STEPS = { [TENS_UP]: 10, [TENS_DOWN]: -10, [ONES_UP]: 1, [ONES_DOWN]: -1 };

function clamp(value, low, high) {
  return Math.min(Math.max(value, low), high);
}

// oekakiBBS: an up arrow adds 10 or 1, a down arrow takes 10 or 1; the value stays within 0..255.
function afterArrowPress(value, arrow) {
  return clamp(value + ARROW_STEPS[arrow], 0, MAX_COMPONENT);
}

// PaintBBS: five units per pixel from the zero point, which sets 5; 0 left of it, 250 at
// zeroX + 49 and 255 from zeroX + 50 onwards.
function sliderValueAt(x, zeroX) {
  const pixels = clamp(x - zeroX + 1, 0, Math.floor(MAX_COMPONENT / UNITS_PER_PIXEL) + 1);
  return Math.min(pixels * UNITS_PER_PIXEL, MAX_COMPONENT);
}

// PaintBBS: the knob's column, zeroX + ceil(value / 5) - 1.
function knobColumn(value, zeroX) {
  return zeroX + Math.floor((value + UNITS_PER_PIXEL - 1) / UNITS_PER_PIXEL) - 1;
}

// PaintBBS with Shift held: 1 toward the pointer, nothing on the knob, within 0..255.
function afterShiftPress(value, x, zeroX) {
  const knob = knobColumn(value, zeroX);
  const step = x > knob ? 1 : x < knob ? -1 : 0;
  return clamp(value + step, 0, MAX_COMPONENT);
}

// ---- Colour codes and the code field ----

const CODE_MARK = "#";
const HEX_DIGITS = "0123456789abcdef";
const FIELD_MAX_LENGTH = 7;
const FIRST_PRINTABLE = 0x20;  // space
const LAST_PRINTABLE = 0x7e;   // ~

// "#rrggbb", the way a painter writes its current colour into the field.
function codeOf(colour) {
  let code = CODE_MARK;
  for (const value of [colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff])
    code += HEX_DIGITS[value >> 4] + HEX_DIGITS[value & 0xf];
  return code;
}

// The colour of a valid code, "#RRGGBB" or "RRGGBB" in hex digits of either case, or null.
function colourOfCode(text) {
  const digits = text.startsWith(CODE_MARK) ? text.slice(1) : text;
  if (!/^[0-9a-fA-F]{6}$/.test(digits)) return null;
  const value = (at) => parseInt(digits.slice(at, at + 2), 16);
  return rgb(value(0), value(2), value(4));
}

// A one-line text box: the focus, the caret always at the end of the text, and a selection that
// is either the whole text or nothing (only a focused field has one).
class CodeField {
  constructor() {
    this.text = "";
    this.focused = false;
    this.selected = false;
  }

  // A press on the field: the focus with the caret at the end, nothing selected.
  focusAtEnd() {
    this.focused = true;
    this.selected = false;
  }

  openWith(text) {
    this.text = text;
    this.focused = true;
    this.selected = true;
  }

  showUnfocused(text) {
    this.text = text;
    this.blur();
  }

  blur() {
    this.focused = false;
    this.selected = false;
  }

  selectAll() {
    this.selected = this.focused;
  }

  // Each edit says whether the text changed. A printable ASCII character replaces the selection
  // or is appended while the text is shorter than FIELD_MAX_LENGTH; any other is not taken.
  type(codePoint) {
    if (codePoint < FIRST_PRINTABLE || codePoint > LAST_PRINTABLE) return false;
    this.clearSelection();
    if (this.text.length >= FIELD_MAX_LENGTH) return false;
    this.text += String.fromCodePoint(codePoint);
    return true;
  }

  backspace() {
    if (this.clearSelection()) return true;
    if (this.text.length === 0) return false;
    this.text = this.text.slice(0, -1);
    return true;
  }

  // Nothing lies after the caret: Delete takes the selection only.
  deleteForward() {
    return this.clearSelection();
  }

  clearSelection() {
    if (!this.selected) return false;
    this.selected = false;
    const hadText = this.text.length > 0;
    this.text = "";
    return hadText;
  }
}

// Where a press landed among the ColourCode panel's parts.
const HIT_ELSEWHERE = "elsewhere";
const HIT_CONTROL = "control";
const HIT_WINDOW = "window";

// The colour controls of a ColourCode board: the code field reached as the opener says. In the
// button opener "#" shows the field focused with the current code selected, and Enter with a valid
// code applies it and hides the field; "#" pressed while it is shown opens it anew. In the window
// opener "#" opens the window (the field focused, the code selected); the code applies as soon as
// the text is valid and on Enter, and only the close button or "#" again closes the window. A
// press elsewhere takes the focus away, one inside the window keeps it. The dropFocusAt-th request
// for the focus (a press on the field or an opening, counted together) is missed, once.
class CodePanel {
  constructor(opener, dropFocusAt) {
    this.opener = opener;
    this.dropFocusAt = dropFocusAt;
    this.focusRequests = 0;
    this.open = false;
    this.field = new CodeField();
    this.showColour(BLACK);
  }

  fieldShown() {
    return this.opener === OPENER_NONE || this.open;
  }

  windowOpen() {
    return this.opener === OPENER_WINDOW && this.open;
  }

  focused() {
    return this.field.focused;
  }

  press(layout, p, current) {
    if (this.windowOpen() && layout.codeWindow().contains(p)) {
      this.pressWindow(layout, p);
      return HIT_WINDOW;
    }
    if (this.opener !== OPENER_NONE && layout.codeOpener().contains(p)) {
      this.pressOpener(current);
      return HIT_CONTROL;
    }
    if (this.opener !== OPENER_WINDOW && this.fieldShown() && layout.codeField().contains(p)) {
      this.focusField();
      return HIT_CONTROL;
    }
    this.field.blur();
    return HIT_ELSEWHERE;
  }

  pressWindow(layout, p) {
    if (layout.codeClose().contains(p)) this.close();
    else if (layout.codeField().contains(p)) this.focusField();
  }

  pressOpener(current) {
    if (this.windowOpen()) {
      this.close();
      return;
    }
    this.open = true;
    if (this.focusGranted()) this.field.openWith(codeOf(current));
    else this.field.showUnfocused(codeOf(current));
  }

  focusField() {
    if (this.focusGranted()) this.field.focusAtEnd();
    else this.field.blur();
  }

  focusGranted() {
    return ++this.focusRequests !== this.dropFocusAt;
  }

  close() {
    this.open = false;
    this.field.blur();
  }

  // Keys that reach the focused field; each gives the colour the field applies, or null.
  enter() {
    const colour = colourOfCode(this.field.text);
    if (colour !== null && this.opener === OPENER_BUTTON) this.close();
    return colour;
  }

  type(codePoint) {
    return this.edited(this.field.type(codePoint));
  }

  backspace() {
    return this.edited(this.field.backspace());
  }

  deleteForward() {
    return this.edited(this.field.deleteForward());
  }

  selectAll() {
    this.field.selectAll();
  }

  // The current colour was set elsewhere (the palette): the field shows its code.
  showColour(colour) {
    this.field.showUnfocused(codeOf(colour));
  }

  // The window's field applies its code as it is typed.
  edited(changed) {
    if (!changed || this.opener !== OPENER_WINDOW) return null;
    return colourOfCode(this.field.text);
  }
}

// ---- What the tools paint ----

// The side of the square a tool paints, centred on each point of its line: 1 for the pen.
function stampSide(tool) {
  return tool === PEN ? 1 : 3;
}

// The colour a tool paints with: the eraser paints white.
function toolInk(tool, current) {
  return tool === ERASER ? WHITE : current;
}

// The pixels of a one-pixel line from `from` to `to`, both ends included, in the order a pen goes
// (Bresenham's: each step moves one pixel along the longer axis and at most one along the other).
function linePoints(from, to) {
  const dx = Math.abs(to.x - from.x);
  const dy = -Math.abs(to.y - from.y);
  const stepX = from.x < to.x ? 1 : -1;
  const stepY = from.y < to.y ? 1 : -1;
  const points = [];
  let error = dx + dy;
  let x = from.x;
  let y = from.y;
  for (;;) {
    points.push(point(x, y));
    if (x === to.x && y === to.y) return points;
    const twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

// A square of side `side` (odd) centred on the point.
function stamp(r, p, side, colour) {
  const half = Math.floor(side / 2);
  fillRect(r, new Rect(p.x - half, p.y - half, p.x + half, p.y + half), colour);
}

// The line with a square of side `side` (odd) painted centred on each of its points.
function drawLine(r, from, to, side, colour) {
  for (const p of linePoints(from, to)) stamp(r, p, side, colour);
}

// The tool a character key chooses: p the pen, b the brush, e the eraser, either case; or null.
const TOOL_KEYS = new Map([["p", PEN], ["P", PEN], ["b", BRUSH], ["B", BRUSH], ["e", ERASER], ["E", ERASER]]);

function toolOfKey(codePoint) {
  const tool = TOOL_KEYS.get(String.fromCodePoint(codePoint));
  return tool === undefined ? null : tool;
}

// The line a canvas drag paints, point by point, lagging `lag` pixels behind the pointer along the
// drag as a painter's stabiliser does: it ends that many pixels short of the drag's last point.
class Stroke {
  constructor(lag) {
    this.lag = lag;
    this.last = point(0, 0);
    this.lagging = [];  // pixels of the line not painted yet, oldest first
  }

  // A press at p starts the line: p is painted at once.
  start(p) {
    this.last = p;
    this.lagging = [];
    return [p];
  }

  // The pointer went on to p: the pixels of the line that fall `lag` pixels behind it, in order.
  extend(p) {
    this.lagging.push(...linePoints(this.last, p).slice(1));  // the first is painted already
    this.last = p;
    const reached = this.lagging.length > this.lag ? this.lagging.length - this.lag : 0;
    return this.lagging.splice(0, reached);
  }
}

// ---- The board: canvas, current colour and tool, controls, driven by the left button and keys ----

// What a press took hold of, which decides what a drag does.
const GRIP_NOTHING = "nothing";
const GRIP_CANVAS = "canvas";
const GRIP_SLIDER = "slider";

// Where a press landed, numbered as in the report.
const PLACE_CANVAS = 0;
const PLACE_COLOUR_CONTROL = 1;
const PLACE_TOOL_BUTTON = 2;
const PLACE_PALETTE = 3;
const PLACE_BARE_BOARD = 4;
const PLACE_CODE_WINDOW = 5;

// The named keys; a key that types a character arrives as that character (Board.typed).
const KEY_ENTER = "Enter";
const KEY_BACKSPACE = "Backspace";
const KEY_DELETE = "Delete";
const KEY_SHIFT = "Shift";
const KEY_CONTROL = "Control";
const NAMED_KEYS = [KEY_ENTER, KEY_BACKSPACE, KEY_DELETE, KEY_SHIFT, KEY_CONTROL];

class Board {
  // setup: kind, canvas, busy {every, first}, busyMs, opener, dropFocus, stabiliser, penCursor.
  constructor(setup) {
    this.setup = setup;
    this.layout = new Layout(setup.kind, setup.canvas, setup.opener);
    this.canvas = new Raster(setup.canvas.width, setup.canvas.height, WHITE);
    this.busy = setup.busy;
    this.values = [0, 0, 0];
    this.tool = PEN;
    this.held = false;
    this.grip = GRIP_NOTHING;
    this.gripped = RED;
    this.stroke = new Stroke(setup.stabiliser);
    this.pointer = null;  // where the pointer was last reported over the board
    this.now = 0;
    this.canvasPresses = 0;
    this.lastCanvasPressTaken = null;
    this.droppedByPattern = 0;
    this.droppedByPace = 0;
    this.panel = new CodePanel(setup.opener, setup.dropFocus);
    this.shift = false;
    this.control = false;
    this.keys = { fieldCharacters: 0, fieldEnters: 0, boardKeys: 0, boardErases: 0 };
    this.codesApplied = 0;
    this.presses = [0, 0, 0, 0, 0, 0];  // by PLACES
    this.strays = 0;
    this.strayChanges = 0;
  }

  // The record of presses and keys as the report gives it.
  record() {
    const keys = this.keys;
    return ["tool " + this.tool, "presses " + this.presses.slice(0, PLACE_CODE_WINDOW).join(" "),
            "stray " + this.strays + " " + this.strayChanges,
            "busy " + this.busy.every + " " + this.busy.first + " " + this.droppedByPattern,
            "busy_ms " + this.setup.busyMs + " " + this.droppedByPace,
            "window_presses " + this.presses[PLACE_CODE_WINDOW],
            "keys " + [keys.fieldCharacters, keys.fieldEnters, keys.boardKeys, keys.boardErases].join(" "),
            "codes " + this.codesApplied];
  }

  colour() {
    return rgb(this.values[RED], this.values[GREEN], this.values[BLUE]);
  }

  // Pointer input, at the event's time in ms (null: the time before). A button-down while the
  // button is already held continues the drag to that point.
  buttonDown(p, time) {
    this.pointerAt(p, time);
    if (this.held) {
      this.drag(p);
      return;
    }
    this.held = true;
    this.press(p);
  }

  buttonUp(p, time) {
    this.pointerAt(p, time);
    this.loseHold();
  }

  move(p, time) {
    this.pointerAt(p, time);
    if (this.held) this.drag(p);
  }

  // The drag ends without a release; the next button-down is a fresh press.
  loseHold() {
    this.held = false;
    this.grip = GRIP_NOTHING;
  }

  // The pointer left the board: no pen cursor until it is back.
  leave() {
    this.pointer = null;
  }

  // The clock never goes back, so the board's pace stays well defined whatever the times given.
  pointerAt(p, time) {
    this.pointer = p;
    if (time !== null && time > this.now) this.now = time;
  }

  // Where the pen cursor is drawn: at the pointer over the visible canvas, when the board shows one.
  penCursor() {
    const p = this.pointer;
    if (!this.setup.penCursor || p === null || !this.layout.canvasRect().contains(p)) return null;
    if (this.panel.windowOpen() && this.layout.codeWindow().contains(p)) return null;
    return p;
  }

  press(p) {
    this.grip = GRIP_NOTHING;
    if (this.pressCodePanel(p)) return;
    if (this.layout.canvasRect().contains(p)) {
      this.recordPress(PLACE_CANVAS, false);
      this.pressCanvas(p);
      return;
    }
    const colourBefore = this.colour();
    const toolBefore = this.tool;
    const place = this.pressElsewhere(p);
    this.recordPress(place, this.colour() !== colourBefore || this.tool !== toolBefore);
  }

  // A press on the canvas or a colour control is what mipro means to make, one on the code
  // window is the window's business; any other is stray.
  recordPress(place, changed) {
    ++this.presses[place];
    if (place === PLACE_CANVAS || place === PLACE_COLOUR_CONTROL || place === PLACE_CODE_WINDOW) return;
    ++this.strays;
    if (changed) ++this.strayChanges;
  }

  // ColourCode: a press on the code window, the field or the "#" button; any other press takes
  // the field's focus away and is left to the rest of the board.
  pressCodePanel(p) {
    if (this.layout.kind !== COLOUR_CODE) return false;
    const hit = this.panel.press(this.layout, p, this.colour());
    if (hit === HIT_WINDOW) this.recordPress(PLACE_CODE_WINDOW, false);
    if (hit === HIT_CONTROL) this.recordPress(PLACE_COLOUR_CONTROL, false);
    return hit !== HIT_ELSEWHERE;
  }

  pressElsewhere(p) {
    const kind = this.layout.kind;
    const onControl = kind === OEKAKI_BBS ? this.pressArrow(p) : kind === PAINT_BBS ? this.pressSlider(p) : false;
    if (onControl) return PLACE_COLOUR_CONTROL;
    if (this.pressTool(p)) return PLACE_TOOL_BUTTON;
    if (this.pressSwatch(p)) return PLACE_PALETTE;
    return PLACE_BARE_BOARD;
  }

  // A busy board misses the press altogether, by its pattern or for coming too soon after the
  // last press it took: the drag that follows paints nothing either.
  pressCanvas(p) {
    ++this.canvasPresses;
    const busy = this.busy;
    if (busy.every > 0 && this.canvasPresses <= busy.first && this.canvasPresses % busy.every === 0) {
      ++this.droppedByPattern;
      return;
    }
    if (this.comesTooSoon()) {
      ++this.droppedByPace;
      return;
    }
    this.lastCanvasPressTaken = this.now;
    this.grip = GRIP_CANVAS;
    this.paint(this.stroke.start(p));
  }

  comesTooSoon() {
    const last = this.lastCanvasPressTaken;
    return this.setup.busyMs > 0 && last !== null && this.now - last < this.setup.busyMs;
  }

  drag(p) {
    switch (this.grip) {
      case GRIP_CANVAS:
        this.paint(this.stroke.extend(p));
        break;
      case GRIP_SLIDER:
        this.values[this.gripped] = sliderValueAt(p.x, this.layout.paintControl(this.gripped).zero.x);
        break;
    }
  }

  // The tool's stamp at each point, in canvas pixels; what falls outside the canvas is lost.
  paint(points) {
    for (const p of points)
      stamp(this.canvas, point(p.x - CANVAS_ORIGIN.x, p.y - CANVAS_ORIGIN.y), stampSide(this.tool),
            toolInk(this.tool, this.colour()));
  }

  pressArrow(p) {
    for (const channel of CHANNELS) {
      const arrows = this.layout.oekakiControl(channel).arrows;
      for (const arrow of ARROWS) {
        if (!arrows[arrow].contains(p)) continue;
        this.values[channel] = afterArrowPress(this.values[channel], arrow);
        return true;
      }
    }
    return false;
  }

  // With Shift held a press steps the value by 1 and takes no hold.
  pressSlider(p) {
    for (const channel of CHANNELS) {
      const slider = this.layout.paintControl(channel);
      if (this.shift) {
        if (!slider.shiftZone.contains(p)) continue;
        this.values[channel] = afterShiftPress(this.values[channel], p.x, slider.zero.x);
        return true;
      }
      if (!slider.track.contains(p)) continue;
      this.grip = GRIP_SLIDER;
      this.gripped = channel;
      this.values[channel] = sliderValueAt(p.x, slider.zero.x);
      return true;
    }
    return false;
  }

  pressTool(p) {
    for (const tool of TOOLS) {
      if (!this.layout.toolButton(tool).contains(p)) continue;
      this.tool = tool;
      return true;
    }
    return false;
  }

  pressSwatch(p) {
    for (let i = 0; i < PALETTE.length; ++i) {
      if (!this.layout.swatch(i).contains(p)) continue;
      this.setColour(PALETTE[i]);
      this.panel.showColour(this.colour());
      return true;
    }
    return false;
  }

  // Keys. With the field focused, characters, Enter, Backspace and Delete edit and apply its code
  // and Control+A selects its text; with no field focused, p, b and e choose a tool, Backspace and
  // Delete clear the canvas and any other key does nothing. Shift and Control are recorded.
  keyDown(key) {
    if (key === KEY_SHIFT) this.shift = true;
    else if (key === KEY_CONTROL) this.control = true;
    else if (this.panel.focused()) this.fieldKey(key);
    else this.boardKey(key);
  }

  keyUp(key) {
    if (key === KEY_SHIFT) this.shift = false;
    if (key === KEY_CONTROL) this.control = false;
  }

  typed(codePoint) {
    if (!this.panel.focused()) {
      this.boardCharacter(codePoint);
    } else if (this.control) {
      if (codePoint === 0x61 || codePoint === 0x41) this.panel.selectAll();  // Control+A
    } else {
      ++this.keys.fieldCharacters;
      this.apply(this.panel.type(codePoint));
    }
  }

  fieldKey(key) {
    if (key === KEY_ENTER) {
      ++this.keys.fieldEnters;
      this.apply(this.panel.enter());
    } else if (key === KEY_BACKSPACE) {
      this.apply(this.panel.backspace());
    } else if (key === KEY_DELETE) {
      this.apply(this.panel.deleteForward());
    }
  }

  boardKey(key) {
    ++this.keys.boardKeys;
    if (key !== KEY_BACKSPACE && key !== KEY_DELETE) return;
    ++this.keys.boardErases;
    this.canvas = new Raster(this.canvas.width, this.canvas.height, WHITE);
  }

  // Control with a letter is a shortcut the board does not have.
  boardCharacter(codePoint) {
    ++this.keys.boardKeys;
    if (this.control) return;
    const tool = toolOfKey(codePoint);
    if (tool !== null) this.tool = tool;
  }

  apply(colour) {
    if (colour === null) return;
    this.setColour(colour);
    ++this.codesApplied;
  }

  setColour(colour) {
    this.values = [colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff];
  }
}

// ---- Shapes and lettering; every pixel outside the picture is skipped ----

function fillRect(r, area, colour) {
  for (let y = area.top; y <= area.bottom; ++y)
    for (let x = area.left; x <= area.right; ++x) r.set(x, y, colour);
}

// A one-pixel outline along the edge of the area.
function outlineRect(r, area, colour) {
  fillRect(r, new Rect(area.left, area.top, area.right, area.top), colour);
  fillRect(r, new Rect(area.left, area.bottom, area.right, area.bottom), colour);
  fillRect(r, new Rect(area.left, area.top, area.left, area.bottom), colour);
  fillRect(r, new Rect(area.right, area.top, area.right, area.bottom), colour);
}

// The row fromPoint rows away from the triangle's point: how far it is inset from each side.
function triangleInset(box, fromPoint) {
  const height = box.bottom - box.top;
  const width = box.right - box.left;
  if (height === 0) return 0;
  return Math.floor((height - fromPoint) * width / (2 * height));
}

function fillTriangleRow(r, box, y, fromPoint, colour) {
  const inset = triangleInset(box, fromPoint);
  for (let x = box.left + inset; x <= box.right - inset; ++x) r.set(x, y, colour);
}

// Triangles filling their box: the up one with its point at the top centre, the down one at the bottom.
function fillUpTriangle(r, box, colour) {
  for (let y = box.top; y <= box.bottom; ++y) fillTriangleRow(r, box, y, y - box.top, colour);
}

function fillDownTriangle(r, box, colour) {
  for (let y = box.top; y <= box.bottom; ++y) fillTriangleRow(r, box, y, box.bottom - y, colour);
}

// Copies a whole picture with its top-left pixel at `at`.
function blit(r, picture, at) {
  for (let y = 0; y < picture.height; ++y)
    for (let x = 0; x < picture.width; ++x) r.set(at.x + x, at.y + y, picture.at(x, y));
}

// The channel letters are 9 x 10 pixels; the small text (digits, hex letters and "#") is 5 x 7 and
// set one pixel apart; the eyedropper icon is 7 x 7.
const LETTERS = {
  [RED]: ["#######..", "##....##.", "##.....##", "##....##.", "#######..",
          "##..##...", "##...##..", "##....##.", "##.....##", "##.....##"],
  [GREEN]: ["..#####..", ".##...##.", "##.....##", "##.......", "##.......",
            "##..#####", "##.....##", "##.....##", ".##...###", "..####.##"],
  [BLUE]: ["#######..", "##....##.", "##.....##", "##....##.", "#######..",
           "##....##.", "##.....##", "##.....##", "##....##.", "#######.."],
};

const GLYPH_CHARACTERS = "0123456789abcdefABCDEF#";
const GLYPHS = [
  [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
  ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
  [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
  ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
  ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
  ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
  ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
  ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
  [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
  [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
  [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
  ["#....", "#....", "####.", "#...#", "#...#", "#...#", "####."],
  [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
  ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
  [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
  ["..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."],
  [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
  ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
  [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
  ["###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."],
  ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
  ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
  [".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."],
];
const UNKNOWN_GLYPH = ["#####", "#...#", "#...#", "#...#", "#...#", "#...#", "#####"];
const TEXT_ADVANCE = 6;
const TEXT_HEIGHT = 7;
const EYEDROPPER = ["....###", "....###", "...####", "..#.#..", ".#.#...", "#.#....", "##....."];

function drawBitmap(r, rows, topLeft, ink) {
  for (let y = 0; y < rows.length; ++y)
    for (let x = 0; x < rows[y].length; ++x)
      if (rows[y][x] === "#") r.set(topLeft.x + x, topLeft.y + y, ink);
}

function drawChannelLetter(r, channel, topLeft, ink) {
  drawBitmap(r, LETTERS[channel], topLeft, ink);
}

// Digits, hex letters and "#"; a space leaves a blank of a digit's width, any other character
// shows as a box.
function drawSmallText(r, text, topLeft, ink) {
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === " ") continue;
    const glyph = GLYPH_CHARACTERS.indexOf(text[i]);
    drawBitmap(r, glyph < 0 ? UNKNOWN_GLYPH : GLYPHS[glyph], point(topLeft.x + i * TEXT_ADVANCE, topLeft.y), ink);
  }
}

// ---- The board's picture ----

const PANEL_COLOUR = rgb(228, 228, 236);
const INK_COLOUR = rgb(24, 24, 24);
const TRACK_COLOUR = WHITE;
const BUTTON_COLOUR = rgb(246, 246, 246);
const CHOSEN_TOOL_COLOUR = rgb(255, 214, 120);
const CHANNEL_COLOURS = [rgb(210, 30, 30), rgb(30, 170, 30), rgb(30, 30, 210)];
const VALUE_DIGITS = 3;
// The oekakiBBS bar is filled from its left end; at 0 only the first five columns are.
const BAR_EMPTY_FILL = 5;
// Inside a tool button: a stroke of the tool for the pen and brush, a white block for the eraser.
const STROKE_FROM = point(6, 17);
const STROKE_TO = point(17, 6);
const ERASER_BLOCK = new Rect(6, 8, 17, 15);
const CURSOR_REACH = 2;
// The ColourCode controls: the field's colours, its text's offset inside it and how far the caret
// and the selection reach above and below the text; the "#" marks and the close button's cross.
const FIELD_COLOUR = WHITE;
const FOCUS_COLOUR = rgb(40, 110, 230);
const SELECTION_COLOUR = FOCUS_COLOUR;
const SELECTED_TEXT_COLOUR = WHITE;
const WINDOW_COLOUR = rgb(236, 236, 242);
const FIELD_TEXT_OFFSET = point(4, 4);
const CARET_REACH = 1;
const SELECTION_REACH = 2;
const OPENER_MARK_OFFSET = point(5, 4);
const WINDOW_MARK_OFFSET = point(6, 5);
const CROSS_INSET = 2;
// Below this brightness (0 to 255) the swatch's icon is drawn in white.
const DARK_BELOW = 128;

function paddedValue(value) {
  return String(value).padStart(VALUE_DIGITS, " ");
}

function topLeftOf(area) {
  return point(area.left, area.top);
}

function drawOekakiBar(r, bar, value, fill) {
  const span = bar.right - bar.left + 1 - BAR_EMPTY_FILL;
  const filledTo = bar.left + BAR_EMPTY_FILL - 1 + Math.floor(value * span / MAX_COMPONENT);
  fillRect(r, new Rect(bar.left, bar.top + 1, filledTo, bar.bottom - 1), fill);
  outlineRect(r, bar, INK_COLOUR);
  fillRect(r, new Rect(bar.left, bar.top, bar.left + BAR_EMPTY_FILL - 1, bar.bottom), INK_COLOUR);
}

function drawOekakiControl(r, layout, channel, value) {
  const control = layout.oekakiControl(channel);
  drawChannelLetter(r, channel, topLeftOf(control.letter), CHANNEL_COLOURS[channel]);
  drawOekakiBar(r, control.bar, value, CHANNEL_COLOURS[channel]);
  fillUpTriangle(r, control.arrows[TENS_UP], INK_COLOUR);
  fillUpTriangle(r, control.arrows[ONES_UP], INK_COLOUR);
  fillDownTriangle(r, control.arrows[TENS_DOWN], INK_COLOUR);
  fillDownTriangle(r, control.arrows[ONES_DOWN], INK_COLOUR);
  drawSmallText(r, paddedValue(value), topLeftOf(control.valueText), INK_COLOUR);
}

function drawBracket(r, control) {
  const b = control.bracket;
  fillRect(r, new Rect(b.left, b.top, b.right, b.top), INK_COLOUR);
  for (let y = b.top; y <= b.bottom; ++y) {
    const dotGap = y > control.solidBottom && (y - control.solidBottom) % 2 === 0;
    if (dotGap) continue;
    r.set(b.left, y, INK_COLOUR);
    r.set(b.right, y, INK_COLOUR);
  }
}

function drawPaintControl(r, layout, channel, value) {
  const control = layout.paintControl(channel);
  const track = control.track;
  fillRect(r, track, TRACK_COLOUR);
  const filledTo = control.zero.x + Math.floor(value / UNITS_PER_PIXEL) - 1;
  fillRect(r, new Rect(track.left, track.top, Math.min(filledTo, track.right), track.bottom),
           CHANNEL_COLOURS[channel]);
  drawBracket(r, control);
  drawChannelLetter(r, channel, topLeftOf(control.letter), INK_COLOUR);
  drawSmallText(r, paddedValue(value), topLeftOf(control.valueText), INK_COLOUR);
}

function drawCanvas(r, board) {
  const area = board.layout.canvasRect();
  outlineRect(r, new Rect(area.left - 1, area.top - 1, area.right + 1, area.bottom + 1), BLACK);
  blit(r, board.canvas, topLeftOf(area));
}

// The pen cursor: the outline of a 5 x 5 square centred on the pointer, its pixels black and
// white in turn, drawn on the canvas only.
function drawPenCursor(r, board) {
  const at = board.penCursor();
  if (at === null) return;
  const canvas = board.layout.canvasRect();
  for (let dy = -CURSOR_REACH; dy <= CURSOR_REACH; ++dy) {
    for (let dx = -CURSOR_REACH; dx <= CURSOR_REACH; ++dx) {
      const p = point(at.x + dx, at.y + dy);
      const onOutline = Math.max(Math.abs(dx), Math.abs(dy)) === CURSOR_REACH;
      if (onOutline && canvas.contains(p)) r.set(p.x, p.y, (dx + dy) % 2 === 0 ? BLACK : WHITE);
    }
  }
}

function brightness(colour) {
  return Math.floor(((colour & 0xff) * 299 + ((colour >> 8) & 0xff) * 587 + ((colour >> 16) & 0xff) * 114) / 1000);
}

// The code field: white with an ink outline, or a double focus outline; the selected text
// inverted, else the caret after the text while focused.
function drawField(r, box, field) {
  fillRect(r, box, FIELD_COLOUR);
  outlineRect(r, box, field.focused ? FOCUS_COLOUR : INK_COLOUR);
  if (field.focused) outlineRect(r, new Rect(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1), FOCUS_COLOUR);
  const text = plus(topLeftOf(box), FIELD_TEXT_OFFSET);
  const textEnd = text.x + field.text.length * TEXT_ADVANCE;
  let ink = INK_COLOUR;
  if (field.selected && field.text.length > 0) {
    fillRect(r, new Rect(text.x - 1, text.y - SELECTION_REACH, textEnd - 1, text.y + TEXT_HEIGHT - 1 + SELECTION_REACH),
             SELECTION_COLOUR);
    ink = SELECTED_TEXT_COLOUR;
  }
  drawSmallText(r, field.text, text, ink);
  if (field.focused && !field.selected)
    fillRect(r, new Rect(textEnd, text.y - CARET_REACH, textEnd, text.y + TEXT_HEIGHT - 1 + CARET_REACH), INK_COLOUR);
}

function drawButtonBox(r, box, chosen) {
  fillRect(r, box, chosen ? CHOSEN_TOOL_COLOUR : BUTTON_COLOUR);
  outlineRect(r, box, INK_COLOUR);
}

// The swatch of the current colour with the eyedropper in its middle, white on a dark colour.
function drawColourSwatch(r, layout, current) {
  const swatch = layout.colourSwatch();
  fillRect(r, swatch, current);
  outlineRect(r, swatch, INK_COLOUR);
  drawBitmap(r, EYEDROPPER, topLeftOf(layout.swatchIcon()), brightness(current) < DARK_BELOW ? WHITE : INK_COLOUR);
}

function drawCodePanel(r, board) {
  const layout = board.layout;
  const panel = board.panel;
  if (layout.opener !== OPENER_NONE) {
    const opener = layout.codeOpener();
    drawButtonBox(r, opener, panel.fieldShown());
    drawSmallText(r, CODE_MARK, plus(topLeftOf(opener), OPENER_MARK_OFFSET), INK_COLOUR);
  }
  if (layout.opener !== OPENER_WINDOW && panel.fieldShown()) drawField(r, layout.codeField(), panel.field);
  drawColourSwatch(r, layout, board.colour());
}

function drawCodeWindow(r, board) {
  const layout = board.layout;
  if (!board.panel.windowOpen()) return;
  const window = layout.codeWindow();
  fillRect(r, window, WINDOW_COLOUR);
  outlineRect(r, window, INK_COLOUR);
  drawSmallText(r, CODE_MARK, plus(topLeftOf(window), WINDOW_MARK_OFFSET), INK_COLOUR);
  const close = layout.codeClose();
  drawButtonBox(r, close, false);
  drawLine(r, point(close.left + CROSS_INSET, close.top + CROSS_INSET),
           point(close.right - CROSS_INSET, close.bottom - CROSS_INSET), 1, INK_COLOUR);
  drawLine(r, point(close.left + CROSS_INSET, close.bottom - CROSS_INSET),
           point(close.right - CROSS_INSET, close.top + CROSS_INSET), 1, INK_COLOUR);
  drawField(r, layout.codeField(), board.panel.field);
}

function drawToolButton(r, button, tool, chosen) {
  fillRect(r, button, chosen ? CHOSEN_TOOL_COLOUR : BUTTON_COLOUR);
  outlineRect(r, button, INK_COLOUR);
  const at = topLeftOf(button);
  if (tool === ERASER) {
    const block = ERASER_BLOCK.movedBy(at);
    fillRect(r, block, WHITE);
    outlineRect(r, block, INK_COLOUR);
  } else {
    drawLine(r, plus(STROKE_FROM, at), plus(STROKE_TO, at), stampSide(tool), INK_COLOUR);
  }
}

function drawTools(r, board) {
  for (const tool of TOOLS) drawToolButton(r, board.layout.toolButton(tool), tool, tool === board.tool);
}

function drawPalette(r, layout) {
  for (let i = 0; i < PALETTE.length; ++i) {
    fillRect(r, layout.swatch(i), PALETTE[i]);
    outlineRect(r, layout.swatch(i), INK_COLOUR);
  }
}

function drawBoard(board) {
  const layout = board.layout;
  const r = new Raster(layout.boardSize.width, layout.boardSize.height, PANEL_COLOUR);
  for (const channel of CHANNELS) {
    if (layout.kind === OEKAKI_BBS) drawOekakiControl(r, layout, channel, board.values[channel]);
    if (layout.kind === PAINT_BBS) drawPaintControl(r, layout, channel, board.values[channel]);
  }
  if (layout.kind === COLOUR_CODE) drawCodePanel(r, board);
  drawCanvas(r, board);
  drawPenCursor(r, board);
  drawTools(r, board);
  drawPalette(r, layout);
  drawCodeWindow(r, board);
  return r;
}

// ---- The query parameters ----

const DEFAULT_CANVAS = { width: 300, height: 300 };
const DEFAULT_POSITION = point(0, 0);
const NEVER_BUSY = { every: 0, first: 0 };
const INT_MIN = -2147483648;
const INT_MAX = 2147483647;
const WHOLE_NUMBER = /^-?[0-9]+$/;

// A whole number that fits an int, or null.
function wholeNumber(text) {
  if (!WHOLE_NUMBER.test(text)) return null;
  const value = Number(text);
  return value >= INT_MIN && value <= INT_MAX ? value : null;
}

// "AxB" or "A,B" split at the first separator into two whole numbers, or null.
function numberPair(text, separator) {
  if (text === null) return null;
  const at = text.indexOf(separator);
  if (at < 0) return null;
  const a = wholeNumber(text.slice(0, at));
  const b = wholeNumber(text.slice(at + 1));
  return a === null || b === null ? null : point(a, b);
}

function kindFrom(text) {
  return KINDS.includes(text) ? text : OEKAKI_BBS;
}

function openerFrom(text) {
  return OPENERS.includes(text) ? text : OPENER_NONE;
}

// A whole number at least 0, else 0.
function notNegative(text) {
  const value = text === null ? null : wholeNumber(text);
  return value !== null && value >= 0 ? value : 0;
}

// "1" or "0"; otherwise on for ColourCode only.
function penCursorFrom(text, kind) {
  if (text === "1" || text === "0") return text === "1";
  return kind === COLOUR_CODE;
}

function canvasSizeFrom(text) {
  const size = numberPair(text, "x");
  const fits = (side) => side >= 1 && side <= MAX_CANVAS_SIDE;
  if (!size || !fits(size.x) || !fits(size.y)) return DEFAULT_CANVAS;
  return { width: size.x, height: size.y };
}

// "N,K" with N at least 1 and K at least 0; never busy otherwise.
function busyFrom(text) {
  const pattern = numberPair(text, ",");
  if (!pattern || pattern.x < 1 || pattern.y < 0) return NEVER_BUSY;
  return { every: pattern.x, first: pattern.y };
}

function readOptions(query) {
  const params = new URLSearchParams(query);
  const kind = kindFrom(params.get("board"));
  return {
    setup: {
      kind: kind,
      canvas: canvasSizeFrom(params.get("canvas")),
      busy: busyFrom(params.get("busy")),
      busyMs: notNegative(params.get("busyms")),
      opener: openerFrom(params.get("opener")),
      dropFocus: notNegative(params.get("dropfocus")),
      stabiliser: notNegative(params.get("stabiliser")),
      penCursor: penCursorFrom(params.get("cursor"), kind),
    },
    position: numberPair(params.get("pos"), ",") || DEFAULT_POSITION,
  };
}

function boardTitle(kind) {
  return "練習ボード - " + kind;
}

const RECORD_SEPARATOR = " | ";
// The record goes into the title at most this often: a title changed at every press has the
// browser redraw its window's title as often, a load on the machine that no painter gives it.
const RECORD_INTERVAL_MS = 100;

// ---- The page: shows the board and hands it the left button's, the pointer's and the keys' input ----

const LEFT_BUTTON = 0;        // MouseEvent.button

class BoardPage {
  constructor(element, options) {
    this.element = element;
    this.title = boardTitle(options.setup.kind);
    this.board = new Board(options.setup);
    this.redrawPending = false;
    this.recordShownAt = -Infinity;
    this.recordTimer = null;
    const size = this.board.layout.boardSize;
    element.width = size.width;
    element.height = size.height;
    element.style.width = size.width + "px";
    element.style.height = size.height + "px";
    element.style.left = options.position.x + "px";
    element.style.top = options.position.y + "px";
    this.context = element.getContext("2d");
    this.listen();
    this.showRecord();
    this.draw();
  }

  listen() {
    const element = this.element;
    // The capture sends every later event of the pointer to the board, wherever it goes, so a drag
    // goes on outside it and each point is measured from the board's corner.
    element.addEventListener("pointerdown", (e) => {
      if (e.button === LEFT_BUTTON) element.setPointerCapture(e.pointerId);
    });
    // Every button-down, also a further one while the button is held (injected input can send
    // several without a release), which the board takes as a drag to that point.
    element.addEventListener("mousedown", (e) => {
      e.preventDefault();
      if (e.button === LEFT_BUTTON) this.change(() => this.board.buttonDown(pointOf(e), timeOf(e)));
    });
    element.addEventListener("mouseup", (e) => {
      if (e.button === LEFT_BUTTON) this.change(() => this.board.buttonUp(pointOf(e), timeOf(e)));
    });
    // Every move, with the button held or not: a move with the button held is a drag to that point
    // (also a button-down that arrives as one), and any move tells where the pen cursor is. The
    // browser may merge several moves into one event; each of the points is handed on.
    element.addEventListener("pointermove", (e) => {
      const moves = e.getCoalescedEvents ? e.getCoalescedEvents() : [];
      this.change(() => {
        for (const m of moves.length > 0 ? moves : [e]) this.board.move(pointOf(m), timeOf(m));
      });
    });
    element.addEventListener("pointerleave", () => this.change(() => this.board.leave()));
    element.addEventListener("lostpointercapture", () => this.board.loseHold());
    // The named keys go down and up; a key that types a character is handed on as that character.
    // The browser itself does nothing with the keys the board takes, but for shortcuts other than
    // Control+A.
    document.addEventListener("keydown", (e) => {
      if (NAMED_KEYS.includes(e.key)) {
        if (e.key !== KEY_SHIFT && e.key !== KEY_CONTROL) e.preventDefault();
        this.change(() => this.board.keyDown(e.key));
        return;
      }
      const codePoint = typedCharacter(e);
      if (codePoint === null) return;
      if (!e.ctrlKey || codePoint === 0x61 || codePoint === 0x41) e.preventDefault();
      this.change(() => this.board.typed(codePoint));
    });
    document.addEventListener("keyup", (e) => {
      if (e.key === KEY_SHIFT || e.key === KEY_CONTROL) this.change(() => this.board.keyUp(e.key));
    });
    element.addEventListener("dragstart", (e) => e.preventDefault());
    document.addEventListener("contextmenu", (e) => e.preventDefault());
    document.addEventListener("selectstart", (e) => e.preventDefault());
  }

  // Applies a change to the board and shows the board as it is then at the next frame.
  change(apply) {
    apply();
    this.showRecordSoon();
    if (this.redrawPending) return;
    this.redrawPending = true;
    requestAnimationFrame(() => {
      this.redrawPending = false;
      this.draw();
    });
  }

  // The record at once when it was last shown long enough ago, else when that time is up; a
  // page left alone shows the whole record within RECORD_INTERVAL_MS of the last change.
  showRecordSoon() {
    if (this.recordTimer !== null) return;
    const wait = this.recordShownAt + RECORD_INTERVAL_MS - performance.now();
    if (wait <= 0) {
      this.showRecord();
      return;
    }
    this.recordTimer = setTimeout(() => {
      this.recordTimer = null;
      this.showRecord();
    }, wait);
  }

  showRecord() {
    const title = [this.title, ...this.board.record()].join(RECORD_SEPARATOR);
    if (document.title === title) return;
    document.title = title;
    this.recordShownAt = performance.now();
  }

  // Only the part that changed since the last frame is put on the page, as a painter repaints
  // just where the pen went.
  draw() {
    const picture = drawBoard(this.board);
    if (!this.image || this.image.width !== picture.width || this.image.height !== picture.height) {
      this.image = this.context.createImageData(picture.width, picture.height);
      this.shown = new Int32Array(picture.pixels.length).fill(-1);
    }
    const changed = { left: picture.width, top: picture.height, right: 0, bottom: 0 };
    for (let i = 0; i < picture.pixels.length; ++i) {
      const colour = picture.pixels[i];
      if (colour === this.shown[i]) continue;
      this.shown[i] = colour;
      this.image.data[4 * i] = colour & 0xff;
      this.image.data[4 * i + 1] = (colour >> 8) & 0xff;
      this.image.data[4 * i + 2] = (colour >> 16) & 0xff;
      this.image.data[4 * i + 3] = 0xff;
      const x = i % picture.width;
      const y = (i - x) / picture.width;
      changed.left = Math.min(changed.left, x);
      changed.top = Math.min(changed.top, y);
      changed.right = Math.max(changed.right, x + 1);
      changed.bottom = Math.max(changed.bottom, y + 1);
    }
    if (changed.right <= changed.left) return;
    this.context.putImageData(this.image, 0, 0, changed.left, changed.top,
                              changed.right - changed.left, changed.bottom - changed.top);
  }
}

// The event's point in board pixels: the board fills its element, one pixel per CSS pixel.
function pointOf(e) {
  return point(Math.floor(e.offsetX), Math.floor(e.offsetY));
}

// The event's time in whole milliseconds.
function timeOf(e) {
  return Math.floor(e.timeStamp);
}

// The character a key types, as a code point, or null: a key of one character, not with Alt or
// Meta (the browser's), and with Control only a letter (a shortcut).
function typedCharacter(e) {
  const characters = [...e.key];
  if (characters.length !== 1 || e.altKey || e.metaKey || e.isComposing) return null;
  if (e.ctrlKey && !/^[a-zA-Z]$/.test(e.key)) return null;
  return characters[0].codePointAt(0);
}

function start() {
  const options = readOptions(window.location.search);
  new BoardPage(document.getElementById("board"), options);
}

start();
