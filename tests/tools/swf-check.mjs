// swf-check: reads a SWF movie with the independent parser swf-parser and prints a line summary for
// the C++ tests (tests/support/swf_check.h). Test tool only: nothing here is linked or shipped.
//
// Usage: node swf-check.mjs MOVIE.swf
// Output (exit 0), one record per line, fields as key=value with values URI-encoded:
//   header signature=CWS version=6 fileLength=.. xMin=.. xMax=.. yMin=.. yMax=.. frameRate=20 frameCount=..
//   tag level=0 code=26 frame=0 len=9 depth=1 characterId=1 matrix=65536,0,0,65536,200,200 ...
//   warning text=...
// Tags nested in a DefineSprite follow it with level=1. The End tag is listed too.
// Exit 1 with a message on stderr when the file is not a valid movie.
import fs from "node:fs";
import zlib from "node:zlib";
import { parseSwf, swf } from "swf-parser";

class CheckError extends Error {}

const enc = (v) => encodeURIComponent(String(v));
const hex = (bytes) => Buffer.from(bytes).toString("hex");
const color = (c) => [c.r, c.g, c.b, c.a === undefined ? 255 : c.a].join(",");
const rect = (r) => [r.xMin, r.xMax, r.yMin, r.yMax].join(",");
const matrix = (m) => [m.scaleX.epsilons, m.rotateSkew0.epsilons, m.rotateSkew1.epsilons, m.scaleY.epsilons, m.translateX, m.translateY].join(",");
const cxform = (c) =>
  [c.redMult.epsilons, c.greenMult.epsilons, c.blueMult.epsilons, c.alphaMult === undefined ? 256 : c.alphaMult.epsilons,
    c.redAdd, c.greenAdd, c.blueAdd, c.alphaAdd === undefined ? 0 : c.alphaAdd].join(",");

// The container: signature, inflation, header length, tag framing (what swf-parser folds away).
function readContainer(bytes) {
  if (bytes.length < 8) throw new CheckError(`file is only ${bytes.length} bytes`);
  const signature = bytes.subarray(0, 3).toString("latin1");
  const version = bytes[3];
  const fileLength = bytes.readUInt32LE(4);
  let rest;
  if (signature === "FWS") rest = bytes.subarray(8);
  else if (signature === "CWS") {
    try {
      rest = zlib.inflateSync(bytes.subarray(8));
    } catch (e) {
      throw new CheckError(`compressed body does not inflate: ${e.message}`);
    }
    if (version < 6) throw new CheckError(`CWS needs version 6 or later, header says ${version}`);
  } else throw new CheckError(`bad signature ${JSON.stringify(signature)}`);
  const body = Buffer.concat([bytes.subarray(0, 8), rest]);
  if (body.length !== fileLength) throw new CheckError(`header FileLength ${fileLength} but the movie is ${body.length} bytes`);
  const nbits = body[8] >> 3;
  const tagsStart = 8 + Math.ceil((5 + 4 * nbits) / 8) + 4;
  return { signature, version, fileLength, body, tagsStart };
}

function walkTags(body, start, end, where, warnings) {
  const tags = [];
  let off = start;
  for (;;) {
    if (off + 2 > end) throw new CheckError(`${where}: no End tag before byte ${off}`);
    const head = body.readUInt16LE(off);
    const code = head >> 6;
    let length = head & 0x3f;
    let headerLength = 2;
    if (length === 0x3f) {
      if (off + 6 > end) throw new CheckError(`${where}: long tag header truncated at byte ${off}`);
      length = body.readUInt32LE(off + 2);
      headerLength = 6;
    }
    const dataStart = off + headerLength;
    if (dataStart + length > end) throw new CheckError(`${where}: tag code ${code} at byte ${off} runs past the end`);
    const tag = { code, headerLength, length, data: body.subarray(dataStart, dataStart + length) };
    if (code === 39) tag.children = walkTags(body, dataStart + 4, dataStart + length, `sprite ${tag.data.readUInt16LE(0)}`, warnings);
    tags.push(tag);
    off = dataStart + length;
    if (code === 0) break;
  }
  if (off !== end) warnings.push(`${where}: ${end - off} byte(s) after End`);
  return tags;
}

