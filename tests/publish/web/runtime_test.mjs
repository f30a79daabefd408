// The web runtime's timeline model under node: stepping, display lists, stop points, the action
// records our movies carry, buttons and the page address.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const runtime = require(process.env.VANTORA_WEB_RUNTIME);
const { Player, runActions, parseAddress, playToFrame, isOpenableAddress, breakLines, sceneOf } = runtime;

const place = (depth, id, extra = {}) => ({ depth, id, ...extra });
const STOP = [0x07, 0x00];
const PLAY = [0x06, 0x00];
// Push the 1-based frame number as an int32, then GotoFrame2 with play.
const gotoAndPlay = (frame) => [0x96, 5, 0, 7, frame & 255, frame >> 8, 0, 0, 0x9f, 1, 0, 1, 0x00];
const getUrl = (url, target) => {
  const body = [...Buffer.from(url), 0, ...Buffer.from(target), 0];
  return [0x83, body.length & 255, body.length >> 8, ...body, 0x00];
};

// A square hit area 0..200 twips and up/over/down shapes; the button runs `code` on release.
function button(code) {
  return {
    kind: 'button',
    records: [{ states: 15, id: 1, depth: 1, m: [1, 0, 0, 1, 0, 0], cx: null }],
    actions: [{ conditions: 8, code }],
    sounds: [null, null, { id: 9 }, null],
  };
}

function movie(frames, characters = {}) {
  return {
    version: 6, width: 100, height: 100, stage: [0, 0, 2000, 2000], rate: 10, background: [255, 255, 255, 255],
    characters: { 1: { kind: 'shape', layers: [] }, 2: { kind: 'shape', layers: [] }, ...characters },
    root: { frames },
  };
}

const boxHit = (b, x, y) => x >= 0 && y >= 0 && x <= 200 && y <= 200;
const depths = (clip) => [...clip.list.keys()].sort((a, b) => a - b).map((d) => [d, clip.list.get(d).id]);

test('stepping builds the display list frame by frame and a jump back rebuilds it', () => {
  const p = new Player(movie([
    { c: [place(1, 1)] },
    { c: [place(2, 2), { depth: 1, move: true, m: [2, 0, 0, 2, 5, 5] }] },
    { c: [{ remove: true, depth: 1 }] },
  ]));
  const first = p.root.list.get(1).serial;
  const cases = [[0, [[1, 1]]], [1, [[1, 1], [2, 2]]], [2, [[2, 2]]], [0, [[1, 1]]]];
  for (const [frame, list] of cases) {
    assert.equal(p.root.current, frame);
    assert.deepEqual(depths(p.root), list);
    p.tick();
  }
  assert.notEqual(p.root.list.get(1).serial, first, 'a placement after a rebuild is a new object');
  p.seek(1);
  assert.deepEqual(p.root.list.get(1).m, [2, 0, 0, 2, 5, 5]);
  assert.equal(p.root.playing, false);
});

test('a stop point holds the movie until a click plays on', () => {
  const p = new Player(movie([
    { c: [place(1, 1), place(3, 5)] },
    { a: [STOP] },
    { c: [{ remove: true, depth: 3 }] },
  ], { 5: button(PLAY) }));
  const sounds = [];
  p.hooks.sound = (s) => sounds.push(s.id);
  p.hooks.hitTest = boxHit;
  playToFrame(p, 5, []);
  assert.equal(p.root.current, 1);
  p.click(50, 50); // outside the 10-pixel button
  p.tick();
  assert.equal(p.root.current, 1);
  p.click(5, 5);
  assert.deepEqual(sounds, [9], 'the press sound');
  p.tick();
  assert.equal(p.root.current, 2);
});

test('playToFrame makes the clicks after their frames, like the frame export', () => {
  const frames = [{ c: [place(3, 5)], a: [STOP] }, {}, {}];
  const p = new Player(movie(frames, { 5: button(PLAY) }), { hitTest: boxHit });
  playToFrame(p, 2, [{ x: 3, y: 3, after: 0 }]);
  assert.equal(p.root.current, 2);
  const still = new Player(movie(frames, { 5: button(PLAY) }), { hitTest: boxHit });
  playToFrame(still, 2, [{ x: 3, y: 3, after: 2 }]);
  assert.equal(still.root.current, 0, 'a click after the last frame shown changes nothing');
});

