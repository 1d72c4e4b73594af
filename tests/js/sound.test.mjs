// The runtime's sound player under node, with a stand-in for the browser's
// Web Audio: Sun audio is decoded by the script, every other format (WAV,
// Ogg, MP3) by the browser's own decoder.
import test from 'node:test';
import assert from 'node:assert/strict';
import { sound } from '../../web/src/sound.js';

// An 8-bit linear .au file of four samples.
function auBytes() {
    const bytes = new Uint8Array(28);
    const view = new DataView(bytes.buffer);
    view.setUint32(0, 0x2e736e64);  // ".snd"
    view.setUint32(4, 24);
    view.setUint32(8, 4);
    view.setUint32(12, 2);
    view.setUint32(16, 8000);
    view.setUint32(20, 1);
    bytes.set([0, 64, 0, 192], 24);
    return bytes.buffer;
}

const files = {
    '/s/bell.au': auBytes(),
    '/s/click.wav': new TextEncoder().encode('RIFF....WAVEfmt ').buffer,
    '/s/click.ogg': new TextEncoder().encode('OggS').buffer,
    '/s/click.mp3': new TextEncoder().encode('ID3').buffer,
};

class FakeContext {
    constructor() { this.state = 'running'; this.decoded = []; this.destination = {}; }
    resume() { return Promise.resolve(); }
    decodeAudioData(bytes) { this.decoded.push(bytes); return Promise.resolve({ browserDecoded: true }); }
    createBuffer(channels, frames, rate) {
        return { channels, frames, rate, getChannelData: () => new Float32Array(frames) };
    }
    createBufferSource() { return { connect() {}, start() {} }; }
}

globalThis.window = {
    AudioContext: FakeContext,
    fetch: (url) => Promise.resolve(files[url]
        ? { ok: true, arrayBuffer: () => Promise.resolve(files[url]) }
        : { ok: false, status: 404 }),
};

test('every sound format plays: .au decoded by the script, the others by the browser', async () => {
    sound.unlock();
    const ctx = sound.context;
    const cases = [
        { url: '/s/bell.au', byBrowser: false },
        { url: '/s/click.wav', byBrowser: true },
        { url: '/s/click.ogg', byBrowser: true },
        { url: '/s/click.mp3', byBrowser: true },
    ];
    for (const c of cases) {
        const before = ctx.decoded.length;
        sound.play(c.url);
        const buffer = await sound.load(c.url);
        await new Promise((resolve) => setTimeout(resolve, 0));
        assert.ok(sound.played.includes(c.url), c.url + ' played');
        assert.equal(ctx.decoded.length - before, c.byBrowser ? 1 : 0, c.url);
        assert.equal(buffer.browserDecoded === true, c.byBrowser, c.url);
    }
    sound.play('/s/missing.ogg');
    await new Promise((resolve) => setTimeout(resolve, 0));
    assert.ok(!sound.played.includes('/s/missing.ogg'), 'a sound that cannot load stays silent');
});