function shapeFields(p, f) {
  f.id = p.id;
  f.bounds = rect(p.bounds);
  const T = swf.FillStyleType;
  const fills = p.shape.initialStyles.fill;
  f.fills = fills.length;
  fills.forEach((s, i) => {
    if (s.type === T.Solid) f[`fill${i}`] = `solid:${color(s.color)}`;
    else if (s.type === T.Bitmap) {
      f[`fill${i}`] = `bitmap:${s.bitmapId}:${s.repeating ? "repeating" : "clipped"}`;
      f[`fillMatrix${i}`] = matrix(s.matrix);
    } else f[`fill${i}`] = `type${s.type}`;
  });
  const lines = p.shape.initialStyles.line;
  f.lines = lines.length;
  lines.forEach((l, i) => (f[`line${i}`] = `${l.width}:${l.fill.type === T.Solid ? color(l.fill.color) : "other"}`));
  const path = [];
  let styleChanges = 0;
  for (const r of p.shape.records) {
    if (r.type === swf.ShapeRecordType.StyleChange) {
      styleChanges++;
      const parts = [];
      if (r.moveTo) parts.push(`m${r.moveTo.x}:${r.moveTo.y}`);
      if (r.leftFill !== undefined) parts.push(`f0=${r.leftFill}`);
      if (r.rightFill !== undefined) parts.push(`f1=${r.rightFill}`);
      if (r.lineStyle !== undefined) parts.push(`l=${r.lineStyle}`);
      path.push(`S(${parts.join(" ")})`);
    } else if (r.controlDelta) {
      path.push(`C${r.controlDelta.x}:${r.controlDelta.y}:${r.delta.x - r.controlDelta.x}:${r.delta.y - r.controlDelta.y}`);
    } else {
      path.push(`L${r.delta.x}:${r.delta.y}`);
    }
  }
  f.records = p.shape.records.length;
  f.styleChanges = styleChanges;
  f.path = path.join(";");
}

function losslessFields(raw, f, warnings) {
  const d = raw.data;
  const withAlpha = raw.code === 36;
  const format = d[2];
  const width = d.readUInt16LE(3);
  const height = d.readUInt16LE(5);
  f.format = format;
  let zStart = 7;
  let expected;
  if (format === 3) {
    f.colors = d[7] + 1;
    zStart = 8;
    expected = f.colors * (withAlpha ? 4 : 3) + ((width + 3) & ~3) * height;
  } else if (format === 4) expected = ((width * 2 + 3) & ~3) * height;
  else if (format === 5) expected = width * height * 4;
  else {
    warnings.push(`bitmap ${d.readUInt16LE(0)}: format ${format} is not 3, 4 or 5`);
    return;
  }
  let pixels;
  try {
    pixels = zlib.inflateSync(d.subarray(zStart));
  } catch (e) {
    warnings.push(`bitmap ${d.readUInt16LE(0)}: pixel data does not inflate: ${e.message}`);
    return;
  }
  f.pixelBytes = pixels.length;
  if (pixels.length !== expected) warnings.push(`bitmap ${d.readUInt16LE(0)}: ${pixels.length} pixel bytes, expected ${expected}`);
  if (pixels.length <= 512) f.pixels = hex(pixels);
  if (withAlpha && format === 5) {
    let bad = 0;
    for (let p = 0; p + 3 < pixels.length; p += 4) if (pixels[p + 1] > pixels[p] || pixels[p + 2] > pixels[p] || pixels[p + 3] > pixels[p]) bad++;
    f.notPremultiplied = bad;
    if (bad) warnings.push(`bitmap ${d.readUInt16LE(0)}: ${bad} pixel(s) not premultiplied`);
  }
}