test('button states follow the pointer: over, down, out while down, release outside', () => {
  const p = new Player(movie([{ c: [place(3, 5)] }], { 5: button(STOP) }), { hitTest: boxHit });
  const state = () => p.root.list.get(3).state;
  const steps = [
    ['mouseMove', 5, 5, 2], ['mousePress', 5, 5, 4], ['mouseMove', 50, 50, 2],
    ['mouseMove', 5, 5, 4], ['mouseRelease', 5, 5, 2], ['mouseMove', 50, 50, 1],
    ['mousePress', 5, 5, 4], ['mouseRelease', 50, 50, 1],
  ];
  for (const [call, x, y, expected] of steps) {
    p[call](x, y);
    assert.equal(state(), expected, `${call} ${x},${y}`);
  }
});

test('the action records of click actions', () => {
  const calls = [];
  const clip = { current: 4, frameOfLabel: (l) => (l === 'scene2' ? 7 : -1) };
  const host = {
    gotoFrame: (c, f) => calls.push(['goto', f]), play: () => calls.push(['play']), stop: () => calls.push(['stop']),
    getUrl: (u, t) => calls.push(['url', u, t]), stopSounds: () => calls.push(['silence']),
  };
  const label = [...Buffer.from('scene2'), 0];
  const cases = [
    [[0x06, 0x07, 0x09, 0x00], [['play'], ['stop'], ['silence']]],
    [gotoAndPlay(12), [['goto', 11], ['play']]],
    [[0x81, 2, 0, 3, 0, 0x00], [['goto', 3]]],
    [[0x8c, label.length, 0, ...label, 0x00], [['goto', 7]]],
    [[0x04, 0x05], [['goto', 5], ['stop'], ['goto', 3], ['stop']]],
    [getUrl('https://example.com/ü', '_blank'), [['url', 'https://example.com/ü', '_blank']]],
    [[0x07, 0x00, 0x06], [['stop']]], // the end record ends the run
    [[0x83, 200, 0, 1], []], // a record longer than the code
    [[0x99, 2, 0, 0xfb, 0xff], []], // a jump onto itself: cut off, not a hang
  ];
  for (const [code, expected] of cases) {
    calls.length = 0;
    runActions(code, clip, host);
    assert.deepEqual(calls, expected, JSON.stringify(code));
  }
});

test('sprites run their own timelines and stop on their own', () => {
  const sprite = { kind: 'sprite', timeline: { frames: [{ c: [place(1, 1)] }, { a: [STOP] }, {}] } };
  const p = new Player(movie([{ c: [place(2, 7)] }, {}, {}, {}], { 7: sprite }));
  const clip = () => p.root.list.get(2).clip;
  assert.equal(clip().current, 0);
  p.tick(); // created in the tick before: starts moving now
  p.tick();
  p.tick();
  assert.deepEqual([p.root.current, clip().current, clip().playing], [3, 1, false]);
});

test('page addresses, scenes and openable addresses', () => {
  assert.deepEqual(parseAddress('#frame=30&click=402:320@24&click=1:2@3'),
    { frame: 30, clicks: [{ x: 402, y: 320, after: 24 }, { x: 1, y: 2, after: 3 }], scene: null });
  assert.deepEqual(parseAddress('#scene=2'), { frame: null, clicks: [], scene: 2 });
  assert.deepEqual(parseAddress('#frame=x&click=1:2&scene=-1'), { frame: null, clicks: [], scene: null });
  assert.deepEqual([0, 9, 10, 99].map((f) => sceneOf([0, 10, 40], f)), [0, 0, 1, 2]);
  const openable = ['http://a.b', 'HTTPS://a.b/c', 'mailto:x@y.z', ' https://a.b'];
  const refused = ['javascript:alert(1)', 'file:///etc/passwd', 'data:text/html,x', 'ftp://a', '//a.b', ''];
  openable.forEach((u) => assert.ok(isOpenableAddress(u), u));
  refused.forEach((u) => assert.ok(!isOpenableAddress(u), u));
});

test('text fields break lines at line ends and the last space that fits', () => {
  const one = () => 1;
  assert.deepEqual(breakLines('ab cd ef', true, 5, one), ['ab cd', 'ef']);
  assert.deepEqual(breakLines('a\r\nb\nc', false, 1, one), ['a', 'b', 'c']);
  assert.deepEqual(breakLines('abcdefg', true, 3, one), ['abc', 'def', 'g']);
  assert.deepEqual(breakLines('abcdefg', false, 3, one), ['abcdefg']);
});
