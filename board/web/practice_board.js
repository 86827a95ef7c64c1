// The practice board as a web page: the same board as the C++ model in board/ (layout, controls,
// picture), drawn pixel for pixel into the page's <canvas> and driven by the left mouse button.
//
// Query parameters, each falling back to its default when missing or not understood:
//   board=oekakiBBS|PaintBBS   the board kind (oekakiBBS)
//   canvas=WxH                 the canvas size, each side 1 to 2000 (300x300)
//   pos=X,Y                    where the board's top-left pixel lies in the page, in CSS pixels (0,0)
//   busy=N,K                   a busy board: every N-th of the first K canvas presses is missed (never)
//
// The page's title is the board's title followed by its record of presses, in the lines of the
// report practice-board.exe writes (board/report.h) joined by " | ":
//   練習ボード - oekakiBBS | tool T | presses C K T P B | stray N M | busy N K D
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
  constructor(kind, canvasSize) {
    this.kind = kind;
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
  // zero point sets 5.
  paintControl(channel) {
    const at = this.guideCorner(channel);
    return {
      bracket: PAINT_BRACKET.movedBy(at),
      solidBottom: PAINT_BRACKET_SOLID_BOTTOM + at.y,
      letter: PAINT_LETTER.movedBy(at),
      track: PAINT_TRACK.movedBy(at),
      zero: plus(PAINT_SLIDER_ZERO, at),
      valueText: PAINT_VALUE.movedBy(at),
    };
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

// The line with a square of side `side` (odd) painted centred on each of its points.
function drawLine(r, from, to, side, colour) {
  const half = Math.floor(side / 2);
  for (const p of linePoints(from, to)) fillRect(r, new Rect(p.x - half, p.y - half, p.x + half, p.y + half), colour);
}

// ---- The board: canvas, current colour and tool, controls, driven by the left button ----

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

class Board {
  constructor(kind, canvasSize, busy) {
    this.layout = new Layout(kind, canvasSize);
    this.canvas = new Raster(canvasSize.width, canvasSize.height, WHITE);
    this.busy = busy;
    this.values = [0, 0, 0];
    this.tool = PEN;
    this.held = false;
    this.grip = GRIP_NOTHING;
    this.gripped = RED;
    this.penAt = point(0, 0);  // where the line a canvas drag paints goes on from
    this.canvasPresses = 0;
    this.dropped = 0;
    this.presses = [0, 0, 0, 0, 0];  // by PLACES
    this.strays = 0;
    this.strayChanges = 0;
  }

  // The record of presses as the report gives it.
  record() {
    return ["tool " + this.tool, "presses " + this.presses.join(" "), "stray " + this.strays + " " + this.strayChanges,
            "busy " + this.busy.every + " " + this.busy.first + " " + this.dropped];
  }

  colour() {
    return rgb(this.values[RED], this.values[GREEN], this.values[BLUE]);
  }

  // A button-down while the button is already held continues the drag to that point.
  buttonDown(p) {
    if (this.held) {
      this.drag(p);
      return;
    }
    this.held = true;
    this.press(p);
  }

  buttonUp() {
    this.loseHold();
  }

  move(p) {
    if (this.held) this.drag(p);
  }

  // The drag ends without a release; the next button-down is a fresh press.
  loseHold() {
    this.held = false;
    this.grip = GRIP_NOTHING;
  }

  press(p) {
    this.grip = GRIP_NOTHING;
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

  // A press on the canvas or a colour control is what mipro means to make; any other is stray.
  recordPress(place, changed) {
    ++this.presses[place];
    if (place === PLACE_CANVAS || place === PLACE_COLOUR_CONTROL) return;
    ++this.strays;
    if (changed) ++this.strayChanges;
  }

  pressElsewhere(p) {
    if (this.layout.kind === OEKAKI_BBS ? this.pressArrow(p) : this.pressSlider(p)) return PLACE_COLOUR_CONTROL;
    if (this.pressTool(p)) return PLACE_TOOL_BUTTON;
    if (this.pressSwatch(p)) return PLACE_PALETTE;
    return PLACE_BARE_BOARD;
  }

  // A busy board misses the press altogether: the drag that follows paints nothing either.
  pressCanvas(p) {
    ++this.canvasPresses;
    const busy = this.busy;
    if (busy.every > 0 && this.canvasPresses <= busy.first && this.canvasPresses % busy.every === 0) {
      ++this.dropped;
      return;
    }
    this.grip = GRIP_CANVAS;
    this.penAt = p;
    this.paintTo(p);
  }

  drag(p) {
    switch (this.grip) {
      case GRIP_CANVAS:
        this.paintTo(p);
        break;
      case GRIP_SLIDER:
        this.values[this.gripped] = sliderValueAt(p.x, this.layout.paintControl(this.gripped).zero.x);
        break;
    }
  }

  // The line from where the pen is to p, in canvas pixels; what falls outside the canvas is lost.
  paintTo(p) {
    const from = point(this.penAt.x - CANVAS_ORIGIN.x, this.penAt.y - CANVAS_ORIGIN.y);
    const to = point(p.x - CANVAS_ORIGIN.x, p.y - CANVAS_ORIGIN.y);
    drawLine(this.canvas, from, to, stampSide(this.tool), toolInk(this.tool, this.colour()));
    this.penAt = p;
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

  pressSlider(p) {
    for (const channel of CHANNELS) {
      const slider = this.layout.paintControl(channel);
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
      const colour = PALETTE[i];
      this.values = [colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff];
      return true;
    }
    return false;
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

// The channel letters are 9 x 10 pixels, the digits 5 x 7 and set one pixel apart.
const LETTERS = {
  [RED]: ["#######..", "##....##.", "##.....##", "##....##.", "#######..",
          "##..##...", "##...##..", "##....##.", "##.....##", "##.....##"],
  [GREEN]: ["..#####..", ".##...##.", "##.....##", "##.......", "##.......",
            "##..#####", "##.....##", "##.....##", ".##...###", "..####.##"],
  [BLUE]: ["#######..", "##....##.", "##.....##", "##....##.", "#######..",
           "##....##.", "##.....##", "##.....##", "##....##.", "#######.."],
};

const DIGITS = [
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
];
const DIGIT_CHARACTERS = "0123456789";
const DIGIT_ADVANCE = 6;

function drawBitmap(r, rows, topLeft, ink) {
  for (let y = 0; y < rows.length; ++y)
    for (let x = 0; x < rows[y].length; ++x)
      if (rows[y][x] === "#") r.set(topLeft.x + x, topLeft.y + y, ink);
}

function drawChannelLetter(r, channel, topLeft, ink) {
  drawBitmap(r, LETTERS[channel], topLeft, ink);
}

// Digits only; any other character leaves a blank of a digit's width.
function drawDigits(r, text, topLeft, ink) {
  for (let i = 0; i < text.length; ++i) {
    const digit = DIGIT_CHARACTERS.indexOf(text[i]);
    if (digit < 0) continue;
    drawBitmap(r, DIGITS[digit], point(topLeft.x + i * DIGIT_ADVANCE, topLeft.y), ink);
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
  drawDigits(r, paddedValue(value), topLeftOf(control.valueText), INK_COLOUR);
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
  drawDigits(r, paddedValue(value), topLeftOf(control.valueText), INK_COLOUR);
}

function drawCanvas(r, board) {
  const area = board.layout.canvasRect();
  outlineRect(r, new Rect(area.left - 1, area.top - 1, area.right + 1, area.bottom + 1), BLACK);
  blit(r, board.canvas, topLeftOf(area));
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
    else drawPaintControl(r, layout, channel, board.values[channel]);
  }
  drawCanvas(r, board);
  drawTools(r, board);
  drawPalette(r, layout);
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
  return text === PAINT_BBS ? PAINT_BBS : OEKAKI_BBS;
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
  return {
    kind: kindFrom(params.get("board")),
    canvas: canvasSizeFrom(params.get("canvas")),
    position: numberPair(params.get("pos"), ",") || DEFAULT_POSITION,
    busy: busyFrom(params.get("busy")),
  };
}

function boardTitle(kind) {
  return "練習ボード - " + kind;
}

const RECORD_SEPARATOR = " | ";

// ---- The page: shows the board and hands it the left button's input ----

const LEFT_BUTTON = 0;        // MouseEvent.button
const LEFT_BUTTON_HELD = 1;   // its bit in MouseEvent.buttons

class BoardPage {
  constructor(element, options) {
    this.element = element;
    this.title = boardTitle(options.kind);
    this.board = new Board(options.kind, options.canvas, options.busy);
    this.redrawPending = false;
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
      if (e.button === LEFT_BUTTON) this.change(() => this.board.buttonDown(pointOf(e)));
    });
    element.addEventListener("mouseup", (e) => {
      if (e.button === LEFT_BUTTON) this.change(() => this.board.buttonUp());
    });
    // A button-down that arrives as a move with the button held is a drag to that point too. The
    // browser may merge several moves into one event; each of the points is handed on.
    element.addEventListener("pointermove", (e) => {
      if ((e.buttons & LEFT_BUTTON_HELD) === 0) return;
      const moves = e.getCoalescedEvents ? e.getCoalescedEvents() : [];
      this.change(() => {
        for (const m of moves.length > 0 ? moves : [e]) this.board.move(pointOf(m));
      });
    });
    element.addEventListener("lostpointercapture", () => this.board.loseHold());
    element.addEventListener("dragstart", (e) => e.preventDefault());
    document.addEventListener("contextmenu", (e) => e.preventDefault());
    document.addEventListener("selectstart", (e) => e.preventDefault());
  }

  // Applies a change to the board and shows the board as it is then at the next frame.
  change(apply) {
    apply();
    this.showRecord();
    if (this.redrawPending) return;
    this.redrawPending = true;
    requestAnimationFrame(() => {
      this.redrawPending = false;
      this.draw();
    });
  }

  showRecord() {
    const title = [this.title, ...this.board.record()].join(RECORD_SEPARATOR);
    if (document.title !== title) document.title = title;
  }

  draw() {
    const picture = drawBoard(this.board);
    const image = this.context.createImageData(picture.width, picture.height);
    for (let i = 0; i < picture.pixels.length; ++i) {
      const colour = picture.pixels[i];
      image.data[4 * i] = colour & 0xff;
      image.data[4 * i + 1] = (colour >> 8) & 0xff;
      image.data[4 * i + 2] = (colour >> 16) & 0xff;
      image.data[4 * i + 3] = 0xff;
    }
    this.context.putImageData(image, 0, 0);
  }
}

// The event's point in board pixels: the board fills its element, one pixel per CSS pixel.
function pointOf(e) {
  return point(Math.floor(e.offsetX), Math.floor(e.offsetY));
}

function start() {
  const options = readOptions(window.location.search);
  new BoardPage(document.getElementById("board"), options);
}

start();