function fieldsOf(raw, p, warnings) {
  const f = {};
  const T = swf.TagType;
  if (!p) return f;
  switch (p.type) {
    case T.SetBackgroundColor: f.color = color(p.color); break;
    case T.DefineShape: shapeFields(p, f); break;
    case T.DefineBitmap:
      f.id = p.id;
      f.width = p.width;
      f.height = p.height;
      if (raw.code === 20 || raw.code === 36) losslessFields(raw, f, warnings);
      else {
        f.media = p.mediaType;
        const jpegStart = raw.code === 35 ? 6 : 2;
        const jpegEnd = raw.code === 35 ? 6 + raw.data.readUInt32LE(2) : raw.data.length;
        f.jpegBytes = jpegEnd - jpegStart;
        f.jpegHead = hex(raw.data.subarray(jpegStart, jpegStart + 6));
        if (raw.code === 35) {
          try {
            f.alphaBytes = zlib.inflateSync(raw.data.subarray(jpegEnd)).length;
          } catch (e) {
            warnings.push(`JPEG ${p.id}: alpha data does not inflate: ${e.message}`);
          }
        }
      }
      break;
    case T.PlaceObject:
      f.depth = p.depth;
      f.move = p.isUpdate ? 1 : 0;
      if (p.characterId !== undefined) f.characterId = p.characterId;
      if (p.matrix) f.matrix = matrix(p.matrix);
      if (p.colorTransform) f.cxform = cxform(p.colorTransform);
      if (p.ratio !== undefined) f.ratio = p.ratio;
      if (p.name !== undefined) f.name = p.name;
      if (p.clipDepth !== undefined) f.clipDepth = p.clipDepth;
      if (p.blendMode !== undefined) f.blendMode = p.blendMode;
      break;
    case T.RemoveObject:
      f.depth = p.depth;
      if (p.characterId !== undefined) f.characterId = p.characterId;
      break;
    case T.DefineSprite: f.id = p.id; f.frameCount = p.frameCount; break;
    case T.FrameLabel: f.label = p.name; if (p.isAnchor) f.anchor = 1; break;
    case T.DoAction: f.actions = hex(p.actions); break;
    case T.DoInitAction: f.spriteId = p.spriteId; f.actions = hex(p.actions); break;
    case T.DefineSound:
      f.id = p.id;
      f.format = p.format;
      f.soundRate = p.soundRate;
      f.soundSize = p.soundSize;
      f.soundType = p.soundType;
      f.sampleCount = p.sampleCount;
      f.dataBytes = p.data.length;
      break;
    case T.StartSound:
      f.soundId = p.soundId;
      if (p.soundInfo.loopCount !== undefined) f.loopCount = p.soundInfo.loopCount;
      if (p.soundInfo.envelopeRecords) f.envelopePoints = p.soundInfo.envelopeRecords.length;
      break;
    case T.SoundStreamHead:
      f.streamFormat = p.streamFormat;
      f.streamSoundRate = p.streamSoundRate;
      f.streamSoundSize = p.streamSoundSize;
      f.streamSoundType = p.streamSoundType;
      f.streamSampleCount = p.streamSampleCount;
      if (p.latencySeek !== undefined) f.latencySeek = p.latencySeek;
      break;
    case T.SoundStreamBlock: f.dataBytes = p.data.length; break;
    case T.DefineButton:
      f.id = p.id;
      f.trackAsMenu = p.trackAsMenu ? 1 : 0;
      // records: "states:characterId:depth" with states as the letters u, o, d, h.
      f.records = p.records.map((r) => `${r.stateUp ? "u" : ""}${r.stateOver ? "o" : ""}${r.stateDown ? "d" : ""}${r.stateHitTest ? "h" : ""}:${r.characterId}:${r.depth}`).join(";");
      f.recordCxforms = p.records.map((r) => (r.colorTransform ? cxform(r.colorTransform) : "")).join(";");
      // condition actions: "names of the set conditions/action bytes in hex".
      f.condActions = p.actions.map((a) => `${a.conditions ? Object.entries(a.conditions).filter(([, v]) => v === true).map(([k]) => k).join("+") : ""}/${hex(a.actions)}`).join(";");
      break;
    case T.DefineFont:
      f.id = p.id;
      f.fontName = p.fontName;
      f.bold = p.isBold ? 1 : 0;
      f.italic = p.isItalic ? 1 : 0;
      f.language = p.language;
      f.glyphs = p.glyphs ? p.glyphs.length : 0;
      if (p.codeUnits) f.codeUnits = p.codeUnits.join(",");
      if (p.layout) {
        f.ascent = p.layout.ascent;
        f.descent = p.layout.descent;
        f.leading = p.layout.leading;
        f.advances = p.layout.advances.join(",");
      }
      break;
    case T.DefineText:
      f.id = p.id;
      f.bounds = rect(p.bounds);
      f.records = p.records.length;
      if (p.records.length > 0) {
        const r0 = p.records[0];
        if (r0.fontId !== undefined) f.fontId = r0.fontId;
        if (r0.color) f.color = color(r0.color);
        f.offsetX = r0.offsetX;
        f.offsetY = r0.offsetY;
        if (r0.fontSize !== undefined) f.fontSize = r0.fontSize;
      }
      f.glyphIndices = p.records.flatMap((r) => r.entries.map((e) => e.index)).join(",");
      f.glyphAdvances = p.records.flatMap((r) => r.entries.map((e) => e.advance)).join(",");
      break;
    case T.DefineDynamicText:
      f.id = p.id;
      f.bounds = rect(p.bounds);
      for (const k of ["wordWrap", "multiline", "password", "readonly", "autoSize", "noSelect", "border", "html", "useGlyphFont"]) f[k === "readonly" ? "readOnly" : k] = p[k] ? 1 : 0;
      if (p.fontId !== undefined) f.fontId = p.fontId;
      if (p.fontSize !== undefined) f.fontSize = p.fontSize;
      if (p.color) f.color = color(p.color);
      if (p.maxLength !== undefined) f.maxLength = p.maxLength;
      f.align = p.align;
      if (p.variableName !== undefined) f.variableName = p.variableName;
      if (p.text !== undefined) f.text = p.text;
      break;
    case T.Raw: case T.RawBody:
      f.unparsed = 1;
      warnings.push(`tag code ${raw.code} was not decoded by swf-parser`);
      break;
    default:
      if (p.id !== undefined) f.id = p.id;
      break;
  }
  f.body = raw.data.length <= 64 ? hex(raw.data) : undefined;
  return f;
}

