/* Vantora web runtime: plays a published demo in a canvas. The page's movie.js assigns the
 * movie's data (timelines, characters, actions, sounds) to window.VANTORA_MOVIE; this script
 * steps its timelines as a movie player does and paints each frame. Plain JavaScript with no
 * framework and no build step, so that the page plays from the disk as well as from a server.
 * The timeline model at the top uses no DOM and is what the node tests load. */
(function (global) {
  'use strict';

  // ---------------------------------------------------------------- timeline model (no DOM)

  var STATE_UP = 1, STATE_OVER = 2, STATE_DOWN = 4, STATE_HIT = 8;
  // Button event conditions, as the movie's button records carry them.
  var IDLE_TO_OVER_UP = 1, OVER_UP_TO_IDLE = 2, OVER_UP_TO_OVER_DOWN = 4, OVER_DOWN_TO_OVER_UP = 8,
    OVER_DOWN_TO_OUT_DOWN = 16, OUT_DOWN_TO_OVER_DOWN = 32, OUT_DOWN_TO_IDLE = 64;
  // Bounds that keep a hostile movie from hanging the page: sprite nesting, script steps, scripts
  // run per tick and display commands a tick's jumps may replay.
  var MAX_NESTING = 32, MAX_STEPS = 100000, MAX_QUEUED = 10000, MAX_REPLAYED = 1 << 20, MAX_STACK = 1000;
  var IDENTITY = [1, 0, 0, 1, 0, 0];

  function sortedDepths(list) {
    return Array.from(list.keys()).sort(function (a, b) { return a - b; });
  }

  // The running state of one timeline (the movie's or a sprite's): playhead and display list.
  function Clip(timeline, host, serial, nesting) {
    this.timeline = timeline;
    this.host = host;
    this.serial = serial;
    this.nesting = nesting;
    this.current = -1;
    this.playing = true;
    this.createdThisTick = true;
    this.applied = 0;
    this.list = new Map(); // depth -> display object
  }

  Clip.prototype.total = function () { return this.timeline.frames.length; };

  Clip.prototype.frameOfLabel = function (label) {
    var frames = this.timeline.frames;
    for (var i = 0; i < frames.length; i++) if (frames[i].label === label) return i;
    return -1;
  };

  // Shows `frame` (clamped), running its actions and sounds; going back rebuilds the list from
  // the first frame while objects that stay keep their state.
  Clip.prototype.gotoFrame = function (frame) {
    var total = this.total();
    if (!total) return;
    frame = Math.max(0, Math.min(frame, total - 1));
    if (frame === this.current) return;
    var previous = new Map(), from = this.current + 1;
    if (frame < this.current) {
      previous = this.list;
      this.list = new Map();
      from = 0;
    }
    for (var f = from; f <= frame; f++) this.apply(this.timeline.frames[f]);
    this.materialize(previous);
    this.current = frame;
    var def = this.timeline.frames[frame], self = this;
    (def.a || []).forEach(function (code) { self.host.queueActions(self, code); });
    (def.s || []).forEach(function (sound) { self.host.startSound(sound); });
  };

  // The next frame; after the last one the timeline starts again (one frame stays).
  Clip.prototype.advance = function () {
    var total = this.total();
    if (total > 1) this.gotoFrame(this.current + 1 >= total ? 0 : this.current + 1);
  };

  Clip.prototype.apply = function (frame) {
    var commands = frame.c || [];
    this.applied += commands.length;
    for (var i = 0; i < commands.length; i++) {
      var c = commands[i];
      if (c.remove) this.list.delete(c.depth);
      else this.place(c);
    }
  };

  Clip.prototype.place = function (c) {
    var o = this.list.get(c.depth);
    if (!c.move || !o) {
      if (c.id === undefined) return; // nothing to modify at that depth
      o = { serial: this.host.newSerial(), id: c.id, m: IDENTITY, cx: null, clipDepth: 0, clip: null, state: STATE_UP };
      this.list.set(c.depth, o);
    } else if (c.id !== undefined && c.id !== o.id) {
      o.id = c.id;
      o.clip = null;
      o.serial = this.host.newSerial();
    }
    if (c.m) o.m = c.m;
    if (c.cx) o.cx = c.cx;
    if (c.clipDepth) o.clipDepth = c.clipDepth;
  };

  // Sprites get their running clip (the old one when the same sprite stayed at that depth);
  // buttons that stay keep their state, so a pressed button does not pop up on a rebuild.
  Clip.prototype.materialize = function (previous) {
    var depths = sortedDepths(this.list);
    for (var i = 0; i < depths.length; i++) {
      var o = this.list.get(depths[i]), old = previous.get(depths[i]);
      var character = this.host.characters[o.id];
      var same = old && old.id === o.id;
      if (character && character.kind === 'sprite' && !o.clip) {
        if (same && old.clip) {
          o.clip = old.clip;
          o.serial = old.serial;
          o.state = old.state;
        } else if (this.nesting + 1 <= MAX_NESTING) {
          o.clip = new Clip(character.timeline, this.host, o.serial, this.nesting + 1);
          o.clip.gotoFrame(0);
        }
      } else if (character && character.kind === 'button' && same) {
        o.serial = old.serial;
        o.state = old.state;
      }
    }
  };

  function readString(code, at, end) {
    var stop = at;
    while (stop < end && code[stop] !== 0) stop++;
    var text = decodeUtf8(code.slice(at, stop));
    return { text: text, next: Math.min(stop + 1, end) };
  }

  function decodeUtf8(bytes) {
    return new TextDecoder('utf-8').decode(new Uint8Array(bytes));
  }

  function readPush(code, at, end, stack) {
    var view = new DataView(new Uint8Array(code.slice(at, end)).buffer), p = 0, length = end - at;
    while (p < length) {
      var type = view.getUint8(p++);
      var value;
      if (type === 0) {
        var s = readString(code, at + p, end);
        value = s.text;
        p = s.next - at;
      } else if (type === 1 && p + 4 <= length) { value = view.getFloat32(p, true); p += 4; }
      else if (type === 2 || type === 3) value = undefined;
      else if (type === 4 && p < length) { value = undefined; p += 1; }
      else if (type === 5 && p < length) { value = view.getUint8(p) !== 0; p += 1; }
      else if (type === 6 && p + 8 <= length) {
        // Doubles are stored as two little-endian halves, high half first.
        var swapped = new DataView(new ArrayBuffer(8));
        swapped.setUint32(0, view.getUint32(p + 4, true), true);
        swapped.setUint32(4, view.getUint32(p, true), true);
        value = swapped.getFloat64(0, true);
        p += 8;
      } else if (type === 7 && p + 4 <= length) { value = view.getInt32(p, true); p += 4; }
      else return;
      if (stack.length < MAX_STACK) stack.push(value);
    }
  }

  function gotoTarget(target, clip, host) {
    if (typeof target === 'string') {
      var frame = clip.frameOfLabel(target);
      if (frame >= 0) host.gotoFrame(clip, frame);
      else if (/^[0-9]/.test(target)) host.gotoFrame(clip, parseInt(target, 10) - 1);
      return;
    }
    var n = Number(target);
    if (isFinite(n)) host.gotoFrame(clip, Math.trunc(Math.max(-1, Math.min(n, 1e6))) - 1);
  }

  // Runs the action records `code` against `clip`: timeline control, GetURL and the pushes and
  // jumps such scripts compile to. Every run ends within MAX_STEPS steps.
  function runActions(code, clip, host) {
    var pc = 0, steps = 0, stack = [];
    while (pc < code.length && steps < MAX_STEPS) {
      steps++;
      var op = code[pc++];
      if (op === 0) break;
      var body = pc, end = pc;
      if (op >= 0x80) {
        if (pc + 2 > code.length) break;
        var length = code[pc] | code[pc + 1] << 8;
        body = pc + 2;
        end = body + length;
        if (end > code.length) break;
        pc = end;
      }
      switch (op) {
        case 0x04: host.gotoFrame(clip, clip.current + 1); host.stop(clip); break;
        case 0x05: host.gotoFrame(clip, clip.current - 1); host.stop(clip); break;
        case 0x06: host.play(clip); break;
        case 0x07: host.stop(clip); break;
        case 0x09: host.stopSounds(); break;
        case 0x17: stack.pop(); break;
        case 0x81: if (end - body >= 2) host.gotoFrame(clip, code[body] | code[body + 1] << 8); break;
        case 0x83: {
          var url = readString(code, body, end);
          host.getUrl(url.text, readString(code, url.next, end).text);
          break;
        }
        case 0x8c: {
          var labelled = clip.frameOfLabel(readString(code, body, end).text);
          if (labelled >= 0) host.gotoFrame(clip, labelled);
          break;
        }
        case 0x96: readPush(code, body, end, stack); break;
        case 0x99:
        case 0x9d: {
          if (end - body < 2) return steps;
          var offset = (code[body] | code[body + 1] << 8) << 16 >> 16;
          if (op === 0x9d && !stack.pop()) break;
          var to = pc + offset;
          if (to < 0 || to > code.length) return steps;
          pc = to;
          break;
        }
        case 0x9a: {
          var target = String(stack.pop());
          host.getUrl(String(stack.pop()), target);
          break;
        }
        case 0x9f: {
          if (end - body < 1) break;
          var flags = code[body];
          var bias = (flags & 2) && end - body >= 3 ? code[body + 1] | code[body + 2] << 8 : 0;
          var value = stack.pop();
          if (bias && typeof value === 'number') value += bias;
          gotoTarget(value, clip, host);
          if (flags & 1) host.play(clip);
          else host.stop(clip);
          break;
        }
        default: break; // actions our movies never carry do nothing
      }
    }
    return steps;
  }

  // Plays one movie: ticks, jumps and the mouse. `hooks` receive what reaches the outside:
  // sound(start), stopSounds(), url(address, target); `hitTest(button, x, y)` says whether a
  // button's hit area holds a point in its own twips.
  function Player(movie, hooks) {
    this.movie = movie;
    this.characters = movie.characters;
    this.hooks = hooks || {};
    this.serial = 0;
    this.queue = [];
    this.replayBudget = MAX_REPLAYED;
    this.hover = null;
    this.pressed = null;
    this.mouse = { x: -1e9, y: -1e9 };
    this.root = new Clip(movie.root, this, this.newSerial(), 0);
    this.root.gotoFrame(0);
    this.runQueue();
  }

  Player.prototype.newSerial = function () { return ++this.serial; };
  Player.prototype.queueActions = function (clip, code) { this.queue.push({ serial: clip.serial, code: code }); };
  Player.prototype.startSound = function (start) { if (this.hooks.sound) this.hooks.sound(start); };
  Player.prototype.play = function (clip) { clip.playing = true; };
  Player.prototype.stop = function (clip) { clip.playing = false; };
  Player.prototype.stopSounds = function () { if (this.hooks.stopSounds) this.hooks.stopSounds(); };
  Player.prototype.getUrl = function (url, target) { if (this.hooks.url) this.hooks.url(url, target); };

  Player.prototype.gotoFrame = function (clip, frame) {
    if (this.replayBudget <= 0) return;
    var before = clip.applied;
    clip.gotoFrame(frame);
    this.replayBudget -= Math.min(clip.applied - before, this.replayBudget);
  };

  // Shows `frame` of the movie and pauses there.
  Player.prototype.seek = function (frame) {
    this.root.gotoFrame(frame);
    this.root.playing = false;
    this.runQueue();
    this.root.playing = false;
    this.updateHover();
  };

  // One frame of the movie's time: the playing timelines advance, then the actions run.
  Player.prototype.tick = function () {
    (function markOld(clip) {
      clip.createdThisTick = false;
      clip.list.forEach(function (o) { if (o.clip) markOld(o.clip); });
    })(this.root);
    if (this.root.playing) this.root.advance();
    this.advanceChildren(this.root);
    this.runQueue();
    this.updateHover();
  };

  Player.prototype.advanceChildren = function (clip) {
    var depths = sortedDepths(clip.list);
    for (var i = 0; i < depths.length; i++) {
      var o = clip.list.get(depths[i]);
      if (!o || !o.clip || o.clip.createdThisTick) continue;
      if (o.clip.playing) o.clip.advance();
      this.advanceChildren(o.clip);
    }
  };

  Player.prototype.runQueue = function () {
    this.replayBudget = MAX_REPLAYED;
    var budget = MAX_QUEUED;
    while (this.queue.length && budget-- > 0) {
      var next = this.queue.shift();
      var clip = this.findClip(next.serial);
      if (clip) runActions(next.code, clip, this);
    }
    this.queue = [];
  };

  // Calls `visit(object, parentClip)` for every object on stage, depth-first in depth order;
  // stops when it returns true.
  Player.prototype.walk = function (visit) {
    return (function walkClip(clip) {
      var depths = sortedDepths(clip.list);
      for (var i = 0; i < depths.length; i++) {
        var o = clip.list.get(depths[i]);
        if (visit(o, clip)) return true;
        if (o.clip && walkClip(o.clip)) return true;
      }
      return false;
    })(this.root);
  };

  Player.prototype.findClip = function (serial) {
    if (this.root.serial === serial) return this.root;
    var found = null;
    this.walk(function (o) { if (o.serial === serial && o.clip) { found = o.clip; return true; } return false; });
    return found;
  };

  Player.prototype.findObject = function (serial) {
    var found = null;
    this.walk(function (o, parent) {
      if (o.serial === serial) { found = { object: o, parent: parent }; return true; }
      return false;
    });
    return found;
  };

  // The topmost button under the stage point (pixels), as { object, parent }.
  Player.prototype.buttonAt = function (x, y) {
    var characters = this.characters, hitTest = this.hooks.hitTest, stage = this.movie.stage;
    var point = [x * 20 + stage[0], y * 20 + stage[1]];
    function search(clip, m) {
      var depths = sortedDepths(clip.list);
      for (var i = depths.length - 1; i >= 0; i--) {
        var o = clip.list.get(depths[i]);
        var local = multiply(o.m, m);
        if (o.clip) {
          var inner = search(o.clip, local);
          if (inner) return inner;
          continue;
        }
        var character = characters[o.id];
        if (!character || character.kind !== 'button' || !hitTest) continue;
        var inside = invertPoint(local, point[0], point[1]);
        if (inside && hitTest(character, inside[0], inside[1])) return { object: o, parent: clip };
      }
      return null;
    }
    return search(this.root, IDENTITY);
  };

  Player.prototype.buttonEvent = function (hit, condition, soundIndex, state) {
    var found = this.findObject(hit.object.serial);
    if (!found) return;
    var button = this.characters[found.object.id];
    if (!button || button.kind !== 'button') return;
    found.object.state = state;
    var sound = soundIndex >= 0 && button.sounds ? button.sounds[soundIndex] : null;
    if (sound) this.startSound(sound);
    var self = this;
    button.actions.forEach(function (a) {
      if (a.conditions & condition) self.queue.push({ serial: found.parent.serial, code: a.code });
    });
    this.runQueue();
  };

  function sameObject(a, b) { return !!a && !!b && a.object.serial === b.object.serial; }

  Player.prototype.updateHover = function () {
    var now = this.buttonAt(this.mouse.x, this.mouse.y);
    if (this.pressed) {
      // While pressed only the pressed button reacts: out of it and back in.
      var inside = sameObject(now, this.pressed), wasInside = sameObject(this.hover, this.pressed);
      if (inside && !wasInside) this.buttonEvent(this.pressed, OUT_DOWN_TO_OVER_DOWN, -1, STATE_DOWN);
      else if (!inside && wasInside) this.buttonEvent(this.pressed, OVER_DOWN_TO_OUT_DOWN, -1, STATE_OVER);
      this.hover = inside ? this.pressed : null;
      return;
    }
    if (sameObject(now, this.hover)) return;
    if (this.hover) this.buttonEvent(this.hover, OVER_UP_TO_IDLE, 0, STATE_UP);
    this.hover = now;
    if (this.hover) this.buttonEvent(this.hover, IDLE_TO_OVER_UP, 1, STATE_OVER);
  };

  Player.prototype.mouseMove = function (x, y) {
    this.mouse = { x: x, y: y };
    this.updateHover();
  };

  Player.prototype.mousePress = function (x, y) {
    this.mouseMove(x, y);
    if (!this.hover) return;
    this.pressed = this.hover;
    this.buttonEvent(this.pressed, OVER_UP_TO_OVER_DOWN, 2, STATE_DOWN);
  };

  Player.prototype.mouseRelease = function (x, y) {
    this.mouse = { x: x, y: y };
    if (!this.pressed) { this.updateHover(); return; }
    var pressed = this.pressed;
    this.pressed = null;
    if (sameObject(this.buttonAt(x, y), pressed)) {
      this.hover = pressed;
      this.buttonEvent(pressed, OVER_DOWN_TO_OVER_UP, 3, STATE_OVER);
    } else {
      this.hover = null;
      this.buttonEvent(pressed, OUT_DOWN_TO_IDLE, -1, STATE_UP);
    }
    this.updateHover();
  };

  Player.prototype.click = function (x, y) {
    this.mousePress(x, y);
    this.mouseRelease(x, y);
  };

  // a, b, c, d, tx, ty: x' = a x + c y + tx, y' = b x + d y + ty. `inner` applied first.
  function multiply(inner, outer) {
    return [
      inner[0] * outer[0] + inner[1] * outer[2], inner[0] * outer[1] + inner[1] * outer[3],
      inner[2] * outer[0] + inner[3] * outer[2], inner[2] * outer[1] + inner[3] * outer[3],
      inner[4] * outer[0] + inner[5] * outer[2] + outer[4], inner[4] * outer[1] + inner[5] * outer[3] + outer[5]
    ];
  }

  function invertPoint(m, x, y) {
    var det = m[0] * m[3] - m[1] * m[2];
    if (!det) return null;
    var dx = x - m[4], dy = y - m[5];
    return [(m[3] * dx - m[2] * dy) / det, (m[0] * dy - m[1] * dx) / det];
  }

  // An inner colour transform followed by its parent's.
  function thenTransform(inner, outer) {
    if (!inner) return outer;
    if (!outer) return inner;
    return [inner[0] * outer[0], inner[1] * outer[1], inner[2] * outer[2], inner[3] * outer[3],
      inner[4] * outer[0] + outer[4], inner[5] * outer[1] + outer[5], inner[6] * outer[2] + outer[6],
      inner[7] * outer[3] + outer[7]];
  }

  function applyColor(cx, c) {
    function channel(v) { return Math.max(0, Math.min(255, Math.trunc(v))); }
    if (!cx) return c;
    return [channel(c[0] * cx[0] + cx[4]), channel(c[1] * cx[1] + cx[5]), channel(c[2] * cx[2] + cx[6]),
      channel(c[3] * cx[3] + cx[7])];
  }

  // Only addresses of the web and of mail open from a page; the rest ("javascript:", "file:",
  // "data:") are ignored.
  function isOpenableAddress(url) {
    return /^(https?:\/\/|mailto:)/i.test(String(url).trim());
  }

  // The frames where scenes start, from the page's data, and which scene holds `frame`.
  function sceneOf(scenes, frame) {
    var index = 0;
    for (var i = 0; i < scenes.length; i++) if (scenes[i] <= frame) index = i;
    return index;
  }

  // "#frame=N&click=X:Y@M&scene=K" as { frame, clicks, scene }; missing parts are null/empty.
  function parseAddress(hash) {
    var out = { frame: null, clicks: [], scene: null };
    String(hash || '').replace(/^#/, '').split('&').forEach(function (part) {
      var eq = part.indexOf('='), key = part.slice(0, eq), value = decodeURIComponent(part.slice(eq + 1));
      if (eq < 0) return;
      if (key === 'frame' && /^\d{1,7}$/.test(value)) out.frame = Number(value);
      if (key === 'scene' && /^\d{1,5}$/.test(value)) out.scene = Number(value);
      var click = /^(-?\d{1,6}):(-?\d{1,6})@(\d{1,7})$/.exec(value);
      if (key === 'click' && click) out.clicks.push({ x: Number(click[1]), y: Number(click[2]), after: Number(click[3]) });
    });
    return out;
  }

  // Plays from the start with one tick per frame and the clicks made after their frames, as the
  // frame export of our player does; stop points hold.
  function playToFrame(player, frame, clicks) {
    for (var tick = 0; tick <= frame; tick++) {
      if (tick > 0) player.tick();
      if (tick === frame) break;
      clicks.forEach(function (c) { if (c.after === tick) player.click(c.x + 0.5, c.y + 0.5); });
    }
  }

  // Breaks `text` into lines at line ends and, when wrapping, at the last space before `width`.
  function breakLines(text, wrap, width, advance) {
    var lines = [], line = '', lineWidth = 0, lastSpace = -1;
    for (var i = 0; i < text.length; i++) {
      var c = text[i];
      if (c === '\r' || c === '\n') {
        if (c === '\r' && text[i + 1] === '\n') i++;
        lines.push(line); line = ''; lineWidth = 0; lastSpace = -1;
        continue;
      }
      var w = advance(c);
      if (wrap && line && lineWidth + w > width && c !== ' ') {
        if (lastSpace >= 0) { var rest = line.slice(lastSpace + 1); lines.push(line.slice(0, lastSpace)); line = rest; }
        else { lines.push(line); line = ''; }
        lineWidth = 0;
        for (var k = 0; k < line.length; k++) lineWidth += advance(line[k]);
        lastSpace = -1;
      }
      if (c === ' ') lastSpace = line.length;
      line += c;
      lineWidth += w;
    }
    lines.push(line);
    return lines;
  }

  var model = {
    Clip: Clip, Player: Player, runActions: runActions, multiply: multiply, invertPoint: invertPoint,
    thenTransform: thenTransform, applyColor: applyColor, isOpenableAddress: isOpenableAddress,
    parseAddress: parseAddress, playToFrame: playToFrame, sceneOf: sceneOf, breakLines: breakLines
  };
  if (typeof module !== 'undefined' && module.exports) module.exports = model;
  if (typeof document === 'undefined' || !global.VANTORA_MOVIE) return;

  // ---------------------------------------------------------------- painting

  function css(c) { return 'rgba(' + c[0] + ',' + c[1] + ',' + c[2] + ',' + (c[3] / 255) + ')'; }

  function Painter(movie, images) {
    this.movie = movie;
    this.images = images; // bitmap id -> HTMLImageElement
    this.paths = new Map();
    this.tinted = new Map();
    this.probe = document.createElement('canvas').getContext('2d');
  }

  Painter.prototype.path = function (key, text) {
    var p = this.paths.get(key);
    if (!p) { p = new Path2D(text); this.paths.set(key, p); }
    return p;
  };

  Painter.prototype.character = function (id) { return this.movie.characters[id]; };

  Painter.prototype.paint = function (ctx, player, base) {
    var bg = this.movie.background;
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = css([bg[0], bg[1], bg[2], 255]);
    ctx.fillRect(0, 0, ctx.canvas.width, ctx.canvas.height);
    this.paintClip(ctx, player.root, base, null);
  };

  Painter.prototype.paintClip = function (ctx, clip, m, cx) {
    if (clip.nesting > 64) return;
    var depths = sortedDepths(clip.list);
    for (var i = 0; i < depths.length; i++) {
      var o = clip.list.get(depths[i]);
      if (!o.clipDepth) { this.paintObject(ctx, o, m, cx); continue; }
      // A clip layer: the objects up to its clip depth show only inside its shapes.
      ctx.save();
      var mask = this.character(o.id);
      var local = multiply(o.m, m);
      ctx.setTransform(local[0], local[1], local[2], local[3], local[4], local[5]);
      var area = new Path2D();
      if (mask && mask.kind === 'shape')
        mask.layers.forEach(function (layer, k) { if (!layer.line) area.addPath(this.path(o.id + ':' + k, layer.path)); }, this);
      ctx.clip(area, 'nonzero');
      var j = i + 1;
      for (; j < depths.length && depths[j] <= o.clipDepth; j++) this.paintObject(ctx, clip.list.get(depths[j]), m, cx);
      ctx.restore();
      i = j - 1;
    }
  };

  Painter.prototype.paintObject = function (ctx, o, m, cx) {
    var local = multiply(o.m, m), colors = thenTransform(o.cx, cx);
    if (o.clip) { this.paintClip(ctx, o.clip, local, colors); return; }
    this.paintCharacter(ctx, o.id, local, colors, o.state);
  };

  Painter.prototype.paintCharacter = function (ctx, id, m, cx, state) {
    var c = this.character(id);
    if (!c) return;
    ctx.setTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
    if (c.kind === 'shape') this.paintShape(ctx, id, c, m, cx);
    else if (c.kind === 'text') this.paintText(ctx, id, c, m, cx);
    else if (c.kind === 'field') this.paintField(ctx, c, m, cx);
    else if (c.kind === 'button') this.paintButton(ctx, c, m, cx, state);
  };

  function scaleOf(m) { return Math.sqrt(Math.abs(m[0] * m[3] - m[1] * m[2])); }

  Painter.prototype.paintShape = function (ctx, id, shape, m, cx) {
    var scale = scaleOf(m);
    for (var k = 0; k < shape.layers.length; k++) {
      var layer = shape.layers[k], path = this.path(id + ':' + k, layer.path);
      if (layer.line !== undefined) {
        ctx.strokeStyle = css(applyColor(cx, layer.color));
        ctx.lineWidth = layer.line * scale < 1 ? 1 / (scale || 1) : layer.line;
        ctx.lineCap = 'round';
        ctx.lineJoin = 'round';
        ctx.stroke(path);
        continue;
      }
      var fill = layer.fill;
      if (fill.color) {
        ctx.fillStyle = css(applyColor(cx, fill.color));
        ctx.fill(path, 'nonzero');
      } else if (fill.gradient) {
        this.fillGradient(ctx, path, fill, cx);
      } else if (fill.bitmap !== undefined) {
        this.fillBitmap(ctx, path, fill, m, cx);
      }
    }
  };

  Painter.prototype.fillGradient = function (ctx, path, fill, cx) {
    var g = fill.gradient === 'linear' ? ctx.createLinearGradient(-16384, 0, 16384, 0)
      : ctx.createRadialGradient(0, 0, 0, 0, 0, 16384);
    fill.stops.forEach(function (s) { g.addColorStop(Math.max(0, Math.min(1, s[0])), css(applyColor(cx, s[1]))); });
    ctx.save();
    ctx.clip(path, 'nonzero');
    var f = fill.m;
    ctx.transform(f[0], f[1], f[2], f[3], f[4], f[5]);
    ctx.fillStyle = g;
    ctx.fillRect(-1e6, -1e6, 2e6, 2e6);
    ctx.restore();
  };

  // The picture as the colour transform leaves it. Pictures loaded from files may not be read
  // back, so the transform is made with compositing: multiply by the factors, then add.
  Painter.prototype.tint = function (id, cx) {
    var image = this.images[id];
    if (!image || !image.complete || !image.naturalWidth) return null; // still loading
    if (!cx || (cx[0] === 1 && cx[1] === 1 && cx[2] === 1 && !cx[4] && !cx[5] && !cx[6] && !cx[7]))
      return image;
    var key = id + ':' + cx.join(',');
    var done = this.tinted.get(key);
    if (done) return done;
    if (this.tinted.size > 64) this.tinted.clear();
    var canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    var c = canvas.getContext('2d');
    c.drawImage(image, 0, 0);
    function level(v) { return Math.max(0, Math.min(255, Math.round(v))); }
    c.globalCompositeOperation = 'multiply';
    c.fillStyle = 'rgb(' + level(cx[0] * 255) + ',' + level(cx[1] * 255) + ',' + level(cx[2] * 255) + ')';
    c.fillRect(0, 0, canvas.width, canvas.height);
    if (cx[4] > 0 || cx[5] > 0 || cx[6] > 0) {
      c.globalCompositeOperation = 'lighter';
      c.fillStyle = 'rgb(' + level(cx[4]) + ',' + level(cx[5]) + ',' + level(cx[6]) + ')';
      c.fillRect(0, 0, canvas.width, canvas.height);
    }
    c.globalCompositeOperation = 'destination-in';
    c.drawImage(image, 0, 0);
    this.tinted.set(key, canvas);
    return canvas;
  };

  function nearlyPixelAligned(m) {
    return Math.abs(m[1]) < 1e-9 && Math.abs(m[2]) < 1e-9 && Math.abs(m[0] - 1) < 0.01 && Math.abs(m[3] - 1) < 0.01;
  }

  Painter.prototype.fillBitmap = function (ctx, path, fill, m, cx) {
    var source = this.tint(fill.bitmap, cx);
    if (!source) return;
    var pattern = ctx.createPattern(source, fill.repeat ? 'repeat' : 'no-repeat');
    if (!pattern) return;
    var f = fill.m;
    pattern.setTransform(new DOMMatrix([f[0], f[1], f[2], f[3], f[4], f[5]]));
    // Older movies show a bitmap's pixels as they are; so does a bitmap drawn at its own size.
    var device = multiply(f, m), ratio = this.deviceScale || 1;
    var scaled = [device[0] / ratio, device[1] / ratio, device[2] / ratio, device[3] / ratio];
    ctx.imageSmoothingEnabled = fill.smooth && this.movie.version >= 8 && !nearlyPixelAligned(scaled);
    ctx.globalAlpha = cx ? Math.max(0, Math.min(1, cx[3] + cx[7] / 255)) : 1;
    ctx.fillStyle = pattern;
    ctx.fill(path, 'nonzero');
    ctx.globalAlpha = 1;
    ctx.imageSmoothingEnabled = true;
  };

  Painter.prototype.glyphs = function (fontId, index) {
    var font = this.character(fontId);
    if (!font || font.kind !== 'font' || index >= font.glyphs.length) return null;
    return this.path('g' + fontId + ':' + index, font.glyphs[index]);
  };

  Painter.prototype.paintText = function (ctx, id, text, m, cx) {
    var t = text.m;
    ctx.transform(t[0], t[1], t[2], t[3], t[4], t[5]);
    for (var r = 0; r < text.runs.length; r++) {
      var run = text.runs[r], scale = run.height / 1024, x = run.x, all = new Path2D();
      for (var g = 0; g < run.glyphs.length; g += 2) {
        var glyph = this.glyphs(run.font, run.glyphs[g]);
        if (glyph) all.addPath(glyph, new DOMMatrix([scale, 0, 0, scale, x, run.y]));
        x += run.glyphs[g + 1];
      }
      ctx.fillStyle = css(applyColor(cx, run.color));
      ctx.fill(all, 'nonzero');
    }
  };


  Painter.prototype.paintField = function (ctx, field, m, cx) {
    var b = field.bounds, gutter = 2;
    var box = { x: b[0] / 20, y: b[1] / 20, w: (b[2] - b[0]) / 20, h: (b[3] - b[1]) / 20 };
    var left = box.x + gutter + field.leftMargin / 20, width = box.w - 2 * gutter - (field.leftMargin + field.rightMargin) / 20;
    ctx.save();
    ctx.transform(20, 0, 0, 20, 0, 0);
    ctx.beginPath();
    ctx.rect(box.x, box.y, box.w, box.h);
    ctx.clip();
    if (field.border) {
      ctx.fillStyle = '#fff';
      ctx.fillRect(box.x, box.y, box.w, box.h);
      ctx.strokeStyle = '#000';
      ctx.lineWidth = 1 / (scaleOf(m) * 20 || 1);
      ctx.strokeRect(box.x, box.y, box.w, box.h);
    }
    ctx.fillStyle = css(applyColor(cx, field.color));
    var size = field.fontHeight / 20, font = this.character(field.font), self = this;
    var glyphs = field.outlines && font && font.kind === 'font' && font.glyphs.length;
    var ascent, descent, advance;
    if (glyphs) {
      var scale = size / 1024;
      var glyphOf = function (c) { return font.codes.indexOf(c.charCodeAt(0)); };
      advance = function (c) { var g = glyphOf(c); return g >= 0 && g < font.advances.length ? font.advances[g] * scale : size * 0.5; };
      ascent = font.ascent > 0 ? font.ascent * scale : size * 0.9;
      descent = font.descent > 0 ? font.descent * scale : size * 0.2;
    } else {
      ctx.font = (field.italic ? 'italic ' : '') + (field.bold ? 'bold ' : '') + Math.max(1, Math.round(size)) + 'px ' +
        JSON.stringify(field.face || 'Times New Roman') + ', sans-serif';
      var metrics = ctx.measureText('Hg');
      ascent = metrics.fontBoundingBoxAscent || size * 0.9;
      descent = metrics.fontBoundingBoxDescent || size * 0.2;
      advance = function (c) { return ctx.measureText(c).width; };
    }
    var baseline = box.y + gutter + ascent;
    breakLines(field.text, field.wrap, width, advance).forEach(function (line) {
      var lineWidth = 0;
      for (var i = 0; i < line.length; i++) lineWidth += advance(line[i]);
      var x = field.align === 1 ? left + width - lineWidth : field.align === 2 ? left + (width - lineWidth) / 2 : left;
      if (glyphs) {
        for (var k = 0; k < line.length; k++) {
          var g = font.codes.indexOf(line.charCodeAt(k));
          if (g >= 0) {
            ctx.save();
            ctx.transform(size / 1024, 0, 0, size / 1024, x, baseline);
            ctx.fill(self.glyphs(field.font, g), 'nonzero');
            ctx.restore();
          }
          x += advance(line[k]);
        }
      } else {
        ctx.fillText(line, x, baseline);
      }
      baseline += ascent + descent + field.leading / 20;
    });
    ctx.restore();
  };

  Painter.prototype.paintButton = function (ctx, button, m, cx, state) {
    var records = button.records.filter(function (r) { return r.states & state; });
    records.sort(function (a, b) { return a.depth - b.depth; });
    for (var i = 0; i < records.length; i++) {
      var r = records[i], c = this.character(r.id);
      if (!c || c.kind === 'button') continue; // a button inside a button is not drawn
      this.paintCharacter(ctx, r.id, multiply(r.m, m), thenTransform(r.cx, cx), STATE_UP);
    }
  };

  // Whether the hit shapes of `button` hold (x, y), in the button's twips.
  Painter.prototype.hitTest = function (button, x, y) {
    for (var i = 0; i < button.records.length; i++) {
      var r = button.records[i];
      if (!(r.states & STATE_HIT)) continue;
      var inside = invertPoint(r.m, x, y), c = this.character(r.id);
      if (!inside || !c) continue;
      if (c.kind === 'shape') {
        for (var k = 0; k < c.layers.length; k++)
          if (!c.layers[k].line && this.probe.isPointInPath(this.path(r.id + ':' + k, c.layers[k].path), inside[0], inside[1], 'nonzero'))
            return true;
      } else if (c.kind === 'text' || c.kind === 'field') {
        var b = c.bounds;
        if (inside[0] >= b[0] && inside[0] <= b[2] && inside[1] >= b[1] && inside[1] <= b[3]) return true;
      }
    }
    return false;
  };

  // ---------------------------------------------------------------- the page

  var movie = global.VANTORA_MOVIE;
  var container = document.getElementById('vantora') || document.body;
  var address = parseAddress(global.location.hash);
  var still = address.frame !== null; // a frame address shows one frame, paused, stage alone
  var showControls = !still && container.getAttribute('data-controls') !== 'off';
  var scenes = movie.scenes || [0];

  var style = document.createElement('style');
  style.textContent =
    '.vt-stage{position:absolute;left:0;top:0;touch-action:none;display:block}' +
    '.vt-keys{position:absolute;left:0;top:0;pointer-events:none}' +
    '.vt-keys button{position:absolute;opacity:0;pointer-events:none;border:0;padding:0}' +
    '.vt-keys button:focus{opacity:1;background:transparent;outline:3px solid #1a73e8}' +
    '.vt-live{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}' +
    '.vt-bar{position:absolute;left:0;right:0;bottom:0;height:40px;display:flex;align-items:center;gap:6px;' +
    'padding:0 8px;background:#222;color:#fff;font:14px sans-serif;box-sizing:border-box}' +
    '.vt-bar button{background:#444;color:#fff;border:0;border-radius:4px;min-width:40px;height:30px;font:inherit}' +
    '.vt-bar input{flex:1}' +
    '.vt-tap{position:absolute;inset:0;display:flex;align-items:center;justify-content:center;background:rgba(0,0,0,.6);' +
    'color:#fff;font:bold 28px sans-serif;border:0;width:100%;cursor:pointer}';
  document.head.appendChild(style);

  var canvas = document.createElement('canvas');
  canvas.className = 'vt-stage';
  canvas.setAttribute('role', 'img');
  canvas.setAttribute('aria-label', document.title || 'Demo');
  var keys = document.createElement('div');
  keys.className = 'vt-keys';
  var live = document.createElement('div');
  live.className = 'vt-live';
  live.setAttribute('aria-live', 'polite');
  container.style.position = 'relative';
  container.style.width = '100%';
  container.style.height = '100%';
  container.appendChild(canvas);
  container.appendChild(keys);
  container.appendChild(live);

  var images = {}, painter = new Painter(movie, images);
  var view = { scale: 1, ratio: 1, left: 0, top: 0 };

  // ---- sound: one audio element per started sound; the stream follows the main timeline.
  var audio = { allowed: true, playing: new Map(), stream: null, expected: -1 };
  function soundFile(id) { var c = movie.characters[id]; return c && c.kind === 'sound' ? c.file : null; }
  function startSound(start) {
    if (still || !audio.allowed) return;
    var file = soundFile(start.id);
    if (start.stop) { stopSound(start.id); return; }
    if (!file || (start.noMultiple && audio.playing.has(start.id))) return;
    var element = new Audio(file), loops = Math.max(1, start.loops || 1);
    element.currentTime = start.in / 44100;
    element.addEventListener('timeupdate', function () {
      if (start.out && element.currentTime >= start.out / 44100) element.dispatchEvent(new Event('ended'));
    });
    element.addEventListener('ended', function () {
      if (--loops > 0) { element.currentTime = start.in / 44100; element.play().catch(function () {}); return; }
      element.pause();
      var list = audio.playing.get(start.id) || [];
      list.splice(list.indexOf(element), 1);
      if (!list.length) audio.playing.delete(start.id);
    });
    var list = audio.playing.get(start.id) || [];
    list.push(element);
    audio.playing.set(start.id, list);
    element.play().catch(function () {});
  }
  function stopSound(id) {
    (audio.playing.get(id) || []).forEach(function (e) { e.pause(); });
    audio.playing.delete(id);
  }
  function stopAllSounds() {
    audio.playing.forEach(function (list) { list.forEach(function (e) { e.pause(); }); });
    audio.playing.clear();
    if (audio.stream) audio.stream.pause();
    audio.expected = -1;
  }
  // A stream that plays on from the frame before keeps going; a jump restarts it there.
  function updateStream() {
    var stream = movie.root.stream;
    if (!stream || still || !audio.allowed) return;
    if (!audio.stream) audio.stream = new Audio(stream.file);
    var frame = player.root.current;
    if (!player.root.playing || paused) {
      audio.stream.pause();
      audio.expected = -1;
      return;
    }
    if (frame === audio.expected && !audio.stream.paused) { audio.expected = frame + 1; return; }
    audio.stream.currentTime = stream.starts[frame] || 0;
    audio.stream.play().catch(function () {});
    audio.expected = frame + 1;
  }

  function openAddress(url) {
    if (!isOpenableAddress(url)) return;
    var opened = global.open(String(url).trim(), '_blank', 'noopener');
    if (opened) opened.opener = null;
  }

  var player = new Player(movie, {
    sound: startSound, stopSounds: stopAllSounds, url: still ? null : openAddress,
    hitTest: function (button, x, y) { return painter.hitTest(button, x, y); }
  });

  // ---- what screen readers hear: each text once it has stayed on stage a moment (so that text
  // that types itself is read when typed, not letter by letter), set as text, never as markup.
  var SETTLE_MS = 400;
  var onStage = new Map(); // text -> { since, spoken }
  function spokenOf(id) {
    var c = movie.characters[id];
    if (!c) return '';
    if (c.kind === 'text') return c.spoken;
    if (c.kind === 'field') return c.text;
    return '';
  }
  // The demo's texts whose objects are on stage in the current frame (balloons and notes are
  // pictures in the movie, so their texts come with the page's data).
  function captionsOnStage() {
    var frame = player.root.current;
    return (movie.captions || []).filter(function (c) { return frame >= c[0] && frame < c[1]; })
      .map(function (c) { return { text: String(c[2]).trim(), x: c[3] * 20 + movie.stage[0], y: c[4] * 20 + movie.stage[1] }; })
      .filter(function (c) { return c.text; });
  }
  function announce() {
    var now = performance.now(), present = new Set();
    player.walk(function (o) {
      var text = spokenOf(o.id).trim();
      if (text) present.add(text);
      return false;
    });
    captionsOnStage().forEach(function (c) { present.add(c.text); });
    onStage.forEach(function (state, text) { if (!present.has(text)) onStage.delete(text); });
    present.forEach(function (text) {
      var state = onStage.get(text);
      if (!state) onStage.set(text, state = { since: now, spoken: false });
      if (state.spoken || now - state.since < SETTLE_MS) return;
      state.spoken = true;
      var line = document.createElement('p');
      line.textContent = text;
      live.appendChild(line);
    });
    while (live.childNodes.length > 20) live.removeChild(live.firstChild);
  }

  // ---- keyboard: one focusable element over each button on the stage.
  var keyButtons = new Map();
  function boundsOf(id, m) {
    var c = movie.characters[id], xs = [], ys = [];
    if (!c || c.kind !== 'button') return null;
    c.records.forEach(function (r) {
      var inner = movie.characters[r.id];
      var b = inner && (inner.bounds || (inner.kind === 'shape' ? shapeBounds(r.id, inner) : null));
      if (!b) return;
      var local = multiply(r.m, m);
      [[b[0], b[1]], [b[2], b[1]], [b[0], b[3]], [b[2], b[3]]].forEach(function (p) {
        xs.push(p[0] * local[0] + p[1] * local[2] + local[4]);
        ys.push(p[0] * local[1] + p[1] * local[3] + local[5]);
      });
    });
    if (!xs.length) return null;
    return [Math.min.apply(null, xs), Math.min.apply(null, ys), Math.max.apply(null, xs), Math.max.apply(null, ys)];
  }
  var shapeBoundsCache = new Map();
  function shapeBounds(id, shape) {
    if (shapeBoundsCache.has(id)) return shapeBoundsCache.get(id);
    var numbers = shape.layers.map(function (l) { return l.path; }).join(' ').match(/-?[\d.]+/g) || [];
    var b = null;
    for (var i = 0; i + 1 < numbers.length; i += 2) {
      var x = Number(numbers[i]), y = Number(numbers[i + 1]);
      b = b ? [Math.min(b[0], x), Math.min(b[1], y), Math.max(b[2], x), Math.max(b[3], y)] : [x, y, x, y];
    }
    shapeBoundsCache.set(id, b);
    return b;
  }
  // A button's name: its own texts, else the texts drawn over it.
  function labelOf(button, bounds, texts) {
    var words = [];
    function add(t) { if (t && words.indexOf(t) < 0) words.push(t); }
    button.records.forEach(function (r) { add(spokenOf(r.id)); });
    texts.forEach(function (t) {
      if (t.x >= bounds[0] && t.x <= bounds[2] && t.y >= bounds[1] && t.y <= bounds[3]) add(t.text);
    });
    return words.join(' ') || 'Button';
  }
  // The texts on stage with their centres in twips.
  function textCentres() {
    var out = [];
    (function walk(clip, m) {
      sortedDepths(clip.list).forEach(function (depth) {
        var o = clip.list.get(depth), local = multiply(o.m, m);
        if (o.clip) { walk(o.clip, local); return; }
        var c = movie.characters[o.id], text = spokenOf(o.id).trim();
        if (!text || !c.bounds) return;
        var b = c.bounds, t = c.m ? multiply(c.m, local) : local, x = (b[0] + b[2]) / 2, y = (b[1] + b[3]) / 2;
        out.push({ text: text, x: x * t[0] + y * t[2] + t[4], y: x * t[1] + y * t[3] + t[5] });
      });
    })(player.root, IDENTITY);
    return out.concat(captionsOnStage());
  }
  function updateKeys() {
    var seen = new Set(), stage = movie.stage, texts = null;
    (function walk(clip, m) {
      sortedDepths(clip.list).forEach(function (depth) {
        var o = clip.list.get(depth), local = multiply(o.m, m);
        if (o.clip) { walk(o.clip, local); return; }
        var c = movie.characters[o.id];
        if (!c || c.kind !== 'button') return;
        var b = boundsOf(o.id, local);
        if (!b) return;
        seen.add(o.serial);
        var element = keyButtons.get(o.serial);
        if (!element) {
          element = document.createElement('button');
          element.type = 'button';
          element.textContent = labelOf(c, b, texts || (texts = textCentres()));
          element.addEventListener('click', function () {
            var centre = element.dataset.centre.split(',').map(Number);
            player.click(centre[0], centre[1]);
            afterInput();
          });
          keyButtons.set(o.serial, element);
          keys.appendChild(element);
        }
        var x0 = (b[0] - stage[0]) / 20, y0 = (b[1] - stage[1]) / 20, x1 = (b[2] - stage[0]) / 20, y1 = (b[3] - stage[1]) / 20;
        element.dataset.centre = (x0 + x1) / 2 + ',' + (y0 + y1) / 2;
        element.style.left = x0 * view.scale + 'px';
        element.style.top = y0 * view.scale + 'px';
        element.style.width = (x1 - x0) * view.scale + 'px';
        element.style.height = (y1 - y0) * view.scale + 'px';
      });
    })(player.root, IDENTITY);
    keyButtons.forEach(function (element, serial) {
      if (!seen.has(serial)) { element.remove(); keyButtons.delete(serial); }
    });
  }

  // ---- layout: the stage keeps its shape, fills the window and draws at the device's pixels.
  var bar = null, progress = null, playButton = null;
  function layout() {
    var barHeight = showControls ? 40 : 0;
    var width = global.innerWidth, height = Math.max(1, global.innerHeight - barHeight);
    view.scale = Math.min(width / movie.width, height / movie.height);
    if (still && width === movie.width && height === movie.height) view.scale = 1;
    view.ratio = global.devicePixelRatio || 1;
    var cssWidth = movie.width * view.scale, cssHeight = movie.height * view.scale;
    view.left = Math.floor((width - cssWidth) / 2);
    view.top = Math.floor((height - cssHeight) / 2);
    canvas.style.left = keys.style.left = view.left + 'px';
    canvas.style.top = keys.style.top = view.top + 'px';
    canvas.style.width = cssWidth + 'px';
    canvas.style.height = cssHeight + 'px';
    canvas.width = Math.max(1, Math.round(cssWidth * view.ratio));
    canvas.height = Math.max(1, Math.round(cssHeight * view.ratio));
    draw();
    updateKeys();
  }

  function draw() {
    var s = canvas.width / (movie.stage[2] - movie.stage[0]);
    painter.deviceScale = canvas.width / movie.width;
    painter.paint(canvas.getContext('2d'), player, [s, 0, 0, canvas.height / (movie.stage[3] - movie.stage[1]),
      -movie.stage[0] * s, -movie.stage[1] * canvas.height / (movie.stage[3] - movie.stage[1])]);
  }

  function stagePoint(event) {
    var r = canvas.getBoundingClientRect();
    return [(event.clientX - r.left) / (r.width / movie.width), (event.clientY - r.top) / (r.height / movie.height)];
  }

  function afterInput() {
    draw();
    announce();
    updateKeys();
    updateBar();
    canvas.style.cursor = player.hover ? 'pointer' : 'default';
  }

  // ---- the control bar
  var paused = false;
  function goToScene(index) {
    index = Math.max(0, Math.min(index, scenes.length - 1));
    player.root.gotoFrame(scenes[index]);
    player.runQueue();
    player.root.playing = true;
    paused = false;
    audio.expected = -1;
    afterInput();
  }
  function updateBar() {
    if (!bar) return;
    progress.value = String(player.root.current);
    playButton.textContent = paused ? '\u25B6' : '\u275A\u275A';
    playButton.setAttribute('aria-label', paused ? 'Play' : 'Pause');
  }
  function addBar() {
    bar = document.createElement('div');
    bar.className = 'vt-bar';
    function control(text, label, action) {
      var b = document.createElement('button');
      b.type = 'button';
      b.textContent = text;
      b.setAttribute('aria-label', label);
      b.addEventListener('click', action);
      bar.appendChild(b);
      return b;
    }
    control('|\u25C0', 'Previous scene', function () { goToScene(sceneOf(scenes, player.root.current) - 1); });
    playButton = control('', 'Pause', function () {
      paused = !paused;
      if (!paused) player.root.playing = true;
      updateStream();
      updateBar();
    });
    control('\u25B6|', 'Next scene', function () { goToScene(sceneOf(scenes, player.root.current) + 1); });
    progress = document.createElement('input');
    progress.type = 'range';
    progress.min = '0';
    progress.max = String(Math.max(0, player.root.total() - 1));
    progress.setAttribute('aria-label', 'Progress');
    progress.addEventListener('input', function () {
      player.root.gotoFrame(Number(progress.value));
      player.runQueue();
      audio.expected = -1;
      afterInput();
    });
    bar.appendChild(progress);
    container.appendChild(bar);
    updateBar();
  }

  // ---- starting
  // The pictures the current frame shows: the first frame waits for these only.
  function picturesShown() {
    var ids = new Set();
    function visit(id, depth) {
      var c = movie.characters[id];
      if (!c || depth > 8) return;
      if (c.kind === 'shape')
        c.layers.forEach(function (l) { if (l.fill && l.fill.bitmap !== undefined) ids.add(String(l.fill.bitmap)); });
      else if (c.kind === 'button')
        c.records.forEach(function (r) { visit(r.id, depth + 1); });
    }
    player.walk(function (o) { visit(o.id, 0); return false; });
    return ids;
  }

  function loadImages(needed, done) {
    var waiting = 1;
    function one() { if (--waiting === 0) done(); }
    Object.keys(movie.characters).forEach(function (id) {
      var c = movie.characters[id];
      if (c.kind !== 'bitmap') return;
      var image = new Image(), wanted = needed.has(id);
      if (wanted) waiting++;
      image.onload = image.onerror = wanted ? one : function () {};
      image.src = c.file;
      images[id] = image;
    });
    one();
  }

  // Ticks at the movie's rate; a late timer catches up a few frames rather than slowing down.
  function run() {
    var interval = 1000 / (movie.rate > 0 ? movie.rate : 12), next = performance.now() + interval;
    function step() {
      var now = performance.now(), ticks = 0;
      while (now >= next && ticks++ < 5) {
        if (!paused) {
          player.tick();
          updateStream();
        }
        next += interval;
      }
      if (now >= next) next = now + interval;
      if (ticks) afterInput();
      global.setTimeout(step, Math.max(0, next - performance.now()));
    }
    global.setTimeout(step, interval);
  }

  function hasSound() {
    return Object.keys(movie.characters).some(function (id) { return movie.characters[id].kind === 'sound'; }) ||
      !!movie.root.stream;
  }

  // Browsers that keep sound back until the viewer acts get one layer that asks for it.
  function soundBlocked() {
    var Context = global.AudioContext || global.webkitAudioContext;
    if (!Context) return false;
    var context = new Context();
    var blocked = context.state === 'suspended';
    context.close();
    return blocked;
  }

  // The frame to show first: the frame address's, or the scene address's start.
  function prepare() {
    if (still) {
      playToFrame(player, address.frame, address.clicks);
    } else if (address.scene !== null && address.scene >= 1) {
      player.root.gotoFrame(scenes[Math.min(address.scene, scenes.length) - 1]);
      player.runQueue();
      player.root.playing = true;
    }
  }

  function start() {
    if (still) {
      layout();
      document.documentElement.setAttribute('data-frame-ready', String(address.frame));
      return;
    }
    if (showControls) addBar();
    layout();
    // Milliseconds to the first frame on screen, for the benchmark: from the arrival of the page
    // (its own loading: scripts, pictures, drawing) and from the start of the navigation.
    var navigation = performance.getEntriesByType ? performance.getEntriesByType('navigation')[0] : null;
    var now = performance.now();
    document.documentElement.setAttribute('data-first-frame-ms', String(Math.round(now - (navigation ? navigation.responseEnd : 0))));
    document.documentElement.setAttribute('data-navigation-ms', String(Math.round(now)));
    announce();
    canvas.addEventListener('pointermove', function (e) { var p = stagePoint(e); player.mouseMove(p[0], p[1]); afterInput(); });
    canvas.addEventListener('pointerdown', function (e) { var p = stagePoint(e); player.mousePress(p[0], p[1]); afterInput(); });
    canvas.addEventListener('pointerup', function (e) { var p = stagePoint(e); player.mouseRelease(p[0], p[1]); afterInput(); });
    if (hasSound() && soundBlocked()) {
      var tap = document.createElement('button');
      tap.type = 'button';
      tap.className = 'vt-tap';
      tap.textContent = 'Tap to start';
      container.appendChild(tap);
      tap.focus();
      tap.addEventListener('click', function () {
        tap.remove();
        updateStream();
        run();
      });
      return;
    }
    updateStream();
    run();
  }

  global.addEventListener('resize', layout);
  global.addEventListener('hashchange', function () { global.location.reload(); });
  prepare();
  loadImages(picturesShown(), start);
})(typeof window !== 'undefined' ? window : globalThis);