function emit(rawTags, parsedTags, level, where, lines, warnings) {
  const nonEnd = rawTags.filter((t) => t.code !== 0);
  if (nonEnd.length !== parsedTags.length) throw new CheckError(`${where}: swf-parser found ${parsedTags.length} tags, the file holds ${nonEnd.length}`);
  let frame = 0;
  let j = 0;
  for (const raw of rawTags) {
    const parsed = raw.code === 0 ? undefined : parsedTags[j++];
    const f = fieldsOf(raw, parsed, warnings);
    const parts = [`level=${level}`, `code=${raw.code}`, `frame=${frame}`, `len=${raw.length}`, `longHeader=${raw.headerLength === 6 ? 1 : 0}`];
    for (const [k, v] of Object.entries(f)) if (v !== undefined) parts.push(`${k}=${enc(v)}`);
    lines.push(`tag ${parts.join(" ")}`);
    if (raw.children) {
      emit(raw.children, parsed.tags, level + 1, `sprite ${parsed.id}`, lines, warnings);
      const shown = raw.children.filter((t) => t.code === 1).length;
      if (shown !== parsed.frameCount) warnings.push(`sprite ${parsed.id}: frameCount ${parsed.frameCount} but ${shown} ShowFrame tags`);
    }
    if (raw.code === 1) frame++;
  }
  return frame;
}

function check(path) {
  const bytes = fs.readFileSync(path);
  const c = readContainer(bytes);
  const warnings = [];
  const rawTags = walkTags(c.body, c.tagsStart, c.body.length, "movie", warnings);
  let movie;
  try {
    movie = parseSwf(new Uint8Array(bytes));
  } catch (e) {
    throw new CheckError(`swf-parser failed: ${e.message}`);
  }
  const h = movie.header;
  const lines = [];
  lines.push(`header signature=${c.signature} version=${h.swfVersion} fileLength=${c.fileLength} storedLength=${bytes.length} ` +
    `xMin=${h.frameSize.xMin} xMax=${h.frameSize.xMax} yMin=${h.frameSize.yMin} yMax=${h.frameSize.yMax} ` +
    `frameRate=${h.frameRate.epsilons / 256} frameRateWord=${h.frameRate.epsilons} frameCount=${h.frameCount}`);
  const frames = emit(rawTags, movie.tags, 0, "movie", lines, warnings);
  if (frames !== h.frameCount) warnings.push(`movie: frameCount ${h.frameCount} but ${frames} ShowFrame tags`);
  for (const w of warnings) lines.push(`warning text=${enc(w)}`);
  return lines.join("\n") + "\n";
}

try {
  if (process.argv.length !== 3) throw new CheckError("usage: node swf-check.mjs MOVIE.swf");
  process.stdout.write(check(process.argv[2]));
} catch (e) {
  process.stderr.write(`swf-check: ${e instanceof CheckError ? e.message : e.stack}\n`);
  process.exit(1);
}
